#pragma once

#include "core/addresses/address_book.h"
#include "core/addresses/address_csv.h"
#include "core/app/process_launcher.h"

#include <QDialog>

#include <array>
#include <optional>

class QAction;
class QComboBox;
class QLabel;
class QLineEdit;
class QMenuBar;
class QPlainTextEdit;
class QPushButton;
class QSplitter;
class QTableView;
class QToolButton;

namespace morvane::dbase {
class TableModel;
}

namespace morvane::ui {

// The management window of one address table; TKundenForm and
// TLieferantenForm are its two faces. Grid and edit controls show the
// table's current record; every change goes through the AddressBook.
class AddressForm : public QDialog {
    Q_OBJECT
public:
    static constexpr int kEditCount = 24;

    AddressForm(addresses::AddressBook &book, const QString &caption, QWidget *parent = nullptr);

    addresses::AddressBook &book() { return book_; }
    dbase::TableModel *model() const { return model_; }
    QLineEdit *searchEdit() const { return SuchEd; }

    // Settings of the CSV format window, read at each export and import.
    addresses::AddressCsv::Options csvOptions;
    // Replaced by tests.
    app::ProcessLauncher *launcher = &defaultLauncher_;

    // Binds the edit controls to the current fields and rebuilds the
    // suggestion lists (after opening and after every restructuring).
    void AktuallisiereDBEdit();
    void FilterbtnClick();
    void AllezeigenBtnClick();
    // Saves what the edit controls hold into the current (or new) record.
    bool postEdits(bool quiet = false);
    void insertRecord();
    void deleteRecord();
    void cancelEdits();
    // The record the controls show; nullopt while a new one is being typed.
    std::optional<std::uint32_t> currentRecord() const { return current_; }
    void selectRecord(std::uint32_t recordNumber);
    void EmailLabelClick();

    void exportCsv(const QString &path);
    void importCsv(const QString &path);

protected:
    void showEvent(QShowEvent *event) override;
    void done(int result) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QString tr_(const QString &german) const;
    void buildLayout();
    void buildMenu(QMenuBar *bar);
    void showCurrent();
    void rowChanged();
    void reloadGrid();
    void restructured(addresses::RestructureResult result);
    QStringList editTexts() const;
    void moveBy(int step);

    void Exportieren1Click();
    void Importieren1Click();
    void Druckereinrichten1Click();
    void Datensatzdrucken1Click();
    void AlleDatensaetzedrucken1Click();
    void Feldhinzufuegen1Click();
    void LetztesFeldloeschen1Click();
    void Feldlaengenbearbeiten1Click();
    void Felderumsortieren1Click();
    void Anzahlzaehlen1Click();

    addresses::AddressBook &book_;
    app::ProcessLauncher defaultLauncher_;
    dbase::TableModel *model_ = nullptr;
    std::optional<std::uint32_t> current_;
    bool dirty_ = false;
    bool showing_ = false;
    std::array<int, kEditCount> boundFields_{};
    int memoField_ = -1;

public:
    // Controls, named as the program knows them.
    QTableView *DBGrid1 = nullptr;
    QLineEdit *SuchEd = nullptr;
    QPushButton *Filterbtn = nullptr;
    QPushButton *AllezeigenBtn = nullptr;
    QPlainTextEdit *DBMemo1 = nullptr;
    QSplitter *Splitter1 = nullptr;
    std::array<QComboBox *, kEditCount> DBComboBox{};
    std::array<QLabel *, kEditCount> Label{};
    QAction *KeineVorgabewertefrdieFelder1 = nullptr;
};

}  // namespace morvane::ui
