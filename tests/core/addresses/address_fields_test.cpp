#include "address_fixture.h"

#include "core/addresses/address_fields.h"

using namespace morvane;
using namespace morvane::addresses;
using namespace morvane::addresses::test;

namespace {

using AddressFieldsTest = AddressFixture;

TEST_F(AddressFieldsTest, DefaultFieldsAreReadByPosition)
{
    QStringList values;
    for (int i = 0; i < 15; ++i)
        values << QString("v%1").arg(i);
    add(customers, values);
    dbase::Table &t = customers.table();
    t.first();
    for (int i = 0; i <= int(AddressField::CostCentre); ++i)
        EXPECT_EQ(addressText(t, AddressField(i)), values[i]);
    EXPECT_EQ(*costCentreText(t), "v14");
    EXPECT_EQ(messageOf(AddressField::Company), 203);
    EXPECT_EQ(messageOf(AddressField::Memo), 215);
    EXPECT_EQ(messageOf(AddressField::CustomerNumber), 224);
    EXPECT_EQ(messageOf(AddressField::CostCentre), 229);

    // Suppliers have no cost centre; a table past its end reads empty.
    add(suppliers, values.first(14));
    suppliers.table().first();
    EXPECT_FALSE(costCentreText(suppliers.table()).has_value());
    EXPECT_EQ(addressText(suppliers.table(), AddressField::CostCentre), "");
    suppliers.table().next();
    EXPECT_EQ(addressText(suppliers.table(), AddressField::Company), "");
}

TEST_F(AddressFieldsTest, CustomerPromptTextJoinsCompanySurnameAndFirstName)
{
    struct Case {
        QStringList values;
        const char *text;
    };
    const Case cases[] = {
        {{"Firma", "Name", "Vorname"}, "Firma; Name; Vorname"},
        {{"", "Name", "Vorname"}, "Name; Vorname"},
        {{"Firma", "", ""}, "Firma; ; "},
        {{"", "", "Vorname"}, "Vorname"},
        {{"", "", ""}, ""},
    };
    for (const Case &c : cases) {
        add(customers, c.values);
        customers.table().last();
        EXPECT_EQ(customerPromptText(customers.table()), c.text) << c.values.join('|').toStdString();
    }
}

TEST_F(AddressFieldsTest, TakeOverFindsMovedFieldsByNameAndOthersByPosition)
{
    add(customers, {"Firma", "Name", "Vorname", "Herr", "Weg 1", "12345", "Ort", "DE", "T", "F", "H", "a@b.de"});
    QList<int> order{4, 1, 2, 3, 0, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14};
    ASSERT_EQ(customers.reorder(order), RestructureResult::Done);
    ASSERT_EQ(customers.AddnewField("Extra", 5), RestructureResult::Done);
    dbase::Table &t = customers.table();
    t.first();
    EXPECT_EQ(addressTextByName(t, AddressField::Company, temp.ws->translator), "Firma");
    EXPECT_EQ(addressTextByName(t, AddressField::Street, temp.ws->translator), "Weg 1");
    EXPECT_EQ(addressText(t, AddressField::Company), "Weg 1");
    EXPECT_EQ(addressTextByName(t, AddressField::Email, temp.ws->translator), "a@b.de");
}

}  // namespace
