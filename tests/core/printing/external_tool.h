#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

namespace morvane::printing::test {

struct ToolRun {
    bool started = false;
    int exitCode = -1;
    QByteArray out;
    QByteArray err;
};

// Runs an independent checker. A checker that is not installed is a test
// failure naming the package to install, never a silent pass.
ToolRun runTool(const QString &program, const QStringList &arguments, const QString &package);

}  // namespace morvane::printing::test
