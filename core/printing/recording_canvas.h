#pragma once

#include "core/printing/canvas.h"

#include <QString>

#include <vector>

namespace morvane::printing {

// A canvas that keeps a list of what was drawn, for tests.
//
// Text is measured by a fixed rule so that results never depend on the fonts
// of the machine: the em is pointSize x dpiY / 72 dots; every character is
// half an em wide (rounded once for the whole text) and a line is 1.15 em
// high (rounded up). An empty text is 0 wide and still one line high.
class RecordingCanvas : public Canvas {
public:
    enum class Kind { MoveTo, LineTo, Rectangle, FillRect, Polygon, Ellipse, TextOut, StretchDraw, NewPage };

    struct Op {
        Kind kind;
        Rect rect;                  // Rectangle, FillRect, Ellipse, StretchDraw
        std::vector<Point> points;  // Polygon; MoveTo/LineTo/TextOut use points[0]
        QString text;               // TextOut
        Pen pen;                    // state when the operation was drawn
        Brush brush;
        Font font;
        bool textOpaque = false;
    };

    explicit RecordingCanvas(Size pageSize = {2000, 2000}, int dpi = 300, bool printer = false);

    void setPen(const Pen &pen) override { pen_ = pen; }
    void setBrush(const Brush &brush) override { brush_ = brush; }
    void setFont(const Font &font) override { font_ = font; }
    void setTextOpaque(bool opaque) override { opaque_ = opaque; }

    void moveTo(int x, int y) override;
    void lineTo(int x, int y) override;
    void rectangle(const Rect &rect) override;
    void fillRect(const Rect &rect) override;
    void polygon(std::span<const Point> points) override;
    void ellipse(const Rect &rect) override;
    void textOut(int x, int y, const QString &text) override;
    int textWidth(const QString &text) override;
    int textHeight(const QString &text) override;
    void stretchDraw(const Rect &rect, const Image &image) override;

    Size pageSize() const override { return size_; }
    int dpiX() const override { return dpi_; }
    int dpiY() const override { return dpi_; }
    void newPage() override;
    bool isPrinter() const override { return printer_; }

    const std::vector<Op> &ops() const { return ops_; }
    std::vector<Op> opsOf(Kind kind) const;
    void clear() { ops_.clear(); }

private:
    Op makeOp(Kind kind) const;

    Size size_;
    int dpi_;
    bool printer_;
    bool opaque_ = false;
    std::vector<Op> ops_;
};

}  // namespace morvane::printing
