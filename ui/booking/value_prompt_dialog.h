#pragma once

#include "core/base/prompter.h"

#include <QDialog>

class QBoxLayout;
class QComboBox;
class QDateEdit;
class QLabel;
class QPushButton;

namespace morvane::i18n {
class Translator;
}

namespace morvane::ui {

// The parts every prompt window has: the article name in bold above the
// input, and the OK button below it.
QLabel *addPromptHeading(QDialog *dialog, QBoxLayout *layout);
QPushButton *addPromptOkButton(QDialog *dialog, QBoxLayout *layout, i18n::Translator &translator);
// Caption and heading of a prompt as it opens.
void showPromptHeading(QDialog *dialog, QLabel *heading, const base::ValuePrompt &prompt);

// The small prompt windows of a booking (batch, cost centre, delivery-note
// number, free text, serial number, pallet, storage place, delivery date,
// price): one caption, the article name where it matters, one label and one
// input, a text with a drop-down list or a date picker. OK answers; any
// other way of closing cancels the booking. Each window lives as long as
// the program and shows its last value again, selected.
class TValuePromptForm final : public QDialog {
    Q_OBJECT
public:
    TValuePromptForm(const QString &windowName, bool datePicker, i18n::Translator &translator,
                     QWidget *parent = nullptr);

    std::optional<base::ValueAnswer> ask(const base::ValuePrompt &prompt);

    QLabel *ArtikelLabel = nullptr;
    QLabel *Label1 = nullptr;
    QComboBox *Edit1 = nullptr;       // text windows
    QDateEdit *DateEdit1 = nullptr;   // the delivery date window
    QPushButton *OkBtn = nullptr;
};

}  // namespace morvane::ui
