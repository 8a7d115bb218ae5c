// A 100-page list: about 50 text lines, a grid and one picture per page,
// written by the PDF writer. Reports the file size beside the time.
#include "core/printing/pdf_canvas.h"
#include "core/printing/picture.h"

#include <QFileInfo>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

using namespace morvane::printing;

namespace {

Image makeLogo()
{
    Image logo;
    Picture::allocate(logo, 300, 120);
    for (int y = 0; y < logo.height; ++y)
        for (int x = 0; x < logo.width; ++x) {
            std::uint8_t *p = logo.rgb.data() + (std::size_t(y) * logo.width + x) * 3;
            p[0] = std::uint8_t(x * 255 / logo.width);
            p[1] = std::uint8_t(y * 255 / logo.height);
            p[2] = std::uint8_t((x ^ y) & 0xFF);
        }
    return logo;
}

void drawDocument(PdfCanvas &pdf, const Image &logo, int pages)
{
    Font body;
    body.family = QStringLiteral("Arial");
    body.pointSize = 10;
    Font head = body;
    head.bold = true;
    head.pointSize = 14;
    for (int page = 0; page < pages; ++page) {
        if (page > 0)
            pdf.newPage();
        pdf.drawImage({40, 30, 190, 90}, logo);
        pdf.setFont(head);
        pdf.textOut(220, 50, QString::fromUtf8("Artikelliste – Seite %1").arg(page + 1));
        pdf.setFont(body);
        pdf.setPen({Color{160, 160, 160}, 0});
        for (int line = 0; line < 50; ++line) {
            const int y = 110 + line * 14;
            pdf.textOut(42, y, QStringLiteral("%1").arg(page * 50 + line + 10000));
            pdf.textOut(110, y, QString::fromUtf8("Schraube M%1 verzinkt, Größe %2 mm").arg(line % 12 + 3).arg(line * 5 + 10));
            pdf.textOut(400, y, QStringLiteral("%1,%2 €").arg(line * 3 + 1).arg(line % 100, 2, 10, QLatin1Char('0')));
            pdf.moveTo(40, y + 13);
            pdf.lineTo(555, y + 13);
        }
        for (int x : {40, 105, 395, 555}) {
            pdf.moveTo(x, 108);
            pdf.lineTo(x, 110 + 50 * 14);
        }
    }
}

void BM_PdfWriter100Pages(benchmark::State &state)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("list.pdf"));
    const Image logo = makeLogo();
    for (auto _ : state) {
        PdfCanvas pdf;
        pdf.beginDoc(path);
        drawDocument(pdf, logo, 100);
        if (!pdf.endDoc().ok)
            state.SkipWithError("PDF not written");
    }
    state.counters["bytes"] = double(QFileInfo(path).size());
}
BENCHMARK(BM_PdfWriter100Pages)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
