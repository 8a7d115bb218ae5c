#pragma once

#include <QString>

#include <cstdint>

namespace morvane::base {

// Identifies one version of a file: last-write time in nanoseconds, size and
// inode. Every save replaces the file by a rename, so even two saves within
// the same clock tick give different stamps. A missing file has the empty
// stamp.
struct FileStamp {
    std::int64_t modifiedNs = 0;
    std::int64_t size = -1;
    std::uint64_t inode = 0;

    static FileStamp of(const QString &path);
    bool exists() const { return size >= 0; }
    friend bool operator==(const FileStamp &, const FileStamp &) = default;
};

}  // namespace morvane::base
