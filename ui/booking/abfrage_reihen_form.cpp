#include "ui/booking/abfrage_reihen_form.h"

#include "core/booking/booking_prompts.h"
#include "core/i18n/translator.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace morvane::ui {

TAbfrageReihenForm::TAbfrageReihenForm(i18n::Translator &translator, QWidget *parent)
    : QDialog(parent), translator_(translator)
{
    setObjectName(QStringLiteral("AbfrageReihenForm"));
    setWindowTitle(translator.translate(QStringLiteral("Reihenfolge der Abfragen festlegen")));
    auto *layout = new QHBoxLayout(this);
    ListView1 = new QTreeWidget(this);
    ListView1->setObjectName(QStringLiteral("ListView1"));
    ListView1->setColumnCount(2);
    ListView1->setHeaderLabels({translator.translate(QStringLiteral("Abfrage")),
                                translator.translate(QStringLiteral("Nummer"))});
    ListView1->setColumnHidden(1, true);
    ListView1->setRootIsDecorated(false);
    ListView1->setSelectionMode(QAbstractItemView::SingleSelection);
    layout->addWidget(ListView1, 1);
    auto *buttons = new QVBoxLayout;
    auto add = [&](const char *caption, const char *name) {
        auto *b = new QPushButton(translator.translate(QString::fromUtf8(caption)), this);
        b->setObjectName(QLatin1String(name));
        b->setAutoDefault(false);
        buttons->addWidget(b);
        return b;
    };
    NachObenBtn = add("Nach oben", "NachObenBtn");
    NachUntenBtn = add("Nach unten", "NachUntenBtn");
    buttons->addStretch();
    OkBtn = add("OK", "OkBtn");
    OkBtn->setDefault(true);
    AbbrechenBtn = add("Abbrechen", "AbbrechenBtn");
    layout->addLayout(buttons);
    connect(NachObenBtn, &QPushButton::clicked, this, &TAbfrageReihenForm::NachObenBtnClick);
    connect(NachUntenBtn, &QPushButton::clicked, this, &TAbfrageReihenForm::NachUntenBtnClick);
    connect(OkBtn, &QPushButton::clicked, this, &QDialog::accept);
    connect(AbbrechenBtn, &QPushButton::clicked, this, &QDialog::reject);
    resize(360, 320);
}

void TAbfrageReihenForm::setOrder(const std::vector<int> &codes)
{
    ListView1->clear();
    for (int code : codes) {
        const int message = booking::promptNameMessage(code);
        auto *item = new QTreeWidgetItem(ListView1);
        item->setText(0, message ? translator_.message(message) : QString());
        item->setText(1, QString::number(code));
    }
    if (ListView1->topLevelItemCount() > 0)
        ListView1->setCurrentItem(ListView1->topLevelItem(0));
}

std::vector<int> TAbfrageReihenForm::order() const
{
    std::vector<int> codes;
    for (int i = 0; i < ListView1->topLevelItemCount(); ++i)
        codes.push_back(ListView1->topLevelItem(i)->text(1).toInt());
    return codes;
}

void TAbfrageReihenForm::move(int by)
{
    QTreeWidgetItem *item = ListView1->currentItem();
    if (!item)
        return;
    const int from = ListView1->indexOfTopLevelItem(item);
    const int to = from + by;
    if (to < 0 || to >= ListView1->topLevelItemCount())
        return;
    ListView1->takeTopLevelItem(from);
    ListView1->insertTopLevelItem(to, item);
    ListView1->setCurrentItem(item);
}

void TAbfrageReihenForm::NachObenBtnClick()
{
    move(-1);
}

void TAbfrageReihenForm::NachUntenBtnClick()
{
    move(1);
}

}  // namespace morvane::ui
