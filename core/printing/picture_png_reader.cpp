#include "core/printing/picture_png_reader.h"

#include <png.h>

#include <csetjmp>
#include <cstring>
#include <new>
#include <vector>

namespace morvane::printing {

namespace {

struct Source {
    const png_byte *p;
    std::size_t size;
    std::size_t pos = 0;
    char message[200] = {};
};

void readBytes(png_structp png, png_bytep dest, png_size_t length)
{
    auto *src = static_cast<Source *>(png_get_io_ptr(png));
    if (length > src->size - src->pos)
        png_error(png, "file ends early");
    std::memcpy(dest, src->p + src->pos, length);
    src->pos += length;
}

// libpng would print and then jump; we keep the text and jump ourselves.
void onError(png_structp png, png_const_charp message)
{
    auto *src = static_cast<Source *>(png_get_error_ptr(png));
    std::strncpy(src->message, message ? message : "PNG error", sizeof src->message - 1);
    png_longjmp(png, 1);
}

void onWarning(png_structp, png_const_charp) {}

// Everything that must survive a longjmp lives in the caller's frame.
bool run(Source &src, const PictureLimits &limits, Image &out, std::vector<png_byte> &rgba,
         std::vector<png_bytep> &rows, QString &error)
{
    png_structp png = png_create_read_struct(PNG_LIBPNG_VER_STRING, &src, onError, onWarning);
    if (!png) {
        error = QStringLiteral("not enough memory for the picture");
        return false;
    }
    png_infop info = png_create_info_struct(png);
    if (!info) {
        png_destroy_read_struct(&png, nullptr, nullptr);
        error = QStringLiteral("not enough memory for the picture");
        return false;
    }
    if (setjmp(png_jmpbuf(png))) {
        png_destroy_read_struct(&png, &info, nullptr);
        if (error.isEmpty())
            error = QString::fromLatin1(src.message);
        return false;
    }
    png_set_read_fn(png, &src, readBytes);
    png_set_user_limits(png, png_uint_32(limits.maxSide), png_uint_32(limits.maxSide));
    png_set_chunk_malloc_max(png, 8 * 1024 * 1024);
    png_read_info(png, info);

    const png_uint_32 w = png_get_image_width(png, info);
    const png_uint_32 h = png_get_image_height(png, info);
    error = Picture::checkSize(w, h, limits);
    if (!error.isEmpty())
        png_longjmp(png, 1);

    const int colorType = png_get_color_type(png, info);
    png_set_strip_16(png);
    png_set_packing(png);
    if (colorType == PNG_COLOR_TYPE_PALETTE)
        png_set_palette_to_rgb(png);
    if (colorType == PNG_COLOR_TYPE_GRAY || colorType == PNG_COLOR_TYPE_GRAY_ALPHA) {
        png_set_expand_gray_1_2_4_to_8(png);
        png_set_gray_to_rgb(png);
    }
    if (png_get_valid(png, info, PNG_INFO_tRNS))
        png_set_tRNS_to_alpha(png);
    png_set_filler(png, 0xFF, PNG_FILLER_AFTER);
    png_set_interlace_handling(png);
    png_read_update_info(png, info);
    if (png_get_rowbytes(png, info) != std::size_t(w) * 4) {
        error = QStringLiteral("unexpected PNG row layout");
        png_longjmp(png, 1);
    }

    try {
        rgba.resize(std::size_t(w) * h * 4);
        rows.resize(h);
    } catch (const std::bad_alloc &) {
        error = QStringLiteral("not enough memory for the picture");
        png_longjmp(png, 1);
    }
    for (png_uint_32 y = 0; y < h; ++y)
        rows[y] = rgba.data() + std::size_t(y) * w * 4;
    png_read_image(png, rows.data());
    png_destroy_read_struct(&png, &info, nullptr);

    if (!Picture::allocate(out, int(w), int(h))) {
        error = QStringLiteral("not enough memory for the picture");
        return false;
    }
    const png_byte *s = rgba.data();
    std::uint8_t *d = out.rgb.data();
    for (std::size_t i = 0, n = std::size_t(w) * h; i < n; ++i, s += 4, d += 3) {
        const unsigned a = s[3];
        for (int c = 0; c < 3; ++c)
            d[c] = std::uint8_t((s[c] * a + 255 * (255 - a) + 127) / 255);
    }
    return true;
}

}  // namespace

QString PngReader::decode(QByteArrayView data, const PictureLimits &limits, Image &out)
{
    Source src{reinterpret_cast<const png_byte *>(data.data()), std::size_t(data.size())};
    std::vector<png_byte> rgba;
    std::vector<png_bytep> rows;
    QString error;
    if (!run(src, limits, out, rgba, rows, error))
        return error.isEmpty() ? QStringLiteral("unreadable PNG picture") : error;
    return {};
}

}  // namespace morvane::printing
