#pragma once

#include <QString>

#include <functional>

class QBoxLayout;
class QLineEdit;
class QPushButton;
class QWidget;

namespace morvane::ui {

// "Suchen:" with its field and the buttons "Filtern" and "Alle zeigen", as
// the address windows and the customer choice show them.
struct SearchRow {
    QLineEdit *SuchEd = nullptr;
    QPushButton *Filterbtn = nullptr;
    QPushButton *AllezeigenBtn = nullptr;
};

// Adds the row's widgets to `into` (a horizontal layout); `translate` gives
// the captions in the user's language.
SearchRow addSearchRow(QWidget *parent, QBoxLayout *into, const std::function<QString(const QString &)> &translate);

}  // namespace morvane::ui
