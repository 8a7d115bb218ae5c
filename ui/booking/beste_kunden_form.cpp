#include "ui/booking/beste_kunden_form.h"

#include "ui/i18n/component_translator.h"

#include <QDialogButtonBox>
#include <QHeaderView>
#include <QTableWidget>
#include <QVBoxLayout>

namespace morvane::ui {

TBesteKundenForm::TBesteKundenForm(const std::vector<std::pair<QString, int>> &customers,
                                   i18n::Translator &translator, QWidget *parent)
    : QDialog(parent), ListView1(new QTableWidget(int(customers.size()), 2, this))
{
    setObjectName(QStringLiteral("BesteKundenForm"));
    setWindowTitle(QStringLiteral("Kunden mit den meisten Buchungen"));
    ListView1->setObjectName(QStringLiteral("ListView1"));
    ListView1->setHorizontalHeaderLabels({QStringLiteral("Kunde"), QStringLiteral("Anzahl")});
    ListView1->horizontalHeader()->setSectionResizeMode(0, QHeaderView::Stretch);
    ListView1->setEditTriggers(QAbstractItemView::NoEditTriggers);
    ListView1->setSelectionBehavior(QAbstractItemView::SelectRows);
    ListView1->verticalHeader()->hide();
    for (int r = 0; r < int(customers.size()); ++r) {
        ListView1->setItem(r, 0, new QTableWidgetItem(customers[std::size_t(r)].first));
        auto *count = new QTableWidgetItem(QString::number(customers[std::size_t(r)].second));
        count->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
        ListView1->setItem(r, 1, count);
    }
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(ListView1, 1);
    layout->addWidget(buttons);
    TranslateComponents(this, translator);
    resize(420, 480);
}

}  // namespace morvane::ui
