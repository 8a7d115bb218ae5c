#pragma once

#include "core/articles/article.h"
#include "core/articles/column_map.h"
#include "core/base/format_settings.h"

namespace morvane::articles {

// Sorting the article list by a clicked list column. Text columns sort A to
// Z first; number and date columns largest first. Values that do not convert
// go last in both directions, so the order is always well defined.
class ArticleSort {
public:
    enum class Kind { Text, Number, Date };

    static Kind kindOfField(int field);

    // `column` is a list column (0 = name); `descending` is sortdir.
    static void sort(ArticleList &articles, int column, bool sortdir, const ColumnMap &spalte,
                     const base::FormatSettings &format);

    // What a click on a header does to the sort column and direction.
    static void columnClicked(int column, int &sortspalte, bool &sortdir);
};

}  // namespace morvane::articles
