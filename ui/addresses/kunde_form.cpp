#include "ui/addresses/kunde_form.h"

#include <QBoxLayout>
#include <QLineEdit>
#include <QPushButton>

namespace morvane::ui {

TKundeForm::TKundeForm(AddressForm &customers, QWidget *parent)
    : AddressPickDialog(customers, QStringLiteral("Kunde übernehmen"), parent)
{
    setObjectName(QStringLiteral("KundeForm"));
    AbbrechenBtn = new QPushButton(tr_(QStringLiteral("Abbrechen")), this);
    AbbrechenBtn->setObjectName(QStringLiteral("AbbrechenBtn"));
    AbbrechenBtn->setAutoDefault(false);
    if (auto *row = qobject_cast<QBoxLayout *>(layout_->itemAt(layout_->count() - 1)->layout()))
        row->addWidget(AbbrechenBtn);
    connect(AbbrechenBtn, &QPushButton::clicked, this, &QDialog::reject);
    // Enter in the search box confirms, as the default button does.
    connect(SuchEd, &QLineEdit::returnPressed, this, &TKundeForm::accept);
}

void TKundeForm::accept()
{
    takeSelected();
    AddressPickDialog::accept();
}

}  // namespace morvane::ui
