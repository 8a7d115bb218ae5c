#include "core/addresses/supplier_names.h"

#include "core/addresses/address_book.h"
#include "core/addresses/address_fields.h"
#include "core/app/workspace.h"
#include "core/articles/article_io.h"
#include "core/articles/shared_access.h"
#include "core/dbase/dbf_error.h"

#include <QHash>
#include <QSet>

namespace morvane::addresses {

FillResult SupplierNames::fill(app::Workspace &ws, AddressBook &suppliers, int column, const QString &columnCaption)
{
    if (column < 0 || column > articles::kFieldCount)
        return FillResult::Invalid;
    const base::Answer answer = ws.prompter->ask(
        ws.translator.makeMessage(253, base::Icon::Question, ws.translator.message(254), u' ' + columnCaption),
        base::Buttons::YesNoCancel);
    if (answer != base::Answer::Yes)
        return FillResult::Cancelled;
    dbase::Table &table = suppliers.table();
    if (!table.isOpen())
        return FillResult::IoError;

    // One walk over the suppliers instead of a filtered search per article:
    // the first record in table order wins, as the search would find it.
    QHash<QString, QString> companies;
    suppliers.clearSearch();
    try {
        for (table.first(); !table.eof(); table.next()) {
            const QString email = addressText(table, AddressField::Email);
            if (!companies.contains(email))
                companies.insert(email, addressText(table, AddressField::Company));
        }
        table.first();
    } catch (const dbase::DbfError &) {
        return FillResult::IoError;
    }

    if (!articles::SharedAccess::canwritenow(ws))
        return FillResult::AccessRefused;
    // The list in memory only changes when the file could be written.
    articles::ArticleList before = ws.articles;
    for (articles::Article &article : ws.articles) {
        const QString name = companies.value(article.field(articles::LieferantenEmail));
        if (column == 0)
            article.name = name;
        else
            article.field(column - 1) = name;
    }
    const bool saved = articles::SaveFile(ws) == articles::SaveResult::Saved;
    if (!saved)
        ws.articles = std::move(before);
    articles::SharedAccess::EndWriteMow(ws);
    return saved ? FillResult::Filled : FillResult::IoError;
}

QStringList SupplierNames::emails(AddressBook &suppliers)
{
    QStringList out;
    QSet<QString> seen;
    dbase::Table &table = suppliers.table();
    if (!table.isOpen())
        return out;
    try {
        for (const std::uint32_t record : table.visibleRecordNumbers()) {
            if (!table.go(record))
                continue;
            const QString email = addressText(table, AddressField::Email);
            if (!email.isEmpty() && !seen.contains(email)) {
                seen.insert(email);
                out << email;
            }
        }
        table.first();
    } catch (const dbase::DbfError &) {
    }
    return out;
}

QString SupplierNames::takeOverEmail(app::Workspace &ws, AddressBook &suppliers)
{
    const QString email = addressText(suppliers.table(), AddressField::Email);
    if (email.isEmpty())
        ws.inform(234, base::Icon::Error);
    return email;
}

}  // namespace morvane::addresses
