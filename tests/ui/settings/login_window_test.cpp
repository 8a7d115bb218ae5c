#include "core/settings/users.h"
#include "ui/app/main_form.h"
#include "ui/app/main_menu.h"
#include "ui/articles/article_actions.h"
#include "ui/articles/article_table_model.h"
#include "ui/settings/benutzer_form.h"
#include "ui/settings/benutzer_verwaltung_form.h"
#include "ui/settings/einloggen_form.h"
#include "ui/settings/user_actions.h"

#include "support/temp_workspace.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QTableView>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <functional>

using namespace morvane;

namespace {

settings::User user(const char *name, const char *password, std::initializer_list<int> withheld, const char *barcode = "")
{
    settings::User u;
    u.name = QString::fromUtf8(name);
    u.password = QString::fromUtf8(password);
    u.barcode = QString::fromUtf8(barcode);
    for (int r : withheld)
        u.setRestricted(r, true);
    return u;
}

// The main window on a data folder holding `users`. With users the login
// window opens during the start; `atLogin` schedules its answer before the
// window is shown (the start sequence runs once the window is up).
struct Window {
    explicit Window(const settings::UserList &users, const std::function<void(Window &)> &atLogin = {})
    {
        qputenv("XDG_DATA_HOME", userHome.path().toUtf8());
        EXPECT_EQ(settings::SaveBenutzer(data.path() + u'/', users), settings::UsersSaveResult::Saved);
        form = std::make_unique<ui::TMainForm>(app::CommandLine::parse({QStringLiteral("-setpath"), data.path()}));
        actions = form->userActions();
        articles = form->articleActions();
        if (atLogin)
            atLogin(*this);
        form->show();
        // The title is set in the same step of the start sequence that runs
        // the login, so the wait also covers the login.
        EXPECT_TRUE(QTest::qWaitFor([&] { return form->windowTitle().contains(u" - "); }, 10000));
    }

    QAction *menu(const char *caption) const
    {
        return form->findChild<QAction *>(ui::menuItemName(QString::fromUtf8(caption)) + QStringLiteral("Action"));
    }
    QAction *item(const char *caption) const
    {
        return form->findChild<QAction *>(ui::menuItemName(QString::fromUtf8(caption)));
    }
    QPushButton *button(const char *name) const { return form->findChild<QPushButton *>(QLatin1String(name)); }

    QTemporaryDir data;
    QTemporaryDir userHome;
    std::unique_ptr<ui::TMainForm> form;
    ui::UserActions *actions = nullptr;
    ui::ArticleActions *articles = nullptr;
};

void whenModal(std::function<bool(QWidget *)> ready, std::function<void(QWidget *)> act)
{
    auto *poll = new QTimer;
    QObject::connect(poll, &QTimer::timeout, poll, [poll, ready, act] {
        QWidget *modal = QApplication::activeModalWidget();
        if (!modal || !modal->isVisible() || !ready(modal))
            return;
        poll->stop();
        poll->deleteLater();
        act(modal);
    });
    poll->start(10);
}

void whenShown(QWidget *dialog, std::function<void()> act)
{
    whenModal([dialog](QWidget *m) { return m == dialog; }, [act](QWidget *) { act(); });
}

void screenshot(QWidget *w, const char *name)
{
    const QByteArray dir = qgetenv("MORVANE_SCREENSHOTS");
    if (!dir.isEmpty())
        w->grab().save(QString::fromLocal8Bit(dir) + u'/' + QLatin1String(name) + QStringLiteral(".png"));
}

}  // namespace

TEST(LoginWindow, BarcodeLoginOfARestrictedUserGraysOutTheMenus)
{
    // Lager may not delete, not see purchase prices and has no "Datei" menu.
    Window w({user("Chefin", "geheim", {}), user("Lager", "", {settings::RightLoeschen, settings::RightEkPreiseSichtbar,
                                                                settings::RightDateiMenu}, "LAGER-01")},
             [](Window &started) {
                 ui::TEinloggenForm *login = started.actions->EinloggenForm();
                 whenShown(login, [login] {
                     screenshot(login, "login");
                     login->Edit3->setFocus();
                     QTest::keyClicks(login->Edit3, QStringLiteral("LAGER-01"));
                     QTest::keyClick(login->Edit3, Qt::Key_Return);  // empty password: the scan alone logs in
                 });
             });
    EXPECT_EQ(w.actions->session().aktuser, 2);
    EXPECT_EQ(w.actions->session().userName, QStringLiteral("Lager"));
    EXPECT_EQ(w.form->findChild<QComboBox *>(QStringLiteral("BenutzerCombo"))->currentText(), QStringLiteral("Lager"));

    EXPECT_FALSE(w.button("DelBtn")->isEnabled());
    EXPECT_TRUE(w.button("NewArtikelBtn")->isEnabled());
    EXPECT_FALSE(w.button("PrintBtn")->isEnabled());
    EXPECT_FALSE(w.menu("Datei")->isVisible());
    EXPECT_TRUE(w.menu("Funktionen")->isVisible());
    const int ek = w.form->workspace().articleSettings.spalte.inverseAt(articles::EkPreis) + 1;
    EXPECT_TRUE(w.form->articleView()->isColumnHidden(ek));
    screenshot(w.form.get(), "restricted_user");

    // The administrator logs in and sees everything; logging out restores the user's view.
    w.actions->AdminLoginClick();  // no administrator password set
    EXPECT_TRUE(w.button("DelBtn")->isEnabled());
    EXPECT_TRUE(w.menu("Datei")->isVisible());
    EXPECT_FALSE(w.form->articleView()->isColumnHidden(ek));
    w.actions->AdminLogoutClick();
    EXPECT_FALSE(w.button("DelBtn")->isEnabled());
}

