#pragma once

#include "core/app/process_launcher.h"
#include "core/booking/journal.h"

#include <QStringList>

namespace morvane::booking {

// "Neue Buchungen an ein Kommandozeilenprogramm übergeben": after every
// booking the chosen program is started with the fields of the new journal
// record as its arguments, one argument per field in field order. The
// values go to the program as they are, through an argument list: no shell
// ever reads them, so a quote, a backslash or a semicolon in a booked text
// arrives as booked and cannot start anything else.
class ExternalCommand {
public:
    QString program;      // KommandoEd; empty = no hook
    bool hidden = false;  // "Aufruf versteckt/unsichtbar ausführen"; a started program has no window of ours to hide

    bool enabled() const { return !program.trimmed().isEmpty(); }

    static QStringList arguments(const JournalRecord &record);

    // Starts the program and does not wait for it. False when no program is
    // set or it could not be started.
    bool start(app::ProcessLauncher &launcher, const JournalRecord &record) const;
};

}  // namespace morvane::booking
