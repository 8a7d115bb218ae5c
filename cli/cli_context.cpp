#include "cli/cli_context.h"

#include "cli/command_registry.h"
#include "core/app/folders.h"

#include <QCoreApplication>
#include <QTextStream>

namespace morvane::cli {

std::unique_ptr<app::Workspace> CliContext::workspace()
{
    const QString programFolder = app::withTrailingSlash(QCoreApplication::applicationDirPath());
    app::Folders folders{app::withTrailingSlash(dataFolder), programFolder,
                         app::withTrailingSlash(app::GetProgramDir(true, programFolder))};
    auto ws = std::make_unique<app::Workspace>(folders, clock, prompter);
    ws->format = base::FormatSettings::german();
    ws->loadDictionary();
    return ws;
}

int usage()
{
    QTextStream err(stderr);
    err << "usage: morvane-cli [--data DIR] COMMAND ...\n";
    for (const QString &line : registeredUsages())
        err << "  morvane-cli " << line << "\n";
    return 2;
}

}  // namespace morvane::cli
