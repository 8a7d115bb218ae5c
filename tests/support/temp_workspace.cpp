#include "support/temp_workspace.h"

#include <QDir>
#include <QFile>

namespace morvane::test {

TempWorkspace::TempWorkspace() : clock(QDateTime(QDate(2026, 12, 11), QTime(12, 0)))
{
    const QString folder = dir.path() + u'/';
    ws = std::make_unique<app::Workspace>(app::Folders{folder, folder, folder}, clock, prompter);
}

QMap<QString, QByteArray> TempWorkspace::folderBytes() const
{
    QMap<QString, QByteArray> files;
    for (const QString &name : QDir(dir.path()).entryList(QDir::Files))
        files.insert(name, readAll(path(name)));
    return files;
}

articles::Article makeArticle(const QString &name, std::initializer_list<std::pair<int, QString>> fields)
{
    articles::Article a;
    a.name = name;
    for (const auto &[k, v] : fields)
        a.field(k) = v;
    return a;
}

QByteArray readAll(const QString &path)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return {};
    return f.readAll();
}

void writeAll(const QString &path, const QByteArray &bytes)
{
    QFile f(path);
    if (f.open(QIODevice::WriteOnly))
        f.write(bytes);
}

}  // namespace morvane::test
