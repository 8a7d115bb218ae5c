#include "ui/addresses/add_field_dialog.h"

#include "core/i18n/translator.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLineEdit>
#include <QSpinBox>

namespace morvane::ui {

AddFieldDialog::AddFieldDialog(i18n::Translator &translator, QWidget *parent) : QDialog(parent)
{
    setWindowTitle(translator.translate(QStringLiteral("Feld hinzufügen")));
    auto *form = new QFormLayout(this);
    NameEd = new QLineEdit(this);
    NameEd->setObjectName(QStringLiteral("NameEd"));
    LaengeEd = new QSpinBox(this);
    LaengeEd->setObjectName(QStringLiteral("LaengeEd"));
    LaengeEd->setRange(1, 255);
    LaengeEd->setValue(45);
    form->addRow(translator.translate(QStringLiteral("Feld name:")), NameEd);
    form->addRow(translator.translate(QStringLiteral("Feld Länge:")), LaengeEd);
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    form->addRow(buttons);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
}

QString AddFieldDialog::name() const
{
    return NameEd->text();
}

int AddFieldDialog::length() const
{
    return LaengeEd->value();
}

}  // namespace morvane::ui
