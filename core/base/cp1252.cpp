#include "core/base/cp1252.h"

#include <array>

namespace morvane::base {

namespace {

// 0x80..0x9F; 0 marks the five codes CP1252 leaves undefined (decoded as the
// C1 control of the same number, as Windows does).
constexpr std::array<char16_t, 32> kHigh = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0,      0x017D, 0,
    0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};

}  // namespace

QChar Cp1252::toUnicode(unsigned char byte)
{
    if (byte >= 0x80 && byte <= 0x9F) {
        const char16_t mapped = kHigh[byte - 0x80];
        return QChar(mapped ? mapped : char16_t(byte));
    }
    return QChar(char16_t(byte));
}

int Cp1252::fromUnicode(char16_t ch)
{
    if (ch < 0x80 || (ch >= 0xA0 && ch <= 0xFF)) [[likely]]
        return ch;
    for (int i = 0; i < 32; ++i) {
        if (kHigh[i] == ch)
            return 0x80 + i;
    }
    // The undefined codes round-trip as their C1 controls.
    if (ch >= 0x80 && ch <= 0x9F && kHigh[ch - 0x80] == 0)
        return ch;
    return -1;
}

QString Cp1252::decode(QByteArrayView bytes)
{
    // Most texts hold no byte of 0x80..0x9F, where CP1252 and Latin-1
    // differ: let Qt's vectorised Latin-1 conversion take those.
    bool latin1 = true;
    for (char c : bytes) {
        const auto b = static_cast<unsigned char>(c);
        if (b >= 0x80 && b <= 0x9F) {
            latin1 = false;
            break;
        }
    }
    if (latin1)
        return QString::fromLatin1(bytes);
    QString out;
    out.resize(bytes.size());
    QChar *dst = out.data();
    for (qsizetype i = 0; i < bytes.size(); ++i)
        dst[i] = toUnicode(static_cast<unsigned char>(bytes[i]));
    return out;
}

QByteArray Cp1252::encode(QStringView text)
{
    QByteArray out;
    out.reserve(text.size());
    encodeInto(text, out);
    return out;
}

void Cp1252::encodeInto(QStringView text, QByteArray &out)
{
    for (qsizetype i = 0; i < text.size(); ++i) {
        const char16_t ch = text[i].unicode();
        if (QChar::isHighSurrogate(ch) && i + 1 < text.size() && text[i + 1].isLowSurrogate())
            ++i;  // one character outside the BMP becomes one "?"
        const int code = fromUnicode(ch);
        out.append(code < 0 ? '?' : static_cast<char>(code));
    }
}

}  // namespace morvane::base
