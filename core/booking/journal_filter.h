#pragma once

#include "core/booking/journal.h"
#include "core/dbase/table.h"

#include <QDate>
#include <QString>

#include <optional>

namespace morvane::booking {

// Journal dates are written as "dd.mm.yyyy" whatever the workstation's own
// format; one- and two-digit days and months are taken too. Anything else,
// an empty text included, is no date.
std::optional<QDate> parseJournalDate(QStringView text);

// What the journal window lets through. One mode at a time: the customer
// filter, the article filter, or the text filter with the optional date
// range. `str1` is the filter text, the article name or the customer;
// `str2` and `str3` the barcode and first article number of the article
// filter.
struct JournalFilter {
    QString str1;
    QString str2;
    QString str3;
    bool filterstrs = false;   // article filter
    bool filterkunde = false;  // customer filter
    bool filterdate = false;
    QDate filtdate1;
    QDate filtdate2;

    static JournalFilter forArticle(const articles::Article &article);
    static JournalFilter forCustomer(const QString &customer);
    static JournalFilter forText(const QString &text);
    static JournalFilter forTextAndDates(const QString &text, QDate from, QDate to);

    // Whether filtering is on at all: an empty text without a date range lets
    // everything through, so the table does not filter.
    bool active() const;
    bool accepts(const JournalRecord &record) const;
    // The same rule as the table's filter callback: it reads only the fields
    // the mode needs.
    dbase::Table::Filter tableFilter() const;
    // Sets (or clears) the filter of an open journal table.
    void applyTo(dbase::Table &table) const;
};

}  // namespace morvane::booking
