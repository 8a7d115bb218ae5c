// morvane-cli journal export FILE [--summarised] [--filter TEXT] [--separator C] [--no-header]
// morvane-cli journal consumption NUMBER DAYS [--customer NAME] [--receipts]
// morvane-cli journal customers
#include "cli/command_registry.h"

#include "core/articles/article_io.h"
#include "core/articles/field_update.h"
#include "core/booking/journal_evaluations.h"
#include "core/booking/journal_export.h"
#include "core/booking/journal_filter.h"
#include "core/dbase/dbf_error.h"
#include "core/settings/options_store.h"

#include <QFileInfo>
#include <QTextStream>

namespace morvane::cli {

namespace {

QTextStream &err()
{
    static QTextStream stream(stderr);
    return stream;
}

int usageOfJournal()
{
    err() << "usage: morvane-cli [--data DIR] journal export FILE [--summarised] [--filter TEXT] [--separator C] "
             "[--no-header]\n"
             "       morvane-cli [--data DIR] journal consumption NUMBER DAYS [--customer NAME] [--receipts]\n"
             "       morvane-cli [--data DIR] journal customers\n";
    return 2;
}

int exportJournal(CliContext &context, const QStringList &args)
{
    if (args.isEmpty())
        return usageOfJournal();
    booking::CsvFormat format;
    bool summarised = false;
    QString filter;
    for (qsizetype i = 1; i < args.size(); ++i) {
        if (args[i] == QLatin1String("--summarised"))
            summarised = true;
        else if (args[i] == QLatin1String("--no-header"))
            format.header = false;
        else if (args[i] == QLatin1String("--filter") && i + 1 < args.size())
            filter = args[++i];
        else if (args[i] == QLatin1String("--separator") && i + 1 < args.size())
            format.separator = args[++i];
        else
            return usageOfJournal();
    }
    auto ws = context.workspace();
    dbase::Table table;
    table.setFolder(ws->folders.progpath);
    table.setFileName(ws->files.buchungendbf);
    if (!QFileInfo::exists(table.filePath())) {
        err() << "there is no journal in " << ws->folders.progpath << "\n";
        return 1;
    }
    try {
        table.open();
        booking::JournalFilter::forText(filter).applyTo(table);
    } catch (const dbase::DbfError &e) {
        err() << e.text() << "\n";
        return 1;
    }
    return booking::exportJournalCsv(*ws, table, args[0], format, summarised) == booking::JournalExport::Written ? 0 : 1;
}

int printConsumption(CliContext &context, const QStringList &args)
{
    if (args.size() < 2)
        return usageOfJournal();
    bool ok = false;
    booking::ConsumptionQuery query;
    query.days = args[1].toInt(&ok);
    if (!ok || query.days < 1 || query.days > 100000000)
        return usageOfJournal();
    for (qsizetype i = 2; i < args.size(); ++i) {
        if (args[i] == QLatin1String("--receipts"))
            query.countReceipts = true;
        else if (args[i] == QLatin1String("--customer") && i + 1 < args.size())
            query.customer = args[++i];
        else
            return usageOfJournal();
    }
    auto ws = context.workspace();
    settings::OptionsStore::LoadOptions(*ws);
    if (articles::OpenFile(*ws) != articles::ReadResult::Read) {
        err() << "the article file could not be read\n";
        return 1;
    }
    const int row = articles::findArticleByNumber(ws->articles, args[0]);
    if (row < 0) {
        err() << "no article with number " << args[0] << "\n";
        return 1;
    }
    QTextStream(stdout) << booking::consumption(*ws, ws->articles[std::size_t(row)], query)
                               .toString(ws->format.decimalSeparator)
                        << "\n";
    return 0;
}

int printCustomers(CliContext &context)
{
    auto ws = context.workspace();
    QTextStream out(stdout);
    for (const auto &[customer, count] : booking::bestCustomers(*ws))
        out << count << '\t' << customer << '\n';
    return 0;
}

int runJournalCommand(CliContext &context, const QStringList &args)
{
    const QString verb = args.value(0);
    if (verb == QLatin1String("export"))
        return exportJournal(context, args.mid(1));
    if (verb == QLatin1String("consumption"))
        return printConsumption(context, args.mid(1));
    if (verb == QLatin1String("customers") && args.size() == 1)
        return printCustomers(context);
    return usageOfJournal();
}

}  // namespace

static const CommandRegistration registration(
    QStringLiteral("journal"), runJournalCommand,
    "journal export FILE [--summarised] [--filter TEXT] [--separator C] [--no-header] | "
    "journal consumption NUMBER DAYS [--customer NAME] [--receipts] | journal customers");

}  // namespace morvane::cli