TEST(LoginWindow, WrongPasswordAsksAgainAndCancelAtStartClosesTheProgram)
{
    int attempts = 0;
    ui::TEinloggenForm *login = nullptr;
    std::function<void()> attempt = [&] {
        ++attempts;
        if (attempts == 1) {
            login->Edit2->setText(QStringLiteral("falsch"));
            whenModal([](QWidget *m) { return qobject_cast<QMessageBox *>(m) != nullptr; },
                      [&](QWidget *m) {
                          EXPECT_TRUE(static_cast<QMessageBox *>(m)->text().contains(QStringLiteral("Passwort")));
                          static_cast<QMessageBox *>(m)->button(QMessageBox::Ok)->click();
                          whenShown(login, attempt);
                      });
            QTest::mouseClick(login->OKBtn, Qt::LeftButton);
        } else {
            QTest::mouseClick(login->findChild<QPushButton *>(QStringLiteral("AbbrechenBtn")), Qt::LeftButton);
        }
    };
    Window w({user("Chefin", "geheim", {})}, [&](Window &started) {
        login = started.actions->EinloggenForm();
        whenShown(login, attempt);
    });
    EXPECT_EQ(attempts, 2);
    EXPECT_EQ(w.actions->session().aktuser, 0);
    EXPECT_FALSE(w.form->isVisible()) << "nobody logged in: the main window closes";
}

TEST(LoginWindow, NewRestrictedUserThroughUserManagementThenDeletingTheLoggedInUser)
{
    Window w({user("Chefin", "geheim", {})}, [](Window &started) {
        ui::TEinloggenForm *login = started.actions->EinloggenForm();
        whenShown(login, [login] {
            login->Edit1->setCurrentText(QStringLiteral("Chefin"));
            login->Edit2->setText(QStringLiteral("geheim"));
            QTest::mouseClick(login->OKBtn, Qt::LeftButton);
        });
    });
    ui::TEinloggenForm *login = w.actions->EinloggenForm();
    ASSERT_EQ(w.actions->session().userName, QStringLiteral("Chefin"));

    // Add "Aushilfe" without the right to add articles; then delete "Chefin"
    // herself, who is logged in.
    ui::TBenutzerVerwaltungForm *management = w.actions->BenutzerVerwaltungForm();
    ui::TBenutzerForm *editor = management->BenutzerForm();
    whenShown(management, [&] {
        whenShown(editor, [&] {
            QTest::keyClicks(editor->Edit1, QStringLiteral("Aushilfe"));
            QTest::keyClicks(editor->Edit2, QStringLiteral("123"));
            editor->rightBoxes[settings::RightHinzufuegen - 1]->setChecked(false);
            screenshot(editor, "user_editor");
            editor->accept();
        });
        management->NeuerBenutzerClick();
        ASSERT_EQ(management->ListView1->rowCount(), 2);
        screenshot(management, "user_list");
        management->ListView1->selectRow(0);
        management->LoeschenClick();
        EXPECT_EQ(management->ListView1->rowCount(), 1);
        whenShown(login, [&] {
            EXPECT_EQ(w.actions->session().aktuser, 0) << "nobody works under the deleted user's name";
            login->Edit1->setCurrentText(QStringLiteral("Aushilfe"));
            login->Edit2->setText(QStringLiteral("123"));
            QTest::mouseClick(login->OKBtn, Qt::LeftButton);
        });
        management->accept();
    });
    w.actions->BenutzerBearbeitenClick();

    const settings::UserList stored = settings::LoadBenutzer(w.data.path() + u'/');
    ASSERT_EQ(stored.size(), 1u);
    EXPECT_EQ(stored[0].name, QStringLiteral("Aushilfe"));
    EXPECT_TRUE(stored[0].isRestricted(settings::RightHinzufuegen));
    EXPECT_EQ(w.actions->session().userName, QStringLiteral("Aushilfe"));
    EXPECT_FALSE(w.button("NewArtikelBtn")->isEnabled());
    EXPECT_FALSE(w.item("Artikel duplizieren...")->isEnabled());
    EXPECT_TRUE(w.button("DelBtn")->isEnabled());
}

TEST(LoginWindow, UserEditorRefusesAPasswordTheFileCannotHold)
{
    Window w({});
    ui::TBenutzerForm *editor = w.actions->BenutzerVerwaltungForm()->BenutzerForm();
    editor->setUser(settings::User{});
    editor->Edit1->setText(QStringLiteral("Anna"));
    editor->Edit2->setText(QStringLiteral("пароль"));
    bool informed = false;
    whenModal([](QWidget *m) { return qobject_cast<QMessageBox *>(m) != nullptr; }, [&](QWidget *m) {
        informed = static_cast<QMessageBox *>(m)->text().contains(QStringLiteral("п"));
        static_cast<QMessageBox *>(m)->button(QMessageBox::Ok)->click();
        QTimer::singleShot(0, editor, [editor] { editor->reject(); });
    });
    whenShown(editor, [&] { editor->accept(); });
    QTimer::singleShot(10000, editor, [editor] { editor->reject(); });  // if the message never comes
    EXPECT_EQ(editor->exec(), QDialog::Rejected) << "the editor stays open with the refused password";
    EXPECT_TRUE(informed);
}

TEST(LoginWindow, LogoutWithoutUsersSaysSo)
{
    Window w({});
    bool informed = false;
    whenModal([](QWidget *m) { return qobject_cast<QMessageBox *>(m) != nullptr; }, [&](QWidget *m) {
        informed = true;
        static_cast<QMessageBox *>(m)->button(QMessageBox::Ok)->click();
    });
    w.actions->AusloggenBtnClick();
    EXPECT_TRUE(informed);
    EXPECT_TRUE(w.form->isVisible());
}
