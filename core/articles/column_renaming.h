#pragma once

#include "core/articles/article_file.h"
#include "core/i18n/dictionary.h"

namespace morvane::articles {

// Column titles chosen by the user are the dictionary's texts for the German
// source titles. The article file carries a copy so that every workstation on
// a data folder shows the same titles.
class ColumnRenaming {
public:
    // The titles of one slot as the file stores them.
    static RenameGroup collect(const i18n::Dictionary &dictionary, int slot);
    // Groups for slots 1..18.
    static std::vector<RenameGroup> collectSlots(const i18n::Dictionary &dictionary);

    // Puts renamings read from a file back into the dictionary. The group of
    // the writer's language also renames the matching dialog labels (the
    // title followed by ":"), and an empty title there reverts to German; in
    // the other languages an empty title leaves our text as it is. Returns
    // whether the dictionary changed.
    static bool apply(const ArticleFileContent &content, i18n::Dictionary &dictionary);

    // Renames one grid row in a slot, the list title and its dialog label.
    static bool rename(i18n::Dictionary &dictionary, int row, int slot, const QString &title);
};

}  // namespace morvane::articles
