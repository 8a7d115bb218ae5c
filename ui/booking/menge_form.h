#pragma once

#include "core/base/prompter.h"

#include <QDialog>

class QDoubleSpinBox;
class QLabel;
class QPushButton;
class QRadioButton;

namespace morvane::i18n {
class Translator;
}

namespace morvane::ui {

// "Menge eingeben": the quantity of a booking with its direction, under the
// article name. Opens with the main window's quantity and direction.
class TMengeForm final : public QDialog {
    Q_OBJECT
public:
    explicit TMengeForm(i18n::Translator &translator, QWidget *parent = nullptr);

    std::optional<base::ValueAnswer> ask(const base::ValuePrompt &prompt);

    QLabel *ArtikelLabel = nullptr;
    QDoubleSpinBox *MengeEd = nullptr;
    QRadioButton *AbgangCheck = nullptr;
    QRadioButton *ZugangCheck = nullptr;
    QPushButton *OkBtn = nullptr;
};

}  // namespace morvane::ui
