#include "core/barcode/bar_pattern.h"

#include "core/barcode/encoder_support.h"

namespace morvane::barcode {

BarPattern encodeValidText(TTypBarCode type, const QString &text, const EncodeOptions &options)
{
    using namespace detail;
    BarPattern p;
    switch (type) {
    case bcEan8:
    case bcEan13:
    case bcJAN8:
    case bcJAN13:
    case bcISBN:
    case bcISSN:
    case bcISMN:
    case bcUPCA:
    case bcUPCE0:
    case bcUPCE1:
        encodeEanUpc(type, text, options, p);
        break;
    case bcCodabar:
    case bcABCCodabar:
    case bcCodabarMonarch:
        encodeCodabar(type, text, options, p);
        break;
    case bcCode39Standard:
        encodeCode39(text, p);
        break;
    case bcCode39Full:
        encodeCode39(code39FullAscii(text), p);
        break;
    case bcPZN:
        encodeCode39(QLatin1Char('-') + text, p);
        break;
    case bcCode93Standard:
    case bcCode93Full:
        encodeCode93(text, type == bcCode93Full, options, p);
        break;
    case bcCode128:
    case bcEan128:
        encodeCode128(text, type == bcEan128, options, p);
        break;
    case bc25Interleaved:
    case bcITF:
    case bcOPC:
    case bcUPCShipping:
    case bc25Industrial:
    case bc25Datalogic:
    case bc25Matrix:
    case bc25Coop:
    case bc25IATA:
    case bc25Invert:
        encodeTwoOfFive(type, text, p);
        break;
    case bcPostNet:
    case bcPlanet:
    case bcRoyalMail:
    case bc4State:
    case bcDutch4StatePostal:
    case bcSingapore4StatePostalCode:
        encodePostal(type, text, options, p);
        break;
    case bcCode11:
        encodeCode11(text, p);
        break;
    case bcMSIPlessey:
        encodeMsi(text, p);
        break;
    case bcFimA:
        p.modules = "1010001000101";
        break;
    case bcFimB:
        p.modules = "10010100101001";
        break;
    case bcFimC:
        p.modules = "10100100100101";
        break;
    case bcFimD:
        p.modules = "101010010010101";
        break;
    default:
        // No drawing for the remaining types (SCC-14, PostBar, SwissPostal,
        // the two-dimensional ones).
        break;
    }
    if (p.modules.empty())
        p.markers = {};
    return p;
}

BarPattern BuildBarPattern(TTypBarCode type, const QString &text, const EncodeOptions &options, TextCheck *check)
{
    TextCheck result = CheckBarCodeText(type, text);
    BarPattern p;
    if (result.ok())
        p = encodeValidText(type, result.normalized, options);
    if (check)
        *check = std::move(result);
    return p;
}

}  // namespace morvane::barcode
