#include "core/barcode/bar_pattern.h"
#include "core/printing/font_metrics.h"
#include "core/printing/pdf_canvas.h"
#include "core/printing/pdf_sample.h"
#include "core/printing/picture.h"
#include "external_tool.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <functional>

using namespace morvane::printing;
using morvane::printing::test::runTool;
using morvane::printing::test::ToolRun;

namespace {

const QString kPoppler = QStringLiteral("poppler-utils");

QByteArray readAll(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

Font font(const QString &family, double size, bool bold = false, bool italic = false)
{
    Font f;
    f.family = family;
    f.pointSize = size;
    f.bold = bold;
    f.italic = italic;
    return f;
}

// qpdf is the strict judge: it reports an xref offset that viewers repair.
void expectValidPdf(const QString &path)
{
    const ToolRun check = runTool(QStringLiteral("qpdf"), {QStringLiteral("--check"), path}, QStringLiteral("qpdf"));
    EXPECT_EQ(check.exitCode, 0) << check.out.toStdString() << check.err.toStdString();
    QTemporaryDir out;
    const ToolRun draw = runTool(QStringLiteral("mutool"),
                                 {QStringLiteral("draw"), QStringLiteral("-q"), QStringLiteral("-r"), QStringLiteral("36"),
                                  QStringLiteral("-o"), out.filePath(QStringLiteral("p%d.png")), path},
                                 QStringLiteral("mupdf-tools"));
    EXPECT_EQ(draw.exitCode, 0);
    QStringList complaints = QString::fromUtf8(draw.err).split(u'\n', Qt::SkipEmptyParts);
    complaints.removeIf([](const QString &l) { return l.contains(QStringLiteral("ICC support is not available")); });
    EXPECT_TRUE(complaints.isEmpty()) << draw.err.toStdString();
}

struct Written {
    QString path;
    QByteArray bytes;
};

Written writePdf(const QTemporaryDir &dir, const std::function<void(PdfCanvas &)> &draw, const char *name = "t.pdf")
{
    Written w{dir.filePath(QString::fromUtf8(name)), {}};
    PdfCanvas pdf;
    EXPECT_TRUE(pdf.beginDoc(w.path));
    draw(pdf);
    const PdfCanvas::Result result = pdf.endDoc();
    EXPECT_TRUE(result.ok) << result.error.toStdString();
    w.bytes = readAll(w.path);
    return w;
}

// Grey page from pdftoppm as rows of bytes.
struct Raster {
    int width = 0, height = 0;
    QByteArray pixels;
    int at(int x, int y) const { return static_cast<unsigned char>(pixels[qsizetype(y) * width + x]); }
};

Raster rasterize(const QString &pdf, int dpi)
{
    const QString base = pdf + QStringLiteral("-r");
    const ToolRun run = runTool(QStringLiteral("pdftoppm"),
                                {QStringLiteral("-r"), QString::number(dpi), QStringLiteral("-gray"),
                                 QStringLiteral("-singlefile"), pdf, base},
                                kPoppler);
    Raster r;
    const QByteArray pgm = readAll(base + QStringLiteral(".pgm"));
    // "P5\n<w> <h>\n255\n" then the samples.
    const QList<QByteArray> head = pgm.left(64).split('\n');
    if (run.exitCode != 0 || head.size() < 4 || head[0] != "P5") {
        ADD_FAILURE() << "pdftoppm gave no picture: " << run.err.toStdString();
        return r;
    }
    const QList<QByteArray> size = head[1].split(' ');
    r.width = size.value(0).toInt();
    r.height = size.value(1).toInt();
    r.pixels = pgm.right(qsizetype(r.width) * r.height);
    return r;
}

}  // namespace

TEST(PdfCanvas, EmptyDocumentIsOnePageInEightObjectsWithExactOffsets)
{
    QTemporaryDir dir;
    const Written w = writePdf(dir, [](PdfCanvas &) {});
    ASSERT_TRUE(w.bytes.startsWith("%PDF-1.3\n1 0 obj\n[/PDF /Text /ImageB /ImageC /ImageI]\nendobj\n"));
    ASSERT_TRUE(w.bytes.endsWith("%%EOF"));
    const qsizetype xref = w.bytes.lastIndexOf("\nxref\n") + 1;
    EXPECT_EQ(w.bytes.mid(w.bytes.lastIndexOf("startxref\n") + 10).split('\n').value(0).toLongLong(), xref);
    const QList<QByteArray> lines = w.bytes.mid(xref).split('\n');
    ASSERT_EQ(lines[1], "0 8");
    EXPECT_EQ(lines[2], "0000000000 65535 f ");
    // Every entry points at the start of its object, whatever precedes it.
    for (int n = 1; n < 8; ++n) {
        const QByteArray entry = lines[2 + n];
        EXPECT_EQ(entry.size(), 19) << entry.toStdString();
        EXPECT_TRUE(entry.endsWith(" 00000 n "));
        EXPECT_EQ(w.bytes.mid(entry.left(10).toLongLong(), 8), QByteArray::number(n) + " 0 obj\n");
    }
    const QByteArray order[] = {"/Length 3 0 R /Filter /FlateDecode", "/Type /Pages", "/Type /Page\n",
                                "/Type /Catalog", "/Type /Outlines"};
    qsizetype last = 0;
    for (const QByteArray &part : order) {
        const qsizetype at = w.bytes.indexOf(part);
        EXPECT_GT(at, last) << part.toStdString();
        last = at;
    }
    EXPECT_TRUE(w.bytes.contains("/Kids [5 0 R]"));
    EXPECT_TRUE(w.bytes.contains("/MediaBox [0 0 594 840]"));
    EXPECT_TRUE(QRegularExpression(QStringLiteral("/ID \\[ <([0-9A-F]{34})><\\1> \\]")).match(QString::fromLatin1(w.bytes)).hasMatch());
    expectValidPdf(w.path);
}

TEST(PdfCanvas, WritesTheDrawingOperatorsOfTheWorkedExamples)
{
    struct Case {
        const char *name;
        std::function<void(PdfCanvas &)> draw;
        const char *expected;
    };
    const Case cases[] = {
        {"fill rectangle", [](PdfCanvas &p) { p.fillRect({10, 20, 110, 70}); }, "1 1 1 rg\n10 771 99 49 re\nf\n"},
        {"grey brush", [](PdfCanvas &p) { p.setBrush({Color::fromBgr(0x808080)}); p.fillRect({0, 0, 2, 2}); },
         "0.501960784313725 0.501960784313725 0.501960784313725 rg\n"},
        {"escaped text", [](PdfCanvas &p) { p.textOut(0, 0, QStringLiteral("a(b)\tc\\d\x01")); },
         "(a\\(b\\)\\tc\\\\d\\001) Tj\n"},
        {"clear pen moves without drawing",
         [](PdfCanvas &p) {
             p.moveTo(0, 0);
             p.setPen({Color::black(), 1, PenStyle::Clear});
             p.lineTo(5, 5);
             p.setPen({Color::fromBgr(0x0000FF), 2, PenStyle::Dash});
             p.lineTo(10, 10);
         },
         "[3] 0 d\n2 w\n1 0 0 RG\n5 835 m\n10 830 l\nS\n"},
        {"outlined rectangle", [](PdfCanvas &p) { p.rectangle({10, 20, 110, 70}); },
         "[ ] 0 d\n1 w\n0 0 0 RG\n1 1 1 rg\n10 771 99 49 re\nB\n"},
        {"polygon", [](PdfCanvas &p) {
             const Point pts[] = {{0, 0}, {10, 0}, {5, 10}};
             p.setBrush({Color::black()});
             p.polygon(pts);
         },
         "0 840 m\n10 840 l\n5 830 l\nh B*\n"},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        PdfCanvas pdf;
        QTemporaryDir dir;
        ASSERT_TRUE(pdf.beginDoc(dir.filePath(QStringLiteral("x.pdf"))));
        c.draw(pdf);
        EXPECT_TRUE(pdf.pageContent().contains(c.expected)) << pdf.pageContent().toStdString();
    }
}

TEST(PdfCanvas, NamesFontsAsTheProgramAskedForThem)
{
    EXPECT_EQ(PdfCanvas::pdfFontName(QStringLiteral("Arial"), true, true), "Arial,BoldItalic");
    EXPECT_EQ(PdfCanvas::pdfFontName(QStringLiteral("Arial"), false, true), "Arial,Italic");
    EXPECT_EQ(PdfCanvas::pdfFontName(QStringLiteral("Arial"), true, false), "Arial,Bold");
    EXPECT_EQ(PdfCanvas::pdfFontName(QStringLiteral("Arial Black"), false, false), "Arial#20Black");
    EXPECT_EQ(PdfCanvas::pdfFontName(QString::fromUtf8("A(b)/#Ö"), false, false), "A#28b#29#2F#23#D6");
}

TEST(PdfCanvas, SelectsAFontOncePerPage)
{
    QTemporaryDir dir;
    PdfCanvas pdf;
    ASSERT_TRUE(pdf.beginDoc(dir.filePath(QStringLiteral("f.pdf"))));
    pdf.setFont(font(QStringLiteral("Arial"), 10));
    pdf.textOut(0, 0, QStringLiteral("a"));
    pdf.textOut(0, 20, QStringLiteral("b"));
    EXPECT_EQ(pdf.pageContent().count(" Tf\n"), 1);
    pdf.setFont(font(QStringLiteral("Arial"), 12));
    pdf.textOut(0, 40, QStringLiteral("c"));
    pdf.setFont(font(QStringLiteral("Arial"), 12, true));
    pdf.textOut(0, 60, QStringLiteral("d"));
    EXPECT_TRUE(pdf.pageContent().contains("/F1 10 Tf\n"));
    EXPECT_TRUE(pdf.pageContent().contains("/F1 12 Tf\n"));
    EXPECT_TRUE(pdf.pageContent().contains("/F2 12 Tf\n"));
    pdf.newPage();
    pdf.textOut(0, 0, QStringLiteral("e"));
    EXPECT_TRUE(pdf.pageContent().contains("/F2 12 Tf\n"));
    ASSERT_TRUE(pdf.endDoc().ok);
}

// The widths cover every WinAnsi code, each measured as the character the
// code stands for, whatever the face's own character range.
TEST(PdfCanvas, FontObjectsCarryWidthsForEveryWinAnsiCode)
{
    QTemporaryDir dir;
    const Written w = writePdf(dir, [](PdfCanvas &p) {
        p.setFont(font(QStringLiteral("Arial"), 10));
        p.textOut(10, 10, QString::fromUtf8("€ „Anführung“ – x"));
    });
    const qsizetype at = w.bytes.indexOf("/FirstChar");
    ASSERT_GT(at, 0);
    const QByteArray font = w.bytes.mid(at, w.bytes.indexOf("]", at) - at);
    EXPECT_TRUE(font.startsWith("/FirstChar 32\n/LastChar 255\n/Widths ["));
    const QList<QByteArray> widths = font.mid(font.indexOf('[') + 1).simplified().split(' ');
    ASSERT_EQ(widths.size(), 224);
    EXPECT_EQ(widths[' ' - 32], "278");
    EXPECT_EQ(widths['a' - 32], "556");
    EXPECT_EQ(widths[0x80 - 32], "556");  // €
    EXPECT_EQ(widths[0x84 - 32], "333");  // „
    EXPECT_EQ(widths[0x96 - 32], "556");  // –
    EXPECT_TRUE(w.bytes.contains("/BaseFont /Arial\n"));
    expectValidPdf(w.path);
}

TEST(PdfCanvas, PageSizes)
{
    // The printer's paper in points; no printer (0 dpi) or no paper is A4.
    EXPECT_EQ(PdfCanvas::pageSizeFromPrinter({4961, 7016}, 600, 600), (Size{595, 841}));
    EXPECT_EQ(PdfCanvas::pageSizeFromPrinter({2550, 3300}, 300, 300), (Size{612, 792}));
    EXPECT_EQ(PdfCanvas::pageSizeFromPrinter({4961, 7016}, 0, 0), (Size{595, 841}));
    EXPECT_EQ(PdfCanvas::pageSizeFromPrinter({0, 0}, 600, 600), (Size{595, 841}));
    // No wrap-around for absurd reports; PDF viewers stop at 200 inches.
    EXPECT_EQ(PdfCanvas::pageSizeFromPrinter({2000000000, 2000000000}, 1, 1), (Size{14400, 14400}));

    QTemporaryDir dir;
    // A size changed before newPage() belongs to the page that call ends.
    const Written w = writePdf(dir, [](PdfCanvas &p) {
        p.setPageSize({842, 595});
        p.newPage();
        p.setPageSize({300, 200});
    });
    const ToolRun info = runTool(QStringLiteral("pdfinfo"),
                                 {QStringLiteral("-f"), QStringLiteral("1"), QStringLiteral("-l"), QStringLiteral("2"), w.path},
                                 kPoppler);
    const QString pages = QString::fromUtf8(info.out).simplified();
    EXPECT_TRUE(pages.contains(QStringLiteral("Page 1 size: 841 x 594 pts"))) << info.out.toStdString();
    EXPECT_TRUE(pages.contains(QStringLiteral("Page 2 size: 299 x 199 pts"))) << info.out.toStdString();
    expectValidPdf(w.path);
}

TEST(PdfCanvas, IndependentReadersSeeTheTextFontsAndPictures)
{
    QTemporaryDir dir;
    Image logo;
    ASSERT_TRUE(Picture::allocate(logo, 40, 20));
    for (int i = 0; i < 40 * 20; ++i)
        logo.rgb[std::size_t(i) * 3] = std::uint8_t(i);
    Image grey;
    ASSERT_TRUE(Picture::allocate(grey, 16, 16));
    for (std::size_t i = 0; i < grey.rgb.size(); ++i)
        grey.rgb[i] = std::uint8_t(i / 3 * 7);
    const QString german = QString::fromUtf8("Größe Äpfel Übermaß ß € (Klammer) \\");

    const Written w = writePdf(dir, [&](PdfCanvas &p) {
        p.setFont(font(QStringLiteral("Arial"), 12));
        p.textOut(50, 50, german);
        p.setFont(font(QStringLiteral("Arial"), 12, true, true));
        p.textOut(50, 80, QStringLiteral("Fett kursiv"));
        p.setFont(font(QStringLiteral("Arial Black"), 18));
        p.textOut(50, 110, QStringLiteral("Schwarz"));
        p.setFont(font(QStringLiteral("Courier New"), 9));
        p.textOut(50, 140, QStringLiteral("Kasse 12,50"));
        p.drawImage({300, 50, 380, 90}, logo);
        p.drawImage({300, 100, 332, 132}, grey);
        p.newPage();
        Image copy = logo;  // another copy of the same picture: stored once
        p.drawImage({50, 50, 90, 70}, copy);
    });
    expectValidPdf(w.path);

    const ToolRun text = runTool(QStringLiteral("pdftotext"),
                                 {QStringLiteral("-f"), QStringLiteral("1"), QStringLiteral("-l"), QStringLiteral("1"),
                                  QStringLiteral("-layout"), w.path, QStringLiteral("-")},
                                 kPoppler);
    EXPECT_TRUE(QString::fromUtf8(text.out).contains(german)) << text.out.toStdString();

    const ToolRun fonts = runTool(QStringLiteral("pdffonts"), {w.path}, kPoppler);
    const QString table = QString::fromUtf8(fonts.out);
    // pdffonts shows the names decoded: "Arial#20Black" reads "Arial Black".
    for (const char *name : {"Arial", "Arial,BoldItalic", "Arial Black", "Courier New"}) {
        EXPECT_TRUE(QRegularExpression(QStringLiteral("\\n%1\\s+TrueType\\s+WinAnsi\\s+no")
                                           .arg(QRegularExpression::escape(QString::fromUtf8(name))))
                        .match(table)
                        .hasMatch())
            << name << "\n" << table.toStdString();
    }
    EXPECT_TRUE(w.bytes.contains("/BaseFont /Arial#20Black\n"));

    EXPECT_EQ(w.bytes.count("/Subtype /Image"), 2);
    const ToolRun images = runTool(QStringLiteral("pdfimages"), {QStringLiteral("-list"), w.path}, kPoppler);
    const QList<QByteArray> rows = images.out.trimmed().split('\n').mid(2);
    ASSERT_EQ(rows.size(), 3) << images.out.toStdString();
    EXPECT_EQ(rows[0].simplified().split(' ').mid(0, 8).join(' '), "1 0 image 40 20 rgb 3 8");
    EXPECT_EQ(rows[1].simplified().split(' ').mid(0, 9).join(' '), "1 1 image 16 16 gray 1 8 jpeg");
    // Page 2 shows the first picture again, the same object.
    EXPECT_EQ(rows[2].simplified().split(' ').value(0), "2");
    EXPECT_EQ(rows[2].simplified().split(' ').value(10), rows[0].simplified().split(' ').value(10));
}

// Text hangs from its top-left corner: the baseline lies the font's ascent
// below it, and the cell (ascent + descent) holds the descenders, so a rule
// drawn at y + textHeight stays clear of them. Viewers substitute their own
// face for "Arial", so the test looks at the baseline, not at cap heights.
TEST(PdfCanvas, TextHangsFromItsTopLeftCorner)
{
    QTemporaryDir dir;
    const Font big = font(QStringLiteral("Arial"), 60);
    int ascent = 0, height = 0;
    const Written w = writePdf(dir, [&](PdfCanvas &p) {
        p.setPageSize({200, 200});
        p.setFont(big);
        height = p.textHeight(QStringLiteral("Hg"));
        p.textOut(20, 50, QStringLiteral("H"));
        p.textOut(100, 50, QStringLiteral("g"));
    });
    ascent = FontMetrics().ascent(big, 72);
    const Raster page = rasterize(w.path, 72);
    ASSERT_EQ(page.height, 199);
    // First and last inked row between two columns.
    const auto inkRows = [&](int from, int to) {
        std::pair<int, int> rows{-1, -1};
        for (int y = 0; y < page.height; ++y)
            for (int x = from; x < to; ++x)
                if (page.at(x, y) < 128) {
                    if (rows.first < 0)
                        rows.first = y;
                    rows.second = y;
                }
        return rows;
    };
    const auto [hTop, hBottom] = inkRows(0, 95);
    const auto [gTop, gBottom] = inkRows(95, 199);
    EXPECT_GE(hTop, 50);
    EXPECT_NEAR(hBottom + 1, 50 + ascent, 1);  // "H" stands on the baseline
    EXPECT_GT(gBottom, 50 + ascent);
    EXPECT_LT(gBottom, 50 + height);
}

TEST(PdfCanvas, PicturesAreStoredOnceAndEmptyOnesSkipped)
{
    QTemporaryDir dir;
    Image logo;
    ASSERT_TRUE(Picture::allocate(logo, 8, 8));
    logo.rgb[0] = 0;
    Image huge;  // wider than JPEG's 65500 pixels: kept losslessly instead
    huge.width = 65520;
    huge.height = 2;
    huge.rgb.assign(std::size_t(huge.width) * 2 * 3, 0);
    for (std::size_t i = 0; i < huge.rgb.size(); i += 7)
        huge.rgb[i] = 200;
    Image empty;
    empty.width = 5;
    empty.height = 0;

    int first = -2, again = -2, skipped = -2, noRect = -2;
    const Written w = writePdf(dir, [&](PdfCanvas &p) {
        first = p.drawImage({0, 0, 10, 10}, logo);
        for (int page = 0; page < 3; ++page) {
            p.newPage();
            again = p.drawImage({0, 0, 20, 20}, Image(logo));
            p.drawImageNr({30, 30, 40, 40}, first);
        }
        skipped = p.drawImage({0, 0, 10, 10}, empty);
        noRect = p.drawImage({10, 10, 10, 50}, logo);
        p.drawImageNr({0, 0, 10, 10}, 99);
        p.drawImage({0, 100, 500, 110}, huge);
    });
    EXPECT_EQ(first, 0);
    EXPECT_EQ(again, 0);
    EXPECT_EQ(skipped, -1);
    EXPECT_EQ(noRect, -1);
    EXPECT_EQ(w.bytes.count("/Subtype /Image"), 2);
    EXPECT_EQ(w.bytes.count("/Width 65520 /Height 2 /BitsPerComponent 8 /ColorSpace /DeviceRGB"), 1);
    EXPECT_EQ(w.bytes.count("/Filter /FlateDecode >>\nstream"), 5);  // 4 pages and the wide picture
    EXPECT_FALSE(w.bytes.contains("/Im99"));
    expectValidPdf(w.path);
}

TEST(PdfCanvas, FailuresLeaveNoFileAndAreReported)
{
    QTemporaryDir dir;
    PdfCanvas pdf;
    EXPECT_FALSE(pdf.beginDoc(dir.filePath(QStringLiteral("missing/x.pdf"))));
    EXPECT_FALSE(pdf.beginDoc(dir.path()));
    EXPECT_FALSE(pdf.isOpen());
    pdf.textOut(0, 0, QStringLiteral("nothing open"));
    pdf.fillRect({0, 0, 10, 10});
    EXPECT_FALSE(pdf.endDoc().ok);

    // The folder goes away while the document is being laid out.
    const QString folder = dir.filePath(QStringLiteral("gone"));
    ASSERT_TRUE(QDir().mkpath(folder));
    ASSERT_TRUE(pdf.beginDoc(folder + QStringLiteral("/x.pdf")));
    pdf.textOut(0, 0, QStringLiteral("text"));
    ASSERT_TRUE(QDir(folder).removeRecursively());
    const PdfCanvas::Result result = pdf.endDoc();
    EXPECT_FALSE(result.ok);
    EXPECT_FALSE(result.error.isEmpty());
    EXPECT_FALSE(QFileInfo::exists(folder + QStringLiteral("/x.pdf")));

    // An unfinished document never replaces the file that was there.
    const QString kept = dir.filePath(QStringLiteral("kept.pdf"));
    {
        QFile old(kept);
        ASSERT_TRUE(old.open(QIODevice::WriteOnly));
        old.write("old");
    }
    {
        PdfCanvas dropped;
        ASSERT_TRUE(dropped.beginDoc(kept));
        dropped.textOut(0, 0, QStringLiteral("new"));
    }
    EXPECT_EQ(readAll(kept), "old");
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden).size(), 1);
}

