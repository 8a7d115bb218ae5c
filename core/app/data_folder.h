#pragma once

#include "core/app/folders.h"
#include "core/app/workspace.h"

namespace morvane::app {

// Decides the data folder at start from the administrator's choice. A program
// folder or special folder that cannot be written falls back to the per-user
// folder (the special folder only when the user agrees, message 233); the
// changed choice is stored in "adminoptions.dat". The command line's
// "-setpath" then overrides the folder for this run without storing anything.
struct DataFolderDecision {
    QString progpath;
    DataFolderChoice choice;
    bool choiceChanged = false;
};

DataFolderDecision chooseDataFolder(Workspace &ws, const DataFolderChoice &choice, const CommandLine &commandLine);

}  // namespace morvane::app
