#pragma once

#include "core/printing/canvas.h"

#include <QString>
#include <QStringView>

#include <array>
#include <map>
#include <memory>
#include <tuple>

namespace morvane::printing {

// The measurements of one face, in thousandths of the em (the unit of PDF
// width tables), taken once from the font file fontconfig picks.
struct FaceMetrics {
    QString file;    // empty when no font file could be found at all
    QString family;  // the family of that file, e.g. "Liberation Sans"
    // Advance width of every CP1252 code, measured as the character the code
    // stands for ("€" for 0x80, not U+0080). Codes the face lacks get the
    // width of its missing-glyph.
    std::array<int, 256> widths{};
    int ascent = 0;   // above the baseline, positive
    int descent = 0;  // below the baseline, negative (PDF convention)
    int capHeight = 0;
    int bboxLeft = 0, bboxBottom = 0, bboxRight = 0, bboxTop = 0;
    int italicAngle = 0;  // degrees, negative for a right-leaning face
    int underlinePosition = 0;  // negative: below the baseline
    int underlineThickness = 0;
    bool fixedPitch = false;
    bool serif = false;
    bool bold = false;
    bool italic = false;
};

// Text measurement shared by the PDF writer and the screen/printer back end,
// so a preview breaks lines exactly where the PDF does. Faces are looked up
// through fontconfig, measured with FreeType and kept; the Windows families
// the program's settings name are mapped to their metric-compatible twins.
// Not thread safe: one instance per thread.
class FontMetrics {
public:
    FontMetrics();
    ~FontMetrics();
    FontMetrics(const FontMetrics &) = delete;
    FontMetrics &operator=(const FontMetrics &) = delete;

    const FaceMetrics &face(const QString &family, bool bold, bool italic);
    const FaceMetrics &face(const Font &font) { return face(font.family, font.bold, font.italic); }

    // The family asked of fontconfig for a family name the program uses;
    // forceBold is set where the twin is the bold cut ("Arial Black").
    static QString substituteFamily(const QString &family, bool *forceBold = nullptr);

    // Sum of the advance widths in thousandths of the em. Characters outside
    // CP1252 count as "?", which is what a PDF shows for them.
    long long textUnits(const Font &font, QStringView text);

    // Extents in device dots at a resolution of dpi dots per inch (72 for
    // PDF points). Height = ascent + descent, each rounded on its own.
    int textWidth(const Font &font, QStringView text, int dpi);
    int ascent(const Font &font, int dpi);
    int descent(const Font &font, int dpi);  // positive
    int textHeight(const Font &font, int dpi) { return ascent(font, dpi) + descent(font, dpi); }

private:
    using Key = std::tuple<QString, bool, bool>;
    FaceMetrics measure(const QString &family, bool bold, bool italic);

    struct FreeTypeLibrary;
    std::unique_ptr<FreeTypeLibrary> ft_;
    std::map<Key, FaceMetrics> faces_;
};

}  // namespace morvane::printing
