#pragma once

#include <QByteArray>
#include <QString>

#include <cstdint>

namespace morvane::base {

// Little-endian writer into one growing buffer; the caller writes the buffer
// out in one piece (see AtomicFile).
class BinaryWriter {
public:
    BinaryWriter() = default;
    explicit BinaryWriter(qsizetype reserve) { buffer_.reserve(reserve); }

    void writeInt32(std::int32_t value);
    void writeInt64(std::int64_t value);
    void writeUInt16(std::uint16_t value);
    void writeDouble(double value);
    void writeByte(std::uint8_t value);
    void writeBool(bool value) { writeByte(value ? 1 : 0); }
    void writeText(QStringView text);
    void writeWideText(QStringView text);
    void writeBytes(QByteArrayView bytes) { buffer_.append(bytes); }

    const QByteArray &data() const { return buffer_; }
    QByteArray take() { return std::move(buffer_); }

private:
    QByteArray buffer_;
};

}  // namespace morvane::base
