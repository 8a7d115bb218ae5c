#pragma once

#include <QList>
#include <QString>

namespace morvane::dbase {

enum class FieldType : char { Character = 'C', Memo = 'M' };

// One column of a table: what the owner asks for when it creates a table,
// and what the descriptor says after opening.
struct Field {
    QString name;
    FieldType type = FieldType::Character;
    int length = 0;  // bytes in the record; 10 for a memo (its block number)
    int offset = 0;  // from the start of the record, after the deletion flag byte

    static Field character(const QString &name, int length) { return {name, FieldType::Character, length}; }
    static Field memo(const QString &name) { return {name, FieldType::Memo, 10}; }
};

using FieldList = QList<Field>;

}  // namespace morvane::dbase
