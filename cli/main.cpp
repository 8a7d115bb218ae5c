// morvane-cli: scripting, checks and benchmarks over the program's core.
#include "cli/articles_command.h"
#include "cli/cli_context.h"
#include "core/app/folders.h"

#include <QCoreApplication>

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    QStringList args = app.arguments().mid(1);
    morvane::cli::CliContext context;
    if (args.size() >= 2 && args.front() == QLatin1String("--data")) {
        context.dataFolder = args[1];
        args = args.mid(2);
    } else {
        context.dataFolder = morvane::app::GetProgramDir(true, QCoreApplication::applicationDirPath());
    }
    if (!args.isEmpty() && args.front() == QLatin1String("articles"))
        return morvane::cli::runArticlesCommand(context, args.mid(1));
    return morvane::cli::usage();
}
