#pragma once

#include <QString>

#include <cstdint>
#include <span>
#include <vector>

namespace morvane::printing {

// A colour as red, green, blue. Stored settings and the article "Farbe" field
// keep the Windows order (blue, green, red from the most significant byte);
// fromBgr/toBgr convert.
struct Color {
    std::uint8_t r = 0, g = 0, b = 0;

    static constexpr Color fromBgr(std::uint32_t bgr)
    {
        return {std::uint8_t(bgr & 0xFF), std::uint8_t((bgr >> 8) & 0xFF), std::uint8_t((bgr >> 16) & 0xFF)};
    }
    constexpr std::uint32_t toBgr() const { return std::uint32_t(r) | (std::uint32_t(g) << 8) | (std::uint32_t(b) << 16); }
    static constexpr Color black() { return {0, 0, 0}; }
    static constexpr Color white() { return {255, 255, 255}; }
    friend constexpr bool operator==(Color, Color) = default;
};

struct Point {
    int x = 0, y = 0;
    friend constexpr bool operator==(Point, Point) = default;
};

// Left/top inclusive, right/bottom exclusive, as device rectangles are.
struct Rect {
    int left = 0, top = 0, right = 0, bottom = 0;
    constexpr int width() const { return right - left; }
    constexpr int height() const { return bottom - top; }
    friend constexpr bool operator==(Rect, Rect) = default;
};

struct Size {
    int width = 0, height = 0;
    friend constexpr bool operator==(Size, Size) = default;
};

enum class PenStyle { Solid, Dash, Dot, DashDot, DashDotDot, Clear };
enum class PenMode { Copy, Xor, Not };
enum class BrushStyle { Solid, Clear, DiagonalCross, Cross, Horizontal, Vertical };

struct Pen {
    Color color = Color::black();
    int width = 1;  // device dots; 0 draws one dot wide
    PenStyle style = PenStyle::Solid;
    PenMode mode = PenMode::Copy;
    friend bool operator==(const Pen &, const Pen &) = default;
};

struct Brush {
    Color color = Color::white();
    BrushStyle style = BrushStyle::Solid;
    friend bool operator==(const Brush &, const Brush &) = default;
};

struct Font {
    QString family = QStringLiteral("Arial");
    double pointSize = 10;
    bool bold = false;
    bool italic = false;
    bool underline = false;
    bool strikeOut = false;
    Color color = Color::black();
    int escapement = 0;  // tenths of a degree, counter-clockwise
    friend bool operator==(const Font &, const Font &) = default;
};

// A 24-bit picture, rows top to bottom, 3 bytes (R, G, B) per pixel.
struct Image {
    int width = 0;
    int height = 0;
    std::vector<std::uint8_t> rgb;
    bool isNull() const { return width <= 0 || height <= 0 || rgb.size() < std::size_t(width) * height * 3; }
};

// The drawing surface of every printout: a page, a preview, a PDF file or a
// picture. Coordinates are integer device dots, origin top left.
//
// Text is placed by its top-left corner (the top of the font's cell, not the
// baseline); with an escapement the corner is the rotation centre.
class Canvas {
public:
    virtual ~Canvas() = default;

    virtual void setPen(const Pen &pen) = 0;
    virtual void setBrush(const Brush &brush) = 0;
    virtual void setFont(const Font &font) = 0;
    // Opaque text fills its cell with the brush colour first.
    virtual void setTextOpaque(bool opaque) = 0;

    const Pen &pen() const { return pen_; }
    const Brush &brush() const { return brush_; }
    const Font &font() const { return font_; }

    virtual void moveTo(int x, int y) = 0;
    virtual void lineTo(int x, int y) = 0;
    // Outline with the pen, inside with the brush.
    virtual void rectangle(const Rect &rect) = 0;
    // Brush only, no outline.
    virtual void fillRect(const Rect &rect) = 0;
    // Outline with the pen, inside with the brush; Clear pen = no outline.
    virtual void polygon(std::span<const Point> points) = 0;
    // Ellipse inscribed in the rectangle, outline and fill as rectangle().
    virtual void ellipse(const Rect &rect) = 0;
    virtual void textOut(int x, int y, const QString &text) = 0;
    // Size of the text in the current font, in device dots.
    virtual int textWidth(const QString &text) = 0;
    virtual int textHeight(const QString &text) = 0;
    // The picture stretched to fill the rectangle.
    virtual void stretchDraw(const Rect &rect, const Image &image) = 0;

    virtual Size pageSize() const = 0;  // device dots
    virtual int dpiX() const = 0;
    virtual int dpiY() const = 0;
    // Ends the current page and starts the next one.
    virtual void newPage() = 0;
    // True for a printer or PDF page (no red error hatch is drawn there).
    virtual bool isPrinter() const = 0;

protected:
    Pen pen_;
    Brush brush_;
    Font font_;
};

// Millimetres to device dots as every printout converts them.
inline int mmToDots(double mm, int dpi)
{
    return int(mm / 25.39995 * dpi);
}

}  // namespace morvane::printing
