#pragma once

#include <QString>

class QAction;
class QMainWindow;
class QMenu;
class QMenuBar;
class QObject;
class QWidget;

namespace morvane::ui {

// Object name of a menu item: its caption without anything but letters and
// digits, followed by "1" ("Beenden" -> "Beenden1").
QString menuItemName(const QString &caption);

// Builds the menu bar of the main window with the captions, shortcuts, check
// marks and visibility of the delivered configuration, and the article
// list's popup menu. Items are found later by object name.
void buildMainMenu(QMainWindow *window);
QMenu *buildArticlePopupMenu(QMainWindow *window);

// Sets the visibility of a menu item, menu or control as the delivered
// configuration has it, and remembers it for showAllFunctions.
void setDeliveredVisible(QObject *object, bool visible);
// "Alle Funktionen anzeigen": shows everything in `window` that the delivered
// configuration hides, or hides it again. The rights hide whole menus and
// work on what the delivered configuration shows, so a menu hidden by the
// rights stays hidden with everything in it.
void showAllFunctions(QWidget *window, bool show);

// The 22 entries of "Aussehen der Programmoberfläche", in menu order.
const QStringList &styleNames();

}  // namespace morvane::ui
