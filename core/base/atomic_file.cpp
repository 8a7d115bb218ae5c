#include "core/base/atomic_file.h"

#include <QDir>
#include <QFileInfo>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace morvane::base {

namespace {

AtomicFile::Result failure(int error, const QString &context)
{
    return {false, context + QStringLiteral(": ") + QString::fromLocal8Bit(std::strerror(error))};
}

bool writeAll(int fd, QByteArrayView data)
{
    const char *p = data.data();
    qsizetype left = data.size();
    while (left > 0) {
        const ssize_t n = ::write(fd, p, size_t(left));
        if (n < 0) {
            if (errno == EINTR)
                continue;
            return false;
        }
        p += n;
        left -= n;
    }
    return true;
}

}  // namespace

AtomicFile::Result AtomicFile::write(const QString &path, QByteArrayView data, const QString &workName)
{
    const QFileInfo target(path);
    const QString folder = target.absolutePath();
    QByteArray work;
    int fd = -1;
    if (!workName.isEmpty()) {
        work = QFile::encodeName(QDir(folder).filePath(workName));
        fd = ::open(work.constData(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0666);
    } else {
        work = QFile::encodeName(QDir(folder).filePath(QStringLiteral(".%1.XXXXXX").arg(target.fileName())));
        fd = ::mkostemp(work.data(), O_CLOEXEC);
        if (fd >= 0)
            ::fchmod(fd, 0666 & ~[] { mode_t m = ::umask(0); ::umask(m); return m; }());
    }
    if (fd < 0)
        return failure(errno, QFile::decodeName(work));

    if (!writeAll(fd, data) || ::fsync(fd) != 0) {
        const int error = errno;
        ::close(fd);
        ::unlink(work.constData());
        return failure(error, path);
    }
    if (::close(fd) != 0) {
        const int error = errno;
        ::unlink(work.constData());
        return failure(error, path);
    }
    if (::rename(work.constData(), QFile::encodeName(target.absoluteFilePath()).constData()) != 0) {
        const int error = errno;
        ::unlink(work.constData());
        return failure(error, path);
    }
    return {true, {}};
}

}  // namespace morvane::base
