#include "ui/booking/value_prompt_dialog.h"

#include "core/i18n/translator.h"

#include <QComboBox>
#include <QDateEdit>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace morvane::ui {

QLabel *addPromptHeading(QDialog *dialog, QBoxLayout *layout)
{
    auto *heading = new QLabel(dialog);
    heading->setObjectName(QStringLiteral("ArtikelLabel"));
    QFont bold = heading->font();
    bold.setBold(true);
    heading->setFont(bold);
    layout->addWidget(heading);
    return heading;
}

QPushButton *addPromptOkButton(QDialog *dialog, QBoxLayout *layout, i18n::Translator &translator)
{
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    auto *ok = new QPushButton(translator.translate(QStringLiteral("OK")), dialog);
    ok->setObjectName(QStringLiteral("OkBtn"));
    ok->setDefault(true);
    buttons->addWidget(ok);
    layout->addLayout(buttons);
    QObject::connect(ok, &QPushButton::clicked, dialog, &QDialog::accept);
    return ok;
}

void showPromptHeading(QDialog *dialog, QLabel *heading, const base::ValuePrompt &prompt)
{
    dialog->setWindowTitle(prompt.message.title);
    heading->setText(prompt.heading);
    heading->setVisible(!prompt.heading.isEmpty());
}

TValuePromptForm::TValuePromptForm(const QString &windowName, bool datePicker, i18n::Translator &translator,
                                   QWidget *parent)
    : QDialog(parent)
{
    setObjectName(windowName);
    auto *layout = new QVBoxLayout(this);
    ArtikelLabel = addPromptHeading(this, layout);
    auto *row = new QHBoxLayout;
    Label1 = new QLabel(this);
    Label1->setObjectName(QStringLiteral("Label1"));
    row->addWidget(Label1);
    if (datePicker) {
        DateEdit1 = new QDateEdit(this);
        DateEdit1->setObjectName(QStringLiteral("DateEdit1"));
        DateEdit1->setCalendarPopup(true);
        DateEdit1->setDisplayFormat(QStringLiteral("dd.MM.yyyy"));
        row->addWidget(DateEdit1, 1);
        Label1->setBuddy(DateEdit1);
    } else {
        Edit1 = new QComboBox(this);
        Edit1->setObjectName(QStringLiteral("Edit1"));
        Edit1->setEditable(true);
        Edit1->setInsertPolicy(QComboBox::NoInsert);
        Edit1->setMinimumWidth(260);
        row->addWidget(Edit1, 1);
        Label1->setBuddy(Edit1);
    }
    layout->addLayout(row);
    OkBtn = addPromptOkButton(this, layout, translator);
}

std::optional<base::ValueAnswer> TValuePromptForm::ask(const base::ValuePrompt &prompt)
{
    showPromptHeading(this, ArtikelLabel, prompt);
    Label1->setText(prompt.message.text);
    QWidget *input = nullptr;
    if (DateEdit1) {
        DateEdit1->setDate(prompt.date.isValid() ? prompt.date : QDate::currentDate());
        input = DateEdit1;
    } else {
        Edit1->clear();
        Edit1->addItems(prompt.choices);
        Edit1->setEditText(prompt.preset);
        Edit1->lineEdit()->selectAll();
        input = Edit1;
    }
    adjustSize();
    input->setFocus();
    if (exec() != QDialog::Accepted)
        return std::nullopt;
    base::ValueAnswer answer;
    answer.issue = prompt.issue;
    if (DateEdit1) {
        answer.date = DateEdit1->date();
        answer.text = answer.date.toString(QStringLiteral("dd.MM.yyyy"));
    } else {
        answer.text = Edit1->currentText();
    }
    return answer;
}

}  // namespace morvane::ui
