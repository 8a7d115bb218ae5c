#include "core/base/file_stamp.h"

#include <QFile>

#include <sys/stat.h>

namespace morvane::base {

FileStamp FileStamp::of(const QString &path)
{
    struct stat info {};
    if (::stat(QFile::encodeName(path).constData(), &info) != 0)
        return {};
    return {std::int64_t(info.st_mtim.tv_sec) * 1'000'000'000 + info.st_mtim.tv_nsec, std::int64_t(info.st_size),
            std::uint64_t(info.st_ino)};
}

}  // namespace morvane::base
