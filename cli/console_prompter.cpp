#include "cli/console_prompter.h"

#include <QTextStream>

namespace morvane::cli {

namespace {

void print(const base::Message &message)
{
    QTextStream err(stderr);
    if (!message.title.isEmpty())
        err << message.title << ": ";
    err << message.text << "\n";
}

}  // namespace

void ConsolePrompter::inform(const base::Message &message)
{
    if (!quiet)
        print(message);
}

base::Answer ConsolePrompter::ask(const base::Message &message, base::Buttons)
{
    if (!quiet)
        print(message);
    return base::Answer::Cancel;
}

std::optional<QString> ConsolePrompter::askText(const base::Message &message, const QString &)
{
    if (!quiet)
        print(message);
    return std::nullopt;
}

}  // namespace morvane::cli
