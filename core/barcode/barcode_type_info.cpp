#include "core/barcode/barcode_type_info.h"

#include <array>

namespace morvane::barcode {

namespace {

struct Entry {
    const char *name;
    const char *longName;  // nullptr: same as name
    const char *initValue;
    const char *chars;     // nullptr: digits
    int parent;
    int year;
    const char *country;
    bool enabledAdd;
    double widthMm;
    bool supported = true;
};

const char *const kDigits = nullptr;
const char *const kCodabarChars = "0123456789-$:/.+abcdtn*eABCDETN";
const char *const kCode39Chars = "0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZ-. $/+%";
const char *const kCode93Chars = "0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZ-. $/+%&\"()";
const char *const kHexChars = "0123456789ABCDEF";
const char *const kPostalChars = "0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZ";
// Markers for sets built at run time.
const char *const kPrintable = "\x01";          // space to "~"
const char *const kPrintableEuro = "\x02";      // space to "~" and the euro sign
const char *const kCode128All = "\x03";         // codes 1 to 126

// Indexed by TTypBarCode; bcNone has no entry of its own.
const std::array<Entry, kTypBarCodeCount> kEntries = {{
    {"", nullptr, "", kDigits, 0, 0, "", false, 0, true},
    {"EAN 8", "EAN 8 (2 or 5 digit supplement)", "1234567", kDigits, 2, 1977, "EU", true, 2.5},
    {"EAN 13", "EAN 13 (2 or 5 digit supplement)", "9771210107001", kDigits, 2, 1977, "EU", true, 2.5},
    {"Codabar", "Codabar (Monarch, NW-7, USD-4, 2 of 7 code)", "A0123+-$/:68A", kCodabarChars, 3, 1972, "", false, 4},
    {"Code 39 Standard", nullptr, "LAGER", kCode39Chars, 4, 1972, "", false, 4},
    {"Code 39 Extended", nullptr, "LAGER", kPrintableEuro, 4, 1974, "", false, 4},
    {"Code 93 Standard", nullptr, "LAGER", kCode93Chars, 6, 1982, "", false, 4},
    {"Code 93 Extended", nullptr, "LAGER", kPrintable, 2, 1974, "", false, 4},
    {"Code 128", nullptr, "LAGER", kCode128All, 8, 1981, "", false, 4},
    {"AbcCodabar", nullptr, "ABCCBA", "0123456789-$:/.+ABCD ", 3, 1977, "", false, 4},
    {"2/5 Datalogic", "2/5 Datalogic, Code25, 2 of 5", "123456", kDigits, 10, 1968, "", false, 4},
    {"2/5 Interleaved (ITF)", "Code25, 2 of 5, ITF", "123456", kDigits, 10, 1972, "", false, 4},
    {"2/5 Matrix ", "Code25, 2/5 Matrix", "123456", kDigits, 10, 1968, "", false, 4},
    {"2/5 Industrial", "Code25, 2/5 Industrial", "123456", kDigits, 10, 1972, "", false, 4},
    {"2/5 IATA", "Code25, 2/5 IATA", "123456", kDigits, 10, 0, "", false, 4},
    {"2/5 INVERT", "Code25, 2/5 INVERT", "123456", kDigits, 10, 0, "", false, 4},
    {"ITF", "ITF6, ITF14 (SSC14), ITF16", "0977121010700", kDigits, 11, 0, "", false, 3},
    {"ISBN (Bookland)", "ISBN (International Standard Book Number)", "80-7226-102", kDigits, 2, 0, "", true, 2.5},
    {"ISSN", "ISSN (International Standard Serial Number)", "80-7226-102", kDigits, 2, 0, "", true, 2.5},
    {"ISMN", "ISMN (International Standard Music Number)", "80-7226-102", kDigits, 2, 0, "", true, 2.5},
    {"UPC-A", "UPC-A (with or without supplements)", "01234567890", kDigits, 2, 0, "", true, 2.5},
    {"UPC-E0", "UPC-E0 (with or without supplements)", "0123456", kDigits, 2, 0, "", true, 2.5},
    // The number system digit of UPC-E1 is 1, so its sample starts with 1.
    {"UPC-E1", "UPC-E1 (with or without supplements)", "1123456", kDigits, 2, 0, "", true, 2.5},
    {"UPC-Shipping", nullptr, "1234567890123", kDigits, 11, 0, "", true, 2.5},
    {"SCC-14", "Shipping Container Code (EAN/UCC-14,SCC-14)", "1234567890123", kDigits, 8, 0, "", false, 4},
    {"JAN8", "Japanese version of  EAN 8", "49123456", kDigits, 2, 0, "", true, 2.5},
    {"JAN13", "Japanese version of  EAN 13", "491234567890", kDigits, 2, 0, "", true, 2.5},
    {"MSI/Plessey", "MSI/Plessey (Modified)", "", kHexChars, 2, 0, "USA", false, 2.5},
    // PostNet and OPC have digit tables only: A-F would encode to nothing.
    {"PostNet", "PostNet (ZIP, ZIP+4, DPBC)", "12345678901", kDigits, 28, 0, "USA", true, 6},
    {"Planet", "Planet Barcode", "12345678901", kDigits, 29, 0, "USA", false, 6},
    {"Royal Mail Barcode", "Royal Mail Barcode, RMS4CC", "123456789", kPostalChars, 30, 0, "UK", false, 6},
    {"4 State barcode", nullptr, "123456", kPostalChars, 30, 0, "UK", false, 6},
    {"Dutch 4-State Postal", nullptr, "3224BC10", kPostalChars, 30, 0, "DE", false, 6},
    {"SwissPostal", "Royal Mail Barcode, RMS4CC", "123456789", kPostalChars, 30, 0, "UK", false, 6, false},
    {"Singapore Post 4-State Mail Code", nullptr, "123456", kPostalChars, 30, 0, "JPN", false, 6},
    {"PostBar", "PostBar, CPC 4 State", "123456", kPostalChars, 35, 0, "CAN", false, 6},
    {"OPC", "OPC (Optical Industry Association)", "1234567897", kDigits, 2, 0, "USA", false, 6},
    // Code 128 cannot hold characters above 126 without extended modes.
    {"UCC/EAN 128", nullptr, "EAN 128", kPrintable, 8, 0, "", false, 4},
    {"2/5 Coop", "Code25, 2/5 Matrix", "123456", kDigits, 12, 0, "", false, 4},
    {"Code 11", "Code 11 (USD-8)", "123456", "0123456789-", 0, 0, "", false, 4},
    {"PZN", "Pharma-Zentral-Nummer", "123456", kDigits, 4, 0, "", false, 4},
    {"PDF417", nullptr, "", kDigits, 0, 0, "", false, 0},
    {"CodablockF", nullptr, "", kDigits, 0, 0, "", false, 0, false},
    {"SSCC", nullptr, "", kDigits, 0, 0, "", false, 0, false},
    {"", nullptr, "", kDigits, 0, 0, "", false, 0},
    {"Code16K", nullptr, "", kDigits, 0, 0, "", false, 0, false},
    {"Codabar Monarch", nullptr, "", "0123456789$-:/.+abcdtn*eABCDETN", 0, 0, "SUI", false, 0, false},
    {"FIM A", nullptr, "A", "A", 0, 0, "", false, 0},
    {"FIM B", nullptr, "B", "B", 0, 0, "", false, 0},
    {"FIM C", nullptr, "C", "C", 0, 0, "", false, 0},
    {"FIM D", nullptr, "D", "D", 0, 0, "", false, 0},
}};

QString charsOf(const char *chars)
{
    if (!chars)
        return QStringLiteral("0123456789");
    QString out;
    if (chars == kPrintable || chars == kPrintableEuro) {
        for (char16_t c = u' '; c <= u'~'; ++c)
            out += QChar(c);
        if (chars == kPrintableEuro)
            out += QChar(0x20AC);
        return out;
    }
    if (chars == kCode128All) {
        for (char16_t c = 1; c <= 126; ++c)
            out += QChar(c);
        return out;
    }
    return QString::fromLatin1(chars);
}

struct Region {
    int from, to;
    const char *name;
};

const Region kRegions[] = {
    {0, 130, "U.S.A. & Canada"}, {200, 290, "In-store numbers"}, {300, 370, "France"}, {380, 380, "Bulgaria"},
    {383, 383, "Slovenia"}, {385, 385, "Croatia"}, {387, 387, "Bosnia-Herzegovina"}, {400, 440, "Germany"},
    {450, 459, "Japan"}, {490, 491, "Japan"}, {460, 469, "Russian Federation"}, {471, 471, "Taiwan"},
    {474, 474, "Estonia"}, {475, 475, "Latvia"}, {477, 477, "Lithuania"}, {479, 479, "Sri Lanka"},
    {480, 480, "Philippines"}, {482, 482, "Ukraine"}, {484, 484, "Moldova"}, {485, 485, "Armenia"},
    {486, 486, "Georgia"}, {487, 487, "Kazakhstan"}, {489, 489, "Hong Kong"}, {500, 509, "U.K."},
    {520, 520, "Greece"}, {528, 528, "Lebanon"}, {529, 529, "Cyprus"}, {531, 531, "Macedonia"},
    {535, 535, "Malta"}, {539, 539, "Ireland"}, {540, 549, "Belgium & Luxembourg"}, {560, 560, "Portugal"},
    {569, 569, "Iceland"}, {570, 579, "Denmark"}, {590, 590, "Poland"}, {594, 594, "Rumania"},
    {599, 599, "Hungary"}, {600, 601, "South Africa"}, {609, 609, "Mauritius"}, {611, 611, "Maroc"},
    {613, 613, "Algeria"}, {619, 619, "Tunisia"}, {622, 622, "Egypt"}, {626, 626, "Iran"},
    {640, 649, "Finland"}, {690, 692, "China"}, {700, 709, "Norge"}, {729, 729, "Israel"},
    {730, 739, "Sweden"}, {740, 745, "Guatemala, El Salvador, Honduras, Nicaragua, Costa Rica, Panama"},
    {746, 746, "Republica Dominica"}, {750, 750, "Mexico"}, {759, 759, "Venezuela"}, {760, 769, "Suisse"},
    {770, 770, "Colombia"}, {773, 773, "Uruguay"}, {775, 775, "Peru"}, {777, 777, "Bolivia"},
    {779, 779, "Argentina"}, {780, 780, "Chile"}, {784, 784, "Paraguay"}, {786, 786, "Ecuador"},
    {789, 789, "Brazil"}, {800, 830, "Italy"}, {840, 849, "Spain"}, {850, 850, "Cuba"},
    {858, 858, "Slovakia"}, {859, 859, "Chech"}, {860, 860, "Yugoslavia"}, {869, 869, "Turkey"},
    {870, 879, "Nederland"}, {880, 880, "South Corea"}, {885, 885, "Thailand"}, {888, 888, "Singapore"},
    {890, 890, "India"}, {893, 893, "Vietnam"}, {899, 899, "Indonesia"}, {900, 919, "Austria"},
    {930, 939, "Australia"}, {940, 949, "New Zealand"}, {955, 955, "Malaysia"}, {977, 977, "Periodicals"},
    {978, 979, "Books"}, {980, 980, "Refund receipts"}, {990, 999, "Coupons"},
};

const char *const kEnumNames[kTypBarCodeCount] = {
    "bcNone", "bcEan8", "bcEan13", "bcCodabar", "bcCode39Standard", "bcCode39Full", "bcCode93Standard",
    "bcCode93Full", "bcCode128", "bcABCCodabar", "bc25Datalogic", "bc25Interleaved", "bc25Matrix",
    "bc25Industrial", "bc25IATA", "bc25Invert", "bcITF", "bcISBN", "bcISSN", "bcISMN", "bcUPCA", "bcUPCE0",
    "bcUPCE1", "bcUPCShipping", "bcSCC14", "bcJAN8", "bcJAN13", "bcMSIPlessey", "bcPostNet", "bcPlanet",
    "bcRoyalMail", "bc4State", "bcDutch4StatePostal", "bcSwissPostal", "bcSingapore4StatePostalCode",
    "bcPostBar", "bcOPC", "bcEan128", "bc25Coop", "bcCode11", "bcPZN", "bcPDF417", "bcCodablockF", "bcSSCC",
    "bcSISAC", "bcCode16K", "bcCodabarMonarch", "bcFimA", "bcFimB", "bcFimC", "bcFimD",
};

struct CharSets {
    std::array<QString, kTypBarCodeCount> text;
    // Membership of the characters below 256; the euro sign is the only
    // accepted character above.
    std::array<std::array<bool, 256>, kTypBarCodeCount> member{};
    CharSets()
    {
        for (int t = 0; t < kTypBarCodeCount; ++t) {
            text[std::size_t(t)] = charsOf(kEntries[std::size_t(t)].chars);
            for (QChar c : text[std::size_t(t)])
                if (c.unicode() < 256)
                    member[std::size_t(t)][c.unicode()] = true;
        }
    }
};

const CharSets &charSets()
{
    static const CharSets sets;
    return sets;
}

}  // namespace

const QString &BarcodeChars(TTypBarCode type)
{
    const int index = int(type) < kTypBarCodeCount ? int(type) : 0;
    return charSets().text[std::size_t(index)];
}

bool IsBarcodeChar(TTypBarCode type, QChar c)
{
    const int index = int(type) < kTypBarCodeCount ? int(type) : 0;
    if (c.unicode() < 256)
        return charSets().member[std::size_t(index)][c.unicode()];
    return c.unicode() == 0x20AC && type == bcCode39Full;
}

TBarCodeInfo BarcodeTypeInfo(TTypBarCode type, const QString &text)
{
    TBarCodeInfo info;
    const int index = int(type);
    if (index <= 0 || index >= kTypBarCodeCount || index == int(bcSISAC))
        return info;
    const Entry &e = kEntries[std::size_t(index)];
    info.Supported = e.supported;
    info.Name = QString::fromLatin1(e.name);
    info.LongName = QString::fromLatin1(e.longName ? e.longName : e.name);
    info.InitValue = QString::fromLatin1(e.initValue);
    info.Chars = BarcodeChars(type);
    info.ParentCode = typBarCodeFromInt(e.parent);
    info.Year = std::uint16_t(e.year);
    info.Country = QString::fromLatin1(e.country);
    info.EnabledAdd = e.enabledAdd;
    info.OptCharWidthMM = e.widthMm;
    if (type == bcEan13)
        info.CodeContry = Gs1CountryName(text);
    return info;
}

QString Gs1CountryName(const QString &text)
{
    if (text.size() < 3)
        return {};
    int number = 0;
    for (int i = 0; i < 3; ++i) {
        const QChar c = text.at(i);
        if (c < u'0' || c > u'9')
            return {};
        number = number * 10 + (c.unicode() - u'0');
    }
    for (const Region &r : kRegions)
        if (number >= r.from && number <= r.to)
            return QString::fromLatin1(r.name);
    return {};
}

QString BarcodeTypeName(TTypBarCode type)
{
    const int index = int(type);
    if (index < 0 || index >= kTypBarCodeCount)
        return {};
    return QString::fromLatin1(kEnumNames[index]);
}

}  // namespace morvane::barcode
