#pragma once

#include <QString>

namespace morvane::ui {

// Switches the look of the whole program to one of the named styles of
// "Aussehen der Programmoberfläche": "Windows" is Qt's Windows style with the
// system colours; every other name is Fusion with a palette of its own.
void SetProgramStyle(const QString &name);

}  // namespace morvane::ui
