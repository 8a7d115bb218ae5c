#pragma once

#include "core/settings/users.h"

#include <QDialog>

#include <functional>

class QTableWidget;

namespace morvane::ui {

class TBenutzerForm;

// The user list: "Neuer Benutzer", "Bearbeiten" (or double click), "Löschen".
// Works on its own copy; the caller takes users() when it closes.
class TBenutzerVerwaltungForm final : public QDialog {
    Q_OBJECT
public:
    explicit TBenutzerVerwaltungForm(QWidget *parent = nullptr);

    void setUsers(const settings::UserList &users);
    const settings::UserList &users() const { return users_; }

    void NeuerBenutzerClick();
    void BearbeitenClick();
    void LoeschenClick();

    TBenutzerForm *BenutzerForm() const { return editor_; }
    QTableWidget *ListView1;

private:
    void fill();
    int selected() const;

    settings::UserList users_;
    TBenutzerForm *editor_;
};

}  // namespace morvane::ui
