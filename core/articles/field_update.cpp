#include "core/articles/field_update.h"

#include "core/articles/article_io.h"
#include "core/articles/article_numbers.h"
#include "core/articles/column_titles.h"
#include "core/articles/shared_access.h"

namespace morvane::articles {

std::optional<int> fieldFromText(const QString &text)
{
    bool ok = false;
    const int number = text.toInt(&ok);
    if (ok)
        return number >= 0 && number < kFieldCount ? std::optional<int>(number) : std::nullopt;
    for (int k = 0; k < kFieldCount; ++k) {
        if (listColumnTitles()[std::size_t(k + 1)] == text)
            return k;
    }
    return std::nullopt;
}

int findArticleByNumber(const ArticleList &articles, const QString &number)
{
    for (std::size_t i = 0; i < articles.size(); ++i) {
        if (checkartnr(articles[i].field(ArtikelNr), number))
            return int(i);
    }
    return -1;
}

FieldUpdateResult setArticleField(app::Workspace &ws, const QString &number, int field, const QString &value)
{
    if (field < 0 || field >= kFieldCount)
        return FieldUpdateResult::NotFound;
    if (!SharedAccess::canwritenow(ws))
        return FieldUpdateResult::Refused;
    FieldUpdateResult result = FieldUpdateResult::Unchanged;
    const int index = findArticleByNumber(ws.articles, number);
    if (index < 0) {
        result = FieldUpdateResult::NotFound;
    } else if (ws.articles[std::size_t(index)].field(field) != value) {
        ws.articles[std::size_t(index)].field(field) = value;
        result = SaveFile(ws) == SaveResult::Saved ? FieldUpdateResult::Changed : FieldUpdateResult::IoError;
        if (result == FieldUpdateResult::IoError)
            OpenFile(ws);  // the change did not land: show what is on disk
    }
    SharedAccess::EndWriteMow(ws);
    return result;
}

}  // namespace morvane::articles
