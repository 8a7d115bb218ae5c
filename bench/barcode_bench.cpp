// Encoding and drawing speed of the barcode engine per symbology, beside the
// same work done by libzint (loaded at run time, so the benchmark builds
// without it; its rows report an error when the library is missing).
#include "core/barcode/custom_ean.h"
#include "core/printing/canvas.h"

#include <benchmark/benchmark.h>
#include <dlfcn.h>
#include <zint.h>

#include <cstring>
#include <vector>

using namespace morvane::barcode;
using namespace morvane::printing;

namespace {

struct Sample {
    TTypBarCode type;
    const char *text;
    int zintType;
};

const Sample kSamples[] = {
    {bcEan13, "400638133393", BARCODE_EANX},         {bcCode128, "Hallo Welt 0123456789", BARCODE_CODE128},
    {bcCode39Standard, "LAGER-12345", BARCODE_CODE39}, {bcCode93Standard, "LAGER-12345", BARCODE_CODE93},
    {bc25Interleaved, "12345678901234", BARCODE_C25INTER}, {bcRoyalMail, "SN34RD1A", BARCODE_RM4SCC},
};

// An 8-bit picture that fills rectangles, enough to measure drawing without
// a window system.
class GrayCanvas : public Canvas {
public:
    GrayCanvas(int w, int h) : w_(w), h_(h), pixels_(std::size_t(w) * h, 255) {}
    void setPen(const Pen &p) override { pen_ = p; }
    void setBrush(const Brush &b) override { brush_ = b; }
    void setFont(const Font &f) override { font_ = f; }
    void setTextOpaque(bool) override {}
    void moveTo(int, int) override {}
    void lineTo(int, int) override {}
    void rectangle(const Rect &r) override { fillRect(r); }
    void fillRect(const Rect &r) override
    {
        const std::uint8_t v = std::uint8_t((brush_.color.r + brush_.color.g + brush_.color.b) / 3);
        for (int y = std::max(r.top, 0); y < std::min(r.bottom, h_); ++y) {
            const int x0 = std::max(r.left, 0), x1 = std::min(r.right, w_);
            if (x1 > x0)
                std::memset(&pixels_[std::size_t(y) * w_ + x0], v, std::size_t(x1 - x0));
        }
    }
    void polygon(std::span<const Point>) override {}
    void ellipse(const Rect &) override {}
    void textOut(int, int, const QString &) override {}
    int textWidth(const QString &t) override { return int(t.size() * font_.pointSize / 2); }
    int textHeight(const QString &) override { return int(font_.pointSize * 1.15); }
    void stretchDraw(const Rect &, const Image &) override {}
    Size pageSize() const override { return {w_, h_}; }
    int dpiX() const override { return 72; }
    int dpiY() const override { return 72; }
    void newPage() override {}
    bool isPrinter() const override { return false; }

private:
    int w_, h_;
    std::vector<std::uint8_t> pixels_;
};

struct Zint {
    zint_symbol *(*create)() = nullptr;
    void (*clear)(zint_symbol *) = nullptr;
    void (*remove)(zint_symbol *) = nullptr;
    int (*encode)(zint_symbol *, const unsigned char *, int) = nullptr;
    int (*buffer)(zint_symbol *, int) = nullptr;
    bool ok = false;
    Zint()
    {
        void *lib = dlopen("libzint.so.2.11", RTLD_NOW);
        if (!lib)
            lib = dlopen("libzint.so", RTLD_NOW);
        if (!lib)
            return;
        create = reinterpret_cast<decltype(create)>(dlsym(lib, "ZBarcode_Create"));
        clear = reinterpret_cast<decltype(clear)>(dlsym(lib, "ZBarcode_Clear"));
        remove = reinterpret_cast<decltype(remove)>(dlsym(lib, "ZBarcode_Delete"));
        encode = reinterpret_cast<decltype(encode)>(dlsym(lib, "ZBarcode_Encode"));
        buffer = reinterpret_cast<decltype(buffer)>(dlsym(lib, "ZBarcode_Buffer"));
        ok = create && clear && remove && encode && buffer;
    }
};

const Zint &zint()
{
    static const Zint z;
    return z;
}

void BM_Encode(benchmark::State &state)
{
    const Sample &s = kSamples[state.range(0)];
    const QString text = QString::fromLatin1(s.text);
    for (auto _ : state)
        benchmark::DoNotOptimize(BuildBarPattern(s.type, text, {}));
    state.SetLabel(BarcodeTypeName(s.type).toStdString());
}

void BM_EncodeRender(benchmark::State &state)
{
    const Sample &s = kSamples[state.range(0)];
    TCustomEAN ean;
    ean.SetTypBarCode(s.type);
    ean.SetBarCode(QString::fromLatin1(s.text));
    const int width = (ean.MinWidth() - 1) * 2;
    GrayCanvas canvas(width, 100);
    for (auto _ : state)
        ean.PrintToCanvas(canvas, {0, 0, width, 100});
    state.SetLabel(BarcodeTypeName(s.type).toStdString());
}

void BM_ZintEncode(benchmark::State &state, bool render)
{
    const Sample &s = kSamples[state.range(0)];
    const Zint &z = zint();
    if (!z.ok) {
        state.SkipWithError("libzint not found (apt-get install -y libzint2.11)");
        return;
    }
    zint_symbol *symbol = z.create();
    const auto *text = reinterpret_cast<const unsigned char *>(s.text);
    const int length = int(std::strlen(s.text));
    for (auto _ : state) {
        z.clear(symbol);
        symbol->symbology = s.zintType;
        symbol->scale = 1;
        z.encode(symbol, text, length);
        if (render)
            z.buffer(symbol, 0);
    }
    z.remove(symbol);
    state.SetLabel(s.text);
}

void BM_ZintEncodeOnly(benchmark::State &state)
{
    BM_ZintEncode(state, false);
}

void BM_ZintEncodeRender(benchmark::State &state)
{
    BM_ZintEncode(state, true);
}

}  // namespace

BENCHMARK(BM_Encode)->DenseRange(0, std::size(kSamples) - 1);
BENCHMARK(BM_ZintEncodeOnly)->DenseRange(0, std::size(kSamples) - 1);
BENCHMARK(BM_EncodeRender)->DenseRange(0, std::size(kSamples) - 1);
BENCHMARK(BM_ZintEncodeRender)->DenseRange(0, std::size(kSamples) - 1);
BENCHMARK_MAIN();
