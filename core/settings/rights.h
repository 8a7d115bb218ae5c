#pragma once

#include "core/settings/options.h"

#include <QString>

#include <array>
#include <vector>

namespace morvane::settings {

// The function rights, numbered as the administrator's switches and the
// right flags of a user.
enum Right : int {
    RightLoeschen = 1,
    RightHinzufuegen = 2,
    RightBearbeiten = 3,
    RightImport = 4,
    RightExport = 5,
    RightBackupAnlegen = 6,
    RightBackupZurueckspielen = 7,
    RightBestaendeAufNull = 8,
    RightMengeVerringern = 9,
    RightMengeErhoehen = 10,
    RightBuchungenBearbeiten = 11,
    RightSortieren = 12,
    RightBerechnungen = 13,
    RightKasse = 14,
    RightEkPreiseSichtbar = 15,
    RightDateiMenu = 16,
    RightEinstellungenMenu = 17,
    RightBarcodesMenu = 18,
    RightFunktionenMenu = 19,
    RightBerechnungenMenu = 20,
    RightKundenMenu = 21,
    RightLieferantenMenu = 22,
    RightDidurMenu = 23,
    RightSpracheMenu = 24,
    RightSuchenMenu = 25,
    RightWeitersuchenMenu = 26,
    RightHilfeMenu = 27,
};

// Who is working at this workstation: the logged-in user (if any) and
// whether the administrator has logged in.
struct Session {
    int aktuser = 0;  // 1-based position in the user list, 0 = none
    QString userName;  // name of that user, "" when none
    std::array<bool, 256> aktusercheck = allRights();  // index 1..255
    bool aktusercannotwrite = false;
    bool eingelogged = false;  // a user login took place (drives the auto logout)
    bool isloggedin = false;   // the administrator is logged in

    bool right(int i) const { return i >= 1 && i <= 255 && aktusercheck[std::size_t(i)]; }
    // Back to "nobody": all rights, may write. The administrator login stays.
    void clearUser();

    static std::array<bool, 256> allRights()
    {
        std::array<bool, 256> a{};
        a.fill(true);
        return a;
    }
};

// The rules that combine the administrator's switches, the user's rights,
// the read-only flag and the administrator login. One place, so that a button
// that is enabled never leads to an operation that then refuses.
class Rights {
public:
    Rights(const Options &options, const Session &session) : options_(options), session_(session) {}

    // A changing operation: (switch and right and not read-only) or admin.
    bool mayChange(int right) const;
    // A reading operation: (switch and right) or admin.
    bool mayUse(int right) const;
    // Purchase prices in the list and the article dialog.
    bool purchasePricesVisible(bool ekHiddenInDialog) const;
    // "Alle Artikel löschen und Datei importieren...": it deletes every article
    // and imports, so it needs both of those rights.
    bool mayReplaceAllByImport() const;
    // A top menu: showing a menu changes nothing; its changing items are
    // gated one by one.
    bool menuVisible(int right) const { return mayUse(right); }

private:
    bool adminSwitch(int right) const
    {
        return right >= 1 && right <= Options::kSwitchCount && options_.adminSwitch[std::size_t(right)];
    }

    const Options &options_;
    const Session &session_;
};

// What GrayOutFunctions does to one element of the main window.
struct GrayOutItem {
    enum class Target {
        Button,    // a push button, by object name
        MenuItem,  // every menu item with this caption (menu and popup)
        TopMenu,   // a top-level menu, by caption
    };
    enum class Effect { Enable, Show };
    Target target;
    QString name;
    Effect effect;
    bool on;
};

struct GrayOut {
    std::vector<GrayOutItem> items;
    bool inPlaceNameEditing = false;
    bool showPurchasePrice = false;
};

// The state of every element the rights cover.
GrayOut GrayOutFunctions(const Options &options, const Session &session, bool ekHiddenInDialog);

}  // namespace morvane::settings
