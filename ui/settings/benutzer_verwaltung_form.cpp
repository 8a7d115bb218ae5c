#include "ui/settings/benutzer_verwaltung_form.h"

#include "ui/settings/benutzer_form.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

namespace morvane::ui {

TBenutzerVerwaltungForm::TBenutzerVerwaltungForm(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("BenutzerVerwaltungForm"));
    setWindowTitle(QStringLiteral("Benutzer verwalten"));
    editor_ = new TBenutzerForm(this);
    auto *layout = new QVBoxLayout(this);
    ListView1 = new QTableWidget(0, 4, this);
    ListView1->setObjectName(QStringLiteral("ListView1"));
    ListView1->setHorizontalHeaderLabels({QStringLiteral("Benutzername"), QStringLiteral("Passwort"),
                                          QStringLiteral("Barcode"), QString::fromUtf8("Nichts verändern")});
    ListView1->setSelectionBehavior(QAbstractItemView::SelectRows);
    ListView1->setSelectionMode(QAbstractItemView::SingleSelection);
    ListView1->setEditTriggers(QAbstractItemView::NoEditTriggers);
    ListView1->verticalHeader()->setVisible(false);
    ListView1->horizontalHeader()->setStretchLastSection(true);
    connect(ListView1, &QTableWidget::cellDoubleClicked, this, [this] { BearbeitenClick(); });
    layout->addWidget(ListView1, 1);
    auto *buttons = new QHBoxLayout;
    auto add = [this, buttons](const QString &caption, const char *name, void (TBenutzerVerwaltungForm::*slot)()) {
        auto *b = new QPushButton(caption, this);
        b->setObjectName(QLatin1String(name));
        b->setAutoDefault(false);
        connect(b, &QPushButton::clicked, this, slot);
        buttons->addWidget(b);
    };
    add(QStringLiteral("Neuer Benutzer"), "NeuerBenutzerBtn", &TBenutzerVerwaltungForm::NeuerBenutzerClick);
    add(QStringLiteral("Bearbeiten"), "BearbeitenBtn", &TBenutzerVerwaltungForm::BearbeitenClick);
    add(QString::fromUtf8("Löschen"), "LoeschenBtn", &TBenutzerVerwaltungForm::LoeschenClick);
    buttons->addStretch();
    auto *close = new QPushButton(QStringLiteral("OK"), this);
    close->setObjectName(QStringLiteral("OKBtn"));
    connect(close, &QPushButton::clicked, this, &QDialog::accept);
    buttons->addWidget(close);
    layout->addLayout(buttons);
    resize(560, 360);
}

void TBenutzerVerwaltungForm::setUsers(const settings::UserList &users)
{
    users_ = users;
    fill();
}

void TBenutzerVerwaltungForm::fill()
{
    const int keep = selected();
    ListView1->setRowCount(int(users_.size()));
    for (int r = 0; r < int(users_.size()); ++r) {
        const settings::User &u = users_[std::size_t(r)];
        ListView1->setItem(r, 0, new QTableWidgetItem(u.name));
        ListView1->setItem(r, 1, new QTableWidgetItem(QString(u.password.size(), u'*')));
        ListView1->setItem(r, 2, new QTableWidgetItem(u.barcode));
        ListView1->setItem(r, 3, new QTableWidgetItem(u.readOnly ? QStringLiteral("Ja") : QString()));
    }
    if (keep >= 0 && keep < ListView1->rowCount())
        ListView1->selectRow(keep);
}

int TBenutzerVerwaltungForm::selected() const
{
    const QList<QTableWidgetItem *> items = ListView1->selectedItems();
    return items.isEmpty() ? -1 : items.first()->row();
}

void TBenutzerVerwaltungForm::NeuerBenutzerClick()
{
    editor_->setWindowTitle(QStringLiteral("Benutzer anlegen"));
    editor_->setUser(settings::User{});
    if (editor_->exec() != QDialog::Accepted)
        return;
    users_.push_back(editor_->user());
    fill();
    ListView1->selectRow(int(users_.size()) - 1);
}

void TBenutzerVerwaltungForm::BearbeitenClick()
{
    const int row = selected();
    if (row < 0 || row >= int(users_.size()))
        return;
    editor_->setUser(users_[std::size_t(row)]);
    if (editor_->exec() != QDialog::Accepted)
        return;
    users_[std::size_t(row)] = editor_->user();
    fill();
}

void TBenutzerVerwaltungForm::LoeschenClick()
{
    const int row = selected();
    if (row < 0 || row >= int(users_.size()))
        return;
    users_.erase(users_.begin() + row);
    fill();
}

}  // namespace morvane::ui
