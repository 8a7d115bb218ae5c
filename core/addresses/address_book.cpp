#include "core/addresses/address_book.h"

#include "core/addresses/address_search.h"
#include "core/app/workspace.h"
#include "core/dbase/dbf_error.h"

#include <QDir>
#include <QFile>

namespace morvane::addresses {

using dbase::DbfError;
using dbase::Field;
using dbase::FieldList;
using dbase::FieldType;

namespace {

constexpr int kDefaultLength = 45;
constexpr int kMaxLength = 255;
constexpr int kCostCentreMessage = 229;

// Names as the table file keeps them: upper case, ten characters.
QString storedName(const QString &name)
{
    return name.toUpper().left(10);
}

QString dbtOf(const QString &dbfPath)
{
    return dbfPath.left(dbfPath.size() - 3) + QStringLiteral("dbt");
}

}  // namespace

AddressBook::AddressBook(app::Workspace &ws, AddressKind kind) : ws_(ws), kind_(kind)
{
    table_.setFileName(tableFileName());
    table_.setClock(&ws_.clock);
    table_.setFilter([this](const dbase::Table &t) { return AddressSearch::matches(t, folded_); });
}

QString AddressBook::tableFileName() const
{
    return kind_ == AddressKind::Customers ? QStringLiteral("customers.dbf") : QStringLiteral("suppliers.dbf");
}

QString AddressBook::previousFileName() const
{
    return kind_ == AddressKind::Customers ? QStringLiteral("customers0.dbf") : QStringLiteral("suppliers0.dbf");
}

QString AddressBook::workFileName() const
{
    return kind_ == AddressKind::Customers ? QStringLiteral("temp.dbf") : QStringLiteral("temp2.dbf");
}

int AddressBook::defaultFieldCount() const
{
    return kind_ == AddressKind::Customers ? 15 : 14;
}

FieldList AddressBook::defaultFields(AddressKind kind, i18n::Translator &translator)
{
    const auto c = [&](int message, int length) { return Field::character(translator.message(message), length); };
    FieldList fields{c(203, kDefaultLength), c(204, kDefaultLength), c(205, kDefaultLength), c(206, kDefaultLength),
                     c(207, kDefaultLength), c(208, 10),             c(209, kDefaultLength), c(210, kDefaultLength),
                     c(211, kDefaultLength), c(212, kDefaultLength), c(213, kDefaultLength), c(214, kDefaultLength),
                     Field::memo(translator.message(215)),           c(224, kDefaultLength)};
    if (kind == AddressKind::Customers)
        fields << c(kCostCentreMessage, kDefaultLength);
    return fields;
}

InitResult AddressBook::InitDataBase()
{
    table_.close();
    table_.setFolder(ws_.folders.progpath);
    table_.setFieldList(defaultFields(kind_, ws_.translator));
    InitResult result = InitResult::Opened;
    try {
        if (table_.openOrCreate() == dbase::Table::OpenOutcome::Created)
            result = InitResult::Created;
    } catch (const DbfError &e) {
        // A file that is there but unreadable is left for the user to
        // rescue: creating a new table under its name would destroy it.
        lastError_ = e.text();
        return InitResult::Failed;
    }
    // Tables from before the cost-centre field get it at the end.
    if (kind_ == AddressKind::Customers && table_.fieldCount() < defaultFieldCount()) {
        FieldList fields = table_.header().fields;
        fields << Field::character(ws_.translator.message(kCostCentreMessage), kDefaultLength);
        if (restructure(fields, {}) == RestructureResult::Done)
            result = InitResult::Migrated;
    }
    return result;
}

void AddressBook::informInUse()
{
    ws_.prompter->inform({0,
                          ws_.translator.translate(QStringLiteral(
                              "Die Tabelle ist an einem anderen Arbeitsplatz geöffnet. Die Felder können erst "
                              "geändert werden, wenn sie dort geschlossen wurde.")),
                          {}, base::Icon::Error});
}

RestructureResult AddressBook::restructure(const FieldList &fields, const QList<int> &sourceFields)
{
    if (!table_.isOpen())
        return RestructureResult::IoError;
    const QDir folder(table_.folder().isEmpty() ? QStringLiteral(".") : table_.folder());
    const QString keep = folder.filePath(previousFileName());
    const QString keepMemo = dbtOf(keep);
    // The previous generation is only given up once the new one exists: it
    // waits under a side name and comes back when the rebuild is refused.
    const QString aside = folder.filePath(QStringLiteral(".%1.aside").arg(previousFileName()));
    const QString asideMemo = aside + QStringLiteral(".dbt");
    QFile::remove(aside);
    QFile::remove(asideMemo);
    const bool movedTable = QFile::exists(keep) && QFile::rename(keep, aside);
    const bool movedMemo = QFile::exists(keepMemo) && QFile::rename(keepMemo, asideMemo);
    const auto restore = [&] {
        if (movedTable && !QFile::exists(keep))
            QFile::rename(aside, keep);
        if (movedMemo && !QFile::exists(keepMemo))
            QFile::rename(asideMemo, keepMemo);
        QFile::remove(aside);
        QFile::remove(asideMemo);
    };

    dbase::Table::RebuildPlan plan;
    plan.fields = fields;
    plan.sourceFields = sourceFields;
    plan.workFileName = workFileName();
    plan.keepOldAs = previousFileName();
    try {
        table_.rebuild(plan);
    } catch (const DbfError &e) {
        restore();
        lastError_ = e.text();
        if (e.kind() == DbfError::Kind::ExclusiveRequired) {
            informInUse();
            return RestructureResult::InUse;
        }
        ws_.prompter->inform({0, e.text(), {}, base::Icon::Error});
        return RestructureResult::IoError;
    }
    QFile::remove(aside);
    QFile::remove(asideMemo);
    return RestructureResult::Done;
}

RestructureResult AddressBook::AddnewField(const QString &name, int length)
{
    if (name.trimmed().isEmpty()) {
        ws_.inform(195, base::Icon::Error);
        return RestructureResult::Invalid;
    }
    if (!table_.isOpen() || length < 1 || length > kMaxLength)
        return RestructureResult::Invalid;
    // The file keeps ten upper-case characters of a name; two fields that
    // end up alike could no longer be told apart by name.
    if (table_.fieldIndex(storedName(name)) >= 0) {
        ws_.prompter->inform({0,
                              ws_.translator.translate(QStringLiteral("Ein Feld mit diesem Namen ist bereits vorhanden.")),
                              {}, base::Icon::Error});
        return RestructureResult::Invalid;
    }
    FieldList fields = table_.header().fields;
    fields << Field::character(name, length);
    return restructure(fields, {});
}

RestructureResult AddressBook::removeLastField()
{
    if (!table_.isOpen())
        return RestructureResult::IoError;
    if (table_.fieldCount() <= defaultFieldCount()) {
        ws_.inform(198, base::Icon::Error, ws_.translator.message(199));
        return RestructureResult::Invalid;
    }
    if (ws_.ask(200, base::Buttons::YesNoCancel, base::Icon::Error, ws_.translator.message(201)) != base::Answer::Yes)
        return RestructureResult::Cancelled;
    FieldList fields = table_.header().fields;
    const int count = int(fields.size());
    QList<int> sources;
    for (int i = 0; i < count; ++i)
        sources << i;
    int removed = count - 1;
    // A memo at the end stays last; the character field before it goes.
    if (fields.at(removed).type == FieldType::Memo)
        --removed;
    fields.removeAt(removed);
    sources.removeAt(removed);
    return restructure(fields, sources);
}

RestructureResult AddressBook::changeLengths(const QStringList &lengths)
{
    if (!table_.isOpen())
        return RestructureResult::IoError;
    FieldList fields = table_.header().fields;
    bool changed = false;
    for (int i = 0; i < fields.size() && i < lengths.size(); ++i) {
        if (fields[i].type != FieldType::Character)
            continue;
        bool ok = false;
        const int length = lengths.at(i).trimmed().toInt(&ok);
        if (!ok || length < 1 || length > kMaxLength || length == fields[i].length)
            continue;
        fields[i].length = length;
        changed = true;
    }
    if (!changed)
        return RestructureResult::Done;
    return restructure(fields, {});
}

RestructureResult AddressBook::reorder(const QList<int> &formerPositions)
{
    if (!table_.isOpen())
        return RestructureResult::IoError;
    const FieldList old = table_.header().fields;
    if (formerPositions.size() != old.size())
        return RestructureResult::Invalid;
    QList<bool> seen(old.size(), false);
    FieldList fields;
    for (int former : formerPositions) {
        if (former < 0 || former >= old.size() || seen[former])
            return RestructureResult::Invalid;
        seen[former] = true;
        fields << old.at(former);
    }
    bool identity = true;
    for (int i = 0; i < formerPositions.size(); ++i)
        identity = identity && formerPositions.at(i) == i;
    if (identity)
        return RestructureResult::Done;
    return restructure(fields, formerPositions);
}

void AddressBook::setSearchText(const QString &text)
{
    table_.setFiltered(false);
    filtertext_ = text.toUpper();
    folded_ = AddressSearch::fold(text);
    if (!filtertext_.isEmpty() && table_.isOpen())
        table_.setFiltered(true);
    if (table_.isOpen())
        table_.first();
}

bool AddressBook::sortByField(int field)
{
    if (!table_.isOpen() || field < 0 || field >= table_.fieldCount())
        return false;
    const QString name = table_.field(field).name;
    try {
        if (!table_.indexNames().contains(name.toUpper()))
            table_.addIndexTag(name, name);
        table_.selectIndexTag(name);
    } catch (const DbfError &e) {
        lastError_ = e.text();
        return false;
    }
    return true;
}

RecordResult AddressBook::saveRecord(std::optional<std::uint32_t> recordNumber, const QStringList &values)
{
    if (!table_.isOpen())
        return RecordResult::IoError;
    try {
        if (recordNumber) {
            if (!table_.go(*recordNumber) || table_.isDeleted())
                return RecordResult::NoRecord;
            table_.edit();
        } else {
            table_.insert();
        }
        for (int i = 0; i < table_.fieldCount(); ++i)
            table_.setFieldText(i, values.value(i));
        table_.post();
    } catch (const DbfError &e) {
        lastError_ = e.text();
        try {
            table_.cancel();
        } catch (const DbfError &) {
        }
        return RecordResult::IoError;
    }
    return RecordResult::Saved;
}

RecordResult AddressBook::deleteRecord(std::uint32_t recordNumber)
{
    if (!table_.isOpen())
        return RecordResult::IoError;
    try {
        if (!table_.go(recordNumber) || table_.isDeleted())
            return RecordResult::NoRecord;
        table_.deleteRecord();
    } catch (const DbfError &e) {
        lastError_ = e.text();
        return RecordResult::IoError;
    }
    return RecordResult::Deleted;
}

}  // namespace morvane::addresses
