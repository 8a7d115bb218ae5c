#pragma once

#include "core/app/workspace.h"

#include <QDialog>
#include <QTimer>

class QCheckBox;
class QLineEdit;
class QTableView;

namespace morvane::ui {

class DictionaryModel;

// "Übersetzen": the dictionary in a grid, one column per language. Edits are
// saved a second after the last keystroke and when the window closes.
class TTranslateForm final : public QDialog {
    Q_OBJECT
public:
    explicit TTranslateForm(app::Workspace &ws, QWidget *parent = nullptr);
    QTableView *grid() const { return StringGrid1; }

protected:
    void done(int result) override;

private:
    void save();
    void ZeileLoeschenClick();
    void SuchenClick();

    app::Workspace &ws_;
    DictionaryModel *model_;
    QTableView *StringGrid1;
    QLineEdit *SuchEdit;
    QCheckBox *FixiertCheck;
    QTimer saveTimer_;
};

}  // namespace morvane::ui
