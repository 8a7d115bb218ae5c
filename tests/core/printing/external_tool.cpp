#include "external_tool.h"

#include <QFile>
#include <QProcess>
#include <QStandardPaths>

#include <gtest/gtest.h>

namespace morvane::printing::test {

ToolRun runTool(const QString &program, const QStringList &arguments, const QString &package)
{
    ToolRun run;
    const QString path = program.startsWith(u'/') ? program : QStandardPaths::findExecutable(program);
    if (path.isEmpty() || !QFile::exists(path)) {
        ADD_FAILURE() << program.toStdString() << " is missing: apt-get install -y " << package.toStdString();
        return run;
    }
    QProcess process;
    process.start(path, arguments);
    if (!process.waitForStarted(10000) || !process.waitForFinished(120000)) {
        ADD_FAILURE() << program.toStdString() << " did not run: " << process.errorString().toStdString();
        return run;
    }
    run.started = true;
    run.exitCode = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    run.out = process.readAllStandardOutput();
    run.err = process.readAllStandardError();
    return run;
}

}  // namespace morvane::printing::test
