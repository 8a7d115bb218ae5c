#pragma once

#include "core/app/workspace.h"
#include "core/booking/journal_evaluations.h"

#include <QDialog>

class QCheckBox;
class QComboBox;
class QSpinBox;

namespace morvane::ui {

// "Verbrauch berechnen": the days, the free column, an optional customer and
// whether receipts are subtracted; kept in the window state.
class TVerbrauchForm final : public QDialog {
    Q_OBJECT
public:
    TVerbrauchForm(app::Workspace &ws, const QStringList &customers, QWidget *parent = nullptr);
    booking::ConsumptionQuery query() const;
    int freeColumn() const;

protected:
    void hideEvent(QHideEvent *event) override;

private:
    QSpinBox *TageEd;
    QSpinBox *SpalteEd;
    QComboBox *KundeCombo;
    QCheckBox *ZubuchungenCheck;
};

}  // namespace morvane::ui
