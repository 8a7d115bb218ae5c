#include "ui/app/printer_slots.h"

#include "ui/app/window_state.h"

#include <QPageLayout>
#include <QPrinter>
#include <QPrinterInfo>
#include <QSettings>

namespace morvane::ui {

void PrinterSlots::save(const QString &slot, const QPrinter &printer)
{
    QSettings ini(WindowStateStorage::filePath(), QSettings::IniFormat);
    ini.beginGroup(slot);
    ini.setValue(QStringLiteral("PrinterName"), printer.printerName());
    ini.setValue(QStringLiteral("PrinterOrientation"),
                 printer.pageLayout().orientation() == QPageLayout::Landscape ? 0 : 1);
    ini.endGroup();
}

void PrinterSlots::load(const QString &slot, QPrinter &printer)
{
    QSettings ini(WindowStateStorage::filePath(), QSettings::IniFormat);
    ini.beginGroup(slot);
    const QString name = ini.value(QStringLiteral("PrinterName")).toString();
    if (!name.isEmpty() && QPrinterInfo::availablePrinterNames().contains(name))
        printer.setPrinterName(name);
    bool ok = false;
    const int orientation = ini.value(QStringLiteral("PrinterOrientation")).toInt(&ok);
    if (ok)
        printer.setPageOrientation(orientation != 0 ? QPageLayout::Portrait : QPageLayout::Landscape);
    ini.endGroup();
}

}  // namespace morvane::ui
