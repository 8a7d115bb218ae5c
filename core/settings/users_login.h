#pragma once

#include "core/settings/rights.h"
#include "core/settings/users.h"

#include <QDateTime>

namespace morvane::settings {

enum class LoginResult { LoggedIn, WrongCredentials };

// Position (0-based) of the user with this name and password; when several
// match, the last one. -1 when none matches (exact comparison).
int findUser(const UserList &users, const QString &name, const QString &password);
// Position of the first user whose identification barcode is this code; a
// user without a barcode never matches. -1 when none.
int findUserByBarcode(const UserList &users, const QString &code);

// Takes over the user at `index` into the session: position, name, read-only
// flag and rights. Rights the user's record does not mention stay granted.
void applyUser(Session &session, const UserList &users, int index);
LoginResult login(Session &session, const UserList &users, const QString &name, const QString &password);
// A user logout: nobody is logged in, every right is back until the next login.
void logout(Session &session);

// After the user list was edited. The user who was logged in is found again
// by name; a position alone would now point at someone else.
enum class UsersChanged {
    NoUsers,        // the list is empty: no login, all rights
    KeptUser,       // the logged-in user still exists; rights taken over again
    LoginRequired,  // the logged-in user is gone: logged out, a login must follow
    NobodyLoggedIn, // nobody was logged in and users exist
};
UsersChanged afterUserManagement(Session &session, const UserList &users, const QString &loggedInName);

// "Automatisch nach X Minuten abmelden": the time of the last input decides.
class AutoLogout {
public:
    bool enabled = false;
    int minutes = 5;

    // Input was seen (or a login happened): the countdown starts again.
    void restart(const QDateTime &now);
    void stop() { deadline_ = {}; }
    QDateTime deadline() const { return deadline_; }
    int intervalMs() const { return clampedMinutes() * 60000; }
    // Due when enabled, the countdown ran out, a user login took place and
    // there are users at all.
    bool due(const QDateTime &now, const Session &session, bool usersExist) const;

private:
    int clampedMinutes() const { return minutes < 1 ? 1 : (minutes > 35791 ? 35791 : minutes); }
    QDateTime deadline_;
};

}  // namespace morvane::settings
