#include "dbase_fixtures.h"

#include "core/dbase/code_page.h"
#include "core/dbase/dbf_error.h"
#include "core/dbase/language_driver.h"
#include "core/dbase/memo_file.h"

#include <QFileInfo>

using namespace morvane::dbase;
using morvane::dbase::fixtures::DbaseTest;
using morvane::dbase::fixtures::le16;
using morvane::dbase::fixtures::le32;
using morvane::dbase::fixtures::readAll;
using morvane::dbase::fixtures::writeAll;

namespace {

class TableFormat : public DbaseTest {};

TEST_F(TableFormat, NewJournalIsByteExact)
{
    Table t;
    prepare(t, "buchungen.dbf", fixtures::journalFields());
    t.create();
    const QByteArray b = readAll(path("buchungen.dbf"));

    int recordLength = 1;
    for (const Field &f : fixtures::journalFields())
        recordLength += f.length;
    ASSERT_EQ(b.size(), 962);
    EXPECT_EQ(uchar(b[0]), 0x03);
    EXPECT_EQ(QByteArray(b.constData() + 1, 3), QByteArray("\x7C\x03\x07", 3));  // 2024-03-07
    EXPECT_EQ(le32(b, 4), 0u);
    EXPECT_EQ(le16(b, 8), 961);
    EXPECT_EQ(le16(b, 10), recordLength);
    EXPECT_EQ(b.mid(12, 17), QByteArray(17, '\0'));  // reserved and the index flag
    EXPECT_EQ(uchar(b[29]), 0x03);
    EXPECT_EQ(b.mid(30, 2), QByteArray(2, '\0'));
    EXPECT_EQ(uchar(b[960]), 0x0D);
    EXPECT_EQ(uchar(b[961]), 0x1A);
    EXPECT_FALSE(QFileInfo::exists(path("buchungen.dbt")));

    // Descriptor of "New amount": name upper-cased with its blank, zero-padded.
    const QByteArray d = b.mid(32 + 5 * 32, 32);
    EXPECT_EQ(d.left(11), QByteArray("NEW AMOUNT\0", 11));
    EXPECT_EQ(d[11], 'C');
    EXPECT_EQ(uchar(d[16]), 45);
    EXPECT_EQ(d.mid(17), QByteArray(15, '\0'));
    EXPECT_EQ(b.mid(32 + 20 * 32, 11), QByteArray("BUYINGPRIC\0", 11));
    EXPECT_EQ(b.mid(32 + 15 * 32, 11), QByteArray("COSTCENTER\0", 11));
}

TEST_F(TableFormat, NewMemoTableAndSixHundredCharacterMemo)
{
    Table t;
    makeTable(t, "customers.dbf", fixtures::addressFields());
    QByteArray dbt = readAll(path("customers.dbt"));
    ASSERT_EQ(dbt.size(), 512);
    EXPECT_EQ(le32(dbt, 0), 1u);
    EXPECT_EQ(le16(dbt, 20), 512);
    EXPECT_EQ(uchar(readAll(path("customers.dbf"))[0]), 0x8B);

    const QString memo(600, u'x');
    t.insert();
    t.setFieldText(0, QStringLiteral("Firma"));
    t.setFieldText(2, memo);
    t.post();

    dbt = readAll(path("customers.dbt"));
    ASSERT_EQ(dbt.size(), 3 * 512);
    EXPECT_EQ(le32(dbt, 0), 3u);  // next free block advanced by 2
    EXPECT_EQ(dbt.mid(512, 4), QByteArray("\xFF\xFF\x08\x00", 4));
    EXPECT_EQ(le32(dbt, 516), 608u);
    EXPECT_EQ(dbt.mid(520, 600), QByteArray(600, 'x'));
    EXPECT_EQ(dbt.mid(1120), QByteArray(1536 - 1120, ' '));

    const QByteArray dbf = readAll(path("customers.dbf"));
    const int hl = le16(dbf, 8);
    EXPECT_EQ(dbf.mid(hl + 1 + 40 + 30, 10), QByteArray("0000000001"));
    EXPECT_EQ(dbf.right(1), QByteArray("\x1A"));
    EXPECT_EQ(le32(dbf, 4), 1u);
    EXPECT_EQ(t.fieldText(2), memo);
}

TEST_F(TableFormat, MemoShortenedStaysLengthenedMovesEmptiedFreesField)
{
    Table t;
    makeTable(t, "customers.dbf", fixtures::addressFields(), {{"A", "B", QString(600, u'a')}});
    struct Step {
        QString text;
        const char *pointer;
        quint32 nextFree;
    } steps[] = {
        {QString(100, u'b'), "0000000001", 3},   // fits: stays in blocks 1-2
        {QString(1100, u'c'), "0000000003", 6},  // needs 3 blocks: goes to the end
        {QString(), "0000000000", 6},            // empty: no memo, no block
    };
    for (const Step &s : steps) {
        SCOPED_TRACE(s.pointer);
        t.first();
        t.edit();
        t.setFieldText(2, s.text);
        t.post();
        const QByteArray dbf = readAll(path("customers.dbf"));
        EXPECT_EQ(dbf.mid(le16(dbf, 8) + 71, 10), QByteArray(s.pointer));
        EXPECT_EQ(le32(readAll(path("customers.dbt")), 0), s.nextFree);
        Table again;
        prepare(again, "customers.dbf", {});
        again.open();
        EXPECT_EQ(again.fieldText(2), s.text);
    }
}

TEST_F(TableFormat, CharacterFieldsCutAndTrim)
{
    Table t;
    makeTable(t, "t.dbf", {Field::character("Text", 45)},
              {{QString(50, u'a')}, {QStringLiteral("  A  ")}, {QStringLiteral("   ")}, {QString(100, u'z')}});
    EXPECT_EQ(column(t, 0), (QStringList{QString(45, u'a'), "  A", "", QString(45, u'z')}));
}

TEST_F(TableFormat, CreateAppliesLengthRules)
{
    Table t;
    makeTable(t, "t.dbf", {Field::character("Short", 0), Field::character("Long", 300), Field{"Memo", FieldType::Memo, 3}});
    EXPECT_EQ(t.field(0).length, 30);
    EXPECT_EQ(t.field(1).length, 255);
    EXPECT_EQ(t.field(2).length, 10);
    EXPECT_EQ(t.field(0).name, "SHORT");
}

TEST_F(TableFormat, LayoutsThatDoNotFitAreRefusedBeforeAnyFileIsTouched)
{
    FieldList manyFields;
    for (int i = 0; i < 2100; ++i)
        manyFields << Field::character(QStringLiteral("F%1").arg(i), 1);
    FieldList wideRecord;
    for (int i = 0; i < 300; ++i)
        wideRecord << Field::character(QStringLiteral("F%1").arg(i), 255);
    struct Case {
        const char *name;
        FieldList fields;
        QString error;
    } cases[] = {
        {"no fields", {}, "Invalid field count: 0 (must be between 1 and 4095)."},
        {"4096 fields", FieldList(4096, Field::character("X", 1)), "Invalid field count: 4096 (must be between 1 and 4095)."},
        {"header over 64 KiB", manyFields, "Header length 67233 exceeds 65535 bytes (2100 fields)."},
        {"record over 64 KiB", wideRecord, "Record length 76501 exceeds 65535 bytes."},
        {"unknown type", {Field{"N", FieldType('N'), 5}}, "Invalid field type 'N' for field 'N'."},
    };
    const QByteArray before = "existing table bytes";
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        writeAll(path("t.dbf"), before);
        writeAll(path("t.dbt"), before);
        Table t;
        prepare(t, "t.dbf", c.fields);
        try {
            t.create();
            ADD_FAILURE() << "created";
        } catch (const DbfError &e) {
            EXPECT_EQ(e.text(), c.error);
        }
        EXPECT_EQ(readAll(path("t.dbf")), before);
        EXPECT_EQ(readAll(path("t.dbt")), before);
    }
}

