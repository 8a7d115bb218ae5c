#include "ui/i18n/translate_form.h"

#include "ui/i18n/dictionary_model.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QShortcut>
#include <QTableView>
#include <QVBoxLayout>

namespace morvane::ui {

TTranslateForm::TTranslateForm(app::Workspace &ws, QWidget *parent)
    : QDialog(parent), ws_(ws), model_(new DictionaryModel(ws.dictionary, this)), StringGrid1(new QTableView(this)),
      SuchEdit(new QLineEdit(this)), FixiertCheck(new QCheckBox(QStringLiteral("Erste Spalte ist fixiert"), this))
{
    setObjectName(QStringLiteral("TranslateForm"));
    setWindowTitle(QStringLiteral("Übersetzen"));
    StringGrid1->setObjectName(QStringLiteral("StringGrid1"));
    StringGrid1->setModel(model_);
    StringGrid1->verticalHeader()->setDefaultSectionSize(StringGrid1->fontMetrics().height() + 6);
    SuchEdit->setObjectName(QStringLiteral("SuchEdit"));
    SuchEdit->setProperty("tag", 99);
    FixiertCheck->setObjectName(QStringLiteral("FixiertCheck"));
    FixiertCheck->setChecked(true);

    saveTimer_.setSingleShot(true);
    saveTimer_.setInterval(1000);
    connect(&saveTimer_, &QTimer::timeout, this, &TTranslateForm::save);
    connect(model_, &DictionaryModel::edited, this, [this] {
        ws_.translator.markDirty();
        saveTimer_.start();
    });
    StringGrid1->setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed
                                 | QAbstractItemView::AnyKeyPressed);
    connect(FixiertCheck, &QCheckBox::toggled, this, [this](bool fixed) { model_->setFirstColumnFixed(fixed); });

    auto *remove = new QPushButton(QStringLiteral("Zeile löschen"), this);
    remove->setObjectName(QStringLiteral("ZeileLoeschenBtn"));
    auto *search = new QPushButton(QStringLiteral("Suchen"), this);
    search->setObjectName(QStringLiteral("SuchenBtn"));
    auto *back = new QPushButton(QStringLiteral("Zurück..."), this);
    back->setObjectName(QStringLiteral("ZurueckBtn"));
    connect(remove, &QPushButton::clicked, this, &TTranslateForm::ZeileLoeschenClick);
    connect(search, &QPushButton::clicked, this, &TTranslateForm::SuchenClick);
    connect(back, &QPushButton::clicked, this, &QDialog::accept);
    auto *del = new QShortcut(QKeySequence::Delete, StringGrid1, nullptr, nullptr, Qt::WidgetShortcut);
    connect(del, &QShortcut::activated, this, &TTranslateForm::ZeileLoeschenClick);

    auto *row = new QHBoxLayout;
    row->addWidget(remove);
    row->addWidget(SuchEdit, 1);
    row->addWidget(search);
    row->addWidget(FixiertCheck);
    row->addWidget(back);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(StringGrid1, 1);
    layout->addLayout(row);
    resize(1000, 640);
}

void TTranslateForm::save()
{
    saveTimer_.stop();
    ws_.saveDictionaryIfChanged();
}

void TTranslateForm::done(int result)
{
    if (saveTimer_.isActive())
        save();
    QDialog::done(result);
}

void TTranslateForm::ZeileLoeschenClick()
{
    const int row = StringGrid1->currentIndex().row();
    if (row < 0 || row >= ws_.dictionary.size())
        return;
    const base::Message question{223, ws_.dictionary.entry(row).texts[0], ws_.translator.message(223),
                                 base::Icon::Question};
    if (ws_.prompter->ask(question, base::Buttons::YesNoCancel) != base::Answer::Yes)
        return;
    model_->removeEntry(row);
    ws_.translator.markDirty();
    save();
    StringGrid1->setCurrentIndex(model_->index(std::min(row, model_->rowCount() - 1), 0));
}

void TTranslateForm::SuchenClick()
{
    const QString needle = SuchEdit->text();
    if (needle.isEmpty())
        return;
    const QModelIndex start = StringGrid1->currentIndex();
    int r0 = start.isValid() ? start.row() : 0;
    int c0 = start.isValid() ? start.column() + 1 : 0;
    for (int r = r0; r < model_->rowCount(); ++r) {
        for (int c = (r == r0 ? c0 : 0); c < model_->columnCount(); ++c) {
            if (!model_->index(r, c).data().toString().contains(needle, Qt::CaseInsensitive))
                continue;
            StringGrid1->setCurrentIndex(model_->index(r, c));
            StringGrid1->scrollTo(model_->index(r, c));
            const base::Message again{222, ws_.translator.message(222), ws_.translator.message(221),
                                      base::Icon::Question};
            if (ws_.prompter->ask(again, base::Buttons::YesNo) != base::Answer::Yes)
                return;
        }
    }
}

}  // namespace morvane::ui
