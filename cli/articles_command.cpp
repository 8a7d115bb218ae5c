#include "cli/articles_command.h"
#include "cli/article_edit_command.h"
#include "cli/command_registry.h"

#include "core/articles/article_file.h"
#include "core/articles/article_io.h"
#include "core/articles/field_update.h"
#include "core/articles/column_titles.h"
#include "core/articles/sample_articles.h"
#include "core/base/atomic_file.h"
#include "core/base/csv.h"

#include <QDeadlineTimer>
#include <QFile>
#include <QRandomGenerator>
#include <QThread>
#include <QTextStream>

#include <cstdio>
#include <optional>

namespace morvane::cli {

namespace {

using articles::ArticleFile;
using articles::ArticleFileContent;
using articles::ArticleFileSettings;

QTextStream &err()
{
    static QTextStream stream(stderr);
    return stream;
}

std::optional<ArticleFileContent> load(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        err() << "cannot read " << path << ": " << file.errorString() << "\n";
        return std::nullopt;
    }
    return ArticleFile::parse(file.readAll(), ArticleFileSettings());
}

bool save(const QString &path, const ArticleFileContent &content)
{
    articles::RenameGroup current = content.currentRenames.value_or(articles::RenameGroup{3, {}});
    const auto written = base::AtomicFile::write(
        path, ArticleFile::serialize(content.articles, content.settings, current, content.slotRenames));
    if (!written)
        err() << "cannot write " << path << ": " << written.error << "\n";
    return written.ok;
}

int dump(const QString &path)
{
    const auto content = load(path);
    if (!content)
        return 1;
    QByteArray out;
    QStringList header;
    for (const QString &title : articles::listColumnTitles())
        header << title;
    out += base::Csv::joinLine(header).toUtf8() + "\r\n";
    for (const articles::Article &a : content->articles) {
        QStringList values{a.name};
        for (const QString &field : a.fields)
            values << field;
        out += base::Csv::joinLine(values).toUtf8() + "\r\n";
    }
    std::fwrite(out.constData(), 1, std::size_t(out.size()), stdout);
    return 0;
}

int generate(const QStringList &args)
{
    bool ok = false;
    const int count = args.value(0).toInt(&ok);
    if (!ok || count < 0 || args.size() < 2) {
        err() << "usage: morvane-cli articles generate N FILE [--seed S]\n";
        return 2;
    }
    quint64 seed = 1;
    const qsizetype seedAt = args.indexOf(QStringLiteral("--seed"));
    if (seedAt >= 0) {
        seed = args.value(seedAt + 1).toULongLong(&ok);
        if (!ok) {
            err() << "--seed needs a number\n";
            return 2;
        }
    }
    ArticleFileContent content;
    content.articles = articles::generateSampleArticles(count, seed);
    return save(args[1], content) ? 0 : 1;
}

std::unique_ptr<app::Workspace> openArticles(CliContext &context)
{
    auto ws = context.workspace();
    articles::OpenFile(*ws);
    return ws;
}

int get(CliContext &context, const QStringList &args)
{
    const auto field = articles::fieldFromText(args.value(1));
    if (!field) {
        err() << "unknown field " << args.value(1) << "\n";
        return 2;
    }
    auto ws = openArticles(context);
    const int index = articles::findArticleByNumber(ws->articles, args[0]);
    if (index < 0) {
        err() << "no article with number " << args[0] << "\n";
        return 1;
    }
    QTextStream(stdout) << ws->articles[std::size_t(index)].field(*field) << "\n";
    return 0;
}

// Waits for the write phase like a patient user: while another workstation
// holds it, try again a little later.
int set(CliContext &context, const QStringList &args)
{
    const auto field = articles::fieldFromText(args.value(1));
    if (!field) {
        err() << "unknown field " << args.value(1) << "\n";
        return 2;
    }
    context.prompter.quiet = true;
    auto ws = openArticles(context);
    QDeadlineTimer deadline(60000);
    while (true) {
        switch (articles::setArticleField(*ws, args[0], *field, args[2])) {
        case articles::FieldUpdateResult::Changed:
        case articles::FieldUpdateResult::Unchanged:
            return 0;
        case articles::FieldUpdateResult::NotFound:
            err() << "no article with number " << args[0] << "\n";
            return 1;
        case articles::FieldUpdateResult::IoError:
            return 1;
        case articles::FieldUpdateResult::Refused:
            if (deadline.hasExpired()) {
                err() << "the data folder stayed busy\n";
                return 1;
            }
            QThread::msleep(5 + QRandomGenerator::global()->bounded(20));
            break;
        }
    }
}

}  // namespace

static const CommandRegistration registration(
    QStringLiteral("articles"), runArticlesCommand,
    "articles dump FILE | generate N FILE [--seed S] | load FILE | save IN OUT | get NUMBER FIELD"
    " | set NUMBER FIELD VALUE\n"
    "  morvane-cli articles new NAME [--number N] [--barcode B] [--field FIELD=VALUE ...] [--auto-number]"
    " [--free-ean 8|13] [--allow-duplicate-number] | delete NUMBER");

int runArticlesCommand(CliContext &context, const QStringList &args)
{
    if (args.value(0) == QLatin1String("new") || args.value(0) == QLatin1String("delete"))
        return runArticleEditCommand(context, args);
    if (args.value(0) == QLatin1String("get") && args.size() == 3)
        return get(context, args.mid(1));
    if (args.value(0) == QLatin1String("set") && args.size() == 4)
        return set(context, args.mid(1));
    const QString verb = args.value(0);
    if (verb == QLatin1String("dump") && args.size() == 2)
        return dump(args[1]);
    if (verb == QLatin1String("generate"))
        return generate(args.mid(1));
    if (verb == QLatin1String("load") && args.size() == 2) {
        const auto content = load(args[1]);
        if (!content)
            return 1;
        QTextStream(stdout) << content->articles.size() << " articles\n";
        return 0;
    }
    if (verb == QLatin1String("save") && args.size() == 3) {
        const auto content = load(args[1]);
        return content && save(args[2], *content) ? 0 : 1;
    }
    (void)context;
    return usage();
}

}  // namespace morvane::cli
