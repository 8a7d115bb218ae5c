#include "core/barcode/encoder_support.h"

#include <cstring>

namespace morvane::barcode {

namespace {

const char kCode39Chars[] = "0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZ-. $/+%";
// Nine elements each, "1" wide, in the order of kCode39Chars.
const char *const kCode39[43] = {
    "000110100", "100100001", "001100001", "101100000", "000110001", "100110000", "001110000",
    "000100101", "100100100", "001100100", "100001001", "001001001", "101001000", "000011001",
    "100011000", "001011000", "000001101", "100001100", "001001100", "000011100", "100000011",
    "001000011", "101000010", "000010011", "100010010", "001010010", "000000111", "100000110",
    "001000110", "000010110", "110000001", "011000001", "111000000", "010010001", "110010000",
    "011010000", "010000101", "110000100", "011000100", "010101000", "010100010", "010001010",
    "000101010",
};

}  // namespace

QString code39FullAscii(const QString &text)
{
    QString out;
    for (QChar ch : text) {
        const char16_t c = ch.unicode();
        auto pair = [&](char shift, char letter) {
            out += QChar(shift);
            out += QChar(letter);
        };
        if (c == 0)
            pair('%', 'U');
        else if (c <= 26)
            pair('$', char('A' + c - 1));
        else if (c <= 31)
            pair('%', char('A' + c - 27));
        else if (c == u' ' || c == u'-' || c == u'.' || (c >= u'0' && c <= u'9') || (c >= u'A' && c <= u'Z'))
            out += ch;
        else if (c >= 33 && c <= 44)
            pair('/', char('A' + c - 33));
        else if (c == u'/')
            pair('/', 'O');
        else if (c == u':')
            pair('/', 'Z');
        else if (c >= 59 && c <= 63)
            pair('%', char('F' + c - 59));
        else if (c == u'@')
            pair('%', 'V');
        else if (c >= 91 && c <= 95)
            pair('%', char('K' + c - 91));
        else if (c == u'`')
            pair('%', 'W');
        else if (c >= u'a' && c <= u'z')
            pair('+', char(c - 32));
        else if (c >= 123 && c <= 126)
            pair('%', char('P' + c - 123));
        else if (c == 0x20AC)
            pair('%', 'T');
    }
    return out;
}

namespace detail {

void encodeCode39(const QString &text, BarPattern &p)
{
    std::string &m = p.modules;
    m = "2002022022020";
    p.markers.LeftHalfStart = int(m.size());
    for (QChar c : text) {
        const char *at = c.unicode() < 128 ? std::strchr(kCode39Chars, char(c.unicode())) : nullptr;
        if (!at || c.unicode() == 0)
            continue;
        appendWideNarrow(m, kCode39[at - kCode39Chars], '1');
        m += '0';
    }
    p.markers.LeftHalfEnd = int(m.size());
    m += "200202202202";
}

}  // namespace detail

}  // namespace morvane::barcode
