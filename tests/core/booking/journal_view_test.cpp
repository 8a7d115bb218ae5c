// What the journal window shows and writes: filters, columns, order, CSV.
#include "core/booking/journal_columns.h"
#include "core/booking/journal_export.h"
#include "core/booking/journal_filter.h"

#include "support/temp_workspace.h"

#include <QFile>

#include <gtest/gtest.h>

using namespace morvane;
using namespace morvane::booking;
using test::s;

namespace {

JournalRecord record(std::initializer_list<std::pair<int, const char *>> fields)
{
    JournalRecord r;
    for (const auto &[f, v] : fields)
        r[std::size_t(f)] = s(v);
    return r;
}

struct JournalView : ::testing::Test {
    app::Workspace &ws() { return *t.ws; }

    void add(std::initializer_list<std::pair<int, const char *>> fields)
    {
        ASSERT_TRUE(appendJournalRecord(ws(), record(fields)).ok);
    }

    void open()
    {
        table.setFolder(ws().folders.progpath);
        table.setFileName(ws().files.buchungendbf);
        table.open();
    }

    // The article names of the visible records in navigation order.
    QStringList shown()
    {
        QStringList names;
        for (table.first(); !table.eof(); table.next())
            names << table.fieldText(JArticle);
        return names;
    }

    test::TempWorkspace t;
    dbase::Table table;
};

}  // namespace

TEST(JournalDate, TakesTheJournalFormOnly)
{
    const struct {
        const char *text;
        QDate expected;
    } cases[] = {
        {"09.12.2026", QDate(2026, 12, 9)}, {"9.1.2026", QDate(2026, 1, 9)}, {" 01.12.2026 ", QDate(2026, 12, 1)},
        {"", {}}, {"31.02.2026", {}}, {"1.2.", {}}, {"12/09/2026", {}}, {"01.12.26", {}}, {"01.12.2026.", {}},
        {"x1.12.2026", {}},
    };
    for (const auto &c : cases)
        EXPECT_EQ(parseJournalDate(s(c.text)).value_or(QDate()), c.expected) << c.text;
}

TEST_F(JournalView, TextFilterIsACaseSensitivePartOfAnyField)
{
    add({{JArticle, "a"}, {JCustomer, "Kunde A"}});
    add({{JArticle, "b"}, {JCustomer, "Kunde AB"}});
    add({{JArticle, "c"}, {JFreetext, "für Kunde A"}});
    add({{JArticle, "d"}, {JCustomer, "kunde a"}});
    open();
    JournalFilter::forText(s("Kunde A")).applyTo(table);
    EXPECT_EQ(shown().join(u','), s("a,b,c"));
    JournalFilter::forText(s("kunde a")).applyTo(table);
    EXPECT_EQ(shown().join(u','), s("d"));
    JournalFilter::forText({}).applyTo(table);
    EXPECT_FALSE(table.isFiltered()) << "an empty text turns filtering off";
    EXPECT_EQ(shown().size(), 4);
}

TEST_F(JournalView, DateFilterIncludesBothBoundsAndHidesUndatedRecords)
{
    add({{JArticle, "before"}, {JDate, "30.11.2026"}});
    add({{JArticle, "first"}, {JDate, "01.12.2026"}});
    add({{JArticle, "last"}, {JDate, "09.12.2026"}});
    add({{JArticle, "after"}, {JDate, "10.12.2026"}});
    add({{JArticle, "undated"}});
    add({{JArticle, "garbled"}, {JDate, "5.12.20x6"}});
    open();
    JournalFilter::forTextAndDates({}, QDate(2026, 12, 1), QDate(2026, 12, 9)).applyTo(table);
    EXPECT_EQ(shown().join(u','), s("first,last"));
    JournalFilter::forTextAndDates(s("la"), QDate(2026, 12, 1), QDate(2026, 12, 9)).applyTo(table);
    EXPECT_EQ(shown().join(u','), s("last"));
}

