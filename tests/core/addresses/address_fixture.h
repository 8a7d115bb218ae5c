#pragma once

#include "core/addresses/address_book.h"
#include "core/dbase/dbf_error.h"

#include "support/temp_workspace.h"

#include <gtest/gtest.h>

namespace morvane::addresses::test {

// A data folder with the two address tables opened as the program opens them.
struct AddressFixture : ::testing::Test {
    AddressFixture()
    {
        EXPECT_EQ(customers.InitDataBase(), InitResult::Created);
        EXPECT_EQ(suppliers.InitDataBase(), InitResult::Created);
    }
    ~AddressFixture() override { EXPECT_TRUE(temp.prompter.failures().isEmpty()) << temp.prompter.failures().join('\n').toStdString(); }

    QString path(const QString &name) const { return temp.path(name); }

    // Appends a record from values by position.
    static void add(AddressBook &book, const QStringList &values)
    {
        ASSERT_EQ(book.saveRecord(std::nullopt, values), RecordResult::Saved) << book.lastError().toStdString();
    }

    // Every live record's values, in file order, ignoring filter and order.
    static QList<QStringList> rows(dbase::Table &t)
    {
        QList<QStringList> out;
        for (std::uint32_t n = 1; n <= t.physicalRecordCount(); ++n) {
            if (!t.go(n) || t.isDeleted())
                continue;
            QStringList values;
            for (int i = 0; i < t.fieldCount(); ++i)
                values << t.fieldText(i);
            out << values;
        }
        return out;
    }

    static QStringList names(const dbase::Table &t)
    {
        QStringList out;
        for (int i = 0; i < t.fieldCount(); ++i)
            out << t.field(i).name;
        return out;
    }

    morvane::test::TempWorkspace temp;
    AddressBook customers{*temp.ws, AddressKind::Customers};
    AddressBook suppliers{*temp.ws, AddressKind::Suppliers};
};

}  // namespace morvane::addresses::test
