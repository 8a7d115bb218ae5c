#pragma once

#include "cli/console_prompter.h"
#include "core/app/workspace.h"
#include "core/base/clock.h"

#include <QStringList>

#include <memory>

namespace morvane::cli {

// What every command gets: the data folder chosen with --data (default: the
// program's per-user data folder) and a way to open a workspace on it.
struct CliContext {
    QString dataFolder;
    base::SystemClock clock;
    ConsolePrompter prompter;

    // A workspace on the data folder with its dictionary loaded; the article
    // file is not read yet.
    std::unique_ptr<app::Workspace> workspace();
};

int usage();

}  // namespace morvane::cli
