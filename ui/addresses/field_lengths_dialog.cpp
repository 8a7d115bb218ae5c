#include "ui/addresses/field_lengths_dialog.h"

#include "core/i18n/translator.h"

#include <QDialogButtonBox>
#include <QHeaderView>
#include <QTableWidget>
#include <QVBoxLayout>

namespace morvane::ui {

FieldLengthsDialog::FieldLengthsDialog(const dbase::FieldList &fields, i18n::Translator &translator, QWidget *parent)
    : QDialog(parent)
{
    setWindowTitle(translator.translate(QStringLiteral("Feldlängen")));
    auto *layout = new QVBoxLayout(this);
    StringGrid1 = new QTableWidget(int(fields.size()), 2, this);
    StringGrid1->setObjectName(QStringLiteral("StringGrid1"));
    StringGrid1->setHorizontalHeaderLabels({translator.message(196), translator.message(197)});
    StringGrid1->horizontalHeader()->setStretchLastSection(true);
    for (int i = 0; i < fields.size(); ++i) {
        const bool memo = fields.at(i).type == dbase::FieldType::Memo;
        auto *name = new QTableWidgetItem(memo ? QString() : fields.at(i).name);
        name->setFlags(name->flags() & ~Qt::ItemIsEditable);
        StringGrid1->setItem(i, 0, name);
        auto *length = new QTableWidgetItem(memo ? QString() : QString::number(fields.at(i).length));
        if (memo)
            length->setFlags(length->flags() & ~Qt::ItemIsEditable);
        StringGrid1->setItem(i, 1, length);
    }
    layout->addWidget(StringGrid1);
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    layout->addWidget(buttons);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    resize(360, 420);
}

QStringList FieldLengthsDialog::lengths() const
{
    QStringList out;
    for (int i = 0; i < StringGrid1->rowCount(); ++i)
        out << (StringGrid1->item(i, 1) ? StringGrid1->item(i, 1)->text() : QString());
    return out;
}

}  // namespace morvane::ui
