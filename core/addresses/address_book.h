#pragma once

#include "core/dbase/table.h"

#include <QString>
#include <QStringList>

#include <optional>

namespace morvane::app {
class Workspace;
}

namespace morvane::i18n {
class Translator;
}

namespace morvane::addresses {

enum class AddressKind { Customers, Suppliers };

enum class InitResult { Opened, Created, Migrated, Failed };

enum class RestructureResult {
    Done,
    Cancelled,
    Invalid,         // an empty or duplicate name, nothing that could be removed
    InUse,           // another workstation has the table open
    IoError,
};

enum class RecordResult { Saved, Deleted, NoRecord, IoError };

// One address table (customers or suppliers): opened once at start and
// shared by every window that shows addresses, so a record picked in a
// selection dialog is the current record of the management window.
//
// Every operation reports to the user through the workspace's prompter with
// the program's messages; the result says what happened.
class AddressBook {
public:
    AddressBook(app::Workspace &ws, AddressKind kind);

    AddressKind kind() const { return kind_; }
    dbase::Table &table() { return table_; }
    const dbase::Table &table() const { return table_; }
    app::Workspace &workspace() { return ws_; }

    QString tableFileName() const;
    QString previousFileName() const;
    QString workFileName() const;
    // The fields other windows rely on: 15 for customers, 14 for suppliers.
    int defaultFieldCount() const;
    static dbase::FieldList defaultFields(AddressKind kind, i18n::Translator &translator);

    // Opens the table in the data folder, creating it with the default
    // fields when there is none; brings an old customer table up to the
    // cost-centre field.
    InitResult InitDataBase();
    // The engine's text of the last failure, for the windows' error line.
    QString lastError() const { return lastError_; }

    // Restructuring. Each copies every record into a work table and swaps
    // it in; the state before survives as the "0" files.
    RestructureResult AddnewField(const QString &name, int length);
    // Asks first (messages 198, 200).
    RestructureResult removeLastField();
    // One text per field; a text that is not a whole number from 1 to 255
    // leaves that field as it is. Memo fields keep their place.
    RestructureResult changeLengths(const QStringList &lengths);
    // formerPositions[i]: the old position of the field that goes to place i.
    RestructureResult reorder(const QList<int> &formerPositions);

    // "Filtern": the search text; empty switches the filter off.
    void setSearchText(const QString &text);
    // "Alle zeigen".
    void clearSearch() { setSearchText({}); }
    // The search text as the program keeps it (upper case), empty without filter.
    QString filtertext() const { return filtertext_; }

    // Orders the table by a field; false (and nothing changed) when that
    // field cannot be an index (a memo, a field too wide for a key).
    bool sortByField(int field);

    // Writes the values (one per field, in field order; missing ones stay
    // empty) into the record, or into a new record when none is given.
    RecordResult saveRecord(std::optional<std::uint32_t> recordNumber, const QStringList &values);
    RecordResult deleteRecord(std::uint32_t recordNumber);

private:
    RestructureResult restructure(const dbase::FieldList &fields, const QList<int> &sourceFields);
    void informInUse();

    app::Workspace &ws_;
    AddressKind kind_;
    dbase::Table table_;
    QString filtertext_;
    QString folded_;
    QString lastError_;
};

}  // namespace morvane::addresses
