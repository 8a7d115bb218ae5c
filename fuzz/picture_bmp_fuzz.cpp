// The reader is compiled into the target itself, so that libFuzzer sees its
// branches and AddressSanitizer checks its memory accesses; the library copy
// of morvane_core is built without either.
#include "core/printing/picture.cpp"
#include "core/printing/picture_bmp_reader.cpp"

#include <cstddef>
#include <cstdint>

// Small limits keep every run fast; the bounds themselves are what is tested.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    using namespace morvane::printing;
    PictureLimits limits;
    limits.maxSide = 4096;
    limits.maxPixels = 1 << 20;
    Image image;
    const QString error = BmpReader::decode(QByteArrayView(reinterpret_cast<const char *>(data), qsizetype(size)), limits, image);
    if (error.isEmpty() && image.rgb.size() != std::size_t(image.width) * std::size_t(image.height) * 3)
        __builtin_trap();
    return 0;
}
