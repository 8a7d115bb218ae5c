#pragma once

#include <QByteArray>
#include <QString>

namespace morvane::base {

// The program's "ANSI" code page. Every text in the binary data files and the
// CSV files is Windows-1252; a character it cannot hold is written as "?".
class Cp1252 {
public:
    static QString decode(QByteArrayView bytes);
    static QByteArray encode(QStringView text);
    // Appends the encoded text to `out`.
    static void encodeInto(QStringView text, QByteArray &out);
    static QChar toUnicode(unsigned char byte);
    // -1 when the character has no CP1252 code.
    static int fromUnicode(char16_t ch);
};

}  // namespace morvane::base
