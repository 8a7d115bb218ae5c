#include "core/printing/pdf_canvas.h"

#include "core/base/atomic_file.h"
#include "core/base/cp1252.h"
#include "core/printing/font_metrics.h"
#include "core/printing/picture.h"
#include "core/printing/picture_jpeg_codec.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QTemporaryFile>

#include <zlib.h>

#include <cmath>
#include <numbers>

namespace morvane::printing {

namespace {

constexpr int kJpegQuality = 90;

// Decimal with up to three places, no exponent, "." whatever the locale.
QByteArray num(double v)
{
    if (v == std::floor(v) && std::abs(v) < 1e15)
        return QByteArray::number(qint64(v));
    QByteArray s = QByteArray::number(v, 'f', 3);
    while (s.endsWith('0'))
        s.chop(1);
    if (s.endsWith('.'))
        s.chop(1);
    return s == "-0" ? QByteArray("0") : s;
}

QByteArray num(qint64 v)
{
    return QByteArray::number(v);
}

std::optional<QByteArray> deflate(QByteArrayView data)
{
    uLongf length = compressBound(uLong(data.size()));
    QByteArray out;
    try {
        out.resize(qsizetype(length));
    } catch (const std::bad_alloc &) {
        return std::nullopt;
    }
    if (compress2(reinterpret_cast<Bytef *>(out.data()), &length, reinterpret_cast<const Bytef *>(data.data()),
                  uLong(data.size()), Z_DEFAULT_COMPRESSION)
        != Z_OK)
        return std::nullopt;
    out.resize(qsizetype(length));
    return out;
}

QByteArray dashPattern(PenStyle style)
{
    switch (style) {
    case PenStyle::Solid:
        return "[ ] 0 d";
    case PenStyle::Dash:
        return "[3] 0 d";
    case PenStyle::Dot:
        return "[1] 0 d";
    case PenStyle::DashDot:
        return "[3 1 1 1] 0 d";
    case PenStyle::DashDotDot:
        return "[3 1 1 1 1 1] 0 d";
    case PenStyle::Clear:
        break;
    }
    return {};
}

}  // namespace

PdfCanvas::PdfCanvas() : ownMetrics_(std::make_unique<FontMetrics>()), metrics_(ownMetrics_.get()) {}

PdfCanvas::PdfCanvas(FontMetrics &metrics) : metrics_(&metrics) {}

PdfCanvas::~PdfCanvas() = default;

void PdfCanvas::setPageSize(Size points)
{
    pageWidth_ = points.width;
    pageHeight_ = points.height;
}

Size PdfCanvas::pageSizeFromPrinter(Size dots, int dpiX, int dpiY)
{
    if (dpiX <= 0 || dpiY <= 0 || dots.width <= 0 || dots.height <= 0)
        return {595, 841};
    // 200 inches, the largest page PDF readers accept.
    constexpr qint64 kLargest = 14400;
    return {int(std::min(kLargest, qint64(dots.width) * 72 / dpiX)),
            int(std::min(kLargest, qint64(dots.height) * 72 / dpiY))};
}

QByteArray PdfCanvas::pdfFontName(const QString &family, bool bold, bool italic)
{
    static const QByteArray delimiters("#%()/<>[]{}");
    QByteArray name;
    for (const unsigned char c : base::Cp1252::encode(family)) {
        if (c == 0)
            continue;
        if (c >= 33 && c <= 126 && !delimiters.contains(char(c)))
            name += char(c);
        else
            name += '#' + QByteArray::number(c, 16).toUpper().rightJustified(2, '0');
    }
    if (bold && italic)
        name += ",BoldItalic";
    else if (italic)
        name += ",Italic";
    else if (bold)
        name += ",Bold";
    return name;
}

QByteArray PdfCanvas::colorOperands(Color color)
{
    QByteArray s;
    for (const std::uint8_t c : {color.r, color.g, color.b}) {
        if (!s.isEmpty())
            s += ' ';
        s += QByteArray::number(c / 255.0, 'g', 15);
    }
    return s;
}

QByteArray PdfCanvas::escapeText(const QString &text)
{
    QByteArray out;
    for (const char ch : base::Cp1252::encode(text)) {
        const auto c = static_cast<unsigned char>(ch);
        switch (c) {
        case '\\': out += "\\\\"; break;
        case '(': out += "\\("; break;
        case ')': out += "\\)"; break;
        case '\n': out += "\\n"; break;
        case '\r': out += "\\r"; break;
        case '\t': out += "\\t"; break;
        case '\b': out += "\\b"; break;
        case '\f': out += "\\f"; break;
        default:
            if (c < 32)
                out += '\\' + QByteArray::number(c, 8).rightJustified(3, '0');
            else
                out += ch;
        }
    }
    return out;
}

// ---------------------------------------------------------------- document

bool PdfCanvas::beginDoc(const QString &path)
{
    abort();
    const QFileInfo target(path);
    if (path.isEmpty() || target.isDir() || (target.exists() && !target.isWritable()))
        return false;
    // The file itself is written at the end; prove now that it can be, so
    // the caller can say so before anything is laid out.
    QTemporaryFile probe(QDir(target.absolutePath()).filePath(QStringLiteral(".pdfprobe-XXXXXX")));
    if (!probe.open())
        return false;
    probe.close();

    path_ = target.absoluteFilePath();
    failure_.clear();
    out_ = "%PDF-1.3\n";
    offsets_.clear();
    pages_.clear();
    fonts_.clear();
    images_.clear();
    imageByDigest_.clear();
    beginObject();
    out_ += "[/PDF /Text /ImageB /ImageC /ImageI]\nendobj\n";
    open_ = true;
    beginPage();
    return true;
}

void PdfCanvas::abort()
{
    open_ = false;
    out_.clear();
    content_.clear();
    offsets_.clear();
    pages_.clear();
    fonts_.clear();
    images_.clear();
    imageByDigest_.clear();
}

void PdfCanvas::fail(const QString &reason)
{
    if (failure_.isEmpty())
        failure_ = reason;
}

int PdfCanvas::beginObject()
{
    offsets_.push_back(out_.size());
    const int number = int(offsets_.size());
    out_ += num(qint64(number)) + " 0 obj\n";
    return number;
}

void PdfCanvas::beginPage()
{
    content_.clear();
    stroke_.reset();
    fill_.reset();
    fontNr_ = 0;
    fontSize_ = 0;
}

void PdfCanvas::endPage()
{
    std::optional<QByteArray> packed = deflate(content_);
    if (!packed) {
        fail(QStringLiteral("not enough memory to compress page %1").arg(pages_.size() + 1));
        packed = QByteArray();
    }
    const int n = beginObject();
    out_ += "<< /Length " + num(qint64(n + 1)) + " 0 R /Filter /FlateDecode >>\nstream\n";
    out_ += *packed;
    out_ += "\nendstream\nendobj\n";
    beginObject();
    out_ += num(qint64(packed->size())) + "\nendobj\n";
    pages_.push_back({pageWidth_, pageHeight_});
    content_.clear();
}

void PdfCanvas::newPage()
{
    if (!open_)
        return;
    endPage();
    beginPage();
}

QByteArray PdfCanvas::fontObject(const FontKey &font)
{
    const FaceMetrics &m = metrics_->face(font.family, font.bold, font.italic);
    const QByteArray name = pdfFontName(font.family, font.bold, font.italic);
    int flags = 32;  // non-symbolic: the WinAnsi codes name the glyphs
    if (m.fixedPitch)
        flags |= 1;
    if (m.serif)
        flags |= 2;
    if (font.italic || m.italicAngle != 0)
        flags |= 64;
    // Viewers without the face pick a bold substitute by this flag; the
    // name alone does not say it for "Arial Black".
    if (font.bold || m.bold)
        flags |= 1 << 18;
    QByteArray s = "<<\n/Type /Font\n/Subtype /TrueType\n/Encoding /WinAnsiEncoding\n/BaseFont /" + name + "\n";
    s += "/FontDescriptor <</Type/FontDescriptor/FontName/" + name + "/FontBBox[" + num(qint64(m.bboxLeft)) + ' '
        + num(qint64(m.bboxBottom)) + ' ' + num(qint64(m.bboxRight)) + ' ' + num(qint64(m.bboxTop)) + "]/Flags "
        + num(qint64(flags)) + "/Ascent " + num(qint64(m.ascent)) + "/Descent " + num(qint64(m.descent))
        + "/CapHeight " + num(qint64(m.capHeight)) + "/StemV " + num(qint64(font.bold || m.bold ? 120 : 80))
        + "/ItalicAngle " + num(qint64(m.italicAngle)) + ">>\n";
    // Every code a WinAnsi string can hold, whatever the face's own range.
    s += "/FirstChar 32\n/LastChar 255\n/Widths [";
    for (int code = 32; code < 256; ++code) {
        s += num(qint64(m.widths[code]));
        s += (code % 16 == 15) ? '\n' : ' ';
    }
    s += "]\n>>\nendobj\n";
    return s;
}

PdfCanvas::Result PdfCanvas::endDoc()
{
    if (!open_)
        return {false, QStringLiteral("no PDF document is open")};
    endPage();

    const qint64 pageCount = qint64(pages_.size());
    const qint64 firstFont = qint64(offsets_.size()) + 1;
    for (const FontKey &font : fonts_) {
        beginObject();
        out_ += fontObject(font);
    }
    const qint64 tree = qint64(offsets_.size()) + 1;
    const qint64 firstImage = tree + pageCount + 3;

    beginObject();
    out_ += "<<\n/Type /Pages\n/Count " + num(pageCount) + "\n/Kids [";
    for (qint64 i = 0; i < pageCount; ++i)
        out_ += num(tree + 1 + i) + (i + 1 < pageCount ? " 0 R " : " 0 R]\n");
    out_ += ">>\nendobj\n";

    QByteArray resources = "/Resources <</XObject << ";
    for (qsizetype j = 0; j < qsizetype(images_.size()); ++j)
        resources += "/Im" + num(qint64(j)) + ' ' + num(firstImage + j) + " 0 R";
    resources += " >>\n/Font << ";
    for (qsizetype f = 0; f < qsizetype(fonts_.size()); ++f)
        resources += "/F" + num(qint64(f + 1)) + ' ' + num(firstFont + f) + " 0 R";
    resources += ">> /ProcSet 1 0 R\n>>\n";
    for (qint64 i = 0; i < pageCount; ++i) {
        const Size size = pages_[std::size_t(i)];
        beginObject();
        out_ += "<<\n/Type /Page\n/Parent " + num(tree) + " 0 R\n" + resources;
        out_ += "/MediaBox [0 0 " + num(qint64(size.width) - 1) + ' ' + num(qint64(size.height) - 1) + "]\n";
        out_ += "/Contents " + num(2 + 2 * i) + " 0 R\n>>\nendobj\n";
    }
    const int root = beginObject();
    out_ += "<<\n/Type /Catalog\n/Pages " + num(tree) + " 0 R\n/Outlines " + num(tree + pageCount + 2)
        + " 0 R\n>>\nendobj\n";
    beginObject();
    out_ += "<<\n/Type /Outlines\n/Count 0\n>>\nendobj\n";

    for (const StoredImage &image : images_) {
        beginObject();
        out_ += "<< /Type /XObject /Subtype /Image /Width " + num(qint64(image.width)) + " /Height "
            + num(qint64(image.height)) + " /BitsPerComponent 8 /ColorSpace "
            + (image.gray ? "/DeviceGray" : "/DeviceRGB") + " /Length " + num(qint64(image.data.size()))
            + (image.jpeg ? " /Filter /DCTDecode" : " /Filter /FlateDecode") + " >>\nstream\n";
        out_ += image.data;
        out_ += "\nendstream\nendobj\n";
    }

    const qsizetype xref = out_.size();
    const qint64 objects = qint64(offsets_.size()) + 1;
    out_ += "xref\n0 " + num(objects) + "\n0000000000 65535 f \n";
    for (const qsizetype offset : offsets_)
        out_ += num(qint64(offset)).rightJustified(10, '0') + " 00000 n \n";
    QByteArray id(17, Qt::Uninitialized);
    QRandomGenerator::system()->fillRange(reinterpret_cast<quint32 *>(id.data()), 4);
    id[16] = char(QRandomGenerator::system()->bounded(256));
    const QByteArray hexId = id.toHex().toUpper();
    out_ += "trailer\n<<\n/Size " + num(objects) + "\n/Root " + num(qint64(root)) + " 0 R\n/ID [ <" + hexId + "><"
        + hexId + "> ]\n>>\nstartxref\n" + num(qint64(xref)) + "\n%%EOF";

    Result result;
    if (!failure_.isEmpty()) {
        result.error = failure_;
    } else {
        const base::AtomicFile::Result written = base::AtomicFile::write(path_, out_);
        result.ok = written.ok;
        result.error = written.error;
    }
    abort();
    return result;
}

// ----------------------------------------------------------------- drawing

void PdfCanvas::line(const QByteArray &text)
{
    content_ += text;
    content_ += '\n';
}

QByteArray PdfCanvas::point(int x, int y) const
{
    return num(qint64(x)) + ' ' + num(pdfY(y));
}

bool PdfCanvas::applyStroke()
{
    const Pen &pen = pen_;
    if (!stroke_ || stroke_->style != pen.style || stroke_->width != pen.width || stroke_->color != pen.color) {
        stroke_ = pen;
        if (pen.style != PenStyle::Clear) {
            line(dashPattern(pen.style));
            line(num(qint64(pen.width)) + " w");
            line(colorOperands(pen.color) + " RG");
        }
    }
    return pen.style != PenStyle::Clear;
}

void PdfCanvas::applyFillColor(Color color)
{
    if (fill_ && *fill_ == color)
        return;
    fill_ = color;
    line(colorOperands(color) + " rg");
}

bool PdfCanvas::applyFill()
{
    if (brush_.style == BrushStyle::Clear)
        return false;
    applyFillColor(brush_.color);
    return true;
}

void PdfCanvas::applyFont()
{
    const FontKey key{font_.family, font_.bold, font_.italic};
    int nr = 0;
    for (std::size_t i = 0; i < fonts_.size() && !nr; ++i) {
        if (fonts_[i] == key)
            nr = int(i) + 1;
    }
    if (!nr) {
        fonts_.push_back(key);
        nr = int(fonts_.size());
    }
    if (nr == fontNr_ && font_.pointSize == fontSize_)
        return;
    fontNr_ = nr;
    fontSize_ = font_.pointSize;
    line("/F" + num(qint64(nr)) + ' ' + num(font_.pointSize) + " Tf");
}

void PdfCanvas::moveTo(int x, int y)
{
    penPos_ = {x, y};
}

void PdfCanvas::lineTo(int x, int y)
{
    if (open_ && applyStroke()) {
        line(point(penPos_.x, penPos_.y) + " m");
        line(point(x, y) + " l");
        line("S");
    }
    penPos_ = {x, y};
}

void PdfCanvas::fillRect(const Rect &r)
{
    if (!open_ || r.left == r.right || r.top == r.bottom || !applyFill())
        return;
    const qint64 w = r.right > r.left ? qint64(r.right) - r.left - 1 : qint64(r.right) - r.left + 1;
    const qint64 h = r.bottom > r.top ? qint64(r.bottom) - r.top - 1 : qint64(r.bottom) - r.top + 1;
    line(num(qint64(r.left)) + ' ' + num(qint64(pageHeight_) - r.bottom) + ' ' + num(w) + ' ' + num(h) + " re");
    line("f");
}

void PdfCanvas::rectangle(const Rect &r)
{
    if (pen_.style == PenStyle::Clear) {
        fillRect(r);
        return;
    }
    if (!open_ || r.left == r.right || r.top == r.bottom)
        return;
    applyStroke();
    if (applyFill()) {
        const qint64 w = r.right > r.left ? qint64(r.right) - r.left - 1 : qint64(r.right) - r.left + 1;
        const qint64 h = r.bottom > r.top ? qint64(r.bottom) - r.top - 1 : qint64(r.bottom) - r.top + 1;
        line(num(qint64(r.left)) + ' ' + num(qint64(pageHeight_) - r.bottom) + ' ' + num(w) + ' ' + num(h) + " re");
        line("B");
        return;
    }
    const Point corners[] = {{r.left, r.top}, {r.right - 1, r.top}, {r.right - 1, r.bottom - 1},
                             {r.left, r.bottom - 1}, {r.left, r.top}};
    for (int i = 0; i < 4; ++i) {
        line(point(corners[i].x, corners[i].y) + " m");
        line(point(corners[i + 1].x, corners[i + 1].y) + " l");
        line("S");
    }
}

void PdfCanvas::polygon(std::span<const Point> points)
{
    if (!open_ || points.size() < 2)
        return;
    const bool stroke = applyStroke();
    const bool fill = applyFill();
    if (!stroke && !fill)
        return;
    line(point(points[0].x, points[0].y) + " m");
    for (std::size_t i = 1; i < points.size(); ++i)
        line(point(points[i].x, points[i].y) + " l");
    // Even-odd, the filling rule of a Windows polygon.
    line(fill ? (stroke ? "h B*" : "h f*") : "s");
}

void PdfCanvas::ellipse(const Rect &r)
{
    if (!open_ || r.left == r.right || r.top == r.bottom)
        return;
    const bool stroke = applyStroke();
    const bool fill = applyFill();
    if (!stroke && !fill)
        return;
    // Same box as rectangle(): the outline runs through the last column/row.
    const double x0 = r.left, x1 = r.right - 1, y0 = pdfY(r.top), y1 = pdfY(r.bottom - 1);
    const double cx = (x0 + x1) / 2, cy = (y0 + y1) / 2, rx = (x1 - x0) / 2, ry = (y0 - y1) / 2;
    const double k = 4.0 * (std::numbers::sqrt2 - 1) / 3;
    const auto p = [](double x, double y) { return num(x) + ' ' + num(y); };
    line(p(cx + rx, cy) + " m");
    line(p(cx + rx, cy + k * ry) + ' ' + p(cx + k * rx, cy + ry) + ' ' + p(cx, cy + ry) + " c");
    line(p(cx - k * rx, cy + ry) + ' ' + p(cx - rx, cy + k * ry) + ' ' + p(cx - rx, cy) + " c");
    line(p(cx - rx, cy - k * ry) + ' ' + p(cx - k * rx, cy - ry) + ' ' + p(cx, cy - ry) + " c");
    line(p(cx + k * rx, cy - ry) + ' ' + p(cx + rx, cy - k * ry) + ' ' + p(cx + rx, cy) + " c");
    line(fill ? (stroke ? "h B" : "h f") : "s");
}

void PdfCanvas::textOut(int x, int y, const QString &text)
{
    if (!open_ || text.isEmpty())
        return;
    const int ascent = metrics_->ascent(font_, 72);
    const double angle = font_.escapement / 10.0 * std::numbers::pi / 180.0;
    const double c = std::cos(angle), s = std::sin(angle);
    const bool rotated = font_.escapement % 3600 != 0;
    // The text and its cell in text space: origin on the baseline, so the
    // top-left corner is (0, ascent), turned about the anchor (x, y).
    const double top = pdfY(y);
    const auto matrix = [&](double dx, double dy) {
        const double ox = x + dx * c - dy * s;
        const double oy = top + dx * s + dy * c;
        return num(std::round(c * 1e5) / 1e5) + ' ' + num(std::round(s * 1e5) / 1e5) + ' '
            + num(-std::round(s * 1e5) / 1e5) + ' ' + num(std::round(c * 1e5) / 1e5) + ' ' + num(ox) + ' ' + num(oy);
    };

    if (opaque_ && brush_.style != BrushStyle::Clear) {
        applyFillColor(brush_.color);
        const QByteArray box = "0 0 " + num(qint64(textWidth(text))) + ' ' + num(qint64(textHeight(text))) + " re f";
        line("q " + matrix(0, -textHeight(text)) + " cm " + box + " Q");
    }

    line("BT");
    applyFillColor(font_.color);
    applyFont();
    if (rotated)
        line(matrix(0, -ascent) + " Tm (" + escapeText(text) + ") Tj");
    else
        line(num(qint64(x)) + ' ' + num(top - ascent) + " Td (" + escapeText(text) + ") Tj");
    line("ET");

    if (font_.underline || font_.strikeOut) {
        const FaceMetrics &face = metrics_->face(font_);
        const double scale = font_.pointSize / 1000.0;
        const double thickness = std::max(0.5, face.underlineThickness * scale);
        const double width = metrics_->textUnits(font_, text) * scale;
        QByteArray bars;
        if (font_.underline)
            bars += "0 " + num(face.underlinePosition * scale - thickness / 2) + ' ' + num(width) + ' '
                + num(thickness) + " re f ";
        if (font_.strikeOut)
            bars += "0 " + num(face.capHeight * scale / 2 - thickness / 2) + ' ' + num(width) + ' ' + num(thickness)
                + " re f ";
        line("q " + matrix(0, -ascent) + " cm " + bars + "Q");
    }
}

int PdfCanvas::textWidth(const QString &text)
{
    return metrics_->textWidth(font_, text, 72);
}

int PdfCanvas::textHeight(const QString &)
{
    return metrics_->textHeight(font_, 72);
}

// ----------------------------------------------------------------- images

int PdfCanvas::drawImage(const Rect &rect, const Image &image)
{
    if (!open_ || image.isNull() || rect.width() == 0 || rect.height() == 0)
        return -1;
    const std::size_t bytes = std::size_t(image.width) * std::size_t(image.height) * 3;
    QCryptographicHash hash(QCryptographicHash::Sha256);
    const qint64 size[2] = {image.width, image.height};
    hash.addData(QByteArrayView(reinterpret_cast<const char *>(size), sizeof size));
    hash.addData(QByteArrayView(reinterpret_cast<const char *>(image.rgb.data()), qsizetype(bytes)));
    const QByteArray digest = hash.result();

    int nr = imageByDigest_.value(digest, -1);
    if (nr < 0) {
        StoredImage stored;
        stored.width = image.width;
        stored.height = image.height;
        stored.gray = Picture::isGray(image);
        if (std::optional<QByteArray> jpeg = JpegCodec::encode(image, kJpegQuality, stored.gray)) {
            stored.data = std::move(*jpeg);
        } else {
            // JPEG cannot hold it (a side over 65500 pixels): keep the
            // samples losslessly instead of leaving the page's reference empty.
            stored.jpeg = false;
            std::optional<QByteArray> packed;
            if (stored.gray) {
                QByteArray samples(qsizetype(bytes / 3), Qt::Uninitialized);
                for (std::size_t i = 0; i < bytes / 3; ++i)
                    samples[qsizetype(i)] = char(image.rgb[3 * i]);
                packed = deflate(samples);
            } else {
                packed = deflate(QByteArrayView(reinterpret_cast<const char *>(image.rgb.data()), qsizetype(bytes)));
            }
            if (!packed) {
                fail(QStringLiteral("not enough memory for a picture of %1 x %2").arg(image.width).arg(image.height));
                return -1;
            }
            stored.data = std::move(*packed);
        }
        nr = int(images_.size());
        images_.push_back(std::move(stored));
        imageByDigest_.insert(digest, nr);
    }
    placeImage(rect, nr);
    return nr;
}

void PdfCanvas::drawImageNr(const Rect &rect, int imageNr)
{
    if (!open_ || imageNr < 0 || imageNr >= int(images_.size()) || rect.width() == 0 || rect.height() == 0)
        return;
    placeImage(rect, imageNr);
}

void PdfCanvas::placeImage(const Rect &rect, int imageNr)
{
    const qint64 w = rect.width() < 1 ? qint64(rect.width()) + 1 : qint64(rect.width()) - 1;
    const qint64 h = rect.height() < 1 ? qint64(rect.height()) + 1 : qint64(rect.height()) - 1;
    line("q");
    line(num(w) + " 0 0 " + num(h) + ' ' + num(qint64(rect.left)) + ' ' + num(qint64(pageHeight_) - rect.top - h)
         + " cm");
    line("/Im" + num(qint64(imageNr)) + " Do");
    line("Q");
}

}  // namespace morvane::printing
