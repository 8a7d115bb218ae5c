#include "core/barcode/custom_ean.h"
#include "core/printing/recording_canvas.h"

#include <QStringList>

#include <gtest/gtest.h>

#include <map>
#include <set>

using namespace morvane::barcode;
using namespace morvane::printing;
using Kind = RecordingCanvas::Kind;

namespace {

// At 72 dpi the recording canvas measures a 10 pt font as 5 dots per
// character and 12 dots per line.
RecordingCanvas screen()
{
    return RecordingCanvas({1000, 1000}, 72, false);
}

TCustomEAN ean13(const char *text = "9771210107001")
{
    TCustomEAN ean;
    ean.FontAutoSize = false;
    ean.Font.pointSize = 10;
    ean.SetBarCode(QString::fromLatin1(text));
    return ean;
}

std::vector<Rect> bars(const RecordingCanvas &c)
{
    std::vector<Rect> out;
    for (const auto &op : c.opsOf(Kind::FillRect))
        if (op.brush.color == Color::black() && op.brush.style == BrushStyle::Solid)
            out.push_back(op.rect);
    return out;
}

std::vector<int> barRunsOf(const std::string &modules)
{
    std::vector<int> runs;
    int n = 0;
    for (char c : modules + "0") {
        if (c == '1' || c == '2') {
            ++n;
        } else if (n) {
            runs.push_back(n);
            n = 0;
        }
    }
    return runs;
}

TEST(Render, ModulesAreStretchedEvenlyToTheWidth)
{
    TCustomEAN ean = ean13();
    const std::string pattern = ean.BuildBarPattern(ean.BarCode());
    ASSERT_EQ(pattern.size(), 103u);
    RecordingCanvas c = screen();
    ean.PrintToCanvas(c, {0, 0, 206, 100});
    std::string doubled;
    for (char m : pattern)
        doubled += std::string(2, m);
    EXPECT_EQ(ean.Bars(), doubled);

    // Into 210 dots some modules get 3; every bar keeps its order and spans
    // 2 or 3 dots per module.
    RecordingCanvas wide = screen();
    ean.PrintToCanvas(wide, {0, 0, 210, 100});
    EXPECT_EQ(ean.Bars().size(), 210u);
    const std::vector<int> runs = barRunsOf(pattern);
    const std::vector<Rect> drawn = bars(wide);
    ASSERT_EQ(drawn.size(), runs.size());
    for (std::size_t i = 0; i < runs.size(); ++i) {
        EXPECT_GE(drawn[i].width(), 2 * runs[i]) << i;
        EXPECT_LE(drawn[i].width(), 3 * runs[i]) << i;
    }
}

TEST(Render, SecurityUsesWholeModulesOnly)
{
    TCustomEAN ean = ean13();
    ean.Security = true;
    RecordingCanvas c = screen();
    ean.PrintToCanvas(c, {0, 0, 210, 100});
    EXPECT_EQ(ean.Bars().size(), 206u);
    for (const Rect &r : bars(c)) {
        EXPECT_LE(r.right, 206);
        EXPECT_EQ(r.width() % 2, 0);
    }
    // Narrower than one module per module: nothing at all.
    RecordingCanvas narrow = screen();
    ean.PrintToCanvas(narrow, {0, 0, 100, 100});
    EXPECT_EQ(ean.LastPaintError(), erOutOfSecurityBox);
    EXPECT_TRUE(narrow.ops().empty());
}

TEST(Render, BarHeightsAndDigitPlaces)
{
    TCustomEAN ean = ean13();
    RecordingCanvas c = screen();
    ean.PrintToCanvas(c, {0, 0, 206, 100});
    // Guards (module code 2) reach the bottom; the others stop one digit
    // height (12) above it.
    const std::string &b = ean.Bars();
    for (const Rect &r : bars(c)) {
        EXPECT_EQ(r.top, 0);
        EXPECT_EQ(r.bottom, b[std::size_t(r.left)] == '2' ? 100 : 88) << r.left;
    }
    std::vector<std::pair<QString, Point>> texts;
    for (const auto &op : c.opsOf(Kind::TextOut))
        texts.emplace_back(op.text, op.points[0]);
    // Leading digit at the left edge; the halves centred over their modules
    // (left half 22..106, right half 116..200; 6 digits are 30 dots wide).
    const std::vector<std::pair<QString, Point>> expected = {
        {QStringLiteral("9"), {0, 88}}, {QStringLiteral("771210"), {49, 88}}, {QStringLiteral("107001"), {143, 88}}};
    EXPECT_EQ(texts, expected);

    // Without labels all bars end at the bottom alike.
    ean.ShowLabels = false;
    RecordingCanvas plain = screen();
    ean.PrintToCanvas(plain, {0, 0, 95, 100});
    for (const Rect &r : bars(plain))
        EXPECT_EQ(r.bottom, 100);
    EXPECT_TRUE(plain.opsOf(Kind::TextOut).empty());
}

TEST(Render, LabelMaskReplacesPrintedCharacters)
{
    TCustomEAN ean = ean13();
    ean.SetTypBarCode(bcEan8);
    ean.SetBarCode(QStringLiteral("1234567"));
    ean.LabelMask = QStringLiteral("____XXXX_____");
    RecordingCanvas c = screen();
    ean.PrintToCanvas(c, {0, 0, 201, 100});
    QStringList texts;
    for (const auto &op : c.opsOf(Kind::TextOut))
        texts << op.text;
    EXPECT_EQ(texts, QStringList({QStringLiteral("1234"), QStringLiteral("XXXX")}));
}

TEST(Render, TransparentDrawsOnlyBarsAndText)
{
    TCustomEAN ean = ean13();
    ean.Transparent = true;
    RecordingCanvas c = screen();
    ean.PrintToCanvas(c, {0, 0, 206, 100});
    for (const auto &op : c.ops()) {
        if (op.kind == Kind::FillRect)
            EXPECT_EQ(op.brush.color, Color::black());
        if (op.kind == Kind::TextOut)
            EXPECT_FALSE(op.textOpaque);
    }
    ean.Transparent = false;
    RecordingCanvas opaque = screen();
    ean.PrintToCanvas(opaque, {0, 0, 206, 100});
    EXPECT_EQ(opaque.opsOf(Kind::FillRect).front().brush.color, Color::white());
    EXPECT_TRUE(opaque.opsOf(Kind::TextOut).front().textOpaque);
}

TEST(Render, UndrawableSymbolsHatchTheScreenAndLeavePaperBlank)
{
    struct Case {
        const char *text;
        int width;
        TLastPaintError error;
    };
    for (const Case &k : {Case{"12", 300, erBarcodeLengthInvalid}, Case{"9771210107001", 50, erSmallPaintBox},
                          Case{"9771210107001", 0, erSmallPaintBox}, Case{"9771210107001", -40, erSmallPaintBox}}) {
        TCustomEAN ean = ean13(k.text);
        RecordingCanvas c = screen();
        ean.PrintToCanvas(c, {0, 0, k.width, 100});
        EXPECT_EQ(ean.LastPaintError(), k.error) << k.text << " " << k.width;
        const auto fills = c.opsOf(Kind::FillRect);
        if (k.width > 0) {
            ASSERT_FALSE(fills.empty());
            EXPECT_EQ(fills.back().brush, (Brush{Color{255, 0, 0}, BrushStyle::DiagonalCross}));
        }
        EXPECT_TRUE(c.opsOf(Kind::TextOut).empty());
        RecordingCanvas paper({1000, 1000}, 72, true);
        ean.PrintToCanvas(paper, {0, 0, k.width, 100});
        EXPECT_TRUE(paper.ops().empty());
    }
    // An empty text draws nothing anywhere.
    TCustomEAN empty = ean13();
    empty.SetTypBarCode(bcMSIPlessey);
    RecordingCanvas c = screen();
    empty.PrintToCanvas(c, {0, 0, 300, 100});
    EXPECT_TRUE(c.ops().empty());
}

TEST(Render, AnyAngleStaysInsideTheTarget)
{
    for (int angle : {30, 45, 89, 90, 91, 135, 180, 225, -45, 405, 3645}) {
        TCustomEAN ean = ean13();
        ean.Angle = angle;
        ean.Transparent = true;
        RecordingCanvas c = screen();
        ean.PrintToCanvas(c, {0, 0, 400, 100});
        const auto polys = c.opsOf(Kind::Polygon);
        ASSERT_FALSE(polys.empty()) << angle;
        for (const auto &op : polys)
            for (const Point &p : op.points) {
                EXPECT_TRUE(p.x >= -1 && p.x <= 401 && p.y >= -1 && p.y <= 101) << angle << ": " << p.x << "," << p.y;
            }
        for (const auto &op : c.opsOf(Kind::TextOut))
            EXPECT_EQ(op.font.escapement, (angle % 360 + 360) % 360 * 10);
    }
}

TEST(Render, NothingDividesByZero)
{
    // Only control characters: the printed text (and the digit font's
    // sample) is empty.
    TCustomEAN ean;
    ean.SetTypBarCode(bcCode128);
    ean.SetBarCode(QStringLiteral("\x01\x02"));
    ean.HorzLines.LinesCount = 2000000000;
    ean.Caption.Text = QStringLiteral(" ");
    RecordingCanvas c = screen();
    ean.PrintToCanvas(c, {0, 0, 300, 100});
    EXPECT_EQ(ean.LastPaintError(), erOK);
    for (const auto &op : c.ops())
        EXPECT_TRUE(op.font.pointSize >= 1 && op.font.pointSize <= 1000);
    EXPECT_LE(c.opsOf(Kind::LineTo).size(), 100u);
}

TEST(Render, PostalBarHeights)
{
    TCustomEAN ean;
    ean.ShowLabels = false;
    ean.SetTypBarCode(bcRoyalMail);
    ean.SetBarCode(QStringLiteral("SN34RD1A"));
    RecordingCanvas c = screen();
    const int width = ean.MinWidth() - 1;
    ean.PrintToCanvas(c, {0, 0, width, 99});
    // Extents by module code over a bar area of 99: thirds of 33.
    const std::map<char, std::pair<int, int>> extent = {
        {'H', {0, 66}}, {'D', {33, 99}}, {'S', {33, 66}}, {'V', {0, 99}}};
    const std::string &b = ean.Bars();
    const auto drawn = bars(c);
    ASSERT_EQ(drawn.size(), std::size_t(std::count_if(b.begin(), b.end(), [](char m) { return m != '0'; })));
    for (const Rect &r : drawn) {
        const auto it = extent.find(b[std::size_t(r.left)]);
        ASSERT_NE(it, extent.end());
        EXPECT_EQ(std::make_pair(r.top, r.bottom), it->second) << b[std::size_t(r.left)];
    }

    ean.SetTypBarCode(bcPostNet);
    ean.SetBarCode(QStringLiteral("12345"));
    RecordingCanvas post = screen();
    ean.PrintToCanvas(post, {0, 0, ean.MinWidth() - 1, 99});
    std::set<std::pair<int, int>> kinds;
    for (const Rect &r : bars(post))
        kinds.insert({r.top, r.bottom});
    EXPECT_EQ(kinds, (std::set<std::pair<int, int>>{{0, 99}, {49, 99}}));
}

TEST(Render, ItfGetsBearerBars)
{
    TCustomEAN ean;
    ean.ShowLabels = false;
    ean.SetTypBarCode(bcITF);
    RecordingCanvas c = screen();
    const int width = ean.MinWidth() - 1;
    ean.PrintToCanvas(c, {0, 0, width, 100});
    const auto drawn = bars(c);
    ASSERT_GE(drawn.size(), 3u);
    const int first = drawn.front().width();
    EXPECT_EQ(drawn[drawn.size() - 2], (Rect{0, 0, width, 2 * first}));
    EXPECT_EQ(drawn.back(), (Rect{0, 100 - 2 * first, width, 100}));
}

TEST(Render, CaptionsTakeTheirRowsAndAlignToTheSymbol)
{
    TCustomEAN ean = ean13();
    ean.ShowLabels = false;
    ean.Caption.Text = QStringLiteral("Oben");
    ean.Caption.AutoSize = false;
    ean.Caption.Alignment = TCaptionAlignment::Right;
    ean.CaptionBottom.Text = QStringLiteral("Unten");
    ean.CaptionBottom.AutoSize = false;
    ean.CaptionBottom.Alignment = TCaptionAlignment::Center;
    RecordingCanvas c = screen();
    ean.PrintToCanvas(c, {10, 0, 105, 100});
    const auto texts = c.opsOf(Kind::TextOut);
    ASSERT_EQ(texts.size(), 2u);
    EXPECT_EQ(texts[0].points[0], (Point{10 + 95 - 20, 0}));
    EXPECT_EQ(texts[1].points[0], (Point{10 + (95 - 25) / 2, 100 - 14}));
    for (const Rect &r : bars(c)) {
        EXPECT_EQ(r.top, 15);  // round(1.2 x 12) + 1
        EXPECT_EQ(r.bottom, 85);
    }
    // Auto size scales the caption to 90 % of the symbol width.
    ean.Caption.AutoSize = true;
    RecordingCanvas scaled = screen();
    ean.PrintToCanvas(scaled, {10, 0, 105, 100});
    EXPECT_EQ(scaled.opsOf(Kind::TextOut)[0].font.pointSize, 42);  // trunc(10 x 0.9 x 95 / 20)
}

TEST(Render, HorizontalLinesQuietZoneAndPaintEvent)
{
    TCustomEAN ean = ean13();
    ean.ShowLabels = false;
    ean.HorzLines.LinesCount = 3;
    ean.HorzLines.Pen = Pen{Color{0, 0, 255}, 2};
    ean.QuietZone.Visible = true;
    ean.QuietZone.SetLeft(10);
    ean.QuietZone.SetRight(10);
    ean.QuietZone.SetTop(500);  // ignored
    ean.QuietZone.Style = qzRectangle;
    int painted = 0;
    ean.OnPaint = [&](Canvas &, const Rect &r, const QString &text) {
        ++painted;
        EXPECT_EQ(r, (Rect{0, 0, 400, 100}));
        EXPECT_EQ(text, ean.BarCode());
    };
    RecordingCanvas c = screen();
    const Pen before = c.pen();
    ean.PrintToCanvas(c, {0, 0, 400, 100});
    EXPECT_EQ(painted, 1);
    // 10 % margins (40) and 5 % marks (20 wide, 5 high) leave 60..340 x 5..95.
    for (const Rect &r : bars(c)) {
        if (r.width() == 20 && r.height() == 5)
            continue;  // a corner mark
        EXPECT_GE(r.left, 60);
        EXPECT_LE(r.right, 340);
        EXPECT_EQ(r.top, 5);
        EXPECT_EQ(r.bottom, 95);
    }
    const auto lines = c.opsOf(Kind::LineTo);
    ASSERT_EQ(lines.size(), 3u);
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(lines[std::size_t(i)].points[0], (Point{340, 5 + (i + 1) * 22}));
        EXPECT_EQ(lines[std::size_t(i)].pen.color, (Color{0, 0, 255}));
    }
    EXPECT_EQ(c.pen(), before);
}

}  // namespace
