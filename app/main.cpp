#include "core/app/folders.h"
#include "ui/app/main_form.h"

#include <QApplication>

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Morvane"));
    QApplication::setOrganizationName(QStringLiteral("Korvell"));
    const auto commandLine = morvane::app::CommandLine::parse(QApplication::arguments().mid(1));
    morvane::ui::TMainForm mainForm(commandLine);
    mainForm.show();
    return QApplication::exec();
}
