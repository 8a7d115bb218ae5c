#include "core/articles/article_file.h"

#include "core/base/binary_reader.h"
#include "core/base/binary_writer.h"
#include "core/base/cp1252.h"

#include <algorithm>

namespace morvane::articles {

namespace {

using base::BinaryReader;
using base::BinaryWriter;

// Reads blocks until the data ends. Once a read fails everything after it is
// "not present": per-article texts read empty, fixed blocks keep their start
// values.
class BlockReader {
public:
    explicit BlockReader(QByteArrayView bytes) : in_(bytes) {}

    bool more() const { return !ended_ && !in_.atEnd(); }
    qsizetype remaining() const { return in_.remaining(); }

    std::optional<QString> text()
    {
        if (!more())
            return end<QString>();
        auto value = in_.readText();
        return value ? value : end<QString>();
    }

    std::optional<std::int32_t> int32()
    {
        if (!more())
            return end<std::int32_t>();
        auto value = in_.readInt32();
        return value ? value : end<std::int32_t>();
    }

    std::optional<bool> flag()
    {
        if (!more())
            return end<bool>();
        auto value = in_.readBool();
        return value ? value : end<bool>();
    }

    // A whole int32 array, or nothing when the data ends inside it.
    std::optional<std::array<int, ColumnMap::kSize>> intArray()
    {
        if (!more() || in_.remaining() < qsizetype(ColumnMap::kSize) * 4)
            return end<std::array<int, ColumnMap::kSize>>();
        std::array<int, ColumnMap::kSize> values{};
        for (int &v : values)
            v = *in_.readInt32();
        return values;
    }

    std::optional<std::array<bool, ColumnMap::kSize>> flagArray()
    {
        if (!more() || in_.remaining() < ColumnMap::kSize)
            return end<std::array<bool, ColumnMap::kSize>>();
        std::array<bool, ColumnMap::kSize> values{};
        for (bool &v : values)
            v = *in_.readBool();
        return values;
    }

    // A count followed by that many int32; reads only what the data holds.
    std::optional<std::vector<int>> intList(std::size_t keep)
    {
        const auto count = int32();
        if (!count)
            return std::nullopt;
        std::vector<int> values;
        for (std::int32_t i = 0; i < *count; ++i) {
            const auto v = int32();
            if (!v)
                break;
            if (values.size() < keep)
                values.push_back(*v);
        }
        return values;
    }

    // Per-article texts: a missing text reads empty. The blocks hold one
    // field of every article after the other; the texts are only located
    // here and decoded article by article afterwards (decodeFields), so the
    // article list is written once, in order, instead of once per block.
    void fields(const ArticleList &articles, std::initializer_list<int> fieldNumbers)
    {
        for (int k : fieldNumbers)
            located_[std::size_t(k)].reserve(articles.size());
        for (std::size_t i = 0; i < articles.size(); ++i) {
            for (int k : fieldNumbers) {
                std::optional<QByteArrayView> bytes;
                if (more()) {
                    bytes = in_.readTextBytes();
                    if (!bytes)
                        ended_ = true;
                }
                located_[std::size_t(k)].push_back(bytes.value_or(QByteArrayView()));
            }
        }
    }

    void decodeFields(ArticleList &articles) const
    {
        for (std::size_t i = 0; i < articles.size(); ++i) {
            Article &article = articles[i];
            for (int k = 0; k < kFieldCount; ++k) {
                const auto &texts = located_[std::size_t(k)];
                if (i < texts.size() && !texts[i].isEmpty())
                    article.field(k) = base::Cp1252::decode(texts[i]);
            }
        }
    }

    std::optional<RenameGroup> renameGroup()
    {
        const auto rows = int32();
        const auto slot = int32();
        if (!rows || !slot)
            return std::nullopt;
        RenameGroup group;
        group.slot = *slot;
        for (std::int32_t r = 0; r < *rows; ++r) {
            auto t = text();
            if (!t)
                break;
            if (r < ArticleFile::kRenameRows)
                group.titles << *t;
        }
        return group;
    }

private:
    template <typename T>
    std::optional<T> end()
    {
        ended_ = true;
        return std::nullopt;
    }

