#pragma once

#include "core/settings/rights.h"
#include "core/settings/users.h"
#include "core/settings/users_login.h"

#include <QObject>
#include <QTimer>

class QAction;
class QComboBox;

namespace morvane::app {
class Workspace;
}

namespace morvane::ui {

class ArticleActions;
class TAdminPassForm;
class TBenutzerVerwaltungForm;
class TEinloggenForm;
class TMainForm;

// Users, login and rights of the main window: the user choice, "Ausloggen",
// the administrator login, user management, the automatic logout and
// GrayOutFunctions. Attached to the window's controls by their names; owns
// the login, password and user windows and the session they change.
class UserActions final : public QObject {
    Q_OBJECT
public:
    explicit UserActions(TMainForm &form);
    ~UserActions() override;

    // The article handlers share the session; the field hiding of their
    // dialog takes part in the purchase-price rule.
    void setArticleActions(ArticleActions *articles) { articles_ = articles; }

    settings::Session &session() { return session_; }
    const settings::UserList &users() const { return users_; }
    settings::AutoLogout &autoLogout() { return watch_; }

    // Reads users.dat and fills the user choice and the login window.
    void LoadBenutzer();
    // The login at start: when users exist, the login loop runs; cancelling
    // it closes the main window. Then the rights are applied.
    void startLogin();

    bool IsAdmin();
    void GrayOutFunctions();
    void BenutzerComboChange();
    void AusloggenBtnClick();
    void BenutzerBearbeitenClick();
    void AdminLoginClick();
    void AdminLogoutClick();
    void setLogoutMinutes(int minutes);

    // The purchase-price guard (every second) and the automatic logout.
    void Timer6Timer();
    void Timer8Timer();

    TEinloggenForm *EinloggenForm() const { return login_; }
    TAdminPassForm *AdminPassForm() const { return adminPass_; }
    TBenutzerVerwaltungForm *BenutzerVerwaltungForm() const { return management_; }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    // Repeats the login window until a user is in or it is cancelled; true
    // when a user logged in.
    bool loginLoop();
    void fillUserChoice();
    void selectInChoice(const QString &name);
    void restartAutoLogout();
    void applyPurchasePriceGuard(bool show);
    QAction *action(const char *caption) const;
    void informOwn(const QString &text);

    TMainForm &form_;
    app::Workspace &ws_;
    ArticleActions *articles_ = nullptr;
    settings::Session session_;
    settings::UserList users_;
    settings::AutoLogout watch_;
    QComboBox *combo_ = nullptr;
    bool indoit_ = false;

    TEinloggenForm *login_;
    TAdminPassForm *adminPass_;
    TBenutzerVerwaltungForm *management_;
    QTimer *Timer6;
    QTimer *Timer8;
};

}  // namespace morvane::ui
