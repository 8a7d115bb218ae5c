#pragma once

#include <QString>

#include <optional>

namespace morvane::dbase {
class Table;
}

namespace morvane::i18n {
class Translator;
}

namespace morvane::addresses {

// The default fields of the address tables by position. Other windows
// (documents, booking prompts, orders) read addresses through these
// positions, so a field moved by the user changes what they read.
enum class AddressField : int {
    Company = 0,
    Surname = 1,
    FirstName = 2,
    Salutation = 3,
    Street = 4,
    Postcode = 5,
    Town = 6,
    Country = 7,
    Telephone = 8,
    Fax = 9,
    Mobile = 10,
    Email = 11,
    Memo = 12,
    CustomerNumber = 13,
    CostCentre = 14,  // customers only
};

// The message whose text names the field when a table is created.
int messageOf(AddressField field);

// Text of the field at that position in the current record; empty when the
// table has no such field or no current record.
QString addressText(const dbase::Table &table, AddressField field);

// Looks for the field by its name in the current language first, then by
// position (the document window's take-over of a customer).
QString addressTextByName(const dbase::Table &table, AddressField field, i18n::Translator &translator);

// The customer line of the booking prompt: company; surname; first name.
QString customerPromptText(const dbase::Table &table);
// The cost centre for the booking prompt, when the table has that field.
std::optional<QString> costCentreText(const dbase::Table &table);

}  // namespace morvane::addresses
