// The customer table at 10,000 records (MORVANE_BENCH_CUSTOMERS to change):
// open and take the grid's rows, search, sort by a column, CSV export and
// import, each on the same generated table.
#include "core/addresses/address_book.h"
#include "core/addresses/address_csv.h"
#include "core/app/workspace.h"
#include "core/base/clock.h"
#include "core/base/scripted_prompter.h"

#include <QFile>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <cstdlib>

using namespace morvane;
using namespace morvane::addresses;

namespace {

int customerCount()
{
    const char *env = std::getenv("MORVANE_BENCH_CUSTOMERS");
    return env ? std::atoi(env) : 10000;
}

struct Customers {
    QTemporaryDir dir;
    base::SystemClock clock;
    base::ScriptedPrompter prompter;
    std::unique_ptr<app::Workspace> ws;
    std::unique_ptr<AddressBook> book;

    Customers()
    {
        const QString folder = dir.path() + u'/';
        ws = std::make_unique<app::Workspace>(app::Folders{folder, folder, folder}, clock, prompter);
        book = std::make_unique<AddressBook>(*ws, AddressKind::Customers);
        book->InitDataBase();
        const QStringList towns{"Berlin", QString::fromUtf8("München"), QString::fromUtf8("Köln"), "Hamburg"};
        for (int i = 0; i < customerCount(); ++i) {
            QStringList v(15);
            v[0] = QStringLiteral("Firma %1").arg((i * 7919) % 100000);
            v[1] = i % 3 ? QString::fromUtf8("Müller") : QStringLiteral("Schmidt");
            v[6] = towns.at(i % towns.size());
            v[11] = QStringLiteral("k%1@example.org").arg(i);
            v[12] = i % 5 ? QString() : QStringLiteral("Notiz %1").arg(i);
            book->saveRecord(std::nullopt, v);
        }
    }

    static Customers &shared()
    {
        static Customers c;
        return c;
    }
};

void BM_OpenAndGridRows(benchmark::State &state)
{
    Customers &c = Customers::shared();
    for (auto _ : state) {
        AddressBook book(*c.ws, AddressKind::Customers);
        book.InitDataBase();
        benchmark::DoNotOptimize(book.table().visibleRecordNumbers());
    }
}
BENCHMARK(BM_OpenAndGridRows)->Unit(benchmark::kMillisecond);

void BM_Search(benchmark::State &state)
{
    Customers &c = Customers::shared();
    for (auto _ : state) {
        c.book->setSearchText(QString::fromUtf8("munchen"));
        benchmark::DoNotOptimize(c.book->table().visibleRecordNumbers());
    }
    c.book->clearSearch();
}
BENCHMARK(BM_Search)->Unit(benchmark::kMillisecond);

void BM_SortByColumn(benchmark::State &state)
{
    Customers &c = Customers::shared();
    int field = 0;
    for (auto _ : state) {
        // Alternating columns so each round builds an order.
        c.book->sortByField(field);
        benchmark::DoNotOptimize(c.book->table().visibleRecordNumbers());
        field = field == 0 ? 6 : 0;
    }
}
BENCHMARK(BM_SortByColumn)->Unit(benchmark::kMillisecond);

void BM_CsvExport(benchmark::State &state)
{
    Customers &c = Customers::shared();
    const QString path = c.dir.filePath("export.csv");
    for (auto _ : state)
        AddressCsv::exportFile(*c.ws, c.book->table(), path, {});
}
BENCHMARK(BM_CsvExport)->Unit(benchmark::kMillisecond);

void BM_CsvImport(benchmark::State &state)
{
    Customers &c = Customers::shared();
    const QString path = c.dir.filePath("import.csv");
    AddressCsv::exportFile(*c.ws, c.book->table(), path, {});
    for (auto _ : state) {
        state.PauseTiming();
        QTemporaryDir target;
        app::Workspace ws(app::Folders{target.path() + u'/', target.path() + u'/', target.path() + u'/'}, c.clock,
                          c.prompter);
        AddressBook book(ws, AddressKind::Customers);
        book.InitDataBase();
        state.ResumeTiming();
        AddressCsv::importFile(ws, book.table(), path, {});
    }
}
BENCHMARK(BM_CsvImport)->Unit(benchmark::kMillisecond)->Iterations(3);

}  // namespace

BENCHMARK_MAIN();
