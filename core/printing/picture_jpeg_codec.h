#pragma once

#include "core/printing/picture.h"

#include <optional>

namespace morvane::printing {

// JPEG through libjpeg-turbo: reading grey, colour and CMYK pictures, and
// writing the pictures a PDF embeds.
class JpegCodec {
public:
    // Returns the reason when the file cannot be read.
    static QString decode(QByteArrayView data, const PictureLimits &limits, Image &out);

    // A baseline JPEG of the picture, one grey channel when gray is set.
    // Empty when it cannot be written (JPEG stops at 65500 pixels a side).
    static std::optional<QByteArray> encode(const Image &image, int quality, bool gray);
};

}  // namespace morvane::printing
