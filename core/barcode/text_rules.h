#pragma once

#include "core/barcode/typ_bar_code.h"

#include <QString>

namespace morvane::barcode {

// Outcome of validating a barcode text. index is 1-based (0 = none).
struct TextCheck {
    TLastPaintError error = erOK;
    int index = 0;
    QChar ch;
    // The text the encoder draws: the input, with the check digit written
    // where validation supplies one (a 7-digit EAN 8, for instance).
    QString normalized;
    int mustBe = 0;  // the required digit for erMustBe
    bool valid = true;
    bool ok() const { return valid; }
};

// Check digits written into the text when it is assigned.
QString BarcodeComplete(TTypBarCode type, const QString &text);

// Whether text is valid for type, and why not.
TextCheck CheckBarCodeText(TTypBarCode type, const QString &text);

// UPC-E (number system, six digits, ...) to the 11 digits of its UPC-A form;
// empty when the first seven characters are not digits.
QString expandUpcE(const QString &text);

// ISBN/ISSN/ISMN text to the EAN-13 text that is drawn (add-on kept).
QString bookNumberToEan13(TTypBarCode type, const QString &text);

// The text counted up by one over chars between the 1-based positions
// from..to (clamped to the text); empty when nothing can be counted.
QString countUp(const QString &text, const QString &chars, int from, int to);

// Every character followed by a blank; control characters as "^" + letter.
QString visibleChars(const QString &chars);

QString lastPaintErrorText(TLastPaintError error, int index = 0, QChar ch = {}, int mustBe = 0);

}  // namespace morvane::barcode
