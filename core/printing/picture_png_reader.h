#pragma once

#include "core/printing/picture.h"

namespace morvane::printing {

// PNG pictures of every colour type and depth through libpng; transparency
// is composed on white. Returns the reason when the file cannot be read.
class PngReader {
public:
    static QString decode(QByteArrayView data, const PictureLimits &limits, Image &out);
};

}  // namespace morvane::printing
