#pragma once

#include "core/dbase/file_handle.h"

#include <QByteArray>
#include <QString>

#include <cstdint>

namespace morvane::dbase {

// The ".dbt" beside a table with memo fields: 512-byte blocks, block 0 holds
// the next free block. A memo is an 8-byte header (FF FF 08 00, length + 8)
// followed by its text, blank-filled to the end of its last block.
class MemoFile {
public:
    static constexpr int kBlockSize = 512;

    // The bytes of a new, empty memo file.
    static QByteArray newFileBytes();
    // Blocks a memo of this many text bytes takes.
    static std::uint32_t blocksFor(qint64 textLength) { return std::uint32_t((textLength + 8 + kBlockSize - 1) / kBlockSize); }
    // The text of the memo at `block` in a memo file held in memory. Throws
    // "Invalid DBF file." for a block or length that lies outside the file.
    static QByteArray memoAt(QByteArrayView file, std::uint32_t block);

    FileHandle::OpenResult open(const QString &path);
    void close() { file_.close(); }
    bool isOpen() const { return file_.isOpen(); }

    QByteArray read(std::uint32_t block) const;
    // Writes `text` as the new memo of a field whose old memo starts at
    // `oldBlock` (0 for none) and answers the block to store in the record
    // (0 for an empty text). A memo that still fits stays where it is; a
    // longer one goes behind the last allocated block, taken under the lock
    // on block 0 so that two workstations never get the same blocks.
    std::uint32_t write(QByteArrayView text, std::uint32_t oldBlock);

private:
    // Blocks the memo at `block` occupies by its header; 0 when it has none.
    std::uint32_t blocksUsedAt(std::uint32_t block) const;
    void writeAt(std::uint32_t block, QByteArrayView text);

    FileHandle file_;
};

}  // namespace morvane::dbase
