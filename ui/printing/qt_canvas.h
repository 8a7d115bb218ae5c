#pragma once

#include "core/printing/canvas.h"

#include <QPoint>

#include <memory>

class QImage;
class QPainter;

namespace morvane::printing {

// The canvas over a QPainter: a widget, a picture or a printer page.
// Text is measured with the font metrics of the painter's device.
class QtCanvas : public Canvas {
public:
    // Draws with an active painter; printer marks paper (and PDF) devices.
    explicit QtCanvas(QPainter &painter, bool printer = false);
    // Opens its own painter on the image for the canvas's lifetime.
    explicit QtCanvas(QImage &image);
    ~QtCanvas() override;

    void setPen(const Pen &pen) override;
    void setBrush(const Brush &brush) override;
    void setFont(const Font &font) override;
    void setTextOpaque(bool opaque) override;

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

    Size pageSize() const override;
    int dpiX() const override;
    int dpiY() const override;
    void newPage() override;
    bool isPrinter() const override { return printer_; }

    QPainter &painter() { return *painter_; }

private:
    void applyPen();
    void applyBrush();

    std::unique_ptr<QPainter> own_;
    QPainter *painter_;
    bool printer_;
    bool opaque_ = false;
    QPoint pos_;
};

}  // namespace morvane::printing
