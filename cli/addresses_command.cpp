#include "cli/command_registry.h"

#include "core/addresses/address_book.h"
#include "core/addresses/address_csv.h"
#include "core/dbase/dbf_error.h"

#include <QRandomGenerator>
#include <QTextStream>

namespace morvane::cli {

namespace {

QTextStream &out()
{
    static QTextStream stream(stdout);
    return stream;
}

QTextStream &err()
{
    static QTextStream stream(stderr);
    return stream;
}

std::optional<addresses::AddressKind> kindOf(const QString &text)
{
    if (text == u"customers")
        return addresses::AddressKind::Customers;
    if (text == u"suppliers")
        return addresses::AddressKind::Suppliers;
    return std::nullopt;
}

// Test and benchmark data: plausible addresses with umlauts and memos.
void generate(addresses::AddressBook &book, int count, quint32 seed)
{
    QRandomGenerator random(seed);
    const QStringList surnames{QString::fromUtf8("Müller"), "Schmidt", "Schneider", "Fischer", "Weber",
                               "Meyer", "Wagner", QString::fromUtf8("Böhm"), "Becker", "Hoffmann"};
    const QStringList towns{"Berlin", "Hamburg", QString::fromUtf8("München"), QString::fromUtf8("Köln"),
                            "Frankfurt", "Stuttgart", QString::fromUtf8("Düsseldorf"), "Leipzig"};
    dbase::Table &t = book.table();
    for (int i = 0; i < count; ++i) {
        const QString surname = surnames.at(random.bounded(int(surnames.size())));
        QStringList values{QStringLiteral("Firma %1 %2").arg(surname).arg(i),
                           surname,
                           i % 2 ? QStringLiteral("Anna") : QStringLiteral("Jörg"),
                           i % 2 ? QStringLiteral("Frau") : QStringLiteral("Herr"),
                           QStringLiteral("Hauptstraße %1").arg(random.bounded(1, 200)),
                           QStringLiteral("%1").arg(random.bounded(10000, 99999)),
                           towns.at(random.bounded(int(towns.size()))),
                           QStringLiteral("Deutschland"),
                           QStringLiteral("0%1").arg(random.bounded(100000000)),
                           QString(),
                           QString(),
                           QStringLiteral("kontakt%1@example.org").arg(i),
                           i % 5 == 0 ? QStringLiteral("Rabatt %1 %\r\nLieferung frei Haus").arg(i % 10) : QString(),
                           QStringLiteral("K-%1").arg(i, 6, 10, QLatin1Char('0')),
                           QStringLiteral("KST%1").arg(i % 7)};
        t.insert();
        for (int f = 0; f < t.fieldCount() && f < values.size(); ++f)
            t.setFieldText(f, values.at(f));
        t.post();
    }
}

int runAddresses(CliContext &context, const QStringList &args)
{
    const QString verb = args.value(0);
    const auto kind = kindOf(args.value(1));
    if (!kind || args.size() < 3)
        return usage();
    auto ws = context.workspace();
    addresses::AddressBook book(*ws, *kind);
    if (book.InitDataBase() == addresses::InitResult::Failed) {
        err() << "cannot open " << book.tableFileName() << ": " << book.lastError() << "\n";
        return 1;
    }
    addresses::AddressCsv::Options options;
    options.exportHeader = args.contains(QStringLiteral("--header"));
    options.skipFirstLine = args.contains(QStringLiteral("--skip-header"));
    try {
        if (verb == u"export") {
            const auto outcome = addresses::AddressCsv::exportFile(*ws, book.table(), args.at(2), options);
            if (outcome.result != addresses::AddressCsv::Result::Done)
                return 1;
            out() << outcome.records << " records exported\n";
            return 0;
        }
        if (verb == u"import") {
            const auto outcome = addresses::AddressCsv::importFile(*ws, book.table(), args.at(2), options);
            if (outcome.result != addresses::AddressCsv::Result::Done)
                return 1;
            out() << outcome.records << " records imported";
            if (outcome.dropped)
                out() << ", " << outcome.dropped << " dropped";
            out() << "\n";
            return outcome.dropped ? 1 : 0;
        }
        if (verb == u"generate") {
            bool ok = false;
            const int count = args.at(2).toInt(&ok);
            const int seedAt = int(args.indexOf(QStringLiteral("--seed")));
            const quint32 seed = seedAt > 0 ? args.value(seedAt + 1).toUInt() : 1;
            if (!ok || count < 0)
                return usage();
            generate(book, count, seed);
            out() << book.table().recordCount() << " records\n";
            return 0;
        }
    } catch (const dbase::DbfError &e) {
        err() << e.text() << "\n";
        return 1;
    }
    return usage();
}

}  // namespace

static const CommandRegistration registration(
    QStringLiteral("addresses"), runAddresses,
    "addresses export customers|suppliers FILE.csv [--header] | import customers|suppliers FILE.csv"
    " [--skip-header] | generate customers|suppliers N [--seed S]");

}  // namespace morvane::cli
