#include "core/printing/font_metrics.h"

#include <gtest/gtest.h>

using namespace morvane::printing;

namespace {

Font font(const QString &family, double size = 10, bool bold = false, bool italic = false)
{
    Font f;
    f.family = family;
    f.pointSize = size;
    f.bold = bold;
    f.italic = italic;
    return f;
}

}  // namespace

TEST(FontMetrics, MapsTheWindowsFamiliesToTheirMetricTwins)
{
    struct Case {
        const char *asked;
        bool bold;
        const char *family;
        bool boldFace;
    };
    const Case cases[] = {
        {"Arial", false, "Liberation Sans", false},
        {"arial", true, "Liberation Sans", true},
        {"Arial Narrow", false, "Liberation Sans Narrow", false},
        {"Courier New", false, "Liberation Mono", false},
        {"Times New Roman", false, "Liberation Serif", false},
        {"Arial Black", false, "Liberation Sans", true},
        {"Tahoma", false, "Liberation Sans", false},
        {"Microsoft Sans Serif", false, "Liberation Sans", false},
    };
    FontMetrics metrics;
    for (const Case &c : cases) {
        SCOPED_TRACE(c.asked);
        const FaceMetrics &face = metrics.face(QString::fromUtf8(c.asked), c.bold, false);
        ASSERT_FALSE(face.file.isEmpty()) << "install fonts-liberation: apt-get install -y fonts-liberation";
        EXPECT_EQ(face.family, QString::fromUtf8(c.family));
        EXPECT_EQ(face.file.contains(QStringLiteral("Bold")), c.boldFace) << face.file.toStdString();
    }
}

TEST(FontMetrics, MeasuresEveryCodeThroughTheWindowsCodePage)
{
    FontMetrics metrics;
    const FaceMetrics &arial = metrics.face(QStringLiteral("Arial"), false, false);
    ASSERT_EQ(arial.family, QStringLiteral("Liberation Sans")) << "apt-get install -y fonts-liberation";
    // Arial's own widths; 0x80, 0x84 and 0x96 are "€", "„" and "–", which
    // the C1 controls of the same number would give the missing-glyph width.
    const std::pair<int, int> widths[] = {{' ', 278}, {'a', 556}, {'i', 222}, {'W', 944},
                                          {0x80, 556}, {0x84, 333}, {0x96, 556}, {0xDF, 611}, {0xFF, 500}};
    for (auto [code, width] : widths)
        EXPECT_EQ(arial.widths[code], width) << "code " << code;
    EXPECT_NE(arial.widths[0x80], arial.widths[0x81]);
    EXPECT_EQ(arial.ascent, 905);
    EXPECT_EQ(arial.descent, -212);
    EXPECT_FALSE(arial.fixedPitch);

    const FaceMetrics &mono = metrics.face(QStringLiteral("Courier New"), false, false);
    EXPECT_TRUE(mono.fixedPitch);
    for (int code = 32; code < 256; ++code) {
        if (code != 0x81 && code != 0x8D && code != 0x8F && code != 0x90 && code != 0x9D) {
            EXPECT_EQ(mono.widths[code], 600) << "code " << code;
        }
    }
    EXPECT_TRUE(metrics.face(QStringLiteral("Times New Roman"), false, false).serif);
    EXPECT_LT(metrics.face(QStringLiteral("Arial"), false, true).italicAngle, 0);
}

TEST(FontMetrics, MeasuresTextInDeviceDots)
{
    FontMetrics metrics;
    // "Größe" = 778 + 333 + 556 + 611 + 556 thousandths.
    EXPECT_EQ(metrics.textUnits(font(QStringLiteral("Arial")), QString::fromUtf8("Größe")), 2834);
    EXPECT_EQ(metrics.textWidth(font(QStringLiteral("Arial"), 10), QString::fromUtf8("Größe"), 72), 28);
    EXPECT_EQ(metrics.textWidth(font(QStringLiteral("Arial"), 10), QString::fromUtf8("Größe"), 300), 118);
    // What CP1252 cannot hold is printed and measured as "?", a surrogate
    // pair being one character.
    EXPECT_EQ(metrics.textUnits(font(QStringLiteral("Arial")), QString::fromUtf8("a\u4e2d\U0001F600")),
              metrics.textUnits(font(QStringLiteral("Arial")), QStringLiteral("a??")));
    // 12 pt at 300 dpi: ascent 45.25 -> 45, descent 10.6 -> 11.
    EXPECT_EQ(metrics.ascent(font(QStringLiteral("Arial"), 12), 300), 45);
    EXPECT_EQ(metrics.descent(font(QStringLiteral("Arial"), 12), 300), 11);
    EXPECT_EQ(metrics.textHeight(font(QStringLiteral("Arial"), 12), 300), 56);
    EXPECT_EQ(metrics.textWidth(font(QStringLiteral("Arial")), QString(), 72), 0);
}
