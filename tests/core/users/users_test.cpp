#include "core/base/binary_writer.h"
#include "core/settings/rights.h"
#include "core/settings/users.h"
#include "core/settings/users_login.h"

#include "support/temp_workspace.h"

#include <gtest/gtest.h>

#include <functional>

using namespace morvane;
using namespace morvane::settings;

namespace {

User makeUser(const char *name, const char *password, std::initializer_list<int> restricted = {}, bool readOnly = false,
              const char *barcode = "")
{
    User u;
    u.name = QString::fromUtf8(name);
    u.password = QString::fromUtf8(password);
    u.barcode = QString::fromUtf8(barcode);
    u.readOnly = readOnly;
    for (int r : restricted)
        u.setRestricted(r, true);
    return u;
}

}  // namespace

TEST(UsersFile, LayoutRoundTripAndScrambling)
{
    const UserList users{makeUser("Anna", "Ä€x", {1, 27}, true, "4711"), makeUser("Bob", "", {}, false)};
    const QByteArray bytes = UsersFile::serialize(users);

    // int32 2; "Anna" lowered by the offset; "Ä€x" as code page bytes C4 80 78 lowered.
    const QByteArray head = QByteArray::fromHex("02000000" "04000000") + QByteArray("\x3a\x67\x67\x5a", 4)
                          + QByteArray::fromHex("03000000" "bd7971");
    EXPECT_EQ(bytes.left(head.size()).toHex(), head.toHex());
    EXPECT_EQ(UsersFile::parse(bytes), users);

    // Groups after the names may be missing: no barcodes, no restrictions.
    const qsizetype namesEnd = head.size() + 4 + 3 + 4;  // Bob's name and empty password
    const UserList shortRead = UsersFile::parse(bytes.left(namesEnd));
    ASSERT_EQ(shortRead.size(), 2u);
    EXPECT_EQ(shortRead[0].password, QStringLiteral("Ä€x"));
    EXPECT_FALSE(shortRead[0].readOnly);
    EXPECT_FALSE(shortRead[0].isRestricted(1));
    EXPECT_TRUE(shortRead[0].barcode.isEmpty());
}

TEST(UsersFile, HostileFilesNeverCrashOrInventUsers)
{
    EXPECT_TRUE(UsersFile::parse(QByteArray::fromHex("ffffff7f")).empty());
    EXPECT_TRUE(UsersFile::parse(QByteArray::fromHex("fefffffff0ffffff")).empty());
    // A user announcing two billion right flags: reading stops at the end.
    base::BinaryWriter w;
    w.writeInt32(1);
    w.writeInt32(1);
    w.writeByte('A' - UsersFile::kScrambleOffset);
    w.writeInt32(0);
    w.writeByte(0);
    w.writeInt32(0x7fffffff);
    w.writeByte(1);
    w.writeByte(0);
    const UserList users = UsersFile::parse(w.data());
    ASSERT_EQ(users.size(), 1u);
    EXPECT_EQ(users[0].name, QStringLiteral("A"));
    EXPECT_TRUE(users[0].isRestricted(1));
    EXPECT_FALSE(users[0].isRestricted(2));
    // Every prefix of a real file parses.
    const QByteArray real = UsersFile::serialize({makeUser("Anna", "pw", {3}, true, "99")});
    for (qsizetype n = 0; n <= real.size(); ++n)
        UsersFile::parse(real.left(n));
}

TEST(UsersFile, NamesAndPasswordsOutsideTheCodePageAreRefused)
{
    test::TempWorkspace t;
    const QString folder = t.dir.path() + u'/';
    EXPECT_EQ(UsersFile::checkName(QStringLiteral("Jürgen")), UserTextProblem::None);
    EXPECT_EQ(UsersFile::checkName(QString()), UserTextProblem::EmptyName);
    EXPECT_EQ(UsersFile::checkPassword(QStringLiteral("пароль")), UserTextProblem::NotStorable);
    EXPECT_EQ(UsersFile::checkName(QStringLiteral("a\tb")), UserTextProblem::ControlCharacter);
    EXPECT_EQ(UsersFile::unstorableCharacters(QStringLiteral("abπcπ✓")), QStringLiteral("π✓"));

    ASSERT_EQ(SaveBenutzer(folder, {makeUser("Anna", "alt")}), UsersSaveResult::Saved);
    const QByteArray before = test::readAll(t.path(QStringLiteral("users.dat")));
    EXPECT_EQ(SaveBenutzer(folder, {makeUser("Anna", "neu✓")}), UsersSaveResult::Refused);
    EXPECT_EQ(test::readAll(t.path(QStringLiteral("users.dat"))), before);
    EXPECT_EQ(LoadBenutzer(folder), (UserList{makeUser("Anna", "alt")}));
    EXPECT_TRUE(LoadBenutzer(folder + QStringLiteral("missing/")).empty());
}

