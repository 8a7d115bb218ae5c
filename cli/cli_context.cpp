#include "cli/cli_context.h"

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
    QTextStream(stderr) << "usage: morvane-cli [--data DIR] articles dump FILE | generate N FILE [--seed S]"
                           " | load FILE | save IN OUT\n";
    return 2;
}

}  // namespace morvane::cli
