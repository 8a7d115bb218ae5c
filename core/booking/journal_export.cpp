#include "core/booking/journal_export.h"

#include "core/base/atomic_file.h"
#include "core/base/cp1252.h"
#include "core/base/csv.h"
#include "core/base/decimal.h"
#include "core/booking/journal.h"
#include "core/dbase/dbf_error.h"

#include <QHash>

namespace morvane::booking {

namespace {

void appendLine(QByteArray &out, const QStringList &values, QChar separator)
{
    base::Cp1252::encodeInto(base::Csv::joinLine(values, separator), out);
    out += "\r\n";
}

QStringList currentValues(const dbase::Table &table)
{
    QStringList values;
    values.reserve(table.fieldCount());
    for (int i = 0; i < table.fieldCount(); ++i)
        values << table.fieldText(i);
    return values;
}

// Puts the cursor back where the window had it, whatever happens.
struct CursorKeeper {
    explicit CursorKeeper(dbase::Table &t) : table(t), record(t.recordNumber()) {}
    ~CursorKeeper()
    {
        try {
            if (record == 0 || !table.go(record))
                table.first();
        } catch (const dbase::DbfError &) {
        }
    }
    dbase::Table &table;
    std::uint32_t record;
};

struct Group {
    QStringList values;
    base::Decimal amount;
};

}  // namespace

QByteArray journalCsvBytes(dbase::Table &table, const CsvFormat &format, bool summarised, QChar decimalSeparator,
                           const ExportProgress &progress, bool *cancelled)
{
    if (cancelled)
        *cancelled = false;
    const QChar separator = format.separatorChar();
    QByteArray out;
    if (format.header) {
        QStringList names;
        for (int i = 0; i < table.fieldCount(); ++i)
            names << table.field(i).name;
        appendLine(out, names, separator);
    }
    CursorKeeper keep(table);
    const bool canSummarise = table.fieldCount() > JNewAmount;
    std::vector<Group> groups;
    QHash<QString, std::size_t> groupOf;
    qint64 done = 0;
    for (table.first(); !table.eof(); table.next()) {
        if (progress && (done % 1000) == 0 && !progress(done)) {
            if (cancelled)
                *cancelled = true;
            return {};
        }
        ++done;
        if (!summarised || !canSummarise) {
            appendLine(out, currentValues(table), separator);
            continue;
        }
        // A record of a known group adds its amount; only the first record
        // of a group is read whole.
        const QString key = table.fieldText(JKind) + QChar(0) + table.fieldText(JArticle) + QChar(0)
                            + table.fieldText(JBarcode) + QChar(0) + table.fieldText(JArtNo);
        const base::Decimal amount =
            base::Decimal::parse(table.fieldText(JAmount), decimalSeparator).value_or(base::Decimal());
        const auto it = groupOf.constFind(key);
        if (it == groupOf.constEnd()) {
            groupOf.insert(key, groups.size());
            groups.push_back({currentValues(table), amount});
        } else {
            Group &g = groups[*it];
            g.amount += amount;
            g.values[JNewAmount] = table.fieldText(JNewAmount);
        }
    }
    for (Group &g : groups) {
        g.values[JAmount] = g.amount.toString(decimalSeparator);
        appendLine(out, g.values, separator);
    }
    return out;
}

JournalExport exportJournalCsv(app::Workspace &ws, dbase::Table &table, const QString &path, const CsvFormat &format,
                               bool summarised, const ExportProgress &progress)
{
    QByteArray bytes;
    bool cancelled = false;
    try {
        bytes = journalCsvBytes(table, format, summarised, ws.format.decimalSeparator, progress, &cancelled);
    } catch (const dbase::DbfError &e) {
        ws.prompter->inform({0, e.text(), {}, base::Icon::Error});
        return JournalExport::CannotCreate;
    }
    if (cancelled)
        return JournalExport::Cancelled;
    if (!base::AtomicFile::write(path, bytes)) {
        ws.inform(12, base::Icon::Error, {}, QStringLiteral("(") + path + u')');
        return JournalExport::CannotCreate;
    }
    return JournalExport::Written;
}

}  // namespace morvane::booking
