#include "ui/booking/kunde_eingeben_form.h"

#include "core/addresses/address_book.h"
#include "core/app/workspace.h"
#include "core/booking/booking_prompts.h"
#include "ui/addresses/address_form.h"
#include "ui/app/window_state.h"

#include <QCheckBox>
#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>
#include <QVBoxLayout>

#include <algorithm>

namespace morvane::ui {

TKundeUbernehmenForm::TKundeUbernehmenForm(AddressForm &customers, QWidget *parent)
    : AddressPickDialog(customers, QStringLiteral("Kunde eingeben"), parent)
{
    setObjectName(QStringLiteral("KundeUbernehmenForm"));
    auto *top = new QHBoxLayout;
    top->addWidget(new QLabel(tr_(QStringLiteral("Kunde:")), this));
    KundeEd = new QComboBox(this);
    KundeEd->setObjectName(QStringLiteral("KundeEd"));
    KundeEd->setEditable(true);
    KundeEd->setInsertPolicy(QComboBox::NoInsert);
    top->addWidget(KundeEd, 1);
    UbernehmenBtn = new QPushButton(tr_(QStringLiteral("Kunde aus Kundenverwaltung übernehmen")), this);
    UbernehmenBtn->setObjectName(QStringLiteral("UbernehmenBtn"));
    UbernehmenBtn->setAutoDefault(false);
    top->addWidget(UbernehmenBtn);
    layout_->insertLayout(0, top);

    // The grid's navigator: first, previous, next and last customer.
    auto *navigator = new QHBoxLayout;
    struct Move {
        const char *caption;
        const char *name;
        int move;
    };
    const Move moves[] = {{"|<", "ErsterBtn", -2}, {"<", "VorherigerBtn", -1}, {">", "NaechsterBtn", 1},
                          {">|", "LetzterBtn", 2}};
    for (const auto &[caption, name, move] : moves) {
        auto *b = new QPushButton(QLatin1String(caption), this);
        b->setObjectName(QLatin1String(name));
        b->setAutoDefault(false);
        b->setFixedWidth(36);
        navigator->addWidget(b);
        connect(b, &QPushButton::clicked, this, [this, move = move] {
            const int rows = DBGrid1->model()->rowCount();
            if (rows == 0)
                return;
            const int current = DBGrid1->currentIndex().isValid() ? DBGrid1->currentIndex().row() : 0;
            const int target = move == -2 ? 0 : move == 2 ? rows - 1 : std::clamp(current + move, 0, rows - 1);
            DBGrid1->selectRow(target);
        });
    }
    navigator->addStretch();
    layout_->insertLayout(layout_->indexOf(DBGrid1) + 1, navigator);

    KundePflichtCheck = new QCheckBox(tr_(QStringLiteral("Abschluss der Buchung ohne Kundeneingabe verhindern")), this);
    KundePflichtCheck->setObjectName(QStringLiteral("KundePflichtCheck"));
    NurUbernehmenCheck =
        new QCheckBox(tr_(QStringLiteral("Direkte Kundeneingabe nicht möglich, nur übernehmen eines Kunden")), this);
    NurUbernehmenCheck->setObjectName(QStringLiteral("NurUbernehmenCheck"));
    layout_->insertWidget(layout_->count() - 1, KundePflichtCheck);
    layout_->insertWidget(layout_->count() - 1, NurUbernehmenCheck);

    const QVariantMap kept = WindowStateStorage::restore(this);
    KundePflichtCheck->setChecked(kept.value(QStringLiteral("KundePflichtCheck")).toBool());
    NurUbernehmenCheck->setChecked(kept.value(QStringLiteral("NurUbernehmenCheck")).toBool());
    applyTypingRule();
    connect(KundePflichtCheck, &QCheckBox::toggled, this, &TKundeUbernehmenForm::keepChecks);
    connect(NurUbernehmenCheck, &QCheckBox::toggled, this, [this] {
        applyTypingRule();
        keepChecks();
    });

    connect(UbernehmenBtn, &QPushButton::clicked, this, &TKundeUbernehmenForm::UbernehmenBtnClick);
    // A double click takes the customer over; only OK ends the prompt.
    disconnect(DBGrid1, &QTableView::doubleClicked, this, nullptr);
    connect(DBGrid1, &QTableView::doubleClicked, this, &TKundeUbernehmenForm::UbernehmenBtnClick);
    resize(780, 520);
}

bool TKundeUbernehmenForm::customerRequired() const
{
    return KundePflichtCheck->isChecked();
}

void TKundeUbernehmenForm::keepChecks()
{
    WindowStateStorage::save(this, {{QStringLiteral("KundePflichtCheck"), KundePflichtCheck->isChecked()},
                                    {QStringLiteral("NurUbernehmenCheck"), NurUbernehmenCheck->isChecked()}});
}

void TKundeUbernehmenForm::applyTypingRule()
{
    KundeEd->lineEdit()->setReadOnly(NurUbernehmenCheck->isChecked());
}

void TKundeUbernehmenForm::UbernehmenBtnClick()
{
    if (!takeSelected())
        return;
    const dbase::Table &table = owner_.book().table();
    QStringList fields;
    for (int i = 0; i < table.fieldCount(); ++i)
        fields << table.fieldText(i);
    const booking::CustomerTakeOver taken = booking::customerTakeOver(fields);
    KundeEd->setEditText(taken.text);
    if (taken.costCentre)
        costCentre_ = taken.costCentre;
}

void TKundeUbernehmenForm::accept()
{
    if (customerRequired() && KundeEd->currentText().trimmed().isEmpty()) {
        owner_.book().workspace().inform(249, base::Icon::Error);
        KundeEd->setFocus();
        return;
    }
    QDialog::accept();
}

std::optional<base::ValueAnswer> TKundeUbernehmenForm::ask(const base::ValuePrompt &prompt)
{
    setWindowTitle(prompt.message.title);
    costCentre_.reset();
    KundeEd->clear();
    KundeEd->addItems(prompt.choices);
    KundeEd->setEditText(prompt.preset);
    KundeEd->lineEdit()->selectAll();
    KundeEd->setFocus();
    if (exec() != QDialog::Accepted)
        return std::nullopt;
    base::ValueAnswer answer;
    answer.text = KundeEd->currentText();
    answer.issue = prompt.issue;
    answer.costCentre = costCentre_;
    return answer;
}

}  // namespace morvane::ui
