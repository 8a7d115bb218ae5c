#pragma once

#include "core/app/workspace.h"
#include "core/dbase/table.h"

#include <QByteArray>
#include <QString>

#include <functional>

namespace morvane::booking {

// The CSV settings the journal export follows: the separator (";" unless
// exactly one character is set) and whether a header line with the stored
// field names comes first.
struct CsvFormat {
    QString separator = QStringLiteral(";");
    bool header = true;  // "Spaltenüberschriften exportieren"

    QChar separatorChar() const { return separator.size() == 1 ? separator.front() : QChar(u';'); }
};

enum class JournalExport { Written, CannotCreate, Cancelled };

// Called between records with the number done; false stops the export.
using ExportProgress = std::function<bool(qint64 done)>;

// The file's bytes for the table's visible records, in the order and with the
// filter the table has; the cursor is put back. `summarised` joins records of
// one kind and article into one line: the first record's fields with the sum
// of the amounts (values that are no numbers count 0) and the last record's
// new amount. Empty with *cancelled set when the progress callback stopped it.
QByteArray journalCsvBytes(dbase::Table &table, const CsvFormat &format, bool summarised, QChar decimalSeparator,
                           const ExportProgress &progress = {}, bool *cancelled = nullptr);

// Writes the export to `path` in one step, so a failure never leaves half a
// file. Message 12 with the file name when it cannot be written.
JournalExport exportJournalCsv(app::Workspace &ws, dbase::Table &table, const QString &path, const CsvFormat &format,
                               bool summarised, const ExportProgress &progress = {});

}  // namespace morvane::booking
