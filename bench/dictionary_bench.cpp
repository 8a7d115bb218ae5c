// The translation dictionary: loading a large "translate.dat", looking texts
// up, and a first start that meets many new texts.
#include "core/i18n/dictionary.h"
#include "core/i18n/translator.h"

#include <benchmark/benchmark.h>

using namespace morvane::i18n;

namespace {

QByteArray largeFile()
{
    static const QByteArray bytes = [] {
        Dictionary d;
        for (int i = 0; i < 20000; ++i) {
            const int e = d.add(QStringLiteral("Text Nummer %1 für die Übersetzung").arg(i));
            for (int slot = 1; slot < Dictionary::kSlots; slot += 3)
                d.setText(e, slot, QStringLiteral("Translation %1 in %2").arg(i).arg(slot));
        }
        return d.serialize();
    }();
    return bytes;
}

void LoadDictionary20000(benchmark::State &state)
{
    const QByteArray bytes = largeFile();
    for (auto _ : state) {
        Dictionary d;
        benchmark::DoNotOptimize(d.parse(bytes));
    }
    state.SetBytesProcessed(state.iterations() * bytes.size());
}

void Lookups100000(benchmark::State &state)
{
    Dictionary d;
    d.parse(largeFile());
    Translator t(d);
    t.setLanguage(1);
    QStringList keys;
    for (int i = 0; i < 1000; ++i)
        keys << QStringLiteral("Text Nummer %1 für die Übersetzung").arg(i * 19);
    for (auto _ : state) {
        for (int i = 0; i < 100000; ++i)
            benchmark::DoNotOptimize(t.translate(keys[i % keys.size()]));
    }
}

void FirstStartWith5000NewTexts(benchmark::State &state)
{
    for (auto _ : state) {
        Dictionary d;
        Translator t(d);
        int writes = 0;
        for (int i = 0; i < 5000; ++i)
            t.translate(QStringLiteral("Neu %1").arg(i));
        if (t.isDirty()) {  // the start-up saves once after the batch
            benchmark::DoNotOptimize(d.serialize());
            ++writes;
        }
        state.counters["file_writes"] = writes;
    }
}

}  // namespace

BENCHMARK(LoadDictionary20000)->Unit(benchmark::kMillisecond);
BENCHMARK(Lookups100000)->Unit(benchmark::kMillisecond);
BENCHMARK(FirstStartWith5000NewTexts)->Unit(benchmark::kMillisecond);
BENCHMARK_MAIN();
