// The dBase engine on a generated booking journal (1,000,000 records by
// default, MORVANE_BENCH_RECORDS to change), each figure beside a plain read
// or copy of the same file and beside an independent reader.
#include "core/dbase/table.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <cstring>

using namespace morvane::dbase;

namespace {

FieldList journalFields()
{
    const std::pair<const char *, int> widths[] = {
        {"Kind", 1},        {"Article", 45},    {"Barcode", 45},   {"Art.no.", 45},    {"Amount", 45},
        {"New amount", 45}, {"Date", 20},       {"Time", 20},      {"User", 45},       {"Batch no.", 45},
        {"Gooduntil", 20},  {"Customer", 45},   {"Price", 20},     {"VAT", 20},        {"Payment", 20},
        {"Costcenter", 11}, {"Serialno.", 20},  {"DelivDate", 20}, {"Supplier", 45},   {"Category", 45},
        {"BuyingPrice", 20}, {"DelNoteNo", 20}, {"Freetext", 100}, {"Profit", 20},     {"Pallet", 20},
        {"Area", 20},       {"BarFile", 20},    {"VAT2", 20},      {"VAT RATE", 20}};
    FieldList fields;
    for (const auto &[name, width] : widths)
        fields << Field::character(QString::fromLatin1(name), width);
    return fields;
}

struct Journal {
    QTemporaryDir dir;
    QString path;
    qint64 records = 0;

    Journal()
    {
        const char *env = std::getenv("MORVANE_BENCH_RECORDS");
        records = env ? std::atoll(env) : 1000000;
        Table t;
        t.setFolder(dir.path());
        t.setFileName("buchungen.dbf");
        t.setFieldList(journalFields());
        t.create();
        t.open();
        const TableHeader header = t.header();
        t.close();
        path = QDir(dir.path()).filePath("buchungen.dbf");
        // Written as one stream: the append path is measured on its own.
        QFile f(path);
        f.open(QIODevice::ReadWrite);
        f.seek(header.headerLength);
        QByteArray block;
        for (qint64 n = 1; n <= records; ++n) {
            QByteArray r(header.recordLength, ' ');
            auto put = [&](int field, const QByteArray &v) {
                std::memcpy(r.data() + header.fields[field].offset, v.constData(), size_t(std::min<qsizetype>(v.size(), header.fields[field].length)));
            };
            put(0, (n % 3) ? "-" : "+");
            put(1, "Article " + QByteArray::number(n % 100000));
            put(2, QByteArray::number(4000000000000 + n % 100000));
            put(4, "1,00");
            put(6, "07.03.2024");
            put(15, "KST" + QByteArray::number(n % 50));
            put(22, "free text of a booking");
            block += r;
            if (block.size() > (8 << 20)) {
                f.write(block);
                block.clear();
            }
        }
        block.append('\x1A');
        f.write(block);
        f.seek(4);
        const quint32 count = quint32(records);
        f.write(reinterpret_cast<const char *>(&count), 4);
        f.close();
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
