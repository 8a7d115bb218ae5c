#pragma once

#include <QByteArray>
#include <QString>

#include <vector>

namespace morvane::settings {

// One user of "users.dat". Rights are held the way the file holds them: a
// restriction flag per right, so a file written with fewer rights than this
// program knows leaves the newer rights unrestricted.
struct User {
    static constexpr int kRightCount = 27;
    // The login state keeps 255 right flags; rights beyond are never used.
    static constexpr int kMaxRights = 255;

    QString name;
    QString password;
    QString barcode;  // identification barcode, empty = none
    bool readOnly = false;  // "Daten dürfen nicht verändert werden"
    std::vector<bool> restricted = std::vector<bool>(kRightCount, false);  // right i at index i-1

    bool isRestricted(int right) const
    {
        return right >= 1 && right <= int(restricted.size()) && restricted[std::size_t(right - 1)];
    }
    void setRestricted(int right, bool value)
    {
        if (right < 1 || right > kMaxRights)
            return;
        if (int(restricted.size()) < right)
            restricted.resize(std::size_t(right), false);
        restricted[std::size_t(right - 1)] = value;
    }

    friend bool operator==(const User &, const User &) = default;
};

using UserList = std::vector<User>;

// Why a name or password cannot be kept in "users.dat".
enum class UserTextProblem {
    None,
    EmptyName,
    // A character outside the file's code page would be stored as "?": a
    // password nobody can type, a name nobody can pick.
    NotStorable,
    ControlCharacter,
};

class UsersFile {
public:
    // Names and passwords are stored with every byte lowered by this offset.
    static constexpr int kScrambleOffset = 7;

    // Never reads past the buffer. The file grew by appending groups: it may
    // end after the names and passwords (no barcodes, no restrictions), and
    // later groups are taken only as far as they are present.
    static UserList parse(QByteArrayView bytes);
    static QByteArray serialize(const UserList &users);

    static UserTextProblem checkName(const QString &name);
    static UserTextProblem checkPassword(const QString &password);
    // The characters of `text` that the file cannot hold, for the message.
    static QString unstorableCharacters(const QString &text);
};

enum class UsersSaveResult { Saved, Refused, IoError };

// "users.dat" in the data folder. A missing or unreadable file is an empty
// list: no login.
UserList LoadBenutzer(const QString &progpath);
// Refuses (writing nothing) when a user's name or password cannot be stored.
UsersSaveResult SaveBenutzer(const QString &progpath, const UserList &users);

}  // namespace morvane::settings
