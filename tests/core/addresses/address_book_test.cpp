#include "address_fixture.h"

#include <QFile>

using namespace morvane;
using namespace morvane::addresses;
using namespace morvane::addresses::test;
using dbase::FieldType;

namespace {

const QStringList kCustomerNames{"FIRMA", "NAME",     "VORNAME", "ANREDE", "STRASSENR", "PLZ",     "ORT",     "LAND",
                                 "TELEFON", "FAX",    "HANDY",   "EMAIL",  "MEHR",      "KUNDENNR", "KOSTENST"};

using AddressBookTest = AddressFixture;

TEST_F(AddressBookTest, NewInstallationCreatesBothTablesWithTheDefaultFields)
{
    for (AddressBook *book : {&customers, &suppliers}) {
        const dbase::Table &t = book->table();
        const int count = book->kind() == AddressKind::Customers ? 15 : 14;
        EXPECT_EQ(names(t), kCustomerNames.first(count));
        for (int i = 0; i < t.fieldCount(); ++i) {
            SCOPED_TRACE(t.field(i).name.toStdString());
            EXPECT_EQ(t.field(i).type, i == 12 ? FieldType::Memo : FieldType::Character);
            if (i != 12)
                EXPECT_EQ(t.field(i).length, i == 5 ? 10 : 45);
        }
        EXPECT_EQ(uchar(morvane::test::readAll(t.filePath())[0]), 0x8B);
        EXPECT_TRUE(QFile::exists(t.memoFilePath()));
    }
    EXPECT_TRUE(QFile::exists(path("customers.dbt")));
    EXPECT_TRUE(QFile::exists(path("suppliers.dbt")));
}

TEST_F(AddressBookTest, OldCustomerTableGainsTheCostCentreAndKeepsThePreviousGeneration)
{
    // A table from before the cost-centre field, with a memo.
    customers.table().close();
    QFile::remove(path("customers.dbf"));
    QFile::remove(path("customers.dbt"));
    {
        dbase::Table old;
        old.setFolder(temp.dir.path());
        old.setFileName("customers.dbf");
        dbase::FieldList fields = AddressBook::defaultFields(AddressKind::Customers, temp.ws->translator);
        fields.removeLast();
        old.setFieldList(fields);
        old.openOrCreate();
        old.insert();
        old.setFieldText(0, QString::fromUtf8("Bäckerei Groß"));
        old.setFieldText(12, "Notiz\r\nzweite Zeile");
        old.setFieldText(13, "K-1");
        old.post();
    }
    const QByteArray oldBytes = morvane::test::readAll(path("customers.dbf"));

    AddressBook again(*temp.ws, AddressKind::Customers);
    EXPECT_EQ(again.InitDataBase(), InitResult::Migrated);
    dbase::Table &t = again.table();
    ASSERT_EQ(t.fieldCount(), 15);
    EXPECT_EQ(t.field(14).name, "KOSTENST");
    EXPECT_EQ(t.field(14).length, 45);
    const auto all = rows(t);
    ASSERT_EQ(all.size(), 1);
    EXPECT_EQ(all[0][0], QString::fromUtf8("Bäckerei Groß"));
    EXPECT_EQ(all[0][12], "Notiz\r\nzweite Zeile");
    EXPECT_EQ(all[0][13], "K-1");
    EXPECT_EQ(all[0][14], "");
    EXPECT_EQ(morvane::test::readAll(path("customers0.dbf")), oldBytes);
    EXPECT_TRUE(QFile::exists(path("customers0.dbt")));
    EXPECT_FALSE(QFile::exists(path("temp.dbf")));

    // The supplier table has no such step: 14 fields is its full layout.
    AddressBook supplierAgain(*temp.ws, AddressKind::Suppliers);
    suppliers.table().close();
    EXPECT_EQ(supplierAgain.InitDataBase(), InitResult::Opened);
    EXPECT_EQ(supplierAgain.table().fieldCount(), 14);
}

// Each restructuring copies every record, also those the search hides, and
// replaces the "0" generation with the table as it was.
TEST_F(AddressBookTest, RestructuringKeepsEveryRecordWhateverTheSearchShows)
{
    struct Case {
        const char *what;
        std::function<RestructureResult(AddressBook &)> run;
        int fields;
    };
    const Case cases[] = {
        {"add field", [](AddressBook &b) { return b.AddnewField("Bonus", 12); }, 16},
        {"lengths", [](AddressBook &b) { return b.changeLengths({"5"}); }, 16},
        {"reorder",
         [](AddressBook &b) {
             QList<int> order;
             for (int i = 0; i < b.table().fieldCount(); ++i)
                 order << i;
             std::swap(order[0], order[1]);
             return b.reorder(order);
         },
         16},
    };
    add(customers, {"Alpha GmbH", "Meier"});
    add(customers, {"Beta AG", "Schulz", "", "", "", "", "", "", "", "", "", "", "memo text"});
    add(customers, {"Gamma KG", "Huber"});
    customers.setSearchText("beta");
    ASSERT_EQ(customers.table().recordCount(), 1u);
    for (const Case &c : cases) {
        SCOPED_TRACE(c.what);
        const QByteArray before = morvane::test::readAll(path("customers.dbf"));
        EXPECT_EQ(c.run(customers), RestructureResult::Done);
        EXPECT_EQ(customers.table().fieldCount(), c.fields);
        EXPECT_EQ(rows(customers.table()).size(), 3);
        EXPECT_EQ(morvane::test::readAll(path("customers0.dbf")), before);
        // The search is still on after the rebuild.
        EXPECT_EQ(customers.table().recordCount(), 1u);
    }
    const auto all = rows(customers.table());
    // Shortened to 5, then the first two fields swapped.
    EXPECT_EQ(all[0][0], "Meier");
    EXPECT_EQ(all[0][1], "Alpha");
    EXPECT_EQ(all[1][12], "memo text");
}

TEST_F(AddressBookTest, RebuildIsRefusedWhileAnotherWorkstationHasTheTableOpen)
{
    add(customers, {"Alpha GmbH"});
    ASSERT_EQ(customers.AddnewField("Extra", 10), RestructureResult::Done);
    const QByteArray table = morvane::test::readAll(path("customers.dbf"));
    const QByteArray previous = morvane::test::readAll(path("customers0.dbf"));

    dbase::Table other;
    other.setFolder(temp.dir.path());
    other.setFileName("customers.dbf");
    other.open();
    temp.prompter.expectInform(0).expectInform(0);
    EXPECT_EQ(customers.AddnewField("Bonus", 10), RestructureResult::InUse);
    EXPECT_EQ(customers.reorder({1, 0, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15}), RestructureResult::InUse);
    EXPECT_TRUE(temp.prompter.shown().last().text.contains(QString::fromUtf8("anderen Arbeitsplatz")));
    EXPECT_EQ(morvane::test::readAll(path("customers.dbf")), table);
    EXPECT_EQ(morvane::test::readAll(path("customers0.dbf")), previous);
    EXPECT_FALSE(QFile::exists(path("temp.dbf")));
    EXPECT_EQ(customers.table().fieldCount(), 16);
    EXPECT_EQ(other.fieldText(0), "Alpha GmbH");
}

TEST_F(AddressBookTest, RemovingTheLastFieldNeedsAUserFieldAndAYes)
{
    for (AddressBook *book : {&customers, &suppliers}) {
        temp.prompter.expectInform(198);
        const QByteArray before = morvane::test::readAll(book->table().filePath());
        EXPECT_EQ(book->removeLastField(), RestructureResult::Invalid);
        EXPECT_EQ(morvane::test::readAll(book->table().filePath()), before);
    }
    ASSERT_EQ(suppliers.AddnewField("Extra", 10), RestructureResult::Done);
    temp.prompter.expectAsk(200, base::Answer::No);
    EXPECT_EQ(suppliers.removeLastField(), RestructureResult::Cancelled);
    EXPECT_EQ(suppliers.table().fieldCount(), 15);
    temp.prompter.expectAsk(200, base::Answer::Yes);
    EXPECT_EQ(suppliers.removeLastField(), RestructureResult::Done);
    EXPECT_EQ(names(suppliers.table()), kCustomerNames.first(14));
}

TEST_F(AddressBookTest, AMemoAtTheEndStaysWhenTheLastFieldIsRemoved)
{
    add(suppliers, {"A"});
    ASSERT_EQ(suppliers.AddnewField("Extra", 10), RestructureResult::Done);
    // Move the memo (position 12) to the end.
    ASSERT_EQ(suppliers.reorder({0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 13, 14, 12}), RestructureResult::Done);
    suppliers.saveRecord(1, {"A", "", "", "", "", "", "", "", "", "", "", "", "K", "x", "the memo"});
    temp.prompter.expectAsk(200, base::Answer::Yes);
    ASSERT_EQ(suppliers.removeLastField(), RestructureResult::Done);
    const dbase::Table &t = suppliers.table();
    ASSERT_EQ(t.fieldCount(), 14);
    EXPECT_EQ(t.field(12).name, "KUNDENNR");
    EXPECT_EQ(t.field(13).type, FieldType::Memo);
    EXPECT_EQ(rows(suppliers.table())[0][13], "the memo");
}

TEST_F(AddressBookTest, AddFieldRefusesEmptyAndDuplicateNamesAndBadLengths)
{
    temp.prompter.expectInform(195).expectInform(0);
    EXPECT_EQ(customers.AddnewField("  ", 10), RestructureResult::Invalid);
    // "Kostenstelle" is cut to the ten characters the file keeps.
    EXPECT_EQ(customers.AddnewField("kostenst", 10), RestructureResult::Invalid);
    EXPECT_EQ(customers.AddnewField("Bonus", 0), RestructureResult::Invalid);
    EXPECT_EQ(customers.AddnewField("Bonus", 256), RestructureResult::Invalid);
    EXPECT_EQ(customers.table().fieldCount(), 15);
    EXPECT_FALSE(QFile::exists(path("customers0.dbf")));
    EXPECT_EQ(customers.AddnewField("Lieferbedingungen", 255), RestructureResult::Done);
    EXPECT_EQ(customers.table().field(15).name, "LIEFERBEDI");
    EXPECT_EQ(customers.table().field(15).length, 255);
}

TEST_F(AddressBookTest, LengthTextsThatAreNotWholeNumbersLeaveTheFieldAlone)
{
    add(customers, {"Abcdefghij", "Müller"});
    EXPECT_EQ(customers.changeLengths({"5", "x", "", "0", "300", "7.5", "", "", "", "", "", "", "", "", " 3 "}),
              RestructureResult::Done);
    const dbase::Table &t = customers.table();
    EXPECT_EQ(t.field(0).length, 5);
    EXPECT_EQ(t.field(1).length, 45);
    EXPECT_EQ(t.field(3).length, 45);
    EXPECT_EQ(t.field(4).length, 45);
    EXPECT_EQ(t.field(5).length, 10);
    EXPECT_EQ(t.field(14).length, 3);
    EXPECT_EQ(rows(customers.table())[0][0], "Abcde");
    EXPECT_EQ(customers.reorder({0, 0, 2}), RestructureResult::Invalid);
}

TEST_F(AddressBookTest, SortingByAColumnOrdersTheGridAndRefusesTheMemo)
{
    add(customers, {"Zeta", "b"});
    add(customers, {"Alpha", "c"});
    add(customers, {"Mu", "a"});
    ASSERT_TRUE(customers.sortByField(0));
    QStringList order;
    for (customers.table().first(); !customers.table().eof(); customers.table().next())
        order << customers.table().fieldText(0);
    EXPECT_EQ(order, (QStringList{"Alpha", "Mu", "Zeta"}));
    EXPECT_FALSE(customers.sortByField(12));
    EXPECT_FALSE(customers.sortByField(99));
    EXPECT_EQ(customers.table().indexTag(), "FIRMA");
}

TEST_F(AddressBookTest, SaveAndDeleteRecords)
{
    add(customers, {"Alpha"});
    EXPECT_EQ(customers.saveRecord(1, {"Alpha 2", "Neu"}), RecordResult::Saved);
    EXPECT_EQ(rows(customers.table()), (QList<QStringList>{QStringList{"Alpha 2", "Neu"} + QStringList(13)}));
    EXPECT_EQ(customers.saveRecord(7, {"x"}), RecordResult::NoRecord);
    EXPECT_EQ(customers.deleteRecord(1), RecordResult::Deleted);
    EXPECT_EQ(customers.deleteRecord(1), RecordResult::NoRecord);
    EXPECT_TRUE(rows(customers.table()).isEmpty());
}

}  // namespace
