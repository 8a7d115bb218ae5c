#include "core/booking/journal_columns.h"

#include "core/booking/journal.h"

#include <algorithm>

namespace morvane::booking {

using articles::ColumnMap;

std::vector<int> visibleJournalFields(const articles::ArticleFileSettings &settings, int fieldCount)
{
    std::vector<int> fields;
    const int n = std::min(fieldCount, ColumnMap::kSize);
    for (int k = 0; k < n; ++k) {
        const int f = settings.spaltedbf.at(k);
        if (f >= 0 && f < fieldCount && settings.buchspaltevis[std::size_t(f)])
            fields.push_back(f);
    }
    return fields;
}

namespace {

// The position in `spaltedbf` of the visible column `visible`, -1 if none.
int mapPosition(const articles::ArticleFileSettings &settings, int fieldCount, int visible)
{
    if (visible < 0)
        return -1;
    const int n = std::min(fieldCount, ColumnMap::kSize);
    int seen = 0;
    for (int k = 0; k < n; ++k) {
        const int f = settings.spaltedbf.at(k);
        if (f >= 0 && f < fieldCount && settings.buchspaltevis[std::size_t(f)] && seen++ == visible)
            return k;
    }
    return -1;
}

}  // namespace

bool moveJournalColumn(articles::ArticleFileSettings &settings, int fieldCount, int from, int to)
{
    const int source = mapPosition(settings, fieldCount, from);
    const int target = mapPosition(settings, fieldCount, to);
    if (source < 0 || target < 0)
        return false;
    std::array<int, ColumnMap::kSize> values = settings.spaltedbf.values();
    if (source < target)
        std::rotate(values.begin() + source, values.begin() + source + 1, values.begin() + target + 1);
    else
        std::rotate(values.begin() + target, values.begin() + source, values.begin() + source + 1);
    settings.spaltedbf.assign(values, ColumnMap::kSize);
    return true;
}

void restoreJournalColumns(articles::ArticleFileSettings &settings)
{
    settings.spaltedbf.setIdentity();
    settings.buchspaltevis = articles::ArticleFileSettings::allTrue();
}

void sortJournal(dbase::Table &table, JournalOrder order)
{
    if (order == JournalOrder::Unsorted) {
        table.selectIndexTag({});
        return;
    }
    const bool byArticle = order == JournalOrder::ByArticle;
    const QString tag = byArticle ? QStringLiteral("FIELDA") : QStringLiteral("FIELDB");
    const int field = byArticle ? int(JArticle) : int(JCostcenter);
    if (table.fieldCount() <= field)
        return;
    if (!table.indexNames().contains(tag))
        table.addIndexTag(tag, table.field(field).name);
    table.selectIndexTag(tag);
}

}  // namespace morvane::booking
