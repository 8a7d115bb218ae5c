#include "core/settings/rights.h"

namespace morvane::settings {

void Session::clearUser()
{
    aktuser = 0;
    userName.clear();
    aktusercheck = allRights();
    aktusercannotwrite = false;
}

bool Rights::mayChange(int right) const
{
    return (adminSwitch(right) && session_.right(right) && !session_.aktusercannotwrite) || session_.isloggedin;
}

bool Rights::mayUse(int right) const
{
    return (adminSwitch(right) && session_.right(right)) || session_.isloggedin;
}

bool Rights::purchasePricesVisible(bool ekHiddenInDialog) const
{
    return !ekHiddenInDialog && mayUse(RightEkPreiseSichtbar);
}

bool Rights::mayReplaceAllByImport() const
{
    return session_.isloggedin || (mayChange(RightImport) && mayChange(RightLoeschen));
}

GrayOut GrayOutFunctions(const Options &options, const Session &session, bool ekHiddenInDialog)
{
    const Rights r(options, session);
    using T = GrayOutItem::Target;
    using E = GrayOutItem::Effect;
    GrayOut g;
    auto add = [&g](T target, const char *name, E effect, bool on) {
        g.items.push_back({target, QString::fromUtf8(name), effect, on});
    };

    add(T::Button, "DelBtn", E::Enable, r.mayChange(RightLoeschen));
    add(T::MenuItem, "Artikel mit Menge 0 und Mindestbestand 0 löschen", E::Enable, r.mayChange(RightLoeschen));
    add(T::Button, "NewArtikelBtn", E::Enable, r.mayChange(RightHinzufuegen));
    add(T::MenuItem, "Artikel duplizieren...", E::Enable, r.mayChange(RightHinzufuegen));
    add(T::Button, "EditArtikelBtn", E::Enable, r.mayChange(RightBearbeiten));
    g.inPlaceNameEditing = r.mayChange(RightBearbeiten);
    add(T::MenuItem, "Importieren...", E::Enable, r.mayChange(RightImport));
    add(T::MenuItem, "Alle Artikel löschen und Datei importieren...", E::Enable, r.mayReplaceAllByImport());
    add(T::MenuItem, "Exportieren...", E::Enable, r.mayUse(RightExport));
    add(T::MenuItem, "Backup der Artikel...", E::Enable, r.mayUse(RightBackupAnlegen));
    add(T::MenuItem, "Backup der Optionen...", E::Enable, r.mayUse(RightBackupAnlegen));
    add(T::MenuItem, "Backup der Artikel einladen...", E::Enable, r.mayChange(RightBackupZurueckspielen));
    add(T::MenuItem, "Backup der Optionen einladen...", E::Enable, r.mayChange(RightBackupZurueckspielen));
    add(T::MenuItem, "Alle Bestände auf 0 setzen", E::Enable, r.mayChange(RightBestaendeAufNull));
    g.showPurchasePrice = r.purchasePricesVisible(ekHiddenInDialog);

    add(T::TopMenu, "Datei", E::Show, r.menuVisible(RightDateiMenu));
    add(T::Button, "PrintBtn", E::Enable, r.menuVisible(RightDateiMenu));
    add(T::TopMenu, "Einstellungen", E::Show, r.menuVisible(RightEinstellungenMenu));
    add(T::TopMenu, "Barcodes", E::Show, r.menuVisible(RightBarcodesMenu));
    add(T::TopMenu, "Funktionen", E::Show, r.menuVisible(RightFunktionenMenu));
    add(T::TopMenu, "Kunden", E::Show, r.menuVisible(RightKundenMenu));
    add(T::TopMenu, "Sprache", E::Show, r.menuVisible(RightSpracheMenu));
    add(T::TopMenu, "Suche", E::Show, r.menuVisible(RightSuchenMenu));
    add(T::TopMenu, "Hilfe", E::Show, r.menuVisible(RightHilfeMenu));
    return g;
}

}  // namespace morvane::settings
