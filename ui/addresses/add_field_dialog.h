#pragma once

#include <QDialog>

class QLineEdit;
class QSpinBox;

namespace morvane::i18n {
class Translator;
}

namespace morvane::ui {

// "Feld hinzufügen": name and length of a new field.
class AddFieldDialog final : public QDialog {
    Q_OBJECT
public:
    AddFieldDialog(i18n::Translator &translator, QWidget *parent = nullptr);
    QString name() const;
    int length() const;

    QLineEdit *NameEd = nullptr;
    QSpinBox *LaengeEd = nullptr;
};

}  // namespace morvane::ui
