// morvane-cli: scripting, checks and benchmarks over the program's core.
#include "cli/articles_command.h"

#include <QCoreApplication>
#include <QTextStream>

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    QStringList args = app.arguments().mid(1);
    if (!args.isEmpty() && args.front() == QLatin1String("articles"))
        return morvane::cli::runArticlesCommand(args.mid(1));
    QTextStream(stderr) << "usage: morvane-cli articles dump|generate|load|save ...\n";
    return 2;
}
