#pragma once

#include "core/app/workspace.h"

namespace morvane::settings {

// Loading and saving "options.dat" of the data folder for a workspace.
class OptionsStore {
public:
    // A missing or unreadable file keeps the defaults; warehouse names found
    // in it go into the dictionary.
    static void LoadOptions(app::Workspace &ws);
    // Writes what this workstation changed since it loaded the file over
    // what the file holds now, so another workstation's change of the
    // password or a switch is not reverted. A failed write is reported.
    static bool SaveOptions(app::Workspace &ws);
    static QString path(const app::Workspace &ws);
};

}  // namespace morvane::settings