TEST(PdfCanvas, BarcodeSurvivesPrintingAndScanning)
{
    using namespace morvane::barcode;
    const BarPattern pattern = BuildBarPattern(bcEan13, QStringLiteral("400638133393"), EncodeOptions{});
    ASSERT_FALSE(pattern.empty());
    QTemporaryDir dir;
    const Written w = writePdf(dir, [&](PdfCanvas &p) {
        p.setBrush({Color::black()});
        const int module = 2, left = 60, top = 60;
        for (std::size_t i = 0; i < pattern.modules.size(); ++i) {
            const char m = pattern.modules[i];
            if (m != '0' && m != ' ' && m != 'X') {
                const int x = left + int(i) * module;
                p.fillRect({x, top, x + module + 1, top + 80});  // fillRect leaves out its last column
            }
        }
        p.setFont(font(QStringLiteral("Arial"), 10));
        p.textOut(left, top + 85, QStringLiteral("4006381333931"));
    });
    expectValidPdf(w.path);
    runTool(QStringLiteral("pdftoppm"),
            {QStringLiteral("-r"), QStringLiteral("300"), QStringLiteral("-png"), QStringLiteral("-singlefile"), w.path,
             dir.filePath(QStringLiteral("page"))},
            kPoppler);
    const ToolRun scan = runTool(QStringLiteral("zbarimg"),
                                 {QStringLiteral("--nodbus"), QStringLiteral("-q"), dir.filePath(QStringLiteral("page.png"))},
                                 QStringLiteral("zbar-tools"));
    EXPECT_EQ(scan.out.trimmed(), "EAN-13:4006381333931");
}

