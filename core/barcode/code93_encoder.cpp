#include "core/barcode/encoder_support.h"

#include "core/barcode/check_digits.h"

#include <cstring>

namespace morvane::barcode::detail {

namespace {

// Values 0..46: digits, letters, "-. $/+%" and the four shifts ($) (%) (/) (+),
// which the standard set writes as & " ( ).
const char kCode93Chars[] = "0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZ-. $/+%&\"()";
const char *const kCode93[47] = {
    "131112", "111213", "111312", "111411", "121113", "121212", "121311", "111114", "131211", "141111",
    "211113", "211212", "211311", "221112", "221211", "231111", "112113", "112212", "112311", "122112",
    "132111", "111123", "111222", "111321", "121122", "131121", "212112", "212211", "211122", "211221",
    "221121", "222111", "112122", "112221", "122121", "123111", "121131", "311112", "311211", "321111",
    "112131", "113121", "211131", "121221", "312111", "311121", "122211",
};

int valueOf(QChar c)
{
    if (c.unicode() == 0 || c.unicode() >= 128)
        return -1;
    const char *at = std::strchr(kCode93Chars, char(c.unicode()));
    return at ? int(at - kCode93Chars) : -1;
}

// Full ASCII uses the pairs of Code 39 with the four shift characters in
// place of "$", "%", "/" and "+".
std::vector<int> fullAsciiValues(const QString &text)
{
    const QString pairs = code39FullAscii(text);
    std::vector<int> values;
    values.reserve(std::size_t(pairs.size()));
    for (qsizetype i = 0; i < pairs.size(); ++i) {
        const QChar c = pairs[i];
        const bool shift = i + 1 < pairs.size() && (c == u'$' || c == u'%' || c == u'/' || c == u'+')
                           && pairs[i + 1] >= u'A' && pairs[i + 1] <= u'Z';
        if (shift) {
            values.push_back(c == u'$' ? 43 : c == u'%' ? 44 : c == u'/' ? 45 : 46);
            values.push_back(valueOf(pairs[i + 1]));
            ++i;
        } else {
            values.push_back(valueOf(c));
        }
    }
    return values;
}

}  // namespace

void encodeCode93(const QString &text, bool fullAscii, const EncodeOptions &options, BarPattern &p)
{
    std::vector<int> values;
    if (fullAscii) {
        values = fullAsciiValues(text);
    } else {
        for (QChar c : text)
            values.push_back(valueOf(c));
    }
    for (int v : values)
        if (v < 0)
            return;
    if (options.autoCheckDigit)
        values.push_back(code93CheckValue(values, 20));
    values.push_back(code93CheckValue(values, 15));
    std::string &m = p.modules;
    m = "202022220";
    p.markers.LeftHalfStart = int(m.size());
    for (int v : values)
        appendWidths(m, kCode93[v], '1');
    p.markers.LeftHalfEnd = int(m.size());
    m += "2020222202";
}

}  // namespace morvane::barcode::detail
