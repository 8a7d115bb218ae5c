// The drawing side of TCustomEAN.
#include "core/barcode/custom_ean.h"

#include <QtMath>

#include <algorithm>
#include <array>
#include <cmath>
#include <vector>

namespace morvane::barcode {

using printing::Brush;
using printing::BrushStyle;
using printing::Canvas;
using printing::Color;
using printing::Pen;
using printing::PenStyle;
using printing::Point;
using printing::Rect;

namespace {

bool isPostal(TTypBarCode t)
{
    return t == bcPostNet || t == bcPlanet || t == bcRoyalMail || t == bc4State || t == bcDutch4StatePostal
           || t == bcSingapore4StatePostalCode;
}

bool isBarModule(char c)
{
    switch (c) {
    case '1': case '2': case '3': case 'M': case 'H': case 'D': case 'V': case 'S': case 'A': case 'T': case 'F':
        return true;
    default:
        return false;
    }
}

// Points of the unrotated symbol go through this on their way to the canvas.
class Rotation {
public:
    Rotation(int angle, Point centre) : angle_(angle), centre_(centre)
    {
        const double a = qDegreesToRadians(double(angle));
        cos_ = std::cos(a);
        sin_ = std::sin(a);
    }
    bool none() const { return angle_ == 0; }
    int angle() const { return angle_; }
    Point map(int x, int y) const
    {
        if (none())
            return {x, y};
        const double dx = x - centre_.x;
        const double dy = y - centre_.y;
        return {centre_.x + int(std::lround(cos_ * dx + sin_ * dy)),
                centre_.y + int(std::lround(-sin_ * dx + cos_ * dy))};
    }

private:
    int angle_;
    Point centre_;
    double cos_ = 1, sin_ = 0;
};

// The largest upright rectangle, centred in r, that still fits r when turned
// by angle. The rule of touching all four sides has no solution at 45 degrees
// (and none for some flat rectangles); there the symbol keeps the aspect of
// r and is scaled until its turned outline fits.
Rect innerRect(const Rect &r, int angle)
{
    const int W = r.width();
    const int H = r.height();
    if (angle == 0 || angle == 180 || W <= 0 || H <= 0)
        return r;
    double w = 0, h = 0;
    const double a = qDegreesToRadians(double(angle));
    const double c = std::abs(std::cos(a));
    const double s = std::abs(std::sin(a));
    if (angle == 90 || angle == 270) {
        w = H;
        h = W;
    } else {
        const double t = std::tan(a);
        const double denom = 1 - t * t;
        bool fits = false;
        if (std::abs(denom) > 1e-9) {
            const double d = (W - H * t) / denom;
            w = std::round(std::sqrt(t * d * t * d + d * d));
            h = std::round(std::sqrt((H - t * d) * (H - t * d) + (W - d) * (W - d)));
            fits = std::isfinite(w) && std::isfinite(h) && w * c + h * s <= W + 1 && w * s + h * c <= H + 1;
        }
        if (!fits) {
            const double f = std::min(W / (W * c + H * s), H / (W * s + H * c));
            w = std::floor(f * W);
            h = std::floor(f * H);
        }
    }
    const int cx = r.left + W / 2;
    const int cy = r.top + H / 2;
    const int iw = int(w);
    const int ih = int(h);
    return {cx - iw / 2, cy - ih / 2, cx - iw / 2 + iw, cy - ih / 2 + ih};
}

// Draws in the unrotated coordinates of the symbol.
class SymbolPainter {
public:
    SymbolPainter(Canvas &canvas, const Rotation &rotation) : c_(canvas), rot_(rotation) {}

