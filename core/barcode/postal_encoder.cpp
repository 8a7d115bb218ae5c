#include "core/barcode/encoder_support.h"

#include "core/barcode/check_digits.h"
#include "core/barcode/postal_tables.h"

namespace morvane::barcode::detail {

namespace {

const char *const kPostNetWeights[10] = {"11000", "00011", "00101", "00110", "01001",
                                         "01010", "01100", "10001", "10010", "10100"};

void appendBars(std::string &m, QChar c)
{
    const int index = rm4sccIndex(c);
    if (index < 0)
        return;
    const int top = kRm4sccHalves[index / 6];
    const int bottom = kRm4sccHalves[index % 6];
    for (int bar = 3; bar >= 0; --bar) {
        const bool up = (top >> bar) & 1;
        const bool down = (bottom >> bar) & 1;
        m += up && down ? 'V' : up ? 'H' : down ? 'D' : 'S';
        m += '0';
    }
}

void postNet(const QString &text, bool planet, bool withCheck, BarPattern &p)
{
    std::string bits;
    QString digits = text;
    if (withCheck) {
        const int check = postnetCheckDigit(text);
        if (check < 0)
            return;
        digits += QChar(u'0' + check);
    }
    for (qsizetype i = 0; i < digits.size(); ++i) {
        const int d = digitAt(digits, i);
        if (d < 0)
            return;
        bits += kPostNetWeights[d];
    }
    // Planet is PostNet with every digit's bars inverted; its frame bars stay
    // tall as in PostNet, which is what its readers look for.
    if (planet)
        for (char &b : bits)
            b = b == '1' ? '0' : '1';
    bits = '1' + bits + '1';
    for (char b : bits)
        p.modules += b == '1' ? "10" : "M0";
}

}  // namespace

void encodePostal(TTypBarCode type, const QString &text, const EncodeOptions &options, BarPattern &p)
{
    std::string &m = p.modules;
    switch (type) {
    case bcPostNet:
        postNet(text, false, options.autoCheckDigit, p);
        break;
    case bcPlanet:
        postNet(text, true, true, p);
        break;
    case bcRoyalMail:
    case bcSingapore4StatePostalCode: {
        const QChar check = rm4sccCheckChar(text);
        if (check.isNull())
            return;
        m = "H0";
        for (QChar c : text)
            appendBars(m, c);
        appendBars(m, check);
        m += 'V';
        break;
    }
    case bc4State:
    case bcDutch4StatePostal:
        for (QChar c : text)
            appendBars(m, c);
        break;
    default:
        break;
    }
}

}  // namespace morvane::barcode::detail
