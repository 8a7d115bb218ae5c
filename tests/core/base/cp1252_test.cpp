#include "core/base/cp1252.h"

#include <gtest/gtest.h>

using morvane::base::Cp1252;

TEST(Cp1252, RoundTripsEveryByte)
{
    QByteArray all;
    for (int b = 0; b < 256; ++b)
        all.append(char(b));
    EXPECT_EQ(Cp1252::encode(Cp1252::decode(all)), all);
}

TEST(Cp1252, MapsTheWindowsCharacters)
{
    EXPECT_EQ(Cp1252::decode("\x80\x84\x96\xE4"), QString::fromUtf8("€„–ä"));
    EXPECT_EQ(Cp1252::encode(QString::fromUtf8("€ ä ß")), QByteArray("\x80 \xE4 \xDF"));
}

TEST(Cp1252, WritesQuestionMarkForCharactersItCannotHold)
{
    EXPECT_EQ(Cp1252::encode(QString::fromUtf8("a\u4e2db\U0001F600c")), QByteArray("a?b?c"));
}
