#include "ui/settings/user_actions.h"

#include "ui/app/main_form.h"
#include "ui/app/main_menu.h"
#include "ui/articles/article_actions.h"
#include "ui/articles/article_table_model.h"
#include "ui/settings/admin_pass_form.h"
#include "ui/settings/benutzer_form.h"
#include "ui/settings/benutzer_verwaltung_form.h"
#include "ui/settings/einloggen_form.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QEvent>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QTableView>

namespace morvane::ui {

using namespace settings;

UserActions::UserActions(TMainForm &form) : QObject(&form), form_(form), ws_(form.workspace())
{
    setObjectName(QStringLiteral("UserActions"));
    login_ = new TEinloggenForm(&form);
    adminPass_ = new TAdminPassForm(&form);
    management_ = new TBenutzerVerwaltungForm(&form);
    management_->BenutzerForm()->check = [this](const User &u) {
        const UserTextProblem name = UsersFile::checkName(u.name);
        const UserTextProblem password = UsersFile::checkPassword(u.password);
        if (name == UserTextProblem::EmptyName) {
            informOwn(ws_.translator.translate(QStringLiteral("Bitte geben Sie einen Benutzernamen ein.")));
            return false;
        }
        if (name != UserTextProblem::None || password != UserTextProblem::None) {
            informOwn(ws_.translator.translate(QString::fromUtf8(
                          "Diese Zeichen können im Benutzernamen oder Passwort nicht gespeichert werden: "))
                      + UsersFile::unstorableCharacters(u.name + u.password));
            return false;
        }
        return true;
    };

    Timer6 = new QTimer(this);
    Timer6->setObjectName(QStringLiteral("Timer6"));
    Timer6->setInterval(1000);
    connect(Timer6, &QTimer::timeout, this, &UserActions::Timer6Timer);
    Timer8 = new QTimer(this);
    Timer8->setObjectName(QStringLiteral("Timer8"));
    Timer8->setTimerType(Qt::PreciseTimer);
    Timer8->setSingleShot(true);
    Timer8->setInterval(watch_.intervalMs());
    connect(Timer8, &QTimer::timeout, this, &UserActions::Timer8Timer);

    combo_ = form.findChild<QComboBox *>(QStringLiteral("BenutzerCombo"));
    if (combo_)
        connect(combo_, &QComboBox::currentIndexChanged, this, [this] {
            if (!indoit_)
                BenutzerComboChange();
        });
    if (auto *b = form.findChild<QPushButton *>(QStringLiteral("AusloggenBtn")))
        connect(b, &QPushButton::clicked, this, &UserActions::AusloggenBtnClick);
    if (auto *b = form.findChild<QPushButton *>(QStringLiteral("BenutzerBearbeiten")))
        connect(b, &QPushButton::clicked, this, &UserActions::BenutzerBearbeitenClick);
    if (QAction *a = action("Benutzer verwalten"))
        connect(a, &QAction::triggered, this, &UserActions::BenutzerBearbeitenClick);
    if (QAction *a = action("Einloggen, um alle Funktionen nutzen zu können..."))
        connect(a, &QAction::triggered, this, &UserActions::AdminLoginClick);
    if (QAction *a = action("Ausloggen"))
        connect(a, &QAction::triggered, this, &UserActions::AdminLogoutClick);
    if (QAction *a = action("Automatisch nach X Minuten abmelden")) {
        watch_.enabled = a->isChecked();
        connect(a, &QAction::toggled, this, [this](bool on) {
            watch_.enabled = on;
            if (on)
                restartAutoLogout();
            else
                Timer8->stop();
        });
    }
    if (ArticleTableModel *model = form.articleModel())
        connect(model, &QAbstractItemModel::modelReset, this, [this] { QTimer::singleShot(0, this, &UserActions::Timer6Timer); });
    qApp->installEventFilter(this);
    Timer6->start();
}

UserActions::~UserActions()
{
    qApp->removeEventFilter(this);
}

QAction *UserActions::action(const char *caption) const
{
    return form_.findChild<QAction *>(menuItemName(QString::fromUtf8(caption)));
}

void UserActions::informOwn(const QString &text)
{
    ws_.prompter->inform({0, text, {}, base::Icon::Error});
}

void UserActions::LoadBenutzer()
{
    users_ = settings::LoadBenutzer(ws_.folders.progpath);
    fillUserChoice();
}

void UserActions::fillUserChoice()
{
    indoit_ = true;
    if (combo_) {
        combo_->clear();
        for (const User &u : users_)
            combo_->addItem(u.name);
        combo_->setCurrentIndex(session_.aktuser >= 1 ? session_.aktuser - 1 : (users_.empty() ? -1 : 0));
    }
    login_->setUsers(&users_);
    indoit_ = false;
}

void UserActions::selectInChoice(const QString &name)
{
    if (!combo_)
        return;
    indoit_ = true;
    if (session_.aktuser >= 1 && session_.aktuser <= combo_->count() && combo_->itemText(session_.aktuser - 1) == name)
        combo_->setCurrentIndex(session_.aktuser - 1);
    else
        combo_->setCurrentIndex(combo_->findText(name, Qt::MatchExactly));
    indoit_ = false;
}

void UserActions::startLogin()
{
    if (!users_.empty() && !loginLoop())
        return;
    GrayOutFunctions();
}

bool UserActions::loginLoop()
{
    const QString previous = session_.userName;
    bool cancelled = false;
    bool success = false;
    const QAction *noSpace = action("Leertaste nicht zum Abschluss der Eingabe verwenden");
    do {
        login_->setUsers(&users_);
        login_->prepare(combo_ ? combo_->currentText() : QString(), false, !(noSpace && noSpace->isChecked()));
        if (login_->exec() != QDialog::Accepted) {
            cancelled = true;
            break;
        }
        const bool issue = login_->AbgangCheck->isChecked();
        if (auto *r = form_.findChild<QRadioButton *>(QLatin1String(issue ? "AbgangCheck" : "ZugangCheck")))
            r->setChecked(true);
        success = login(session_, users_, login_->userName(), login_->password()) == LoginResult::LoggedIn;
        if (success) {
            selectInChoice(session_.userName);
        } else {
            ws_.prompter->inform(ws_.translator.makeMessage(83, base::Icon::Error, ws_.translator.message(84)));
            selectInChoice(previous);
        }
    } while (!success && session_.aktuser < 1);

    session_.eingelogged = true;
    restartAutoLogout();
    if (cancelled) {
        if (session_.aktuser >= 1) {
            selectInChoice(previous);
        } else {
            // Nobody may work without a login.
            session_.eingelogged = false;
            Timer8->stop();
            form_.close();
        }
        return session_.aktuser >= 1;
    }
    if (success) {
        ws_.addProtocolLine(ws_.translator.message(104) + u' ' + session_.userName);
        GrayOutFunctions();
    }
    return session_.aktuser >= 1;
}

void UserActions::BenutzerComboChange()
{
    loginLoop();
}

void UserActions::AusloggenBtnClick()
{
    if (users_.empty()) {
        ws_.inform(243, base::Icon::Error);
        return;
    }
    Timer8->stop();
    form_.hide();
    logout(session_);
    GrayOutFunctions();
    if (!loginLoop())
        return;
    form_.show();
    if (auto *edit = form_.findChild<QLineEdit *>(QStringLiteral("ArtNrEd")); edit && edit->isVisible())
        edit->setFocus();
}

bool UserActions::IsAdmin()
{
    if (ws_.options.adminPassword.isEmpty())
        return true;
    adminPass_->Edit1->clear();
    adminPass_->Edit1->setFocus();
    if (adminPass_->exec() != QDialog::Accepted)
        return false;
    if (adminPass_->Edit1->text() == ws_.options.adminPassword)
        return true;
    ws_.inform(32, base::Icon::Error);
    return false;
}

void UserActions::AdminLoginClick()
{
    if (!IsAdmin())
        return;
    session_.isloggedin = true;
    GrayOutFunctions();
}

void UserActions::AdminLogoutClick()
{
    session_.isloggedin = false;
    GrayOutFunctions();
}

void UserActions::BenutzerBearbeitenClick()
{
    if (!IsAdmin())
        return;
    const QString remembered = session_.aktuser >= 1 ? session_.userName : QString();
    management_->setUsers(users_);
    management_->exec();
    const UserList edited = management_->users();
    if (SaveBenutzer(ws_.folders.progpath, edited) != UsersSaveResult::Saved)
        informOwn(ws_.translator.translate(QStringLiteral("Die Benutzer konnten nicht gespeichert werden.")));
    users_ = edited;
    const UsersChanged change = afterUserManagement(session_, users_, remembered);
    fillUserChoice();
    GrayOutFunctions();
    if (change == UsersChanged::LoginRequired) {
        // The user who worked here is gone: someone has to log in again.
        Timer8->stop();
        loginLoop();
    }
    if (auto *edit = form_.findChild<QLineEdit *>(QStringLiteral("ArtNrEd")); edit && edit->isVisible())
        edit->setFocus();
}

void UserActions::setLogoutMinutes(int minutes)
{
    watch_.minutes = minutes;
    Timer8->setInterval(watch_.intervalMs());
}

void UserActions::restartAutoLogout()
{
    if (!watch_.enabled)
        return;
    watch_.restart(ws_.clock.now());
    Timer8->start(watch_.intervalMs());
}

void UserActions::Timer8Timer()
{
    const QDateTime now = ws_.clock.now();
    if (watch_.due(now, session_, !users_.empty())) {
        Timer8->stop();
        AusloggenBtnClick();
        return;
    }
    // Timers may fire a little early; wait for the rest.
    if (watch_.enabled && watch_.deadline().isValid() && now < watch_.deadline())
        Timer8->start(int(std::max<qint64>(1, now.msecsTo(watch_.deadline()))));
}

bool UserActions::eventFilter(QObject *watched, QEvent *event)
{
    switch (event->type()) {
    case QEvent::KeyPress:
    case QEvent::MouseMove:
    case QEvent::MouseButtonPress:
    case QEvent::Wheel:
        if (watch_.enabled && Timer8->isActive())
            restartAutoLogout();
        break;
    default:
        break;
    }
    return QObject::eventFilter(watched, event);
}

void UserActions::applyPurchasePriceGuard(bool show)
{
    QTableView *view = form_.articleView();
    if (!view)
        return;
    const int column = ws_.articleSettings.spalte.inverseAt(articles::EkPreis) + 1;
    if (!show) {
        if (!view->isColumnHidden(column))
            view->setColumnHidden(column, true);
        return;
    }
    // Shown again: the stored width decides, so a column the user hid
    // himself stays hidden.
    const int width = ws_.articleSettings.listColumnWidth(column);
    if (width > 0 && view->isColumnHidden(column)) {
        view->setColumnHidden(column, false);
        view->setColumnWidth(column, width);
    }
}

void UserActions::Timer6Timer()
{
    const bool ekHidden = articles_ && articles_->ekHiddenInDialog();
    applyPurchasePriceGuard(Rights(ws_.options, session_).purchasePricesVisible(ekHidden));
}

void UserActions::GrayOutFunctions()
{
    const bool ekHidden = articles_ && articles_->ekHiddenInDialog();
    const GrayOut g = settings::GrayOutFunctions(ws_.options, session_, ekHidden);
    const QList<QAction *> actions = form_.findChildren<QAction *>();
    for (const GrayOutItem &item : g.items) {
        switch (item.target) {
        case GrayOutItem::Target::Button:
            if (auto *b = form_.findChild<QPushButton *>(item.name))
                b->setEnabled(item.on);
            break;
        case GrayOutItem::Target::MenuItem: {
            // The item and its twins (the popup menu's copy) share the name
            // up to the running number.
            const QString base = menuItemName(item.name).chopped(1);
            for (QAction *a : actions) {
                const QString name = a->objectName();
                bool numbered = false;
                if (name.startsWith(base))
                    name.mid(base.size()).toInt(&numbered);
                if (numbered)
                    a->setEnabled(item.on);
            }
            break;
        }
        case GrayOutItem::Target::TopMenu: {
            const QString name = menuItemName(item.name);
            QAction *a = form_.findChild<QAction *>(name + QStringLiteral("Action"));
            if (!a)
                a = form_.findChild<QAction *>(name);
            if (a)
                a->setVisible(item.on);
            break;
        }
        }
    }
    applyPurchasePriceGuard(g.showPurchasePrice);
    if (articles_)
        articles_->BlendeSpaltenAus();
}

}  // namespace morvane::ui
