#include "ui/app/window_state.h"

#include <QAction>
#include <QActionGroup>
#include <QSettings>
#include <QStandardPaths>
#include <QWidget>

namespace morvane::ui {

namespace {

QList<QAction *> checkableActions(QWidget *window)
{
    QList<QAction *> actions;
    for (QAction *a : window->findChildren<QAction *>()) {
        if (a->isCheckable() && !a->objectName().isEmpty())
            actions << a;
    }
    return actions;
}

}  // namespace

QString WindowStateStorage::filePath()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation)
           + QStringLiteral("/Korvell/Tessaro/fensterstatus.ini");
}

void WindowStateStorage::save(QWidget *window, const QVariantMap &values)
{
    QSettings ini(filePath(), QSettings::IniFormat);
    ini.beginGroup(window->objectName());
    ini.setValue(QStringLiteral("Geometry"), window->saveGeometry());
    for (QAction *a : checkableActions(window))
        ini.setValue(QStringLiteral("Menu/") + a->objectName(), a->isChecked());
    for (auto it = values.begin(); it != values.end(); ++it)
        ini.setValue(QStringLiteral("Value/") + it.key(), it.value());
    ini.endGroup();
    ini.sync();
}

QVariantMap WindowStateStorage::restore(QWidget *window)
{
    QSettings ini(filePath(), QSettings::IniFormat);
    ini.beginGroup(window->objectName());
    if (ini.contains(QStringLiteral("Geometry")))
        window->restoreGeometry(ini.value(QStringLiteral("Geometry")).toByteArray());
    // Radio groups: only the stored choice is set, which clears the others.
    for (QAction *a : checkableActions(window)) {
        const QString key = QStringLiteral("Menu/") + a->objectName();
        if (!ini.contains(key))
            continue;
        const bool checked = ini.value(key).toBool();
        const bool exclusive = a->actionGroup() && a->actionGroup()->isExclusive();
        if (checked || !exclusive)
            a->setChecked(checked);
    }
    QVariantMap values;
    ini.beginGroup(QStringLiteral("Value"));
    for (const QString &key : ini.childKeys())
        values.insert(key, ini.value(key));
    ini.endGroup();
    ini.endGroup();
    return values;
}

}  // namespace morvane::ui
