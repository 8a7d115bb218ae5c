#include "ui/printing/qt_canvas.h"

#include <QFont>
#include <QFontMetrics>
#include <QImage>
#include <QPagedPaintDevice>
#include <QPaintEngine>
#include <QPainter>
#include <QPolygon>

#include <vector>

namespace morvane::printing {

namespace {

QColor toQColor(Color c)
{
    return QColor(c.r, c.g, c.b);
}

Qt::PenStyle toQt(PenStyle s)
{
    switch (s) {
    case PenStyle::Dash:
        return Qt::DashLine;
    case PenStyle::Dot:
        return Qt::DotLine;
    case PenStyle::DashDot:
        return Qt::DashDotLine;
    case PenStyle::DashDotDot:
        return Qt::DashDotDotLine;
    case PenStyle::Clear:
        return Qt::NoPen;
    default:
        return Qt::SolidLine;
    }
}

Qt::BrushStyle toQt(BrushStyle s)
{
    switch (s) {
    case BrushStyle::Clear:
        return Qt::NoBrush;
    case BrushStyle::DiagonalCross:
        return Qt::DiagCrossPattern;
    case BrushStyle::Cross:
        return Qt::CrossPattern;
    case BrushStyle::Horizontal:
        return Qt::HorPattern;
    case BrushStyle::Vertical:
        return Qt::VerPattern;
    default:
        return Qt::SolidPattern;
    }
}

QFont toQFont(const Font &f)
{
    QFont font(f.family);
    font.setPointSizeF(f.pointSize > 0 ? f.pointSize : 1);
    font.setBold(f.bold);
    font.setItalic(f.italic);
    font.setUnderline(f.underline);
    font.setStrikeOut(f.strikeOut);
    return font;
}

QRect toQRect(const Rect &r)
{
    return QRect(r.left, r.top, r.width(), r.height());
}

}  // namespace

QtCanvas::QtCanvas(QPainter &painter, bool printer) : painter_(&painter), printer_(printer)
{
    applyPen();
    applyBrush();
}

QtCanvas::QtCanvas(QImage &image) : own_(std::make_unique<QPainter>(&image)), painter_(own_.get()), printer_(false)
{
    applyPen();
    applyBrush();
}

QtCanvas::~QtCanvas() = default;

void QtCanvas::applyPen()
{
    QPen pen(toQColor(pen_.color));
    pen.setWidth(pen_.width < 0 ? 0 : pen_.width);
    pen.setStyle(toQt(pen_.style));
    pen.setCapStyle(Qt::SquareCap);
    pen.setJoinStyle(Qt::MiterJoin);
    painter_->setPen(pen);
}

void QtCanvas::applyBrush()
{
    painter_->setBrush(QBrush(toQColor(brush_.color), toQt(brush_.style)));
    painter_->setBackground(QBrush(toQColor(brush_.color)));
}

void QtCanvas::setPen(const Pen &pen)
{
    pen_ = pen;
    applyPen();
}

void QtCanvas::setBrush(const Brush &brush)
{
    brush_ = brush;
    applyBrush();
}

void QtCanvas::setFont(const Font &font)
{
    font_ = font;
    painter_->setFont(toQFont(font));
}

void QtCanvas::setTextOpaque(bool opaque)
{
    opaque_ = opaque;
}

void QtCanvas::moveTo(int x, int y)
{
    pos_ = QPoint(x, y);
}

void QtCanvas::lineTo(int x, int y)
{
    const QPoint to(x, y);
    if (pen_.mode != PenMode::Copy && painter_->paintEngine()
        && painter_->paintEngine()->hasFeature(QPaintEngine::RasterOpModes))
        painter_->setCompositionMode(pen_.mode == PenMode::Xor ? QPainter::RasterOp_SourceXorDestination
                                                               : QPainter::RasterOp_NotDestination);
    painter_->drawLine(pos_, to);
    painter_->setCompositionMode(QPainter::CompositionMode_SourceOver);
    pos_ = to;
}

void QtCanvas::rectangle(const Rect &rect)
{
    if (rect.width() <= 0 || rect.height() <= 0)
        return;
    if (brush_.style != BrushStyle::Clear)
        painter_->fillRect(toQRect(rect), painter_->brush());
    if (pen_.style != PenStyle::Clear) {
        painter_->save();
        painter_->setBrush(Qt::NoBrush);
        painter_->drawRect(QRect(rect.left, rect.top, rect.width() - 1, rect.height() - 1));
        painter_->restore();
    }
}

void QtCanvas::fillRect(const Rect &rect)
{
    if (rect.width() <= 0 || rect.height() <= 0 || brush_.style == BrushStyle::Clear)
        return;
    painter_->fillRect(toQRect(rect), painter_->brush());
}

void QtCanvas::polygon(std::span<const Point> points)
{
    if (points.empty())
        return;
    QPolygon poly;
    poly.reserve(qsizetype(points.size()));
    for (const Point &p : points)
        poly << QPoint(p.x, p.y);
    painter_->drawPolygon(poly);
}

void QtCanvas::ellipse(const Rect &rect)
{
    painter_->drawEllipse(QRect(rect.left, rect.top, rect.width() - 1, rect.height() - 1));
}

void QtCanvas::textOut(int x, int y, const QString &text)
{
    if (text.isEmpty())
        return;
    QPainter &p = *painter_;
    p.save();
    p.setPen(toQColor(font_.color));
    p.setBackgroundMode(opaque_ ? Qt::OpaqueMode : Qt::TransparentMode);
    p.setBackground(QBrush(toQColor(brush_.color)));
    const QFontMetrics fm(p.font(), p.device());
    p.translate(x, y);
    if (font_.escapement != 0)
        p.rotate(-font_.escapement / 10.0);
    p.drawText(0, fm.ascent(), text);
    p.restore();
}

int QtCanvas::textWidth(const QString &text)
{
    return QFontMetrics(painter_->font(), painter_->device()).horizontalAdvance(text);
}

int QtCanvas::textHeight(const QString &)
{
    return QFontMetrics(painter_->font(), painter_->device()).height();
}

void QtCanvas::stretchDraw(const Rect &rect, const Image &image)
{
    if (image.isNull())
        return;
    const QImage img(image.rgb.data(), image.width, image.height, image.width * 3, QImage::Format_RGB888);
    painter_->save();
    painter_->setRenderHint(QPainter::SmoothPixmapTransform);
    painter_->drawImage(toQRect(rect), img);
    painter_->restore();
}

Size QtCanvas::pageSize() const
{
    const QPaintDevice *d = painter_->device();
    return d ? Size{d->width(), d->height()} : Size{};
}

int QtCanvas::dpiX() const
{
    const QPaintDevice *d = painter_->device();
    return d ? d->logicalDpiX() : 96;
}

int QtCanvas::dpiY() const
{
    const QPaintDevice *d = painter_->device();
    return d ? d->logicalDpiY() : 96;
}

void QtCanvas::newPage()
{
    if (auto *paged = dynamic_cast<QPagedPaintDevice *>(painter_->device()))
        paged->newPage();
}

}  // namespace morvane::printing