    void fill(const Rect &r, const Brush &brush)
    {
        if (r.width() <= 0 || r.height() <= 0)
            return;
        c_.setBrush(brush);
        if (rot_.none()) {
            c_.fillRect(r);
            return;
        }
        Pen clear = c_.pen();
        const Pen saved = clear;
        clear.style = PenStyle::Clear;
        c_.setPen(clear);
        const std::array<Point, 4> pts = {rot_.map(r.left, r.top), rot_.map(r.right, r.top),
                                          rot_.map(r.right, r.bottom), rot_.map(r.left, r.bottom)};
        c_.polygon(pts);
        c_.setPen(saved);
    }
    void polygon(std::vector<Point> pts)
    {
        for (Point &p : pts)
            p = rot_.map(p.x, p.y);
        c_.polygon(pts);
    }
    void line(int x1, int y1, int x2, int y2)
    {
        const Point a = rot_.map(x1, y1);
        const Point b = rot_.map(x2, y2);
        c_.moveTo(a.x, a.y);
        c_.lineTo(b.x, b.y);
    }
    void setFont(printing::Font font)
    {
        font.escapement = rot_.angle() * 10;
        c_.setFont(font);
    }
    void text(int x, int y, const QString &s)
    {
        if (s.isEmpty())
            return;
        const Point p = rot_.map(x, y);
        c_.textOut(p.x, p.y, s);
    }
    int width(const QString &s) { return c_.textWidth(s); }
    int height(const QString &s) { return c_.textHeight(s); }

private:
    Canvas &c_;
    Rotation rot_;
};

// Font size that makes sample span `span` dots at 90 %; unchanged when the
// sample has no width.
double fittedSize(SymbolPainter &p, printing::Font font, const QString &sample, int span)
{
    if (span <= 0)
        return font.pointSize;
    p.setFont(font);
    const int w = p.width(sample);
    if (w <= 0)
        return font.pointSize;
    const double size = std::trunc(font.pointSize * 0.9 * span / w);
    return std::clamp(size, 1.0, 1000.0);
}

QString mid(const QString &s, int from1, int to1)
{
    if (from1 < 1 || to1 < from1)
        return {};
    return s.mid(from1 - 1, to1 - from1 + 1);
}

}  // namespace

void TCustomEAN::PrintToCanvas(Canvas &canvas, const Rect &target)
{
    bars_.clear();
    if (barCode_.isEmpty())
        return;
    Rect r = target;

    // Quiet zone: shrink by the margins, then by the corner marks.
    int markW = 0, markH = 0;
    Rect markRect;
    if (QuietZone.Visible) {
        const int w0 = r.width();
        const int h0 = r.height();
        r.left += w0 * QuietZone.Left() / 100;
        r.right -= w0 * QuietZone.Right() / 100;
        r.top += h0 * QuietZone.Top() / 100;
        r.bottom -= h0 * QuietZone.Bottom() / 100;
        if (QuietZone.IndicatorSize() > 0 && QuietZone.Style != qzNone) {
            markW = w0 * QuietZone.IndicatorSize() / 100;
            markH = h0 * QuietZone.IndicatorSize() / 100;
            markRect = r;
            r.left += markW;
            r.right -= markW;
            r.top += markH;
            r.bottom -= markH;
        }
    }

    const int angle = ((Angle % 360) + 360) % 360;
    const Rect inner = innerRect(r, angle);
    const Rotation rotation(angle, {inner.left + inner.width() / 2, inner.top + inner.height() / 2});
    SymbolPainter painter(canvas, rotation);
    const int W = inner.width();

    // Pattern and scaling to the inner width.
    std::string pattern = BuildBarPattern(barCode_);
    PatternMarkers m = markers_;
    const int L = int(pattern.size());
    if (!pattern.empty() && Security && W < L) {
        // Not even one whole dot per module: the area stays untouched.
        error_ = erOutOfSecurityBox;
        return;
    }
    if (!pattern.empty() && W < L) {
        pattern.clear();
        m = {};
        error_ = erSmallPaintBox;
    }
    std::string scaled;
    if (!pattern.empty()) {
        if (Security) {
            const int k = W / L;
            if (k == 0) {
                error_ = erOutOfSecurityBox;
                return;
            }
            scaled.reserve(std::size_t(k) * L);
            for (char c : pattern)
                scaled.append(std::size_t(k), c);
            for (int *v : {&m.LeftHalfStart, &m.LeftHalfEnd, &m.RightHalfStart, &m.RightHalfEnd, &m.AddOnStart,
                           &m.TrailerStart})
                *v *= k;
        } else {
            // Error diffusion: every module becomes floor or ceil of W / L.
            std::vector<int> begins(std::size_t(L) + 1, 0);
            long long acc = 0;
            scaled.reserve(std::size_t(W));
            for (int j = 0; j < L; ++j) {
                begins[std::size_t(j)] = int(scaled.size());
                while (acc - W < 0) {
                    scaled += pattern[std::size_t(j)];
                    acc += L;
                }
                acc -= W;
            }
            begins[std::size_t(L)] = int(scaled.size());
            for (int *v : {&m.LeftHalfStart, &m.LeftHalfEnd, &m.RightHalfStart, &m.RightHalfEnd, &m.AddOnStart,
                           &m.TrailerStart})
                *v = begins[std::size_t(std::clamp(*v, 0, L))];
        }
    }
    bars_ = scaled;
    markers_ = m;

    const Pen savedPen = canvas.pen();
    if (scaled.empty()) {
        // Screen only: a red hatch tells the user the symbol cannot be drawn.
        if (!canvas.isPrinter()) {
            if (!Transparent)
                painter.fill(inner, Brush{BackgroundColor, BrushStyle::Solid});
            painter.fill(inner, Brush{Color{255, 0, 0}, BrushStyle::DiagonalCross});
        }
        return;
    }

    if (!Transparent) {
        // The whole target, so that the quiet zone is background too.
        SymbolPainter plain(canvas, Rotation(0, {}));
        plain.fill(target, Brush{BackgroundColor, BrushStyle::Solid});
    }
    if (markW > 0 || markH > 0) {
        SymbolPainter plain(canvas, Rotation(0, {}));
        canvas.setPen(QuietZone.Pen);
        canvas.setBrush(Brush{QuietZone.Pen.color, BrushStyle::Solid});
        const Rect &q = markRect;
        // Corner, and the directions into the rectangle.
        const std::array<std::array<int, 4>, 4> corners = {{{q.left, q.top, 1, 1},
                                                            {q.right - 1, q.top, -1, 1},
                                                            {q.left, q.bottom - 1, 1, -1},
                                                            {q.right - 1, q.bottom - 1, -1, -1}}};
        for (const auto &[x, y, dx, dy] : corners) {
            const int x2 = x + dx * markW;
            const int y2 = y + dy * markH;
            switch (QuietZone.Style) {
            case qzLines:
                plain.line(x, y2, x, y);
                canvas.lineTo(x2, y);
                break;
            case qzTriangel:
                plain.polygon({{x, y}, {x2, y}, {x, y2}});
                break;
            case qzRectangle:
                plain.fill({std::min(x, x2), std::min(y, y2), std::max(x, x2), std::max(y, y2)},
                           Brush{QuietZone.Pen.color, BrushStyle::Solid});
                break;
            case qzNone:
                break;
            }
        }
        canvas.setPen(savedPen);
    }

    canvas.setTextOpaque(!Transparent);
    const Brush textBrush{BackgroundColor, BrushStyle::Solid};
    const int B = int(scaled.size());
    int top = inner.top;
    int bottom = inner.bottom;
    const int left = inner.left;

    auto captionX = [&](const TBarcodeCaption &cap, int textWidth) {
        switch (cap.Alignment) {
        case TCaptionAlignment::Right:
            return left + B - textWidth;
        case TCaptionAlignment::Center:
            return left + (B - textWidth) / 2;
        default:
            return left;
        }
    };
    auto drawCaption = [&](const TBarcodeCaption &cap, bool upper) {
        if (!cap.Visible || cap.Text.isEmpty())
            return;
        printing::Font font = cap.Font;
        if (cap.AutoSize)
            font.pointSize = fittedSize(painter, font, cap.Text, B);
        painter.setFont(font);
        const int fh = painter.height(cap.Text);
        const int x = captionX(cap, painter.width(cap.Text));
        canvas.setBrush(textBrush);
        if (upper) {
            painter.text(x, top, cap.Text);
            top += int(std::lround(1.2 * fh)) + 1;
        } else {
            const int y = bottom - int(std::lround(1.2 * fh));
            painter.text(x, y, cap.Text);
            bottom = y - 1;
        }
    };
    drawCaption(Caption, true);
    drawCaption(CaptionBottom, false);

    // Digit font and height.
    const QString printed = PrintedText();
    printing::Font digitFont = Font;
    if (FontAutoSize) {
        QString sample;
        switch (type_) {
        case bcEan8:
        case bcJAN8:
            sample = printed.left(4);
            break;
        case bcEan13:
        case bcISBN:
        case bcISSN:
        case bcISMN:
        case bcJAN13:
        case bcUPCE0:
        case bcUPCE1:
            sample = mid(printed, 2, 7);
            break;
        case bcUPCA:
            sample = mid(printed, 2, 6);
            break;
        case bcUPCShipping:
            sample = printed + QStringLiteral("     ");
            break;
        case bcOPC:
            sample = printed + QStringLiteral("--");
            break;
        default:
            sample = printed;
            break;
        }
        digitFont.pointSize = fittedSize(painter, digitFont, sample, m.LeftHalfEnd - m.LeftHalfStart);
    }
    painter.setFont(digitFont);
    const int h = painter.height(printed);
    const int band = ShowLabels ? h : 0;

    // Bars.
    const bool postal = isPostal(type_);
    const bool upc = type_ == bcUPCA || type_ == bcUPCE0 || type_ == bcUPCE1;
    const Brush barBrush{LinesColor, BrushStyle::Solid};
    int firstRun = 0;
    int barsEnd = ShowLabels ? bottom - h : bottom;
    auto drawRun = [&](int start, int end, char last) {
        int y1 = top;
        int y2 = bottom;
        if (postal) {
            const int A = bottom - top - band;
            y2 = top + A;
            switch (last) {
            case 'A':
            case 'H':
                y2 -= A / 3;
                break;
            case 'D':
                y1 += A / 3;
                break;
            case 'M':
                y1 += A / 2;
                break;
            case 'S':
            case 'T':
                y1 += A / 3;
                y2 -= A / 3;
                break;
            default:
                break;
            }
        } else if (last == '2' && StartStopLines) {
            // UPC guards stop half-way into the digit line, beside the
            // smaller outer digits.
            y2 = upc ? bottom - band / 2 : bottom;
        } else if (ShowLabels || last == '3') {
            y2 = bottom - h;
        }
        if (firstRun == 0)
            firstRun = end - start;
        painter.fill({left + start, y1, left + end, y2}, barBrush);
    };
    int runStart = -1;
    char runLast = 0;
    for (int i = 0; i <= B; ++i) {
        const char c = i < B ? scaled[std::size_t(i)] : '0';
        if (runStart >= 0) {
            // A gap, or a bar of another kind ("2" and "3" lengthen a run).
            const bool closes = !isBarModule(c) || (c != runLast && c != '2' && c != '3');
            if (closes) {
                drawRun(runStart, i, runLast);
                runStart = -1;
            }
        }
        if (isBarModule(c)) {
            if (runStart < 0)
                runStart = i;
            runLast = c;
        }
    }

    if (type_ == bcITF && firstRun > 0) {
        const int t = 2 * firstRun;
        painter.fill({left, top, left + B, top + t}, barBrush);
        painter.fill({left, barsEnd - t, left + B, barsEnd}, barBrush);
    }

    // Human-readable digits.
    if (ShowLabels) {
        QString text = printed;
        for (int i = 0; i < LabelMask.size() && i < text.size(); ++i)
            if (LabelMask[i] != u'_')
                text[i] = LabelMask[i];
        const int y = bottom - h;
        const int addOnY = Ean13AddUp ? top : y;
        canvas.setBrush(textBrush);
        painter.setFont(digitFont);
        auto centred = [&](const QString &s, int start, int end, int atY) {
            painter.text(left + start + (end - start - painter.width(s)) / 2, atY, s);
        };
        auto addOn = [&](int from1, int to1) {
            if (m.AddOnStart > 0)
                painter.text(left + m.AddOnStart, addOnY, mid(text, from1, to1));
        };
        switch (type_) {
        case bcEan8:
        case bcJAN8:
            centred(mid(text, 1, 4), m.LeftHalfStart, m.LeftHalfEnd, y);
            centred(mid(text, 5, 8), m.RightHalfStart, m.RightHalfEnd, y);
            addOn(10, 14);
            break;
        case bcEan13:
        case bcISBN:
        case bcISSN:
        case bcISMN:
        case bcJAN13:
            painter.text(left, y, mid(text, 1, 1));
            centred(mid(text, 2, 7), m.LeftHalfStart, m.LeftHalfEnd, y);
            centred(mid(text, 8, 13), m.RightHalfStart, m.RightHalfEnd, y);
            addOn(15, 19);
            break;
        case bcUPCA:
            painter.text(left, y, mid(text, 1, 1));
            centred(mid(text, 2, 6), m.LeftHalfStart, m.LeftHalfEnd, y);
            centred(mid(text, 7, 11), m.RightHalfStart, m.RightHalfEnd, y);
            addOn(14, 18);
            painter.text(left + m.TrailerStart, y, mid(text, 12, 12));
            break;
        case bcUPCE0:
        case bcUPCE1: {
            centred(mid(text, 2, 7), m.LeftHalfStart, m.LeftHalfEnd, y);
            addOn(10, 14);
            printing::Font small = digitFont;
            small.pointSize = std::max(1.0, std::round(digitFont.pointSize * 0.75));
            painter.setFont(small);
            const int ys = bottom - painter.height(QStringLiteral("1"));
            painter.text(left, ys, mid(text, 1, 1));
            painter.text(left + m.TrailerStart, ys, mid(text, 8, 8));
            break;
        }
        case bcUPCShipping: {
            const QString gap = QStringLiteral("  ");
            centred(mid(text, 1, 1) + gap + mid(text, 2, 3) + gap + mid(text, 4, 8) + gap + mid(text, 9, 13) + gap
                        + mid(text, 14, 14),
                    m.LeftHalfStart, m.LeftHalfEnd, y);
            addOn(16, 21);
            break;
        }
        case bcOPC:
            centred(mid(text, 1, 5) + u'-' + mid(text, 6, 9) + u'-' + mid(text, 10, 10), m.LeftHalfStart,
                    m.LeftHalfEnd, y);
            break;
        default:
            centred(text, m.LeftHalfStart, m.LeftHalfEnd > 0 ? m.LeftHalfEnd : inner.width(), y);
            break;
        }
    }

    // More lines than rows would only draw over each other.
    const int lines = std::min(HorzLines.LinesCount, std::max(0, bottom - top));
    if (lines > 0) {
        const int s = (bottom - top) / (lines + 1);
        canvas.setPen(HorzLines.Pen);
        for (int i = 1; i <= lines; ++i)
            painter.line(inner.left, top + i * s, inner.right, top + i * s);
        canvas.setPen(savedPen);
    }

    if (OnPaint)
        OnPaint(canvas, target, barCode_);
}

}  // namespace morvane::barcode
