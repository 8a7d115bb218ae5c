#pragma once

#include <QString>
#include <QStringList>

namespace morvane::app {

// Starts external programs (booking hook, till receipt command, mail
// program). Always a program and an argument list: no shell ever sees the
// arguments, so data can never become a command. Tests replace start().
class ProcessLauncher {
public:
    virtual ~ProcessLauncher() = default;
    // True when the program was started; it runs on by itself.
    virtual bool start(const QString &program, const QStringList &arguments);
};

}  // namespace morvane::app
