// Load and save of generated article files, each beside a plain copy of the
// same file so the figures can be read relative to the disk.
#include "core/articles/article_file.h"
#include "core/articles/sample_articles.h"
#include "core/base/atomic_file.h"

#include <QFile>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <map>

using namespace morvane;
using namespace morvane::articles;

namespace {

QTemporaryDir &folder()
{
    static QTemporaryDir dir;
    return dir;
}

const QString &articleFile(int count)
{
    static std::map<int, QString> files;
    auto it = files.find(count);
    if (it == files.end()) {
        const QString path = folder().filePath(QStringLiteral("lager%1.dat").arg(count));
        base::AtomicFile::write(path, ArticleFile::serialize(generateSampleArticles(count, 1), ArticleFileSettings(),
                                                             RenameGroup{3, {}}, {}));
        it = files.emplace(count, path).first;
    }
    return it->second;
}

QByteArray readWhole(const QString &path)
{
    QFile f(path);
    f.open(QIODevice::ReadOnly);
    return f.readAll();
}

void PlainCopy(benchmark::State &state)
{
    const QString source = articleFile(int(state.range(0)));
    const QString target = folder().filePath(QStringLiteral("copy.dat"));
    for (auto _ : state) {
        QFile::remove(target);
        QFile::copy(source, target);
    }
    state.SetBytesProcessed(state.iterations() * QFile(source).size());
}

void Load(benchmark::State &state)
{
    const QString source = articleFile(int(state.range(0)));
    for (auto _ : state) {
        ArticleFileContent content = ArticleFile::parse(readWhole(source), ArticleFileSettings());
        benchmark::DoNotOptimize(content.articles.data());
    }
    state.SetBytesProcessed(state.iterations() * QFile(source).size());
}

void Save(benchmark::State &state)
{
    const QString source = articleFile(int(state.range(0)));
    const ArticleFileContent content = ArticleFile::parse(readWhole(source), ArticleFileSettings());
    const QString target = folder().filePath(QStringLiteral("saved.dat"));
    for (auto _ : state) {
        const QByteArray bytes = ArticleFile::serialize(content.articles, content.settings, RenameGroup{3, {}}, {});
        base::AtomicFile::write(target, bytes, QStringLiteral("templager.dat"));
    }
    state.SetBytesProcessed(state.iterations() * QFile(source).size());
}

}  // namespace

BENCHMARK(PlainCopy)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);
BENCHMARK(Load)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);
BENCHMARK(Save)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);
BENCHMARK_MAIN();
