#include "core/settings/users_login.h"

namespace morvane::settings {

int findUser(const UserList &users, const QString &name, const QString &password)
{
    int found = -1;
    for (std::size_t i = 0; i < users.size(); ++i) {
        if (users[i].name == name && users[i].password == password)
            found = int(i);
    }
    return found;
}

int findUserByBarcode(const UserList &users, const QString &code)
{
    if (code.isEmpty())
        return -1;
    for (std::size_t i = 0; i < users.size(); ++i) {
        if (!users[i].barcode.isEmpty() && users[i].barcode == code)
            return int(i);
    }
    return -1;
}

void applyUser(Session &session, const UserList &users, int index)
{
    if (index < 0 || index >= int(users.size()))
        return;
    const User &u = users[std::size_t(index)];
    session.aktuser = index + 1;
    session.userName = u.name;
    session.aktusercannotwrite = u.readOnly;
    session.aktusercheck = Session::allRights();
    for (int r = 1; r <= int(u.restricted.size()) && r <= User::kMaxRights; ++r)
        session.aktusercheck[std::size_t(r)] = !u.isRestricted(r);
}

LoginResult login(Session &session, const UserList &users, const QString &name, const QString &password)
{
    const int index = findUser(users, name, password);
    if (index < 0)
        return LoginResult::WrongCredentials;
    applyUser(session, users, index);
    session.eingelogged = true;
    return LoginResult::LoggedIn;
}

void logout(Session &session)
{
    session.clearUser();
    session.eingelogged = false;
}

UsersChanged afterUserManagement(Session &session, const UserList &users, const QString &loggedInName)
{
    if (users.empty()) {
        logout(session);
        return UsersChanged::NoUsers;
    }
    if (session.aktuser < 1) {
        session.clearUser();
        return UsersChanged::NobodyLoggedIn;
    }
    for (std::size_t i = 0; i < users.size(); ++i) {
        if (users[i].name == loggedInName) {
            const bool wasLoggedIn = session.eingelogged;
            applyUser(session, users, int(i));
            session.eingelogged = wasLoggedIn;
            return UsersChanged::KeptUser;
        }
    }
    logout(session);
    return UsersChanged::LoginRequired;
}

void AutoLogout::restart(const QDateTime &now)
{
    if (enabled)
        deadline_ = now.addMSecs(qint64(intervalMs()));
}

bool AutoLogout::due(const QDateTime &now, const Session &session, bool usersExist) const
{
    return enabled && deadline_.isValid() && now >= deadline_ && session.eingelogged && usersExist;
}

}  // namespace morvane::settings
