#include "core/barcode/custom_ean.h"

#include "core/barcode/text_rules.h"

namespace morvane::barcode {

TCustomEAN::TCustomEAN()
{
    barCode_ = QStringLiteral("9771210107001");
    Caption.AutoSize = true;
    CaptionBottom.AutoSize = true;
}

void TCustomEAN::SetBarCode(const QString &text)
{
    if (text == barCode_)
        return;
    barCode_ = BarcodeComplete(type_, text);
    updateAutoCaption();
    if (OnChangeBarCode)
        OnChangeBarCode();
}

void TCustomEAN::SetTypBarCode(TTypBarCode type)
{
    if (int(type) >= kTypBarCodeCount)
        type = bcNone;
    if (type == bcCodablockF || type == bcCode16K) {
        if (OnMessage)
            OnMessage(QStringLiteral("Sorry,not supported now. In next weeks."));
        type = bcEan13;
    }
    if (type == type_)
        return;
    type_ = type;
    const TBarCodeInfo info = BarcodeTypeInfo(type);
    Caption.AutoCaption = info.AutoCaption;
    barCode_.clear();
    SetBarCode(info.InitValue);
    if (OnChangeTypCode)
        OnChangeTypCode();
}

void TCustomEAN::updateAutoCaption()
{
    if (!Caption.AutoCaption)
        return;
    const char *prefix = type_ == bcISBN ? "ISBN " : type_ == bcISSN ? "ISSN " : type_ == bcISMN ? "ISMN " : nullptr;
    if (!prefix)
        return;
    Caption.Text = QString::fromLatin1(prefix) + barCode_.left(13);
    Caption.Visible = !barCode_.isEmpty();
}

void TCustomEAN::setError(const TextCheck &check)
{
    error_ = check.error;
    errorIndex_ = check.index;
    errorChar_ = check.ch;
    errorMustBe_ = check.mustBe;
}

bool TCustomEAN::CheckBarCode(const QString &text)
{
    const TextCheck check = CheckBarCodeText(type_, text);
    setError(check);
    return check.ok();
}

std::string TCustomEAN::BuildBarPattern(const QString &text)
{
    TextCheck check;
    BarPattern p = barcode::BuildBarPattern(type_, text, {AutoCheckDigit, ShowLabels}, &check);
    setError(check);
    markers_ = p.markers;
    return std::move(p.modules);
}

int TCustomEAN::MinWidth()
{
    return int(BuildBarPattern(barCode_).size()) + 1;
}

bool TCustomEAN::Next()
{
    const int from = AutoIncFrom > 0 ? AutoIncFrom : 1;
    int to = AutoIncTo;
    if (to <= 0)
        to = type_ == bcEan8 ? 7 : type_ == bcEan13 ? 12 : int(barCode_.size());
    QString next = countUp(barCode_, GetSetOfChars(), from, to);
    if (next.isEmpty())
        return false;
    if (type_ == bcEan8)
        next.truncate(7);
    else if (type_ == bcEan13)
        next.truncate(12);
    if (!CheckBarCode(next))
        return false;
    SetBarCode(next);
    return true;
}

QString TCustomEAN::GetSetOfChars() const
{
    return BarcodeChars(type_);
}

QString TCustomEAN::GetSetOfCharsVisible() const
{
    return visibleChars(GetSetOfChars());
}

QString TCustomEAN::LastPaintErrorText() const
{
    return lastPaintErrorText(error_, errorIndex_, errorChar_, errorMustBe_);
}

QString TCustomEAN::PrintedText() const
{
    QString text;
    if (type_ == bcISBN || type_ == bcISSN || type_ == bcISMN)
        text = bookNumberToEan13(type_, barCode_);
    else if (type_ == bcPZN)
        text = QStringLiteral("PZN - ") + barCode_;
    else
        text = barCode_;
    text.removeIf([](QChar c) { return c.unicode() < 32; });
    return text;
}

}  // namespace morvane::barcode
