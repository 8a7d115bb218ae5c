// morvane-cli barcode: validate, complete and draw one symbol through the
// program's own barcode engine, onto a PNG picture or an A4 PDF page.
#include "cli/command_registry.h"
#include "core/barcode/barcode_type_info.h"
#include "core/barcode/custom_ean.h"
#include "core/printing/pdf_canvas.h"
#include "core/printing/pdf_sample.h"
#include "ui/printing/qt_canvas.h"

#include <QImage>
#include <QTextStream>

namespace morvane::cli {

namespace {

using barcode::TCustomEAN;
using barcode::TTypBarCode;

std::optional<TTypBarCode> typeNamed(const QString &name)
{
    for (int i = 0; i < barcode::kTypBarCodeCount; ++i) {
        const auto type = barcode::typBarCodeFromInt(i);
        if (barcode::BarcodeTypeInfo(type, {}).Name == name || barcode::BarcodeTypeName(type) == name)
            return type;
    }
    return std::nullopt;
}

QString option(const QStringList &args, const char *name, const QString &fallback = {})
{
    const qsizetype at = args.indexOf(QLatin1String(name));
    return at >= 0 && at + 1 < args.size() ? args[at + 1] : fallback;
}

int runBarcode(CliContext &, const QStringList &args)
{
    QTextStream out(stdout);
    QTextStream err(stderr);
    const QString typeName = option(args, "--type");
    if (typeName == QLatin1String("list")) {
        for (int i = 1; i < barcode::kTypBarCodeCount; ++i)
            out << barcode::BarcodeTypeInfo(barcode::typBarCodeFromInt(i), {}).Name << "\n";
        return 0;
    }
    const auto type = typeNamed(typeName);
    if (!type) {
        err << "unknown symbology \"" << typeName << "\" (see --type list)\n";
        return 2;
    }
    QString text = option(args, "--text");
    if (const QString addon = option(args, "--addon"); !addon.isEmpty())
        text += u' ' + addon;

    TCustomEAN ean;
    ean.SetTypBarCode(*type);
    if (!ean.CheckBarCode(text)) {
        err << ean.LastPaintErrorText() << "\n";
        return 1;
    }
    ean.SetBarCode(text);
    ean.ShowLabels = !args.contains(QStringLiteral("--no-labels"));
    out << ean.BarCode() << "\n";

    bool ok = true;
    const int module = std::clamp(option(args, "--module", QStringLiteral("3")).toInt(&ok), 1, 50);
    const int height = std::clamp(option(args, "--height", QStringLiteral("120")).toInt(&ok), 10, 5000);
    const int symbolWidth = ean.MinWidth() * module;
    const int quiet = 12 * module;

    if (const QString png = option(args, "--png"); !png.isEmpty()) {
        QImage image(symbolWidth + 2 * quiet, height + 2 * quiet, QImage::Format_RGB32);
        image.fill(Qt::white);
        {
            printing::QtCanvas canvas(image);
            ean.Security = true;  // whole modules, so every bar is sharp
            ean.PrintToCanvas(canvas, {quiet, quiet, quiet + symbolWidth, quiet + height});
        }
        if (ean.LastPaintError() != barcode::erOK || !image.save(png)) {
            err << "cannot draw " << png << ": " << ean.LastPaintErrorText() << "\n";
            return 1;
        }
    }
    if (const QString pdfPath = option(args, "--pdf"); !pdfPath.isEmpty()) {
        printing::PdfCanvas pdf;
        pdf.setPageSize(printing::PdfCanvas::pageSizeFromPrinter({0, 0}, 0, 0));
        if (!pdf.beginDoc(pdfPath)) {
            err << "cannot create " << pdfPath << "\n";
            return 1;
        }
        // Page units are points: two per module prints at a size every
        // scanner reads.
        ean.Security = true;
        const int width = ean.MinWidth() * 2;
        ean.PrintToCanvas(pdf, {72, 72, 72 + width, 72 + height});
        if (const auto written = pdf.endDoc(); !written) {
            err << "cannot write " << pdfPath << ": " << written.error << "\n";
            return 1;
        }
    }
    return 0;
}

int runPdf(CliContext &, const QStringList &args)
{
    if (args.size() < 2 || args[0] != QLatin1String("sample"))
        return usage();
    const auto written = printing::PdfSample::write(args[1], args.mid(2));
    if (!written) {
        QTextStream(stderr) << "cannot write " << args[1] << ": " << written.error << "\n";
        return 1;
    }
    return 0;
}

}  // namespace

static const CommandRegistration barcodeCommand(
    QStringLiteral("barcode"), runBarcode,
    "barcode --type NAME|list --text TEXT [--png OUT.png] [--pdf OUT.pdf] [--module N] [--height PX]"
    " [--no-labels] [--addon TEXT]");
static const CommandRegistration pdfCommand(QStringLiteral("pdf"), runPdf, "pdf sample OUT.pdf [PICTURE ...]");

}  // namespace morvane::cli
