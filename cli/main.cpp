// morvane-cli: scripting, checks and benchmarks over the program's core.
// Commands register themselves (see command_registry.h).
#include "cli/cli_context.h"
#include "cli/command_registry.h"
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
    if (const auto status = morvane::cli::runRegisteredCommand(context, args))
        return *status;
    return morvane::cli::usage();
}