TEST(Login, PasswordBarcodeAndLastMatchWins)
{
    const UserList users{makeUser("Anna", "a1", {}, false, "111"), makeUser("Max", "", {2}, false, "222"),
                         makeUser("Anna", "a1", {1}), makeUser("Kai", "k", {}, false, "")};
    Session s;
    EXPECT_EQ(login(s, users, QStringLiteral("Anna"), QStringLiteral("falsch")), LoginResult::WrongCredentials);
    EXPECT_EQ(s.aktuser, 0);
    EXPECT_EQ(login(s, users, QStringLiteral("Anna"), QStringLiteral("a1")), LoginResult::LoggedIn);
    EXPECT_EQ(s.aktuser, 3) << "two users with the same name and password: the later one";
    EXPECT_FALSE(s.right(RightLoeschen));
    EXPECT_TRUE(s.eingelogged);

    EXPECT_EQ(findUserByBarcode(users, QStringLiteral("222")), 1);
    EXPECT_EQ(findUserByBarcode(users, QString()), -1) << "a user without barcode is never chosen by an empty scan";
    EXPECT_EQ(findUserByBarcode(users, QStringLiteral("333")), -1);
    // Max has an empty password: the scan alone logs him in.
    const User &max = users[1];
    EXPECT_EQ(login(s, users, max.name, max.password), LoginResult::LoggedIn);
    EXPECT_EQ(s.userName, QStringLiteral("Max"));
    EXPECT_FALSE(s.right(RightHinzufuegen));
    EXPECT_TRUE(s.right(RightLoeschen));

    logout(s);
    EXPECT_EQ(s.aktuser, 0);
    EXPECT_FALSE(s.eingelogged);
    EXPECT_TRUE(s.right(RightHinzufuegen));
}

TEST(Login, DeletingTheLoggedInUserRequiresANewLogin)
{
    UserList users{makeUser("Anna", "a"), makeUser("Bob", "b", {1})};
    Session s;
    ASSERT_EQ(login(s, users, QStringLiteral("Bob"), QStringLiteral("b")), LoginResult::LoggedIn);

    // Anna is deleted: Bob moves to position 1 and keeps his own rights.
    users.erase(users.begin());
    EXPECT_EQ(afterUserManagement(s, users, QStringLiteral("Bob")), UsersChanged::KeptUser);
    EXPECT_EQ(s.aktuser, 1);
    EXPECT_FALSE(s.right(RightLoeschen));

    // Bob himself is deleted while another user remains: nobody may go on
    // under his name and rights.
    users = {makeUser("Carla", "c")};
    EXPECT_EQ(afterUserManagement(s, users, QStringLiteral("Bob")), UsersChanged::LoginRequired);
    EXPECT_EQ(s.aktuser, 0);
    EXPECT_TRUE(s.userName.isEmpty());
    EXPECT_FALSE(s.eingelogged);

    users.clear();
    EXPECT_EQ(afterUserManagement(s, users, QString()), UsersChanged::NoUsers);
    EXPECT_TRUE(s.right(RightLoeschen));
}

TEST(Login, AutoLogoutFollowsThePinnedClock)
{
    const QDateTime t0(QDate(2026, 12, 11), QTime(12, 0));
    Session s;
    s.eingelogged = true;
    AutoLogout watch;
    watch.minutes = 3;
    watch.restart(t0);
    EXPECT_FALSE(watch.due(t0.addSecs(3600), s, true)) << "switched off: never";

    watch.enabled = true;
    watch.restart(t0);
    EXPECT_FALSE(watch.due(t0.addSecs(179), s, true));
    EXPECT_TRUE(watch.due(t0.addSecs(180), s, true));
    watch.restart(t0.addSecs(120));  // input two minutes in
    EXPECT_FALSE(watch.due(t0.addSecs(299), s, true));
    EXPECT_TRUE(watch.due(t0.addSecs(300), s, true));
    EXPECT_FALSE(watch.due(t0.addSecs(300), s, false)) << "no users: nobody to log out";
    s.eingelogged = false;
    EXPECT_FALSE(watch.due(t0.addSecs(300), s, true));
    watch.minutes = 0;
    EXPECT_EQ(watch.intervalMs(), 60000) << "a minute at least";
}

