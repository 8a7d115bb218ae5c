#pragma once

#include "ui/addresses/address_form.h"

namespace morvane::ui {

// "Lieferantenverwaltung": the supplier table.
class TLieferantenForm final : public AddressForm {
    Q_OBJECT
public:
    explicit TLieferantenForm(addresses::AddressBook &suppliers, QWidget *parent = nullptr);
};

}  // namespace morvane::ui
