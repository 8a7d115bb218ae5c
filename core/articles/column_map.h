#pragma once

#include <array>

namespace morvane::articles {

// A column order: position i shows column map[i]; inverse[map[i]] == i.
// Used for the article list (spalte/antispalte), list printing, the journal
// columns and the journal table fields.
class ColumnMap {
public:
    static constexpr int kSize = 100;

    ColumnMap() { setIdentity(); }

    int at(int position) const { return map_[std::size_t(position)]; }
    int inverseAt(int column) const { return inverse_[std::size_t(column)]; }
    const std::array<int, kSize> &values() const { return map_; }

    void setIdentity();
    // Takes stored values. The first `used` positions must be a permutation
    // of 0..used-1 (the columns that exist) and the whole map one of 0..99; a
    // map that is neither cannot come from this program. When only the first
    // part is sound it is kept and the rest reset, otherwise all is reset.
    void assign(const std::array<int, kSize> &values, int used);
    void swap(int positionA, int positionB);
    bool isIdentity() const;

    friend bool operator==(const ColumnMap &, const ColumnMap &) = default;

private:
    void recalcInverse();

    std::array<int, kSize> map_{};
    std::array<int, kSize> inverse_{};
};

}  // namespace morvane::articles
