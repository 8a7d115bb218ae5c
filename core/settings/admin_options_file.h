#pragma once

#include "core/app/folders.h"

#include <QString>

namespace morvane::settings {

// "adminoptions.dat" in the per-user folder: where this workstation keeps
// its data folder.
class AdminOptionsFile {
public:
    // A missing or short file keeps the defaults (the per-user folder).
    static app::DataFolderChoice load(const QString &path);
    static bool save(const QString &path, const app::DataFolderChoice &choice);
};

}  // namespace morvane::settings
