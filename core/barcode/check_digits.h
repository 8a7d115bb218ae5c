#pragma once

#include <QString>
#include <QStringView>

#include <vector>

namespace morvane::barcode {

// Check characters of the symbologies. Every function returns -1 (or an empty
// text / null character) when its input holds a character it cannot weigh,
// so a hostile text never reaches a table out of range.

// GS1 (EAN, UPC, ITF, SCC): the digit next to the check position weighs 3.
int gs1CheckDigit(QStringView digits);
// The digits with their GS1 check digit appended; empty for a non-digit.
QString withGs1CheckDigit(QStringView digits);

// ISBN-10 over nine digits (hyphens skipped): "0".."9" or "X"; null if invalid.
QChar isbn10CheckChar(QStringView text);

// OPC over the first nine digits.
int opcCheckDigit(QStringView digits);

// PZN over six digits: 0..10 (10 has no digit and is refused by validation).
int pznCheckValue(QStringView digits);

// Code 93 check character over values (positions in the character set):
// maxWeight 20 for C, 15 for K.
int code93CheckValue(const std::vector<int> &values, int maxWeight);

// Code 11: maxWeight 10 for C, 9 for K; value 10 is written "-".
int code11CheckValue(QStringView text, int maxWeight);

// Codabar: (sum of the character values) mod 16 over chars.
int codabarCheckValue(QStringView text, QStringView chars);

// MSI/Plessey modulo 10 over hex-digit values.
int msiCheckDigit(QStringView text);

// PostNet and Planet: makes the digit sum a multiple of ten.
int postnetCheckDigit(QStringView digits);

// Royal Mail 4-state customer code check character; null if invalid.
QChar rm4sccCheckChar(QStringView text);

}  // namespace morvane::barcode
