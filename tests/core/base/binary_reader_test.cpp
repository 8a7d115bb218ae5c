#include "core/base/binary_reader.h"
#include "core/base/binary_writer.h"

#include <gtest/gtest.h>

using namespace morvane::base;

TEST(BinaryReader, RoundTripsWhatTheWriterWrote)
{
    BinaryWriter w;
    w.writeInt32(-5);
    w.writeText(QString::fromUtf8("Müller €"));
    w.writeDouble(19.5);
    w.writeWideText(QString::fromUtf8("Grüße"));
    w.writeBool(true);
    BinaryReader r(w.data());
    EXPECT_EQ(r.readInt32(), -5);
    EXPECT_EQ(r.readText(), QString::fromUtf8("Müller €"));
    EXPECT_EQ(r.readDouble(), 19.5);
    EXPECT_EQ(r.readWideText(), QString::fromUtf8("Grüße"));
    EXPECT_EQ(r.readBool(), true);
    EXPECT_TRUE(r.atEnd());
}

TEST(BinaryReader, RefusesLengthsTheBufferCannotHold)
{
    struct Case { QByteArray bytes; };
    const QByteArray cases[] = {
        QByteArray("\xff\xff\xff\x7f" "abc", 7),  // huge length
        QByteArray("\xfe\xff\xff\xff" "abc", 7),  // negative length
        QByteArray("\x05\x00\x00\x00" "abc", 7),  // one short
        QByteArray("\x05\x00", 2),                // length itself cut
    };
    for (const QByteArray &bytes : cases) {
        BinaryReader r(bytes);
        EXPECT_FALSE(r.readText());
        EXPECT_EQ(r.position(), 0) << "a failed read must not move";
        BinaryReader wide(bytes);
        EXPECT_FALSE(wide.readWideText());
    }
}
