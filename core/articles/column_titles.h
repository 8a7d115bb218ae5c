#pragma once

#include <QString>

#include <array>

namespace morvane::articles {

// German source titles of the list columns in internal order: entry 0 is the
// name column, entry k + 1 the title of field k.
const std::array<QString, 40> &listColumnTitles();

// The 45 German source texts of the column rename grid: the list titles and
// the labels of the article dialog that carry the same names. Renamed titles
// live in the dictionary under these keys.
const std::array<QString, 45> &renameGridTitles();

}  // namespace morvane::articles
