#pragma once

#include "core/base/clock.h"
#include "core/dbase/field.h"
#include "core/dbase/file_handle.h"
#include "core/dbase/memo_file.h"
#include "core/dbase/table_header.h"

#include <QHash>
#include <QLocale>
#include <QString>
#include <QStringList>

#include <cstdint>
#include <functional>
#include <vector>

namespace morvane::dbase {

class CodePage;

// A cursor over one dBase table, opened shared: several Table objects, in
// this process or on other workstations, read, append and change one file at
// once. Records appended elsewhere become visible at the next walk, because
// the record count is taken from the file size whenever it is needed.
//
// Errors are thrown as DbfError with the texts the user reads.
class Table {
public:
    enum class State { Closed, Browse, Edit, Insert };
    enum class OpenOutcome { Opened, Created };
    // Reads fields of the record under test through the table and answers
    // whether navigation shows it.
    using Filter = std::function<bool(const Table &)>;

    // What a rebuild by copying does: the new field list, for each new field
    // the position of the old field it takes its text from (-1: stays empty;
    // an empty list: same positions), the work file, and the name under which
    // the old file is kept when that name is free (empty: not kept).
    struct RebuildPlan {
        FieldList fields;
        QList<int> sourceFields;
        QString workFileName = QStringLiteral("temp.dbf");
        QString keepOldAs;
    };

    // Lock positions of the dBase protocol, beyond any data.
    static constexpr std::uint64_t kRecordLockBase = 0xEFFFFFFEull;  // record n at base - n, header n = 0
    static constexpr std::uint64_t kTableLockStart = 0xB46535FEull;
    static constexpr std::uint64_t kTableLockLength = 1000000002ull;
    // Every open handle holds a shared lock on this byte, inside the table
    // range but above every record lock, so that a whole-table lock is
    // refused while anyone has the table open.
    static constexpr std::uint64_t kOpenMarkByte = kTableLockStart + kTableLockLength - 1;
    static constexpr int kMaxTags = 47;
    static constexpr int kMaxKeyLength = 100;

    Table();
    ~Table();
    Table(const Table &) = delete;
    Table &operator=(const Table &) = delete;

    void setFolder(const QString &folder) { folder_ = folder; }
    void setFileName(const QString &fileName) { fileName_ = fileName; }
    QString folder() const { return folder_; }
    QString fileName() const { return fileName_; }
    QString filePath() const;
    QString memoFilePath() const;
    void setFieldList(const FieldList &fields) { fieldList_ = fields; }
    const FieldList &fieldList() const { return fieldList_; }
    // For the header date; the system clock when not set.
    void setClock(const base::Clock *clock) { clock_ = clock; }
    // Chooses the language driver of tables this object creates.
    void setCreateCodePage(int codePage, QLocale::Language language = QLocale::AnyLanguage);

    void open();
    // Creates the table (and its memo file) from the field list, replacing an
    // existing file; refused while anyone has that file open. Stays closed.
    void create();
    // The owners' opening pattern: open; create first only when the file
    // does not exist. A file that exists but cannot be opened is reported by
    // the exception and left as it is.
    OpenOutcome openOrCreate();
    void close();

    bool isOpen() const { return state_ != State::Closed; }
    State state() const { return state_; }
    bool isReadOnly() const { return file_.isReadOnly(); }
    std::uint8_t languageDriver() const { return header_.languageDriver; }
    int codePage() const;
    const TableHeader &header() const { return header_; }

    void first();
    void last();
    void next();
    void prior();
    bool eof() const { return eof_; }
    bool bof() const { return bof_; }
    // Positions on a record by its number, visible or not.
    bool go(std::uint32_t recordNumber);

    int fieldCount() const { return int(header_.fields.size()); }
    const Field &field(int index) const { return header_.fields.at(index); }
    int fieldIndex(QStringView name) const;  // -1 when there is none
    QString fieldText(int index) const;
    QString fieldText(const QString &name) const;
    void setFieldText(int index, const QString &text);
    void setFieldText(const QString &name, const QString &text);
    bool isDeleted() const;

    void insert();
    void appendRecord();
    void edit();
    void post();
    void cancel();
    void deleteRecord();

    void setFilter(Filter filter) { filter_ = std::move(filter); }
    void setFiltered(bool on);
    bool isFiltered() const { return filtered_ && bool(filter_); }

    QStringList indexNames() const;
    void addIndexTag(const QString &name, const QString &fieldName);
    void selectIndexTag(const QString &name);
    QString indexTag() const;

    std::uint32_t recordNumber() const { return (eof_ && bof_) ? 0 : recno_; }
    // Visible records: live and accepted by the filter.
    std::uint32_t recordCount();
    // Records in the file, deleted ones included.
    std::uint32_t physicalRecordCount();
    // The visible records in navigation order (tag order when one is selected).
    std::vector<std::uint32_t> visibleRecordNumbers();

    void rebuild(const RebuildPlan &plan);

private:
    struct Tag {
        QString name;
        int field = 0;
    };
    enum class Direction { Forward, Backward, Single };

    void ensureOpen() const;
    void readHeaderAndRepair();
    void openMemoFile();
    void ensureMemoFile();
    void refreshCount();
    void invalidateCache();
    const char *recordData(std::uint32_t recordNumber, Direction direction);
    bool isVisible(std::uint32_t recordNumber, Direction direction);
    bool accepts(const char *record);
    bool seekForward(std::uint32_t from);
    bool seekBackward(std::uint32_t from);
    bool seekOrder(qsizetype from, int step);
    void positionOn(std::uint32_t recordNumber);
    void locateInOrder();
    void refetchCurrent();
    std::uint32_t memoBlock(const char *fieldBytes) const;
    QDate today() const;
    void buildOrder();
    QByteArray orderStamp() const;
    void writeMemos();
    void appendWork();
    void leaveEditState();
    template <typename Visit>
    void forEachRecord(Visit visit);
    void writeRebuildCopy(const TableHeader &target, const RebuildPlan &plan, const QString &workPath,
                          const QString &workMemoPath);

    QString folder_;
    QString fileName_;
    FieldList fieldList_;
    const base::Clock *clock_ = nullptr;
    int createCodePage_ = 1252;
    QLocale::Language createLanguage_ = QLocale::AnyLanguage;

    FileHandle file_;
    MemoFile memo_;
    TableHeader header_;
    const CodePage *codePage_ = nullptr;
    State state_ = State::Closed;
    std::uint32_t knownCount_ = 0;

    QByteArray cache_;
    std::uint32_t cacheFirst_ = 0;
    std::uint32_t cacheCount_ = 0;

    std::uint32_t recno_ = 0;
    bool eof_ = true;
    bool bof_ = true;
    const char *view_ = nullptr;  // the current record's bytes (cache or work)
    QByteArray work_;
    QHash<int, QString> pendingMemos_;
    std::uint32_t lockedRecord_ = 0;
    quint64 generation_ = 0;

    Filter filter_;
    bool filtered_ = false;

    QList<Tag> tags_;
    int currentTag_ = -1;
    std::vector<std::uint32_t> order_;
    static constexpr qsizetype kOrderPosUnknown = -2;
    qsizetype orderPos_ = -1;
    QByteArray orderStamp_;
};

}  // namespace morvane::dbase