TEST_F(JournalView, CustomerAndArticleFilters)
{
    const QString longName = QString(60, u'L');
    const QByteArray cut = longName.left(45).toLatin1();
    add({{JArticle, cut.constData()}, {JBarcode, "400"}, {JArtNo, "7"}, {JCustomer, " Meier "}});
    add({{JArticle, cut.constData()}, {JBarcode, "400"}, {JArtNo, "8"}, {JCustomer, "Meier"}});
    add({{JArticle, cut.constData()}, {JBarcode, "401"}, {JArtNo, "7"}, {JCustomer, "Meierhof"}});
    open();

    JournalFilter::forCustomer(s("Meier ")).applyTo(table);
    EXPECT_EQ(table.recordCount(), 2u) << "customers compared trimmed, not as a part";

    const articles::Article article =
        test::makeArticle(longName, {{articles::Barcode, s("400")}, {articles::ArtikelNr, s("7")}});
    JournalFilter::forArticle(article).applyTo(table);
    ASSERT_EQ(table.recordCount(), 1u) << "a 60-character name finds its 45-character records";
    table.first();
    EXPECT_EQ(table.fieldText(JArtNo), s("7"));
    EXPECT_TRUE(JournalFilter::forArticle(article).accepts(record({{JArticle, cut.constData()}, {JBarcode, "400"},
                                                                   {JArtNo, "7"}})));
}

TEST(JournalColumns, MoveByVisiblePositionsAroundHiddenFieldsAndRestore)
{
    articles::ArticleFileSettings settings;
    settings.buchspaltevis[1] = false;  // Article hidden
    const int n = kJournalFieldCount;
    EXPECT_EQ(visibleJournalFields(settings, n).front(), 0);
    EXPECT_EQ(visibleJournalFields(settings, n)[1], 2);

    // Visible column 2 (field 3) to the front.
    ASSERT_TRUE(moveJournalColumn(settings, n, 2, 0));
    std::vector<int> v = visibleJournalFields(settings, n);
    EXPECT_EQ((std::vector<int>(v.begin(), v.begin() + 4)), (std::vector<int>{3, 0, 2, 4}));
    EXPECT_EQ(settings.spaltedbf.at(0), 3);
    EXPECT_EQ(settings.spaltedbf.at(2), 1) << "the hidden field stays behind the field it followed";
    EXPECT_EQ(settings.spaltedbf.inverseAt(3), 0);

    // And back to the end.
    ASSERT_TRUE(moveJournalColumn(settings, n, 0, int(v.size()) - 1));
    EXPECT_EQ(visibleJournalFields(settings, n).back(), 3);
    EXPECT_FALSE(moveJournalColumn(settings, n, 0, int(v.size())));
    EXPECT_FALSE(moveJournalColumn(settings, n, -1, 0));

    restoreJournalColumns(settings);
    EXPECT_TRUE(settings.spaltedbf.isIdentity());
    EXPECT_EQ(visibleJournalFields(settings, n).size(), std::size_t(n));
    EXPECT_EQ(visibleJournalFields(settings, 14).size(), 14u) << "an older journal shows its own fields";
}

TEST_F(JournalView, SortsByArticleAndByCostCentreAlsoInAnUpgradedJournal)
{
    add({{JArticle, "b"}, {JCostcenter, "K2"}});
    add({{JArticle, "c"}, {JCostcenter, "K1"}});
    add({{JArticle, "a"}, {JCostcenter, "K3"}});
    open();
    sortJournal(table, JournalOrder::ByArticle);
    EXPECT_EQ(shown().join(u','), s("a,b,c"));
    sortJournal(table, JournalOrder::ByCostCentre);
    EXPECT_EQ(shown().join(u','), s("c,b,a"));
    sortJournal(table, JournalOrder::Unsorted);
    EXPECT_EQ(shown().join(u','), s("b,c,a"));
    table.close();

    // A journal of the old 14-field layout, upgraded by the next booking: its
    // cost-centre field carries the upgrade's own name.
    QFile::remove(t.path(s("buchungen.dbf")));
    dbase::Table old;
    old.setFolder(ws().folders.progpath);
    old.setFileName(ws().files.buchungendbf);
    old.setFieldList(journalFields().mid(0, 14));
    old.create();
    add({{JArticle, "y"}, {JCostcenter, "K9"}});
    add({{JArticle, "z"}, {JCostcenter, "K0"}});
    open();
    ASSERT_EQ(table.fieldCount(), kJournalFieldCount);
    EXPECT_NE(table.field(JCostcenter).name, s("COSTCENTER"));
    sortJournal(table, JournalOrder::ByCostCentre);
    EXPECT_EQ(shown().join(u','), s("z,y"));
}

