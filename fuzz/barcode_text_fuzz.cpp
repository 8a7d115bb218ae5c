// Barcode texts come from article fields and typed input: first byte picks
// the type and the options, the rest is the text (UTF-8).
#include "core/barcode/custom_ean.h"
#include "core/printing/recording_canvas.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    using namespace morvane::barcode;
    if (size < 2)
        return 0;
    TCustomEAN ean;
    ean.SetTypBarCode(typBarCodeFromInt(data[0] % kTypBarCodeCount));
    ean.AutoCheckDigit = data[1] & 1;
    ean.ShowLabels = data[1] & 2;
    ean.Security = data[1] & 4;
    ean.Angle = (data[1] >> 3) * 15;
    ean.SetBarCode(QString::fromUtf8(reinterpret_cast<const char *>(data + 2), qsizetype(size - 2)));
    morvane::printing::RecordingCanvas canvas;
    ean.PrintToCanvas(canvas, {0, 0, 600, 200});
    ean.Next();
    return 0;
}