TEST_F(TableFormat, OpenRepairsCountVersionAndIndexFlag)
{
    Table t;
    makeTable(t, "t.dbf", {Field::character("A", 3)});
    for (int i = 0; i < 12; ++i) {
        t.insert();
        t.setFieldText(0, QString::number(i));
        t.post();
    }
    t.close();
    QByteArray b = readAll(path("t.dbf"));
    b[4] = 10;      // header says 10 of the 12 records
    b[28] = 1;      // a production index that does not exist
    b[0] = char(0x83);  // memo bit without a memo field
    writeAll(path("t.dbf"), b);

    t.open();
    EXPECT_EQ(t.recordCount(), 12u);
    b = readAll(path("t.dbf"));
    EXPECT_EQ(le32(b, 4), 12u);
    EXPECT_EQ(b[28], 0);
    EXPECT_EQ(uchar(b[0]), 0x03);
}

TEST_F(TableFormat, LanguageDriverChoosesAndReadsCodePages)
{
    EXPECT_EQ(LanguageDriver::codePageOf(0x03), 1252);
    EXPECT_EQ(LanguageDriver::codePageOf(0x57), 1252);
    EXPECT_EQ(LanguageDriver::codePageOf(0x64), 852);
    EXPECT_EQ(LanguageDriver::codePageOf(0xC9), 1251);
    EXPECT_EQ(LanguageDriver::codePageOf(0x00), 0);
    EXPECT_EQ(LanguageDriver::forCodePage(1252), 0x03);
    EXPECT_EQ(LanguageDriver::forCodePage(1252, QLocale::German), 0x58);
    EXPECT_EQ(LanguageDriver::forCodePage(437, QLocale::German), 0x0F);
    EXPECT_EQ(LanguageDriver::forCodePage(850, QLocale::Japanese), 0x02);

    // Each code page writes its own bytes and reads them back as the same text.
    struct Case {
        int codePage;
        QString text;
        QByteArray bytes;
    } cases[] = {
        {1252, QString::fromUtf8("Müller €"), QByteArray("M\xFCller \x80")},
        {850, QString::fromUtf8("Müller"), QByteArray("M\x81ller")},
        {1251, QString::fromUtf8("Жук"), QByteArray("\xC6\xF3\xEA")},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.codePage);
        Table t;
        prepare(t, "cp.dbf", {Field::character("Name", 10)});
        t.setCreateCodePage(c.codePage);
        t.create();
        t.open();
        EXPECT_EQ(t.codePage(), c.codePage);
        t.insert();
        t.setFieldText(0, c.text);
        t.post();
        t.close();
        const QByteArray b = readAll(path("cp.dbf"));
        EXPECT_EQ(b.mid(le16(b, 8) + 1, c.bytes.size()), c.bytes);
        t.open();
        EXPECT_EQ(t.fieldText(0), c.text);
    }
    // A character the code page cannot hold is lost as "?".
    EXPECT_EQ(CodePage::forNumber(1252).encode(QString::fromUtf8("a\u4e2db")), QByteArray("a?b"));
}

TEST_F(TableFormat, ProductionIndexFlagIsClearedAndMdxIgnored)
{
    Table t;
    makeTable(t, "t.dbf", {Field::character("A", 3)}, {{"b"}, {"a"}});
    t.close();
    QByteArray b = readAll(path("t.dbf"));
    b[28] = 1;
    writeAll(path("t.dbf"), b);
    writeAll(path("t.mdx"), "not an index we read");
    t.open();
    EXPECT_EQ(column(t, 0), (QStringList{"b", "a"}));
    EXPECT_EQ(readAll(path("t.dbf"))[28], 0);
    EXPECT_EQ(readAll(path("t.mdx")), QByteArray("not an index we read"));
}

}  // namespace
