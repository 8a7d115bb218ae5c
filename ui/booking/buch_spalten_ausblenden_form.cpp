#include "ui/booking/buch_spalten_ausblenden_form.h"

#include "ui/base/grid_dialog_layout.h"
#include "ui/i18n/component_translator.h"

#include <QDialogButtonBox>
#include <QHeaderView>
#include <QPushButton>
#include <QTableWidget>

namespace morvane::ui {

TBuchSpaltenAusblendenForm::TBuchSpaltenAusblendenForm(const QStringList &fieldTitles, const Flags &flags,
                                                       i18n::Translator &translator, QWidget *parent)
    : QDialog(parent), flags_(flags), translator_(translator),
      StringGrid1(new QTableWidget(int(fieldTitles.size()), 2, this))
{
    setObjectName(QStringLiteral("BuchSpaltenAusblendenForm"));
    setWindowTitle(QStringLiteral("Spalten ausblenden"));
    StringGrid1->setObjectName(QStringLiteral("StringGrid1"));
    StringGrid1->setHorizontalHeaderLabels({QStringLiteral("Spalte"), QStringLiteral("Status")});
    StringGrid1->horizontalHeader()->setSectionResizeMode(0, QHeaderView::Stretch);
    StringGrid1->setEditTriggers(QAbstractItemView::NoEditTriggers);
    StringGrid1->setSelectionBehavior(QAbstractItemView::SelectRows);
    StringGrid1->setSelectionMode(QAbstractItemView::SingleSelection);
    for (int f = 0; f < fieldTitles.size(); ++f) {
        StringGrid1->setItem(f, 0, new QTableWidgetItem(fieldTitles[f]));
        StringGrid1->setItem(f, 1, new QTableWidgetItem);
        setVisible(f, flags_[std::size_t(f)]);
    }
    auto *hide = new QPushButton(QStringLiteral("Ausblenden"), this);
    hide->setObjectName(QStringLiteral("AusblendenBtn"));
    auto *show = new QPushButton(QStringLiteral("Einblenden"), this);
    show->setObjectName(QStringLiteral("EinblendenBtn"));
    connect(hide, &QPushButton::clicked, this, [this] { setVisible(StringGrid1->currentRow(), false); });
    connect(show, &QPushButton::clicked, this, [this] { setVisible(StringGrid1->currentRow(), true); });
    connect(StringGrid1, &QTableWidget::cellDoubleClicked, this,
            [this](int row, int) { setVisible(row, !flags_[std::size_t(row)]); });
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    layOutGridWithSideButtons(this, StringGrid1, {hide, show}, buttons);
    TranslateComponents(this, translator_);
    resize(420, 560);
}

void TBuchSpaltenAusblendenForm::setVisible(int field, bool visible)
{
    if (field < 0 || field >= StringGrid1->rowCount())
        return;
    flags_[std::size_t(field)] = visible;
    StringGrid1->item(field, 1)->setText(translator_.message(visible ? 219 : 220));
}

}  // namespace morvane::ui
