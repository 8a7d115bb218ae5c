#include "core/articles/shared_access.h"

#include "core/articles/article_io.h"
#include "core/base/marker_file.h"

#include <QFileInfo>

namespace morvane::articles {

namespace {

// Message 42 and, when "NEIN" is forbidden, message 231. True = go on.
bool mayProceedDespiteMarker(app::Workspace &ws)
{
    const base::Answer answer = ws.ask(42, base::Buttons::YesNoCancel, base::Icon::Stop);
    if (answer != base::Answer::No)
        return false;
    if (ws.options.doNotAllowNein) {
        ws.inform(231, base::Icon::Error);
        return false;
    }
    return true;
}

}  // namespace

bool SharedAccess::changedOnDisk(const app::Workspace &ws)
{
    return fileAge(ws.articleFilePath()) != ws.kownfileage;
}

namespace {

// The exclusive create makes this workstation the owner of the phase; a
// marker that already exists belongs to someone else, and ending our phase
// would delete it under their feet.
bool openPhase(app::Workspace &ws)
{
    const base::MarkerFile marker(ws.markerPath());
    if (marker.tryCreate())
        return true;
    if (!mayProceedDespiteMarker(ws))
        return false;
    marker.touch();
    return true;
}

}  // namespace

bool SharedAccess::canreadnow(app::Workspace &ws)
{
    return openPhase(ws);
}

bool SharedAccess::canwritenow(app::Workspace &ws)
{
    if (!openPhase(ws))
        return false;
    const base::MarkerFile marker(ws.markerPath());
    if (changedOnDisk(ws)) {
        // Read under our own marker: the phase is already open.
        if (readArticleFile(ws, ws.articleFilePath()) != ReadResult::Read && changedOnDisk(ws)) {
            marker.remove();
            return false;
        }
    }
    return true;
}

void SharedAccess::EndWriteMow(app::Workspace &ws)
{
    base::MarkerFile(ws.markerPath()).remove();
}

bool SharedAccess::IstDBAktuell(app::Workspace &ws)
{
    if (!changedOnDisk(ws))
        return true;
    OpenFile(ws);
    return !changedOnDisk(ws);
}

}  // namespace morvane::articles

namespace morvane::articles {

SharedAccess::Change SharedAccess::inWritePhase(app::Workspace &ws, const std::function<bool()> &change)
{
    if (!canwritenow(ws))
        return Change::Refused;
    Change result = Change::Cancelled;
    if (change())
        result = SaveFile(ws) == SaveResult::Saved ? Change::Saved : Change::IoError;
    EndWriteMow(ws);
    return result;
}

}  // namespace morvane::articles
