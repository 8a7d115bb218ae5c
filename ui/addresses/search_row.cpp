#include "ui/addresses/search_row.h"

#include <QBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace morvane::ui {

SearchRow addSearchRow(QWidget *parent, QBoxLayout *into, const std::function<QString(const QString &)> &translate)
{
    SearchRow row;
    into->addWidget(new QLabel(translate(QStringLiteral("Suchen:")), parent));
    row.SuchEd = new QLineEdit(parent);
    row.SuchEd->setObjectName(QStringLiteral("SuchEd"));
    into->addWidget(row.SuchEd, 1);
    auto button = [&](const QString &caption, const QString &name) {
        auto *b = new QPushButton(translate(caption), parent);
        b->setObjectName(name);
        b->setAutoDefault(false);
        into->addWidget(b);
        return b;
    };
    row.Filterbtn = button(QStringLiteral("Filtern"), QStringLiteral("Filterbtn"));
    row.AllezeigenBtn = button(QStringLiteral("Alle zeigen"), QStringLiteral("AllezeigenBtn"));
    return row;
}

}  // namespace morvane::ui
