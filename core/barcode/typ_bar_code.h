#pragma once

#include <cstdint>

namespace morvane::barcode {

// The numeric values are what label settings files store (one byte), so the
// order never changes.
enum TTypBarCode : std::uint8_t {
    bcNone,
    bcEan8,
    bcEan13,
    bcCodabar,
    bcCode39Standard,
    bcCode39Full,
    bcCode93Standard,
    bcCode93Full,
    bcCode128,
    bcABCCodabar,
    bc25Datalogic,
    bc25Interleaved,
    bc25Matrix,
    bc25Industrial,
    bc25IATA,
    bc25Invert,
    bcITF,
    bcISBN,
    bcISSN,
    bcISMN,
    bcUPCA,
    bcUPCE0,
    bcUPCE1,
    bcUPCShipping,
    bcSCC14,
    bcJAN8,
    bcJAN13,
    bcMSIPlessey,
    bcPostNet,
    bcPlanet,
    bcRoyalMail,
    bc4State,
    bcDutch4StatePostal,
    bcSwissPostal,
    bcSingapore4StatePostalCode,
    bcPostBar,
    bcOPC,
    bcEan128,
    bc25Coop,
    bcCode11,
    bcPZN,
    bcPDF417,
    bcCodablockF,
    bcSSCC,
    bcSISAC,
    bcCode16K,
    bcCodabarMonarch,
    bcFimA,
    bcFimB,
    bcFimC,
    bcFimD,
};

inline constexpr int kTypBarCodeCount = int(bcFimD) + 1;
// The label settings window offers 1..40.
inline constexpr int kLastOfferedTypBarCode = int(bcPZN);

// Out-of-range numbers (from a damaged settings file) become bcNone.
constexpr TTypBarCode typBarCodeFromInt(int value)
{
    return value >= 0 && value < kTypBarCodeCount ? TTypBarCode(value) : bcNone;
}

enum TLastPaintError : std::uint8_t {
    erOK,
    erMustBe,
    erErrorInBarCode,
    erCharOutOfSet,
    erSmallPaintBox,
    erOutOfSecurityBox,
    erBarcodeLengthInvalid,
    erFirstCharMustBeZero,
    erCharMustBeSpace,
    erCountCharMustBeEven,
    erEmptyCode,
};

}  // namespace morvane::barcode
