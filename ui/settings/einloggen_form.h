#pragma once

#include "core/settings/users.h"

#include <QDialog>

class QComboBox;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace morvane::ui {

// "Als Benutzer einloggen ": name and password, or the user's login barcode.
class TEinloggenForm final : public QDialog {
    Q_OBJECT
public:
    explicit TEinloggenForm(QWidget *parent = nullptr);

    void setUsers(const settings::UserList *users);
    // Empty the password, preselect the name, and put the focus where the
    // user starts: the barcode field when asked, else the password when a
    // name is chosen, else the name.
    void prepare(const QString &name, bool focusBarcode, bool spaceEndsBarcode);
    QString userName() const;
    QString password() const;

    QComboBox *Edit1;
    QLineEdit *Edit2;
    QLineEdit *Edit3;
    QRadioButton *AbgangCheck;
    QRadioButton *ZugangCheck;
    QPushButton *OKBtn;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void barcodeEntered();

    const settings::UserList *users_ = nullptr;
    bool spaceEndsBarcode_ = true;
};

}  // namespace morvane::ui
