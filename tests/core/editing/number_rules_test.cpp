#include "core/articles/article_numbers.h"
#include "core/articles/free_ean.h"
#include "core/barcode/check_digits.h"

#include "support/temp_workspace.h"

#include <gtest/gtest.h>

using namespace morvane;
using namespace morvane::articles;
using test::makeArticle;

namespace {

ArticleList withNumbers(std::initializer_list<const char *> numbers)
{
    ArticleList list;
    for (const char *n : numbers)
        list.push_back(makeArticle(QStringLiteral("A"), {{ArtikelNr, QString::fromUtf8(n)}}));
    return list;
}

}  // namespace

TEST(NumberRules, NextFreeArticleNumber)
{
    struct Case {
        std::initializer_list<const char *> numbers;
        const char *expected;  // nullptr = exhausted
    };
    const Case cases[] = {
        {{}, "1"},
        {{"7", "12a", "3"}, "8"},
        {{"5\r\n41\r\nx9"}, "42"},                // every line of a multi-line field counts
        {{"4\n", "-20"}, "5"},                    // negative numbers never lower the start value 0
        {{"3000000000"}, "3000000001"},           // beyond 32 bits
        {{" 17 "}, "18"},
        {{"9223372036854775806"}, "9223372036854775807"},
        {{"9223372036854775807"}, nullptr},       // no wrap to a negative number
        {{"99999999999999999999"}, "1"},          // does not fit 64 bits: not a number
    };
    for (const Case &c : cases) {
        const FreeNumber free = FreeArticleNumber(withNumbers(c.numbers));
        if (c.expected) {
            EXPECT_EQ(free.status, FreeNumber::Status::Found);
            EXPECT_EQ(free.number, QString::fromUtf8(c.expected));
        } else {
            EXPECT_EQ(free.status, FreeNumber::Status::Exhausted);
        }
    }
}

TEST(NumberRules, NumberLineMatching)
{
    const QString field = QStringLiteral("100\r\n200");
    EXPECT_TRUE(checkartnr(field, QStringLiteral("200")));
    EXPECT_FALSE(checkartnr(field, QStringLiteral("20")));
    EXPECT_TRUE(checkartnr({}, {}));
    EXPECT_TRUE(checkartnrpos1(field, QStringLiteral("20")));
    EXPECT_FALSE(checkartnrpos1(field, QStringLiteral("00")));
    EXPECT_TRUE(checkartnr2(field, QStringLiteral("300\n100")));
    EXPECT_FALSE(checkartnr2(field, QStringLiteral("1000")));
    EXPECT_FALSE(checkartnr2(field, {}));
    EXPECT_EQ(GetFirstartnr(field), QStringLiteral("100"));

    const ArticleList list = withNumbers({"1", "100\r\n200", "300"});
    EXPECT_EQ(findSharedNumber(list, QStringLiteral("200")), 1) << "either line of a two-line number matches";
    EXPECT_EQ(findSharedNumber(list, QStringLiteral("100"), 1), -1) << "the article itself does not count";
    EXPECT_EQ(findSharedNumber(list, {}), -1) << "an empty number is never a duplicate";
}

TEST(NumberRules, FreeEan)
{
    struct Case {
        std::vector<std::pair<const char *, const char *>> codes;
        EanKind kind;
        const char *prefix;
        FreeEan::Status status;
        const char *expected;
    };
    const Case cases[] = {
        {{}, EanKind::Ean13, "", FreeEan::Status::Found, "0000000000017"},
        {{}, EanKind::Ean8, "", FreeEan::Status::Found, "00000017"},
        // The 13-digit code counts without its check digit (400000000004),
        // the 12-digit value as it is (400000000010): the larger wins.
        {{{"4000000000208", "400000000010"}}, EanKind::Ean13, "", FreeEan::Status::Found, "4000000000211"},
        {{{"4000000000048", "400000000030"}}, EanKind::Ean13, "", FreeEan::Status::Found, "4000000000310"},
        // Other lengths, letters and the other symbology's codes do not count.
        {{{"12345", "ABCDEFGHIJKL"}, {"", "00000123"}}, EanKind::Ean13, "", FreeEan::Status::Found, "0000000000017"},
        {{{"00000123", ""}}, EanKind::Ean8, "", FreeEan::Status::Found, "00000130"},
        // With a prefix only its own codes count.
        {{{"2900000000059", ""}, {"4000000009999", ""}}, EanKind::Ean13, "29", FreeEan::Status::Found, "2900000000063"},
        {{}, EanKind::Ean8, "1234567", FreeEan::Status::NoRoom, nullptr},
        {{}, EanKind::Ean8, "12x", FreeEan::Status::InvalidPrefix, nullptr},
        // All numbers used up: refuse instead of writing a 14-digit code.
        {{{"9999999999994", ""}}, EanKind::Ean13, "", FreeEan::Status::NoRoom, nullptr},
        {{{"2999999", ""}}, EanKind::Ean8, "29", FreeEan::Status::NoRoom, nullptr},
    };
    for (const Case &c : cases) {
        ArticleList list;
        for (const auto &[b1, b2] : c.codes)
            list.push_back(makeArticle(QStringLiteral("A"), {{Barcode, QString::fromUtf8(b1)}, {Barcode2, QString::fromUtf8(b2)}}));
        const FreeEan free = findFreeEan(list, c.kind, QString::fromUtf8(c.prefix));
        EXPECT_EQ(free.status, c.status) << c.prefix << " " << (c.expected ? c.expected : "-");
        if (c.expected) {
            EXPECT_EQ(free.barcode, QString::fromUtf8(c.expected));
            EXPECT_EQ(free.barcode.size(), int(c.kind));
            EXPECT_EQ(barcode::gs1CheckDigit(QStringView(free.barcode).chopped(1)), free.barcode.back().digitValue());
        }
    }
}
