#include "ui/dbase/table_model.h"

#include <QDir>
#include <QSignalSpy>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace morvane::dbase;

namespace {

class TableModelTest : public ::testing::Test {
protected:
    QTemporaryDir dir;
    Table table;

    void SetUp() override
    {
        table.setFolder(dir.path());
        table.setFileName("customers.dbf");
        table.setFieldList({Field::character("Company", 20), Field::memo("Memo")});
        table.create();
        table.open();
        const char *rows[][2] = {{"b", "memo b"}, {"a", ""}, {"c", "memo c"}};
        for (const auto &r : rows) {
            table.insert();
            table.setFieldText(0, QString::fromLatin1(r[0]));
            table.setFieldText(1, QString::fromLatin1(r[1]));
            table.post();
        }
    }

    static QStringList column(const TableModel &m, int c)
    {
        QStringList out;
        for (int r = 0; r < m.rowCount(); ++r)
            out << m.data(m.index(r, c)).toString();
        return out;
    }
};

TEST_F(TableModelTest, ShowsVisibleRecordsInTableOrder)
{
    TableModel model(&table);
    EXPECT_EQ(model.columnCount(), 2);
    EXPECT_EQ(model.headerData(0, Qt::Horizontal).toString(), "COMPANY");
    EXPECT_EQ(column(model, 0), (QStringList{"b", "a", "c"}));
    EXPECT_EQ(column(model, 1), (QStringList{"memo b", "", "memo c"}));

    table.addIndexTag("COMPANY", "Company");
    table.selectIndexTag("COMPANY");
    table.setFilter([](const Table &t) { return t.fieldText(0) != "b"; });
    table.setFiltered(true);
    model.reload();
    EXPECT_EQ(column(model, 0), (QStringList{"a", "c"}));
    EXPECT_EQ(model.recordNumberAt(0), 2u);
}

TEST_F(TableModelTest, EditsWriteThroughAndLockedRecordsStayUnchanged)
{
    TableModel model(&table);
    model.setEditable(true);
    EXPECT_TRUE(model.flags(model.index(0, 0)) & Qt::ItemIsEditable);
    EXPECT_TRUE(model.setData(model.index(0, 1), "new memo"));

    Table other;
    other.setFolder(dir.path());
    other.setFileName("customers.dbf");
    other.open();
    EXPECT_EQ(other.fieldText(1), "new memo");

    other.edit();  // another workstation holds record 1
    QSignalSpy errors(&model, &TableModel::errorOccurred);
    EXPECT_FALSE(model.setData(model.index(0, 0), "x"));
    ASSERT_EQ(errors.size(), 1);
    EXPECT_EQ(errors.at(0).at(0).toString(), "Record locked.");
    other.cancel();
    EXPECT_EQ(model.data(model.index(0, 0)).toString(), "b");
}

}  // namespace
