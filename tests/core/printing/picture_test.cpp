#include "core/printing/picture.h"
#include "core/printing/picture_jpeg_codec.h"
#include "external_tool.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <cstdlib>
#include <zlib.h>

using namespace morvane::printing;
using morvane::printing::test::runTool;

namespace {

QString fixture(const char *name)
{
    return QFileInfo(QString::fromUtf8(__FILE__)).dir().filePath(QStringLiteral("data/") + QString::fromUtf8(name));
}

// Pillow's reading of the files, transparency composed on white; one
// interpreter for all of them.
std::vector<Image> independentDecode(const QStringList &paths)
{
    static const char *script =
        "import sys\n"
        "from PIL import Image\n"
        "for path in sys.argv[1:]:\n"
        "    im = Image.open(path).convert('RGBA')\n"
        "    bg = Image.new('RGBA', im.size, (255, 255, 255, 255))\n"
        "    out = Image.alpha_composite(bg, im).convert('RGB')\n"
        "    sys.stdout.buffer.write(b'%d %d\\n' % out.size + out.tobytes())\n";
    const auto run = runTool(QStringLiteral("/usr/bin/python3"), QStringList{QStringLiteral("-c"), QString::fromUtf8(script)} + paths,
                             QStringLiteral("python3-pil"));
    std::vector<Image> images;
    if (run.exitCode != 0) {
        ADD_FAILURE() << "Pillow could not read the pictures: " << run.err.toStdString()
                      << " (apt-get install -y python3-pil)";
        return images;
    }
    qsizetype at = 0;
    for (qsizetype i = 0; i < paths.size(); ++i) {
        const qsizetype eol = run.out.indexOf('\n', at);
        const QList<QByteArray> size = run.out.mid(at, eol - at).split(' ');
        Image image;
        image.width = size.value(0).toInt();
        image.height = size.value(1).toInt();
        const qsizetype bytes = qsizetype(image.width) * image.height * 3;
        const QByteArray pixels = run.out.mid(eol + 1, bytes);
        image.rgb.assign(pixels.begin(), pixels.end());
        images.push_back(std::move(image));
        at = eol + 1 + bytes;
    }
    return images;
}

int largestDifference(const Image &a, const Image &b)
{
    int worst = 0;
    for (std::size_t i = 0; i < a.rgb.size() && i < b.rgb.size(); ++i)
        worst = std::max(worst, std::abs(int(a.rgb[i]) - int(b.rgb[i])));
    return worst;
}

}  // namespace

TEST(Picture, LoadsTheSamePixelsAsAnIndependentDecoder)
{
    struct Case {
        const char *file;
        int tolerance;  // alpha composition may round the other way
    };
    const Case cases[] = {
        {"rgb24.bmp", 0},        {"pal8.bmp", 0},     {"pal4.bmp", 0},       {"mono1.bmp", 0},
        {"rle8.bmp", 0},         {"core24.bmp", 0},   {"bitfields16.bmp", 0}, {"rgb32.bmp", 0},
        {"rgba.png", 1},         {"pal_trns.png", 1}, {"gray_interlaced.png", 0},
        {"color.jpg", 0},        {"gray.jpg", 0},     {"progressive.jpg", 0},
    };
    QStringList paths;
    for (const Case &c : cases)
        paths << fixture(c.file);
    const std::vector<Image> decoded = independentDecode(paths);
    ASSERT_EQ(decoded.size(), std::size(cases));
    for (std::size_t i = 0; i < std::size(cases); ++i) {
        const Case &c = cases[i];
        SCOPED_TRACE(c.file);
        const PictureLoad ours = Picture::load(fixture(c.file));
        ASSERT_TRUE(ours.ok()) << ours.error.toStdString();
        const Image &theirs = decoded[i];
        ASSERT_EQ(ours.image.width, theirs.width);
        ASSERT_EQ(ours.image.height, theirs.height);
        ASSERT_EQ(ours.image.rgb.size(), theirs.rgb.size());
        EXPECT_LE(largestDifference(ours.image, theirs), c.tolerance);
    }
}

// Pillow skips RLE deltas, so this one is checked against the bitmap rules
// by hand: the bottom row is 4 pixels of alternating colours 1 and 2; the
// top row moves right by one, then holds the literal run 2 1 2.
TEST(Picture, FollowsRleDeltas)
{
    const PictureLoad load = Picture::load(fixture("rle4.bmp"));
    ASSERT_TRUE(load.ok()) << load.error.toStdString();
    ASSERT_EQ(load.image.width, 4);
    ASSERT_EQ(load.image.height, 2);
    const std::vector<std::uint8_t> expected = {
        0, 0, 0,   0, 255, 0,   255, 0, 0,   0, 255, 0,  // top: skipped pixel keeps colour 0
        255, 0, 0, 0, 255, 0,   255, 0, 0,   0, 255, 0,
    };
    EXPECT_EQ(load.image.rgb, expected);
}

