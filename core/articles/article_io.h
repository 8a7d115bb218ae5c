#pragma once

#include "core/app/workspace.h"

namespace morvane::articles {

enum class ReadResult { Read, Refused, Missing, Unreadable };
enum class SaveResult { Saved, IoError };

// Reads an article file into the workspace inside a read phase: the list and
// the settings that travel with it are replaced; column renamings go into the
// dictionary. A missing file leaves the list as it is; an unreadable one
// shows message 13. Reading never writes the article file.
ReadResult OpenFileFromName(app::Workspace &ws, const QString &path);
ReadResult OpenFile(app::Workspace &ws);

// Writes the whole list. The article file of a warehouse goes through its
// work file ("templager.dat") and replaces the old file in one step; a failed
// write shows message 12 and leaves the old file as it was.
SaveResult SaveFileUnderName(app::Workspace &ws, const QString &path);
SaveResult SaveFile(app::Workspace &ws);

// The read itself, without opening or ending a phase (the caller holds one).
ReadResult readArticleFile(app::Workspace &ws, const QString &path);

}  // namespace morvane::articles
