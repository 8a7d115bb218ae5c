#pragma once

#include "core/app/workspace.h"

#include <QDialog>

class QTableWidget;

namespace morvane::ui {

// "Spalten umbennen...": the 45 German source titles and, beside them, the
// title in the current language, which the user may change.
class TSpaltenUmbenennenForm final : public QDialog {
    Q_OBJECT
public:
    TSpaltenUmbenennenForm(app::Workspace &ws, QWidget *parent = nullptr);
    void applyTo(app::Workspace &ws) const;

private:
    void FillStringGrid(app::Workspace &ws);

    QTableWidget *StringGrid1;
};

}  // namespace morvane::ui
