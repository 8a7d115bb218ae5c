#include "ui/base/grid_dialog_layout.h"

#include <QDialog>
#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

namespace morvane::ui {

void layOutGridWithSideButtons(QDialog *dialog, QWidget *grid, std::initializer_list<QPushButton *> side,
                               QDialogButtonBox *buttons)
{
    auto *column = new QVBoxLayout;
    for (QPushButton *button : side)
        column->addWidget(button);
    column->addStretch();
    auto *row = new QHBoxLayout;
    row->addWidget(grid, 1);
    row->addLayout(column);
    auto *layout = new QVBoxLayout(dialog);
    layout->addLayout(row);
    layout->addWidget(buttons);
}

}  // namespace morvane::ui
