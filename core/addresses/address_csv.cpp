#include "core/addresses/address_csv.h"

#include "core/app/workspace.h"
#include "core/base/atomic_file.h"
#include "core/base/cp1252.h"
#include "core/dbase/dbf_error.h"
#include "core/dbase/table.h"

#include <QFile>

namespace morvane::addresses {

QString AddressCsv::encodeValue(QStringView value)
{
    QString out;
    out.reserve(value.size() + 2);
    out += u'"';
    for (QChar c : value) {
        switch (c.unicode()) {
        case u'"':
            out += QStringLiteral("\"\"");
            break;
        case u'\\':
            out += QStringLiteral("\\\\");
            break;
        case u'\r':
            out += QStringLiteral("\\r");
            break;
        case u'\n':
            out += QStringLiteral("\\n");
            break;
        default:
            out += c;
        }
    }
    out += u'"';
    return out;
}

QString AddressCsv::joinLine(const QStringList &values)
{
    QString line;
    for (qsizetype i = 0; i < values.size(); ++i) {
        if (i > 0)
            line += u';';
        line += encodeValue(values.at(i));
    }
    return line;
}

QString AddressCsv::unescape(QStringView value)
{
    QString out;
    out.reserve(value.size());
    for (qsizetype i = 0; i < value.size(); ++i) {
        const QChar c = value[i];
        if (c != u'\\' || i + 1 >= value.size()) {
            out += c;
            continue;
        }
        const QChar n = value[i + 1];
        if (n == u'r')
            out += u'\r';
        else if (n == u'n')
            out += u'\n';
        else if (n == u'\\')
            out += u'\\';
        else {
            out += c;
            out += n;
        }
        ++i;
    }
    return out;
}

QStringList AddressCsv::splitLine(QStringView line)
{
    QStringList values;
    if (line.isEmpty())
        return values;
    if (line.front() != u'"') {
        // A separator at the very end adds no empty value.
        if (line.endsWith(u';'))
            line.chop(1);
        for (QStringView piece : line.tokenize(u';'))
            values << unescape(piece);
        return values;
    }
    // Quoted values; whatever stands between a closing quote and the next
    // opening one (";" or ",") only separates them.
    const qsizetype n = line.size();
    qsizetype i = 0;
    QString value;
    while (true) {
        const qsizetype open = line.indexOf(u'"', i);
        if (open < 0)
            break;
        value.clear();
        qsizetype j = open + 1;
        bool closed = false;
        while (j < n) {
            if (line[j] == u'"') {
                if (j + 1 < n && line[j + 1] == u'"') {
                    value += u'"';
                    j += 2;
                    continue;
                }
                closed = true;
                break;
            }
            value += line[j++];
        }
        if (!closed)
            break;  // an unterminated value is dropped
        values << unescape(value);
        i = j + 1;
    }
    return values;
}

QList<QStringList> AddressCsv::parse(QByteArrayView bytes, bool skipFirstLine)
{
    QString text;
    if (bytes.startsWith("\xEF\xBB\xBF"))
        text = QString::fromUtf8(bytes.sliced(3));
    else
        text = base::Cp1252::decode(bytes);
    QList<QStringList> rows;
    bool first = true;
    for (QStringView line : QStringView(text).tokenize(u'\n')) {
        if (line.endsWith(u'\r'))
            line.chop(1);
        if (first && skipFirstLine) {
            first = false;
            continue;
        }
        first = false;
        if (line.isEmpty())
            continue;
        QStringList values = splitLine(line);
        if (!values.isEmpty())
            rows << std::move(values);
    }
    return rows;
}

QByteArray AddressCsv::exportBytes(dbase::Table &table, bool header, const Progress &progress, bool *cancelled)
{
    QByteArray out;
    QStringList values;
    const int fields = table.fieldCount();
    if (header) {
        for (int i = 0; i < fields; ++i)
            values << table.field(i).name;
        base::Cp1252::encodeInto(joinLine(values), out);
        out += "\r\n";
    }
    const int total = progress ? int(table.recordCount()) : 0;
    int done = 0;
    for (table.first(); !table.eof(); table.next()) {
        values.clear();
        for (int i = 0; i < fields; ++i)
            values << table.fieldText(i);
        base::Cp1252::encodeInto(joinLine(values), out);
        out += "\r\n";
        ++done;
        if (progress && !progress(done, total)) {
            if (cancelled)
                *cancelled = true;
            return {};
        }
    }
    return out;
}

namespace {

// Leaves the cursor where the window had it.
struct CursorKeeper {
    explicit CursorKeeper(dbase::Table &t) : table(t), record(t.recordNumber()) {}
    ~CursorKeeper()
    {
        try {
            if (!record || !table.go(record))
                table.first();
        } catch (const dbase::DbfError &) {
        }
    }
    dbase::Table &table;
    std::uint32_t record;
};

}  // namespace

AddressCsv::Outcome AddressCsv::exportFile(app::Workspace &ws, dbase::Table &table, const QString &path,
                                           const Options &options, const Progress &progress)
{
    Outcome outcome;
    QByteArray bytes;
    bool cancelled = false;
    try {
        CursorKeeper keep(table);
        bytes = exportBytes(table, options.exportHeader, progress, &cancelled);
    } catch (const dbase::DbfError &e) {
        ws.prompter->inform({0, e.text(), {}, base::Icon::Error});
        outcome.result = Result::CannotCreate;
        return outcome;
    }
    if (cancelled) {
        outcome.result = Result::Cancelled;
        return outcome;
    }
    // Written whole through a work file: a failed export never leaves half a file.
    if (!base::AtomicFile::write(path, bytes)) {
        ws.inform(12, base::Icon::Error);
        outcome.result = Result::CannotCreate;
        return outcome;
    }
    outcome.records = int(bytes.count("\r\n")) - (options.exportHeader ? 1 : 0);
    return outcome;
}

AddressCsv::Outcome AddressCsv::appendRows(dbase::Table &table, const QList<QStringList> &rows, const Progress &progress)
{
    Outcome outcome;
    const int fields = table.fieldCount();
    int done = 0;
    for (const QStringList &values : rows) {
        try {
            table.insert();
            for (int i = 0; i < fields && i < values.size(); ++i)
                table.setFieldText(i, values.at(i));
            table.post();
            ++outcome.records;
        } catch (const dbase::DbfError &) {
            // The record is dropped, the import goes on.
            try {
                table.cancel();
            } catch (const dbase::DbfError &) {
            }
            ++outcome.dropped;
        }
        ++done;
        if (progress && !progress(done, int(rows.size()))) {
            outcome.result = Result::Cancelled;
            break;
        }
    }
    return outcome;
}

AddressCsv::Outcome AddressCsv::importFile(app::Workspace &ws, dbase::Table &table, const QString &path,
                                           const Options &options, const Progress &progress)
{
    QFile file(path);
    if (!table.isOpen() || !file.open(QIODevice::ReadOnly)) {
        ws.inform(13, base::Icon::Error);
        return {Result::CannotOpen, 0, 0};
    }
    const QList<QStringList> rows = parse(file.readAll(), options.skipFirstLine);
    return appendRows(table, rows, progress);
}

}  // namespace morvane::addresses
