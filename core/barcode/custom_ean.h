#pragma once

#include "core/barcode/bar_pattern.h"
#include "core/barcode/barcode_caption.h"
#include "core/barcode/barcode_type_info.h"
#include "core/barcode/quiet_zone.h"
#include "core/barcode/typ_bar_code.h"
#include "core/printing/canvas.h"

#include <QString>

#include <functional>
#include <string>

namespace morvane::barcode {

// The barcode control: holds a symbology and a text, completes and validates
// the text, builds its bar pattern and draws it into a rectangle of any
// canvas. Set the type first: assigning a type replaces the text with the
// type's sample.
class TCustomEAN {
public:
    TCustomEAN();

    // --- text ---------------------------------------------------------
    const QString &BarCode() const { return barCode_; }
    // Completes check digits; fires OnChangeBarCode when the text changed.
    void SetBarCode(const QString &text);
    TTypBarCode TypBarCode() const { return type_; }
    void SetTypBarCode(TTypBarCode type);

    // Validity of text for the current type; sets LastPaintError.
    bool CheckBarCode(const QString &text);
    // Pattern of text (empty when invalid); sets the pattern markers.
    std::string BuildBarPattern(const QString &text);
    // Pattern length of the current text plus one.
    int MinWidth();
    // Counts the text up by one (AutoIncFrom..AutoIncTo); false when the
    // result would not be valid, and the text stays.
    bool Next();

    QString GetSetOfChars() const;
    QString GetSetOfCharsVisible() const;
    TBarCodeInfo GetBarcodeInfo() const { return BarcodeTypeInfo(type_, barCode_); }
    QString BarcodeTypeName() const { return barcode::BarcodeTypeName(type_); }

    TLastPaintError LastPaintError() const { return error_; }
    int LastPaintErrorIndex() const { return errorIndex_; }
    QChar LastPaintErrorChar() const { return errorChar_; }
    QString LastPaintErrorText() const;

    // The text drawn under the bars (converted book numbers, "PZN - " ...).
    QString PrintedText() const;

    // --- drawing ------------------------------------------------------
    // Draws the current barcode into rect; nothing when the text is empty.
    void PrintToCanvas(printing::Canvas &canvas, const printing::Rect &rect);
    // The last drawn, scaled pattern and its markers.
    const std::string &Bars() const { return bars_; }
    const PatternMarkers &Markers() const { return markers_; }

    bool AutoCheckDigit = true;
    bool ShowLabels = true;
    bool Ean13AddUp = true;
    QString LabelMask;
    bool AutoInc = false;
    int AutoIncFrom = 0;
    int AutoIncTo = 0;

    printing::Color LinesColor = printing::Color::black();
    printing::Color BackgroundColor = printing::Color::white();
    bool Transparent = false;
    bool StartStopLines = true;
    bool FontAutoSize = true;
    bool Security = false;
    printing::Font Font{QStringLiteral("Arial"), 16};
    int Angle = 0;  // degrees, counter-clockwise
    TBarcodeCaption Caption;
    TBarcodeCaption CaptionBottom;
    TBarCodeHorzLines HorzLines;
    TQuietZone QuietZone;
    bool AutoSize = true;
    bool DisableEditor = false;

    std::function<void()> OnChangeBarCode;
    std::function<void()> OnChangeTypCode;
    std::function<void(printing::Canvas &, const printing::Rect &, const QString &)> OnPaint;
    // A notice for the user (an unsupported type was chosen).
    std::function<void(const QString &)> OnMessage;

private:
    void setError(const TextCheck &check);
    void updateAutoCaption();

    QString barCode_;
    TTypBarCode type_ = bcEan13;
    TLastPaintError error_ = erOK;
    int errorIndex_ = 0;
    QChar errorChar_;
    int errorMustBe_ = 0;
    PatternMarkers markers_;
    std::string bars_;
};

}  // namespace morvane::barcode
