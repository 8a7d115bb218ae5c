#include "ui/addresses/address_actions.h"

#include "ui/addresses/kunde_form.h"
#include "ui/addresses/kunden_form.h"
#include "ui/addresses/lieferant_form.h"
#include "ui/addresses/lieferanten_form.h"
#include "ui/app/main_form.h"
#include "ui/app/main_menu.h"
#include "ui/articles/article_table_model.h"

#include <QAction>
#include <QInputDialog>
#include <QPushButton>

namespace morvane::ui {

AddressActions::AddressActions(TMainForm &form)
    : QObject(&form),
      form_(form),
      customers_(std::make_unique<addresses::AddressBook>(form.workspace(), addresses::AddressKind::Customers)),
      suppliers_(std::make_unique<addresses::AddressBook>(form.workspace(), addresses::AddressKind::Suppliers))
{
    kundenForm_ = new TKundenForm(*customers_, &form);
    lieferantenForm_ = new TLieferantenForm(*suppliers_, &form);
    kundeForm_ = new TKundeForm(*kundenForm_, &form);
    lieferantForm_ = new TLieferantForm(*lieferantenForm_, &form);

    if (auto *button = form.findChild<QPushButton *>(QStringLiteral("BitBtn1")))
        connect(button, &QPushButton::clicked, this, &AddressActions::Kundenverwaltung1Click);
    const auto attach = [&](const char *caption, void (AddressActions::*slot)()) {
        if (auto *action = form.findChild<QAction *>(menuItemName(QString::fromUtf8(caption))))
            connect(action, &QAction::triggered, this, slot);
    };
    attach("Kundenverwaltung...", &AddressActions::Kundenverwaltung1Click);
    attach("Lieferantenverwaltung...", &AddressActions::Lieferantenverwaltung1Click);
    attach("Spalte mit Lieferantennamen füllen...", &AddressActions::SpaltemitLieferantennamenfllen1Click);
}

AddressActions::~AddressActions() = default;

void AddressActions::openTables()
{
    customers_->InitDataBase();
    suppliers_->InitDataBase();
    kundenForm_->AktuallisiereDBEdit();
    lieferantenForm_->AktuallisiereDBEdit();
}

void AddressActions::Kundenverwaltung1Click()
{
    kundenForm_->exec();
}

void AddressActions::Lieferantenverwaltung1Click()
{
    lieferantenForm_->exec();
}

addresses::FillResult AddressActions::fillSupplierColumn(int position)
{
    app::Workspace &ws = form_.workspace();
    ArticleTableModel *model = form_.articleModel();
    if (position < 0 || position >= articles::kListColumnCount || !model)
        return addresses::FillResult::Invalid;
    const int column = position == 0 ? 0 : ws.articleSettings.spalte.at(position - 1) + 1;
    const auto result = addresses::SupplierNames::fill(ws, *suppliers_, column, model->columnTitle(position));
    lieferantenForm_->searchEdit()->clear();
    model->reload();
    return result;
}

void AddressActions::SpaltemitLieferantennamenfllen1Click()
{
    ArticleTableModel *model = form_.articleModel();
    if (!model)
        return;
    QStringList captions;
    for (int c = 0; c < articles::kListColumnCount; ++c)
        captions << model->columnTitle(c);
    bool ok = false;
    const QString chosen = QInputDialog::getItem(
        &form_, form_.workspace().translator.translate(QStringLiteral("Spalte mit Lieferantennamen füllen...")),
        form_.workspace().translator.translate(QStringLiteral("Spalte:")), captions, 18, false, &ok);
    if (!ok)
        return;
    fillSupplierColumn(int(captions.indexOf(chosen)));
}

}  // namespace morvane::ui
