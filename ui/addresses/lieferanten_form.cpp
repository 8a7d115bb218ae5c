#include "ui/addresses/lieferanten_form.h"

namespace morvane::ui {

TLieferantenForm::TLieferantenForm(addresses::AddressBook &suppliers, QWidget *parent)
    : AddressForm(suppliers, QStringLiteral("Korvell Lieferantenverwaltung 1.0"), parent)
{
    setObjectName(QStringLiteral("LieferantenForm"));
}

}  // namespace morvane::ui
