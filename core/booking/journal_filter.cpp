#include "core/booking/journal_filter.h"

#include "core/articles/article_numbers.h"

namespace morvane::booking {

std::optional<QDate> parseJournalDate(QStringView text)
{
    const QStringView t = text.trimmed();
    int parts[3] = {0, 0, 0};
    int digits[3] = {0, 0, 0};
    int part = 0;
    for (QChar c : t) {
        if (c == u'.') {
            if (++part > 2)
                return std::nullopt;
        } else if (c >= u'0' && c <= u'9') {
            if (++digits[part] > 4)
                return std::nullopt;
            parts[part] = parts[part] * 10 + (c.unicode() - u'0');
        } else {
            return std::nullopt;
        }
    }
    if (part != 2 || digits[0] < 1 || digits[0] > 2 || digits[1] < 1 || digits[1] > 2 || digits[2] != 4)
        return std::nullopt;
    const QDate date(parts[2], parts[1], parts[0]);
    if (!date.isValid())
        return std::nullopt;
    return date;
}

JournalFilter JournalFilter::forArticle(const articles::Article &article)
{
    JournalFilter f;
    f.filterstrs = true;
    f.str1 = article.name;
    f.str2 = article.field(articles::Barcode);
    f.str3 = articles::GetFirstartnr(article.field(articles::ArtikelNr));
    return f;
}

JournalFilter JournalFilter::forCustomer(const QString &customer)
{
    JournalFilter f;
    f.filterkunde = true;
    f.str1 = customer.trimmed();
    return f;
}

JournalFilter JournalFilter::forText(const QString &text)
{
    JournalFilter f;
    f.str1 = text;
    return f;
}

JournalFilter JournalFilter::forTextAndDates(const QString &text, QDate from, QDate to)
{
    JournalFilter f;
    f.str1 = text;
    f.filterdate = true;
    f.filtdate1 = from;
    f.filtdate2 = to;
    return f;
}

bool JournalFilter::active() const
{
    return filterstrs || filterkunde || filterdate || !str1.isEmpty();
}

namespace {

// The article of the article filter, so that it matches by the journal's one
// rule for "this record belongs to that article".
articles::Article filterArticle(const JournalFilter &f)
{
    articles::Article a;
    a.name = f.str1;
    a.field(articles::Barcode) = f.str2;
    a.field(articles::ArtikelNr) = f.str3;
    return a;
}

bool dateInRange(const QString &text, QDate from, QDate to)
{
    const auto date = parseJournalDate(text);
    return date && *date >= from && *date <= to;
}

}  // namespace

bool JournalFilter::accepts(const JournalRecord &record) const
{
    if (filterkunde)
        return record[JCustomer].trimmed() == str1.trimmed();
    if (filterstrs)
        return recordBelongsTo(record, filterArticle(*this));
    if (!str1.isEmpty()) {
        bool found = false;
        for (const QString &value : record)
            if (value.contains(str1)) {
                found = true;
                break;
            }
        if (!found)
            return false;
    }
    return !filterdate || dateInRange(record[JDate], filtdate1, filtdate2);
}

dbase::Table::Filter JournalFilter::tableFilter() const
{
    if (filterkunde) {
        const QString customer = str1.trimmed();
        return [customer](const dbase::Table &t) {
            return t.fieldCount() > JCustomer && t.fieldText(JCustomer).trimmed() == customer;
        };
    }
    if (filterstrs) {
        const JournalArticleKey key(filterArticle(*this));
        return [key](const dbase::Table &t) {
            // Most records carry another name: the other fields are read
            // only for those that do not.
            JournalRecord r;
            r[JArticle] = t.fieldText(JArticle);
            if (rightTrimmed(r[JArticle]) != key.storedName())
                return false;
            r[JBarcode] = t.fieldText(JBarcode);
            r[JArtNo] = t.fieldText(JArtNo);
            return key.matches(r);
        };
    }
    const QString text = str1;
    const bool dates = filterdate;
    const QDate from = filtdate1, to = filtdate2;
    return [text, dates, from, to](const dbase::Table &t) {
        if (dates && (t.fieldCount() <= JDate || !dateInRange(t.fieldText(JDate), from, to)))
            return false;
        if (text.isEmpty())
            return true;
        for (int i = 0; i < t.fieldCount(); ++i)
            if (t.fieldText(i).contains(text))
                return true;
        return false;
    };
}

void JournalFilter::applyTo(dbase::Table &table) const
{
    if (!active()) {
        table.setFiltered(false);
        table.setFilter({});
        return;
    }
    table.setFilter(tableFilter());
    table.setFiltered(true);
}

}  // namespace morvane::booking
