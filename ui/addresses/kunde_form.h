#pragma once

#include "ui/addresses/address_pick_dialog.h"

namespace morvane::ui {

// "Kunde übernehmen": the caller shows it modally and, on OK, reads the
// customer table's current record.
class TKundeForm final : public AddressPickDialog {
    Q_OBJECT
public:
    explicit TKundeForm(AddressForm &customers, QWidget *parent = nullptr);

    QPushButton *AbbrechenBtn = nullptr;

protected:
    void accept() override;
};

}  // namespace morvane::ui
