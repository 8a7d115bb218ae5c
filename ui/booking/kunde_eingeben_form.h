#pragma once

#include "core/base/prompter.h"
#include "ui/addresses/address_pick_dialog.h"

#include <optional>

class QCheckBox;
class QComboBox;

namespace morvane::ui {

// "Kunde eingeben": the customer of a booking, typed, picked from the
// customers of the journal, or taken over from the customer table shown
// below. Its two check boxes are kept with the window's state.
class TKundeUbernehmenForm final : public AddressPickDialog {
    Q_OBJECT
public:
    explicit TKundeUbernehmenForm(AddressForm &customers, QWidget *parent = nullptr);

    std::optional<base::ValueAnswer> ask(const base::ValuePrompt &prompt);
    bool customerRequired() const;

    // "Kunde aus Kundenverwaltung übernehmen".
    void UbernehmenBtnClick();

    QComboBox *KundeEd = nullptr;
    QPushButton *UbernehmenBtn = nullptr;
    QCheckBox *KundePflichtCheck = nullptr;   // "Abschluss der Buchung ohne Kundeneingabe verhindern"
    QCheckBox *NurUbernehmenCheck = nullptr;  // "Direkte Kundeneingabe nicht möglich, nur übernehmen eines Kunden"

protected:
    void accept() override;

private:
    void keepChecks();
    void applyTypingRule();

    std::optional<QString> costCentre_;
};

}  // namespace morvane::ui
