#include "core/barcode/encoder_support.h"

#include "core/barcode/text_rules.h"

namespace morvane::barcode::detail {

namespace {

const char *const kSetA[10] = {"0001101", "0011001", "0010011", "0111101", "0100011",
                               "0110001", "0101111", "0111011", "0110111", "0001011"};
const char *const kSetB[10] = {"0100111", "0110011", "0011011", "0100001", "0011101",
                               "0111001", "0000101", "0010001", "0001001", "0010111"};
const char *const kSetC[10] = {"1110010", "1100110", "1101100", "1000010", "1011100",
                               "1001110", "1010000", "1000100", "1001000", "1110100"};

const char *const kEan13Parity[10] = {"AAAAAA", "AABABB", "AABBAB", "AABBBA", "ABAABB",
                                      "ABBAAB", "ABBBAA", "ABABAB", "ABABBA", "ABBABA"};
// Number system 0; number system 1 is the complement (A <-> B).
const char *const kUpcEParity[10] = {"BBBAAA", "BBABAA", "BBAABA", "BBAAAB", "BABBAA",
                                     "BAABBA", "BAAABB", "BABABA", "BABAAB", "BAABAB"};
const char *const kAddOn2Parity[4] = {"AA", "AB", "BA", "BB"};
const char *const kAddOn5Parity[10] = {"BBAAA", "BABAA", "BAABA", "BAAAB", "ABBAA",
                                       "AABBA", "AAABB", "ABABA", "ABAAB", "AABAB"};

void appendDigit(std::string &out, int digit, char set)
{
    if (digit < 0)
        return;
    out += set == 'A' ? kSetA[digit] : set == 'B' ? kSetB[digit] : kSetC[digit];
}

// The characters from index `from` (after the separating blank) as a 2- or
// 5-digit add-on.
void appendAddOn(const QString &text, qsizetype from, BarPattern &p)
{
    const qsizetype n = text.size() - from;
    if (n != 2 && n != 5)
        return;
    int d[5] = {};
    for (qsizetype i = 0; i < n; ++i) {
        d[i] = digitAt(text, from + i);
        if (d[i] < 0)
            return;
    }
    const char *parity = n == 2 ? kAddOn2Parity[(d[0] * 10 + d[1]) % 4]
                                : kAddOn5Parity[(3 * (d[0] + d[2] + d[4]) + 9 * (d[1] + d[3])) % 10];
    p.modules.append(9, '0');
    p.markers.AddOnStart = int(p.modules.size());
    p.modules += "X1011";
    for (qsizetype i = 0; i < n; ++i) {
        if (i > 0)
            p.modules += "01";
        appendDigit(p.modules, d[i], parity[i]);
    }
}

void shiftMarkers(PatternMarkers &m, int by)
{
    for (int *v : {&m.LeftHalfStart, &m.LeftHalfEnd, &m.RightHalfStart, &m.RightHalfEnd, &m.AddOnStart,
                   &m.TrailerStart})
        if (*v)
            *v += by;
}

void encodeEan8(const QString &text, BarPattern &p)
{
    std::string &m = p.modules;
    m = "202";
    p.markers.LeftHalfStart = 3;
    for (int i = 0; i < 4; ++i)
        appendDigit(m, digitAt(text, i), 'A');
    p.markers.LeftHalfEnd = int(m.size());
    m += "02020";
    p.markers.RightHalfStart = int(m.size());
    for (int i = 4; i < 8; ++i)
        appendDigit(m, digitAt(text, i), 'C');
    p.markers.RightHalfEnd = int(m.size());
    m += "202";
    appendAddOn(text, 9, p);
}

void encodeEan13(const QString &text, BarPattern &p)
{
    std::string &m = p.modules;
    const int first = digitAt(text, 0);
    const char *parity = kEan13Parity[first < 0 ? 0 : first];
    m = "202";
    p.markers.LeftHalfStart = 3;
    for (int i = 1; i < 7; ++i)
        appendDigit(m, digitAt(text, i), parity[i - 1]);
    p.markers.LeftHalfEnd = int(m.size());
    m += "02020";
    p.markers.RightHalfStart = int(m.size());
    for (int i = 7; i < 13; ++i)
        appendDigit(m, digitAt(text, i), 'C');
    p.markers.RightHalfEnd = int(m.size());
    m += "202";
    appendAddOn(text, 14, p);
}

void encodeUpcA(const QString &text, const EncodeOptions &options, BarPattern &p)
{
    std::string &m = p.modules;
    m = "202";
    p.markers.LeftHalfStart = 3;
    for (int i = 0; i < 6; ++i) {
        const std::size_t at = m.size();
        appendDigit(m, digitAt(text, i), 'A');
        if (i == 0)
            for (std::size_t j = at; j < m.size(); ++j)
                if (m[j] == '1')
                    m[j] = '2';
    }
    p.markers.LeftHalfEnd = int(m.size());
    m += "02020";
    p.markers.RightHalfStart = int(m.size());
    for (int i = 6; i < 12; ++i) {
        const std::size_t at = m.size();
        appendDigit(m, digitAt(text, i), 'C');
        if (i == 11)
            for (std::size_t j = at; j < m.size(); ++j)
                if (m[j] == '1')
                    m[j] = '2';
    }
    p.markers.RightHalfEnd = int(m.size());
    m += "202";
    p.markers.TrailerStart = int(m.size());
    if (text.size() > 12)
        appendAddOn(text, 13, p);
    else if (options.showLabels)
        m.append(9, ' ');
}

void encodeUpcE(TTypBarCode type, const QString &text, const EncodeOptions &options, BarPattern &p)
{
    std::string &m = p.modules;
    const int check = digitAt(text, 7);
    const char *parity = kUpcEParity[check < 0 ? 0 : check];
    const bool complement = type == bcUPCE1;
    m = "202";
    p.markers.LeftHalfStart = 3;
    for (int i = 1; i < 7; ++i) {
        char set = parity[i - 1];
        if (complement)
            set = set == 'A' ? 'B' : 'A';
        appendDigit(m, digitAt(text, i), set);
    }
    p.markers.LeftHalfEnd = int(m.size());
    m += "020202";
    p.markers.TrailerStart = int(m.size());
    if (text.size() > 8)
        appendAddOn(text, 9, p);
    else if (options.showLabels)
        m.append(5, ' ');
}

}  // namespace

void encodeEanUpc(TTypBarCode type, const QString &text, const EncodeOptions &options, BarPattern &p)
{
    bool leadingDigit = true;
    switch (type) {
    case bcEan8:
    case bcJAN8:
        encodeEan8(text, p);
        leadingDigit = false;
        break;
    case bcEan13:
    case bcJAN13:
        encodeEan13(text, p);
        break;
    case bcISBN:
    case bcISSN:
    case bcISMN:
        encodeEan13(bookNumberToEan13(type, text), p);
        break;
    case bcUPCA:
        encodeUpcA(text, options, p);
        break;
    case bcUPCE0:
    case bcUPCE1:
        encodeUpcE(type, text, options, p);
        break;
    default:
        return;
    }
    if (leadingDigit && options.showLabels) {
        p.modules.insert(0, 8, ' ');
        shiftMarkers(p.markers, 8);
    }
}

}  // namespace morvane::barcode::detail
