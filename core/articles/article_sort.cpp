#include "core/articles/article_sort.h"

#include "core/base/decimal.h"

#include <QCollator>

#include <algorithm>
#include <numeric>
#include <optional>

namespace morvane::articles {

namespace {

QStringView upToFirstBlank(const QString &text)
{
    const qsizetype blank = text.indexOf(u' ');
    return blank < 0 ? QStringView(text) : QStringView(text).left(blank);
}

// Numbers and dates: convertible values by value, the rest after them.
template <typename Value>
void sortByValue(ArticleList &articles, bool sortdir, const std::vector<std::optional<Value>> &keys)
{
    std::vector<std::size_t> order(articles.size());
    std::iota(order.begin(), order.end(), 0);
    std::stable_sort(order.begin(), order.end(), [&](std::size_t a, std::size_t b) {
        const auto &ka = keys[a];
        const auto &kb = keys[b];
        if (!ka || !kb)
            return ka.has_value() && !kb.has_value();
        return sortdir ? *ka < *kb : *kb < *ka;
    });
    ArticleList sorted;
    sorted.reserve(articles.size());
    for (std::size_t i : order)
        sorted.push_back(std::move(articles[i]));
    articles = std::move(sorted);
}

void sortByText(ArticleList &articles, bool sortdir, int field, int tieField, const QLocale &locale)
{
    QCollator collator(locale);
    auto textOf = [](const Article &a, int k) -> const QString & { return k < 0 ? a.name : a.field(k); };
    std::vector<QCollatorSortKey> primary;
    std::vector<QCollatorSortKey> tie;
    primary.reserve(articles.size());
    tie.reserve(articles.size());
    for (const Article &a : articles) {
        primary.push_back(collator.sortKey(textOf(a, field).toUpper()));
        tie.push_back(collator.sortKey(textOf(a, tieField).toUpper()));
    }
    std::vector<std::size_t> order(articles.size());
    std::iota(order.begin(), order.end(), 0);
    std::stable_sort(order.begin(), order.end(), [&](std::size_t a, std::size_t b) {
        int c = primary[a].compare(primary[b]);
        if (c == 0)
            c = tie[a].compare(tie[b]);
        return sortdir ? c > 0 : c < 0;
    });
    ArticleList sorted;
    sorted.reserve(articles.size());
    for (std::size_t i : order)
        sorted.push_back(std::move(articles[i]));
    articles = std::move(sorted);
}

}  // namespace

ArticleSort::Kind ArticleSort::kindOfField(int field)
{
    switch (field) {
    case Haltbarkeitsdatum:
    case Erstellungsdatum:
        return Kind::Date;
    case Menge:
    case Mindestbestand:
    case EkPreis:
    case VkPreis:
        return Kind::Number;
    default:
        return Kind::Text;
    }
}

void ArticleSort::sort(ArticleList &articles, int column, bool sortdir, const ColumnMap &spalte,
                       const base::FormatSettings &format)
{
    if (column <= 0 || column >= kListColumnCount) {
        sortByText(articles, sortdir, -1, Barcode, format.collationLocale);
        return;
    }
    const int field = spalte.at(column - 1);
    switch (kindOfField(field)) {
    case Kind::Number: {
        std::vector<std::optional<base::Decimal>> keys;
        keys.reserve(articles.size());
        for (const Article &a : articles)
            keys.push_back(base::Decimal::parse(upToFirstBlank(a.field(field)), format.decimalSeparator));
        sortByValue(articles, sortdir, keys);
        return;
    }
    case Kind::Date: {
        std::vector<std::optional<QDate>> keys;
        keys.reserve(articles.size());
        for (const Article &a : articles)
            keys.push_back(format.parseDate(upToFirstBlank(a.field(field))));
        sortByValue(articles, sortdir, keys);
        return;
    }
    case Kind::Text:
        sortByText(articles, sortdir, field, -1, format.collationLocale);
        return;
    }
}

void ArticleSort::columnClicked(int column, int &sortspalte, bool &sortdir)
{
    if (column == sortspalte) {
        sortdir = !sortdir;
    } else {
        sortspalte = column;
        sortdir = false;
    }
}

}  // namespace morvane::articles
