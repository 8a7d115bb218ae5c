#pragma once

#include "core/app/workspace.h"

#include <QDateTime>

#include <functional>

namespace morvane::articles {

// Coordination of several workstations on one data folder: a marker file per
// warehouse says that some workstation is reading or changing the article
// file, and the file's last-write time tells the others to re-read it.
//
// Every change follows one pattern: canwritenow; if it answers true, change
// the rows, SaveFile; then EndWriteMow in every case the phase was opened.
class SharedAccess {
public:
    static base::FileStamp fileAge(const QString &path) { return base::FileStamp::of(path); }

    // Opens a read phase. With the marker present, asks message 42 (Yes,
    // No, Cancel); only "No" proceeds, and not when the administrator forbids
    // it (message 231).
    static bool canreadnow(app::Workspace &ws);
    // Opens a write phase: the same question as reading, then the in-memory
    // list is brought up to date so a change never overwrites another
    // workstation's newer file.
    static bool canwritenow(app::Workspace &ws);
    // Ends a read or write phase; errors are ignored.
    static void EndWriteMow(app::Workspace &ws);
    // Re-reads the article file when its age changed; true = up to date.
    static bool IstDBAktuell(app::Workspace &ws);
    // The article file changed since this workstation read it.
    static bool changedOnDisk(const app::Workspace &ws);

    enum class Change { Saved, Cancelled, Refused, IoError };
    // The pattern of every change in one place: open the write phase, let
    // `change` alter the rows or settings (it answers false when the user
    // cancelled), save, and end the phase in every case it was opened.
    static Change inWritePhase(app::Workspace &ws, const std::function<bool()> &change);
};

}  // namespace morvane::articles
