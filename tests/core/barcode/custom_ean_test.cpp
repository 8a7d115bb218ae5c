#include "core/barcode/custom_ean.h"

#include <QStringList>

#include <gtest/gtest.h>

using namespace morvane::barcode;

namespace {

TEST(CustomEan, TypeChangeLoadsTheSampleAndRefusesTwoDimensionalTypes)
{
    TCustomEAN ean;
    int typeChanges = 0;
    QStringList messages;
    ean.OnChangeTypCode = [&] { ++typeChanges; };
    ean.OnMessage = [&](const QString &m) { messages << m; };
    ean.SetTypBarCode(bcEan8);
    EXPECT_EQ(ean.BarCode(), QStringLiteral("12345670"));
    EXPECT_EQ(typeChanges, 1);
    for (TTypBarCode t : {bcCodablockF, bcCode16K}) {
        ean.SetTypBarCode(t);
        EXPECT_EQ(ean.TypBarCode(), bcEan13);
    }
    EXPECT_EQ(messages, QStringList(2, QStringLiteral("Sorry,not supported now. In next weeks.")));
    EXPECT_EQ(ean.BarCode(), QStringLiteral("9771210107001"));
    ean.SetTypBarCode(TTypBarCode(250));
    EXPECT_EQ(ean.TypBarCode(), bcNone);
}

TEST(CustomEan, AssigningCompletesAndReportsOnlyChanges)
{
    TCustomEAN ean;
    int changes = 0;
    ean.OnChangeBarCode = [&] { ++changes; };
    ean.SetBarCode(QStringLiteral("4006381333930"));
    EXPECT_EQ(ean.BarCode(), QStringLiteral("4006381333931"));
    ean.SetBarCode(QStringLiteral("4006381333931"));
    EXPECT_EQ(changes, 1);
    EXPECT_EQ(ean.MinWidth(), 104);
    EXPECT_EQ(ean.GetBarcodeInfo().CodeContry, QStringLiteral("Germany"));
    EXPECT_EQ(ean.BarcodeTypeName(), QStringLiteral("bcEan13"));
}

TEST(CustomEan, CheckBarCodeKeepsTheReason)
{
    TCustomEAN ean;
    EXPECT_FALSE(ean.CheckBarCode(QStringLiteral("4006381333931X12")));
    EXPECT_EQ(ean.LastPaintError(), erCharMustBeSpace);
    EXPECT_EQ(ean.LastPaintErrorText(), QStringLiteral("14. char must be space."));
    EXPECT_TRUE(ean.CheckBarCode(QStringLiteral("4006381333931")));
    EXPECT_EQ(ean.LastPaintErrorText(), QStringLiteral("O.K"));
    ean.SetTypBarCode(bcABCCodabar);
    EXPECT_FALSE(ean.CheckBarCode(QStringLiteral("ABC1")));
    EXPECT_EQ(ean.LastPaintError(), erCharOutOfSet);
    EXPECT_EQ(ean.LastPaintErrorIndex(), 4);
}

TEST(CustomEan, AutoCaptionShowsTheBookNumber)
{
    TCustomEAN ean;
    ean.SetTypBarCode(bcISBN);
    ean.Caption.AutoCaption = true;
    ean.SetBarCode(QStringLiteral("0-306-40615"));
    EXPECT_EQ(ean.Caption.Text, QStringLiteral("ISBN 0-306-40615-2"));
    EXPECT_TRUE(ean.Caption.Visible);
    EXPECT_EQ(ean.PrintedText(), QStringLiteral("9780306406157"));
}

TEST(CustomEan, NextCountsTheNumberPart)
{
    struct Case {
        TTypBarCode type;
        const char *from;
        int incFrom, incTo;
        const char *expected;
        bool ok;
    };
    const Case cases[] = {
        {bcEan13, "4006381333931", 0, 0, "4006381333948", true},
        {bcEan13, "9999999999994", 0, 0, "0000000000000", true},
        {bcEan8, "12345670", 5, 0, "12345687", true},
        {bcCode39Standard, "A%", 0, 0, "B0", true},
        {bcCode128, "A~", 0, 40, "B\x01", true},
        // The check digit is written again after counting.
        {bcPZN, "1234562", 0, 6, "1234579", true},
        {bc25Interleaved, "19", 0, 0, "20", true},
        // A counted range past the text is clamped to it, or empty.
        {bcEan13, "4006381333931", 20, 30, "4006381333931", false},
    };
    for (const Case &c : cases) {
        TCustomEAN ean;
        ean.SetTypBarCode(c.type);
        ean.SetBarCode(QString::fromLatin1(c.from));
        ean.AutoIncFrom = c.incFrom;
        ean.AutoIncTo = c.incTo;
        EXPECT_EQ(ean.Next(), c.ok) << c.from;
        EXPECT_EQ(ean.BarCode(), QString::fromLatin1(c.expected)) << c.from;
    }
}

}  // namespace
