#pragma once

#include "core/barcode/custom_ean.h"

#include <QWidget>

#include <functional>

namespace morvane::barcode {

// The barcode control on screen: paints its TCustomEAN into the client area,
// opens the editor on a double click and keeps its settings in INI files.
class TEan : public QWidget {
    Q_OBJECT
public:
    explicit TEan(QWidget *parent = nullptr);

    TCustomEAN &ean() { return ean_; }
    const TCustomEAN &ean() const { return ean_; }

    // Type first, then text (a type change loads the type's sample).
    void setTypBarCode(TTypBarCode type);
    void setBarCode(const QString &text);

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

    // The control drawn at its size, for the clipboard and picture files.
    QImage toImage();
    void CopyToClipboard();
    // ".bmp" or ".png"; false (with a message) for anything else.
    bool SaveToFile(const QString &fileName);

    QString IniFileName;
    QString IniSection = QStringLiteral("Barcode");
    // Ask for a file when IniFileName is empty.
    bool SaveToIni();
    bool LoadFromIni();

    // Replaces the editor on a double click.
    std::function<void()> OnDblClick;

signals:
    void barcodeChanged();
    void typeChanged();

protected:
    void paintEvent(QPaintEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;

private:
    void fitWidth();

    TCustomEAN ean_;
};

}  // namespace morvane::barcode
