#include "ui/addresses/record_text_dialog.h"

#include "core/addresses/address_printing.h"
#include "core/i18n/translator.h"
#include "ui/printing/qt_canvas.h"

#include <QFontDatabase>
#include <QHBoxLayout>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QVBoxLayout>

namespace morvane::ui {

RecordTextDialog::RecordTextDialog(i18n::Translator &translator, QWidget *parent)
    : QDialog(parent), translator_(translator)
{
    auto *layout = new QVBoxLayout(this);
    Memo1 = new QPlainTextEdit(this);
    Memo1->setObjectName(QStringLiteral("Memo1"));
    Memo1->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    Memo1->setLineWrapMode(QPlainTextEdit::NoWrap);
    layout->addWidget(Memo1);
    auto *row = new QHBoxLayout;
    ZurueckBtn = new QPushButton(translator.translate(QStringLiteral("Zurück")), this);
    ZurueckBtn->setObjectName(QStringLiteral("ZurueckBtn"));
    DruckenBtn = new QPushButton(translator.translate(QStringLiteral("Drucken...")), this);
    DruckenBtn->setObjectName(QStringLiteral("DruckenBtn"));
    row->addStretch();
    row->addWidget(ZurueckBtn);
    row->addWidget(DruckenBtn);
    layout->addLayout(row);
    connect(ZurueckBtn, &QPushButton::clicked, this, &QDialog::accept);
    connect(DruckenBtn, &QPushButton::clicked, this, [this] { print(this, title_, lines()); });
    resize(560, 480);
}

void RecordTextDialog::setLines(const QString &caption, const QStringList &lines, bool printable)
{
    setWindowTitle(caption);
    title_ = translator_.message(202);
    Memo1->setPlainText(lines.join(u'\n'));
    DruckenBtn->setVisible(printable);
}

QStringList RecordTextDialog::lines() const
{
    return Memo1->toPlainText().split(u'\n');
}

void RecordTextDialog::print(QWidget *parent, const QString &title, const QStringList &lines)
{
    QPrinter printer;
    QPrintDialog dialog(&printer, parent);
    if (dialog.exec() != QDialog::Accepted)
        return;
    printer.setDocName(title);
    QPainter painter(&printer);
    printing::QtCanvas canvas(painter, true);
    addresses::AddressPrinting::printLines(canvas, lines, addresses::AddressPrinting::pageRect(canvas));
}

}  // namespace morvane::ui
