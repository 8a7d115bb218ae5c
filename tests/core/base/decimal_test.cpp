#include "core/base/decimal.h"

#include <gtest/gtest.h>

using morvane::base::Decimal;

TEST(Decimal, ParsesTheWholeTextOnly)
{
    struct Case { const char *text; QChar sep; const char *expect; };
    const Case cases[] = {
        {"3", u',', "3"},      {" 3,50 ", u',', "3,5"}, {"-0,01", u',', "-0,01"},
        {"1,5E3", u',', "1500"}, {"+7", u',', "7"},      {"2.5", u'.', "2.5"},
    };
    for (const Case &c : cases) {
        const auto d = Decimal::parse(QString::fromUtf8(c.text), c.sep);
        ASSERT_TRUE(d) << c.text;
        EXPECT_EQ(d->toString(c.sep), QString::fromUtf8(c.expect)) << c.text;
    }
    for (const char *bad : {"3abc", "", "  ", ",", "1.000,5", "e5", "1,2,3"})
        EXPECT_FALSE(Decimal::parse(QString::fromUtf8(bad), u',')) << bad;
    EXPECT_FALSE(Decimal::parse(QStringLiteral("2,5"), u'.'));
}

TEST(Decimal, ExactArithmeticAndRounding)
{
    const Decimal a = *Decimal::parse(u"0,1", u',');
    const Decimal b = *Decimal::parse(u"0,2", u',');
    EXPECT_EQ((a + b).toString(u','), QStringLiteral("0,3"));
    EXPECT_EQ((*Decimal::parse(u"3", u',') * *Decimal::parse(u"19,99", u',')).toFixed(2, u','),
              QStringLiteral("59,97"));
    EXPECT_EQ(Decimal::parse(u"2,345", u',')->roundedHalfEven(2).toString(u','), QStringLiteral("2,34"));
    EXPECT_EQ(Decimal::parse(u"2,355", u',')->roundedHalfEven(2).toString(u','), QStringLiteral("2,36"));
    EXPECT_EQ(Decimal::parse(u"2,345", u',')->toFixed(2, u','), QStringLiteral("2,35"));
    EXPECT_EQ(Decimal::parse(u"-2,5", u',')->toFixed(0, u','), QStringLiteral("-3"));
    EXPECT_FALSE(Decimal::fromInt(1).dividedBy(Decimal()));
    EXPECT_EQ(Decimal::fromInt(1).dividedBy(Decimal::fromInt(3))->toFixed(4, u'.'), QStringLiteral("0.3333"));
}

TEST(Decimal, AbsurdValuesNeitherOverflowNorCrash)
{
    EXPECT_FALSE(Decimal::parse(u"1e400", u','));
    EXPECT_FALSE(Decimal::parse(QString(60, u'9'), u','));
    const Decimal big = *Decimal::parse(u"9e19", u',');
    EXPECT_GT(big * big, big);
    EXPECT_EQ(Decimal::parse(u"1e-400", u',')->toString(u','), QStringLiteral("0"));
}

TEST(Decimal, DoublesKeepTheirShortestText)
{
    EXPECT_EQ(Decimal::fromDouble(0.1).toString(u'.'), QStringLiteral("0.1"));
    EXPECT_EQ(Decimal::fromDouble(19.0).toString(u','), QStringLiteral("19"));
    EXPECT_DOUBLE_EQ(Decimal::parse(u"19,99", u',')->toDouble(), 19.99);
}
