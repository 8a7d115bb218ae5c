#pragma once

#include "core/printing/canvas.h"

#include <QByteArray>
#include <QString>

namespace morvane::printing {

// Bounds a picture file must stay within before anything is allocated for
// it. A header is only a claim: a 60-byte PNG can announce a gigapixel.
struct PictureLimits {
    int maxSide = 30000;
    long long maxPixels = 50LL * 1000 * 1000;
    qint64 maxFileBytes = 256LL * 1024 * 1024;
};

struct PictureLoad {
    Image image;
    QString error;  // empty on success
    bool ok() const { return error.isEmpty() && !image.isNull(); }
};

// The program's picture library: logos and article pictures are read from
// BMP, PNG and JPEG files into a 24-bit Image, whatever their own depth.
// Transparent pixels are composed on white, as they look on paper.
class Picture {
public:
    enum class Format { Unknown, Bmp, Png, Jpeg };

    // By content, not by extension: a misnamed file still loads.
    static Format sniff(QByteArrayView data);
    static PictureLoad load(const QString &path, const PictureLimits &limits = {});
    static PictureLoad decode(QByteArrayView data, const PictureLimits &limits = {});

    // Filter text for QFileDialog covering every format decode() reads.
    static QString openFilter();

    // True when every pixel is a shade of grey (R = G = B).
    static bool isGray(const Image &image);

    // Empty when a picture of that size may be decoded, else the reason.
    static QString checkSize(long long width, long long height, const PictureLimits &limits);
    // Allocates width x height x 3 bytes of white; false when memory is short.
    static bool allocate(Image &image, int width, int height);
};

}  // namespace morvane::printing
