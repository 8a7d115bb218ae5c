#include "cli/article_edit_command.h"

#include "core/articles/article_editing.h"
#include "core/articles/article_io.h"
#include "core/articles/article_numbers.h"
#include "core/articles/field_update.h"
#include "core/settings/options_store.h"

#include <QTextStream>

namespace morvane::cli {

namespace {

QTextStream &err()
{
    static QTextStream stream(stderr);
    return stream;
}

// Whoever typed the command already answered the dialog's questions: the
// delete question with the command itself, the duplicate-number question
// with --allow-duplicate-number. Everything else goes to the console.
class CommandLineAnswers final : public base::Prompter {
public:
    CommandLineAnswers(base::Prompter &console, bool allowDuplicateNumber)
        : console_(console), allowDuplicate_(allowDuplicateNumber)
    {
    }
    void inform(const base::Message &message) override { console_.inform(message); }
    base::Answer ask(const base::Message &message, base::Buttons buttons) override
    {
        if (message.number == 14)
            return base::Answer::Yes;
        if (message.number == 37) {
            if (!allowDuplicate_)
                err() << "another article has this number; --allow-duplicate-number creates it anyway\n";
            return allowDuplicate_ ? base::Answer::Yes : base::Answer::No;
        }
        return console_.ask(message, buttons);
    }
    std::optional<QString> askText(const base::Message &message, const QString &preset) override
    {
        return console_.askText(message, preset);
    }

private:
    base::Prompter &console_;
    bool allowDuplicate_;
};

int resultCode(articles::EditResult result)
{
    switch (result) {
    case articles::EditResult::Created:
    case articles::EditResult::Saved:
    case articles::EditResult::Deleted:
        return 0;
    case articles::EditResult::AccessRefused:
        err() << "another workstation is changing the data\n";
        return 3;
    case articles::EditResult::NotPermitted:
        err() << "not allowed by the administrator's settings\n";
        return 3;
    case articles::EditResult::NothingSelected:
        err() << "no such article\n";
        return 1;
    case articles::EditResult::Invalid:
        err() << "an article needs a name\n";
        return 2;
    case articles::EditResult::Cancelled:
        return 1;
    case articles::EditResult::IoError:
        return 1;
    }
    return 1;
}

int create(CliContext &context, const QStringList &args)
{
    if (args.size() < 2 || args[1].isEmpty() || args[1].startsWith(QStringLiteral("--"))) {
        err() << "usage: articles new NAME [--number N] [--barcode B] [--field FIELD=VALUE ...] "
                 "[--auto-number] [--free-ean 8|13] [--allow-duplicate-number]\n";
        return 2;
    }
    articles::EditingOptions options;
    std::optional<QString> number, barcode;
    std::vector<std::pair<int, QString>> fields;
    bool allowDuplicate = false;
    for (int i = 2; i < args.size(); ++i) {
        const QString &a = args[i];
        const bool hasValue = i + 1 < args.size();
        if (a == QLatin1String("--number") && hasValue) {
            number = args[++i];
        } else if (a == QLatin1String("--barcode") && hasValue) {
            barcode = args[++i];
        } else if (a == QLatin1String("--field") && hasValue) {
            const QString assignment = args[++i];
            const qsizetype eq = assignment.indexOf(u'=');
            const auto field = eq > 0 ? articles::fieldFromText(assignment.left(eq)) : std::nullopt;
            if (!field) {
                err() << "unknown field in " << assignment << "\n";
                return 2;
            }
            fields.emplace_back(*field, assignment.mid(eq + 1));
        } else if (a == QLatin1String("--auto-number")) {
            options.autoNumberOnCreate = true;
        } else if (a == QLatin1String("--free-ean") && hasValue) {
            const QString kind = args[++i];
            if (kind == QLatin1String("8"))
                options.barcodePreset = articles::BarcodePreset::FreeEan8;
            else if (kind == QLatin1String("13"))
                options.barcodePreset = articles::BarcodePreset::FreeEan13;
            else {
                err() << "--free-ean takes 8 or 13\n";
                return 2;
            }
        } else if (a == QLatin1String("--allow-duplicate-number")) {
            allowDuplicate = true;
        } else {
            err() << "unknown option " << a << "\n";
            return 2;
        }
    }

    auto ws = context.workspace();
    CommandLineAnswers answers(context.prompter, allowDuplicate);
    ws->prompter = &answers;
    settings::OptionsStore::LoadOptions(*ws);
    articles::OpenFile(*ws);
    settings::Session session;  // a script works as nobody in particular
    articles::ArticleEditor editor(*ws, session);
    articles::Article draft;
    const articles::EditResult begun = editor.beginCreate(options, draft);
    if (begun != articles::EditResult::Created)
        return resultCode(begun);
    draft.name = args[1];
    if (number)
        draft.field(articles::ArtikelNr) = *number;
    if (barcode)
        draft.field(articles::Barcode) = *barcode;
    for (const auto &[field, value] : fields)
        draft.field(field) = value;
    if (!editor.confirmNumber(draft)) {
        editor.cancel();
        return 1;
    }
    const articles::EditResult result = editor.commit(draft, false);
    if (result == articles::EditResult::Created) {
        const articles::Article &created = ws->articles[std::size_t(editor.row())];
        QTextStream(stdout) << articles::GetFirstartnr(created.field(articles::ArtikelNr)) << "\t"
                            << created.field(articles::Barcode) << "\n";
    }
    return resultCode(result);
}

int remove(CliContext &context, const QStringList &args)
{
    if (args.size() != 2 || args[1].isEmpty()) {
        err() << "usage: articles delete NUMBER\n";
        return 2;
    }
    auto ws = context.workspace();
    CommandLineAnswers answers(context.prompter, false);
    ws->prompter = &answers;
    settings::OptionsStore::LoadOptions(*ws);
    articles::OpenFile(*ws);
    std::vector<int> rows;
    for (std::size_t i = 0; i < ws->articles.size(); ++i) {
        if (articles::checkartnr(ws->articles[i].field(articles::ArtikelNr), args[1]))
            rows.push_back(int(i));
    }
    if (rows.empty()) {
        err() << "no article with number " << args[1] << "\n";
        return 1;
    }
    settings::Session session;
    const articles::DeleteOutcome out = articles::deleteArticles(*ws, session, rows, rows.front());
    if (out.result == articles::EditResult::Deleted)
        QTextStream(stdout) << out.count << "\n";
    return resultCode(out.result);
}

}  // namespace

int runArticleEditCommand(CliContext &context, const QStringList &args)
{
    if (args.value(0) == QLatin1String("new"))
        return create(context, args);
    if (args.value(0) == QLatin1String("delete"))
        return remove(context, args);
    err() << "usage: articles new NAME ... | articles delete NUMBER\n";
    return 2;
}

}  // namespace morvane::cli
