#include "core/barcode/barcode_ini.h"

#include "core/base/atomic_file.h"

#include <QFile>

#include <algorithm>

namespace morvane::barcode {

using printing::Color;
using printing::PenMode;
using printing::PenStyle;

namespace {

// Pen styles and modes are stored by the numbers of the original settings
// files: styles 0..6 (6, "inside frame", draws solid), modes 3 (not),
// 4 (copy) and 14 (xor).
int penStyleNumber(PenStyle s)
{
    return int(s);
}

PenStyle penStyleFrom(qint64 n, PenStyle fallback)
{
    if (n == 6)
        return PenStyle::Solid;
    return n >= 0 && n <= 5 ? PenStyle(n) : fallback;
}

int penModeNumber(PenMode m)
{
    return m == PenMode::Not ? 3 : m == PenMode::Xor ? 14 : 4;
}

PenMode penModeFrom(qint64 n)
{
    return n == 3 ? PenMode::Not : n == 14 ? PenMode::Xor : PenMode::Copy;
}

// System colour numbers (negative or above 24 bits) keep the fallback.
Color colorFrom(qint64 n, Color fallback)
{
    return n >= 0 && n <= 0xFFFFFF ? Color::fromBgr(std::uint32_t(n)) : fallback;
}

int clampInt(qint64 n, int lo, int hi)
{
    return int(std::clamp<qint64>(n, lo, hi));
}

void saveFont(IniFile &ini, const QString &section, const printing::Font &f)
{
    ini.writeString(section, QStringLiteral("FontName"), f.family);
    ini.writeInteger(section, QStringLiteral("FontSize"), qint64(f.pointSize));
    ini.writeInteger(section, QStringLiteral("FontCharSet"), 1);
    ini.writeInteger(section, QStringLiteral("FontColor"), f.color.toBgr());
    ini.writeInteger(section, QStringLiteral("FontStyle"),
                     (f.bold ? 1 : 0) | (f.italic ? 2 : 0) | (f.underline ? 4 : 0) | (f.strikeOut ? 8 : 0));
}

void loadFont(const IniFile &ini, const QString &section, printing::Font &f)
{
    const QString name = ini.readString(section, QStringLiteral("FontName"), QStringLiteral("Arial")).trimmed();
    f.family = name.isEmpty() ? QStringLiteral("Arial") : name.left(64);
    const qint64 size = ini.readInteger(section, QStringLiteral("FontSize"), 0);
    if (size >= 1 && size <= 500)
        f.pointSize = double(size);
    f.color = colorFrom(ini.readInteger(section, QStringLiteral("FontColor"), 0), f.color);
    const qint64 style = ini.readInteger(section, QStringLiteral("FontStyle"), 0);
    f.bold = style & 1;
    f.italic = style & 2;
    f.underline = style & 4;
    f.strikeOut = style & 8;
}

void saveCaption(IniFile &ini, const QString &section, const TBarcodeCaption &c)
{
    ini.writeBool(section, QStringLiteral("Visible"), c.Visible);
    ini.writeString(section, QStringLiteral("Text"), c.Text);
    ini.writeBool(section, QStringLiteral("AutoSize"), c.AutoSize);
    ini.writeInteger(section, QStringLiteral("Alignment"), int(c.Alignment));
    ini.writeBool(section, QStringLiteral("AutoCaption"), c.AutoCaption);
    saveFont(ini, section, c.Font);
}

void loadCaption(const IniFile &ini, const QString &section, TBarcodeCaption &c)
{
    c.Visible = ini.readBool(section, QStringLiteral("Visible"), false);
    c.Text = ini.readString(section, QStringLiteral("Text"));
    c.AutoSize = ini.readBool(section, QStringLiteral("AutoSize"), false);
    const qint64 a = ini.readInteger(section, QStringLiteral("Alignment"), 0);
    c.Alignment = a >= 0 && a <= 2 ? TCaptionAlignment(a) : TCaptionAlignment::Left;
    c.AutoCaption = ini.readBool(section, QStringLiteral("AutoCaption"), false);
    loadFont(ini, section, c.Font);
}

}  // namespace

void SaveToIni(const TCustomEAN &e, IniFile &ini, const QString &s)
{
    ini.writeString(s, QStringLiteral("Barcode"), e.BarCode());
    ini.writeInteger(s, QStringLiteral("TypBarCode"), int(e.TypBarCode()));
    ini.writeBool(s, QStringLiteral("AutoCheckDigit"), e.AutoCheckDigit);
    ini.writeInteger(s, QStringLiteral("Angle"), e.Angle);
    ini.writeBool(s, QStringLiteral("AutoInc"), e.AutoInc);
    ini.writeInteger(s, QStringLiteral("AutoIncFrom"), e.AutoIncFrom);
    ini.writeInteger(s, QStringLiteral("AutoIncTo"), e.AutoIncTo);
    ini.writeBool(s, QStringLiteral("DisableEditor"), e.DisableEditor);
    ini.writeBool(s, QStringLiteral("Ean13AddUp"), e.Ean13AddUp);
    ini.writeBool(s, QStringLiteral("FontAutoSize"), e.FontAutoSize);
    ini.writeInteger(s, QStringLiteral("HorzLines_Color"), e.HorzLines.Pen.color.toBgr());
    ini.writeInteger(s, QStringLiteral("HorzLines_Style"), penStyleNumber(e.HorzLines.Pen.style));
    ini.writeInteger(s, QStringLiteral("HorzLines_Width"), e.HorzLines.Pen.width);
    ini.writeInteger(s, QStringLiteral("HorzLines_LinesCount"), e.HorzLines.LinesCount);
    ini.writeInteger(s, QStringLiteral("HorzLines_Mode"), penModeNumber(e.HorzLines.Pen.mode));
    ini.writeString(s, QStringLiteral("LabelMask"), e.LabelMask);
    ini.writeInteger(s, QStringLiteral("LinesColor"), e.LinesColor.toBgr());
    ini.writeInteger(s, QStringLiteral("QZ_LEFT"), e.QuietZone.Left());
    ini.writeInteger(s, QStringLiteral("QZ_RIGHT"), e.QuietZone.Right());
    ini.writeInteger(s, QStringLiteral("QZ_BOTTOM"), e.QuietZone.Bottom());
    ini.writeInteger(s, QStringLiteral("QZ_TOP"), e.QuietZone.Top());
    ini.writeInteger(s, QStringLiteral("QZ_IndicatorSize"), e.QuietZone.IndicatorSize());
    ini.writeBool(s, QStringLiteral("OZ_Visible"), e.QuietZone.Visible);
    ini.writeInteger(s, QStringLiteral("QZ_STYLE"), int(e.QuietZone.Style));
    ini.writeBool(s, QStringLiteral("Security"), e.Security);
    ini.writeBool(s, QStringLiteral("StartStopLines"), e.StartStopLines);
    ini.writeBool(s, QStringLiteral("Transparent"), e.Transparent);
    // Two keys of our own, so that a file gives back the same picture.
    ini.writeBool(s, QStringLiteral("ShowLabels"), e.ShowLabels);
    ini.writeInteger(s, QStringLiteral("BackgroundColor"), e.BackgroundColor.toBgr());

    saveCaption(ini, s + QStringLiteral("_Caption"), e.Caption);
    saveCaption(ini, s + QStringLiteral("_CaptionBottom"), e.CaptionBottom);
    saveFont(ini, s + QStringLiteral("_Font"), e.Font);
    const QString pen = s + QStringLiteral("_pen");
    ini.writeInteger(pen, QStringLiteral("PEN_COLOR"), e.QuietZone.Pen.color.toBgr());
    ini.writeInteger(pen, QStringLiteral("PEN_STYLE"), penStyleNumber(e.QuietZone.Pen.style));
    ini.writeInteger(pen, QStringLiteral("PEN_MODE"), penModeNumber(e.QuietZone.Pen.mode));
    ini.writeInteger(pen, QStringLiteral("PEN_WIDTH"), e.QuietZone.Pen.width);
}

void LoadFromIni(TCustomEAN &e, const IniFile &ini, const QString &s)
{
    const qint64 type = ini.readInteger(s, QStringLiteral("TypBarCode"), 0);
    e.SetTypBarCode(typBarCodeFromInt(type >= 0 && type < kTypBarCodeCount ? int(type) : 0));
    // A text longer than any symbol holds is cut rather than carried along.
    e.SetBarCode(ini.readString(s, QStringLiteral("Barcode")).left(1000));
    e.AutoCheckDigit = ini.readBool(s, QStringLiteral("AutoCheckDigit"), true);
    e.Angle = clampInt(ini.readInteger(s, QStringLiteral("Angle"), 0), -36000, 36000);
    e.AutoInc = ini.readBool(s, QStringLiteral("AutoInc"), false);
    e.AutoIncFrom = clampInt(ini.readInteger(s, QStringLiteral("AutoIncFrom"), 0), 0, 1000);
    e.AutoIncTo = clampInt(ini.readInteger(s, QStringLiteral("AutoIncTo"), 0), 0, 1000);
    e.DisableEditor = ini.readBool(s, QStringLiteral("DisableEditor"), false);
    e.Ean13AddUp = ini.readBool(s, QStringLiteral("Ean13AddUp"), true);
    e.FontAutoSize = ini.readBool(s, QStringLiteral("FontAutoSize"), true);
    e.HorzLines.Pen.color = colorFrom(ini.readInteger(s, QStringLiteral("HorzLines_Color"), 0), e.HorzLines.Pen.color);
    e.HorzLines.Pen.style = penStyleFrom(ini.readInteger(s, QStringLiteral("HorzLines_Style"), 0), PenStyle::Solid);
    e.HorzLines.Pen.width = clampInt(ini.readInteger(s, QStringLiteral("HorzLines_Width"), 1), 0, 100);
    e.HorzLines.LinesCount = clampInt(ini.readInteger(s, QStringLiteral("HorzLines_LinesCount"), 0), 0, 1000);
    e.HorzLines.Pen.mode = penModeFrom(ini.readInteger(s, QStringLiteral("HorzLines_Mode"), 0));
    e.LabelMask = ini.readString(s, QStringLiteral("LabelMask")).left(1000);
    e.LinesColor = colorFrom(ini.readInteger(s, QStringLiteral("LinesColor"), 0), e.LinesColor);
    e.QuietZone.SetLeft(clampInt(ini.readInteger(s, QStringLiteral("QZ_LEFT"), 0), -1, 101));
    e.QuietZone.SetRight(clampInt(ini.readInteger(s, QStringLiteral("QZ_RIGHT"), 0), -1, 101));
    e.QuietZone.SetBottom(clampInt(ini.readInteger(s, QStringLiteral("QZ_BOTTOM"), 0), -1, 101));
    e.QuietZone.SetTop(clampInt(ini.readInteger(s, QStringLiteral("QZ_TOP"), 0), -1, 101));
    e.QuietZone.SetIndicatorSize(clampInt(ini.readInteger(s, QStringLiteral("QZ_IndicatorSize"), 0), -1, 101));
    e.QuietZone.Visible = ini.readBool(s, QStringLiteral("OZ_Visible"), false);
    const qint64 qz = ini.readInteger(s, QStringLiteral("QZ_STYLE"), 0);
    e.QuietZone.Style = qz >= 0 && qz <= 3 ? TQuietZoneIndicatorStyle(qz) : qzNone;
    e.Security = ini.readBool(s, QStringLiteral("Security"), true);
    e.StartStopLines = ini.readBool(s, QStringLiteral("StartStopLines"), true);
    e.Transparent = ini.readBool(s, QStringLiteral("Transparent"), true);
    e.ShowLabels = ini.readBool(s, QStringLiteral("ShowLabels"), true);
    e.BackgroundColor = colorFrom(ini.readInteger(s, QStringLiteral("BackgroundColor"), 0xFFFFFF), e.BackgroundColor);

    loadCaption(ini, s + QStringLiteral("_Caption"), e.Caption);
    loadCaption(ini, s + QStringLiteral("_CaptionBottom"), e.CaptionBottom);
    loadFont(ini, s + QStringLiteral("_Font"), e.Font);
    const QString pen = s + QStringLiteral("_pen");
    e.QuietZone.Pen.color = colorFrom(ini.readInteger(pen, QStringLiteral("PEN_COLOR"), 0), e.QuietZone.Pen.color);
    e.QuietZone.Pen.style = penStyleFrom(ini.readInteger(pen, QStringLiteral("PEN_STYLE"), 0), PenStyle::Solid);
    e.QuietZone.Pen.mode = penModeFrom(ini.readInteger(pen, QStringLiteral("PEN_MODE"), 0));
    e.QuietZone.Pen.width = clampInt(ini.readInteger(pen, QStringLiteral("PEN_WIDTH"), 0), 0, 100);
}

IniResult SaveToIniFile(const TCustomEAN &ean, const QString &path, const QString &section)
{
    IniFile ini;
    QFile existing(path);
    if (existing.exists()) {
        if (!existing.open(QIODevice::ReadOnly))
            return {false, existing.errorString()};
        ini = IniFile::parse(existing.readAll());
    }
    SaveToIni(ean, ini, section);
    const base::AtomicFile::Result r = base::AtomicFile::write(path, ini.toBytes());
    return {r.ok, r.error};
}

IniResult LoadFromIniFile(TCustomEAN &ean, const QString &path, const QString &section)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {false, file.errorString()};
    // Settings files are small; a huge file is not one of ours.
    if (file.size() > 4 * 1024 * 1024)
        return {false, QStringLiteral("File too large")};
    LoadFromIni(ean, IniFile::parse(file.readAll()), section);
    return {true, {}};
}

}  // namespace morvane::barcode
