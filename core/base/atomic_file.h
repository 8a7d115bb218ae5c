#pragma once

#include <QByteArray>
#include <QString>

namespace morvane::base {

// Whole-file writes that never leave a short file: the data goes to a work
// file in the same folder, is flushed to disk, and then replaces the target
// with one rename. On failure the target is untouched and the work file gone.
class AtomicFile {
public:
    struct Result {
        bool ok = false;
        QString error;  // the system's reason when !ok
        explicit operator bool() const { return ok; }
    };

    // workName: the file name (same folder) to write through; a unique name
    // is made when empty.
    static Result write(const QString &path, QByteArrayView data, const QString &workName = {});
};

}  // namespace morvane::base
