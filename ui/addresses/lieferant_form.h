#pragma once

#include "ui/addresses/address_pick_dialog.h"

class QLineEdit;

namespace morvane::ui {

// "Lieferant auswählen...": the article dialog fills the e-mail box, shows
// the dialog and reads the box afterwards.
class TLieferantForm final : public AddressPickDialog {
    Q_OBJECT
public:
    explicit TLieferantForm(AddressForm &suppliers, QWidget *parent = nullptr);

    QString email() const;
    void setEmail(const QString &email);
    void UebernehmenBtnClick();

    QLineEdit *EmailEd = nullptr;
    QPushButton *UebernehmenBtn = nullptr;

protected:
    void showEvent(QShowEvent *event) override;
};

}  // namespace morvane::ui
