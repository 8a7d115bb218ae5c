#pragma once

#include <QDialog>

class QLineEdit;

namespace morvane::ui {

// "Admin Passwort eingeben": one masked field.
class TAdminPassForm final : public QDialog {
    Q_OBJECT
public:
    explicit TAdminPassForm(QWidget *parent = nullptr);
    QLineEdit *Edit1;
};

}  // namespace morvane::ui
