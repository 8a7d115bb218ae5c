#pragma once

#include "core/printing/canvas.h"

namespace morvane::barcode {

enum TQuietZoneIndicatorStyle { qzNone, qzLines, qzTriangel, qzRectangle };

// Margins in percent of the target rectangle, with optional corner marks.
class TQuietZone {
public:
    int Left() const { return left_; }
    int Top() const { return top_; }
    int Right() const { return right_; }
    int Bottom() const { return bottom_; }
    // Values outside 0..100 are ignored.
    void SetLeft(int v) { set(left_, v); }
    void SetTop(int v) { set(top_, v); }
    void SetRight(int v) { set(right_, v); }
    void SetBottom(int v) { set(bottom_, v); }

    int IndicatorSize() const { return indicator_; }
    void SetIndicatorSize(int v) { set(indicator_, v); }

    TQuietZoneIndicatorStyle Style = qzLines;
    printing::Pen Pen;
    bool Visible = false;

private:
    static void set(int &field, int v)
    {
        if (v >= 0 && v <= 100)
            field = v;
    }
    int left_ = 0, top_ = 0, right_ = 0, bottom_ = 0;
    int indicator_ = 5;
};

// Lines drawn across the symbol at equal distances.
struct TBarCodeHorzLines {
    printing::Pen Pen;
    int LinesCount = 0;
};

}  // namespace morvane::barcode
