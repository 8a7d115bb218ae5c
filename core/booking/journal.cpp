#include "core/booking/journal.h"

#include "core/articles/article_numbers.h"
#include "core/base/cp1252.h"
#include "core/dbase/dbf_error.h"
#include "core/dbase/table.h"

#include <QFileInfo>

namespace morvane::booking {

QString asStored(const QString &value)
{
    return rightTrimmed(base::Cp1252::decode(base::Cp1252::encode(value)).left(kJournalTextWidth));
}

QString rightTrimmed(QString value)
{
    while (!value.isEmpty() && value.back() == u' ')
        value.chop(1);
    return value;
}

JournalArticleKey::JournalArticleKey(const articles::Article &article)
    : name_(asStored(article.name)), barcode_(asStored(article.field(articles::Barcode)))
{
    const QString &numbers = article.field(articles::ArtikelNr);
    noNumber_ = articles::GetFirstartnr(numbers).isEmpty();
    for (const QString &line : articles::numberLines(numbers))
        numbers_ << asStored(line);
}

bool JournalArticleKey::matches(const JournalRecord &record) const
{
    if (name_ != rightTrimmed(record[JArticle]) || barcode_ != rightTrimmed(record[JBarcode]))
        return false;
    const QString number = rightTrimmed(record[JArtNo]);
    return (number.isEmpty() && noNumber_) || numbers_.contains(number);
}

bool recordBelongsTo(const JournalRecord &record, const articles::Article &article)
{
    return JournalArticleKey(article).matches(record);
}

namespace {

QString indexKey(const QString &name, const QString &barcode)
{
    return name + QChar(0) + barcode;
}

}  // namespace

JournalArticleIndex::JournalArticleIndex(const articles::ArticleList &articles) : articles_(articles)
{
    rows_.reserve(qsizetype(articles.size()));
    for (int row = 0; row < int(articles.size()); ++row)
        add(row);
}

void JournalArticleIndex::add(int row)
{
    const articles::Article &a = articles_[std::size_t(row)];
    rows_[indexKey(asStored(a.name), asStored(a.field(articles::Barcode)))].push_back(row);
}

std::vector<int> JournalArticleIndex::rowsOf(const JournalRecord &record) const
{
    std::vector<int> rows;
    const auto it = rows_.constFind(indexKey(rightTrimmed(record[JArticle]), rightTrimmed(record[JBarcode])));
    if (it == rows_.constEnd())
        return rows;
    for (int row : *it)
        if (recordBelongsTo(record, articles_[std::size_t(row)]))
            rows.push_back(row);
    return rows;
}

namespace {

struct FieldSpec {
    const char *name;
    int width;
};

constexpr FieldSpec kFields[kJournalFieldCount] = {
    {"Kind", 1},       {"Article", 45},     {"Barcode", 45},    {"Art.no.", 45},     {"Amount", 45},
    {"New amount", 45}, {"Date", 20},       {"Time", 20},       {"User", 45},        {"Batch no.", 45},
    {"Gooduntil", 20}, {"Customer", 45},    {"Price", 20},      {"VAT", 20},         {"Payment", 20},
    {"Costcenter", 11}, {"Serialno.", 20},  {"DelivDate", 20},  {"Supplier", 45},    {"Category", 45},
    {"BuyingPrice", 20}, {"DelNoteNo", 20}, {"Freetext", 100},  {"Profit", 20},      {"Pallet", 20},
    {"Area", 20},      {"BarFile", 20},     {"VAT2", 20},       {"VAT RATE", 20},
};

void prepare(app::Workspace &ws, dbase::Table &table)
{
    table.setFolder(ws.folders.progpath);
    table.setFileName(ws.files.buchungendbf);
    table.setFieldList(journalFields());
    table.setClock(&ws.clock);
}

// Journals of earlier versions stop after fewer fields; a booking needs all
// of them, so the table is brought to the full layout first.
void upgradeIfShort(dbase::Table &table)
{
    if (table.fieldCount() >= kJournalFieldCount)
        return;
    dbase::Table::RebuildPlan plan;
    plan.fields = journalFields();
    // The upgrade of old journals has always spelled this one apart.
    plan.fields[JCostcenter].name = QStringLiteral("Cost center");
    for (int i = 0; i < kJournalFieldCount; ++i)
        plan.sourceFields << (i < table.fieldCount() ? i : -1);
    plan.keepOldAs = QStringLiteral("buchungen0.dbf");
    table.rebuild(plan);
}

JournalRecord currentRecord(const dbase::Table &table)
{
    JournalRecord record;
    const int n = std::min(table.fieldCount(), kJournalFieldCount);
    for (int i = 0; i < n; ++i)
        record[std::size_t(i)] = table.fieldText(i);
    return record;
}

}  // namespace

dbase::FieldList journalFields()
{
    dbase::FieldList fields;
    for (const FieldSpec &f : kFields)
        fields << dbase::Field::character(QString::fromLatin1(f.name), f.width);
    return fields;
}

JournalAppend appendJournalRecord(app::Workspace &ws, const JournalRecord &record)
{
    JournalAppend result;
    dbase::Table table;
    prepare(ws, table);
    try {
        table.openOrCreate();
        upgradeIfShort(table);
        table.insert();
        for (int i = 0; i < kJournalFieldCount; ++i)
            table.setFieldText(i, record[std::size_t(i)]);
        table.post();
        result.recordNumber = table.recordNumber();
        result.ok = true;
    } catch (const dbase::DbfError &e) {
        table.cancel();
        result.error = e.text();
    }
    return result;
}

void openJournal(app::Workspace &ws, dbase::Table &table)
{
    table.close();
    prepare(ws, table);
    table.openOrCreate();
    upgradeIfShort(table);
}

bool withdrawJournalRecord(app::Workspace &ws, std::uint32_t recordNumber)
{
    dbase::Table table;
    prepare(ws, table);
    try {
        table.open();
        if (!table.go(recordNumber))
            return false;
        table.deleteRecord();
        return true;
    } catch (const dbase::DbfError &) {
        return false;
    }
}

std::vector<JournalRecord> readJournal(app::Workspace &ws)
{
    std::vector<JournalRecord> records;
    dbase::Table table;
    prepare(ws, table);
    if (!QFileInfo::exists(table.filePath()))
        return records;
    try {
        table.open();
        for (table.first(); !table.eof(); table.next())
            records.push_back(currentRecord(table));
    } catch (const dbase::DbfError &) {
    }
    return records;
}

bool scanJournal(app::Workspace &ws, std::initializer_list<int> fields,
                 const std::function<void(const JournalRecord &)> &visit)
{
    dbase::Table table;
    prepare(ws, table);
    if (!QFileInfo::exists(table.filePath()))
        return true;
    try {
        table.open();
        std::vector<int> wanted;
        for (int f : fields)
            if (f >= 0 && f < std::min(table.fieldCount(), kJournalFieldCount))
                wanted.push_back(f);
        JournalRecord record;
        for (table.first(); !table.eof(); table.next()) {
            for (int f : wanted)
                record[std::size_t(f)] = table.fieldText(f);
            visit(record);
        }
        return true;
    } catch (const dbase::DbfError &) {
        return false;
    }
}

std::optional<JournalRecord> lastJournalRecord(app::Workspace &ws)
{
    dbase::Table table;
    prepare(ws, table);
    if (!QFileInfo::exists(table.filePath()))
        return std::nullopt;
    try {
        table.open();
        table.last();
        if (table.eof() && table.bof())
            return std::nullopt;
        return currentRecord(table);
    } catch (const dbase::DbfError &) {
        return std::nullopt;
    }
}

}  // namespace morvane::booking