TEST(PdfSample, OpensCleanlyInTheIndependentReaders)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("sample.pdf"));
    const QDir data = QFileInfo(QString::fromUtf8(__FILE__)).dir();
    const PdfCanvas::Result result =
        PdfSample::write(path, {data.filePath(QStringLiteral("data/color.jpg")), data.filePath(QStringLiteral("data/rgba.png"))});
    ASSERT_TRUE(result.ok) << result.error.toStdString();
    expectValidPdf(path);

    const ToolRun text = runTool(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), path, QStringLiteral("-")}, kPoppler);
    EXPECT_EQ(QString::fromUtf8(text.out).count(QString::fromUtf8("Größe Äpfel Übermaß ß € (Klammer) \\")), 8);
    const ToolRun fonts = runTool(QStringLiteral("pdffonts"), {path}, kPoppler);
    for (const char *name : {"Arial Black", "Arial,Bold", "Arial,Italic", "Arial,BoldItalic", "Arial Narrow",
                             "Courier New", "Times New Roman"})
        EXPECT_TRUE(fonts.out.contains(QByteArray("\n") + name + " ")) << name;
    const ToolRun images = runTool(QStringLiteral("pdfimages"), {QStringLiteral("-list"), path}, kPoppler);
    EXPECT_EQ(images.out.trimmed().split('\n').size(), 2 + 3) << images.out.toStdString();  // 2 on page 1, 1 on page 2
    const ToolRun info = runTool(QStringLiteral("pdfinfo"),
                                 {QStringLiteral("-f"), QStringLiteral("1"), QStringLiteral("-l"), QStringLiteral("2"), path},
                                 kPoppler);
    const QString pages = QString::fromUtf8(info.out).simplified();
    EXPECT_TRUE(pages.contains(QStringLiteral("Page 1 size: 594 x 840 pts"))) << pages.toStdString();
    EXPECT_TRUE(pages.contains(QStringLiteral("Page 2 size: 840 x 594 pts"))) << pages.toStdString();
}
