#pragma once

#include "core/articles/article_file.h"
#include "core/dbase/table.h"

#include <vector>

namespace morvane::booking {

// The journal grid's columns: `spaltedbf` orders the table's fields and
// `buchspaltevis` hides some of them; both travel with the article file.

// The fields shown, left to right, for a table of `fieldCount` fields.
std::vector<int> visibleJournalFields(const articles::ArticleFileSettings &settings, int fieldCount);

// Moves the column shown at visible position `from` to visible position
// `to`. Hidden fields keep their places among the visible ones. False when
// either position is not a visible column.
bool moveJournalColumn(articles::ArticleFileSettings &settings, int fieldCount, int from, int to);

// Every field visible, in table order.
void restoreJournalColumns(articles::ArticleFileSettings &settings);

// "Sortieren": record order, by article name (tag FIELDA) or by cost
// centre (tag FIELDB). The cost-centre tag keys the field at the cost-centre
// position, whatever name an older journal's upgrade gave it.
enum class JournalOrder { Unsorted, ByArticle, ByCostCentre };
void sortJournal(dbase::Table &table, JournalOrder order);

}  // namespace morvane::booking
