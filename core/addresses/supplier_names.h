#pragma once

#include <QString>
#include <QStringList>

namespace morvane::app {
class Workspace;
}

namespace morvane::addresses {

class AddressBook;

enum class FillResult { Filled, Cancelled, AccessRefused, Invalid, IoError };

// Articles name their supplier by its e-mail address; these functions turn
// that key into names.
class SupplierNames {
public:
    // "Spalte mit Lieferantennamen füllen...": writes into list column
    // `column` (0 the article name, k + 1 field k) of every article the
    // company of the first supplier whose e-mail equals the article's
    // supplier e-mail, empty when there is none. Asks first (message 253),
    // then changes the articles inside a write phase and saves them.
    static FillResult fill(app::Workspace &ws, AddressBook &suppliers, int column, const QString &columnCaption);

    // The distinct non-empty supplier e-mails in table order, for drop-down lists.
    static QStringList emails(AddressBook &suppliers);

    // "Lieferanten Email-Adresse aus Lieferantenverwaltung übernehmen": the
    // e-mail of the current supplier; message 234 when it is empty.
    static QString takeOverEmail(app::Workspace &ws, AddressBook &suppliers);
};

}  // namespace morvane::addresses
