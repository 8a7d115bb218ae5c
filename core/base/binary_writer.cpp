#include "core/base/binary_writer.h"

#include "core/base/cp1252.h"

#include <QtEndian>

#include <bit>

namespace morvane::base {

void BinaryWriter::writeInt32(std::int32_t value)
{
    char bytes[4];
    qToLittleEndian<qint32>(value, bytes);
    buffer_.append(bytes, 4);
}

void BinaryWriter::writeInt64(std::int64_t value)
{
    char bytes[8];
    qToLittleEndian<qint64>(value, bytes);
    buffer_.append(bytes, 8);
}

void BinaryWriter::writeUInt16(std::uint16_t value)
{
    char bytes[2];
    qToLittleEndian<quint16>(value, bytes);
    buffer_.append(bytes, 2);
}

void BinaryWriter::writeDouble(double value)
{
    writeInt64(std::bit_cast<std::int64_t>(value));
}

void BinaryWriter::writeByte(std::uint8_t value)
{
    buffer_.append(static_cast<char>(value));
}

void BinaryWriter::writeText(QStringView text)
{
    // Encode straight into the buffer and fill in the length afterwards.
    const qsizetype lengthAt = buffer_.size();
    writeInt32(0);
    Cp1252::encodeInto(text, buffer_);
    qToLittleEndian<qint32>(qint32(buffer_.size() - lengthAt - 4), buffer_.data() + lengthAt);
}

void BinaryWriter::writeWideText(QStringView text)
{
    writeInt32(static_cast<std::int32_t>(text.size()));
    for (QChar ch : text)
        writeUInt16(ch.unicode());
}

}  // namespace morvane::base
