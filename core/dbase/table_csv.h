#pragma once

#include "core/dbase/field.h"

#include <QString>

namespace morvane::dbase {

class Table;

// Tables as the program's CSV convention, for the command line tool: a dump
// of the live records and appends of CSV rows through the shared append path.
class TableCsv {
public:
    // A header line with the field names, then one line per visible record
    // in the table's order; memo fields with their text.
    static QString dump(Table &table, QChar separator = u';');
    // Appends one record per non-empty line, values by field position; a
    // line with more values than fields has the rest ignored. Answers the
    // number of records appended.
    static int append(Table &table, QStringView csv, QChar separator = u';');
    // "NAME:C:30,NOTE:M" -> fields; throws DbfError on a malformed entry.
    static FieldList parseFieldList(QStringView description);
};

}  // namespace morvane::dbase
