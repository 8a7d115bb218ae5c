#include "core/printing/picture.h"

#include "core/printing/picture_bmp_reader.h"
#include "core/printing/picture_jpeg_codec.h"
#include "core/printing/picture_png_reader.h"

#include <QFile>

#include <new>

namespace morvane::printing {

Picture::Format Picture::sniff(QByteArrayView data)
{
    const auto *p = reinterpret_cast<const unsigned char *>(data.data());
    if (data.size() >= 2 && p[0] == 'B' && p[1] == 'M')
        return Format::Bmp;
    if (data.size() >= 8 && p[0] == 0x89 && p[1] == 'P' && p[2] == 'N' && p[3] == 'G' && p[4] == 0x0D
        && p[5] == 0x0A && p[6] == 0x1A && p[7] == 0x0A)
        return Format::Png;
    if (data.size() >= 3 && p[0] == 0xFF && p[1] == 0xD8 && p[2] == 0xFF)
        return Format::Jpeg;
    return Format::Unknown;
}

PictureLoad Picture::load(const QString &path, const PictureLimits &limits)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {{}, QStringLiteral("%1: %2").arg(path, file.errorString())};
    if (file.size() > limits.maxFileBytes)
        return {{}, QStringLiteral("%1: file too large for a picture").arg(path)};
    const QByteArray data = file.readAll();
    if (file.error() != QFileDevice::NoError)
        return {{}, QStringLiteral("%1: %2").arg(path, file.errorString())};
    PictureLoad result = decode(data, limits);
    if (!result.error.isEmpty())
        result.error = QStringLiteral("%1: %2").arg(path, result.error);
    return result;
}

PictureLoad Picture::decode(QByteArrayView data, const PictureLimits &limits)
{
    PictureLoad result;
    switch (sniff(data)) {
    case Format::Bmp:
        result.error = BmpReader::decode(data, limits, result.image);
        break;
    case Format::Png:
        result.error = PngReader::decode(data, limits, result.image);
        break;
    case Format::Jpeg:
        result.error = JpegCodec::decode(data, limits, result.image);
        break;
    case Format::Unknown:
        result.error = QStringLiteral("not a BMP, PNG or JPEG picture");
        break;
    }
    if (!result.error.isEmpty())
        result.image = Image{};
    return result;
}

QString Picture::openFilter()
{
    return QStringLiteral(
        "Alle Bilddateien (*.bmp *.dib *.png *.jpg *.jpeg *.jpe *.jfif);;"
        "Windows Bitmap (*.bmp *.dib);;"
        "PNG (*.png);;"
        "JPEG (*.jpg *.jpeg *.jpe *.jfif);;"
        "Alle Dateien (*)");
}

bool Picture::isGray(const Image &image)
{
    const std::uint8_t *p = image.rgb.data();
    const std::uint8_t *end = p + image.rgb.size() / 3 * 3;
    for (; p != end; p += 3) {
        if (p[0] != p[1] || p[1] != p[2])
            return false;
    }
    return true;
}

QString Picture::checkSize(long long width, long long height, const PictureLimits &limits)
{
    if (width <= 0 || height <= 0)
        return QStringLiteral("picture without pixels (%1 x %2)").arg(width).arg(height);
    if (width > limits.maxSide || height > limits.maxSide || width * height > limits.maxPixels)
        return QStringLiteral("picture too large (%1 x %2)").arg(width).arg(height);
    return {};
}

bool Picture::allocate(Image &image, int width, int height)
{
    try {
        image.rgb.assign(std::size_t(width) * std::size_t(height) * 3, 0xFF);
    } catch (const std::bad_alloc &) {
        image = Image{};
        return false;
    }
    image.width = width;
    image.height = height;
    return true;
}

}  // namespace morvane::printing
