#pragma once

#include "core/barcode/text_rules.h"
#include "core/barcode/typ_bar_code.h"

#include <QString>

#include <string>

namespace morvane::barcode {

// Module offsets (modules before the position) that place the human-readable
// digits; 0 = not set.
struct PatternMarkers {
    int LeftHalfStart = 0;
    int LeftHalfEnd = 0;
    int RightHalfStart = 0;
    int RightHalfEnd = 0;
    int AddOnStart = 0;
    int TrailerStart = 0;
    friend bool operator==(const PatternMarkers &, const PatternMarkers &) = default;
};

// One character per module:
//   "0", " ", "X"  gaps (" " keeps room for a digit, "X" starts an add-on)
//   "1"            bar
//   "2"            bar that reaches into the digit line (guards, start/stop)
//   "3"            bar always shortened by the digit height
//   "M"            lower half;  "H", "A" upper two thirds;  "D" lower two
//                  thirds;  "S", "T" middle third;  "V", "F" full height
struct BarPattern {
    std::string modules;
    PatternMarkers markers;
    bool empty() const { return modules.empty(); }
};

struct EncodeOptions {
    bool autoCheckDigit = true;
    bool showLabels = true;
};

// Validates text (completing it as assignment would) and encodes it; an
// invalid text gives an empty pattern and check tells why.
BarPattern BuildBarPattern(TTypBarCode type, const QString &text, const EncodeOptions &options,
                           TextCheck *check = nullptr);

// The encoders alone, for a text that passed validation.
BarPattern encodeValidText(TTypBarCode type, const QString &text, const EncodeOptions &options);

// Code 128 code values (start, data; no check, no stop) and the check value.
std::vector<int> code128Values(const QString &text, bool fnc1);
int code128CheckValue(const std::vector<int> &values);

// Code 39 Full ASCII pairs for text; characters without a pair are dropped.
QString code39FullAscii(const QString &text);

}  // namespace morvane::barcode
