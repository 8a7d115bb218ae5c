#include "ui/base/qt_prompter.h"

#include <QApplication>
#include <QInputDialog>
#include <QMessageBox>

namespace morvane::ui {

namespace {

QMessageBox::Icon iconOf(base::Icon icon)
{
    switch (icon) {
    case base::Icon::None: return QMessageBox::NoIcon;
    case base::Icon::Information: return QMessageBox::Information;
    case base::Icon::Warning: return QMessageBox::Warning;
    case base::Icon::Question: return QMessageBox::Question;
    case base::Icon::Error:
    case base::Icon::Stop: return QMessageBox::Critical;
    }
    return QMessageBox::NoIcon;
}

QString titleOf(const base::Message &message)
{
    return message.title.isEmpty() ? QApplication::applicationName() : message.title;
}

}  // namespace

void QtPrompter::inform(const base::Message &message)
{
    QMessageBox box(iconOf(message.icon), titleOf(message), message.text, QMessageBox::Ok, parent_);
    box.exec();
}

base::Answer QtPrompter::ask(const base::Message &message, base::Buttons buttons)
{
    QMessageBox::StandardButtons standard;
    switch (buttons) {
    case base::Buttons::Ok: standard = QMessageBox::Ok; break;
    case base::Buttons::OkCancel: standard = QMessageBox::Ok | QMessageBox::Cancel; break;
    case base::Buttons::YesNo: standard = QMessageBox::Yes | QMessageBox::No; break;
    case base::Buttons::YesNoCancel: standard = QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel; break;
    }
    QMessageBox box(iconOf(message.icon), titleOf(message), message.text, standard, parent_);
    switch (box.exec()) {
    case QMessageBox::Ok: return base::Answer::Ok;
    case QMessageBox::Yes: return base::Answer::Yes;
    case QMessageBox::No: return base::Answer::No;
    default: return base::Answer::Cancel;
    }
}

std::optional<QString> QtPrompter::askText(const base::Message &message, const QString &preset)
{
    bool ok = false;
    const QString text = QInputDialog::getText(parent_, titleOf(message), message.text, QLineEdit::Normal, preset, &ok);
    if (!ok)
        return std::nullopt;
    return text;
}

std::optional<base::ValueAnswer> QtPrompter::askValue(const base::ValuePrompt &prompt)
{
    if (valueDialogs)
        return valueDialogs(prompt);
    return base::Prompter::askValue(prompt);
}

}  // namespace morvane::ui
