#include "ui/addresses/lieferant_form.h"

#include "core/addresses/supplier_names.h"
#include "ui/addresses/address_form.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace morvane::ui {

TLieferantForm::TLieferantForm(AddressForm &suppliers, QWidget *parent)
    : AddressPickDialog(suppliers, QStringLiteral("Lieferant auswählen..."), parent)
{
    setObjectName(QStringLiteral("LieferantForm"));
    EmailEd = new QLineEdit(this);
    EmailEd->setObjectName(QStringLiteral("EmailEd"));
    UebernehmenBtn =
        new QPushButton(tr_(QStringLiteral("Lieferanten Email-Adresse aus Lieferantenverwaltung übernehmen")), this);
    UebernehmenBtn->setObjectName(QStringLiteral("UebernehmenBtn"));
    UebernehmenBtn->setAutoDefault(false);
    layout_->insertWidget(0, new QLabel(tr_(QStringLiteral("Lieferanten Email-Adresse:")), this));
    layout_->insertWidget(1, EmailEd);
    layout_->insertWidget(2, UebernehmenBtn);
    connect(UebernehmenBtn, &QPushButton::clicked, this, &TLieferantForm::UebernehmenBtnClick);
}

QString TLieferantForm::email() const
{
    return EmailEd->text();
}

void TLieferantForm::setEmail(const QString &email)
{
    EmailEd->setText(email);
}

void TLieferantForm::UebernehmenBtnClick()
{
    takeSelected();
    EmailEd->setText(addresses::SupplierNames::takeOverEmail(owner_.book().workspace(), owner_.book()));
}

void TLieferantForm::showEvent(QShowEvent *event)
{
    SuchEd->setText(owner_.searchEdit()->text());
    AddressPickDialog::showEvent(event);
    EmailEd->setFocus();
    EmailEd->selectAll();
}

}  // namespace morvane::ui
