#pragma once

#include "core/articles/article.h"
#include "core/articles/column_map.h"
#include "core/purchasing/order_mail_settings.h"

#include <QByteArray>
#include <QStringList>

#include <array>
#include <optional>
#include <vector>

namespace morvane::articles {

// Column titles of one language slot as carried by the article file: text r
// belongs to row r of the rename grid (see renameGridTitles()).
struct RenameGroup {
    int slot = 0;
    QStringList titles;
    friend bool operator==(const RenameGroup &, const RenameGroup &) = default;
};

// Everything besides the articles that travels in the article file.
struct ArticleFileSettings {
    int sortspalte = 0;
    bool sortdir = false;
    // Width per list column in internal order: 0 = name, k + 1 = field k.
    // The file stores them in display order; they are matched to fields
    // through the display map, so a width always stays with its field.
    std::array<int, kListColumnCount> fieldWidths = defaultFieldWidths();
    ColumnMap spalte;
    ColumnMap spaltedruck;
    std::vector<int> journalWidths;
    ColumnMap spaltebuch;
    ColumnMap spaltedbf;
    std::array<bool, ColumnMap::kSize> buchspaltevis = allTrue();
    std::array<int, ColumnMap::kSize> abfragen = defaultPromptOrder();
    purchasing::OrderMailSettings orderMail;

    static std::array<int, kListColumnCount> defaultFieldWidths();
    static std::array<bool, ColumnMap::kSize> allTrue();
    static std::array<int, ColumnMap::kSize> defaultPromptOrder();

    // Width of list column c (display order).
    int listColumnWidth(int column) const;

    friend bool operator==(const ArticleFileSettings &, const ArticleFileSettings &) = default;
};

struct ArticleFileContent {
    ArticleList articles;
    ArticleFileSettings settings;
    std::optional<RenameGroup> currentRenames;  // the writer's language
    std::vector<RenameGroup> slotRenames;       // slots 1..18
    int blocksRead = 0;                         // 42 for a complete file
};

// The binary article file ("lager.dat", also article backups). It grew by
// appending blocks; a reader takes what is there and keeps the given start
// values for everything missing, so files of older versions load.
class ArticleFile {
public:
    static constexpr int kBlockCount = 42;
    static constexpr int kRenameRows = 45;
    static constexpr int kRenameSlots = 18;
    static constexpr int kMaxColumnWidth = 10000;

    // Never reads past the buffer whatever it holds; parsing stops quietly at
    // the end of the data.
    static ArticleFileContent parse(QByteArrayView bytes, const ArticleFileSettings &startValues);

    static QByteArray serialize(const ArticleList &articles, const ArticleFileSettings &settings,
                                const RenameGroup &currentRenames,
                                const std::vector<RenameGroup> &slotRenames);
};

}  // namespace morvane::articles
