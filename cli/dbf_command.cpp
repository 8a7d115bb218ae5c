#include "cli/command_registry.h"

#include "core/dbase/dbf_error.h"
#include "core/dbase/table.h"
#include "core/dbase/table_csv.h"

#include <QFile>
#include <QFileInfo>
#include <QTextStream>

#include <cstdio>

namespace morvane::cli {

namespace {

QTextStream &err()
{
    static QTextStream stream(stderr);
    return stream;
}

void place(dbase::Table &table, const QString &path)
{
    const QFileInfo info(path);
    table.setFolder(info.absolutePath());
    table.setFileName(info.fileName());
}

int dump(const QString &path)
{
    dbase::Table table;
    place(table, path);
    table.open();
    const QByteArray text = dbase::TableCsv::dump(table).toUtf8();
    std::fwrite(text.constData(), 1, std::size_t(text.size()), stdout);
    return 0;
}

int create(const QString &path, const QString &description)
{
    // Never replaces a table by accident: its records would be gone.
    if (QFileInfo::exists(path)) {
        err() << path << " exists already\n";
        return 1;
    }
    dbase::Table table;
    place(table, path);
    table.setFieldList(dbase::TableCsv::parseFieldList(description));
    table.create();
    return 0;
}

int append(const QString &path, const QString &csvPath)
{
    QFile csv(csvPath);
    if (!csv.open(QIODevice::ReadOnly)) {
        err() << "cannot read " << csvPath << ": " << csv.errorString() << "\n";
        return 1;
    }
    QByteArray bytes = csv.readAll();
    if (bytes.startsWith("\xEF\xBB\xBF"))
        bytes.remove(0, 3);
    dbase::Table table;
    place(table, path);
    table.open();
    const int appended = dbase::TableCsv::append(table, QString::fromUtf8(bytes));
    QTextStream(stdout) << appended << " records appended\n";
    return 0;
}

int runDbf(CliContext &, const QStringList &args)
{
    const QString verb = args.value(0);
    try {
        if (verb == u"dump" && args.size() == 2)
            return dump(args.at(1));
        if (verb == u"create" && args.size() == 3)
            return create(args.at(1), args.at(2));
        if (verb == u"append" && args.size() == 3)
            return append(args.at(1), args.at(2));
    } catch (const dbase::DbfError &e) {
        err() << e.text() << "\n";
        return 1;
    }
    return usage();
}

}  // namespace

static const CommandRegistration registration(
    QStringLiteral("dbf"), runDbf,
    "dbf dump FILE | create FILE NAME:C:LEN,NOTE:M,... | append FILE CSV  (CSV in UTF-8, values by position)");

}  // namespace morvane::cli
