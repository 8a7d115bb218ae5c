#pragma once

#include "core/app/workspace.h"

#include <optional>

namespace morvane::booking {

enum class WholePiecesResult {
    Converted,      // every value is whole now; the quantity fields take integers
    Cancelled,      // the user stopped at a question; what was rounded before is saved
    AccessRefused,  // another workstation holds the write phase
    IoError,        // the article file could not be written; nothing changed
};

// The whole number a quantity text becomes: the nearest integer, halves to
// the even neighbour, and 0 for a text that is no number. nullopt when the
// text is whole already (it is only rewritten without decimals).
std::optional<QString> roundedWholePiece(const QString &value, const base::FormatSettings &format);

// "Mengeneingabe nur in ganzen Stück möglich" switched on: row by row,
// "Menge" and then "Mindestbestand" become integers. A value that needs
// rounding is asked first (messages 86 and 190, the article name as
// caption); Cancel ends the run at once. An empty value stays empty.
// Everything happens inside one write phase.
WholePiecesResult switchToWholePieces(app::Workspace &ws);

}  // namespace morvane::booking
