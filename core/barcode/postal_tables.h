#pragma once

#include <QChar>

namespace morvane::barcode {

// The 36 characters of the 4-state customer codes sit in a 6 x 6 grid: the
// row picks which two of the four bars carry an ascender, the column which
// two carry a descender.
inline int rm4sccIndex(QChar c)
{
    if (c >= u'0' && c <= u'9')
        return c.unicode() - u'0';
    if (c >= u'A' && c <= u'Z')
        return c.unicode() - u'A' + 10;
    return -1;
}

// Bit 3 is the first bar.
inline constexpr int kRm4sccHalves[6] = {0b0011, 0b0101, 0b0110, 0b1001, 0b1010, 0b1100};

}  // namespace morvane::barcode
