#include "core/addresses/address_mail.h"

#include "core/app/process_launcher.h"
#include "core/dbase/dbf_error.h"
#include "core/dbase/table.h"

namespace morvane::addresses {

namespace {

bool hasControl(const QString &text)
{
    for (QChar c : text)
        if (c.unicode() < 0x20 || c.unicode() == 0x7F || c == QChar::LineSeparator || c == QChar::ParagraphSeparator)
            return true;
    return false;
}

}  // namespace

AddressMail AddressMailer::compose(const QString &salutation, const QString &firstName, const QString &surname,
                                   const QString &address)
{
    AddressMail mail;
    mail.address = address.trimmed();
    mail.recipientName = salutation;
    if (!salutation.isEmpty())
        mail.recipientName += u' ';
    mail.recipientName += firstName;
    if (!firstName.isEmpty())
        mail.recipientName += u' ';
    mail.recipientName += surname;
    if (salutation == u"Herr")
        mail.body = QStringLiteral("Sehr geehrter Herr ") + surname + u',';
    else if (salutation == u"Frau")
        mail.body = QStringLiteral("Sehr geehrte Frau ") + surname + u',';
    return mail;
}

AddressMail AddressMailer::compose(const dbase::Table &table, const QStringList &editTexts)
{
    const int salutation = table.fieldIndex(u"Anrede");
    const int firstName = table.fieldIndex(u"Vorname");
    const int surname = table.fieldIndex(u"Name");
    const int address = table.fieldIndex(u"Email");
    if (salutation >= 0 && firstName >= 0 && surname >= 0 && address >= 0 && !(table.eof() && table.bof())) {
        try {
            return compose(table.fieldText(salutation), table.fieldText(firstName), table.fieldText(surname),
                           table.fieldText(address));
        } catch (const dbase::DbfError &) {
        }
    }
    return compose(editTexts.value(3), editTexts.value(2), editTexts.value(1), editTexts.value(11));
}

bool AddressMailer::isAcceptable(const AddressMail &mail)
{
    if (hasControl(mail.address) || hasControl(mail.recipientName) || hasControl(mail.body))
        return false;
    return !mail.address.startsWith(u'-');
}

QStringList AddressMailer::xdgEmailArguments(const AddressMail &mail)
{
    QStringList args;
    if (!mail.body.isEmpty())
        args << QStringLiteral("--body") << mail.body;
    // xdg-email takes plain addresses; the name only travels in the greeting.
    if (!mail.address.isEmpty())
        args << mail.address;
    return args;
}

MailResult AddressMailer::send(const AddressMail &mail, app::ProcessLauncher &launcher)
{
    if (!isAcceptable(mail))
        return MailResult::Invalid;
    return launcher.start(QStringLiteral("xdg-email"), xdgEmailArguments(mail)) ? MailResult::Started
                                                                                 : MailResult::LaunchFailed;
}

}  // namespace morvane::addresses
