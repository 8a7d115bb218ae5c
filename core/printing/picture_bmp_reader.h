#pragma once

#include "core/printing/picture.h"

namespace morvane::printing {

// Windows bitmaps as Windows programs write them: core and info headers
// (up to V5), 1, 4, 8, 16, 24 and 32 bits per pixel, RLE4/RLE8 and bit
// fields. Returns the reason when the file cannot be read.
class BmpReader {
public:
    static QString decode(QByteArrayView data, const PictureLimits &limits, Image &out);
};

}  // namespace morvane::printing
