#include "dbase_fixtures.h"

#include "core/dbase/dbf_error.h"

#include <QFileInfo>

#include <sys/stat.h>
#include <unistd.h>

using namespace morvane::dbase;
using morvane::dbase::fixtures::DbaseTest;
using morvane::dbase::fixtures::le16;
using morvane::dbase::fixtures::le32;
using morvane::dbase::fixtures::readAll;
using morvane::dbase::fixtures::writeAll;

namespace {

class TableAccess : public DbaseTest {
protected:
    FieldList nameFields() { return {Field::character("Name", 10), Field::character("Place", 10)}; }

    QString errorOf(const std::function<void()> &action)
    {
        try {
            action();
        } catch (const DbfError &e) {
            return e.text();
        }
        return {};
    }
};

TEST_F(TableAccess, MissingTableIsCreatedOpenAndEmpty)
{
    Table t;
    prepare(t, "buchungen.dbf", fixtures::journalFields());
    EXPECT_EQ(t.openOrCreate(), Table::OpenOutcome::Created);
    EXPECT_TRUE(t.isOpen());
    EXPECT_TRUE(t.eof());
    EXPECT_EQ(t.fieldCount(), 29);
    EXPECT_EQ(t.recordCount(), 0u);
}

// A table that is there but cannot be opened is the user's data: it must be
// reported, never replaced by an empty table.
TEST_F(TableAccess, ExistingTableThatCannotBeOpenedIsLeftUntouched)
{
    Table good;
    makeTable(good, "t.dbf", nameFields(), {{"a", "b"}});
    good.close();
    const QByteArray valid = readAll(path("t.dbf"));
    QByteArray badVersion = valid;
    badVersion[0] = 0x07;
    QByteArray badType = valid;
    badType[32 + 11] = 'N';
    QByteArray headerPastEnd = valid;
    headerPastEnd[9] = char(0x7F);
    struct Case {
        const char *name;
        QByteArray bytes;
        QString error;
    } cases[] = {
        {"empty file", QByteArray(), "Invalid DBF file."},
        {"short header", valid.left(20), "Invalid DBF file."},
        {"unknown version", badVersion, "Invalid DBF file."},
        {"numeric field", badType, "Invalid field type 'N' for field 'NAME'."},
        {"header past the end", headerPastEnd, "Invalid DBF file."},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        writeAll(path("t.dbf"), c.bytes);
        Table t;
        prepare(t, "t.dbf", nameFields());
        EXPECT_EQ(errorOf([&] { t.openOrCreate(); }), c.error);
        EXPECT_FALSE(t.isOpen());
        EXPECT_EQ(readAll(path("t.dbf")), c.bytes);
    }
    if (::geteuid() != 0) {  // root reads any file
        writeAll(path("t.dbf"), valid);
        ::chmod(QFile::encodeName(path("t.dbf")).constData(), 0);
        Table t;
        prepare(t, "t.dbf", nameFields());
        EXPECT_FALSE(errorOf([&] { t.openOrCreate(); }).isEmpty());
        ::chmod(QFile::encodeName(path("t.dbf")).constData(), 0644);
        EXPECT_EQ(readAll(path("t.dbf")), valid);
    }
    Table t;
    prepare(t, "missing.dbf", nameFields());
    EXPECT_EQ(errorOf([&] { t.open(); }), QStringLiteral("Open: file not found: \"%1\".").arg(path("missing.dbf")));
}

TEST_F(TableAccess, NavigationSkipsDeletedAndFilteredRecords)
{
    Table t;
    makeTable(t, "t.dbf", nameFields(), {{"a", "x"}, {"b", "y"}, {"c", "x"}, {"d", "y"}});
    t.first();
    t.next();
    t.deleteRecord();  // "b"
    EXPECT_EQ(t.fieldText(0), "c");
    EXPECT_EQ(column(t, 0), (QStringList{"a", "c", "d"}));
    EXPECT_EQ(t.physicalRecordCount(), 4u);

    t.setFilter([](const Table &r) { return r.fieldText(1) == "y"; });
    t.setFiltered(true);
    EXPECT_EQ(column(t, 0), (QStringList{"d"}));
    EXPECT_EQ(t.recordCount(), 1u);
    t.last();
    EXPECT_FALSE(t.eof());
    EXPECT_EQ(t.fieldText(0), "d");
    t.next();
    EXPECT_TRUE(t.eof());
    EXPECT_EQ(t.fieldText(0), "d");  // the cursor stays on the last record
    t.prior();
    EXPECT_TRUE(t.bof());

    t.setFilter([](const Table &) { return false; });
    t.setFiltered(true);
    EXPECT_TRUE(t.eof());
    EXPECT_EQ(t.recordNumber(), 0u);
    t.setFiltered(false);
    EXPECT_EQ(t.recordCount(), 3u);

    // Walking backwards sees the same records.
    QStringList backwards;
    for (t.last(); !t.bof(); t.prior())
        backwards << t.fieldText(0);
    EXPECT_EQ(backwards, (QStringList{"d", "c", "a"}));
}

TEST_F(TableAccess, TwoHandlesSeeEachOtherAndContestRecordLocks)
{
    Table one, two;
    makeTable(one, "t.dbf", nameFields(), {{"a", "1"}});
    prepare(two, "t.dbf", {});
    two.open();

    one.insert();
    one.setFieldText(0, "b");
    one.post();
    EXPECT_EQ(column(two, 0), (QStringList{"a", "b"}));  // no reopen needed

    one.first();
    one.edit();
    one.setFieldText(1, "changed");
    two.first();
    EXPECT_EQ(errorOf([&] { two.edit(); }), "Record locked.");
    EXPECT_EQ(errorOf([&] { two.deleteRecord(); }), "Record locked.");
    EXPECT_EQ(two.fieldText(1), "1");
    one.post();

    // The editor starts from the newest stored version of the record.
    two.edit();
    EXPECT_EQ(two.fieldText(1), "changed");
    two.setFieldText(0, "A");
    two.post();
    one.first();
    EXPECT_EQ(one.fieldText(0), "A");
    EXPECT_EQ(one.fieldText(1), "changed");

    one.edit();
    one.setFieldText(0, "never");
    one.cancel();
    two.first();
    EXPECT_EQ(two.fieldText(0), "A");
    two.edit();  // the cancel released the lock
    two.cancel();
}

TEST_F(TableAccess, HostileFilesReadSafely)
{
    Table t;
    makeTable(t, "c.dbf", fixtures::addressFields(), {{"one", "", "memo one"}, {"two", "", ""}, {"three", "", ""}});
    t.close();
    const QByteArray valid = readAll(path("c.dbf"));
    const int hl = le16(valid, 8);
    const int rl = le16(valid, 10);
    const int memoAt = hl + 1 + 40 + 30;

    QByteArray wildPointer = valid;
    wildPointer.replace(memoAt, 10, "0000099999");
    QByteArray letters = valid;
    letters.replace(memoAt, 10, "00000abcde");
    QByteArray badFlag = valid;
    badFlag[hl + rl] = '\0';  // record 2 half-written
    QByteArray truncated = valid.left(hl + 2 * rl + 7);

    struct Case {
        const char *name;
        QByteArray dbf;
        QByteArray dbtPatch;  // replaces the memo's length field when set
        QStringList companies;
        QString memoError;
    } cases[] = {
        {"memo block past the end", wildPointer, {}, {"one", "two", "three"}, "Invalid DBF file."},
        {"memo pointer not a number", letters, {}, {"one", "two", "three"}, "Invalid DBF file."},
        {"memo length past the end", valid, QByteArray("\xFF\xFF\xFF\x7F", 4), {"one", "two", "three"}, "Invalid DBF file."},
        {"flag neither blank nor star", badFlag, {}, {"one", "three"}, ""},
        {"last record cut short", truncated, {}, {"one", "two"}, ""},
    };
    const QByteArray dbt = readAll(path("c.dbt"));
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        writeAll(path("c.dbf"), c.dbf);
        QByteArray memo = dbt;
        if (!c.dbtPatch.isEmpty())
            memo.replace(516, 4, c.dbtPatch);
        writeAll(path("c.dbt"), memo);
        Table r;
        prepare(r, "c.dbf", {});
        r.open();
        EXPECT_EQ(column(r, 0), c.companies);
        r.first();
        EXPECT_EQ(errorOf([&] { r.fieldText(2); }), c.memoError);
    }
}

