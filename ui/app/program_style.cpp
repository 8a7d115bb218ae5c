#include "ui/app/program_style.h"

#include <QApplication>
#include <QHash>
#include <QPalette>
#include <QStyle>
#include <QStyleFactory>

namespace morvane::ui {

namespace {

struct Scheme {
    QColor window, base, text, button, highlight;
};

QPalette paletteOf(const Scheme &s)
{
    QPalette p;
    p.setColor(QPalette::Window, s.window);
    p.setColor(QPalette::WindowText, s.text);
    p.setColor(QPalette::Base, s.base);
    p.setColor(QPalette::AlternateBase, s.window);
    p.setColor(QPalette::Text, s.text);
    p.setColor(QPalette::Button, s.button);
    p.setColor(QPalette::ButtonText, s.text);
    p.setColor(QPalette::Highlight, s.highlight);
    p.setColor(QPalette::HighlightedText, Qt::white);
    p.setColor(QPalette::ToolTipBase, s.base);
    p.setColor(QPalette::ToolTipText, s.text);
    return p;
}

const QHash<QString, Scheme> &schemes()
{
    const QColor white(Qt::white), black(Qt::black), light(235, 235, 235);
    static const QHash<QString, Scheme> table = {
        {QStringLiteral("Amakrits"), {QColor(60, 46, 40), QColor(80, 62, 54), light, QColor(92, 72, 62), QColor(214, 139, 56)}},
        {QStringLiteral("Amethyst Kamri"), {QColor(228, 222, 236), white, black, QColor(212, 200, 226), QColor(128, 86, 170)}},
        {QStringLiteral("Aqua Graphite"), {QColor(74, 78, 84), QColor(96, 100, 106), light, QColor(88, 92, 98), QColor(64, 160, 200)}},
        {QStringLiteral("Aqua Light Slate"), {QColor(226, 232, 236), white, black, QColor(208, 218, 224), QColor(56, 150, 196)}},
        {QStringLiteral("Auric"), {QColor(52, 48, 40), QColor(70, 64, 54), light, QColor(80, 72, 58), QColor(212, 170, 60)}},
        {QStringLiteral("Carbon"), {QColor(40, 40, 40), QColor(56, 56, 56), light, QColor(64, 64, 64), QColor(232, 120, 40)}},
        {QStringLiteral("Charcoal Dark Slate"), {QColor(48, 52, 56), QColor(64, 68, 72), light, QColor(72, 76, 80), QColor(100, 140, 180)}},
        {QStringLiteral("Cobalt XEMedia"), {QColor(40, 52, 72), QColor(52, 66, 90), light, QColor(58, 74, 100), QColor(80, 140, 220)}},
        {QStringLiteral("Cyan Dusk"), {QColor(44, 62, 70), QColor(58, 80, 90), light, QColor(64, 88, 98), QColor(40, 190, 210)}},
        {QStringLiteral("Cyan Night"), {QColor(30, 40, 48), QColor(42, 54, 64), light, QColor(50, 62, 72), QColor(30, 170, 200)}},
        {QStringLiteral("Emerald Light Slate"), {QColor(226, 234, 230), white, black, QColor(206, 222, 214), QColor(40, 150, 100)}},
        {QStringLiteral("Golden Graphite"), {QColor(66, 66, 66), QColor(84, 84, 84), light, QColor(90, 90, 90), QColor(220, 170, 50)}},
        {QStringLiteral("Iceberg Classico"), {QColor(232, 240, 246), white, black, QColor(214, 228, 240), QColor(70, 130, 190)}},
        {QStringLiteral("Lavender Classico"), {QColor(236, 232, 244), white, black, QColor(222, 214, 238), QColor(120, 100, 180)}},
        {QStringLiteral("Metro Black"), {QColor(30, 30, 30), QColor(44, 44, 44), light, QColor(52, 52, 52), QColor(0, 120, 215)}},
        {QStringLiteral("Metro Blue"), {QColor(0, 90, 158), QColor(20, 110, 180), white, QColor(10, 100, 170), QColor(255, 170, 0)}},
        {QStringLiteral("Metro Green"), {QColor(0, 120, 70), QColor(20, 140, 90), white, QColor(10, 130, 80), QColor(255, 200, 0)}},
        {QStringLiteral("Sapphire Kamri"), {QColor(220, 228, 240), white, black, QColor(200, 214, 234), QColor(40, 80, 160)}},
        {QStringLiteral("Slate Classico"), {QColor(220, 224, 228), white, black, QColor(204, 210, 216), QColor(90, 110, 130)}},
        {QStringLiteral("Smokey Quartz Kamri"), {QColor(226, 222, 218), white, black, QColor(212, 206, 200), QColor(130, 110, 96)}},
        {QStringLiteral("Turquoise Gray"), {QColor(64, 70, 72), QColor(82, 88, 90), light, QColor(90, 96, 98), QColor(48, 190, 180)}},
    };
    return table;
}

}  // namespace

void SetProgramStyle(const QString &name)
{
    if (name == QLatin1String("Windows")) {
        if (QStyle *style = QStyleFactory::create(QStringLiteral("Windows")))
            QApplication::setStyle(style);
        QApplication::setPalette(QApplication::style()->standardPalette());
        return;
    }
    const auto it = schemes().find(name);
    if (it == schemes().end())
        return;
    if (QStyle *style = QStyleFactory::create(QStringLiteral("Fusion")))
        QApplication::setStyle(style);
    QApplication::setPalette(paletteOf(*it));
}

}  // namespace morvane::ui
