#pragma once

#include <QDialog>

class QLineEdit;
class QPushButton;
class QTableView;
class QVBoxLayout;

namespace morvane::dbase {
class TableModel;
}

namespace morvane::ui {

class AddressForm;

// The grid and search part shared by the selection dialogs: they work on
// the management window's table and search, so the record picked here is
// that window's current record.
class AddressPickDialog : public QDialog {
    Q_OBJECT
public:
    AddressPickDialog(AddressForm &owner, const QString &caption, QWidget *parent = nullptr);

    // "Filtern": the text goes into the management window's search box and
    // filters there; "Alle zeigen" clears both.
    void FilterbtnClick();
    void AllezeigenBtnClick();
    // Makes the grid's selected record the table's current record.
    bool takeSelected();

    QTableView *DBGrid1 = nullptr;
    QLineEdit *SuchEd = nullptr;
    QPushButton *Filterbtn = nullptr;
    QPushButton *AllezeigenBtn = nullptr;
    QPushButton *OkBtn = nullptr;

protected:
    QString tr_(const QString &german) const;
    void showEvent(QShowEvent *event) override;
    QVBoxLayout *layout_ = nullptr;
    AddressForm &owner_;
    dbase::TableModel *model_ = nullptr;
};

}  // namespace morvane::ui
