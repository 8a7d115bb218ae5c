#pragma once

#include "core/printing/canvas.h"

#include <QString>

namespace morvane::barcode {

// Stored as 0, 1, 2 in settings files.
enum class TCaptionAlignment { Left = 0, Right = 1, Center = 2 };

// A free text line above or below the bars.
struct TBarcodeCaption {
    bool Visible = true;
    QString Text;
    printing::Font Font{QStringLiteral("Arial"), 10};
    // The font shrinks or grows so that the text spans 90 % of the symbol.
    bool AutoSize = true;
    TCaptionAlignment Alignment = TCaptionAlignment::Left;
    // The upper caption shows the book number of ISBN, ISSN and ISMN codes.
    bool AutoCaption = false;
};

}  // namespace morvane::barcode
