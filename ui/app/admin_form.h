#pragma once

#include "core/app/folders.h"
#include "core/app/workspace.h"
#include "core/settings/options.h"

#include <QDialog>

#include <array>

class QCheckBox;
class QLineEdit;
class QRadioButton;

namespace morvane::ui {

// "Administrator Menü": the global switches, the administrator password
// (typed twice), "Benutzer können nicht auf "NEIN" klicken" and where this
// workstation keeps its data folder.
class TAdminForm final : public QDialog {
    Q_OBJECT
public:
    explicit TAdminForm(app::Workspace &ws, QWidget *parent = nullptr);

    void load(const settings::Options &options, const app::DataFolderChoice &choice, const QString &userFolder);
    void applyTo(settings::Options &options, app::DataFolderChoice &choice) const;

    static const std::array<const char *, settings::Options::kSwitchCount> &switchCaptions();

protected:
    void accept() override;

private:
    app::Workspace &ws_;
    std::array<QCheckBox *, settings::Options::kSwitchCount + 1> CheckBox{};
    QCheckBox *DoNotAllowNEINCheck;
    QLineEdit *PasswordEd;
    QLineEdit *Password2Ed;
    QRadioButton *ProgramFolderCheck;
    QRadioButton *UserFolderCheck;
    QRadioButton *UseSpecialFolderCheck;
    QLineEdit *UserFolderEd;
    QLineEdit *DirectoryEdit1;
};

}  // namespace morvane::ui
