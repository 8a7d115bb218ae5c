// Journal evaluations on a generated journal of 1,000,000 records
// (MORVANE_BENCH_RECORDS to change): the window's filters, the consumption
// of one article, a storage-place balance, the CSV export of 100,000 records
// and the best customers.
#include "bench/generated_journal.h"
#include "core/base/scripted_prompter.h"
#include "core/booking/booking_prompts.h"
#include "core/booking/journal_evaluations.h"
#include "core/booking/journal_export.h"
#include "core/booking/journal_filter.h"
#include "core/dbase/table.h"

#include <QFile>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <memory>

using namespace morvane;
using namespace morvane::booking;

namespace {

// A data folder whose journal holds `records` bookings of 100,000 articles
// by 1,000 customers on 50 storage places over one year.
struct GeneratedJournal {
    explicit GeneratedJournal(qint64 records)
    {
        const QString folder = dir.path() + u'/';
        ws = std::make_unique<app::Workspace>(app::Folders{folder, folder, folder}, clock, prompter);
        ws->format = base::FormatSettings::german();
        bench::writeGeneratedJournal(folder, ws->files.buchungendbf, records,
                                     [](qint64 n, const bench::PutField &put) {
                                         const qint64 article = n % 100000;
                                         put(JKind, n % 3 ? "-" : "+");
                                         put(JArticle, "Artikel " + QByteArray::number(article));
                                         put(JBarcode, QByteArray::number(4000000000000 + article));
                                         put(JArtNo, "A-" + QByteArray::number(100000 + article));
                                         put(JAmount, "1,00");
                                         put(JNewAmount, QByteArray::number(n % 17) + ",00");
                                         put(JDate, QDate(2026, 1, 1).addDays(n % 365).toString("dd.MM.yyyy").toLatin1());
                                         put(JTime, "12:00:00");
                                         put(JCustomer, "Kunde " + QByteArray::number(n % 1000));
                                         put(JPrice, "9,99");
                                         put(JCostcenter, "KST" + QByteArray::number(n % 50));
                                         put(JFreetext, "free text of a booking");
                                         put(JArea, "Platz " + QByteArray::number(n % 50));
                                     });
    }

    void open(dbase::Table &t) const
    {
        t.setFolder(ws->folders.progpath);
        t.setFileName(ws->files.buchungendbf);
        t.open();
    }

    QTemporaryDir dir;
    base::FixedClock clock{QDateTime(QDate(2026, 12, 31), QTime(12, 0))};
    base::ScriptedPrompter prompter;
    std::unique_ptr<app::Workspace> ws;
};

GeneratedJournal &journal()
{
    const char *env = std::getenv("MORVANE_BENCH_RECORDS");
    static GeneratedJournal j(env ? std::atoll(env) : 1000000);
    return j;
}

GeneratedJournal &smallJournal()
{
    static GeneratedJournal j(100000);
    return j;
}

articles::Article article42()
{
    articles::Article a;
    a.name = QStringLiteral("Artikel 42");
    a.field(articles::Barcode) = QStringLiteral("4000000000042");
    a.field(articles::ArtikelNr) = QStringLiteral("A-100042");
    return a;
}

void countVisible(benchmark::State &state, const JournalFilter &filter)
{
    dbase::Table t;
    journal().open(t);
    filter.applyTo(t);
    for (auto _ : state)
        benchmark::DoNotOptimize(t.recordCount());
    state.counters["shown"] = double(t.recordCount());
}

void BM_ArticleFilterScan(benchmark::State &state)
{
    countVisible(state, JournalFilter::forArticle(article42()));
}

void BM_TextFilterScan(benchmark::State &state)
{
    countVisible(state, JournalFilter::forText(QStringLiteral("Kunde 42")));
}

void BM_ConsumptionOfOneArticle(benchmark::State &state)
{
    const articles::Article a = article42();
    for (auto _ : state)
        benchmark::DoNotOptimize(consumption(*journal().ws, a, {365, {}, true}));
}

void BM_StoragePlaceBalance(benchmark::State &state)
{
    const articles::Article a = article42();
    for (auto _ : state)
        benchmark::DoNotOptimize(storagePlaceBalance(*journal().ws, QStringLiteral("Platz 42"), a));
}

void BM_CsvExport100000(benchmark::State &state)
{
    dbase::Table t;
    smallJournal().open(t);
    const QString path = smallJournal().dir.filePath(QStringLiteral("export.csv"));
    for (auto _ : state)
        exportJournalCsv(*smallJournal().ws, t, path, {}, false);
    state.counters["bytes"] = double(QFile(path).size());
}

void BM_SummarisedExport100000(benchmark::State &state)
{
    dbase::Table t;
    smallJournal().open(t);
    const QString path = smallJournal().dir.filePath(QStringLiteral("summary.csv"));
    for (auto _ : state)
        exportJournalCsv(*smallJournal().ws, t, path, {}, true);
}

void BM_BestCustomers(benchmark::State &state)
{
    for (auto _ : state)
        benchmark::DoNotOptimize(bestCustomers(*journal().ws));
}

}  // namespace

BENCHMARK(BM_ArticleFilterScan)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_TextFilterScan)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ConsumptionOfOneArticle)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_StoragePlaceBalance)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_CsvExport100000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SummarisedExport100000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_BestCustomers)->Unit(benchmark::kMillisecond);
BENCHMARK_MAIN();