TEST_F(TableAccess, MissingMemoFileReadsEmptyAndIsMadeOnWrite)
{
    Table t;
    makeTable(t, "c.dbf", fixtures::addressFields(), {{"one", "", "memo"}});
    t.close();
    QFile::remove(path("c.dbt"));
    t.open();
    EXPECT_EQ(t.fieldText(2), "");
    t.edit();
    t.setFieldText(2, "new memo");
    t.post();
    t.close();
    t.open();
    EXPECT_EQ(t.fieldText(2), "new memo");
}

TEST_F(TableAccess, IndexTagOrdersStablyAndFollowsChanges)
{
    Table t;
    makeTable(t, "t.dbf", nameFields(), {{"b", "1"}, {"a", "2"}, {"b", "3"}, {"a", "4"}});
    t.addIndexTag("fielda", "Name");
    EXPECT_EQ(t.indexNames(), QStringList{"FIELDA"});
    t.selectIndexTag("FIELDA");
    EXPECT_EQ(t.indexTag(), "FIELDA");
    EXPECT_EQ(column(t, 1), (QStringList{"2", "4", "1", "3"}));

    t.insert();
    t.setFieldText(0, "a");
    t.setFieldText(1, "5");
    t.post();
    EXPECT_EQ(t.fieldText(1), "5");  // the cursor stays on the new record
    t.next();
    EXPECT_EQ(t.fieldText(1), "1");
    EXPECT_EQ(column(t, 1), (QStringList{"2", "4", "5", "1", "3"}));

    Table other;
    prepare(other, "t.dbf", {});
    other.open();
    other.insert();
    other.setFieldText(0, "0");
    other.setFieldText(1, "6");
    other.post();
    EXPECT_EQ(column(t, 1), (QStringList{"6", "2", "4", "5", "1", "3"}));

    // A jump by record number continues in tag order.
    ASSERT_TRUE(t.go(4));
    t.next();
    EXPECT_EQ(t.fieldText(1), "5");
    t.prior();
    t.prior();
    EXPECT_EQ(t.fieldText(1), "2");

    t.selectIndexTag("");
    EXPECT_EQ(column(t, 1), (QStringList{"1", "2", "3", "4", "5", "6"}));

    EXPECT_EQ(errorOf([&] { t.addIndexTag("X", "Nope"); }), "Field \"Nope\" not found.");
    Table wide;
    makeTable(wide, "w.dbf", {Field::character("Freetext", 101)});
    EXPECT_EQ(errorOf([&] { wide.addIndexTag("F", "Freetext"); }), "Index result for \"Freetext\" too long, >100 characters (101).");
    Table many;
    makeTable(many, "m.dbf", {Field::character("A", 5)});
    for (int i = 0; i < Table::kMaxTags; ++i)
        many.addIndexTag(QStringLiteral("T%1").arg(i), "A");
    EXPECT_EQ(errorOf([&] { many.addIndexTag("T47", "A"); }), "Can not create index: too many indexes in file.");
}

