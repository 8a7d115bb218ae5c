#include "core/printing/picture_jpeg_codec.h"

#include <cstdio>  // jpeglib.h needs FILE
#include <jpeglib.h>

#include <csetjmp>
#include <cstdlib>
#include <new>
#include <vector>

namespace morvane::printing {

namespace {

// A progressive file can announce thousands of scans, each a full pass over
// the picture; no camera or editor writes more than a few dozen.
constexpr int kMaxScans = 200;

struct ErrorHandler {
    jpeg_error_mgr pub;
    std::jmp_buf jump;
    char message[JMSG_LENGTH_MAX];
};

void onError(j_common_ptr cinfo)
{
    auto *handler = reinterpret_cast<ErrorHandler *>(cinfo->err);
    (*cinfo->err->format_message)(cinfo, handler->message);
    std::longjmp(handler->jump, 1);
}

void onMessage(j_common_ptr, int) {}

void onProgress(j_common_ptr cinfo)
{
    auto *d = reinterpret_cast<j_decompress_ptr>(cinfo);
    if (cinfo->is_decompressor && d->input_scan_number > kMaxScans) {
        auto *handler = reinterpret_cast<ErrorHandler *>(cinfo->err);
        std::snprintf(handler->message, sizeof handler->message, "too many scans");
        std::longjmp(handler->jump, 1);
    }
}

void installHandler(ErrorHandler &handler, jpeg_common_struct *cinfo)
{
    cinfo->err = jpeg_std_error(&handler.pub);
    handler.pub.error_exit = onError;
    handler.pub.emit_message = onMessage;
    handler.message[0] = 0;
}

// Everything that must survive a longjmp lives in the caller's frame.
bool runDecode(QByteArrayView data, const PictureLimits &limits, Image &out, std::vector<JSAMPLE> &row,
               QString &error)
{
    jpeg_decompress_struct cinfo;
    ErrorHandler handler;
    jpeg_progress_mgr progress{};
    installHandler(handler, reinterpret_cast<jpeg_common_struct *>(&cinfo));
    if (setjmp(handler.jump)) {
        jpeg_destroy_decompress(&cinfo);
        if (error.isEmpty())
            error = QString::fromLatin1(handler.message);
        return false;
    }
    jpeg_create_decompress(&cinfo);
    progress.progress_monitor = onProgress;
    cinfo.progress = &progress;
    jpeg_mem_src(&cinfo, reinterpret_cast<const unsigned char *>(data.data()), static_cast<unsigned long>(data.size()));
    jpeg_read_header(&cinfo, TRUE);

    error = Picture::checkSize(cinfo.image_width, cinfo.image_height, limits);
    if (!error.isEmpty())
        std::longjmp(handler.jump, 1);
    const bool cmyk = cinfo.jpeg_color_space == JCS_CMYK || cinfo.jpeg_color_space == JCS_YCCK;
    cinfo.out_color_space = cmyk ? JCS_CMYK : JCS_RGB;
    // Photoshop writes CMYK inverted and says so in its Adobe marker.
    const bool inverted = cmyk && cinfo.saw_Adobe_marker;
    jpeg_start_decompress(&cinfo);
    const int components = cinfo.output_components;
    const int w = int(cinfo.output_width);
    const int h = int(cinfo.output_height);
    if (components != (cmyk ? 4 : 3) || !Picture::allocate(out, w, h)) {
        error = QStringLiteral("not enough memory for the picture");
        std::longjmp(handler.jump, 1);
    }
    try {
        row.resize(std::size_t(w) * components);
    } catch (const std::bad_alloc &) {
        error = QStringLiteral("not enough memory for the picture");
        std::longjmp(handler.jump, 1);
    }
    while (cinfo.output_scanline < cinfo.output_height) {
        const int y = int(cinfo.output_scanline);
        JSAMPROW rowPointer = row.data();
        if (jpeg_read_scanlines(&cinfo, &rowPointer, 1) != 1)
            break;
        std::uint8_t *d = out.rgb.data() + std::size_t(y) * w * 3;
        if (!cmyk) {
            std::copy(row.begin(), row.end(), d);
            continue;
        }
        for (int x = 0; x < w; ++x, d += 3) {
            const JSAMPLE *s = row.data() + 4 * x;
            for (int c = 0; c < 3; ++c) {
                const unsigned ink = inverted ? s[c] : 255u - s[c];
                const unsigned black = inverted ? s[3] : 255u - s[3];
                d[c] = std::uint8_t((ink * black + 127) / 255);
            }
        }
    }
    jpeg_finish_decompress(&cinfo);
    jpeg_destroy_decompress(&cinfo);
    return true;
}

struct Destination {
    unsigned char *buffer = nullptr;
    unsigned long size = 0;
};

bool runEncode(const Image &image, int quality, bool gray, std::vector<JSAMPLE> &row, Destination &dest)
{
    jpeg_compress_struct cinfo;
    ErrorHandler handler;
    installHandler(handler, reinterpret_cast<jpeg_common_struct *>(&cinfo));
    if (setjmp(handler.jump)) {
        jpeg_destroy_compress(&cinfo);
        return false;
    }
    jpeg_create_compress(&cinfo);
    jpeg_mem_dest(&cinfo, &dest.buffer, &dest.size);
    cinfo.image_width = JDIMENSION(image.width);
    cinfo.image_height = JDIMENSION(image.height);
    cinfo.input_components = gray ? 1 : 3;
    cinfo.in_color_space = gray ? JCS_GRAYSCALE : JCS_RGB;
    jpeg_set_defaults(&cinfo);
    jpeg_set_quality(&cinfo, quality, TRUE);
    jpeg_start_compress(&cinfo, TRUE);
    const std::size_t stride = std::size_t(image.width) * 3;
    while (cinfo.next_scanline < cinfo.image_height) {
        const std::uint8_t *src = image.rgb.data() + stride * cinfo.next_scanline;
        JSAMPROW rowPointer;
        if (gray) {
            for (int x = 0; x < image.width; ++x)
                row[std::size_t(x)] = src[3 * x];
            rowPointer = row.data();
        } else {
            rowPointer = const_cast<JSAMPROW>(src);
        }
        jpeg_write_scanlines(&cinfo, &rowPointer, 1);
    }
    jpeg_finish_compress(&cinfo);
    jpeg_destroy_compress(&cinfo);
    return true;
}

}  // namespace

QString JpegCodec::decode(QByteArrayView data, const PictureLimits &limits, Image &out)
{
    std::vector<JSAMPLE> row;
    QString error;
    if (!runDecode(data, limits, out, row, error))
        return error.isEmpty() ? QStringLiteral("unreadable JPEG picture") : error;
    return {};
}

std::optional<QByteArray> JpegCodec::encode(const Image &image, int quality, bool gray)
{
    if (image.isNull())
        return std::nullopt;
    std::vector<JSAMPLE> row;
    Destination dest;
    bool ok = false;
    try {
        if (gray)
            row.resize(std::size_t(image.width));
        ok = runEncode(image, quality, gray, row, dest);
    } catch (const std::bad_alloc &) {
        ok = false;
    }
    std::optional<QByteArray> result;
    if (ok)
        result = QByteArray(reinterpret_cast<const char *>(dest.buffer), qsizetype(dest.size));
    std::free(dest.buffer);
    return result;
}

}  // namespace morvane::printing
