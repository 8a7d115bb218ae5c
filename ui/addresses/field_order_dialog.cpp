#include "ui/addresses/field_order_dialog.h"

#include "core/i18n/translator.h"

#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace morvane::ui {

FieldOrderDialog::FieldOrderDialog(const QStringList &names, i18n::Translator &translator, QWidget *parent)
    : QDialog(parent)
{
    setWindowTitle(translator.translate(QStringLiteral("Felder umsortieren")));
    auto *layout = new QHBoxLayout(this);
    ListBox1 = new QListWidget(this);
    ListBox1->setObjectName(QStringLiteral("ListBox1"));
    ListBox1->addItems(names);
    for (int i = 0; i < names.size(); ++i)
        former_ << i;
    layout->addWidget(ListBox1);
    auto *side = new QVBoxLayout;
    NachObenBtn = new QPushButton(translator.translate(QStringLiteral("Nach oben")), this);
    NachObenBtn->setObjectName(QStringLiteral("NachObenBtn"));
    NachUntenBtn = new QPushButton(translator.translate(QStringLiteral("Nach unten")), this);
    NachUntenBtn->setObjectName(QStringLiteral("NachUntenBtn"));
    side->addWidget(NachObenBtn);
    side->addWidget(NachUntenBtn);
    side->addStretch();
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, Qt::Vertical, this);
    buttons->button(QDialogButtonBox::Cancel)->setText(translator.translate(QStringLiteral("Abbrechen")));
    side->addWidget(buttons);
    layout->addLayout(side);
    connect(NachObenBtn, &QPushButton::clicked, this, &FieldOrderDialog::NachObenBtnClick);
    connect(NachUntenBtn, &QPushButton::clicked, this, &FieldOrderDialog::NachUntenBtnClick);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
}

void FieldOrderDialog::move(int step)
{
    const int row = ListBox1->currentRow();
    const int to = row + step;
    if (row < 0 || to < 0 || to >= ListBox1->count())
        return;
    QListWidgetItem *item = ListBox1->takeItem(row);
    ListBox1->insertItem(to, item);
    former_.swapItemsAt(row, to);
    ListBox1->setCurrentRow(to);
}

}  // namespace morvane::ui
