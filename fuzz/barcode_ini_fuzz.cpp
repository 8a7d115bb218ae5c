// Barcode settings files are read from wherever the user points the dialog.
#include "core/barcode/barcode_ini.h"
#include "core/printing/recording_canvas.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    using namespace morvane::barcode;
    const IniFile ini = IniFile::parse(QByteArrayView(reinterpret_cast<const char *>(data), qsizetype(size)));
    TCustomEAN ean;
    LoadFromIni(ean, ini);
    morvane::printing::RecordingCanvas canvas;
    ean.PrintToCanvas(canvas, {0, 0, 400, 150});
    IniFile out;
    SaveToIni(ean, out);
    (void)out.toBytes();
    return 0;
}
