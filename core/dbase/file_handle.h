#pragma once

#include <QByteArray>
#include <QString>

#include <cstdint>

namespace morvane::dbase {

// One open file description of a table or memo file, with positional reads
// and writes and open-file-description byte-range locks. OFD locks belong to
// this description, not to the process: the program opens one table twice,
// and two handles of one process must contest each other's locks, which
// classic POSIX locks would silently merge.
class FileHandle {
public:
    FileHandle() = default;
    ~FileHandle() { close(); }
    FileHandle(const FileHandle &) = delete;
    FileHandle &operator=(const FileHandle &) = delete;
    FileHandle(FileHandle &&other) noexcept : fd_(other.fd_), readOnly_(other.readOnly_) { other.fd_ = -1; }
    FileHandle &operator=(FileHandle &&other) noexcept;

    enum class OpenResult { Opened, Missing, Failed };
    // Read/write when allowed, read-only when the file may only be read.
    OpenResult open(const QString &path);
    void close();
    bool isOpen() const { return fd_ >= 0; }
    bool isReadOnly() const { return readOnly_; }
    int descriptor() const { return fd_; }
    int lastError() const { return error_; }

    qint64 size() const;  // -1 on failure
    // Identity of the file behind the descriptor, to notice a replaced file.
    bool sameFileAs(const QString &path) const;

    // Reads up to `count` bytes; fewer at the end of the file, -1 on failure.
    qint64 readAt(qint64 offset, char *out, qint64 count) const;
    bool writeAt(qint64 offset, const char *data, qint64 count);
    bool writeAt(qint64 offset, QByteArrayView data) { return writeAt(offset, data.data(), data.size()); }

    enum class LockKind { Shared, Exclusive };
    // Without waiting; false when another description holds a conflicting lock.
    bool tryLock(std::uint64_t offset, std::uint64_t length, LockKind kind = LockKind::Exclusive);
    // Retries every 10 ms while another description holds a conflicting lock;
    // false only when the system refuses the lock for another reason.
    bool lock(std::uint64_t offset, std::uint64_t length, LockKind kind = LockKind::Exclusive);
    void unlock(std::uint64_t offset, std::uint64_t length);

private:
    int fd_ = -1;
    bool readOnly_ = false;
    mutable int error_ = 0;
};

}  // namespace morvane::dbase
