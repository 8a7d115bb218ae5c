#include "ui/booking/menge_form.h"

#include "core/i18n/translator.h"
#include "ui/booking/value_prompt_dialog.h"

#include <QDoubleSpinBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace morvane::ui {

TMengeForm::TMengeForm(i18n::Translator &translator, QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("MengeForm"));
    auto *layout = new QVBoxLayout(this);
    ArtikelLabel = addPromptHeading(this, layout);
    auto *row = new QHBoxLayout;
    auto *label = new QLabel(translator.translate(QStringLiteral("Menge:")), this);
    row->addWidget(label);
    MengeEd = new QDoubleSpinBox(this);
    MengeEd->setObjectName(QStringLiteral("MengeEd"));
    MengeEd->setRange(0.01, 1000000000);
    row->addWidget(MengeEd, 1);
    label->setBuddy(MengeEd);
    layout->addLayout(row);
    AbgangCheck = new QRadioButton(translator.translate(QStringLiteral("Menge verringern ")), this);
    AbgangCheck->setObjectName(QStringLiteral("AbgangCheck"));
    ZugangCheck = new QRadioButton(translator.translate(QStringLiteral("Menge erhöhen")), this);
    ZugangCheck->setObjectName(QStringLiteral("ZugangCheck"));
    layout->addWidget(AbgangCheck);
    layout->addWidget(ZugangCheck);
    OkBtn = addPromptOkButton(this, layout, translator);
}

std::optional<base::ValueAnswer> TMengeForm::ask(const base::ValuePrompt &prompt)
{
    showPromptHeading(this, ArtikelLabel, prompt);
    const int decimals = prompt.wholeNumbers ? 0 : 2;
    MengeEd->setDecimals(decimals);
    MengeEd->setMinimum(prompt.wholeNumbers ? 1 : 0.01);
    QString preset = prompt.preset;
    preset.replace(prompt.decimalSeparator, u'.');
    MengeEd->setValue(preset.toDouble());
    (prompt.issue ? AbgangCheck : ZugangCheck)->setChecked(true);
    MengeEd->setFocus();
    MengeEd->selectAll();
    if (exec() != QDialog::Accepted)
        return std::nullopt;
    base::ValueAnswer answer;
    answer.text = QString::number(MengeEd->value(), 'f', decimals).replace(u'.', prompt.decimalSeparator);
    answer.issue = AbgangCheck->isChecked();
    return answer;
}

}  // namespace morvane::ui
