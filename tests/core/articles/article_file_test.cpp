#include "core/articles/article_file.h"
#include "core/articles/column_renaming.h"
#include "core/articles/sample_articles.h"
#include "core/base/binary_writer.h"

#include "support/temp_workspace.h"

#include <gtest/gtest.h>

using namespace morvane;
using namespace morvane::articles;
using morvane::test::makeArticle;
using morvane::base::BinaryWriter;

namespace {

// Block 1 as written by hand: N, then name, barcode, quantity, batch.
void writeFirstBlock(BinaryWriter &w, const std::vector<std::array<const char *, 4>> &rows)
{
    w.writeInt32(int(rows.size()));
    for (const auto &row : rows) {
        for (const char *text : row)
            w.writeText(QString::fromUtf8(text));
    }
}

QByteArray roundTrip(const ArticleList &list, const ArticleFileSettings &settings)
{
    return ArticleFile::serialize(list, settings, RenameGroup{3, {}}, {});
}

}  // namespace

TEST(ArticleFile, WrittenFileReadsBackToTheSameListAndSettings)
{
    ArticleFileSettings settings;
    settings.sortspalte = 4;
    settings.sortdir = true;
    settings.spalte.swap(0, 5);
    settings.spalte.swap(2, 38);
    settings.fieldWidths[1 + Menge] = 0;
    settings.fieldWidths[1 + Farbe] = 77;
    settings.journalWidths = {10, 20, 30};
    settings.spaltebuch.swap(1, 2);
    settings.spaltedbf.swap(3, 4);
    settings.buchspaltevis[7] = false;
    settings.abfragen[0] = 9;
    settings.orderMail.smtpServer = QStringLiteral("mail.example.org");
    settings.orderMail.password = QString::fromUtf8("gehëim");
    settings.orderMail.useStartTls = true;
    settings.orderMail.smtpPort = 587;
    settings.orderMail.extraFieldEnabled = true;
    settings.orderMail.extraFieldColumn = 12;
    settings.orderMail.extraFieldLabel = QStringLiteral("Farbe:");
    settings.orderMail.useAlternativeSmtp = true;

    ArticleList list = generateSampleArticles(50, 7);
    for (int k = 0; k < kFieldCount; ++k)
        list[3].field(k) = QStringLiteral("Feld %1\r\nzweite Zeile €").arg(k);

    const QByteArray bytes = roundTrip(list, settings);
    const ArticleFileContent back = ArticleFile::parse(bytes, ArticleFileSettings());
    EXPECT_EQ(back.blocksRead, ArticleFile::kBlockCount);
    EXPECT_EQ(back.articles, list);
    EXPECT_EQ(back.settings, settings);
    EXPECT_EQ(roundTrip(back.articles, back.settings), bytes) << "a second save must be byte-identical";
}

TEST(ArticleFile, FileWithOnlyTheFirstBlock)
{
    BinaryWriter w;
    writeFirstBlock(w, {{"Schraube", "4001", "12", "CH-1"}, {"Mutter", "4002", "3,5", ""}});
    const ArticleFileContent c = ArticleFile::parse(w.data(), ArticleFileSettings());
    ASSERT_EQ(c.articles.size(), 2u);
    EXPECT_EQ(c.articles[1].name, QStringLiteral("Mutter"));
    EXPECT_EQ(c.articles[1].field(Menge), QStringLiteral("3,5"));
    EXPECT_EQ(c.articles[0].field(Chargennr), QStringLiteral("CH-1"));
    EXPECT_TRUE(c.articles[0].field(ArtikelNr).isEmpty()) << "the number comes from a later block";
    EXPECT_EQ(c.settings.sortspalte, 0);
    EXPECT_TRUE(c.settings.spalte.isIdentity());
    EXPECT_EQ(c.blocksRead, 1);
}