TEST_F(TableAccess, RebuildCopiesEveryLiveRecordWhateverTheView)
{
    Table t;
    makeTable(t, "customers.dbf", fixtures::addressFields(),
              {{"a", "1", "memo a"}, {"b", "2", ""}, {"c", "3", QString(700, u'c')}, {"d", "4", "memo d"}});
    t.first();
    t.next();
    t.deleteRecord();  // "b"
    // A filter and an order that would hide or reorder records if the copy
    // went through the view.
    t.setFilter([](const Table &r) { return r.fieldText(0) == "a"; });
    t.setFiltered(true);
    t.addIndexTag("NAME", "Name");
    t.selectIndexTag("NAME");
    const qint64 sizeBefore = QFileInfo(path("customers.dbf")).size();

    Table::RebuildPlan plan;
    plan.fields = {Field::character("Company", 40), Field::character("Name", 30), Field::memo("Memo"),
                   Field::character("Email", 50)};
    plan.keepOldAs = "customers0.dbf";
    t.rebuild(plan);

    EXPECT_EQ(t.fieldCount(), 4);
    t.setFiltered(false);
    t.selectIndexTag("");
    EXPECT_EQ(column(t, 0), (QStringList{"a", "c", "d"}));
    EXPECT_EQ(column(t, 2), (QStringList{"memo a", QString(700, u'c'), "memo d"}));
    EXPECT_EQ(column(t, 3), (QStringList{"", "", ""}));
    EXPECT_EQ(t.physicalRecordCount(), 3u);
    // Memos are packed: 1 + 1 + 2 + 1 blocks behind block 0.
    EXPECT_EQ(QFileInfo(path("customers.dbt")).size(), 5 * 512);
    EXPECT_EQ(le32(readAll(path("customers.dbt")), 0), 5u);
    EXPECT_EQ(QFileInfo(path("customers0.dbf")).size(), sizeBefore);
    EXPECT_TRUE(QFileInfo::exists(path("customers0.dbt")));
    EXPECT_FALSE(QFileInfo::exists(path("temp.dbf")));
    EXPECT_FALSE(QFileInfo::exists(path("temp.dbt")));

    // A second rebuild finds the kept name taken: the old file just goes.
    const QByteArray kept = readAll(path("customers0.dbf"));
    plan.sourceFields = {1, 0, 2, 3};  // swap the first two columns
    t.rebuild(plan);
    EXPECT_EQ(column(t, 0), (QStringList{"1", "3", "4"}));
    EXPECT_EQ(column(t, 1), (QStringList{"a", "c", "d"}));
    EXPECT_EQ(readAll(path("customers0.dbf")), kept);
}

