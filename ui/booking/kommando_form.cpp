#include "ui/booking/kommando_form.h"

#include "ui/app/window_state.h"
#include "ui/i18n/component_translator.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace morvane::ui {

TKommandoForm::TKommandoForm(app::Workspace &ws, QWidget *parent)
    : QDialog(parent), KommandoEd(new QLineEdit(this)),
      VersteckCheck(new QCheckBox(QStringLiteral("Aufruf versteckt/unsichtbar ausführen"), this))
{
    setObjectName(QStringLiteral("KommandoForm"));
    setWindowTitle(QStringLiteral("Kommandozeilenprogramm"));
    KommandoEd->setObjectName(QStringLiteral("KommandoEd"));
    KommandoEd->setProperty("tag", 99);
    VersteckCheck->setObjectName(QStringLiteral("VersteckCheck"));
    auto *label = new QLabel(
        QStringLiteral("Dieses Kommandozeilenprogramm mit den einzelnen Spalten der Buchung als Parameter automatisch aufrufen:"),
        this);
    label->setWordWrap(true);
    auto *browse = new QPushButton(QStringLiteral("..."), this);
    browse->setObjectName(QStringLiteral("KommandoBtn"));
    // Programs on this system carry no extension; every file can be chosen.
    connect(browse, &QPushButton::clicked, this, [this, &ws] {
        const QString file = QFileDialog::getOpenFileName(
            this, QString(), KommandoEd->text(), ws.translator.translate(QStringLiteral("Alle Dateien")) + QStringLiteral(" (*)"));
        if (!file.isEmpty())
            KommandoEd->setText(file);
    });
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    auto *fileRow = new QHBoxLayout;
    fileRow->addWidget(KommandoEd, 1);
    fileRow->addWidget(browse);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(label);
    layout->addLayout(fileRow);
    layout->addWidget(VersteckCheck);
    layout->addWidget(buttons);
    TranslateComponents(this, ws.translator);
    resize(520, 160);

    const QVariantMap values = WindowStateStorage::restore(this);
    KommandoEd->setText(values.value(QStringLiteral("KommandoEd")).toString());
    VersteckCheck->setChecked(values.value(QStringLiteral("VersteckCheck")).toBool());
}

booking::ExternalCommand TKommandoForm::command() const
{
    booking::ExternalCommand c;
    c.program = KommandoEd->text();
    c.hidden = VersteckCheck->isChecked();
    return c;
}

void TKommandoForm::hideEvent(QHideEvent *event)
{
    WindowStateStorage::save(this, {{QStringLiteral("KommandoEd"), KommandoEd->text()},
                                    {QStringLiteral("VersteckCheck"), VersteckCheck->isChecked()}});
    QDialog::hideEvent(event);
}

booking::ExternalCommand configuredExternalCommand(app::Workspace &ws)
{
    return TKommandoForm(ws).command();
}

}  // namespace morvane::ui
