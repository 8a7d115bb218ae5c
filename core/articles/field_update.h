#pragma once

#include "core/app/workspace.h"

#include <optional>

namespace morvane::articles {

enum class FieldUpdateResult { Changed, Unchanged, NotFound, Refused, IoError };

// Field number from a number 0..38 or a German column title.
std::optional<int> fieldFromText(const QString &text);

// Index of the first article one of whose "Artikel Nr." lines equals the
// number; -1 when there is none.
int findArticleByNumber(const ArticleList &articles, const QString &number);

// Changes one field of the article with that number inside a write phase:
// marker, catch up with the file, change, save, end of phase.
FieldUpdateResult setArticleField(app::Workspace &ws, const QString &number, int field, const QString &value);

}  // namespace morvane::articles
