#include "core/base/binary_reader.h"

#include "core/base/cp1252.h"

#include <QtEndian>

#include <bit>
#include <cstring>

namespace morvane::base {

bool BinaryReader::skip(qsizetype bytes)
{
    if (bytes < 0 || bytes > remaining())
        return false;
    pos_ += bytes;
    return true;
}

std::optional<QByteArrayView> BinaryReader::readBytes(qsizetype count)
{
    if (count < 0 || count > remaining())
        return std::nullopt;
    QByteArrayView view = data_.sliced(pos_, count);
    pos_ += count;
    return view;
}

std::optional<std::int32_t> BinaryReader::readInt32()
{
    const auto bytes = readBytes(4);
    if (!bytes)
        return std::nullopt;
    return qFromLittleEndian<qint32>(bytes->data());
}

std::optional<std::int64_t> BinaryReader::readInt64()
{
    const auto bytes = readBytes(8);
    if (!bytes)
        return std::nullopt;
    return qFromLittleEndian<qint64>(bytes->data());
}

std::optional<std::uint16_t> BinaryReader::readUInt16()
{
    const auto bytes = readBytes(2);
    if (!bytes)
        return std::nullopt;
    return qFromLittleEndian<quint16>(bytes->data());
}

std::optional<double> BinaryReader::readDouble()
{
    const auto bits = readInt64();
    if (!bits)
        return std::nullopt;
    return std::bit_cast<double>(*bits);
}

std::optional<std::uint8_t> BinaryReader::readByte()
{
    const auto bytes = readBytes(1);
    if (!bytes)
        return std::nullopt;
    return static_cast<std::uint8_t>((*bytes)[0]);
}

std::optional<bool> BinaryReader::readBool()
{
    const auto byte = readByte();
    if (!byte)
        return std::nullopt;
    return *byte != 0;
}

std::optional<QByteArrayView> BinaryReader::readTextBytes()
{
    const qsizetype start = pos_;
    const auto length = readInt32();
    if (!length)
        return std::nullopt;
    const auto bytes = readBytes(*length);
    if (!bytes) {
        pos_ = start;
        return std::nullopt;
    }
    return bytes;
}

std::optional<QString> BinaryReader::readText()
{
    const auto bytes = readTextBytes();
    if (!bytes)
        return std::nullopt;
    return bytes->isEmpty() ? QString() : Cp1252::decode(*bytes);
}

std::optional<QString> BinaryReader::readWideText()
{
    const qsizetype start = pos_;
    const auto units = readInt32();
    if (!units)
        return std::nullopt;
    if (*units < 0 || *units > remaining() / 2) {
        pos_ = start;
        return std::nullopt;
    }
    const auto bytes = readBytes(qsizetype(*units) * 2);
    QString text(*units, Qt::Uninitialized);
    for (qsizetype i = 0; i < *units; ++i)
        text[i] = QChar(qFromLittleEndian<quint16>(bytes->data() + 2 * i));
    return text;
}

}  // namespace morvane::base
