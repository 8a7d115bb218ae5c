#include "core/articles/column_map.h"

#include <utility>

namespace morvane::articles {

namespace {

bool isPermutation(const std::array<int, ColumnMap::kSize> &values, int count)
{
    std::array<bool, ColumnMap::kSize> seen{};
    for (int i = 0; i < count; ++i) {
        const int v = values[std::size_t(i)];
        if (v < 0 || v >= count || seen[std::size_t(v)])
            return false;
        seen[std::size_t(v)] = true;
    }
    return true;
}

}  // namespace

void ColumnMap::setIdentity()
{
    for (int i = 0; i < kSize; ++i)
        map_[std::size_t(i)] = i;
    recalcInverse();
}

void ColumnMap::assign(const std::array<int, kSize> &values, int used)
{
    const bool prefixOk = used <= 0 || (used <= kSize && isPermutation(values, used));
    if (prefixOk && isPermutation(values, kSize)) {
        map_ = values;
    } else if (used > 0 && used <= kSize && isPermutation(values, used)) {
        setIdentity();
        for (int i = 0; i < used; ++i)
            map_[std::size_t(i)] = values[std::size_t(i)];
    } else {
        setIdentity();
    }
    recalcInverse();
}

void ColumnMap::swap(int positionA, int positionB)
{
    if (positionA < 0 || positionA >= kSize || positionB < 0 || positionB >= kSize)
        return;
    std::swap(map_[std::size_t(positionA)], map_[std::size_t(positionB)]);
    recalcInverse();
}

bool ColumnMap::isIdentity() const
{
    for (int i = 0; i < kSize; ++i) {
        if (map_[std::size_t(i)] != i)
            return false;
    }
    return true;
}

void ColumnMap::recalcInverse()
{
    for (int i = kSize - 1; i >= 0; --i)
        inverse_[std::size_t(map_[std::size_t(i)])] = i;
}

}  // namespace morvane::articles
