#include "ui/settings/einloggen_form.h"

#include "core/settings/users_login.h"

#include <QComboBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

namespace morvane::ui {

TEinloggenForm::TEinloggenForm(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("EinloggenForm"));
    setWindowTitle(QStringLiteral("Als Benutzer einloggen "));
    auto *layout = new QFormLayout(this);
    Edit1 = new QComboBox(this);
    Edit1->setObjectName(QStringLiteral("Edit1"));
    layout->addRow(QStringLiteral("Benutzername:"), Edit1);
    Edit2 = new QLineEdit(this);
    Edit2->setObjectName(QStringLiteral("Edit2"));
    Edit2->setEchoMode(QLineEdit::Password);
    layout->addRow(QStringLiteral("Passwort:"), Edit2);
    Edit3 = new QLineEdit(this);
    Edit3->setObjectName(QStringLiteral("Edit3"));
    Edit3->installEventFilter(this);
    layout->addRow(QStringLiteral("Barcode scannen:"), Edit3);
    auto *direction = new QHBoxLayout;
    AbgangCheck = new QRadioButton(QStringLiteral("Menge verringern "), this);
    AbgangCheck->setObjectName(QStringLiteral("AbgangCheck"));
    AbgangCheck->setChecked(true);
    ZugangCheck = new QRadioButton(QStringLiteral("Menge erhöhen"), this);
    ZugangCheck->setObjectName(QStringLiteral("ZugangCheck"));
    direction->addWidget(AbgangCheck);
    direction->addWidget(ZugangCheck);
    layout->addRow(direction);
    auto *buttons = new QHBoxLayout;
    OKBtn = new QPushButton(QStringLiteral("OK"), this);
    OKBtn->setObjectName(QStringLiteral("OKBtn"));
    OKBtn->setAutoDefault(false);
    auto *cancel = new QPushButton(QStringLiteral("Abbrechen"), this);
    cancel->setObjectName(QStringLiteral("AbbrechenBtn"));
    cancel->setAutoDefault(false);
    buttons->addWidget(OKBtn);
    buttons->addWidget(cancel);
    layout->addRow(buttons);
    connect(OKBtn, &QPushButton::clicked, this, [this] {
        // OK while a scan sits in the barcode field finishes the scan.
        if (Edit3->hasFocus() && !Edit3->text().isEmpty())
            barcodeEntered();
        else
            accept();
    });
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(Edit2, &QLineEdit::returnPressed, this, &QDialog::accept);
}

void TEinloggenForm::setUsers(const settings::UserList *users)
{
    users_ = users;
    const QString current = Edit1->currentText();
    Edit1->clear();
    if (users_) {
        for (const settings::User &u : *users_) {
            if (Edit1->findText(u.name, Qt::MatchExactly) < 0)
                Edit1->addItem(u.name);
        }
    }
    Edit1->setCurrentIndex(Edit1->findText(current, Qt::MatchExactly));
}

void TEinloggenForm::prepare(const QString &name, bool focusBarcode, bool spaceEndsBarcode)
{
    spaceEndsBarcode_ = spaceEndsBarcode;
    Edit1->setCurrentIndex(Edit1->findText(name, Qt::MatchExactly));
    Edit2->clear();
    Edit3->clear();
    if (focusBarcode)
        Edit3->setFocus();
    else if (Edit1->currentIndex() >= 0)
        Edit2->setFocus();
    else
        Edit1->setFocus();
}

QString TEinloggenForm::userName() const
{
    return Edit1->currentText();
}

QString TEinloggenForm::password() const
{
    return Edit2->text();
}

bool TEinloggenForm::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == Edit3 && event->type() == QEvent::KeyPress) {
        const auto *key = static_cast<QKeyEvent *>(event);
        const bool ends = key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter
                       || (key->key() == Qt::Key_Space && spaceEndsBarcode_);
        if (ends) {
            barcodeEntered();
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

void TEinloggenForm::barcodeEntered()
{
    const QString code = Edit3->text();
    Edit3->clear();
    if (!users_)
        return;
    const int index = settings::findUserByBarcode(*users_, code);
    if (index < 0)
        return;
    const settings::User &u = (*users_)[std::size_t(index)];
    Edit1->setCurrentIndex(Edit1->findText(u.name, Qt::MatchExactly));
    Edit2->clear();
    Edit2->setFocus();
    if (u.password.isEmpty())
        accept();
}

}  // namespace morvane::ui
