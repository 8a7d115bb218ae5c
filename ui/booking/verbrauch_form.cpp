#include "ui/booking/verbrauch_form.h"

#include "ui/app/window_state.h"
#include "ui/i18n/component_translator.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QSpinBox>
#include <QVBoxLayout>

namespace morvane::ui {

TVerbrauchForm::TVerbrauchForm(app::Workspace &ws, const QStringList &customers, QWidget *parent)
    : QDialog(parent), TageEd(new QSpinBox(this)), SpalteEd(new QSpinBox(this)), KundeCombo(new QComboBox(this)),
      ZubuchungenCheck(new QCheckBox(QStringLiteral("Zubuchungen auch berücksichtigen"), this))
{
    setObjectName(QStringLiteral("VerbrauchForm"));
    setWindowTitle(QStringLiteral("Verbrauch berechnen"));
    TageEd->setObjectName(QStringLiteral("TageEd"));
    TageEd->setRange(1, 100000000);
    TageEd->setValue(30);
    SpalteEd->setObjectName(QStringLiteral("SpalteEd"));
    SpalteEd->setRange(1, 5);
    SpalteEd->setValue(5);
    KundeCombo->setObjectName(QStringLiteral("KundeCombo"));
    KundeCombo->setEditable(true);
    ZubuchungenCheck->setObjectName(QStringLiteral("ZubuchungenCheck"));
    auto *form = new QFormLayout;
    form->addRow(QStringLiteral("Verbrauch der letzen x Tage:"), TageEd);
    form->addRow(QStringLiteral("Verbrauch in x. freie Spalte eintragen:"), SpalteEd);
    form->addRow(QStringLiteral("Nur für diesen Kunden anzeigen:"), KundeCombo);
    form->addRow(ZubuchungenCheck);
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(buttons);
    TranslateComponents(this, ws.translator);
    // Customers are data: they are added after the captions were translated.
    KundeCombo->addItem(QString());
    KundeCombo->addItems(customers);

    const QVariantMap v = WindowStateStorage::restore(this);
    TageEd->setValue(v.value(QStringLiteral("TageEd"), 30).toInt());
    SpalteEd->setValue(v.value(QStringLiteral("SpalteEd"), 5).toInt());
    KundeCombo->setCurrentText(v.value(QStringLiteral("KundeCombo")).toString());
    ZubuchungenCheck->setChecked(v.value(QStringLiteral("ZubuchungenCheck")).toBool());
}

booking::ConsumptionQuery TVerbrauchForm::query() const
{
    return {TageEd->value(), KundeCombo->currentText().trimmed(), ZubuchungenCheck->isChecked()};
}

int TVerbrauchForm::freeColumn() const
{
    return SpalteEd->value();
}

void TVerbrauchForm::hideEvent(QHideEvent *event)
{
    WindowStateStorage::save(this, {{QStringLiteral("TageEd"), TageEd->value()},
                                    {QStringLiteral("SpalteEd"), SpalteEd->value()},
                                    {QStringLiteral("KundeCombo"), KundeCombo->currentText()},
                                    {QStringLiteral("ZubuchungenCheck"), ZubuchungenCheck->isChecked()}});
    QDialog::hideEvent(event);
}

}  // namespace morvane::ui
