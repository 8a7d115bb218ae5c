#include "ui/articles/spalten_ausblenden_form.h"

#include "ui/articles/article_table_model.h"
#include "ui/base/grid_dialog_layout.h"

#include <QDialogButtonBox>
#include <QHeaderView>
#include <QPushButton>
#include <QTableWidget>

namespace morvane::ui {

using articles::kListColumnCount;

TSpaltenAusblendenForm::TSpaltenAusblendenForm(const ArticleTableModel &model,
                                               const articles::ArticleFileSettings &settings, QWidget *parent)
    : QDialog(parent), StringGrid1(new QTableWidget(kListColumnCount, 2, this))
{
    setObjectName(QStringLiteral("SpaltenAusblendenForm"));
    setWindowTitle(QStringLiteral("Spalten ausblenden"));
    StringGrid1->setObjectName(QStringLiteral("StringGrid1"));
    StringGrid1->setHorizontalHeaderLabels({QStringLiteral("Spalte"), QStringLiteral("Breite")});
    StringGrid1->horizontalHeader()->setSectionResizeMode(0, QHeaderView::Stretch);
    for (int c = 0; c < kListColumnCount; ++c) {
        auto *title = new QTableWidgetItem(model.columnTitle(c));
        title->setFlags(title->flags() & ~Qt::ItemIsEditable);
        StringGrid1->setItem(c, 0, title);
        StringGrid1->setItem(c, 1, new QTableWidgetItem(QString::number(settings.listColumnWidth(c))));
    }
    auto *hide = new QPushButton(QStringLiteral("Ausblenden"), this);
    hide->setObjectName(QStringLiteral("AusblendenBtn"));
    auto *show = new QPushButton(QStringLiteral("Einblenden"), this);
    show->setObjectName(QStringLiteral("EinblendenBtn"));
    connect(hide, &QPushButton::clicked, this, [this] { setSelectedWidth(0); });
    connect(show, &QPushButton::clicked, this, [this] { setSelectedWidth(50); });
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layOutGridWithSideButtons(this, StringGrid1, {hide, show}, buttons);
    resize(460, 560);
}

void TSpaltenAusblendenForm::setSelectedWidth(int width)
{
    const int row = StringGrid1->currentRow();
    if (row >= 0)
        StringGrid1->item(row, 1)->setText(QString::number(width));
}

void TSpaltenAusblendenForm::applyTo(articles::ArticleFileSettings &settings) const
{
    for (int c = 0; c < kListColumnCount; ++c) {
        bool ok = false;
        const int width = StringGrid1->item(c, 1)->text().trimmed().toInt(&ok);
        if (!ok)
            continue;
        const std::size_t field = c == 0 ? 0 : std::size_t(settings.spalte.at(c - 1) + 1);
        settings.fieldWidths[field] = std::clamp(width, 0, articles::ArticleFile::kMaxColumnWidth);
    }
}

}  // namespace morvane::ui
