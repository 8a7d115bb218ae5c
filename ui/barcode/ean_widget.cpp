#include "ui/barcode/ean_widget.h"

#include "core/barcode/barcode_ini.h"
#include "ui/barcode/barcode_editor_form.h"
#include "ui/printing/qt_canvas.h"

#include <QClipboard>
#include <QFileDialog>
#include <QFileInfo>
#include <QGuiApplication>
#include <QImage>
#include <QMessageBox>
#include <QPainter>

namespace morvane::barcode {

TEan::TEan(QWidget *parent) : QWidget(parent)
{
    ean_.OnChangeBarCode = [this] {
        update();
        emit barcodeChanged();
    };
    ean_.OnChangeTypCode = [this] {
        fitWidth();
        update();
        emit typeChanged();
    };
    ean_.OnMessage = [this](const QString &text) { QMessageBox::information(this, windowTitle(), text); };
    resize(sizeHint());
}

void TEan::setTypBarCode(TTypBarCode type)
{
    ean_.SetTypBarCode(type);
}

void TEan::setBarCode(const QString &text)
{
    ean_.SetBarCode(text);
    update();
}

QSize TEan::sizeHint() const
{
    auto &self = const_cast<TCustomEAN &>(ean_);
    return {self.MinWidth() + 19, 80};
}

QSize TEan::minimumSizeHint() const
{
    auto &self = const_cast<TCustomEAN &>(ean_);
    return {ean_.AutoSize ? self.MinWidth() : 1, 1};
}

void TEan::fitWidth()
{
    if (ean_.AutoSize && width() < ean_.MinWidth())
        resize(ean_.MinWidth(), height());
    updateGeometry();
}

void TEan::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    printing::QtCanvas canvas(painter);
    ean_.PrintToCanvas(canvas, {0, 0, width(), height()});
}

void TEan::mouseDoubleClickEvent(QMouseEvent *)
{
    if (OnDblClick) {
        OnDblClick();
        return;
    }
    if (ean_.DisableEditor)
        return;
    TBarcodeEditorForm editor(this, this);
    editor.exec();
}

QImage TEan::toImage()
{
    QImage image(size(), QImage::Format_RGB32);
    image.fill(Qt::white);
    printing::QtCanvas canvas(image);
    ean_.PrintToCanvas(canvas, {0, 0, image.width(), image.height()});
    return image;
}

void TEan::CopyToClipboard()
{
    QGuiApplication::clipboard()->setImage(toImage());
}

bool TEan::SaveToFile(const QString &fileName)
{
    const QString ext = QFileInfo(fileName).suffix().toUpper();
    if (ext != QStringLiteral("BMP") && ext != QStringLiteral("PNG")) {
        QMessageBox::information(this, windowTitle(), QStringLiteral("Sorry, not supported."));
        return false;
    }
    return toImage().save(fileName, ext.toLatin1().constData());
}

bool TEan::SaveToIni()
{
    if (IniFileName.isEmpty()) {
        IniFileName = QFileDialog::getSaveFileName(this, {}, {}, QStringLiteral("INI (*.ini)"));
        if (IniFileName.isEmpty())
            return false;
        if (QFileInfo(IniFileName).suffix().isEmpty())
            IniFileName += QStringLiteral(".ini");
    }
    const IniResult r = SaveToIniFile(ean_, IniFileName, IniSection);
    if (!r.ok)
        QMessageBox::critical(this, windowTitle(), r.error);
    return r.ok;
}

bool TEan::LoadFromIni()
{
    if (IniFileName.isEmpty()) {
        IniFileName = QFileDialog::getOpenFileName(this, {}, {}, QStringLiteral("INI (*.ini)"));
        if (IniFileName.isEmpty())
            return false;
    }
    const IniResult r = LoadFromIniFile(ean_, IniFileName, IniSection);
    if (!r.ok)
        QMessageBox::critical(this, windowTitle(), r.error);
    fitWidth();
    update();
    return r.ok;
}

}  // namespace morvane::barcode