TEST(Rights, TableOverRepresentativeUsers)
{
    struct Expect {
        bool del, add, edit, import, replaceAll, exportItem, backup, restore, fileMenu, ekPrice;
    };
    struct Case {
        const char *who;
        std::function<void(Options &, Session &)> setup;
        bool ekHidden;
        Expect e;
    };
    const Case cases[] = {
        {"nobody logged in, switches on", [](Options &, Session &) {}, false,
         {true, true, true, true, true, true, true, true, true, true}},
        {"read-only user", [](Options &, Session &s) { s.aktusercannotwrite = true; }, false,
         {false, false, false, false, false, true, true, false, true, true}},
        {"user without delete and price rights",
         [](Options &, Session &s) { s.aktusercheck[RightLoeschen] = false; s.aktusercheck[RightEkPreiseSichtbar] = false; },
         false, {false, true, true, true, false, true, true, true, true, false}},
        {"switch Import off", [](Options &o, Session &) { o.adminSwitch[RightImport] = false; }, false,
         {true, true, true, false, false, true, true, true, true, true}},
        {"switch Import off, administrator logged in",
         [](Options &o, Session &s) { o.adminSwitch[RightImport] = false; s.aktusercannotwrite = true; s.isloggedin = true; },
         false, {true, true, true, true, true, true, true, true, true, true}},
        {"user without export right", [](Options &, Session &s) { s.aktusercheck[RightExport] = false; }, false,
         {true, true, true, true, true, false, true, true, true, true}},
        {"file menu switched off", [](Options &o, Session &) { o.adminSwitch[RightDateiMenu] = false; }, false,
         {true, true, true, true, true, true, true, true, false, true}},
        {"price switch off, administrator logged in",
         [](Options &o, Session &s) { o.adminSwitch[RightEkPreiseSichtbar] = false; s.isloggedin = true; }, false,
         {true, true, true, true, true, true, true, true, true, true}},
        {"price switch off", [](Options &o, Session &) { o.adminSwitch[RightEkPreiseSichtbar] = false; }, false,
         {true, true, true, true, true, true, true, true, true, false}},
        {"price field hidden in the dialog, administrator", [](Options &, Session &s) { s.isloggedin = true; }, true,
         {true, true, true, true, true, true, true, true, true, false}},
    };
    for (const Case &c : cases) {
        Options o;
        Session s;
        c.setup(o, s);
        const GrayOut g = GrayOutFunctions(o, s, c.ekHidden);
        auto state = [&g](const char *name) {
            for (const GrayOutItem &item : g.items) {
                if (item.name == QString::fromUtf8(name))
                    return item.on;
            }
            ADD_FAILURE() << "no item " << name;
            return false;
        };
        EXPECT_EQ(state("DelBtn"), c.e.del) << c.who;
        EXPECT_EQ(state("NewArtikelBtn"), c.e.add) << c.who;
        EXPECT_EQ(state("Artikel duplizieren..."), c.e.add) << c.who;
        EXPECT_EQ(state("EditArtikelBtn"), c.e.edit) << c.who;
        EXPECT_EQ(g.inPlaceNameEditing, c.e.edit) << c.who;
        EXPECT_EQ(state("Importieren..."), c.e.import) << c.who;
        EXPECT_EQ(state("Alle Artikel löschen und Datei importieren..."), c.e.replaceAll) << c.who;
        EXPECT_EQ(state("Exportieren..."), c.e.exportItem) << c.who;
        EXPECT_EQ(state("Backup der Artikel..."), c.e.backup) << c.who;
        EXPECT_EQ(state("Backup der Artikel einladen..."), c.e.restore) << c.who;
        EXPECT_EQ(state("Datei"), c.e.fileMenu) << c.who;
        EXPECT_EQ(state("PrintBtn"), c.e.fileMenu) << c.who;
        EXPECT_EQ(g.showPurchasePrice, c.e.ekPrice) << c.who;
    }
}
