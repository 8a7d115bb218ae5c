#include "core/base/marker_file.h"

#include <QFile>

#include <fcntl.h>
#include <unistd.h>

namespace morvane::base {

bool MarkerFile::exists() const
{
    return QFile::exists(path_);
}

bool MarkerFile::tryCreate() const
{
    const int fd = ::open(QFile::encodeName(path_).constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (fd < 0)
        return false;
    ::close(fd);
    return true;
}

void MarkerFile::touch() const
{
    const int fd = ::open(QFile::encodeName(path_).constData(), O_WRONLY | O_CREAT | O_CLOEXEC, 0666);
    if (fd >= 0)
        ::close(fd);
}

void MarkerFile::remove() const
{
    ::unlink(QFile::encodeName(path_).constData());
}

}  // namespace morvane::base