TEST(Picture, RecognisesTheFormatByContentNotByName)
{
    QTemporaryDir dir;
    const QString misnamed = dir.filePath(QStringLiteral("logo.bmp"));
    ASSERT_TRUE(QFile::copy(fixture("rgba.png"), misnamed));
    const PictureLoad load = Picture::load(misnamed);
    EXPECT_TRUE(load.ok()) << load.error.toStdString();
    EXPECT_EQ(load.image.width, 13);

    const PictureLoad missing = Picture::load(dir.filePath(QStringLiteral("none.png")));
    EXPECT_FALSE(missing.ok());
    EXPECT_TRUE(missing.error.contains(QStringLiteral("none.png")));
}

TEST(Picture, RefusesBrokenAndHostileFiles)
{
    auto file = [](const char *name) {
        QFile f(fixture(name));
        f.open(QIODevice::ReadOnly);
        return f.readAll();
    };
    auto le32 = [](QByteArray &b, int at, quint32 v) {
        for (int i = 0; i < 4; ++i)
            b[at + i] = char((v >> (8 * i)) & 0xFF);
    };
    QByteArray bmpHuge = file("rgb24.bmp");
    le32(bmpHuge, 18, 2000);  // width
    le32(bmpHuge, 22, 2000);  // height: far more rows than the file holds
    QByteArray bmpMinHeight = file("rgb24.bmp");
    le32(bmpMinHeight, 22, 0x80000000u);
    QByteArray bmpBadOffset = file("rgb24.bmp");
    le32(bmpBadOffset, 10, 0xFFFFFFF0u);
    QByteArray bmpHeader = file("rgb24.bmp");
    le32(bmpHeader, 14, 0x7FFFFFFF);
    QByteArray rleShort = file("rle8.bmp");
    rleShort.chop(6);
    QByteArray pngTooLarge = file("rgba.png");
    // IHDR claims 100000 x 100000; libpng's own CRC check is on, so the
    // fixture's CRC is recomputed.
    const char bigIhdr[] = {0x00, 0x01, (char)0x86, (char)0xA0, 0x00, 0x01, (char)0x86, (char)0xA0};
    pngTooLarge.replace(16, 8, QByteArray(bigIhdr, 8));
    const uLong crc = ::crc32(0, reinterpret_cast<const Bytef *>(pngTooLarge.constData() + 12), 17);
    for (int i = 0; i < 4; ++i)
        pngTooLarge[29 + i] = char((crc >> (24 - 8 * i)) & 0xFF);
    const QByteArray pngCut = file("rgba.png").left(60);
    const QByteArray jpegCut = file("color.jpg").left(20);

    const std::pair<const char *, QByteArray> cases[] = {
        {"empty", QByteArray()},
        {"unknown format", QByteArray("GIF89a....")},
        {"bmp signature only", QByteArray("BM")},
        {"bmp claims more rows than it holds", bmpHuge},
        {"bmp height INT_MIN", bmpMinHeight},
        {"bmp pixel offset past the end", bmpBadOffset},
        {"bmp header longer than the file", bmpHeader},
        {"rle8 cut short", rleShort},
        {"png larger than allowed", pngTooLarge},
        {"png cut short", pngCut},
        {"jpeg cut in its header", jpegCut},
    };
    for (const auto &[name, bytes] : cases) {
        SCOPED_TRACE(name);
        const PictureLoad load = Picture::decode(bytes);
        EXPECT_FALSE(load.ok());
        EXPECT_FALSE(load.error.isEmpty());
        EXPECT_TRUE(load.image.rgb.empty());
    }
}

TEST(Picture, EncodesJpegForThePdf)
{
    const PictureLoad source = Picture::load(fixture("color.jpg"));
    ASSERT_TRUE(source.ok());
    for (bool gray : {false, true}) {
        SCOPED_TRACE(gray ? "grey" : "colour");
        Image input = source.image;
        if (gray) {
            for (std::size_t i = 0; i < input.rgb.size(); i += 3)
                input.rgb[i + 1] = input.rgb[i + 2] = input.rgb[i];
        }
        const auto jpeg = JpegCodec::encode(input, 92, gray);
        ASSERT_TRUE(jpeg.has_value());
        Image back;
        ASSERT_TRUE(JpegCodec::decode(*jpeg, {}, back).isEmpty());
        EXPECT_EQ(back.width, input.width);
        EXPECT_LE(largestDifference(back, input), 40);
        EXPECT_EQ(Picture::isGray(back), gray);
    }
    // JPEG cannot hold a side longer than 65500 pixels: the caller needs to
    // know, to store the picture another way.
    Image wide;
    wide.width = 70000;
    wide.height = 1;
    wide.rgb.assign(std::size_t(wide.width) * 3, 0x80);
    EXPECT_FALSE(JpegCodec::encode(wide, 90, false).has_value());
}
