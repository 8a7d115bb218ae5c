#include "address_fixture.h"

#include "../dbase/tool_runner.h"

using namespace morvane;
using namespace morvane::addresses;
using namespace morvane::addresses::test;

namespace {

using AddressReaders = AddressFixture;

// The customer table as other programs see it: names, umlauts, the memo.
TEST_F(AddressReaders, DbffileAndPgdbfReadTheCustomerTableWithItsMemo)
{
    QStringList values(15);
    values[0] = QString::fromUtf8("Bäckerei Groß");
    values[1] = QString::fromUtf8("Jürgen");
    values[12] = QString::fromUtf8("Rabatt 5 € ab 2027\r\nzweite Zeile ") + QString(700, u'x');
    values[14] = "KST-1";
    add(customers, values);
    add(customers, {"Zweite"});
    ASSERT_EQ(customers.AddnewField("Bonus", 12), RestructureResult::Done);
    customers.table().close();

    const QJsonObject got = dbase::fixtures::readWithDbffile(path("customers.dbf"), temp.dir.path());
    const QJsonArray fields = got["fields"].toArray();
    ASSERT_EQ(fields.size(), 16);
    EXPECT_EQ(fields[0].toString(), "FIRMA");
    EXPECT_EQ(fields[12].toString(), "MEHR");
    EXPECT_EQ(fields[15].toString(), "BONUS");
    const QJsonArray rows = got["rows"].toArray();
    ASSERT_EQ(rows.size(), 2);
    const QJsonObject first = rows[0].toObject();
    EXPECT_EQ(first["FIRMA"].toString(), values[0]);
    EXPECT_EQ(first["NAME"].toString(), values[1]);
    EXPECT_EQ(first["MEHR"].toString(), values[12]);
    EXPECT_EQ(first["KOSTENST"].toString(), "KST-1");
    EXPECT_EQ(rows[1].toObject()["FIRMA"].toString(), "Zweite");

    const auto pg = dbase::fixtures::runTool("pgdbf", {"-s", "cp1252", "-m", path("customers.dbt"), path("customers.dbf")});
    EXPECT_EQ(pg.exitCode, 0) << pg.err.toStdString();
    EXPECT_TRUE(QString::fromUtf8(pg.out).contains(QString::fromUtf8("Bäckerei Groß\tJürgen"))) << pg.out.toStdString();
}

}  // namespace
