#include "core/printing/font_metrics.h"

#include "core/base/cp1252.h"

#include <fontconfig/fontconfig.h>
#include <ft2build.h>
#include FT_FREETYPE_H
#include FT_ADVANCES_H
#include FT_TRUETYPE_TABLES_H

#include <QFile>

#include <algorithm>
#include <cmath>

namespace morvane::printing {

struct FontMetrics::FreeTypeLibrary {
    FT_Library lib = nullptr;
    FreeTypeLibrary()
    {
        if (FT_Init_FreeType(&lib) != 0)
            lib = nullptr;
    }
    ~FreeTypeLibrary()
    {
        if (lib)
            FT_Done_FreeType(lib);
    }
};

namespace {

// Arial's figures: used only when the machine has no font at all, so that
// layout still works and nothing divides by zero.
FaceMetrics fallbackMetrics()
{
    FaceMetrics m;
    m.widths.fill(556);
    m.widths[' '] = 278;
    m.ascent = 905;
    m.descent = -212;
    m.capHeight = 716;
    m.bboxLeft = -665;
    m.bboxBottom = -325;
    m.bboxRight = 2000;
    m.bboxTop = 1006;
    m.underlinePosition = -106;
    m.underlineThickness = 73;
    return m;
}

struct Match {
    QString file;
    int index = 0;
    QString family;
};

Match findFontFile(const QString &family, bool bold, bool italic)
{
    Match result;
    if (!FcInit())
        return result;
    FcPattern *pattern = FcPatternCreate();
    if (!pattern)
        return result;
    const QByteArray name = family.toUtf8();
    FcPatternAddString(pattern, FC_FAMILY, reinterpret_cast<const FcChar8 *>(name.constData()));
    FcPatternAddInteger(pattern, FC_WEIGHT, bold ? FC_WEIGHT_BOLD : FC_WEIGHT_REGULAR);
    FcPatternAddInteger(pattern, FC_SLANT, italic ? FC_SLANT_ITALIC : FC_SLANT_ROMAN);
    FcPatternAddBool(pattern, FC_SCALABLE, FcTrue);
    FcConfigSubstitute(nullptr, pattern, FcMatchPattern);
    FcDefaultSubstitute(pattern);
    FcResult res = FcResultNoMatch;
    FcPattern *match = FcFontMatch(nullptr, pattern, &res);
    FcPatternDestroy(pattern);
    if (!match)
        return result;
    FcChar8 *file = nullptr;
    if (FcPatternGetString(match, FC_FILE, 0, &file) == FcResultMatch && file)
        result.file = QString::fromUtf8(reinterpret_cast<const char *>(file));
    int index = 0;
    if (FcPatternGetInteger(match, FC_INDEX, 0, &index) == FcResultMatch)
        result.index = index;
    FcChar8 *fam = nullptr;
    if (FcPatternGetString(match, FC_FAMILY, 0, &fam) == FcResultMatch && fam)
        result.family = QString::fromUtf8(reinterpret_cast<const char *>(fam));
    FcPatternDestroy(match);
    return result;
}

double pointsToDots(double units, double pointSize, int dpi)
{
    return units * pointSize * dpi / 72000.0;
}

}  // namespace

FontMetrics::FontMetrics() : ft_(std::make_unique<FreeTypeLibrary>()) {}

FontMetrics::~FontMetrics() = default;

QString FontMetrics::substituteFamily(const QString &family, bool *forceBold)
{
    if (forceBold)
        *forceBold = false;
    const QString key = family.trimmed().toCaseFolded();
    if (key == u"arial" || key == u"tahoma" || key == u"microsoft sans serif" || key == u"ms sans serif")
        return QStringLiteral("Liberation Sans");
    if (key == u"arial narrow")
        return QStringLiteral("Liberation Sans Narrow");
    if (key == u"courier new")
        return QStringLiteral("Liberation Mono");
    if (key == u"times new roman")
        return QStringLiteral("Liberation Serif");
    if (key == u"arial black") {
        if (forceBold)
            *forceBold = true;
        return QStringLiteral("Liberation Sans");
    }
    return family;
}

const FaceMetrics &FontMetrics::face(const QString &family, bool bold, bool italic)
{
    Key key{family.toCaseFolded(), bold, italic};
    auto it = faces_.find(key);
    if (it == faces_.end())
        it = faces_.emplace(std::move(key), measure(family, bold, italic)).first;
    return it->second;
}

FaceMetrics FontMetrics::measure(const QString &family, bool bold, bool italic)
{
    bool forceBold = false;
    const QString wanted = substituteFamily(family, &forceBold);
    const Match match = findFontFile(wanted, bold || forceBold, italic);

    FaceMetrics m = fallbackMetrics();
    m.bold = bold || forceBold;
    m.italic = italic;
    if (match.file.isEmpty() || !ft_->lib)
        return m;

    FT_Face face = nullptr;
    if (FT_New_Face(ft_->lib, QFile::encodeName(match.file).constData(), match.index, &face) != 0 || !face)
        return m;
    if (!FT_IS_SCALABLE(face) || face->units_per_EM == 0) {
        FT_Done_Face(face);
        return m;
    }
    const double toThousandths = 1000.0 / face->units_per_EM;
    const auto scale = [&](long v) { return int(std::lround(v * toThousandths)); };

    m.file = match.file;
    m.family = match.family;
    m.fixedPitch = FT_IS_FIXED_WIDTH(face);
    m.bboxLeft = scale(face->bbox.xMin);
    m.bboxBottom = scale(face->bbox.yMin);
    m.bboxRight = scale(face->bbox.xMax);
    m.bboxTop = scale(face->bbox.yMax);
    m.underlinePosition = scale(face->underline_position);
    m.underlineThickness = std::max(1, scale(face->underline_thickness));

    // The Windows ascent and descent are what a printer driver positions
    // text by; hhea only when the face has no OS/2 table.
    const auto *os2 = static_cast<const TT_OS2 *>(FT_Get_Sfnt_Table(face, FT_SFNT_OS2));
    if (os2 && os2->version != 0xFFFF && (os2->usWinAscent || os2->usWinDescent)) {
        m.ascent = scale(os2->usWinAscent);
        m.descent = -scale(os2->usWinDescent);
    } else {
        m.ascent = scale(face->ascender);
        m.descent = scale(face->descender);
    }
    if (os2 && os2->version != 0xFFFF) {
        const int serifStyle = os2->panose[1];
        m.serif = serifStyle >= 2 && serifStyle <= 10;
    }
    // The top of "H" itself: some faces' OS/2 cap height is far off.
    if (const FT_UInt h = FT_Get_Char_Index(face, 'H'); h && FT_Load_Glyph(face, h, FT_LOAD_NO_SCALE) == 0)
        m.capHeight = scale(face->glyph->metrics.horiBearingY);
    else if (os2 && os2->version != 0xFFFF && os2->version >= 2 && os2->sCapHeight > 0)
        m.capHeight = scale(os2->sCapHeight);
    else
        m.capHeight = m.ascent * 4 / 5;
    if (const auto *post = static_cast<const TT_Postscript *>(FT_Get_Sfnt_Table(face, FT_SFNT_POST)))
        m.italicAngle = int(std::lround(post->italicAngle / 65536.0));

    FT_Fixed missing = 0;
    FT_Get_Advance(face, 0, FT_LOAD_NO_SCALE, &missing);
    for (int code = 0; code < 256; ++code) {
        const char16_t ch = base::Cp1252::toUnicode(static_cast<unsigned char>(code)).unicode();
        const FT_UInt glyph = FT_Get_Char_Index(face, ch);
        FT_Fixed advance = missing;
        if (glyph != 0 && FT_Get_Advance(face, glyph, FT_LOAD_NO_SCALE, &advance) != 0)
            advance = missing;
        m.widths[code] = scale(advance);
    }
    FT_Done_Face(face);
    return m;
}

long long FontMetrics::textUnits(const Font &font, QStringView text)
{
    const FaceMetrics &f = face(font);
    long long sum = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const char16_t ch = text[i].unicode();
        if (QChar::isHighSurrogate(ch) && i + 1 < text.size() && QChar::isLowSurrogate(text[i + 1].unicode()))
            ++i;  // one character, one "?"
        const int code = base::Cp1252::fromUnicode(ch);
        sum += f.widths[code < 0 || QChar::isSurrogate(ch) ? '?' : code];
    }
    return sum;
}

int FontMetrics::textWidth(const Font &font, QStringView text, int dpi)
{
    return int(std::llround(pointsToDots(double(textUnits(font, text)), font.pointSize, dpi)));
}

int FontMetrics::ascent(const Font &font, int dpi)
{
    return int(std::lround(pointsToDots(face(font).ascent, font.pointSize, dpi)));
}

int FontMetrics::descent(const Font &font, int dpi)
{
    return int(std::lround(pointsToDots(-face(font).descent, font.pointSize, dpi)));
}

}  // namespace morvane::printing
