#include "ui/articles/sort_spalte_form.h"

#include "core/articles/article.h"
#include "ui/articles/article_table_model.h"
#include "ui/base/grid_dialog_layout.h"

#include <QDialogButtonBox>
#include <QListWidget>
#include <QPushButton>

namespace morvane::ui {

TSortSpalteForm::TSortSpalteForm(const ArticleTableModel &model, const articles::ColumnMap &spalte, QWidget *parent)
    : QDialog(parent), spalte_(spalte), ListBox1(new QListWidget(this))
{
    setObjectName(QStringLiteral("SortSpalteForm"));
    setWindowTitle(QStringLiteral("Spalten umsortieren"));
    ListBox1->setObjectName(QStringLiteral("ListBox1"));
    for (int c = 1; c < articles::kListColumnCount; ++c)
        ListBox1->addItem(model.columnTitle(c));
    ListBox1->setCurrentRow(0);

    auto *up = new QPushButton(QStringLiteral("Nach oben"), this);
    up->setObjectName(QStringLiteral("NachObenBtn"));
    auto *down = new QPushButton(QStringLiteral("Nach unten"), this);
    down->setObjectName(QStringLiteral("NachUntenBtn"));
    connect(up, &QPushButton::clicked, this, [this] { move(-1); });
    connect(down, &QPushButton::clicked, this, [this] { move(1); });
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    layOutGridWithSideButtons(this, ListBox1, {up, down}, buttons);
    resize(360, 520);
}

void TSortSpalteForm::move(int step)
{
    const int from = ListBox1->currentRow();
    const int to = from + step;
    if (from < 0 || to < 0 || to >= ListBox1->count())
        return;
    QListWidgetItem *item = ListBox1->takeItem(from);
    ListBox1->insertItem(to, item);
    ListBox1->setCurrentRow(to);
    // List row r shows list column r + 1, which shows internal field spalte[r].
    spalte_.swap(from, to);
}

}  // namespace morvane::ui