TEST_F(JournalView, CsvExportQuotesEscapesAndFollowsTheFilter)
{
    add({{JKind, "-"}, {JArticle, "Mutter \"M6\"\nfein"}, {JAmount, "1"}});
    add({{JKind, "+"}, {JArticle, "Scheibe"}, {JAmount, "2"}, {JCustomer, "Müller; Söhne"}});
    open();
    const QByteArray bytes = journalCsvBytes(table, CsvFormat{}, false, u',');
    const QList<QByteArray> lines = bytes.split('\n');
    ASSERT_EQ(lines.size(), 4) << bytes.constData();
    EXPECT_TRUE(lines[0].startsWith("\"KIND\";\"ARTICLE\";\"BARCODE\";\"ART.NO.\";\"AMOUNT\";\"NEW AMOUNT\""));
    EXPECT_TRUE(lines[0].endsWith("\"VAT RATE\"\r"));
    EXPECT_TRUE(lines[1].startsWith("\"-\";\"Mutter \"\"M6\"\"\\nfein\";\"\";\"\";\"1\";"));
    EXPECT_EQ(lines[1].count(';'), kJournalFieldCount - 1);
    EXPECT_TRUE(lines[2].contains("\"M\xFCller; S\xF6hne\"")) << "CP1252, separator inside quotes";
    EXPECT_TRUE(bytes.endsWith("\"\r\n"));

    JournalFilter::forText(s("Scheibe")).applyTo(table);
    CsvFormat tabs{s("\t"), false};
    const QByteArray filtered = journalCsvBytes(table, tabs, false, u',');
    EXPECT_TRUE(filtered.startsWith("\"+\"\t\"Scheibe\"")) << filtered.constData();
    EXPECT_EQ(filtered.count("\r\n"), 1);
    EXPECT_EQ(journalCsvBytes(table, CsvFormat{s(";;"), false}, false, u',').count('\t'), 0)
        << "a separator longer than one character falls back to ;";
}

TEST_F(JournalView, SummarisedExportSumsAmountsPerKindAndArticle)
{
    add({{JKind, "-"}, {JArticle, "Dübel"}, {JAmount, "1"}, {JNewAmount, "9"}, {JCustomer, "erster"}});
    add({{JKind, "+"}, {JArticle, "Dübel"}, {JAmount, "4"}, {JNewAmount, "13"}});
    add({{JKind, "-"}, {JArticle, "Dübel"}, {JAmount, "2"}, {JNewAmount, "11"}});
    add({{JKind, "-"}, {JArticle, "Haken"}, {JAmount, "x"}, {JNewAmount, "0"}});
    add({{JKind, "-"}, {JArticle, "Dübel"}, {JAmount, "2,5"}, {JNewAmount, "8,5"}});
    open();
    const QByteArray bytes = journalCsvBytes(table, CsvFormat{s(";"), false}, true, u',');
    const QList<QByteArray> lines = bytes.trimmed().split('\n');
    ASSERT_EQ(lines.size(), 3) << bytes.constData();
    EXPECT_TRUE(lines[0].startsWith("\"-\";\"D\xFC" "bel\";\"\";\"\";\"5,5\";\"8,5\"")) << lines[0].constData();
    EXPECT_TRUE(lines[0].contains("\"erster\"")) << "the first record's other fields";
    EXPECT_TRUE(lines[1].startsWith("\"+\";\"D\xFC" "bel\";\"\";\"\";\"4\";\"13\""));
    EXPECT_TRUE(lines[2].startsWith("\"-\";\"Haken\";\"\";\"\";\"0\";\"0\"")) << "no number counts 0";
}

TEST_F(JournalView, ExportThatCannotBeCreatedSaysSoAndWritesNothing)
{
    add({{JKind, "-"}, {JArticle, "a"}});
    open();
    const QString path = t.path(s("missing/folder/out.csv"));
    t.prompter.expectInform(12);
    EXPECT_EQ(exportJournalCsv(ws(), table, path, {}, false), JournalExport::CannotCreate);
    EXPECT_TRUE(t.prompter.failures().isEmpty()) << t.prompter.failures().join(u'\n').toStdString();
    ASSERT_EQ(t.prompter.shown().size(), 1);
    EXPECT_TRUE(t.prompter.shown()[0].text.endsWith(u'(' + path + u')'));
    EXPECT_FALSE(QFile::exists(path));

    const QString good = t.path(s("out.csv"));
    EXPECT_EQ(exportJournalCsv(ws(), table, good, {}, false), JournalExport::Written);
    EXPECT_EQ(test::readAll(good).count("\r\n"), 2);
}
