#include "core/dbase/memo_file.h"

#include "core/dbase/dbf_error.h"

#include <cstring>

namespace morvane::dbase {

namespace {

constexpr char kMemoSignature[4] = {'\xFF', '\xFF', '\x08', '\x00'};

std::uint32_t u32(const char *p)
{
    return std::uint32_t(uchar(p[0])) | (std::uint32_t(uchar(p[1])) << 8) | (std::uint32_t(uchar(p[2])) << 16)
           | (std::uint32_t(uchar(p[3])) << 24);
}

void put32(char *p, std::uint32_t v)
{
    for (int i = 0; i < 4; ++i)
        p[i] = char((v >> (8 * i)) & 0xFF);
}

// Memo text from the bytes at the memo's first block onwards: the dBase IV
// header with its length, or an old memo ended by 0x1A.
QByteArray memoFromBytes(QByteArrayView rest, bool complete)
{
    if (rest.size() >= 8 && std::memcmp(rest.data(), kMemoSignature, 4) == 0) {
        const std::uint32_t stored = u32(rest.data() + 4);
        if (stored < 8 || qint64(stored) > rest.size())
            throw DbfError::invalidFile();
        return QByteArray(rest.data() + 8, qsizetype(stored - 8));
    }
    const qsizetype end = rest.indexOf('\x1A');
    if (end < 0 && !complete)
        return {};
    return QByteArray(rest.data(), end < 0 ? rest.size() : end);
}

}  // namespace

QByteArray MemoFile::newFileBytes()
{
    QByteArray block(kBlockSize, '\0');
    put32(block.data(), 1);
    block[20] = char(kBlockSize & 0xFF);
    block[21] = char(kBlockSize >> 8);
    return block;
}

QByteArray MemoFile::memoAt(QByteArrayView file, std::uint32_t block)
{
    if (block == 0)
        return {};
    const qint64 start = qint64(block) * kBlockSize;
    if (start >= file.size())
        throw DbfError::invalidFile();
    return memoFromBytes(file.sliced(start), true);
}

FileHandle::OpenResult MemoFile::open(const QString &path)
{
    return file_.open(path);
}

QByteArray MemoFile::read(std::uint32_t block) const
{
    if (block == 0 || !file_.isOpen())
        return {};
    const qint64 size = file_.size();
    const qint64 start = qint64(block) * kBlockSize;
    if (size < 0)
        throw DbfError(DbfError::Kind::ReadFailed, QStringLiteral("Invalid DBF file."));
    if (start >= size)
        throw DbfError::invalidFile();
    char head[8] = {};
    const qint64 got = file_.readAt(start, head, 8);
    if (got == 8 && std::memcmp(head, kMemoSignature, 4) == 0) {
        const std::uint32_t stored = u32(head + 4);
        if (stored < 8 || start + qint64(stored) > size)
            throw DbfError::invalidFile();
        QByteArray text(qsizetype(stored - 8), Qt::Uninitialized);
        if (file_.readAt(start + 8, text.data(), text.size()) != text.size())
            throw DbfError::invalidFile();
        return text;
    }
    // An old memo without a header ends at 0x1A; read block by block.
    QByteArray text;
    QByteArray chunk(kBlockSize, Qt::Uninitialized);
    for (qint64 at = start; at < size; at += kBlockSize) {
        const qint64 n = file_.readAt(at, chunk.data(), kBlockSize);
        if (n <= 0)
            break;
        const qsizetype end = QByteArrayView(chunk.constData(), n).indexOf('\x1A');
        text.append(chunk.constData(), end < 0 ? n : end);
        if (end >= 0)
            break;
    }
    return text;
}

std::uint32_t MemoFile::blocksUsedAt(std::uint32_t block) const
{
    if (block == 0)
        return 0;
    char head[8] = {};
    if (file_.readAt(qint64(block) * kBlockSize, head, 8) != 8 || std::memcmp(head, kMemoSignature, 4) != 0)
        return 0;
    const std::uint32_t stored = u32(head + 4);
    if (stored < 8)
        return 0;
    return std::uint32_t((qint64(stored) + kBlockSize - 1) / kBlockSize);
}

void MemoFile::writeAt(std::uint32_t block, QByteArrayView text)
{
    const qint64 blocks = blocksFor(text.size());
    QByteArray data(blocks * kBlockSize, ' ');
    std::memcpy(data.data(), kMemoSignature, 4);
    put32(data.data() + 4, std::uint32_t(text.size() + 8));
    std::memcpy(data.data() + 8, text.data(), size_t(text.size()));
    if (!file_.writeAt(qint64(block) * kBlockSize, data))
        throw DbfError::writeFailed();
}

std::uint32_t MemoFile::write(QByteArrayView text, std::uint32_t oldBlock)
{
    if (text.isEmpty())
        return 0;
    if (!file_.isOpen() || file_.isReadOnly())
        throw DbfError::writeFailed();
    if (qint64(text.size()) + 8 > 0xFFFFFFFFLL)
        throw DbfError::writeFailed();
    const std::uint32_t needed = blocksFor(text.size());
    if (oldBlock != 0 && needed <= blocksUsedAt(oldBlock)) {
        writeAt(oldBlock, text);
        return oldBlock;
    }
    if (!file_.lock(0, kBlockSize))
        throw DbfError::writeFailed();
    std::uint32_t block = 0;
    try {
        // The next free block is read under the lock: a value read before it
        // may already have been handed to another workstation.
        char head[4] = {};
        if (file_.readAt(0, head, 4) != 4)
            throw DbfError::writeFailed();
        block = std::max<std::uint32_t>(u32(head), 1);
        // Never hand out blocks that already hold data, whatever the header says.
        const qint64 size = file_.size();
        const qint64 inUse = (size + kBlockSize - 1) / kBlockSize;
        if (qint64(block) < inUse)
            block = std::uint32_t(inUse);
        if (qint64(block) + needed > 0xFFFFFFFFLL)
            throw DbfError::writeFailed();
        writeAt(block, text);
        char next[4];
        put32(next, block + needed);
        if (!file_.writeAt(0, next, 4))
            throw DbfError::writeFailed();
    } catch (...) {
        file_.unlock(0, kBlockSize);
        throw;
    }
    file_.unlock(0, kBlockSize);
    return block;
}

}  // namespace morvane::dbase
