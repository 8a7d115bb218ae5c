#include "dbase_fixtures.h"

#include "core/dbase/dbf_error.h"
#include "core/dbase/table_csv.h"

using namespace morvane::dbase;
using morvane::dbase::fixtures::DbaseTest;

namespace {

class TableCsvTest : public DbaseTest {};

TEST_F(TableCsvTest, AppendedRowsDumpBackWithMemosAndUmlauts)
{
    Table t;
    makeTable(t, "t.dbf", TableCsv::parseFieldList(u"Name:C:10, Note:M"));
    const QString in = QString::fromUtf8("\"Müller\";\"zwei\\r\\nZeilen\"\r\n\r\n\"a;b\";\"\"\"\"\n\"only\"\n");
    EXPECT_EQ(TableCsv::append(t, in), 3);
    EXPECT_EQ(TableCsv::dump(t), QString::fromUtf8("\"NAME\";\"NOTE\"\r\n\"Müller\";\"zwei\\r\\nZeilen\"\r\n"
                                                   "\"a;b\";\"\"\"\"\r\n\"only\";\"\"\r\n"));
}

TEST_F(TableCsvTest, FieldListDescriptions)
{
    const FieldList f = TableCsv::parseFieldList(u"NAME:C:30,NOTE:M,X:C");
    ASSERT_EQ(f.size(), 3);
    EXPECT_EQ(f[0].length, 30);
    EXPECT_EQ(f[1].type, FieldType::Memo);
    EXPECT_EQ(f[2].length, 0);  // the default width is applied at creation
    for (const char16_t *bad : {u"NAME", u"NAME:C:x", u":C:3", u"N:M:10"})
        EXPECT_THROW(TableCsv::parseFieldList(bad), DbfError) << QString::fromUtf16(bad).toStdString();
    EXPECT_THROW(TableCsv::parseFieldList(u"N:D"), DbfError);
}

}  // namespace
