#include "ui/settings/admin_pass_form.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLineEdit>
#include <QPushButton>

namespace morvane::ui {

TAdminPassForm::TAdminPassForm(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("AdminPassForm"));
    setWindowTitle(QStringLiteral("Admin Passwort eingeben"));
    auto *layout = new QFormLayout(this);
    Edit1 = new QLineEdit(this);
    Edit1->setObjectName(QStringLiteral("Edit1"));
    Edit1->setEchoMode(QLineEdit::Password);
    layout->addRow(QStringLiteral("Admin Passwort:"), Edit1);
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->button(QDialogButtonBox::Cancel)->setText(QStringLiteral("Abbrechen"));
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addRow(buttons);
}

}  // namespace morvane::ui
