#pragma once

#include <QString>

class QAction;
class QMainWindow;
class QMenu;
class QMenuBar;

namespace morvane::ui {

// Object name of a menu item: its caption without anything but letters and
// digits, followed by "1" ("Beenden" -> "Beenden1").
QString menuItemName(const QString &caption);

// Builds the menu bar of the main window with the captions, shortcuts, check
// marks and visibility of the delivered configuration, and the article
// list's popup menu. Items are found later by object name.
void buildMainMenu(QMainWindow *window);
QMenu *buildArticlePopupMenu(QMainWindow *window);

// The 22 entries of "Aussehen der Programmoberfläche", in menu order.
const QStringList &styleNames();

}  // namespace morvane::ui
