#include "core/articles/article_io.h"

#include "core/articles/article_file.h"
#include "core/articles/column_renaming.h"
#include "core/articles/shared_access.h"
#include "core/base/atomic_file.h"

#include <QFile>
#include <QFileInfo>

namespace morvane::articles {

ReadResult readArticleFile(app::Workspace &ws, const QString &path)
{
    QFile file(path);
    const bool exists = file.exists();
    const bool opened = exists && file.open(QIODevice::ReadOnly);
    QByteArray bytes;
    if (opened)
        bytes = file.readAll();
    const bool readOk = opened && file.error() == QFileDevice::NoError;
    file.close();
    // The age is always that of the warehouse's own file, also when a backup
    // was read, so the change detection compares against the right file.
    ws.kownfileage = SharedAccess::fileAge(ws.articleFilePath());
    if (!exists)
        return ReadResult::Missing;
    if (!readOk) {
        ws.inform(13, base::Icon::Error, path);
        return ReadResult::Unreadable;
    }

    ArticleFileContent content = ArticleFile::parse(bytes, ws.articleSettings);
    ws.articles = std::move(content.articles);
    ws.articleSettings = content.settings;
    if (ColumnRenaming::apply(content, ws.dictionary)) {
        ws.translator.markDirty();
        ws.saveDictionaryIfChanged();
    }
    return ReadResult::Read;
}

ReadResult OpenFileFromName(app::Workspace &ws, const QString &path)
{
    if (!SharedAccess::canreadnow(ws))
        return ReadResult::Refused;
    const ReadResult result = readArticleFile(ws, path);
    SharedAccess::EndWriteMow(ws);
    return result;
}

ReadResult OpenFile(app::Workspace &ws)
{
    return OpenFileFromName(ws, ws.articleFilePath());
}

SaveResult SaveFileUnderName(app::Workspace &ws, const QString &path)
{
    const QByteArray bytes = ArticleFile::serialize(
        ws.articles, ws.articleSettings, ColumnRenaming::collect(ws.dictionary, ws.translator.language()),
        ColumnRenaming::collectSlots(ws.dictionary));
    const bool ownFile = QFileInfo(path).absoluteFilePath() == QFileInfo(ws.articleFilePath()).absoluteFilePath();
    const auto written = base::AtomicFile::write(path, bytes, ownFile ? ws.files.templagerdat : QString());
    if (!written) {
        ws.inform(12, base::Icon::Error, path, QStringLiteral("\n") + written.error);
        return SaveResult::IoError;
    }
    if (ownFile)
        ws.kownfileage = SharedAccess::fileAge(path);
    return SaveResult::Saved;
}

SaveResult SaveFile(app::Workspace &ws)
{
    return SaveFileUnderName(ws, ws.articleFilePath());
}

}  // namespace morvane::articles
