#include "ui/addresses/address_pick_dialog.h"

#include "core/app/workspace.h"
#include "ui/addresses/address_form.h"
#include "ui/addresses/search_row.h"
#include "ui/dbase/table_model.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>
#include <QVBoxLayout>

namespace morvane::ui {

AddressPickDialog::AddressPickDialog(AddressForm &owner, const QString &caption, QWidget *parent)
    : QDialog(parent), owner_(owner)
{
    setWindowTitle(tr_(caption));
    layout_ = new QVBoxLayout(this);
    auto *search = new QHBoxLayout;
    const SearchRow row = addSearchRow(this, search, [this](const QString &german) { return tr_(german); });
    SuchEd = row.SuchEd;
    Filterbtn = row.Filterbtn;
    AllezeigenBtn = row.AllezeigenBtn;
    layout_->addLayout(search);

    DBGrid1 = new QTableView(this);
    DBGrid1->setObjectName(QStringLiteral("DBGrid1"));
    model_ = new dbase::TableModel(&owner_.book().table(), this);
    DBGrid1->setModel(model_);
    DBGrid1->setSelectionBehavior(QAbstractItemView::SelectRows);
    DBGrid1->setSelectionMode(QAbstractItemView::SingleSelection);
    DBGrid1->setEditTriggers(QAbstractItemView::NoEditTriggers);
    layout_->addWidget(DBGrid1, 1);

    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    OkBtn = new QPushButton(tr_(QStringLiteral("OK")), this);
    OkBtn->setObjectName(QStringLiteral("OkBtn"));
    OkBtn->setDefault(true);
    buttons->addWidget(OkBtn);
    layout_->addLayout(buttons);

    connect(Filterbtn, &QPushButton::clicked, this, &AddressPickDialog::FilterbtnClick);
    connect(AllezeigenBtn, &QPushButton::clicked, this, &AddressPickDialog::AllezeigenBtnClick);
    connect(OkBtn, &QPushButton::clicked, this, &QDialog::accept);
    connect(DBGrid1, &QTableView::doubleClicked, this, &QDialog::accept);
    resize(760, 460);
}

QString AddressPickDialog::tr_(const QString &german) const
{
    return owner_.book().workspace().translator.translate(german);
}

void AddressPickDialog::FilterbtnClick()
{
    owner_.searchEdit()->setText(SuchEd->text());
    owner_.FilterbtnClick();
    model_->reload();
    if (model_->rowCount() > 0)
        DBGrid1->selectRow(0);
}

void AddressPickDialog::AllezeigenBtnClick()
{
    SuchEd->clear();
    owner_.AllezeigenBtnClick();
    model_->reload();
    if (model_->rowCount() > 0)
        DBGrid1->selectRow(0);
}

bool AddressPickDialog::takeSelected()
{
    const QModelIndex index = DBGrid1->currentIndex();
    const std::uint32_t record = index.isValid() ? model_->recordNumberAt(index.row()) : 0;
    if (!record)
        return false;
    owner_.selectRecord(record);
    return owner_.book().table().go(record);
}

void AddressPickDialog::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    model_->reload();
    const auto current = owner_.currentRecord();
    const int row = current ? model_->rowOf(*current) : -1;
    if (row >= 0)
        DBGrid1->selectRow(row);
    else if (model_->rowCount() > 0)
        DBGrid1->selectRow(0);
}

}  // namespace morvane::ui
