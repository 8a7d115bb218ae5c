#pragma once

#include "core/app/workspace.h"
#include "core/booking/external_command.h"
#include "core/booking/journal.h"

#include <QObject>

#include <functional>

class QMainWindow;
class QPrinter;

namespace morvane::ui {

class TBuchungForm;

// The journal functions of the main window: the journal window itself and
// the figures computed from the journal. Created once by the main window;
// menu items and the button that are missing are skipped.
class JournalActions final : public QObject {
    Q_OBJECT
public:
    struct Callbacks {
        std::function<int()> selectedRow;                          // -1: none
        std::function<void(const booking::JournalRecord &)> undo;  // undoes one record
        std::function<void()> articlesChanged;                     // the list was changed and saved
        std::function<bool()> journalEditable;                     // the grid may be edited
        std::function<void()> openCustomers;                       // "Kundenverwaltung..."
    };

    JournalActions(QMainWindow *window, app::Workspace &ws, QPrinter &printer, Callbacks callbacks);
    ~JournalActions() override;

    TBuchungForm *journalForm() const { return form_; }
    // The program to start after every booking ("Neue Buchungen an ein
    // Kommandozeilenprogramm übergeben...").
    booking::ExternalCommand externalCommand() const;

    void BuchungenAnsehenClick();
    void AlleBuchungenDesArtikelsClick();
    void BestellungenEinesKundenClick();
    void VerbrauchDesArtikelsClick();
    void VerbrauchAllerArtikelClick();
    void DurchschnittEkClick(bool partial);
    void BesteKundenClick();
    void RekonstruierenClick();
    void BuchungenDruckenClick();

private:
    void connectItem(const char *caption, const std::function<void()> &handler);
    void showJournal();
    QStringList customers();

    QMainWindow *window_;
    app::Workspace &ws_;
    QPrinter &printer_;
    Callbacks callbacks_;
    TBuchungForm *form_;
};

}  // namespace morvane::ui
