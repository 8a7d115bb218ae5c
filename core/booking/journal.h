#pragma once

#include "core/app/workspace.h"
#include "core/articles/article.h"
#include "core/dbase/field.h"

namespace morvane::dbase {
class Table;
}

#include <QHash>
#include <QString>
#include <QStringList>

#include <array>
#include <functional>
#include <initializer_list>
#include <cstdint>
#include <optional>
#include <vector>

namespace morvane::booking {

// Positions of the journal fields; the table is always addressed by them.
enum JournalField : int {
    JKind = 0,
    JArticle,
    JBarcode,
    JArtNo,
    JAmount,
    JNewAmount,
    JDate,
    JTime,
    JUser,
    JBatchNo,
    JGooduntil,
    JCustomer,
    JPrice,
    JVat,
    JPayment,
    JCostcenter,
    JSerialNo,
    JDelivDate,
    JSupplier,
    JCategory,
    JBuyingPrice,
    JDelNoteNo,
    JFreetext,
    JProfit,
    JPallet,
    JArea,
    JBarFile,
    JVat2,
    JVatRate,
};

inline constexpr int kJournalFieldCount = 29;
// Width of the text columns that carry article data: longer names are cut.
inline constexpr int kJournalTextWidth = 45;

using JournalRecord = std::array<QString, kJournalFieldCount>;

// The 29 character fields of "buchungen.dbf" as a new journal gets them.
dbase::FieldList journalFields();

// Receipt kinds are "+" and "S", issue kinds "-" and "V".
inline bool isReceiptKind(const QString &kind) { return kind == u"+" || kind == u"S"; }

// A text as a journal field keeps it: CP1252, at most 45 characters,
// trailing blanks dropped (the table pads with blanks).
QString asStored(const QString &value);
// A field value without the table's padding.
QString rightTrimmed(QString value);

// Whether a journal record belongs to an article: name, barcode and one line
// of "Artikel Nr." equal as the journal stores them, so a value cut at the
// 45-character field width matches the longer original and nothing else.
// An empty "Artikel Nr." matches an empty `Art.no.`. The one rule for undo,
// filters, storage places, evaluations and the reconstruction.
bool recordBelongsTo(const JournalRecord &record, const articles::Article &article);

// The same rule with the article's side prepared once, for walks over many
// records.
class JournalArticleKey {
public:
    explicit JournalArticleKey(const articles::Article &article);
    // The name as the journal stores it: a record of another name never
    // belongs, so a walk can compare this field first.
    const QString &storedName() const { return name_; }
    bool matches(const JournalRecord &record) const;

private:
    QString name_;
    QString barcode_;
    QStringList numbers_;
    bool noNumber_ = false;
};

// Finds the rows of an article list a journal record belongs to by name and
// barcode first, so a walk over a large journal asks recordBelongsTo only
// for the few rows that can match. Rows added later are found once add()ed.
class JournalArticleIndex {
public:
    explicit JournalArticleIndex(const articles::ArticleList &articles);
    void add(int row);
    // The rows in list order.
    std::vector<int> rowsOf(const JournalRecord &record) const;

private:
    const articles::ArticleList &articles_;
    QHash<QString, std::vector<int>> rows_;
};

// One append to the journal of the current warehouse. An older journal with
// fewer fields is first rebuilt to the full layout (the previous generation
// kept as "buchungen0.dbf" when that name is free).
struct JournalAppend {
    bool ok = false;
    std::uint32_t recordNumber = 0;
    QString error;  // the table's own text when !ok
};
JournalAppend appendJournalRecord(app::Workspace &ws, const JournalRecord &record);

// Opens (or creates) the journal of the current warehouse on `table`,
// brought to the full layout first. Throws DbfError.
void openJournal(app::Workspace &ws, dbase::Table &table);

// Takes back an append whose booking could not be completed: the record is
// marked deleted, so no evaluation counts it.
bool withdrawJournalRecord(app::Workspace &ws, std::uint32_t recordNumber);

// All live records in file order; empty when there is no journal.
std::vector<JournalRecord> readJournal(app::Workspace &ws);
// Walks the live records in file order, decoding only the listed fields
// (the others stay empty). Fields an older journal lacks stay empty too.
// False when the journal exists but cannot be read.
bool scanJournal(app::Workspace &ws, std::initializer_list<int> fields,
                 const std::function<void(const JournalRecord &)> &visit);
// The newest live record.
std::optional<JournalRecord> lastJournalRecord(app::Workspace &ws);

}  // namespace morvane::booking
