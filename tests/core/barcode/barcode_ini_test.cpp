#include "core/barcode/barcode_ini.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace morvane::barcode;
using morvane::printing::Color;
using morvane::printing::PenMode;
using morvane::printing::PenStyle;

namespace {

TEST(BarcodeIni, SettingsRoundTripThroughAFileAndKeepOtherSections)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("label.ini"));
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("[Other]\r\nKeep=me\r\n");
    f.close();

    TCustomEAN a;
    a.SetTypBarCode(bcCode128);
    a.SetBarCode(QString::fromUtf8("Gr\u00fc\u00dfe 12"));
    a.Angle = 90;
    a.Security = false;
    a.Transparent = false;
    a.LabelMask = QStringLiteral("__X");
    a.LinesColor = Color{10, 20, 30};
    a.HorzLines = {{Color{1, 2, 3}, 3, PenStyle::Dot, PenMode::Xor}, 4};
    a.QuietZone.SetLeft(7);
    a.QuietZone.Visible = true;
    a.QuietZone.Style = qzTriangel;
    a.Caption.Text = QStringLiteral("\"Oben\"");
    a.Caption.Alignment = TCaptionAlignment::Center;
    a.CaptionBottom.Font.bold = true;
    a.Font = {QStringLiteral("Courier New"), 12, false, true};
    ASSERT_TRUE(SaveToIniFile(a, path, QStringLiteral("Etikett")).ok);

    TCustomEAN b;
    ASSERT_TRUE(LoadFromIniFile(b, path, QStringLiteral("etikett")).ok);
    EXPECT_EQ(b.TypBarCode(), bcCode128);
    EXPECT_EQ(b.BarCode(), a.BarCode());
    EXPECT_EQ(b.Angle, 90);
    EXPECT_FALSE(b.Security);
    EXPECT_FALSE(b.Transparent);
    EXPECT_EQ(b.LabelMask, QStringLiteral("__X"));
    EXPECT_EQ(b.LinesColor, (Color{10, 20, 30}));
    EXPECT_EQ(b.HorzLines.Pen, a.HorzLines.Pen);
    EXPECT_EQ(b.HorzLines.LinesCount, 4);
    EXPECT_EQ(b.QuietZone.Left(), 7);
    EXPECT_TRUE(b.QuietZone.Visible);
    EXPECT_EQ(b.QuietZone.Style, qzTriangel);
    EXPECT_EQ(b.Caption.Text, QStringLiteral("\"Oben\""));
    EXPECT_EQ(b.Caption.Alignment, TCaptionAlignment::Center);
    EXPECT_TRUE(b.CaptionBottom.Font.bold);
    EXPECT_EQ(b.Font, a.Font);

    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    const IniFile ini = IniFile::parse(f.readAll());
    EXPECT_EQ(ini.readString(QStringLiteral("Other"), QStringLiteral("Keep")), QStringLiteral("me"));
    EXPECT_EQ(ini.readString(QStringLiteral("Etikett_pen"), QStringLiteral("PEN_MODE")), QStringLiteral("4"));
    EXPECT_EQ(ini.readString(QStringLiteral("Etikett"), QStringLiteral("HorzLines_Mode")), QStringLiteral("14"));
}

TEST(BarcodeIni, MissingKeysTakeTheirDefaultsAndTheTypeComesFirst)
{
    // A file of the original kind: the text is only valid for the type.
    const IniFile ini = IniFile::parse("[Barcode]\r\nBarcode=96385074\r\nTypBarCode=1\r\n");
    TCustomEAN e;
    e.Security = false;
    e.Transparent = false;
    LoadFromIni(e, ini);
    EXPECT_EQ(e.TypBarCode(), bcEan8);
    EXPECT_EQ(e.BarCode(), QStringLiteral("96385074"));
    EXPECT_TRUE(e.Security);
    EXPECT_TRUE(e.Transparent);
    EXPECT_TRUE(e.StartStopLines);
    EXPECT_EQ(e.HorzLines.Pen.width, 1);
    EXPECT_EQ(e.Font.family, QStringLiteral("Arial"));
    EXPECT_EQ(e.Font.pointSize, 16);  // no size in the file: kept
}

TEST(BarcodeIni, HostileValuesAreBoundedOrIgnored)
{
    const IniFile ini = IniFile::parse(
        "garbage before any section\n"
        "[barcode]\n"
        "TypBarCode=9999\n"
        "Angle=99999999999999999999\n"
        "HorzLines_LinesCount=-5\n"
        "HorzLines_Width=$7FFFFFFF\n"
        "LinesColor=-2147483643\n"
        "QZ_LEFT=250\n"
        "QZ_STYLE=77\n"
        "=no key\n"
        "[Barcode_Font]\n"
        "FontSize=0\n"
        "FontName=\n"
        "[Barcode_Caption]\n"
        "Alignment=9\n"
        "[unterminated\n");
    TCustomEAN e;
    LoadFromIni(e, ini);
    EXPECT_EQ(e.TypBarCode(), bcNone);
    EXPECT_EQ(e.Angle, 0);
    EXPECT_EQ(e.HorzLines.LinesCount, 0);
    EXPECT_EQ(e.HorzLines.Pen.width, 100);
    EXPECT_EQ(e.LinesColor, Color::black());
    EXPECT_EQ(e.QuietZone.Left(), 0);
    EXPECT_EQ(e.QuietZone.Style, qzNone);
    EXPECT_EQ(e.Font.pointSize, 16);
    EXPECT_EQ(e.Font.family, QStringLiteral("Arial"));
    EXPECT_EQ(e.Caption.Alignment, TCaptionAlignment::Left);
    TCustomEAN missing;
    EXPECT_FALSE(LoadFromIniFile(missing, QStringLiteral("/nonexistent/x.ini")).ok);
}

TEST(IniFile, FirstKeyWinsNamesIgnoreCaseAndUtf8IsRecognised)
{
    const IniFile ini = IniFile::parse("\xEF\xBB\xBF[A]\r\nk=\xC3\xA4\r\nK=2\r\n; comment\r\n[a]\r\nx = \"quoted\" \r\n");
    EXPECT_EQ(ini.readString(QStringLiteral("a"), QStringLiteral("K")), QString::fromUtf8("\u00e4"));
    EXPECT_EQ(ini.readString(QStringLiteral("A"), QStringLiteral("x")), QStringLiteral("quoted"));
    EXPECT_EQ(ini.readInteger(QStringLiteral("A"), QStringLiteral("x"), 7), 7);
    const IniFile ansi = IniFile::parse("[A]\nk=\xE4\x80\n");
    EXPECT_EQ(ansi.readString(QStringLiteral("A"), QStringLiteral("k")), QString::fromUtf8("\u00e4\u20ac"));
}

}  // namespace
