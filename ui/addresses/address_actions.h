#pragma once

#include "core/addresses/address_book.h"
#include "core/addresses/supplier_names.h"

#include <QObject>

#include <memory>

class QAction;

namespace morvane::ui {

class TKundeForm;
class TKundenForm;
class TLieferantForm;
class TLieferantenForm;
class TMainForm;

// The customer and supplier functions of the main window: "Kundenverwaltung..."
// (button and menu), "Lieferantenverwaltung...", "Spalte mit
// Lieferantennamen füllen...". Owns the two tables, their windows and the
// selection dialogs other windows use.
class AddressActions final : public QObject {
    Q_OBJECT
public:
    explicit AddressActions(TMainForm &form);
    ~AddressActions() override;

    // Opens (or creates) both tables and binds the windows; at start, after
    // the interface language is set.
    void openTables();

    addresses::AddressBook &customers() { return *customers_; }
    addresses::AddressBook &suppliers() { return *suppliers_; }
    TKundenForm *KundenForm() const { return kundenForm_; }
    TLieferantenForm *LieferantenForm() const { return lieferantenForm_; }
    TKundeForm *KundeForm() const { return kundeForm_; }
    TLieferantForm *LieferantForm() const { return lieferantForm_; }

    void Kundenverwaltung1Click();
    void Lieferantenverwaltung1Click();
    void SpaltemitLieferantennamenfllen1Click();
    // The list column the user picked, by display position; used by the
    // menu item after its dialog (tests call it directly).
    addresses::FillResult fillSupplierColumn(int position);

private:
    TMainForm &form_;
    std::unique_ptr<addresses::AddressBook> customers_;
    std::unique_ptr<addresses::AddressBook> suppliers_;
    TKundenForm *kundenForm_ = nullptr;
    TLieferantenForm *lieferantenForm_ = nullptr;
    TKundeForm *kundeForm_ = nullptr;
    TLieferantForm *lieferantForm_ = nullptr;
};

}  // namespace morvane::ui
