#pragma once

#include "core/app/process_launcher.h"
#include "core/booking/booking.h"
#include "core/booking/booking_prompts.h"

#include <QObject>

#include <functional>
#include <map>

class QAction;
class QDoubleSpinBox;
class QLineEdit;
class QRadioButton;
class QTableView;

namespace morvane::settings {
struct Session;
}

namespace morvane::ui {

class AddressForm;
class TAbfrageReihenForm;
class TKundeUbernehmenForm;
class TMainForm;
class TMengeForm;
class TValuePromptForm;

// The booking functions of the main window: "Abgang/Zugang buchen",
// "Rückgängig", the direction buttons and the quantity field, the booking
// options of the menu, the prompt windows, the prompt order and the
// whole-piece mode. Attached to the window's controls by their names.
class BookingActions final : public QObject {
    Q_OBJECT
public:
    BookingActions(TMainForm &form, const settings::Session &session, AddressForm &customers);
    ~BookingActions() override;

    // Read from the menu check marks at the start of every booking.
    booking::BookingOptions bookingOptions() const;
    booking::PromptSwitches promptSwitches() const;

    // Books the opposite of one journal record, as the journal window's undo
    // does; the list follows.
    booking::BookingOutcome undoBooking(const booking::JournalRecord &record);
    // The first selected row of the list, -1 when none.
    int selectedRow() const;

    void BuchenBtnClick();
    void UndoBtnClick();
    void ReihenfolgederAbfragenfestlegen1Click();
    void ReihenfolgederAbfragenaufVoreinstellungsetzen1Click();
    void MengeneingabenuringanzenStckmglich1Click(bool checked);
    // Two decimals, or whole numbers; the lower limit 0 with "Menge auf 0
    // voreinstellen und so neue Mengeneingabe erzwingen".
    void MengenFelderUmstellen();
    // The main window is showing its data: a later switch of the whole-piece
    // mode converts the list.
    void started() { started_ = true; }

    // Answers the typed prompts with the booking windows.
    std::optional<base::ValueAnswer> askValue(const base::ValuePrompt &prompt);

    // Set by the main window: re-reading the list with its column layout,
    // focusing the scan field after a pause, and the quantity decimals of
    // the article dialog.
    std::function<void()> reloadList;
    std::function<void(int ms)> focusScanField;
    std::function<void(int decimals)> articleQuantityDecimals;
    // The program and the flag of "Neue Buchungen an ein
    // Kommandozeilenprogramm übergeben..."; none until it is set.
    std::function<booking::ExternalCommand()> externalCommand;
    // The scan field's text handled as a scan, when no row is selected.
    std::function<void()> handleScan;
    // Replaced by tests.
    app::ProcessLauncher *launcher = &defaultLauncher_;

    TMengeForm *MengeForm() const { return mengeForm_; }
    TKundeUbernehmenForm *KundeUbernehmenForm() const { return kundeForm_; }
    TValuePromptForm *promptForm(int code) const;
    TAbfrageReihenForm *AbfrageReihenForm() const { return orderForm_; }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QAction *action(const char *caption) const;
    bool checked(const char *caption) const;
    void selectRow(int row);
    void afterBooking(int row);
    booking::Direction direction() const;
    void setDirection(booking::Direction direction);
    void focusNow();
    // The name in "Benutzer:".
    QString currentUser() const;

    TMainForm &form_;
    app::Workspace &ws_;
    const settings::Session &session_;
    QTableView *view_ = nullptr;
    QDoubleSpinBox *MengeEd = nullptr;
    QRadioButton *AbgangCheck = nullptr;
    QRadioButton *ZugangCheck = nullptr;
    QLineEdit *ArtNrEd = nullptr;
    booking::PromptMemory memory_;
    app::ProcessLauncher defaultLauncher_;
    bool started_ = false;
    bool converting_ = false;

    TMengeForm *mengeForm_ = nullptr;
    TKundeUbernehmenForm *kundeForm_ = nullptr;
    std::map<int, TValuePromptForm *> promptForms_;
    TAbfrageReihenForm *orderForm_ = nullptr;
};

}  // namespace morvane::ui
