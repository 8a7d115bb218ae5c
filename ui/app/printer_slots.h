#pragma once

#include <QString>

class QPrinter;

namespace morvane::ui {

// The printer chosen per purpose ("printer0" general printing, "printer1"
// labels, "printer2" cash receipts), kept per user by printer name, so a
// printer added or removed elsewhere in the list does not shift the choice.
class PrinterSlots {
public:
    static void save(const QString &slot, const QPrinter &printer);
    // A printer that no longer exists is ignored; the printer keeps its setup.
    static void load(const QString &slot, QPrinter &printer);
};

}  // namespace morvane::ui
