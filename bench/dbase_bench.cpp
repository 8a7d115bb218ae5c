// The dBase engine on a generated booking journal (1,000,000 records by
// default, MORVANE_BENCH_RECORDS to change), each figure beside a plain read
// or copy of the same file and beside an independent reader.
#include "bench/generated_journal.h"
#include "core/dbase/table.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <cstdlib>

using namespace morvane::dbase;
using morvane::booking::journalFields;

namespace {

struct Journal {
    QTemporaryDir dir;
    QString path;
    qint64 records = 0;

    Journal()
    {
        const char *env = std::getenv("MORVANE_BENCH_RECORDS");
        records = env ? std::atoll(env) : 1000000;
        path = QDir(dir.path()).filePath("buchungen.dbf");
        morvane::bench::writeGeneratedJournal(dir.path(), "buchungen.dbf", records,
                                              [](qint64 n, const morvane::bench::PutField &put) {
                                                  put(0, (n % 3) ? "-" : "+");
                                                  put(1, "Article " + QByteArray::number(n % 100000));
                                                  put(2, QByteArray::number(4000000000000 + n % 100000));
                                                  put(4, "1,00");
                                                  put(6, "07.03.2024");
                                                  put(15, "KST" + QByteArray::number(n % 50));
                                                  put(22, "free text of a booking");
                                              });
    }
};

Journal &journal()
{
    static Journal j;
    return j;
}

void openJournal(Table &t)
{
    t.setFolder(journal().dir.path());
    t.setFileName("buchungen.dbf");
    t.open();
}

void BM_PlainRead(benchmark::State &state)
{
    journal();  // generated once, outside the timing
    QByteArray buffer(1 << 20, Qt::Uninitialized);
    for (auto _ : state) {
        QFile f(journal().path);
        f.open(QIODevice::ReadOnly);
        qint64 total = 0;
        for (qint64 n; (n = f.read(buffer.data(), buffer.size())) > 0;)
            total += n;
        benchmark::DoNotOptimize(total);
    }
}

void BM_FilteredScan(benchmark::State &state)
{
    journal();  // generated once, outside the timing
    Table t;
    openJournal(t);
    t.setFilter([](const Table &r) { return r.fieldText(15) == QLatin1String("KST7"); });
    t.setFiltered(true);
    for (auto _ : state) {
        qint64 hits = 0;
        for (t.first(); !t.eof(); t.next())
            ++hits;
        benchmark::DoNotOptimize(hits);
    }
}

void BM_Append(benchmark::State &state)
{
    journal();  // generated once, outside the timing
    Table t;
    openJournal(t);
    for (auto _ : state) {
        t.insert();
        t.setFieldText(0, QStringLiteral("-"));
        t.setFieldText(1, QStringLiteral("Appended article"));
        t.post();
    }
}

void BM_OrderByTag(benchmark::State &state)
{
    journal();  // generated once, outside the timing
    Table t;
    openJournal(t);
    t.addIndexTag("FIELDA", "Article");
    for (auto _ : state) {
        t.selectIndexTag("FIELDA");
        t.selectIndexTag("");
    }
}

void BM_PlainCopy(benchmark::State &state)
{
    journal();  // generated once, outside the timing
    const QString copy = QDir(journal().dir.path()).filePath("copy.dbf");
    for (auto _ : state) {
        QFile::remove(copy);
        QFile::copy(journal().path, copy);
    }
    QFile::remove(copy);
}

void BM_Rebuild(benchmark::State &state)
{
    journal();  // generated once, outside the timing
    Table t;
    openJournal(t);
    Table::RebuildPlan plan;
    plan.fields = journalFields();
    for (auto _ : state)
        t.rebuild(plan);
}

void BM_PgdbfRead(benchmark::State &state)
{
    journal();  // generated once, outside the timing
    for (auto _ : state) {
        QProcess p;
        p.setStandardOutputFile(QProcess::nullDevice());
        p.start("pgdbf", {journal().path});
        if (!p.waitForFinished(-1) || p.exitCode() != 0) {
            state.SkipWithError("pgdbf missing or failed (apt-get install -y pgdbf)");
            return;
        }
    }
}

}  // namespace

BENCHMARK(BM_PlainRead)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(BM_FilteredScan)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(BM_Append)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_OrderByTag)->Unit(benchmark::kMillisecond)->Iterations(2);
BENCHMARK(BM_PlainCopy)->Unit(benchmark::kMillisecond)->Iterations(2);
BENCHMARK(BM_Rebuild)->Unit(benchmark::kMillisecond)->Iterations(2);
BENCHMARK(BM_PgdbfRead)->Unit(benchmark::kMillisecond)->Iterations(1);
BENCHMARK_MAIN();
