#include "core/articles/column_renaming.h"

#include "core/articles/column_titles.h"

namespace morvane::articles {

namespace {

bool validSlot(int slot)
{
    return slot >= 0 && slot < i18n::Dictionary::kSlots;
}

// Entries whose key equals the text; the dictionary index finds the first,
// but a dictionary edited by hand may hold the same key twice.
template <typename F>
void forEachEntryWithKey(i18n::Dictionary &dictionary, const QString &key, F &&f)
{
    if (dictionary.find(key) < 0)
        return;
    for (int i = 0; i < dictionary.size(); ++i) {
        if (dictionary.entry(i).texts[0] == key)
            f(i);
    }
}

}  // namespace

RenameGroup ColumnRenaming::collect(const i18n::Dictionary &dictionary, int slot)
{
    RenameGroup group{slot, {}};
    for (const QString &title : renameGridTitles()) {
        const int index = dictionary.find(title);
        group.titles << (index >= 0 && validSlot(slot) ? dictionary.entry(index).texts[std::size_t(slot)] : QString());
    }
    return group;
}

std::vector<RenameGroup> ColumnRenaming::collectSlots(const i18n::Dictionary &dictionary)
{
    std::vector<RenameGroup> groups;
    for (int slot = 1; slot <= ArticleFile::kRenameSlots; ++slot)
        groups.push_back(collect(dictionary, slot));
    return groups;
}

bool ColumnRenaming::rename(i18n::Dictionary &dictionary, int row, int slot, const QString &title)
{
    if (row < 0 || row >= int(renameGridTitles().size()) || !validSlot(slot))
        return false;
    bool changed = false;
    const QString &source = renameGridTitles()[std::size_t(row)];
    forEachEntryWithKey(dictionary, source, [&](int i) { changed |= dictionary.setText(i, slot, title); });
    // An empty title means "no renaming": the label falls back to German
    // instead of showing a lone ":".
    const QString label = title.isEmpty() ? QString() : title + u':';
    forEachEntryWithKey(dictionary, source + u':', [&](int i) { changed |= dictionary.setText(i, slot, label); });
    return changed;
}

bool ColumnRenaming::apply(const ArticleFileContent &content, i18n::Dictionary &dictionary)
{
    bool changed = false;
    if (content.currentRenames && validSlot(content.currentRenames->slot)) {
        const RenameGroup &group = *content.currentRenames;
        for (int r = 0; r < group.titles.size(); ++r)
            changed |= rename(dictionary, r, group.slot, group.titles[r]);
    }
    for (const RenameGroup &group : content.slotRenames) {
        if (!validSlot(group.slot))
            continue;
        for (int r = 0; r < group.titles.size() && r < int(renameGridTitles().size()); ++r) {
            // The other languages are only copies of the writer's dictionary:
            // where it had no text, ours is kept instead of being wiped.
            if (group.titles[r].isEmpty())
                continue;
            const int index = dictionary.find(renameGridTitles()[std::size_t(r)]);
            if (index >= 0)
                changed |= dictionary.setText(index, group.slot, group.titles[r]);
        }
    }
    return changed;
}

}  // namespace morvane::articles
