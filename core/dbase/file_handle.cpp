#include "core/dbase/file_handle.h"

#include <QFile>

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>

namespace morvane::dbase {

FileHandle &FileHandle::operator=(FileHandle &&other) noexcept
{
    if (this != &other) {
        close();
        fd_ = other.fd_;
        readOnly_ = other.readOnly_;
        other.fd_ = -1;
    }
    return *this;
}

FileHandle::OpenResult FileHandle::open(const QString &path)
{
    close();
    const QByteArray name = QFile::encodeName(path);
    readOnly_ = false;
    fd_ = ::open(name.constData(), O_RDWR | O_CLOEXEC);
    if (fd_ < 0 && (errno == EACCES || errno == EROFS || errno == EPERM)) {
        fd_ = ::open(name.constData(), O_RDONLY | O_CLOEXEC);
        readOnly_ = fd_ >= 0;
    }
    if (fd_ < 0) {
        error_ = errno;
        return error_ == ENOENT ? OpenResult::Missing : OpenResult::Failed;
    }
    struct stat st {};
    if (::fstat(fd_, &st) != 0 || !S_ISREG(st.st_mode)) {
        error_ = errno ? errno : EISDIR;
        close();
        return OpenResult::Failed;
    }
    return OpenResult::Opened;
}

void FileHandle::close()
{
    if (fd_ >= 0)
        ::close(fd_);
    fd_ = -1;
}

qint64 FileHandle::size() const
{
    struct stat st {};
    if (fd_ < 0 || ::fstat(fd_, &st) != 0)
        return -1;
    return qint64(st.st_size);
}

bool FileHandle::sameFileAs(const QString &path) const
{
    struct stat mine {}, theirs {};
    if (fd_ < 0 || ::fstat(fd_, &mine) != 0 || ::stat(QFile::encodeName(path).constData(), &theirs) != 0)
        return false;
    return mine.st_dev == theirs.st_dev && mine.st_ino == theirs.st_ino;
}

qint64 FileHandle::readAt(qint64 offset, char *out, qint64 count) const
{
    qint64 done = 0;
    while (done < count) {
        const ssize_t n = ::pread(fd_, out + done, size_t(count - done), off_t(offset + done));
        if (n < 0) {
            if (errno == EINTR)
                continue;
            error_ = errno;
            return -1;
        }
        if (n == 0)
            break;
        done += n;
    }
    return done;
}

bool FileHandle::writeAt(qint64 offset, const char *data, qint64 count)
{
    if (readOnly_) {
        error_ = EBADF;
        return false;
    }
    qint64 done = 0;
    while (done < count) {
        const ssize_t n = ::pwrite(fd_, data + done, size_t(count - done), off_t(offset + done));
        if (n < 0) {
            if (errno == EINTR)
                continue;
            error_ = errno;
            return false;
        }
        done += n;
    }
    return true;
}

namespace {

int setLock(int fd, int command, short type, std::uint64_t offset, std::uint64_t length)
{
    struct flock fl {};
    fl.l_type = type;
    fl.l_whence = SEEK_SET;
    fl.l_start = off_t(offset);
    fl.l_len = off_t(length);
    fl.l_pid = 0;  // must be 0 for OFD locks
    return ::fcntl(fd, command, &fl);
}

}  // namespace

bool FileHandle::tryLock(std::uint64_t offset, std::uint64_t length, LockKind kind)
{
    // A read-only description cannot hold a write lock; a shared lock is all
    // it can take part in.
    const short type = (kind == LockKind::Shared || readOnly_) ? F_RDLCK : F_WRLCK;
    if (setLock(fd_, F_OFD_SETLK, type, offset, length) == 0)
        return true;
    error_ = errno;
    return false;
}

bool FileHandle::lock(std::uint64_t offset, std::uint64_t length, LockKind kind)
{
    for (;;) {
        if (tryLock(offset, length, kind))
            return true;
        if (error_ != EAGAIN && error_ != EACCES && error_ != EINTR)
            return false;
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
}

void FileHandle::unlock(std::uint64_t offset, std::uint64_t length)
{
    if (fd_ >= 0)
        setLock(fd_, F_OFD_SETLK, F_UNLCK, offset, length);
}

}  // namespace morvane::dbase
