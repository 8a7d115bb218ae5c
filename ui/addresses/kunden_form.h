#pragma once

#include "ui/addresses/address_form.h"

namespace morvane::ui {

// "Kundenverwaltung": the customer table.
class TKundenForm final : public AddressForm {
    Q_OBJECT
public:
    explicit TKundenForm(addresses::AddressBook &customers, QWidget *parent = nullptr);
};

}  // namespace morvane::ui
