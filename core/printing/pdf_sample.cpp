#include "core/printing/pdf_sample.h"

#include "core/printing/picture.h"

namespace morvane::printing {

namespace {

Font makeFont(const QString &family, double size, bool bold = false, bool italic = false)
{
    Font f;
    f.family = family;
    f.pointSize = size;
    f.bold = bold;
    f.italic = italic;
    return f;
}

Image gradient(int w, int h, bool gray)
{
    Image image;
    if (!Picture::allocate(image, w, h))
        return image;
    for (int y = 0; y < h; ++y) {
        for (int x = 0; x < w; ++x) {
            std::uint8_t *p = image.rgb.data() + (std::size_t(y) * w + x) * 3;
            const auto v = std::uint8_t(255 * x / std::max(1, w - 1));
            p[0] = v;
            p[1] = gray ? v : std::uint8_t(255 * y / std::max(1, h - 1));
            p[2] = gray ? v : std::uint8_t(255 - v);
        }
    }
    return image;
}

}  // namespace

PdfCanvas::Result PdfSample::write(const QString &path, const QStringList &pictures)
{
    PdfCanvas pdf;
    if (!pdf.beginDoc(path))
        return {false, QStringLiteral("cannot create %1").arg(path)};

    const int m = mmToDots(15, pdf.dpiX());
    int y = m;
    pdf.setFont(makeFont(QStringLiteral("Arial Black"), 18));
    pdf.textOut(m, y, QStringLiteral("Morvane PDF-Muster"));
    y += pdf.textHeight(QStringLiteral("L")) + 10;

    const struct {
        const char *family;
        double size;
        bool bold, italic;
    } fonts[] = {
        {"Arial", 12, false, false},       {"Arial", 12, true, false},  {"Arial", 12, false, true},
        {"Arial", 12, true, true},         {"Arial Narrow", 9, false, false}, {"Courier New", 8, false, false},
        {"Times New Roman", 14, false, false}, {"Arial", 24, false, false},
    };
    const QString german = QString::fromUtf8("Größe Äpfel Übermaß ß € (Klammer) \\ Tab\tEnde");
    for (const auto &f : fonts) {
        pdf.setFont(makeFont(QString::fromUtf8(f.family), f.size, f.bold, f.italic));
        const QString line = QStringLiteral("%1 %2: ").arg(QString::fromUtf8(f.family)).arg(f.size) + german;
        pdf.textOut(m, y, line);
        // The cell is the measured width and height: a frame around it shows
        // that measurement and drawing agree.
        pdf.setPen({Color{200, 200, 200}, 0});
        pdf.setBrush({Color::white(), BrushStyle::Clear});
        pdf.rectangle({m, y, m + pdf.textWidth(line), y + pdf.textHeight(line)});
        y += pdf.textHeight(line) + 4;
    }

    Font special = makeFont(QStringLiteral("Arial"), 11);
    special.underline = true;
    special.color = {0, 0, 160};
    pdf.setFont(special);
    pdf.textOut(m, y, QStringLiteral("unterstrichen"));
    special.underline = false;
    special.strikeOut = true;
    pdf.setFont(special);
    pdf.textOut(m + 120, y, QStringLiteral("durchgestrichen"));
    special.strikeOut = false;
    special.color = Color::black();
    pdf.setFont(special);
    pdf.setBrush({Color{255, 240, 120}});
    pdf.setTextOpaque(true);
    pdf.textOut(m + 260, y, QStringLiteral("deckend hinterlegt"));
    pdf.setTextOpaque(false);
    y += 30;

    const PenStyle styles[] = {PenStyle::Solid, PenStyle::Dash, PenStyle::Dot, PenStyle::DashDot, PenStyle::DashDotDot};
    for (int i = 0; i < 5; ++i) {
        pdf.setPen({Color{std::uint8_t(i * 50), 0, 0}, 1 + i % 2, styles[i]});
        pdf.moveTo(m, y + i * 8);
        pdf.lineTo(m + 200, y + i * 8);
    }
    pdf.setPen({Color::black(), 1, PenStyle::Clear});
    pdf.moveTo(m, y + 40);
    pdf.lineTo(m + 200, y + 40);  // a clear pen draws nothing
    y += 55;

    pdf.setPen({Color::black(), 1});
    pdf.setBrush({Color{200, 230, 255}});
    pdf.rectangle({m, y, m + 80, y + 50});
    pdf.setBrush({Color::fromBgr(0x808080)});
    pdf.fillRect({m + 100, y, m + 180, y + 50});
    pdf.setBrush({Color::white(), BrushStyle::Clear});
    pdf.setPen({Color{0, 128, 0}, 2});
    pdf.rectangle({m + 200, y, m + 280, y + 50});
    const Point triangle[] = {{m + 300, y + 50}, {m + 340, y}, {m + 380, y + 50}};
    pdf.setBrush({Color{255, 200, 0}});
    pdf.polygon(triangle);
    const Point star[] = {{m + 420, y + 50}, {m + 440, y}, {m + 460, y + 50}, {m + 410, y + 18}, {m + 470, y + 18}};
    pdf.polygon(star);
    pdf.setBrush({Color{180, 0, 180}});
    pdf.ellipse({m, y + 60, m + 120, y + 100});
    y += 115;

    // Turned text: the anchor (the text's top-left corner) is the centre.
    Font turned = makeFont(QStringLiteral("Arial"), 10);
    pdf.setPen({Color{255, 0, 0}, 0});
    pdf.setBrush({Color{255, 0, 0}});
    const int angles[] = {0, 450, 900, 1800, 2700};
    for (int i = 0; i < 5; ++i) {
        const int ax = m + 250 + i * 60, ay = y + 40;
        pdf.fillRect({ax - 1, ay - 1, ax + 2, ay + 2});
        turned.escapement = angles[i];
        pdf.setFont(turned);
        pdf.textOut(ax, ay, QStringLiteral("%1 Grad").arg(angles[i] / 10));
    }

    std::vector<Image> images;
    for (const QString &file : pictures) {
        PictureLoad load = Picture::load(file);
        if (load.ok())
            images.push_back(std::move(load.image));
    }
    if (images.empty()) {
        images.push_back(gradient(120, 80, false));
        images.push_back(gradient(64, 64, true));
    }
    int x = m;
    for (const Image &image : images) {
        const int w = 100;
        const int h = int(qint64(w) * image.height / image.width);
        pdf.drawImage({x, y, x + w, y + h}, image);
        x += w + 20;
    }

    // Page 2 in landscape, with the first picture again (stored once).
    pdf.newPage();
    pdf.setPageSize({841, 595});
    pdf.setFont(makeFont(QStringLiteral("Arial"), 14, true));
    pdf.textOut(m, m, QStringLiteral("Seite 2: A4 quer"));
    pdf.drawImage({m, m + 40, m + 240, m + 40 + int(240LL * images[0].height / images[0].width)}, images[0]);
    pdf.setPen({Color::black(), 0});
    for (int i = 0; i <= 10; ++i) {
        pdf.moveTo(m + 300, m + 40 + i * 20);
        pdf.lineTo(m + 700, m + 40 + i * 20);
    }
    return pdf.endDoc();
}

}  // namespace morvane::printing
