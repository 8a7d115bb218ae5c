#include "core/addresses/address_fields.h"

#include "core/dbase/dbf_error.h"
#include "core/dbase/table.h"
#include "core/i18n/translator.h"

namespace morvane::addresses {

namespace {

QString textAt(const dbase::Table &table, int index)
{
    if (index < 0 || index >= table.fieldCount() || (table.eof() && table.bof()))
        return {};
    try {
        return table.fieldText(index);
    } catch (const dbase::DbfError &) {
        return {};
    }
}

}  // namespace

int messageOf(AddressField field)
{
    switch (field) {
    case AddressField::CustomerNumber:
        return 224;
    case AddressField::CostCentre:
        return 229;
    default:
        return 203 + int(field);
    }
}

QString addressText(const dbase::Table &table, AddressField field)
{
    return textAt(table, int(field));
}

QString addressTextByName(const dbase::Table &table, AddressField field, i18n::Translator &translator)
{
    const QString name = translator.message(messageOf(field)).left(10);
    const int byName = name.isEmpty() ? -1 : table.fieldIndex(name);
    return textAt(table, byName >= 0 ? byName : int(field));
}

QString customerPromptText(const dbase::Table &table)
{
    QString text = addressText(table, AddressField::Company);
    if (!text.isEmpty())
        text += QStringLiteral("; ");
    text += addressText(table, AddressField::Surname);
    if (!text.isEmpty())
        text += QStringLiteral("; ");
    text += addressText(table, AddressField::FirstName);
    return text;
}

std::optional<QString> costCentreText(const dbase::Table &table)
{
    if (table.fieldCount() <= int(AddressField::CostCentre))
        return std::nullopt;
    return addressText(table, AddressField::CostCentre);
}

}  // namespace morvane::addresses
