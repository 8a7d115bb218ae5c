#include "core/dbase/dbf_error.h"

namespace morvane::dbase {

DbfError::DbfError(Kind kind, const QString &text)
    : std::runtime_error(text.toStdString()), kind_(kind), text_(text)
{
}

DbfError DbfError::fileNotFound(const QString &path)
{
    return {Kind::FileNotFound, QStringLiteral("Open: file not found: \"%1\".").arg(path)};
}

DbfError DbfError::invalidFile()
{
    return {Kind::InvalidFile, QStringLiteral("Invalid DBF file.")};
}

DbfError DbfError::invalidFieldCount(int count)
{
    return {Kind::InvalidFieldCount,
            QStringLiteral("Invalid field count: %1 (must be between 1 and 4095).").arg(count)};
}

DbfError DbfError::invalidFieldType(const QString &type, const QString &field)
{
    return {Kind::InvalidFieldType, QStringLiteral("Invalid field type '%1' for field '%2'.").arg(type, field)};
}

DbfError DbfError::recordLocked()
{
    return {Kind::RecordLocked, QStringLiteral("Record locked.")};
}

DbfError DbfError::writeFailed()
{
    return {Kind::WriteFailed, QStringLiteral("Error while writing occurred. (Disk full?)")};
}

DbfError DbfError::indexKeyTooLong(const QString &tag, int length)
{
    return {Kind::IndexKeyTooLong,
            QStringLiteral("Index result for \"%1\" too long, >100 characters (%2).").arg(tag).arg(length)};
}

DbfError DbfError::tooManyIndexes()
{
    return {Kind::TooManyIndexes, QStringLiteral("Can not create index: too many indexes in file.")};
}

DbfError DbfError::exclusiveRequired()
{
    return {Kind::ExclusiveRequired, QStringLiteral("Exclusive access is required for this operation.")};
}

}  // namespace morvane::dbase
