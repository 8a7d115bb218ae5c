#include "decoders.h"

#include "ui/barcode/barcode_editor_form.h"
#include "ui/barcode/ean_widget.h"

#include "core/barcode/barcode_type_info.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QTest>

#include <gtest/gtest.h>

using namespace morvane::barcode;
using namespace morvane::barcode::testing_support;

namespace {

TEST(EanWidget, ScanlineRunsArePatternTimesModuleWidth)
{
    // Real pixels: each bar and gap of the middle row is exactly the pattern's
    // run times the module width.
    for (int module : {1, 2, 3, 5}) {
        TCustomEAN ean;
        ean.ShowLabels = false;
        ean.SetBarCode(QStringLiteral("4006381333931"));
        const QImage image = renderSymbol(ean, module, 60, 10);
        const std::string pattern = ean.BuildBarPattern(ean.BarCode());
        std::string expected;
        for (char c : pattern)
            expected += std::string(std::size_t(module), c == '0' || c == ' ' ? '.' : '#');
        std::string row;
        for (int x = 10; x < 10 + int(pattern.size()) * module; ++x)
            row += qGray(image.pixel(x, 40)) < 128 ? '#' : '.';
        EXPECT_EQ(row, expected) << module;
    }
}

TEST(EanWidget, EditorAppliesTypeAndText)
{
    TEan widget;
    TBarcodeEditorForm editor(&widget);
    auto *type = editor.findChild<QComboBox *>(QStringLiteral("TypCombo"));
    auto *text = editor.findChild<QLineEdit *>(QStringLiteral("BarCodeEd"));
    auto *chars = editor.findChild<QLabel *>(QStringLiteral("CharsLabel"));
    ASSERT_TRUE(type && text && chars);
    type->setCurrentIndex(type->findData(int(bcCode39Standard)));
    emit type->activated(type->currentIndex());
    EXPECT_TRUE(chars->text().startsWith(QStringLiteral("0 1 2 ")));
    text->clear();
    QTest::keyClicks(text, QStringLiteral("ABC-12"));
    editor.findChild<QCheckBox *>(QStringLiteral("SecurityCheck"))->setChecked(true);
    editor.ApplyBtnClick();
    EXPECT_EQ(widget.ean().TypBarCode(), bcCode39Standard);
    EXPECT_EQ(widget.ean().BarCode(), QStringLiteral("ABC-12"));
    EXPECT_TRUE(widget.ean().Security);
}

TEST(EanWidget, ScreenshotOfSeveralSymbologies)
{
    // Written for a person to look at; the decoders check the main symbols.
    QWidget window;
    auto *grid = new QGridLayout(&window);
    const std::pair<TTypBarCode, const char *> shown[] = {
        {bcEan13, "4006381333931 12345"}, {bcUPCA, "036000291452"}, {bcUPCE0, "0425261"}, {bcISBN, "80-7226-102"},
        {bcCode128, "LAGER 2024"}, {bcCodabar, "A0123+-$/:68A"}, {bcITF, "1540014128876"}, {bcRoyalMail, "SN34RD1A"},
        {bcPostNet, "12345"}, {bcCode39Standard, "ROT 30"},
    };
    int i = 0;
    for (const auto &[type, text] : shown) {
        auto *w = new TEan(&window);
        w->setTypBarCode(type);
        w->setBarCode(QString::fromLatin1(text));
        w->ean().Caption.Text = BarcodeTypeInfo(type).Name;
        w->ean().Caption.AutoSize = false;
        if (type == bcCode39Standard)
            w->ean().Angle = 30;
        w->setFixedSize(300, 140);
        grid->addWidget(w, i / 2, i % 2);
        ++i;
    }
    window.resize(640, 760);
    window.show();
    const QString png = savePng(window.grab().toImage(), QStringLiteral("barcode_widgets"));
    const QByteArray keep = qgetenv("MORVANE_SCREENSHOT_DIR");
    if (!keep.isEmpty())
        window.grab().save(QString::fromLocal8Bit(keep) + QStringLiteral("/barcode_widgets.png"));
    const QStringList read = zbarimg(png);
    EXPECT_TRUE(read.contains(QStringLiteral("CODE-128:LAGER 2024"))) << read.join(u'|').toStdString();
    EXPECT_TRUE(read.contains(QStringLiteral("EAN-13:4006381333931"))) << read.join(u'|').toStdString();
}

}  // namespace