    BinaryReader in_;
    bool ended_ = false;
    std::array<std::vector<QByteArrayView>, kFieldCount> located_;
};

void readFirstBlock(BlockReader &in, ArticleList &articles)
{
    const auto count = in.int32();
    if (!count || *count <= 0)
        return;
    // The count is not trusted for allocation: every article takes at least
    // 16 bytes, and rows are only made while data remains.
    // Each article takes at least 16 bytes of the file.
    articles.reserve(std::size_t(std::min<qint64>(*count, in.remaining() / 16 + 1)));
    QString previous;
    for (std::int32_t i = 0; i < *count && in.more(); ++i) {
        Article article;
        // A missing text repeats the one read before it.
        auto next = [&]() -> QString {
            if (auto t = in.text())
                previous = *t;
            return previous;
        };
        article.name = next();
        article.field(Barcode) = next();
        article.field(Menge) = next();
        article.field(Chargennr) = next();
        articles.push_back(std::move(article));
    }
}

int clampWidth(int width)
{
    return std::clamp(width, 0, ArticleFile::kMaxColumnWidth);
}

}  // namespace

std::array<int, kListColumnCount> ArticleFileSettings::defaultFieldWidths()
{
    std::array<int, kListColumnCount> widths{};
    widths.fill(100);
    widths[0] = 200;
    return widths;
}

std::array<bool, ColumnMap::kSize> ArticleFileSettings::allTrue()
{
    std::array<bool, ColumnMap::kSize> flags{};
    flags.fill(true);
    return flags;
}

std::array<int, ColumnMap::kSize> ArticleFileSettings::defaultPromptOrder()
{
    std::array<int, ColumnMap::kSize> order{};
    for (int i = 0; i < ColumnMap::kSize; ++i)
        order[std::size_t(i)] = i + 1;
    return order;
}

int ArticleFileSettings::listColumnWidth(int column) const
{
    if (column <= 0)
        return fieldWidths[0];
    if (column >= kListColumnCount)
        return 0;
    return fieldWidths[std::size_t(spalte.at(column - 1) + 1)];
}

ArticleFileContent ArticleFile::parse(QByteArrayView bytes, const ArticleFileSettings &startValues)
{
    ArticleFileContent content;
    content.settings = startValues;
    // The print order is never taken from the file.
    content.settings.spaltedruck.setIdentity();
    ArticleFileSettings &s = content.settings;
    ArticleList &articles = content.articles;

    BlockReader in(bytes);
    std::optional<std::vector<int>> displayWidths;
    int block = 0;
    // Each step is one block; reading ends at the first block that is absent.
    auto step = [&](auto &&read) {
        if (!in.more())
            return false;
        read();
        ++block;
        return true;
    };

    const bool complete =
        step([&] { readFirstBlock(in, articles); })
        && step([&] { if (auto v = in.int32()) s.sortspalte = *v; })
        && step([&] { if (auto v = in.flag()) s.sortdir = *v; })
        && step([&] { in.fields(articles, {Mindestbestand, Hersteller, EkPreis, VkPreis, Haltbarkeit}); })
        && step([&] { in.fields(articles, {LieferantenEmail, LieferantenArtikelNr, Bestellmenge}); })
        && step([&] { displayWidths = in.intList(kListColumnCount); })
        && step([&] { in.fields(articles, {ArtikelNr}); })
        && step([&] { in.fields(articles, {Haltbarkeitsdatum}); })
        && step([&] { in.fields(articles, {Kategorie}); })
        && step([&] { in.fields(articles, {Wert}); })
        && step([&] { in.fields(articles, {Gewicht}); })
        && step([&] { in.fields(articles, {Lagerplatz}); })
        && step([&] { if (auto v = in.intArray()) s.spalte.assign(*v, kFieldCount); })
        && step([&] { in.fields(articles, {FreieSpalte1, FreieSpalte2, FreieSpalte3, FreieSpalte4, FreieSpalte5}); })
        && step([&] { in.fields(articles, {Bild}); })
        && step([&] { in.fields(articles, {MwstSatz}); })
        && step([&] { in.fields(articles, {Barcode2}); })
        && step([&] { in.fields(articles, {BestellteMenge}); })
        && step([&] { in.fields(articles, {GesamtVk}); })
        && step([&] { in.fields(articles, {Bestellhinweis}); })
        && step([&] { in.fields(articles, {Verpackungshinweis}); })
        && step([&] { in.fields(articles, {KundeEintragen}); })
        && step([&] { in.fields(articles, {KundennrBeimLieferanten, LieferzeitInTagen}); })
        && step([&] { in.fields(articles, {Preiseinheit}); })
        && step([&] { in.fields(articles, {Seriennummern}); })
        && step([&] { in.fields(articles, {Farbe}); })
        && step([&] { if (auto v = in.intList(ColumnMap::kSize)) s.journalWidths = std::move(*v); })
        && step([&] { in.fields(articles, {LetzterBenutzer}); })
        && step([&] { in.fields(articles, {DatumLetzteBuchung}); })
        && step([&] { in.intArray(); })  // print order: read and discarded
        && step([&] { if (auto v = in.intArray()) s.spaltebuch.assign(*v, 0); })
        && step([&] {
               const auto fields = in.intArray();
               const auto visible = in.flagArray();
               if (fields && visible) {
                   s.spaltedbf.assign(*fields, 0);
                   s.buchspaltevis = *visible;
               }
           })
        && step([&] { content.currentRenames = in.renameGroup(); })
        && step([&] {
               for (int g = 0; g < kRenameSlots; ++g) {
                   auto group = in.renameGroup();
                   if (!group)
                       break;
                   content.slotRenames.push_back(std::move(*group));
               }
           })
        && step([&] { in.fields(articles, {Erstellungsdatum}); })
        && step([&] {
               purchasing::OrderMailSettings m = s.orderMail;
               QString *texts[] = {&m.openingText, &m.closingText, &m.smtpServer, &m.userName,
                                   &m.password, &m.senderAddress, &m.senderName, &m.copyAddress};
               for (QString *t : texts) {
                   if (auto v = in.text())
                       *t = *v;
               }
               bool *flags[] = {&m.sendWithoutAskingBelowMinimum, &m.noSentConfirmation,
                                &m.includeInternalArticleNumber};
               for (bool *f : flags) {
                   if (auto v = in.flag())
                       *f = *v;
               }
               s.orderMail = m;
           })
        && step([&] { if (auto v = in.intArray()) s.abfragen = *v; })
        && step([&] {
               if (auto v = in.flag())
                   s.orderMail.extraFieldEnabled = *v;
               if (auto v = in.int32())
                   s.orderMail.extraFieldColumn = *v;
               if (auto v = in.text())
                   s.orderMail.extraFieldLabel = *v;
           })
        && step([&] {
               if (auto v = in.flag())
                   s.orderMail.useStartTls = *v;
               if (auto v = in.int32())
                   s.orderMail.smtpPort = *v;
           })
        && step([&] { if (auto v = in.flag()) s.orderMail.useDesktopMailProgram = *v; })
        && step([&] { in.fields(articles, {LinkAufInternetseite}); })
        && step([&] { if (auto v = in.flag()) s.orderMail.useAlternativeSmtp = *v; });
    (void)complete;
    in.decodeFields(articles);
    content.blocksRead = block;

    // The sort column comes from the file as a number; one that names no
    // list column sorts by the name.
    if (s.sortspalte < 0 || s.sortspalte >= kListColumnCount)
        s.sortspalte = 0;
    if (displayWidths) {
        for (std::size_t c = 0; c < displayWidths->size(); ++c) {
            const std::size_t field = c == 0 ? 0 : std::size_t(s.spalte.at(int(c) - 1) + 1);
            s.fieldWidths[field] = clampWidth((*displayWidths)[c]);
        }
    }
    return content;
}

QByteArray ArticleFile::serialize(const ArticleList &articles, const ArticleFileSettings &s,
                                  const RenameGroup &currentRenames,
                                  const std::vector<RenameGroup> &slotRenames)
{
    // Rough size: most fields are short, so reserve per article up front.
    BinaryWriter out(qsizetype(articles.size()) * 256 + 8192);
    auto fields = [&](std::initializer_list<int> fieldNumbers) {
        for (const Article &article : articles) {
            for (int k : fieldNumbers)
                out.writeText(article.field(k));
        }
    };
    auto intArray = [&](const std::array<int, ColumnMap::kSize> &values) {
        for (int v : values)
            out.writeInt32(v);
    };
    auto renameGroup = [&](const RenameGroup &group) {
        out.writeInt32(kRenameRows);
        out.writeInt32(group.slot);
        for (int r = 0; r < kRenameRows; ++r)
            out.writeText(r < group.titles.size() ? group.titles[r] : QString());
    };

    out.writeInt32(std::int32_t(articles.size()));  // block 1
    for (const Article &a : articles) {
        out.writeText(a.name);
        out.writeText(a.field(Barcode));
        out.writeText(a.field(Menge));
        out.writeText(a.field(Chargennr));
    }
    out.writeInt32(s.sortspalte);  // 2
    out.writeBool(s.sortdir);      // 3
    fields({Mindestbestand, Hersteller, EkPreis, VkPreis, Haltbarkeit});  // 4
    fields({LieferantenEmail, LieferantenArtikelNr, Bestellmenge});       // 5
    out.writeInt32(kListColumnCount);                                     // 6
    for (int c = 0; c < kListColumnCount; ++c)
        out.writeInt32(s.listColumnWidth(c));
    fields({ArtikelNr});          // 7
    fields({Haltbarkeitsdatum});  // 8
    fields({Kategorie});          // 9
    fields({Wert});               // 10
    fields({Gewicht});            // 11
    fields({Lagerplatz});         // 12
    intArray(s.spalte.values());  // 13
    fields({FreieSpalte1, FreieSpalte2, FreieSpalte3, FreieSpalte4, FreieSpalte5});  // 14
    fields({Bild});                // 15
    fields({MwstSatz});            // 16
    fields({Barcode2});            // 17
    fields({BestellteMenge});      // 18
    fields({GesamtVk});            // 19
    fields({Bestellhinweis});      // 20
    fields({Verpackungshinweis});  // 21
    fields({KundeEintragen});      // 22
    fields({KundennrBeimLieferanten, LieferzeitInTagen});  // 23
    fields({Preiseinheit});        // 24
    fields({Seriennummern});       // 25
    fields({Farbe});               // 26
    out.writeInt32(std::int32_t(s.journalWidths.size()));  // 27
    for (int w : s.journalWidths)
        out.writeInt32(w);
    fields({LetzterBenutzer});     // 28
    fields({DatumLetzteBuchung});  // 29
    intArray(s.spaltedruck.values());  // 30
    intArray(s.spaltebuch.values());   // 31
    intArray(s.spaltedbf.values());    // 32
    for (bool v : s.buchspaltevis)
        out.writeBool(v);
    renameGroup(currentRenames);  // 33
    for (int g = 0; g < kRenameSlots; ++g) {  // 34
        RenameGroup group{g + 1, {}};
        if (std::size_t(g) < slotRenames.size())
            group.titles = slotRenames[std::size_t(g)].titles;
        renameGroup(group);
    }
    fields({Erstellungsdatum});  // 35
    const purchasing::OrderMailSettings &m = s.orderMail;  // 36
    for (const QString *t : {&m.openingText, &m.closingText, &m.smtpServer, &m.userName, &m.password,
                             &m.senderAddress, &m.senderName, &m.copyAddress})
        out.writeText(*t);
    out.writeBool(m.sendWithoutAskingBelowMinimum);
    out.writeBool(m.noSentConfirmation);
    out.writeBool(m.includeInternalArticleNumber);
    intArray(s.abfragen);  // 37
    out.writeBool(m.extraFieldEnabled);  // 38
    out.writeInt32(m.extraFieldColumn);
    out.writeText(m.extraFieldLabel);
    out.writeBool(m.useStartTls);  // 39
    out.writeInt32(m.smtpPort);
    out.writeBool(m.useDesktopMailProgram);  // 40
    fields({LinkAufInternetseite});          // 41
    out.writeBool(m.useAlternativeSmtp);     // 42
    return out.take();
}

}  // namespace morvane::articles
