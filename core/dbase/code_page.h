#pragma once

#include <QByteArray>
#include <QString>

#include <array>
#include <memory>

namespace morvane::dbase {

// A single-byte code page as two lookup tables, so that field texts convert
// without a converter object per call; a journal scan decodes millions of
// fields. A character the code page cannot hold is written as "?".
class CodePage {
public:
    // The program's own code page (Windows-1252) for a number this build
    // cannot convert.
    static const CodePage &forNumber(int number);
    static bool isSupported(int number);

    int number() const { return number_; }
    QString decode(QByteArrayView bytes) const;
    // Appends exactly `width` bytes: the text cut to the width, padded with
    // blanks.
    void encodePadded(QStringView text, int width, char *out) const;
    QByteArray encode(QStringView text) const;

private:
    explicit CodePage(int number);
    unsigned char encodeChar(char16_t ch) const;

    int number_ = 1252;
    std::array<char16_t, 256> toUnicode_{};
    std::unique_ptr<std::array<unsigned char, 65536>> fromUnicode_;  // 0 = not representable (except U+0000)
};

}  // namespace morvane::dbase