TEST(ArticleFile, ZeroArticlesStillCarryTheLaterSettings)
{
    ArticleFileSettings settings;
    settings.sortspalte = 2;
    settings.spalte.swap(0, 1);
    settings.orderMail.senderName = QStringLiteral("Lager");
    const ArticleFileContent c = ArticleFile::parse(roundTrip({}, settings), ArticleFileSettings());
    EXPECT_TRUE(c.articles.empty());
    EXPECT_EQ(c.blocksRead, ArticleFile::kBlockCount);
    EXPECT_EQ(c.settings, settings);
}

TEST(ArticleFile, NumberComesFromBlockSevenAndPrintMapIsIgnored)
{
    ArticleFileSettings settings;
    settings.spaltedruck.swap(0, 1);  // stored in block 30, never read back
    const ArticleList list{makeArticle(QStringLiteral("A"), {{ArtikelNr, QStringLiteral("N-1")}})};
    const ArticleFileContent c = ArticleFile::parse(roundTrip(list, settings), ArticleFileSettings());
    EXPECT_EQ(c.articles[0].field(ArtikelNr), QStringLiteral("N-1"));
    EXPECT_TRUE(c.settings.spaltedruck.isIdentity());
}

TEST(ArticleFile, TruncatedFilesLoadWhatIsThere)
{
    const ArticleList list = generateSampleArticles(20, 3);
    const QByteArray full = roundTrip(list, ArticleFileSettings());
    // Cut at every length: never a crash, never more rows than written, and
    // the first block's rows are all there once its data is complete.
    for (qsizetype cut = 0; cut < full.size(); cut += 7) {
        const ArticleFileContent c = ArticleFile::parse(full.left(cut), ArticleFileSettings());
        ASSERT_LE(c.articles.size(), list.size());
        for (std::size_t i = 0; i + 1 < c.articles.size(); ++i)
            EXPECT_EQ(c.articles[i].name, list[i].name);
    }
    // Cut inside block 4 (after the first article's five texts): later
    // articles read those fields empty, and nothing after it is read.
    BinaryWriter w;
    writeFirstBlock(w, {{"A", "1", "1", ""}, {"B", "2", "2", ""}});
    w.writeInt32(5);  // sort column
    w.writeBool(true);
    for (const char *t : {"10", "Hersteller", "1,00", "2,00", "30"})
        w.writeText(QString::fromUtf8(t));
    w.writeText(QStringLiteral("7"));  // article B's minimum, then the data ends
    const ArticleFileContent c = ArticleFile::parse(w.data(), ArticleFileSettings());
    ASSERT_EQ(c.articles.size(), 2u);
    EXPECT_EQ(c.articles[0].field(Hersteller), QStringLiteral("Hersteller"));
    EXPECT_EQ(c.articles[1].field(Mindestbestand), QStringLiteral("7"));
    EXPECT_TRUE(c.articles[1].field(Hersteller).isEmpty());
    EXPECT_EQ(c.settings.sortspalte, 5);
    EXPECT_TRUE(c.settings.sortdir);
}

TEST(ArticleFile, FirstBlockCutInsideAnArticleRepeatsThePreviousText)
{
    BinaryWriter w;
    w.writeInt32(1000000);  // claims far more articles than there are
    w.writeText(QStringLiteral("Schraube"));
    w.writeText(QStringLiteral("4001"));
    const ArticleFileContent c = ArticleFile::parse(w.data(), ArticleFileSettings());
    ASSERT_EQ(c.articles.size(), 1u);
    EXPECT_EQ(c.articles[0].field(Menge), QStringLiteral("4001"));
    EXPECT_EQ(c.articles[0].field(Chargennr), QStringLiteral("4001"));
}

