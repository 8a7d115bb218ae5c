#pragma once

#include "core/printing/canvas.h"

#include <QByteArray>
#include <QHash>
#include <QString>

#include <memory>
#include <optional>
#include <vector>

namespace morvane::printing {

class FontMetrics;

// TPDFCanvas: writes PDF 1.3 files by itself, one point (1/72 inch) per dot,
// origin top left. Documents, lists and labels draw on it with the same
// routines that draw on the printer.
//
// The whole file is built in memory and replaces the target in one step at
// endDoc(), so a failure never leaves a short file behind and every
// cross-reference offset is known exactly. A document that is not ended is
// dropped when the canvas goes away.
//
//   PdfCanvas pdf;
//   pdf.setPageSize(PdfCanvas::pageSizeFromPrinter(dots, dpiX, dpiY));
//   if (!pdf.beginDoc(path)) ...        // "Konnte PDF-Datei nicht erstellen!"
//   ... draw, pdf.newPage(), draw ...
//   if (auto written = pdf.endDoc(); !written) ... written.error ...
class PdfCanvas : public Canvas {
public:
    struct Result {
        bool ok = false;
        QString error;
        explicit operator bool() const { return ok; }
    };

    PdfCanvas();                               // measures with its own FontMetrics
    explicit PdfCanvas(FontMetrics &metrics);  // shares a cache with other canvases
    ~PdfCanvas() override;
    PdfCanvas(const PdfCanvas &) = delete;
    PdfCanvas &operator=(const PdfCanvas &) = delete;

    // PageWidth and PageHeight: may change at any time; the size when a page
    // ends is the size of that page.
    void setPageSize(Size points);
    // The printer's paper in points; A4 when there is no printer to ask
    // (resolution 0) or it reports no paper.
    static Size pageSizeFromPrinter(Size dots, int dpiX, int dpiY);

    // Starts a document with page 1; false when the file cannot be written
    // there (missing folder, no permission, a folder of that name).
    bool beginDoc(const QString &path);
    // Ends the last page and writes the file. On failure the target keeps its
    // old contents (or stays absent) and the reason is returned.
    Result endDoc();
    // Drops the document without touching the file.
    void abort();
    bool isOpen() const { return open_; }
    int pageCount() const { return int(pages_.size()) + (open_ ? 1 : 0); }

    // DrawDIB: the picture stretched into the rectangle. Returns the image's
    // number for drawImageNr, or -1 when nothing was drawn (no document, an
    // empty picture or rectangle). A picture drawn again, even from another
    // copy, is stored once.
    int drawImage(const Rect &rect, const Image &image);
    // DrawDIBOfImageNr: an image added before, by its number.
    void drawImageNr(const Rect &rect, int imageNr);

    // Canvas
    void setPen(const Pen &pen) override { pen_ = pen; }
    void setBrush(const Brush &brush) override { brush_ = brush; }
    void setFont(const Font &font) override { font_ = font; }
    void setTextOpaque(bool opaque) override { opaque_ = opaque; }
    void moveTo(int x, int y) override;
    void lineTo(int x, int y) override;
    void rectangle(const Rect &rect) override;
    void fillRect(const Rect &rect) override;
    void polygon(std::span<const Point> points) override;
    void ellipse(const Rect &rect) override;
    void textOut(int x, int y, const QString &text) override;
    int textWidth(const QString &text) override;
    int textHeight(const QString &text) override;
    void stretchDraw(const Rect &rect, const Image &image) override { drawImage(rect, image); }
    Size pageSize() const override { return {pageWidth_, pageHeight_}; }
    int dpiX() const override { return 72; }
    int dpiY() const override { return 72; }
    void newPage() override;
    bool isPrinter() const override { return true; }

    // The content stream of the page being drawn, uncompressed (for tests).
    const QByteArray &pageContent() const { return content_; }

    // PDF name of a font: the face name with delimiters escaped as #xx, then
    // ",Bold", ",Italic" or ",BoldItalic".
    static QByteArray pdfFontName(const QString &family, bool bold, bool italic);
    // A colour as "r g b" with components 0..1.
    static QByteArray colorOperands(Color color);
    // A text as a PDF string body in CP1252, with its escapes.
    static QByteArray escapeText(const QString &text);

private:
    struct FontKey {
        QString family;
        bool bold = false;
        bool italic = false;
        friend bool operator==(const FontKey &, const FontKey &) = default;
    };
    struct StoredImage {
        int width = 0;
        int height = 0;
        bool gray = false;
        bool jpeg = true;  // DCTDecode; else FlateDecode of the raw samples
        QByteArray data;
    };

    void beginPage();
    void endPage();
    void fail(const QString &reason);
    void line(const QByteArray &text);
    qint64 pdfY(int y) const { return qint64(pageHeight_) - y - 1; }
    QByteArray point(int x, int y) const;

    // Emit the pen, brush or font when it differs from what the page has.
    bool applyStroke();  // false: the pen draws nothing
    bool applyFill();    // false: the brush fills nothing
    void applyFillColor(Color color);
    void applyFont();
    void placeImage(const Rect &rect, int imageNr);

    // The parts of the file.
    int beginObject();
    void writeFonts();
    QByteArray fontObject(const FontKey &font);

    std::unique_ptr<FontMetrics> ownMetrics_;
    FontMetrics *metrics_ = nullptr;

    int pageWidth_ = 595;
    int pageHeight_ = 841;
    bool opaque_ = false;
    Point penPos_;

    bool open_ = false;
    QString path_;
    QString failure_;
    QByteArray out_;                 // the file so far
    std::vector<qsizetype> offsets_;  // of objects 1..n
    std::vector<Size> pages_;        // finished pages
    QByteArray content_;             // the current page, uncompressed
    std::vector<FontKey> fonts_;
    std::vector<StoredImage> images_;
    QHash<QByteArray, int> imageByDigest_;

    // What the page has in effect, to emit only changes.
    std::optional<Pen> stroke_;
    std::optional<Color> fill_;
    int fontNr_ = 0;
    double fontSize_ = 0;
};

}  // namespace morvane::printing