TEST_F(TableAccess, ReplacingATableIsRefusedWhileAnotherHandleHasItOpen)
{
    Table t, other;
    makeTable(t, "t.dbf", nameFields(), {{"a", "1"}});
    prepare(other, "t.dbf", nameFields());
    other.open();
    const QByteArray before = readAll(path("t.dbf"));

    Table::RebuildPlan plan;
    plan.fields = {Field::character("Name", 20)};
    EXPECT_EQ(errorOf([&] { t.rebuild(plan); }), "Exclusive access is required for this operation.");
    EXPECT_EQ(errorOf([&] { Table c; prepare(c, "t.dbf", nameFields()); c.create(); }),
              "Exclusive access is required for this operation.");
    EXPECT_EQ(readAll(path("t.dbf")), before);
    EXPECT_FALSE(QFileInfo::exists(path("temp.dbf")));
    // Both handles still work after the refusal.
    t.insert();
    t.setFieldText(0, "b");
    t.post();
    EXPECT_EQ(column(other, 0), (QStringList{"a", "b"}));

    other.close();
    t.rebuild(plan);
    EXPECT_EQ(t.field(0).length, 20);
    EXPECT_EQ(column(t, 0), (QStringList{"a", "b"}));
}

TEST_F(TableAccess, AppendWritesHeaderCountAndEndMarker)
{
    Table t;
    makeTable(t, "t.dbf", nameFields());
    t.appendRecord();
    t.edit();
    t.setFieldText(0, "x");
    t.post();
    t.appendRecord();
    const QByteArray b = readAll(path("t.dbf"));
    EXPECT_EQ(le32(b, 4), 2u);
    EXPECT_EQ(b.size(), le16(b, 8) + 2 * 21 + 1);
    EXPECT_EQ(b.right(1), QByteArray("\x1A"));
    EXPECT_EQ(b.mid(le16(b, 8), 21), QByteArray(" x") + QByteArray(19, ' '));
    EXPECT_EQ(column(t, 0), (QStringList{"x", ""}));
}

TEST_F(TableAccess, DuplicateFieldNamesAreMadeUnique)
{
    Table t;
    makeTable(t, "t.dbf", {Field::character("Name", 5), Field::character("name", 5), Field::character("NAME", 5)},
              {{"1", "2", "3"}});
    EXPECT_EQ(t.field(1).name, "NAME2");
    EXPECT_EQ(t.field(2).name, "NAME3");
    EXPECT_EQ(t.fieldText(QStringLiteral("name3")), "3");
}

}  // namespace
