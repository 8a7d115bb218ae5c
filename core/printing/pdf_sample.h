#pragma once

#include "core/printing/pdf_canvas.h"

#include <QStringList>

namespace morvane::printing {

// A few pages that use every drawing operation of the PDF writer: fonts and
// sizes, German text, pen styles, rectangles, polygons, ellipses, turned and
// underlined text, pictures and two paper sizes. For looking at the writer's
// output in a viewer ("morvane-cli pdf sample").
class PdfSample {
public:
    // pictures: files to show (BMP, PNG, JPEG); without any, two generated
    // pictures (colour and grey) stand in.
    static PdfCanvas::Result write(const QString &path, const QStringList &pictures = {});
};

}  // namespace morvane::printing
