#include "core/printing/recording_canvas.h"

#include <cmath>

namespace morvane::printing {

RecordingCanvas::RecordingCanvas(Size pageSize, int dpi, bool printer)
    : size_(pageSize), dpi_(dpi > 0 ? dpi : 96), printer_(printer)
{
}

RecordingCanvas::Op RecordingCanvas::makeOp(Kind kind) const
{
    Op op{kind, {}, {}, {}, pen_, brush_, font_, opaque_};
    return op;
}

void RecordingCanvas::moveTo(int x, int y)
{
    Op op = makeOp(Kind::MoveTo);
    op.points = {{x, y}};
    ops_.push_back(std::move(op));
}

void RecordingCanvas::lineTo(int x, int y)
{
    Op op = makeOp(Kind::LineTo);
    op.points = {{x, y}};
    ops_.push_back(std::move(op));
}

void RecordingCanvas::rectangle(const Rect &rect)
{
    Op op = makeOp(Kind::Rectangle);
    op.rect = rect;
    ops_.push_back(std::move(op));
}

void RecordingCanvas::fillRect(const Rect &rect)
{
    Op op = makeOp(Kind::FillRect);
    op.rect = rect;
    ops_.push_back(std::move(op));
}

void RecordingCanvas::polygon(std::span<const Point> points)
{
    Op op = makeOp(Kind::Polygon);
    op.points.assign(points.begin(), points.end());
    ops_.push_back(std::move(op));
}

void RecordingCanvas::ellipse(const Rect &rect)
{
    Op op = makeOp(Kind::Ellipse);
    op.rect = rect;
    ops_.push_back(std::move(op));
}

void RecordingCanvas::textOut(int x, int y, const QString &text)
{
    Op op = makeOp(Kind::TextOut);
    op.points = {{x, y}};
    op.text = text;
    ops_.push_back(std::move(op));
}

int RecordingCanvas::textWidth(const QString &text)
{
    const double em = font_.pointSize * dpi_ / 72.0;
    return int(std::lround(text.size() * em / 2));
}

int RecordingCanvas::textHeight(const QString &)
{
    const double em = font_.pointSize * dpi_ / 72.0;
    return int(std::ceil(em * 1.15));
}

void RecordingCanvas::stretchDraw(const Rect &rect, const Image &)
{
    Op op = makeOp(Kind::StretchDraw);
    op.rect = rect;
    ops_.push_back(std::move(op));
}

void RecordingCanvas::newPage()
{
    ops_.push_back(makeOp(Kind::NewPage));
}

std::vector<RecordingCanvas::Op> RecordingCanvas::opsOf(Kind kind) const
{
    std::vector<Op> out;
    for (const Op &op : ops_)
        if (op.kind == kind)
            out.push_back(op);
    return out;
}

}  // namespace morvane::printing
