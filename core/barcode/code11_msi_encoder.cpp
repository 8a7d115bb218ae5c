#include "core/barcode/encoder_support.h"

#include "core/barcode/check_digits.h"

namespace morvane::barcode::detail {

namespace {

// Five elements each, "1" wide; index 10 is "-".
const char *const kCode11[11] = {"00001", "10001", "01001", "11000", "00101", "10100",
                                 "01100", "00011", "10010", "10000", "00100"};

int code11Index(QChar c)
{
    if (c == u'-')
        return 10;
    return c >= u'0' && c <= u'9' ? c.unicode() - u'0' : -1;
}

QChar code11Char(int value)
{
    return value == 10 ? QChar(u'-') : QChar(u'0' + value);
}

int hexValue(QChar c)
{
    if (c >= u'0' && c <= u'9')
        return c.unicode() - u'0';
    if (c >= u'A' && c <= u'F')
        return c.unicode() - u'A' + 10;
    return -1;
}

}  // namespace

void encodeCode11(const QString &text, BarPattern &p)
{
    const int c = code11CheckValue(text, 10);
    if (c < 0)
        return;
    QString full = text + code11Char(c);
    const int k = code11CheckValue(full, 9);
    if (k < 0)
        return;
    full += code11Char(k);
    std::string &m = p.modules;
    m = "20220020";
    p.markers.LeftHalfStart = int(m.size());
    for (QChar ch : full) {
        appendWideNarrow(m, kCode11[code11Index(ch)], '1');
        m += '0';
    }
    p.markers.LeftHalfEnd = int(m.size());
    m += "2022002";
}

void encodeMsi(const QString &text, BarPattern &p)
{
    QString full = text;
    if (full.size() > 1) {
        const int first = msiCheckDigit(full);
        if (first < 0)
            return;
        full += QChar(u'0' + first);
        if (full.size() == 14) {
            const int second = msiCheckDigit(full);
            if (second < 0)
                return;
            full += QChar(u'0' + second);
        }
    }
    std::string bits = "1";
    for (QChar c : full) {
        const int v = hexValue(c);
        if (v < 0)
            return;
        for (int b = 3; b >= 0; --b)
            bits += (v >> b) & 1 ? '1' : '0';
    }
    bits += "00";
    std::string &m = p.modules;
    for (char b : bits)
        m += b == '1' ? "11100" : "10000";
    const int quarter = int(m.size()) / 4;
    p.markers.LeftHalfStart = quarter;
    p.markers.LeftHalfEnd = int(m.size()) - quarter;
}

}  // namespace morvane::barcode::detail
