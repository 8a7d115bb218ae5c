#pragma once

#include <QString>

#include <stdexcept>

namespace morvane::dbase {

// The table engine reports failures by exception; the texts are the ones the
// user reads in the general error display, so they stay exactly as they are.
class DbfError : public std::runtime_error {
public:
    enum class Kind {
        FileNotFound,
        InvalidFile,
        InvalidFieldCount,
        InvalidFieldType,
        InvalidLayout,
        RecordLocked,
        WriteFailed,
        IndexKeyTooLong,
        TooManyIndexes,
        UnknownField,
        ExclusiveRequired,
        NotOpen,
        ReadFailed,
    };

    DbfError(Kind kind, const QString &text);

    Kind kind() const { return kind_; }
    QString text() const { return text_; }

    static DbfError fileNotFound(const QString &path);
    static DbfError invalidFile();
    static DbfError invalidFieldCount(int count);
    static DbfError invalidFieldType(const QString &type, const QString &field);
    static DbfError recordLocked();
    static DbfError writeFailed();
    static DbfError indexKeyTooLong(const QString &tag, int length);
    static DbfError tooManyIndexes();
    static DbfError exclusiveRequired();

private:
    Kind kind_;
    QString text_;
};

}  // namespace morvane::dbase
