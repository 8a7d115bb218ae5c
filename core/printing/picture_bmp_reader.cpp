#include "core/printing/picture_bmp_reader.h"

#include <array>
#include <bit>
#include <cstdint>
#include <vector>

namespace morvane::printing {

namespace {

enum Compression : std::uint32_t { Rgb = 0, Rle8 = 1, Rle4 = 2, BitFields = 3, AlphaBitFields = 6 };

struct Bytes {
    const std::uint8_t *p;
    std::size_t size;

    bool has(std::size_t at, std::size_t n) const { return at <= size && n <= size - at; }
    std::uint16_t u16(std::size_t at) const { return std::uint16_t(p[at] | (p[at + 1] << 8)); }
    std::uint32_t u32(std::size_t at) const
    {
        return std::uint32_t(p[at]) | (std::uint32_t(p[at + 1]) << 8) | (std::uint32_t(p[at + 2]) << 16)
            | (std::uint32_t(p[at + 3]) << 24);
    }
};

struct Rgb3 {
    std::uint8_t r = 0, g = 0, b = 0;
};

// One colour channel of a 16/32-bit pixel, widened to 8 bits.
struct Channel {
    std::uint32_t mask = 0;
    int shift = 0;
    std::uint32_t max = 0;

    explicit Channel(std::uint32_t m = 0) : mask(m)
    {
        if (mask) {
            shift = std::countr_zero(mask);
            max = mask >> shift;
        }
    }
    std::uint8_t operator()(std::uint32_t px) const
    {
        if (!max)
            return 0;
        return std::uint8_t((std::uint64_t((px & mask) >> shift) * 255 + max / 2) / max);
    }
};

void put(Image &out, int x, int row, Rgb3 c)
{
    std::uint8_t *d = out.rgb.data() + (std::size_t(row) * std::size_t(out.width) + std::size_t(x)) * 3;
    d[0] = c.r;
    d[1] = c.g;
    d[2] = c.b;
}

// RLE pictures are bottom-up only; pixels the runs never reach keep the
// first palette colour, which is what Windows shows for them.
QString decodeRle(Bytes in, std::size_t at, bool four, const std::vector<Rgb3> &palette, Image &out)
{
    const int w = out.width;
    const int h = out.height;
    const auto colour = [&](unsigned index) { return index < palette.size() ? palette[index] : Rgb3{}; };
    const Rgb3 background = colour(0);
    for (int row = 0; row < h; ++row)
        for (int x = 0; x < w; ++x)
            put(out, x, row, background);

    long long x = 0, y = 0;  // y counts from the bottom
    const auto plot = [&](unsigned index) {
        if (x < w && y < h)
            put(out, int(x), int(h - 1 - y), colour(index));
        ++x;
    };
    while (y < h) {
        if (!in.has(at, 2))
            return QStringLiteral("RLE data ends early");
        const unsigned count = in.p[at];
        const unsigned value = in.p[at + 1];
        at += 2;
        if (count > 0) {
            for (unsigned i = 0; i < count && x < w; ++i)
                plot(four ? ((i & 1) ? (value & 0x0F) : (value >> 4)) : value);
            continue;
        }
        if (value == 0) {  // end of line
            x = 0;
            ++y;
        } else if (value == 1) {  // end of picture
            break;
        } else if (value == 2) {  // move right and up
            if (!in.has(at, 2))
                return QStringLiteral("RLE data ends early");
            x += in.p[at];
            y += in.p[at + 1];
            at += 2;
        } else {  // a literal run, padded to 16 bits
            const std::size_t bytes = four ? (value + 1) / 2 : value;
            if (!in.has(at, bytes))
                return QStringLiteral("RLE data ends early");
            for (unsigned i = 0; i < value; ++i) {
                const unsigned b = in.p[at + (four ? i / 2 : i)];
                plot(four ? ((i & 1) ? (b & 0x0F) : (b >> 4)) : b);
            }
            at += bytes + (bytes & 1);
        }
    }
    return {};
}

}  // namespace

QString BmpReader::decode(QByteArrayView data, const PictureLimits &limits, Image &out)
{
    const Bytes in{reinterpret_cast<const std::uint8_t *>(data.data()), std::size_t(data.size())};
    if (!in.has(0, 18) || in.p[0] != 'B' || in.p[1] != 'M')
        return QStringLiteral("not a Windows bitmap");
    const std::uint32_t pixelOffset = in.u32(10);
    const std::uint32_t headerSize = in.u32(14);
    if (!in.has(14, headerSize))
        return QStringLiteral("bitmap header ends early");

    long long width = 0, height = 0;
    unsigned bpp = 0;
    std::uint32_t compression = Rgb;
    std::uint32_t colorsUsed = 0;
    std::size_t paletteEntry = 4;
    std::size_t paletteAt = 14 + std::size_t(headerSize);
    std::array<std::uint32_t, 3> masks{};
    if (headerSize == 12) {  // OS/2 core header
        width = in.u16(18);
        height = in.u16(20);
        bpp = in.u16(24);
        paletteEntry = 3;
    } else if (headerSize >= 40) {
        width = std::int32_t(in.u32(18));
        height = std::int32_t(in.u32(22));
        bpp = in.u16(28);
        compression = in.u32(30);
        colorsUsed = in.u32(46);
        if (compression == BitFields || compression == AlphaBitFields) {
            // Older writers put the masks after a 40-byte header.
            std::size_t maskAt = 54;
            if (headerSize == 40) {
                paletteAt += compression == AlphaBitFields ? 16 : 12;
                if (!in.has(maskAt, 12))
                    return QStringLiteral("bitmap masks missing");
            } else if (headerSize < 52) {
                return QStringLiteral("bitmap masks missing");
            }
            masks = {in.u32(maskAt), in.u32(maskAt + 4), in.u32(maskAt + 8)};
        }
    } else {
        return QStringLiteral("unknown bitmap header (%1 bytes)").arg(headerSize);
    }

    const bool topDown = height < 0;
    if (topDown)
        height = -height;
    if (const QString bad = Picture::checkSize(width, height, limits); !bad.isEmpty())
        return bad;

    switch (compression) {
    case Rgb:
        if (bpp != 1 && bpp != 4 && bpp != 8 && bpp != 16 && bpp != 24 && bpp != 32)
            return QStringLiteral("unsupported bitmap depth %1").arg(bpp);
        break;
    case Rle8:
    case Rle4:
        if (bpp != (compression == Rle8 ? 8u : 4u) || topDown)
            return QStringLiteral("invalid RLE bitmap");
        break;
    case BitFields:
    case AlphaBitFields:
        if (bpp != 16 && bpp != 32)
            return QStringLiteral("invalid bit-field bitmap");
        break;
    default:
        return QStringLiteral("unsupported bitmap compression %1").arg(compression);
    }
    if (compression == Rgb && bpp == 16)
        masks = {0x7C00, 0x03E0, 0x001F};
    if (compression == Rgb && bpp == 32)
        masks = {0x00FF0000, 0x0000FF00, 0x000000FF};

    std::vector<Rgb3> palette;
    if (bpp <= 8) {
        std::size_t entries = colorsUsed ? colorsUsed : (std::size_t(1) << bpp);
        entries = std::min<std::size_t>(entries, std::size_t(1) << bpp);
        palette.resize(std::size_t(1) << bpp);  // indices past the table read black
        for (std::size_t i = 0; i < entries && in.has(paletteAt + i * paletteEntry, 3); ++i) {
            const std::uint8_t *e = in.p + paletteAt + i * paletteEntry;
            palette[i] = {e[2], e[1], e[0]};
        }
    }
    if (pixelOffset >= in.size)
        return QStringLiteral("bitmap without pixel data");

    const bool rle = compression == Rle8 || compression == Rle4;
    const std::size_t stride = (std::size_t(width) * bpp + 31) / 32 * 4;
    const std::size_t used = (std::size_t(width) * bpp + 7) / 8;
    // The last row may lack its padding; anything shorter is a broken file.
    if (!rle && !in.has(pixelOffset, stride * std::size_t(height - 1) + used))
        return QStringLiteral("bitmap pixel data ends early");
    if (!Picture::allocate(out, int(width), int(height)))
        return QStringLiteral("not enough memory for the picture");
    if (rle)
        return decodeRle(in, pixelOffset, compression == Rle4, palette, out);

    const Channel red(masks[0]), green(masks[1]), blue(masks[2]);
    for (long long row = 0; row < height; ++row) {
        const std::uint8_t *src = in.p + pixelOffset + stride * std::size_t(row);
        const int target = int(topDown ? row : height - 1 - row);
        for (int x = 0; x < int(width); ++x) {
            Rgb3 c;
            switch (bpp) {
            case 1:
                c = palette[(src[x >> 3] >> (7 - (x & 7))) & 1];
                break;
            case 4:
                c = palette[(x & 1) ? (src[x >> 1] & 0x0F) : (src[x >> 1] >> 4)];
                break;
            case 8:
                c = palette[src[x]];
                break;
            case 16: {
                const std::uint32_t px = std::uint32_t(src[2 * x] | (src[2 * x + 1] << 8));
                c = {red(px), green(px), blue(px)};
                break;
            }
            case 24:
                c = {src[3 * x + 2], src[3 * x + 1], src[3 * x]};
                break;
            default: {
                const std::uint8_t *s = src + 4 * x;
                const std::uint32_t px = std::uint32_t(s[0]) | (std::uint32_t(s[1]) << 8)
                    | (std::uint32_t(s[2]) << 16) | (std::uint32_t(s[3]) << 24);
                c = {red(px), green(px), blue(px)};
                break;
            }
            }
            put(out, x, target, c);
        }
    }
    return {};
}

}  // namespace morvane::printing
