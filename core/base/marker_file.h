#pragma once

#include <QString>

namespace morvane::base {

// A write-phase marker in a shared data folder ("lagerschreibe.dat",
// "saveschreibe.dat"). Creation is exclusive, so two workstations can never
// both believe they created it.
class MarkerFile {
public:
    explicit MarkerFile(QString path) : path_(std::move(path)) {}

    const QString &path() const { return path_; }
    bool exists() const;
    // True when this call created the marker; false when it already existed
    // or could not be made.
    bool tryCreate() const;
    // Creates the marker or leaves an existing one as it is; errors ignored.
    void touch() const;
    // Deletes the marker; errors (absent, no permission) are ignored.
    void remove() const;

private:
    QString path_;
};

}  // namespace morvane::base
