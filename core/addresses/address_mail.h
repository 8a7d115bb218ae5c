#pragma once

#include <QString>
#include <QStringList>

namespace morvane::app {
class ProcessLauncher;
}

namespace morvane::dbase {
class Table;
}

namespace morvane::addresses {

// A new message to the current address in the desktop mail program.
struct AddressMail {
    QString address;
    QString recipientName;
    QString body;
};

enum class MailResult { Started, Invalid, LaunchFailed };

class AddressMailer {
public:
    // From the fields "Anrede", "Vorname", "Name" and "Email" of the current
    // record; when one of them does not exist, from the texts of the edit
    // controls (4th salutation, 3rd first name, 2nd surname, 12th address).
    static AddressMail compose(const dbase::Table &table, const QStringList &editTexts);
    static AddressMail compose(const QString &salutation, const QString &firstName, const QString &surname,
                               const QString &address);
    // Refuses texts that could break out of their argument: line breaks and
    // other control characters, an address that reads as an option.
    static bool isAcceptable(const AddressMail &mail);
    static QStringList xdgEmailArguments(const AddressMail &mail);
    static MailResult send(const AddressMail &mail, app::ProcessLauncher &launcher);
};

}  // namespace morvane::addresses
