// morvane-cli: scripting, checks and benchmarks over the program's core.
// Commands register themselves (see command_registry.h).
#include "cli/cli_context.h"
#include "cli/command_registry.h"
#include "core/app/folders.h"

#include <QCoreApplication>
#include <QGuiApplication>

#include <memory>

int main(int argc, char **argv)
{
    // Drawing text onto pictures needs the font machinery of a GUI
    // application, but never a display.
    std::unique_ptr<QCoreApplication> app;
    bool draws = false;
    for (int i = 1; i < argc; ++i)
        draws |= QByteArray(argv[i]) == "barcode";
    if (draws) {
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
            qputenv("QT_QPA_PLATFORM", "offscreen");
        app = std::make_unique<QGuiApplication>(argc, argv);
    } else {
        app = std::make_unique<QCoreApplication>(argc, argv);
    }
    QStringList args = QCoreApplication::arguments().mid(1);
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
