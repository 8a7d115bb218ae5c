#pragma once

#include <QHash>
#include <QString>

#include <array>
#include <vector>

namespace morvane::i18n {

// German source texts and their texts in up to 30 language slots, as kept in
// "translate.dat". Slot 0 is the German source and the key.
class Dictionary {
public:
    static constexpr int kSlots = 30;
    static constexpr int kGermanSlot = 0;
    static constexpr int kGermanDisplaySlot = 3;

    struct Entry {
        std::array<QString, kSlots> texts;
    };

    enum class LoadStatus { Loaded, Missing, Corrupted, Unreadable };

    int size() const { return int(entries_.size()); }
    const Entry &entry(int index) const { return entries_[std::size_t(index)]; }
    // Index of the entry whose key equals the text exactly, -1 when none.
    int find(const QString &german) const;
    // Appends an entry for a key (which must not be empty); returns its index.
    int add(const QString &german);
    // Sets a text; slot 0 changes the key. Returns whether anything changed.
    bool setText(int index, int slot, const QString &text);
    void remove(int index);
    void clear();

    // Reads the file layout; the entries read before a fault are kept.
    LoadStatus parse(QByteArrayView bytes);
    QByteArray serialize() const;

private:
    void rebuildIndex();

    std::vector<Entry> entries_;
    QHash<QString, int> index_;  // key -> first entry with that key
};

}  // namespace morvane::i18n
