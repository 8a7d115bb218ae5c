#pragma once

#include "core/app/folders.h"
#include "core/app/workspace.h"
#include "core/base/clock.h"
#include "ui/base/qt_prompter.h"

#include <QMainWindow>
#include <QPrinter>
#include <QTimer>

#include <memory>

class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;
class QDoubleSpinBox;
class QComboBox;
class QSplitter;
class QTableView;

namespace morvane::ui {

class AddressActions;
class ArticleActions;
class ArticleTableModel;
class BookingActions;
class JournalActions;
class UserActions;

// The main window: the article list of the current warehouse, the booking
// controls, the menus that reach every other function and the protocol.
class TMainForm final : public QMainWindow {
    Q_OBJECT
public:
    explicit TMainForm(const app::CommandLine &commandLine, QWidget *parent = nullptr);
    ~TMainForm() override;

    app::Workspace &workspace() { return *ws_; }
    QPrinter &generalPrinter() { return printer0_; }
    // The handlers of the article, user and address functions.
    ArticleActions *articleActions() const { return articleActions_; }
    UserActions *userActions() const { return userActions_; }
    AddressActions *addressActions() const { return addressActions_; }
    // "Abgang/Zugang buchen", "Rückgängig", the prompts and the booking
    // options; the journal window undoes a record through it.
    BookingActions *bookingActions() const { return bookingActions_; }
    // The journal window and the figures computed from the journal.
    JournalActions *journalActions() const { return journalActions_; }
    ArticleTableModel *articleModel() const { return model_; }
    QTableView *articleView() const { return ListView1; }
    bool noAutoExport() const { return noautoexport_; }
    QString oldMainCaption() const { return oldmaincaption_; }

    // Re-reads the article file keeping the selected row and scroll position
    // (the change detection of Timer2).
    void Timer2Timer();

protected:
    void showEvent(QShowEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    void FormCreate();
    void FormShow();
    void buildLayout();
    void connectMenu();
    QAction *action(const char *caption) const;

    void applyColumnLayout();
    void reloadList();
    void loadProtocol();

    void ListView1ColumnClick(int column);
    void ColumnResized(int column, int oldWidth, int newWidth);
    void SpaltenUmsortieren1Click();
    void SpaltenUmbennen1Click();
    void SpaltenAusblenden1Click();
    void ListOptionChanged();
    void showDataFolder();
    void LanguageClick(int slot);
    void bersetzen1Click();
    void AdministratorMen1Click();
    void GermanFormatCheckClick();
    void Druckereinrichten1Click();
    void applyCheckedStyle();
    bool IsAdmin();

    app::CommandLine commandLine_;
    base::SystemClock clock_;
    QtPrompter prompter_;
    std::unique_ptr<app::Workspace> ws_;
    ArticleTableModel *model_ = nullptr;
    UserActions *userActions_ = nullptr;
    ArticleActions *articleActions_ = nullptr;
    AddressActions *addressActions_ = nullptr;
    BookingActions *bookingActions_ = nullptr;
    JournalActions *journalActions_ = nullptr;

    bool isnotfirst_ = false;
    bool noautoexport_ = false;
    bool colinited_ = false;
    QString oldmaincaption_;

    // Controls, named as the rest of the program knows them.
    QTableView *ListView1 = nullptr;
    QPlainTextEdit *ProtokollMemo = nullptr;
    QSplitter *Splitter1 = nullptr;
    QWidget *TopPanel = nullptr;
    QWidget *BookingPanel = nullptr;
    QWidget *BottomBookingPanel = nullptr;
    QRadioButton *AbgangCheck = nullptr;
    QRadioButton *ZugangCheck = nullptr;
    QDoubleSpinBox *MengeEd = nullptr;
    QLineEdit *ArtNrEd = nullptr;
    QComboBox *BenutzerCombo = nullptr;

    // General printing ("Drucker einrichten"); labels and receipts keep their own.
    QPrinter printer0_;
    // Timer6 (purchase-price guard) and Timer8 (automatic logout) belong to
    // the user actions.
    QTimer Timer1, Timer2, Timer3, Timer4, Timer5, Timer7;
};

}  // namespace morvane::ui
