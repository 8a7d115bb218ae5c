#include "ui/articles/neuer_artikel_form_ausblenden.h"

#include "ui/articles/neuer_artikel_form.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QVBoxLayout>

namespace morvane::ui {

TAusblendenForm::TAusblendenForm(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("AusblendenForm"));
    setWindowTitle(QStringLiteral("Spalten unter \"Artikel bearbeiten\" ausblenden"));
    auto *layout = new QVBoxLayout(this);
    auto *grid = new QGridLayout;
    const QStringList &fields = TNeuerArtikelForm::hideableFields();
    const int perColumn = (int(fields.size()) + 2) / 3;
    for (int i = 0; i < fields.size(); ++i) {
        auto *box = new QCheckBox(fields[i], this);
        box->setObjectName(QStringLiteral("CheckBox%1").arg(i + 1));
        grid->addWidget(box, i % perColumn, i / perColumn);
        boxes << box;
    }
    layout->addLayout(grid);
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);
}

void TAusblendenForm::setHidden(const QStringList &fields)
{
    const QStringList &all = TNeuerArtikelForm::hideableFields();
    for (int i = 0; i < boxes.size(); ++i)
        boxes[i]->setChecked(fields.contains(all[i]));
}

QStringList TAusblendenForm::hiddenFields() const
{
    QStringList fields;
    const QStringList &all = TNeuerArtikelForm::hideableFields();
    for (int i = 0; i < boxes.size(); ++i) {
        if (boxes[i]->isChecked())
            fields << all[i];
    }
    return fields;
}

}  // namespace morvane::ui
