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
    // Takes stored values. A map that is not a permutation of 0..99 cannot
    // come from this program; its first `used` positions are kept when they
    // form a permutation of 0..used-1, otherwise the whole map is reset.
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
