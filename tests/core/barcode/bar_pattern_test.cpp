#include "core/barcode/bar_pattern.h"
#include "core/barcode/barcode_type_info.h"

#include <gtest/gtest.h>

using namespace morvane::barcode;

namespace {

std::string pattern(TTypBarCode type, const char *text, EncodeOptions options = {})
{
    return BuildBarPattern(type, QString::fromLatin1(text), options).modules;
}

TEST(BarPattern, Ean13AddOnFollowsNineGapsAndAnX)
{
    const BarPattern p = BuildBarPattern(bcEan13, QStringLiteral("4006381333931 12"), {});
    // 8 blank modules for the leading digit, 95 for the symbol.
    ASSERT_EQ(p.modules.substr(0, 8), std::string(8, ' '));
    EXPECT_EQ(p.modules.substr(103), "000000000X1011" "0011001" "01" "0010011");  // 12 mod 4 = 0: AA
    EXPECT_EQ(p.markers.AddOnStart, 112);
    EXPECT_EQ(p.modules[std::size_t(p.markers.AddOnStart)], 'X');
    EXPECT_EQ(p.markers.LeftHalfStart, 11);
    EXPECT_EQ(p.markers.LeftHalfEnd, 53);
    EXPECT_EQ(p.markers.RightHalfStart, 58);
    EXPECT_EQ(p.markers.RightHalfEnd, 100);
}

TEST(BarPattern, LabelsDecideTheRoomForOuterDigits)
{
    EXPECT_EQ(pattern(bcEan13, "4006381333931").size(), 103u);
    EXPECT_EQ(pattern(bcEan13, "4006381333931", {true, false}).size(), 95u);
    EXPECT_EQ(pattern(bcEan8, "96385074").size(), 67u);
    // UPC-A keeps 9 modules for its last digit, UPC-E 5.
    EXPECT_EQ(pattern(bcUPCA, "036000291452").size(), 8u + 95u + 9u);
    EXPECT_EQ(pattern(bcUPCE0, "04252614").size(), 8u + 51u + 5u);
    EXPECT_EQ(pattern(bcUPCE0, "04252614 12").size(), 8u + 51u + 10u + 4u + 7u + 2u + 7u);
}

TEST(BarPattern, BookNumbersAreDrawnAsTheirEan13)
{
    EXPECT_EQ(pattern(bcISBN, "80-7226-102"), pattern(bcEan13, "9788072261024"));
    EXPECT_EQ(pattern(bcISSN, "80-7226-102-9 12345"), pattern(bcEan13, "9778072261025 12345"));
}

TEST(BarPattern, UpcDigitsOneAndTwelveAreDrawnLong)
{
    const std::string m = pattern(bcUPCA, "036000291452");
    // Digit 1 ("0", set A "0001101") right after the 8 blanks and the guard.
    EXPECT_EQ(m.substr(11, 7), "0002202");
    EXPECT_EQ(m.substr(11 + 7, 7), "0111101");  // digit 2 ("3") stays short
}

TEST(BarPattern, Code128CodeSets)
{
    EXPECT_EQ(code128Values(QStringLiteral("12345678"), false), (std::vector<int>{105, 12, 34, 56, 78}));
    EXPECT_EQ(code128Values(QStringLiteral("AB12345"), false), (std::vector<int>{104, 33, 34, 17, 99, 23, 45}));
    EXPECT_EQ(code128Values(QStringLiteral("12345"), false), (std::vector<int>{105, 12, 34, 100, 21}));
    EXPECT_EQ(code128Values(QStringLiteral("\x01" "a"), false), (std::vector<int>{103, 65, 100, 65}));
    EXPECT_EQ(code128Values(QStringLiteral("a\x01" "b\x02"), false),
              (std::vector<int>{104, 65, 98, 65, 66, 98, 66}));
    EXPECT_EQ(code128Values(QStringLiteral("EAN"), true), (std::vector<int>{104, 102, 37, 33, 46}));
    // Without the automatic check digit one value (11 modules) less.
    EXPECT_EQ(pattern(bcCode128, "LAGER").size() - pattern(bcCode128, "LAGER", {false, true}).size(), 11u);
}

TEST(BarPattern, InterleavedIsFramedByTenBlanks)
{
    const std::string m = pattern(bc25Interleaved, "123456");
    EXPECT_EQ(m.substr(0, 14), std::string(10, ' ') + "1010");
    EXPECT_EQ(m.substr(m.size() - 14), "1101" + std::string(10, ' '));
}

TEST(BarPattern, StartStopLettersOfTheTextAreNotDoubled)
{
    // The default start and stop is A, so a text with its own A..A pair
    // draws exactly as the bare data.
    EXPECT_EQ(pattern(bcCodabar, "A0123A", {false, true}), pattern(bcCodabar, "0123", {false, true}));
    EXPECT_NE(pattern(bcCodabar, "B0123D", {false, true}), pattern(bcCodabar, "0123", {false, true}));
}

TEST(BarPattern, Code39ExtendedCarriesOnlyTheFullAsciiPairs)
{
    EXPECT_EQ(pattern(bcCode39Full, "a!"), pattern(bcCode39Standard, "+A/A"));
    EXPECT_EQ(code39FullAscii(QString::fromUtf8("\x00" "\x1f" "@`{\u20ac", 8)), QStringLiteral("%U%E%V%W%P%T"));
}

TEST(BarPattern, Code93ExtendedHasCheckCharacters)
{
    // "a" is two characters (+)(A); then C and K, each 9 modules.
    EXPECT_EQ(pattern(bcCode93Full, "a").size(), 9u + 4 * 9u + 10u);
    EXPECT_EQ(pattern(bcCode93Standard, "A", {false, true}).size(), 9u + 2 * 9u + 10u);
}

TEST(BarPattern, PlanetKeepsTallFrameBars)
{
    const std::string m = pattern(bcPlanet, "12345678901");
    EXPECT_EQ(m.substr(0, 2), "10");
    EXPECT_EQ(m.substr(m.size() - 2), "10");
    EXPECT_EQ(m.size(), (1 + 12 * 5 + 1) * 2u);
}

TEST(BarPattern, ValidTypesWithoutPatternDrawNothing)
{
    for (TTypBarCode type : {bcPostBar, bcSwissPostal, bcSCC14, bcPDF417}) {
        TextCheck check;
        const BarPattern p = BuildBarPattern(type, QStringLiteral("123456"), {}, &check);
        EXPECT_TRUE(check.ok()) << BarcodeTypeName(type).toStdString();
        EXPECT_TRUE(p.empty()) << BarcodeTypeName(type).toStdString();
    }
    EXPECT_EQ(pattern(bcFimA, "A"), "1010001000101");
}

TEST(BarPattern, HostileTextsNeverCrashAnyEncoder)
{
    const QString texts[] = {
        QString(), QString(QChar(0)), QString(5000, u'9'), QString::fromUtf8("\u20ac\uffff\U0001F600"),
        QStringLiteral("  "), QStringLiteral("A"), QStringLiteral("-"), QStringLiteral("0 0"),
        QStringLiteral("1234567890123 1"), QString(13, u'X'), QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZ"),
    };
    for (int t = 0; t < kTypBarCodeCount; ++t) {
        for (const QString &text : texts) {
            for (bool check : {true, false}) {
                const BarPattern p = BuildBarPattern(TTypBarCode(t), text, {check, true});
                for (char c : p.modules)
                    ASSERT_NE(std::string("0123 XMHDSTVAF").find(c), std::string::npos) << t;
            }
        }
    }
}

}  // namespace
