#include "ui/articles/spalten_umbenennen_form.h"

#include "core/articles/column_renaming.h"
#include "core/articles/column_titles.h"

#include <QDialogButtonBox>
#include <QHeaderView>
#include <QTableWidget>
#include <QVBoxLayout>

namespace morvane::ui {

TSpaltenUmbenennenForm::TSpaltenUmbenennenForm(app::Workspace &ws, QWidget *parent)
    : QDialog(parent), StringGrid1(new QTableWidget(int(articles::renameGridTitles().size()), 2, this))
{
    setObjectName(QStringLiteral("SpaltenUmbenennenForm"));
    setWindowTitle(QStringLiteral("Spalten umbenennen"));
    StringGrid1->setObjectName(QStringLiteral("StringGrid1"));
    StringGrid1->setHorizontalHeaderLabels({QStringLiteral("Spalte"), QStringLiteral("Neuer Name")});
    StringGrid1->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    FillStringGrid(ws);
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(StringGrid1);
    layout->addWidget(buttons);
    resize(640, 600);
}

void TSpaltenUmbenennenForm::FillStringGrid(app::Workspace &ws)
{
    const auto current = articles::ColumnRenaming::collect(ws.dictionary, ws.translator.language());
    const auto &titles = articles::renameGridTitles();
    for (int r = 0; r < int(titles.size()); ++r) {
        auto *source = new QTableWidgetItem(titles[std::size_t(r)]);
        source->setFlags(source->flags() & ~Qt::ItemIsEditable);
        StringGrid1->setItem(r, 0, source);
        StringGrid1->setItem(r, 1, new QTableWidgetItem(current.titles.value(r)));
    }
}

void TSpaltenUmbenennenForm::applyTo(app::Workspace &ws) const
{
    const auto &titles = articles::renameGridTitles();
    for (int r = 0; r < int(titles.size()); ++r) {
        // A title the dictionary does not know yet gets its entry first.
        if (ws.dictionary.find(titles[std::size_t(r)]) < 0)
            ws.translator.translate(titles[std::size_t(r)]);
        articles::ColumnRenaming::rename(ws.dictionary, r, ws.translator.language(), StringGrid1->item(r, 1)->text());
    }
}

}  // namespace morvane::ui
