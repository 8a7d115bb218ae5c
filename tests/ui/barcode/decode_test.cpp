// Every symbology that the installed decoders read is drawn through the real
// drawing code and read back by zbarimg and ZXingReader.
#include "decoders.h"

#include "core/barcode/bar_pattern.h"
#include "ui/printing/qt_canvas.h"

#include <gtest/gtest.h>

using namespace morvane::barcode;
using namespace morvane::barcode::testing_support;

namespace {

struct DecodeCase {
    TTypBarCode type;
    const char *text;
    // Expected zbar lines ("|" between symbols); nullptr: zbar cannot read it.
    const char *zbar;
    // Expected ZXingReader content of the main symbol; nullptr: not read.
    const char *zxing;
    int angle = 0;
    bool autoCheckDigit = true;
};

const DecodeCase kCases[] = {
    {bcEan13, "9771210107001", "EAN-13:9771210107001", "9771210107001"},
    {bcEan13, "400638133393", "EAN-13:4006381333931", "4006381333931"},
    {bcEan13, "4006381333931 12", "EAN-13:4006381333931|EAN-2:12", "4006381333931 12"},
    {bcEan13, "4006381333931 12345", "EAN-13:4006381333931|EAN-5:12345", "4006381333931 12345"},
    {bcJAN13, "491234567890", "EAN-13:4912345678904", "4912345678904"},
    {bcEan8, "9638507", "EAN-8:96385074", "96385074"},
    {bcEan8, "96385074 12", "EAN-8:96385074|EAN-2:12", "96385074 12"},
    {bcEan8, "96385074 90000", "EAN-8:96385074|EAN-5:90000", "96385074 90000"},
    {bcJAN8, "49123450", "EAN-8:49123456", "49123456"},
    {bcUPCA, "01234567890", "UPC-A:012345678905", "012345678905"},
    {bcUPCA, "036000291452 12345", "UPC-A:036000291452|EAN-5:12345", "036000291452 12345"},
    {bcUPCE0, "0425261", "UPC-E:04252614", "04252614"},
    {bcUPCE0, "123456", "UPC-E:01234565", "01234565"},
    {bcUPCE0, "04252614 12", "UPC-E:04252614|EAN-2:12", "04252614 12"},
    // zbar reads no number system 1 (not even from zint's image).
    {bcUPCE1, "1425261", nullptr, "14252611"},
    {bcISBN, "80-7226-102", "EAN-13:9788072261024", "9788072261024"},
    {bcISBN, "80-7226-102-9 12345", "EAN-13:9788072261024|EAN-5:12345", "9788072261024 12345"},
    {bcISSN, "80-7226-102", "EAN-13:9778072261025", "9778072261025"},
    {bcISMN, "80-7226-102", "EAN-13:9798072261023", "9798072261023"},
    {bcCode128, "LAGER", "CODE-128:LAGER", "LAGER"},
    {bcCode128, "12345678", "CODE-128:12345678", "12345678"},
    {bcCode128, "AB12345", "CODE-128:AB12345", "AB12345"},
    {bcCode128, "Hallo Welt 0123456789 {x}", "CODE-128:Hallo Welt 0123456789 {x}", "Hallo Welt 0123456789 {x}"},
    {bcCode128, "x12345y", "CODE-128:x12345y", "x12345y"},
    {bcEan128, "EAN 128", "CODE-128:EAN 128", "EAN 128"},
    {bcEan128, "0104012345678901", "CODE-128:0104012345678901", "0104012345678901"},
    {bcCode39Standard, "LAGER-12 $/+%", "CODE-39:LAGER-12 $/+%", "LAGER-12 $/+%"},
    // The command-line readers do not expand Full ASCII: they show the pairs,
    // which proves that nothing stands in front of them.
    {bcCode39Full, "Lager a1!", "CODE-39:L+A+G+E+R +A1/A", "L+A+G+E+R +A1/A"},
    {bcPZN, "123456", "CODE-39:-1234562", "-1234562"},
    {bcCode93Standard, "TEST93", "CODE-93:TEST93", "TEST93"},
    {bcCode93Standard, "LAGER-12 $/+%", "CODE-93:LAGER-12 $/+%", "LAGER-12 $/+%"},
    {bcCode93Full, "Lager a1!", "CODE-93:Lager a1!", "Lager a1!"},
    {bcCode93Full, "x@y.de #5", "CODE-93:x@y.de #5", "x@y.de #5"},
    // The sample brings its own start and stop letters; the check character
    // ("1") goes before the stop.
    {bcCodabar, "A0123+-$/:68A", "Codabar:A0123+-$/:681A", "0123+-$/:681"},
    {bcCodabar, "123", "Codabar:A1236A", "1236"},
    {bcCodabar, "B40156D", "Codabar:B40156D", "40156", 0, false},
    {bc25Interleaved, "123456", "I2/5:123456", "123456"},
    // ZXing reads Interleaved 2 of 5 from six digits on.
    {bc25Interleaved, "0042", "I2/5:0042", nullptr},
    {bcITF, "1540014128876", "I2/5:15400141288763", "15400141288763"},
    {bcITF, "12345", "I2/5:123457", "123457"},
    {bcOPC, "123456789", "I2/5:1234567897", "1234567897"},
    {bcUPCShipping, "15400141288763 123456", "I2/5:15400141288763|I2/5:123456", "15400141288763"},
    // Turned symbols.
    {bcCode128, "LAGER 90", "CODE-128:LAGER 90", "LAGER 90", 90},
    {bcEan13, "4006381333931", "EAN-13:4006381333931", "4006381333931", 180},
    {bcCode39Standard, "TURN", "CODE-39:TURN", "TURN", 270},
};

class DecodeTable : public testing::TestWithParam<DecodeCase> {};

TEST_P(DecodeTable, BothDecodersReadTheSymbol)
{
    const DecodeCase &c = GetParam();
    TCustomEAN ean;
    ean.SetTypBarCode(c.type);
    ean.AutoCheckDigit = c.autoCheckDigit;
    ean.SetBarCode(QString::fromLatin1(c.text));
    QImage image = renderSymbol(ean);
    ASSERT_EQ(ean.LastPaintError(), erOK) << ean.LastPaintErrorText().toStdString();
    if (c.angle) {
        // Drawn turned into a square, so the symbol fits at any right angle.
        const int side = std::max(image.width(), image.height());
        QImage turned(side, side, QImage::Format_RGB32);
        turned.fill(Qt::white);
        {
            morvane::printing::QtCanvas canvas(turned);
            ean.Angle = c.angle;
            const int w = image.width() - 80;
            const int h = image.height() - 80;
            const bool swap = c.angle == 90 || c.angle == 270;
            const int rw = swap ? h : w;
            const int rh = swap ? w : h;
            ean.PrintToCanvas(canvas, {(side - rw) / 2, (side - rh) / 2, (side - rw) / 2 + rw, (side - rh) / 2 + rh});
        }
        image = turned;
    }
    const QString png = savePng(image, BarcodeTypeName(c.type) + QString::number(qHash(QString::fromLatin1(c.text))));

    if (c.zbar) {
        QStringList expected = QString::fromLatin1(c.zbar).split(u'|');
        QStringList got = zbarimg(png);
        expected.sort();
        got.sort();
        EXPECT_EQ(got, expected) << c.text;
    }
    if (!c.zxing)
        return;
    const QString zx = zxingReader(png);
    EXPECT_TRUE(zx.contains(u'"' + QString::fromLatin1(c.zxing) + u'"')) << c.text << " -> " << zx.toStdString();
}

INSTANTIATE_TEST_SUITE_P(Barcode, DecodeTable, testing::ValuesIn(kCases));

}  // namespace
