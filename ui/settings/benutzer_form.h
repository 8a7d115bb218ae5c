#pragma once

#include "core/settings/users.h"

#include <QDialog>
#include <QList>

#include <functional>

class QCheckBox;
class QLineEdit;

namespace morvane::ui {

// "Benutzer anlegen": name, password, identification barcode, the read-only
// flag and the 27 rights of one user.
class TBenutzerForm final : public QDialog {
    Q_OBJECT
public:
    explicit TBenutzerForm(QWidget *parent = nullptr);

    static const QStringList &rightCaptions();

    void setUser(const settings::User &user);
    // The edited user; rights beyond the 27 of this window are kept.
    settings::User user() const;

    // Refuses to close with a name or password the user file cannot hold.
    std::function<bool(const settings::User &)> check;

    void accept() override;

    QLineEdit *Edit1, *Edit2, *Edit3;
    QCheckBox *CheckBox1;  // "Daten dürfen nicht verändert werden"
    QList<QCheckBox *> rightBoxes;  // CheckBox2 .. CheckBox28

private:
    settings::User base_;
};

}  // namespace morvane::ui
