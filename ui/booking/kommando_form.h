#pragma once

#include "core/app/workspace.h"
#include "core/booking/external_command.h"

#include <QDialog>

class QCheckBox;
class QLineEdit;

namespace morvane::ui {

// "Kommandozeilenprogramm": the program started with the fields of every new
// journal record, and whether it runs hidden. Both are kept in the window
// state of this dialog.
class TKommandoForm final : public QDialog {
    Q_OBJECT
public:
    explicit TKommandoForm(app::Workspace &ws, QWidget *parent = nullptr);
    booking::ExternalCommand command() const;

protected:
    void hideEvent(QHideEvent *event) override;

private:
    QLineEdit *KommandoEd;
    QCheckBox *VersteckCheck;
};

// The configured program as the window state holds it, for the booking code.
booking::ExternalCommand configuredExternalCommand(app::Workspace &ws);

}  // namespace morvane::ui
