#include "core/barcode/barcode_type_info.h"
#include "core/barcode/check_digits.h"
#include "core/barcode/text_rules.h"

#include <gtest/gtest.h>

using namespace morvane::barcode;

namespace {

struct Completion {
    TTypBarCode type;
    const char *input;
    const char *expected;
};

class CompletionTable : public testing::TestWithParam<Completion> {};

TEST_P(CompletionTable, WritesTheCheckCharacter)
{
    const Completion &c = GetParam();
    EXPECT_EQ(BarcodeComplete(c.type, QString::fromLatin1(c.input)), QString::fromLatin1(c.expected))
        << BarcodeTypeName(c.type).toStdString() << " " << c.input;
}

INSTANTIATE_TEST_SUITE_P(
    Barcode, CompletionTable,
    testing::Values(
        // Worked examples of the GS1 numbers; a wrong typed check digit is replaced.
        Completion{bcEan13, "400638133393", "4006381333931"}, Completion{bcEan13, "4006381333930", "4006381333931"},
        Completion{bcEan13, "4006381333930 12", "4006381333931 12"}, Completion{bcEan8, "9638507", "96385074"},
        Completion{bcJAN8, "1234567", "49345674"}, Completion{bcJAN13, "123456789012", "4934567890124"},
        Completion{bcUPCA, "03600029145", "036000291452"}, Completion{bcUPCE0, "0425261", "04252614"},
        Completion{bcUPCE0, "425261", "04252614"},
        // Number system 1 expands with its own leading digit.
        Completion{bcUPCE1, "425261", "14252611"}, Completion{bcUPCE1, "14252610 12", "14252611 12"},
        Completion{bcITF, "1540014128876", "15400141288763"}, Completion{bcITF, "12345", "123457"},
        Completion{bcUPCShipping, "1540014128876", "15400141288763"}, Completion{bcOPC, "123456789", "1234567897"},
        Completion{bcPZN, "123456", "1234562"}, Completion{bcPZN, "1234569", "1234562"},
        Completion{bcPZN, "500000", "500000:"}, Completion{bcPZN, "12345", "12345"},
        // Book numbers: the check character follows the ninth digit wherever
        // the hyphens are, and an add-on keeps all its digits.
        Completion{bcISBN, "80-7226-102", "80-7226-102-9"}, Completion{bcISBN, "80-7226-102-", "80-7226-102-9"},
        Completion{bcISBN, "807226102", "8072261029"}, Completion{bcISBN, "8072261020 12345", "8072261029 12345"},
        Completion{bcISBN, "80-7226-102-0 12345", "80-7226-102-9 12345"}, Completion{bcISBN, "0-306-40615", "0-306-40615-2"},
        Completion{bcISSN, "80-72", "80-72"},
        // Nothing to complete, or nothing that can be weighed.
        Completion{bcEan13, "12345", "12345"}, Completion{bcEan13, "12345678901a", "12345678901a "},
        Completion{bcCode128, "ABC", "ABC"}, Completion{bcEan8, "", ""}));

struct Validation {
    TTypBarCode type;
    const char *text;
    TLastPaintError error;
    int index;
};

class ValidationTable : public testing::TestWithParam<Validation> {};

TEST_P(ValidationTable, ReportsTheFirstFault)
{
    const Validation &v = GetParam();
    const TextCheck check = CheckBarCodeText(v.type, QString::fromLatin1(v.text));
    EXPECT_EQ(check.error, v.error) << BarcodeTypeName(v.type).toStdString() << " '" << v.text << "'";
    EXPECT_EQ(check.index, v.index) << v.text;
    EXPECT_EQ(check.ok(), v.error == erOK) << v.text;
}

INSTANTIATE_TEST_SUITE_P(
    Barcode, ValidationTable,
    testing::Values(
        Validation{bcEan13, "", erEmptyCode, 0}, Validation{bcEan13, "400638133393", erOK, 0},
        Validation{bcEan13, "4006381333931 12", erOK, 0}, Validation{bcEan13, "4006381333931 12345", erOK, 0},
        Validation{bcEan13, "4006381333931X12", erCharMustBeSpace, 14},
        Validation{bcEan13, "4006381333931 1", erBarcodeLengthInvalid, 0},
        Validation{bcEan13, "40063813a3931", erCharOutOfSet, 9}, Validation{bcEan8, "1234567", erOK, 0},
        Validation{bcEan8, "12345670 1a", erCharOutOfSet, 11}, Validation{bcUPCA, "036000291452 12", erOK, 0},
        Validation{bcUPCE0, "123456", erOK, 0}, Validation{bcUPCE0, "11234565", erFirstCharMustBeZero, 1},
        Validation{bcUPCE1, "01234565", erMustBe, 1}, Validation{bcUPCE1, "1123456", erOK, 0},
        Validation{bcISBN, "80-7226-102", erOK, 0}, Validation{bcISBN, "80-7226-102-9 12", erOK, 0},
        Validation{bcISBN, "80-7226-102-9x12", erCharMustBeSpace, 11}, Validation{bcISBN, "0-8044-2957-X", erOK, 0},
        Validation{bc25Interleaved, "12345", erCountCharMustBeEven, 0}, Validation{bc25Interleaved, "123456", erOK, 0},
        Validation{bcITF, "1234567", erBarcodeLengthInvalid, 0}, Validation{bcITF, "1540014128876", erOK, 0},
        Validation{bcPZN, "123456", erOK, 0}, Validation{bcPZN, "500000", erCharOutOfSet, 7},
        Validation{bcPZN, "12345", erBarcodeLengthInvalid, 0},
        // Start and stop letters of AbcCodabar are refused with a reason.
        Validation{bcABCCodabar, "ABCCBA", erOK, 0}, Validation{bcABCCodabar, "1BCCBA", erCharOutOfSet, 1},
        Validation{bcABCCodabar, "ABCCBD", erCharOutOfSet, 6},
        // PostNet and OPC have digit tables only.
        Validation{bcPostNet, "12345", erOK, 0}, Validation{bcPostNet, "1234A", erCharOutOfSet, 5},
        Validation{bcPostNet, "123456", erBarcodeLengthInvalid, 0}, Validation{bcOPC, "12345678A7", erCharOutOfSet, 9},
        Validation{bcPlanet, "12345678901", erOK, 0}, Validation{bcSingapore4StatePostalCode, "12345", erBarcodeLengthInvalid, 0},
        Validation{bcMSIPlessey, "12345678901234", erBarcodeLengthInvalid, 0}, Validation{bcMSIPlessey, "12AF", erOK, 0},
        Validation{bcCode39Standard, "ab", erCharOutOfSet, 1}, Validation{bcCode128, "a\x7f", erCharOutOfSet, 2},
        Validation{bcEan128, "EAN 128", erOK, 0}, Validation{bcRoyalMail, "SN34RD1A", erOK, 0}));

TEST(TextRules, Ean128RefusesCharactersAbove126)
{
    const TextCheck check = CheckBarCodeText(bcEan128, QString::fromUtf8("Stra\u00dfe"));
    EXPECT_EQ(check.error, erCharOutOfSet);
    EXPECT_EQ(check.index, 5);
    EXPECT_FALSE(CheckBarCodeText(bcCode128, QString(QChar(0x20AC))).ok());
    EXPECT_TRUE(CheckBarCodeText(bcCode39Full, QString::fromUtf8("a\u20ac")).ok());
}

TEST(CheckDigits, StandardWorkedExamples)
{
    EXPECT_EQ(gs1CheckDigit(u"629104150021"), 3);
    EXPECT_EQ(gs1CheckDigit(u"12a"), -1);
    EXPECT_EQ(isbn10CheckChar(u"0-8044-2957"), QChar(u'X'));
    EXPECT_TRUE(isbn10CheckChar(u"0-8044").isNull());
    EXPECT_EQ(msiCheckDigit(u"1234567"), 4);
    EXPECT_EQ(postnetCheckDigit(u"555551237"), 2);
    EXPECT_EQ(code11CheckValue(u"123-45", 10), 5);
    EXPECT_EQ(code11CheckValue(u"123-455", 9), 2);
    EXPECT_EQ(rm4sccCheckChar(u"SN34RD1A"), QChar(u'K'));
    EXPECT_EQ(code93CheckValue({}, 20), 0);
    EXPECT_EQ(code93CheckValue({1}, 0), -1);
}

TEST(Catalogue, FactsOfTheTypes)
{
    const TBarCodeInfo ean13 = BarcodeTypeInfo(bcEan13, QStringLiteral("4006381333931"));
    EXPECT_EQ(ean13.Name, QStringLiteral("EAN 13"));
    EXPECT_EQ(ean13.CodeContry, QStringLiteral("Germany"));
    EXPECT_TRUE(ean13.EnabledAdd);
    EXPECT_EQ(BarcodeTypeInfo(bc25Matrix).Name, QStringLiteral("2/5 Matrix "));
    EXPECT_EQ(BarcodeTypeInfo(bcJAN8).LongName, QStringLiteral("Japanese version of  EAN 8"));
    EXPECT_FALSE(BarcodeTypeInfo(bcSwissPostal).Supported);
    EXPECT_FALSE(BarcodeTypeInfo(bcCodabarMonarch).Supported);
    EXPECT_TRUE(BarcodeTypeInfo(bcPDF417).Supported);
    EXPECT_EQ(BarcodeTypeInfo(bcSISAC).Name, QString());
    EXPECT_EQ(BarcodeTypeInfo(TTypBarCode(200)).Chars, QStringLiteral("0123456789"));
    EXPECT_EQ(BarcodeTypeInfo(bcCode128).Chars.size(), 126);
    EXPECT_EQ(BarcodeTypeInfo(bcCode39Full).Chars.back(), QChar(0x20AC));
    EXPECT_EQ(BarcodeTypeName(bcFimD), QStringLiteral("bcFimD"));
    // Every offered sample is a valid text of its type.
    for (int t = 1; t <= kLastOfferedTypBarCode; ++t) {
        const TBarCodeInfo info = BarcodeTypeInfo(TTypBarCode(t));
        if (info.InitValue.isEmpty())
            continue;
        EXPECT_TRUE(CheckBarCodeText(TTypBarCode(t), info.InitValue).ok()) << info.Name.toStdString();
    }
}

TEST(Catalogue, RegionNames)
{
    const std::pair<const char *, const char *> cases[] = {
        {"000", "U.S.A. & Canada"}, {"130", "U.S.A. & Canada"}, {"131", ""}, {"491", "Japan"},
        {"977", "Periodicals"}, {"979", "Books"}, {"999", "Coupons"}, {"12a", ""}, {"40", ""}, {"-40", ""},
    };
    for (const auto &[text, name] : cases)
        EXPECT_EQ(Gs1CountryName(QString::fromLatin1(text)), QString::fromLatin1(name)) << text;
}

TEST(TextRules, CountUpLikeAnOdometerWithinTheText)
{
    const QString digits = QStringLiteral("0123456789");
    EXPECT_EQ(countUp(QStringLiteral("129"), digits, 1, 3), QStringLiteral("130"));
    EXPECT_EQ(countUp(QStringLiteral("999"), digits, 1, 3), QStringLiteral("000"));
    EXPECT_EQ(countUp(QStringLiteral("A99"), digits, 2, 3), QStringLiteral("A00"));
    // A range beyond the text is clamped, not read past its end.
    EXPECT_EQ(countUp(QStringLiteral("19"), digits, 0, 40), QStringLiteral("20"));
    EXPECT_EQ(countUp(QStringLiteral("19"), digits, 5, 9), QString());
    EXPECT_EQ(countUp(QStringLiteral("1x"), digits, 1, 2), QString());
    EXPECT_EQ(countUp(QStringLiteral("12"), QString(), 1, 2), QString());
}

TEST(TextRules, VisibleCharsAndErrorTexts)
{
    EXPECT_EQ(visibleChars(QString::fromLatin1("A\x01")), QStringLiteral("A ^B "));
    EXPECT_EQ(lastPaintErrorText(erCharOutOfSet, 3, u'x'),
              QStringLiteral("Unvailable char for this type of barcode. (3.char - x)"));
    EXPECT_EQ(lastPaintErrorText(erCharMustBeSpace, 14), QStringLiteral("14. char must be space."));
    EXPECT_EQ(lastPaintErrorText(erMustBe, 1, {}, 1), QStringLiteral("(must be 1)"));
}

TEST(TextRules, UpcEExpansionByTheLastDataDigit)
{
    const std::pair<const char *, const char *> cases[] = {
        {"0425261", "04210000526"}, {"0123453", "01230000045"}, {"0123454", "01234000005"},
        {"0123457", "01234500007"}, {"012345", ""}, {"01x3457", ""},
    };
    for (const auto &[upce, upca] : cases)
        EXPECT_EQ(expandUpcE(QString::fromLatin1(upce)), QString::fromLatin1(upca)) << upce;
}

}  // namespace
