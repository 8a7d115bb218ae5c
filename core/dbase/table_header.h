#pragma once

#include "core/dbase/field.h"

#include <QByteArray>
#include <QDate>

#include <cstdint>

namespace morvane::dbase {

// The fixed 32 bytes and the field descriptors at the start of a ".dbf".
// parse() trusts nothing in the bytes; forNewTable() refuses a layout the
// format cannot hold before anything is written.
class TableHeader {
public:
    static constexpr int kFixedSize = 32;
    static constexpr int kDescriptorSize = 32;
    static constexpr std::uint8_t kEndOfDescriptors = 0x0D;
    static constexpr char kEndOfFile = 0x1A;
    static constexpr int kMaxCharacterLength = 255;
    static constexpr int kDefaultCharacterLength = 30;

    std::uint8_t version = 0x03;
    std::uint32_t storedRecordCount = 0;
    int headerLength = 0;
    int recordLength = 0;
    std::uint8_t productionIndex = 0;
    std::uint8_t languageDriver = 0x03;
    FieldList fields;

    // bytes: the start of the file (at least the whole header when the file
    // has it); fileSize: the size of the whole file.
    static TableHeader parse(QByteArrayView bytes, qint64 fileSize);
    // How many bytes parse() needs to see, from the first 32.
    static int headerLengthOf(QByteArrayView first32);

    static TableHeader forNewTable(FieldList fields, std::uint8_t languageDriver);

    bool hasMemo() const;
    int codePage() const;
    // Records the file holds by its size; the 0x1A behind the last one does
    // not count.
    std::uint32_t recordCountForSize(qint64 fileSize) const;
    qint64 recordOffset(std::uint32_t recordNumber) const
    {
        return qint64(headerLength) + qint64(recordNumber - 1) * recordLength;
    }

    // The first 32 bytes with the given date and record count.
    QByteArray fixedPart(QDate date, std::uint32_t recordCount) const;
    // The whole header: fixed part, descriptors, 0x0D.
    QByteArray serialize(QDate date) const;
};

}  // namespace morvane::dbase
