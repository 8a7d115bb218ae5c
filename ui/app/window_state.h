#pragma once

#include <QString>
#include <QVariant>

class QWidget;

namespace morvane::ui {

// Per-user window states in an INI file in the user's configuration folder,
// one section per window: position and size, the check marks of its
// checkable menu items, and any named values the window adds.
class WindowStateStorage {
public:
    static QString filePath();

    static void save(QWidget *window, const QVariantMap &values = {});
    // Returns the named values stored with the window.
    static QVariantMap restore(QWidget *window);
};

}  // namespace morvane::ui
