#pragma once

#include <QLocale>

#include <cstdint>

namespace morvane::dbase {

// Byte 29 of a table header: the dBase language driver, which names the code
// page of the table's texts.
class LanguageDriver {
public:
    // 0 when the identifier names no code page (the caller then uses the
    // program's own, 1252).
    static int codePageOf(std::uint8_t id);
    // The identifier for a new table: the one of this code page made for the
    // user's language, else the first one of this code page, else 0x03.
    static std::uint8_t forCodePage(int codePage, QLocale::Language language = QLocale::AnyLanguage);
};

}  // namespace morvane::dbase
