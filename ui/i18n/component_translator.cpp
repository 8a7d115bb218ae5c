#include "ui/i18n/component_translator.h"

#include <QAbstractButton>
#include <QAbstractSpinBox>
#include <QAction>
#include <QComboBox>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QTabWidget>
#include <QTableWidget>
#include <QWidget>

namespace morvane::ui {

namespace {

bool isUserData(const QObject *object)
{
    return object->property("tag").toInt() == 99;
}

void translateObject(QObject *object, i18n::Translator &t)
{
    auto tr = [&](const QString &text) { return t.translate(text); };
    if (auto *widget = qobject_cast<QWidget *>(object); widget && widget->isWindow())
        widget->setWindowTitle(tr(widget->windowTitle()));
    if (auto *label = qobject_cast<QLabel *>(object)) {
        label->setText(tr(label->text()));
    } else if (auto *button = qobject_cast<QAbstractButton *>(object)) {
        button->setText(tr(button->text()));
        button->setToolTip(tr(button->toolTip()));
    } else if (auto *group = qobject_cast<QGroupBox *>(object)) {
        group->setTitle(tr(group->title()));
        group->setToolTip(tr(group->toolTip()));
    } else if (auto *menu = qobject_cast<QMenu *>(object)) {
        menu->setTitle(tr(menu->title()));
    } else if (auto *action = qobject_cast<QAction *>(object)) {
        if (!action->isSeparator()) {
            action->setText(tr(action->text()));
            action->setToolTip(tr(action->toolTip()));
        }
    } else if (auto *tabs = qobject_cast<QTabWidget *>(object)) {
        for (int i = 0; i < tabs->count(); ++i)
            tabs->setTabText(i, tr(tabs->tabText(i)));
    } else if (auto *combo = qobject_cast<QComboBox *>(object)) {
        const int selected = combo->currentIndex();
        for (int i = 0; i < combo->count(); ++i)
            combo->setItemText(i, tr(combo->itemText(i)));
        combo->setCurrentIndex(selected);
    } else if (auto *table = qobject_cast<QTableWidget *>(object)) {
        for (int c = 0; c < table->columnCount(); ++c) {
            if (QTableWidgetItem *item = table->horizontalHeaderItem(c))
                item->setText(tr(item->text()));
        }
    } else if (auto *edit = qobject_cast<QLineEdit *>(object)) {
        // The editors inside spin and combo boxes hold values, not captions.
        const bool inner = qobject_cast<QAbstractSpinBox *>(edit->parent()) || qobject_cast<QComboBox *>(edit->parent());
        if (!inner && !isUserData(edit) && !edit->isReadOnly() && edit->echoMode() == QLineEdit::Normal)
            edit->setText(tr(edit->text()));
    } else if (auto *memo = qobject_cast<QPlainTextEdit *>(object)) {
        if (!isUserData(memo)) {
            QStringList lines = memo->toPlainText().split(u'\n');
            for (QString &line : lines)
                line = tr(line);
            memo->setPlainText(lines.join(u'\n'));
        }
    }
}

}  // namespace

void TranslateComponents(QObject *root, i18n::Translator &translator)
{
    // Breadth first, so a window's title is done before its children.
    QList<QObject *> level{root};
    while (!level.isEmpty()) {
        QList<QObject *> next;
        for (QObject *object : level) {
            translateObject(object, translator);
            next += object->children();
        }
        level = next;
    }
}

}  // namespace morvane::ui
