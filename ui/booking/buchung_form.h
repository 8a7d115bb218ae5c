#pragma once

#include "core/app/workspace.h"
#include "core/booking/external_command.h"
#include "core/booking/journal.h"
#include "core/booking/journal_columns.h"
#include "core/booking/journal_export.h"
#include "core/booking/journal_filter.h"
#include "core/booking/journal_print.h"
#include "core/dbase/table.h"

#include <QDialog>
#include <QHash>

#include <functional>

class QAction;
class QDateEdit;
class QLineEdit;
class QPrinter;
class QPushButton;
class QTableView;

namespace morvane::dbase {
class TableModel;
}

namespace morvane::ui {

class JournalHeaderModel;

// A push button with its caption and object name, as the journal's windows
// make them.
QPushButton *namedButton(QWidget *parent, const char *caption, const char *name);
class TKommandoForm;

// "Buchungen": the booking journal of the current warehouse in a grid, with
// its filters, orders, column layout, exports, printout and the undo of a
// marked booking.
class TBuchungForm final : public QDialog {
    Q_OBJECT
public:
    TBuchungForm(app::Workspace &ws, QPrinter &printer, QWidget *parent = nullptr);
    ~TBuchungForm() override;

    // Opens the journal of the current warehouse again (it may have changed
    // with the warehouse), editable in the grid only when allowed.
    void reopen(bool writable);
    // Filters set by the main window's functions; cleared when they are done.
    void setFilter(const booking::JournalFilter &filter);
    void clearFilter();
    const booking::JournalFilter &filter() const { return filter_; }
    void sortBy(booking::JournalOrder order);

    // The record in the marked grid row; false when none is marked.
    bool markedRecord(booking::JournalRecord &record);
    // The visible records in grid order, as a walk over the table, so that
    // printouts of any size never hold the journal in memory.
    booking::JournalSource journalSource();
    // Exports the visible records; false when nothing was written.
    bool exportTo(const QString &path, bool summarised);

    // The program started after every booking, as set in
    // "Neue Buchungen an ein Kommandozeilenprogramm übergeben...".
    booking::ExternalCommand externalCommand() const;

    // Wired by the main window.
    std::function<void(const booking::JournalRecord &)> onUndo;
    std::function<void()> onCustomers;
    // The CSV settings the exports follow.
    booking::CsvFormat csvFormat;

    dbase::Table &table() { return table_; }
    QTableView *grid() const { return DBGrid1; }

    void FilterBtnClick();
    void DateFilterBtnClick();
    void NoFilterBtnClick();
    void UndoBtnClick();
    void PrintBtnClick();
    void ExportBtnClick();
    void SummarisedExportClick();
    void SpaltenAusblenden1Click();
    void SpaltenVoreinstellung1Click();
    void Kommandozeilenprogramm1Click();

protected:
    void hideEvent(QHideEvent *event) override;

private:
    void buildLayout();
    void applyFilter();
    void reload();
    void applyColumns();
    void columnMoved(int logical, int oldVisual, int newVisual);
    void saveColumnLayout();
    void rememberWidths();
    bool chooseExportFile(QString &path);

    app::Workspace &ws_;
    QPrinter &printer_;
    dbase::Table table_;
    dbase::TableModel *model_ = nullptr;
    JournalHeaderModel *titles_ = nullptr;
    booking::JournalFilter filter_;
    booking::JournalOrder order_ = booking::JournalOrder::Unsorted;
    // Column widths by field, kept while the program runs.
    QHash<int, int> widths_;
    bool arranging_ = false;
    TKommandoForm *kommando_ = nullptr;

    QTableView *DBGrid1 = nullptr;
    QLineEdit *FilterEd = nullptr;
    QDateEdit *DateEd1 = nullptr;
    QDateEdit *DateEd2 = nullptr;
    QAction *GanzeZeile1 = nullptr;
    QAction *Unsortiert1 = nullptr;
    QAction *NachArtikel1 = nullptr;
    QAction *NachKostenstelle1 = nullptr;
};

}  // namespace morvane::ui
