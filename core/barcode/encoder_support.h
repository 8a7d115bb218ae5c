#pragma once

#include "core/barcode/bar_pattern.h"

#include <QString>

#include <string>
#include <string_view>

// Shared pieces of the encoders; not part of the engine's interface.
namespace morvane::barcode::detail {

inline int digitAt(const QString &text, qsizetype i)
{
    if (i < 0 || i >= text.size())
        return -1;
    const QChar c = text[i];
    return c >= u'0' && c <= u'9' ? c.unicode() - u'0' : -1;
}

// Element widths ("1".."4"), bar first, bars written as barChar.
inline void appendWidths(std::string &out, std::string_view widths, char barChar)
{
    bool bar = true;
    for (char w : widths) {
        out.append(std::size_t(w - '0'), bar ? barChar : '0');
        bar = !bar;
    }
}

// Narrow/wide elements ("0" narrow, "1" wide = two modules), bar first.
inline void appendWideNarrow(std::string &out, std::string_view elements, char barChar)
{
    bool bar = true;
    for (char e : elements) {
        out.append(e == '1' ? 2 : 1, bar ? barChar : '0');
        bar = !bar;
    }
}

void encodeEanUpc(TTypBarCode type, const QString &text, const EncodeOptions &options, BarPattern &p);
void encodeCode128(const QString &text, bool fnc1, const EncodeOptions &options, BarPattern &p);
void encodeCode39(const QString &text, BarPattern &p);
void encodeCode93(const QString &text, bool fullAscii, const EncodeOptions &options, BarPattern &p);
void encodeCodabar(TTypBarCode type, const QString &text, const EncodeOptions &options, BarPattern &p);
void encodeTwoOfFive(TTypBarCode type, const QString &text, BarPattern &p);
void encodePostal(TTypBarCode type, const QString &text, const EncodeOptions &options, BarPattern &p);
void encodeCode11(const QString &text, BarPattern &p);
void encodeMsi(const QString &text, BarPattern &p);

}  // namespace morvane::barcode::detail
