#include "ui/settings/benutzer_form.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace morvane::ui {

const QStringList &TBenutzerForm::rightCaptions()
{
    static const QStringList captions = [] {
        QStringList l;
        for (const char *c : {"Löschen von Produkten möglich", "Hinzufügen von Produkten möglich",
                              "Bearbeiten von Produkten möglich", "Import möglich", "Export möglich",
                              "Backup anlegen möglich", "Backup zurückspielen möglich", "Bestände auf 0 setzen möglich",
                              "Menge verringern möglich", "Menge erhöhen möglich",
                              "Liste mit den Buchungen bearbeiten möglich", "Sortieren der Produkte möglich",
                              "Berechnungen bearbeiten möglich", "Kassenfunktion anzeigen", "EK Preise sind sichtbar",
                              "Datei Menü anzeigen", "Einstellungen Menü anzeigen", "Barcodes Menü anzeigen",
                              "Funktionen Menü anzeigen", "Berechnungen Menü anzeigen", "Kunden Menü anzeigen",
                              "Lieferanten Menü anzeigen", "Didur Menü anzeigen", "Sprache Menü anzeigen",
                              "Suchen Menü anzeigen", "Weitersuchen Menü anzeigen", "Hilfe Menü anzeigen"})
            l << QString::fromUtf8(c);
        return l;
    }();
    return captions;
}

TBenutzerForm::TBenutzerForm(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("BenutzerForm"));
    setWindowTitle(QStringLiteral("Benutzer anlegen"));
    auto *layout = new QVBoxLayout(this);
    auto *form = new QFormLayout;
    Edit1 = new QLineEdit(this);
    Edit1->setObjectName(QStringLiteral("Edit1"));
    Edit2 = new QLineEdit(this);
    Edit2->setObjectName(QStringLiteral("Edit2"));
    Edit2->setEchoMode(QLineEdit::Password);
    Edit3 = new QLineEdit(this);
    Edit3->setObjectName(QStringLiteral("Edit3"));
    form->addRow(QStringLiteral("Benutername:"), Edit1);
    form->addRow(QStringLiteral("Passwort:"), Edit2);
    form->addRow(QString::fromUtf8("Barcode für Auswahl des Benutzers:"), Edit3);
    layout->addLayout(form);
    CheckBox1 = new QCheckBox(QString::fromUtf8("Daten dürfen nicht verändert werden"), this);
    CheckBox1->setObjectName(QStringLiteral("CheckBox1"));
    layout->addWidget(CheckBox1);
    auto *grid = new QGridLayout;
    const QStringList &captions = rightCaptions();
    for (int i = 0; i < captions.size(); ++i) {
        auto *box = new QCheckBox(captions[i], this);
        box->setObjectName(QStringLiteral("CheckBox%1").arg(i + 2));
        grid->addWidget(box, i % 14, i / 14);
        rightBoxes << box;
    }
    layout->addLayout(grid);
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->button(QDialogButtonBox::Cancel)->setText(QStringLiteral("Abbrechen"));
    connect(buttons, &QDialogButtonBox::accepted, this, &TBenutzerForm::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);
    setUser(settings::User{});
}

void TBenutzerForm::setUser(const settings::User &user)
{
    base_ = user;
    Edit1->setText(user.name);
    Edit2->setText(user.password);
    Edit3->setText(user.barcode);
    CheckBox1->setChecked(user.readOnly);
    for (int i = 0; i < rightBoxes.size(); ++i)
        rightBoxes[i]->setChecked(!user.isRestricted(i + 1));
    Edit1->setFocus();
}

settings::User TBenutzerForm::user() const
{
    settings::User u = base_;
    u.name = Edit1->text();
    u.password = Edit2->text();
    u.barcode = Edit3->text();
    u.readOnly = CheckBox1->isChecked();
    for (int i = 0; i < rightBoxes.size(); ++i)
        u.setRestricted(i + 1, !rightBoxes[i]->isChecked());
    return u;
}

void TBenutzerForm::accept()
{
    if (check && !check(user()))
        return;
    QDialog::accept();
}

}  // namespace morvane::ui
