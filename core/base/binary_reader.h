#pragma once

#include <QByteArray>
#include <QString>

#include <cstdint>
#include <optional>

namespace morvane::base {

// Little-endian reader over a buffer that is never trusted: every length and
// count is checked against the bytes that remain before anything is read or
// allocated. A read that does not fit answers nothing and leaves the position
// where it was.
class BinaryReader {
public:
    explicit BinaryReader(QByteArrayView data) : data_(data) {}

    bool atEnd() const { return pos_ >= data_.size(); }
    qsizetype position() const { return pos_; }
    qsizetype remaining() const { return data_.size() - pos_; }
    bool skip(qsizetype bytes);

    std::optional<std::int32_t> readInt32();
    std::optional<std::int64_t> readInt64();
    std::optional<std::uint16_t> readUInt16();
    std::optional<double> readDouble();
    std::optional<std::uint8_t> readByte();
    std::optional<bool> readBool();
    // int32 byte length, then that many CP1252 bytes.
    std::optional<QString> readText();
    // The same text's bytes, undecoded, as a view into the buffer.
    std::optional<QByteArrayView> readTextBytes();
    // int32 number of UTF-16 code units, then the code units.
    std::optional<QString> readWideText();
    std::optional<QByteArrayView> readBytes(qsizetype count);

private:
    QByteArrayView data_;
    qsizetype pos_ = 0;
};

}  // namespace morvane::base
