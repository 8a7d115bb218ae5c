#pragma once

#include "core/barcode/typ_bar_code.h"

#include <QString>

#include <cstdint>

namespace morvane::barcode {

struct TBarCodeInfo {
    bool Supported = true;
    QString Name;
    QString LongName;
    QString InitValue;
    // Accepted characters in code-value order: a character's value in check
    // character sums is its position here.
    QString Chars = QStringLiteral("0123456789");
    TTypBarCode ParentCode = bcNone;
    std::uint16_t Year = 0;
    QString Country;
    QString CodeContry;  // EAN 13 only: GS1 region of the first three digits
    bool EnabledAdd = false;
    bool AutoCaption = false;
    double OptCharWidthMM = 0;
    std::uint16_t Length = 0;
};

// text is only read for EAN 13 (its region name).
TBarCodeInfo BarcodeTypeInfo(TTypBarCode type, const QString &text = {});

// The accepted characters of a type (TBarCodeInfo::Chars) without building
// the whole record, and a quick membership test.
const QString &BarcodeChars(TTypBarCode type);
bool IsBarcodeChar(TTypBarCode type, QChar c);

// Region name of the first three characters read as a number; empty when they
// are no number or the number is unassigned.
QString Gs1CountryName(const QString &text);

// "bcEan13" and so on.
QString BarcodeTypeName(TTypBarCode type);

}  // namespace morvane::barcode