TEST(ArticleFile, HostileCountsMapsAndSlotsStayInRange)
{
    BinaryWriter w;
    writeFirstBlock(w, {{"A", "", "", ""}});
    w.writeInt32(39);  // sort column beyond the list
    w.writeBool(false);
    for (int i = 0; i < 5 + 3; ++i)
        w.writeText({});
    w.writeInt32(5000);  // far more widths than columns
    for (int i = 0; i < 60; ++i)
        w.writeInt32(i == 1 ? -20 : 1000000);
    const ArticleFileContent c = ArticleFile::parse(w.data(), ArticleFileSettings());
    EXPECT_EQ(c.settings.fieldWidths[1], 0) << "negative width clamps";
    EXPECT_EQ(c.settings.fieldWidths[0], ArticleFile::kMaxColumnWidth);

    // A display map that is no permutation falls back to the identity.
    ArticleFileSettings settings;
    QByteArray bytes = roundTrip({}, settings);
    const qsizetype mapAt = bytes.indexOf(QByteArray("\x00\x00\x00\x00\x01\x00\x00\x00\x02\x00\x00\x00", 12));
    ASSERT_GT(mapAt, 0);
    bytes[mapAt] = char(0x7f);
    bytes[mapAt + 3] = char(0x7f);
    EXPECT_TRUE(ArticleFile::parse(bytes, settings).settings.spalte.isIdentity());
}

TEST(ColumnRenaming, TitlesTravelThroughTheFileIntoTheDictionary)
{
    i18n::Dictionary writer;
    const int menge = writer.add(QStringLiteral("Menge"));
    writer.setText(menge, 3, QStringLiteral("Stück"));
    writer.setText(menge, 1, QStringLiteral("Quantity"));
    const QByteArray bytes = ArticleFile::serialize({}, ArticleFileSettings(), ColumnRenaming::collect(writer, 3),
                                                    ColumnRenaming::collectSlots(writer));

    i18n::Dictionary reader;
    const int entry = reader.add(QStringLiteral("Menge"));
    const int label = reader.add(QStringLiteral("Menge:"));
    const int slot99 = reader.add(QStringLiteral("Barcode"));
    ASSERT_TRUE(ColumnRenaming::apply(ArticleFile::parse(bytes, ArticleFileSettings()), reader));
    EXPECT_EQ(reader.entry(entry).texts[3], QStringLiteral("Stück"));
    EXPECT_EQ(reader.entry(label).texts[3], QStringLiteral("Stück:"));
    EXPECT_EQ(reader.entry(entry).texts[1], QStringLiteral("Quantity"));
    EXPECT_TRUE(reader.entry(slot99).texts[3].isEmpty()) << "no title, no label colon";

    // A writer without English titles must not wipe ours.
    const QByteArray noEnglish = ArticleFile::serialize({}, ArticleFileSettings(), RenameGroup{3, {}},
                                                        ColumnRenaming::collectSlots(i18n::Dictionary()));
    ColumnRenaming::apply(ArticleFile::parse(noEnglish, ArticleFileSettings()), reader);
    EXPECT_EQ(reader.entry(entry).texts[1], QStringLiteral("Quantity"));

    ArticleFileContent hostile;
    hostile.currentRenames = RenameGroup{99, {QStringLiteral("x")}};
    hostile.slotRenames.push_back(RenameGroup{-1, {QStringLiteral("y")}});
    EXPECT_FALSE(ColumnRenaming::apply(hostile, reader));
}

TEST(ColumnMap, StoredMapsThatCannotBeTrustedAreReset)
{
    std::array<int, ColumnMap::kSize> values{};
    for (int i = 0; i < ColumnMap::kSize; ++i)
        values[std::size_t(i)] = ColumnMap::kSize - 1 - i;  // a permutation, but of all 100 columns

    ColumnMap map;
    map.assign(values, kFieldCount);
    EXPECT_TRUE(map.isIdentity()) << "list columns must show fields 0..38 only";

    std::swap(values[0], values[1]);
    for (int i = 0; i < ColumnMap::kSize; ++i)
        values[std::size_t(i)] = i;
    std::swap(values[0], values[38]);
    values[60] = 61;  // duplicate in the unused part
    map.assign(values, kFieldCount);
    EXPECT_EQ(map.at(0), 38);
    EXPECT_EQ(map.at(60), 60);
    EXPECT_EQ(map.inverseAt(38), 0);
}
