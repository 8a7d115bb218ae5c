#include "core/app/process_launcher.h"

#include <QProcess>

namespace morvane::app {

bool ProcessLauncher::start(const QString &program, const QStringList &arguments)
{
    return QProcess::startDetached(program, arguments);
}

}  // namespace morvane::app
