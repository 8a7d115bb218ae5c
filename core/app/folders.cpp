#include "core/app/folders.h"

#include <QDir>
#include <QFile>
#include <QStandardPaths>

namespace morvane::app {

QString withTrailingSlash(QString folder)
{
    if (!folder.endsWith(u'/'))
        folder += u'/';
    return folder;
}

CommandLine CommandLine::parse(const QStringList &arguments)
{
    CommandLine line;
    if (arguments.size() == 1 && arguments[0] == QLatin1String("-showpath"))
        line.showPath = true;
    else if (arguments.size() == 2 && arguments[0] == QLatin1String("-setpath") && !arguments[1].isEmpty())
        line.setPath = withTrailingSlash(arguments[1]);
    return line;
}

QString GetProgramDir(bool create, const QString &fallback)
{
    const QString dataHome = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
    if (dataHome.isEmpty())
        return fallback;
    const QString folder = withTrailingSlash(dataHome) + QStringLiteral("Korvell/Tessaro/");
    if (create)
        QDir().mkpath(folder);
    return folder;
}

bool canWriteTestFile(const QString &folder)
{
    QFile test(withTrailingSlash(folder) + QStringLiteral("test.dat"));
    if (!test.open(QIODevice::WriteOnly))
        return false;
    test.close();
    test.remove();
    return true;
}

}  // namespace morvane::app
