#include "core/barcode/encoder_support.h"

#include "core/barcode/barcode_type_info.h"
#include "core/barcode/check_digits.h"

#include <cstring>

namespace morvane::barcode::detail {

namespace {

const char kCodabarChars[] = "0123456789-$:/.+ABCD";
// Seven elements each, "1" wide.
const char *const kCodabar[20] = {
    "0000011", "0000110", "0001001", "1100000", "0010010", "1000010", "0100001", "0100100", "0110000", "1001000",
    "0001100", "0011000", "1000101", "1010001", "1010100", "0010101", "0011010", "0101001", "0001011", "0001110",
};

// A..D, also written a..d and by their other names T, N, *, E.
int startStopIndex(QChar c)
{
    switch (c.toUpper().unicode()) {
    case u'A':
    case u'T':
        return 16;
    case u'B':
    case u'N':
        return 17;
    case u'C':
    case u'*':
        return 18;
    case u'D':
    case u'E':
        return 19;
    default:
        return -1;
    }
}

int dataIndex(QChar c)
{
    if (c.unicode() == 0 || c.unicode() >= 128)
        return -1;
    const char *at = std::strchr(kCodabarChars, char(c.unicode()));
    return at ? int(at - kCodabarChars) : -1;
}

void appendChar(std::string &m, int index, char barChar, bool gap)
{
    appendWideNarrow(m, kCodabar[index], barChar);
    if (gap)
        m += '0';
}

}  // namespace

void encodeCodabar(TTypBarCode type, const QString &text, const EncodeOptions &options, BarPattern &p)
{
    std::string &m = p.modules;
    if (type == bcABCCodabar) {
        for (QChar c : text) {
            if (c == u' ') {
                m.append(12, '0');
                continue;
            }
            const int index = dataIndex(c);
            if (index >= 0)
                appendChar(m, index, '1', true);
        }
        p.markers.LeftHalfEnd = int(m.size());
        return;
    }
    if (type == bcCodabarMonarch) {
        for (QChar c : text) {
            int index = startStopIndex(c);
            if (index < 0)
                index = dataIndex(c);
            if (index >= 0)
                appendChar(m, index, '1', true);
        }
        p.markers.LeftHalfEnd = int(m.size());
        return;
    }
    // A text that brings its own start and stop letters keeps them; adding
    // a second pair would make a reader stop at the text's first letter.
    int start = 16;
    int stop = 16;
    QString data = text;
    if (text.size() >= 2 && startStopIndex(text.front()) >= 0 && startStopIndex(text.back()) >= 0) {
        start = startStopIndex(text.front());
        stop = startStopIndex(text.back());
        data = text.mid(1, text.size() - 2);
    }
    if (options.autoCheckDigit) {
        const int check = codabarCheckValue(data, BarcodeChars(bcCodabar));
        if (check >= 0)
            data += QChar(kCodabarChars[check]);
    }
    appendChar(m, start, '2', true);
    p.markers.LeftHalfStart = int(m.size());
    for (QChar c : data) {
        const int index = dataIndex(c);
        if (index >= 0)
            appendChar(m, index, '1', true);
    }
    p.markers.LeftHalfEnd = int(m.size());
    appendChar(m, stop, '2', false);
}

}  // namespace morvane::barcode::detail
