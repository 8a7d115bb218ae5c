#include "core/booking/external_command.h"

namespace morvane::booking {

QStringList ExternalCommand::arguments(const JournalRecord &record)
{
    QStringList list;
    list.reserve(kJournalFieldCount);
    for (const QString &field : record)
        list << field;
    return list;
}

bool ExternalCommand::start(app::ProcessLauncher &launcher, const JournalRecord &record) const
{
    if (!enabled())
        return false;
    return launcher.start(program.trimmed(), arguments(record));
}

}  // namespace morvane::booking
