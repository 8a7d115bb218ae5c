#pragma once

#include <QString>
#include <QStringList>

#include <optional>

namespace morvane::app {

// The three folders of a running program, each ending in "/".
struct Folders {
    QString progpath;      // data folder: all shared files
    QString realprogpath;  // folder of the program file
    QString appdatapath;   // per-user folder ("adminoptions.dat", "translate.dat")
};

// Where the administrator put the data folder ("adminoptions.dat").
struct DataFolderChoice {
    enum class Kind { ProgramFolder, UserFolder, SpecialFolder };
    Kind kind = Kind::UserFolder;
    QString specialFolder;  // "Datenbanken in folgendem Verzeichnis ablegen:"
    friend bool operator==(const DataFolderChoice &, const DataFolderChoice &) = default;
};

// What the command line asks for.
struct CommandLine {
    bool showPath = false;
    std::optional<QString> setPath;

    // Exactly "-showpath", or exactly "-setpath" and a folder; anything else
    // is ignored. `arguments` excludes the program name.
    static CommandLine parse(const QStringList &arguments);
};

QString withTrailingSlash(QString folder);

// The per-user data folder: the XDG data home + "Korvell/Tessaro/". Falls
// back to `fallback` when the system has no such folder.
QString GetProgramDir(bool create, const QString &fallback);

// Creates and deletes "test.dat" in the folder; true when that worked.
bool canWriteTestFile(const QString &folder);

}  // namespace morvane::app
