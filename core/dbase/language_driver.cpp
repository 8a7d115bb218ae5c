#include "core/dbase/language_driver.h"

#include <array>

namespace morvane::dbase {

namespace {

struct Entry {
    std::uint8_t id;
    int codePage;
    QLocale::Language language;  // AnyLanguage: not made for one language
    QLocale::Language alsoFor = QLocale::AnyLanguage;
};

using L = QLocale;

// The published driver table, in identifier order (the order decides which
// identifier a new table gets when no language matches).
constexpr std::array kDrivers = {
    Entry{0x01, 437, L::English},
    Entry{0x02, 850, L::AnyLanguage},
    Entry{0x03, 1252, L::AnyLanguage},
    Entry{0x04, 10000, L::AnyLanguage},
    Entry{0x08, 865, L::Danish},
    Entry{0x09, 437, L::Dutch},
    Entry{0x0A, 850, L::Dutch},
    Entry{0x0B, 437, L::Finnish},
    Entry{0x0D, 437, L::French},
    Entry{0x0E, 850, L::French},
    Entry{0x0F, 437, L::German},
    Entry{0x10, 850, L::German},
    Entry{0x11, 437, L::Italian},
    Entry{0x12, 850, L::Italian},
    Entry{0x13, 932, L::Japanese},
    Entry{0x14, 850, L::Spanish},
    Entry{0x15, 437, L::Swedish},
    Entry{0x16, 850, L::Swedish},
    Entry{0x17, 865, L::NorwegianBokmal},
    Entry{0x18, 437, L::Spanish},
    Entry{0x19, 437, L::English},
    Entry{0x1A, 850, L::English},
    Entry{0x1B, 437, L::English},
    Entry{0x1C, 863, L::French},
    Entry{0x1D, 850, L::French},
    Entry{0x1F, 852, L::Czech},
    Entry{0x22, 852, L::Hungarian},
    Entry{0x23, 852, L::Polish},
    Entry{0x24, 860, L::Portuguese},
    Entry{0x25, 850, L::Portuguese},
    Entry{0x26, 866, L::Russian},
    Entry{0x37, 850, L::English},
    Entry{0x40, 852, L::Romanian},
    Entry{0x4D, 936, L::Chinese},
    Entry{0x4E, 949, L::Korean},
    Entry{0x4F, 950, L::Chinese},
    Entry{0x50, 874, L::Thai},
    Entry{0x57, 1252, L::English},
    Entry{0x58, 1252, L::German, L::French},
    Entry{0x59, 1252, L::Spanish},
    Entry{0x64, 852, L::AnyLanguage},
    Entry{0x65, 866, L::Russian},
    Entry{0x66, 865, L::NorwegianBokmal, L::Danish},
    Entry{0x67, 861, L::Icelandic},
    Entry{0x6A, 737, L::Greek},
    Entry{0x6B, 857, L::Turkish},
    Entry{0x6C, 863, L::French},
    Entry{0x78, 950, L::Chinese},
    Entry{0x79, 949, L::Korean},
    Entry{0x7A, 936, L::Chinese},
    Entry{0x7B, 932, L::Japanese},
    Entry{0x7C, 874, L::Thai},
    Entry{0x86, 737, L::Greek},
    Entry{0x87, 852, L::Slovenian},
    Entry{0x88, 857, L::Turkish},
    Entry{0x96, 10007, L::Russian},
    Entry{0x97, 10029, L::AnyLanguage},
    Entry{0x98, 10006, L::Greek},
    Entry{0xC8, 1250, L::AnyLanguage},
    Entry{0xC9, 1251, L::Russian},
    Entry{0xCA, 1254, L::Turkish},
    Entry{0xCB, 1253, L::Greek},
    Entry{0xCC, 1257, L::AnyLanguage},
};

}  // namespace

int LanguageDriver::codePageOf(std::uint8_t id)
{
    for (const Entry &e : kDrivers)
        if (e.id == id)
            return e.codePage;
    return 0;
}

std::uint8_t LanguageDriver::forCodePage(int codePage, QLocale::Language language)
{
    const Entry *first = nullptr;
    for (const Entry &e : kDrivers) {
        if (e.codePage != codePage)
            continue;
        if (!first)
            first = &e;
        if (language != L::AnyLanguage && (e.language == language || e.alsoFor == language))
            return e.id;
    }
    return first ? first->id : 0x03;
}

}  // namespace morvane::dbase
