// The address CSV reader on arbitrary bytes: decoding, line splitting and
// unescaping must never crash, read out of bounds or loop, and every row
// it gives must come back unchanged through our own writer.
#include "core/addresses/address_csv.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>

using morvane::addresses::AddressCsv;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArrayView bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    const QList<QStringList> rows = AddressCsv::parse(bytes, size > 0 && data[0] & 1);
    for (const QStringList &row : rows) {
        if (AddressCsv::splitLine(AddressCsv::joinLine(row)) != row)
            std::abort();
    }
    return 0;
}
