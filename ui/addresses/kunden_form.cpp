#include "ui/addresses/kunden_form.h"

namespace morvane::ui {

TKundenForm::TKundenForm(addresses::AddressBook &customers, QWidget *parent)
    : AddressForm(customers, QStringLiteral("Korvell Kundenverwaltung 1.0"), parent)
{
    setObjectName(QStringLiteral("KundenForm"));
}

}  // namespace morvane::ui
