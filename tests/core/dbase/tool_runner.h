#pragma once

#include "dbase_fixtures.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QProcessEnvironment>
#include <QStandardPaths>

namespace morvane::dbase::fixtures {

inline constexpr const char *kInstallHint = "install it: apt-get install -y pgdbf gdal-bin shapelib python3-dbfread; "
                                     "npm install --prefix build-node dbffile (scripts/install-deps.sh does both)";

struct ToolRun {
    int exitCode = -1;
    QByteArray out;
    QByteArray err;
};

// Runs an independent tool; a missing tool fails the test, it never passes.
inline ToolRun runTool(const QString &program, const QStringList &args, const QProcessEnvironment &env = QProcessEnvironment::systemEnvironment())
{
    ToolRun r;
    if (QStandardPaths::findExecutable(program).isEmpty() && !QFile::exists(program)) {
        ADD_FAILURE() << program.toStdString() << " not found; " << kInstallHint;
        return r;
    }
    QProcess p;
    p.setProcessEnvironment(env);
    p.start(program, args);
    if (!p.waitForFinished(120000)) {
        ADD_FAILURE() << program.toStdString() << " did not finish";
        return r;
    }
    r.exitCode = p.exitCode();
    r.out = p.readAllStandardOutput();
    r.err = p.readAllStandardError();
    return r;
}

inline QString nodeModules()
{
    const QByteArray fromEnv = qgetenv("NODE_PATH");
    if (!fromEnv.isEmpty())
        return QString::fromLocal8Bit(fromEnv);
    // Without test.sh: the checkout's own npm folder.
    return QDir(QStringLiteral(MORVANE_TEST_DATA)).absoluteFilePath(QStringLiteral("../../build-node/node_modules"));
}

// What the npm reader "dbffile" makes of a table: field names and records.
inline QJsonObject readWithDbffile(const QString &table, const QString &scriptFolder)
{
    const QString script = QDir(scriptFolder).filePath("read_dbf.js");
    fixtures::writeAll(script, R"(const {DBFFile} = require('dbffile');
(async () => {
  const t = await DBFFile.open(process.argv[2], {encoding: 'cp1252'});
  const rows = await t.readRecords();
  process.stdout.write(JSON.stringify({fields: t.fields.map(f => f.name), count: t.recordCount, rows}));
})().catch(e => { console.error(String(e)); process.exit(2); });
)");
    if (!QDir(nodeModules()).exists("dbffile")) {
        ADD_FAILURE() << "npm package dbffile not found in " << nodeModules().toStdString() << "; " << kInstallHint;
        return {};
    }
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("NODE_PATH", nodeModules());
    const ToolRun r = runTool("node", {script, table}, env);
    EXPECT_EQ(r.exitCode, 0) << r.err.toStdString();
    return QJsonDocument::fromJson(r.out).object();
}

}  // namespace morvane::dbase::fixtures
