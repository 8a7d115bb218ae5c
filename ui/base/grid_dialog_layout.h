#pragma once

#include <initializer_list>

class QDialog;
class QDialogButtonBox;
class QPushButton;
class QWidget;

namespace morvane::ui {

// The layout of the list dialogs: the grid, a column of buttons to its
// right, and the dialog's own buttons below both.
void layOutGridWithSideButtons(QDialog *dialog, QWidget *grid, std::initializer_list<QPushButton *> side,
                               QDialogButtonBox *buttons);

}  // namespace morvane::ui
