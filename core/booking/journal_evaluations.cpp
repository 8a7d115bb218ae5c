#include "core/booking/journal_evaluations.h"

#include "core/articles/column_titles.h"
#include "core/booking/journal.h"
#include "core/booking/journal_filter.h"

#include <QCollator>
#include <QHash>
#include <QSet>

#include <algorithm>

namespace morvane::booking {

using base::Decimal;

namespace {

std::optional<Decimal> number(const QString &text, const app::Workspace &ws)
{
    return Decimal::parse(text, ws.format.decimalSeparator);
}

// The signed quantity a record adds to the consumption, nullopt when it does
// not count.
struct ConsumptionRule {
    ConsumptionRule(const app::Workspace &ws, const ConsumptionQuery &query)
        : ws(ws), query(query), customer(query.customer.trimmed())
    {
        const QDateTime now = ws.clock.now();
        today = now.date();
        dayPart = now.time().msecsSinceStartOfDay() / 86400000.0;
    }

    std::optional<Decimal> contribution(const JournalRecord &r) const
    {
        const bool receipt = isReceiptKind(r[JKind]);
        if (receipt ? !query.countReceipts : (r[JKind] != u"-" && r[JKind] != u"V"))
            return std::nullopt;
        if (!customer.isEmpty() && r[JCustomer].trimmed() != customer)
            return std::nullopt;
        const auto date = parseJournalDate(r[JDate]);
        if (!date || double(date->daysTo(today)) + dayPart > double(query.days))
            return std::nullopt;
        const auto amount = number(r[JAmount], ws);
        if (!amount)
            return std::nullopt;
        return receipt ? -*amount : *amount;
    }

    const app::Workspace &ws;
    const ConsumptionQuery &query;
    QString customer;
    QDate today;
    double dayPart = 0;
};

constexpr std::initializer_list<int> kMatchFields = {JKind, JArticle, JBarcode, JArtNo};

}  // namespace

Decimal consumption(app::Workspace &ws, const articles::Article &article, const ConsumptionQuery &query)
{
    const ConsumptionRule rule(ws, query);
    const JournalArticleKey key(article);
    Decimal sum;
    scanJournal(ws, {JKind, JArticle, JBarcode, JArtNo, JAmount, JDate, JCustomer}, [&](const JournalRecord &r) {
        if (!key.matches(r))
            return;
        if (const auto c = rule.contribution(r))
            sum += *c;
    });
    return sum;
}

std::vector<Decimal> consumptionOfAll(app::Workspace &ws, const ConsumptionQuery &query)
{
    const ConsumptionRule rule(ws, query);
    std::vector<Decimal> sums(ws.articles.size());
    const JournalArticleIndex index(ws.articles);
    scanJournal(ws, {JKind, JArticle, JBarcode, JArtNo, JAmount, JDate, JCustomer}, [&](const JournalRecord &r) {
        if (const auto c = rule.contribution(r))
            for (int row : index.rowsOf(r))
                sums[std::size_t(row)] += *c;
    });
    return sums;
}

articles::SharedAccess::Change writeConsumptionColumn(app::Workspace &ws, const ConsumptionQuery &query,
                                                      int freeColumn)
{
    freeColumn = std::clamp(freeColumn, 1, 5);
    const int field = articles::FreieSpalte1 + freeColumn - 1;
    base::Message question = ws.translator.makeMessage(48, base::Icon::Question, ws.translator.message(49));
    question.text.replace(QStringLiteral("5."), QString::number(freeColumn) + u'.');
    question.text += ws.translator.translate(articles::listColumnTitles()[std::size_t(field + 1)]);
    if (ws.prompter->ask(question, base::Buttons::YesNoCancel) != base::Answer::Yes)
        return articles::SharedAccess::Change::Cancelled;
    return articles::SharedAccess::inWritePhase(ws, [&] {
        const std::vector<Decimal> sums = consumptionOfAll(ws, query);
        for (std::size_t row = 0; row < ws.articles.size(); ++row)
            ws.articles[row].field(field) = sums[row].toString(ws.format.decimalSeparator);
        return true;
    });
}

std::optional<Decimal> averagePurchasePrice(Decimal stock, const std::vector<PricedReceipt> &newestFirst, bool partial)
{
    Decimal counted, value;
    for (const PricedReceipt &r : newestFirst) {
        if (counted >= stock)
            break;
        if (counted + r.amount <= stock) {
            value += r.value;
            counted += r.amount;
        } else if (partial) {
            const auto share = (r.value * (stock - counted)).dividedBy(r.amount);
            if (!share)
                continue;
            value += *share;
            counted = stock;
        }
    }
    if (counted <= Decimal())
        return std::nullopt;
    return value.dividedBy(counted);
}

articles::SharedAccess::Change writeAveragePurchasePrices(app::Workspace &ws, bool partial)
{
    if (ws.ask(182, base::Buttons::YesNoCancel, base::Icon::Question, ws.translator.message(183))
        != base::Answer::Yes)
        return articles::SharedAccess::Change::Cancelled;
    return articles::SharedAccess::inWritePhase(ws, [&] {
        // One walk collects each row's receipts; they are priced newest first.
        std::vector<std::vector<PricedReceipt>> receipts(ws.articles.size());
        const JournalArticleIndex index(ws.articles);
        scanJournal(ws, {JKind, JArticle, JBarcode, JArtNo, JAmount, JBuyingPrice}, [&](const JournalRecord &r) {
            if (r[JKind] != u"+")
                return;
            const auto amount = number(r[JAmount], ws);
            const auto value = number(r[JBuyingPrice], ws);
            if (!amount || !value)
                return;
            for (int row : index.rowsOf(r))
                receipts[std::size_t(row)].push_back({*amount, *value});
        });
        for (std::size_t row = 0; row < ws.articles.size(); ++row) {
            articles::Article &a = ws.articles[row];
            std::reverse(receipts[row].begin(), receipts[row].end());
            const Decimal stock = number(a.field(articles::Menge), ws).value_or(Decimal());
            const Decimal price = averagePurchasePrice(stock, receipts[row], partial)
                                      .value_or(number(a.field(articles::EkPreis), ws).value_or(Decimal()));
            a.field(articles::EkPreis) = price.toFixed(2, ws.format.decimalSeparator);
        }
        return true;
    });
}

QStringList sortedDistinct(const QStringList &values, const QLocale &collation)
{
    QStringList out;
    QSet<QString> seen;
    for (const QString &v : values)
        if (!v.isEmpty() && !seen.contains(v)) {
            seen.insert(v);
            out << v;
        }
    const QCollator collator(collation);
    std::sort(out.begin(), out.end(), [&](const QString &a, const QString &b) { return collator.compare(a, b) < 0; });
    return out;
}

std::vector<std::pair<QString, int>> bestCustomers(app::Workspace &ws)
{
    std::vector<std::pair<QString, int>> counts;
    QHash<QString, std::size_t> slot;
    scanJournal(ws, {JCustomer}, [&](const JournalRecord &r) {
        const auto it = slot.constFind(r[JCustomer]);
        if (it != slot.constEnd()) {
            ++counts[*it].second;
        } else {
            slot.insert(r[JCustomer], counts.size());
            counts.emplace_back(r[JCustomer], 1);
        }
    });
    std::stable_sort(counts.begin(), counts.end(), [](const auto &a, const auto &b) { return a.second > b.second; });
    return counts;
}

namespace {

// The record holds the value of the whole booking; the list wants the price
// of one piece.
QString unitPrice(const QString &total, const QString &amount, const app::Workspace &ws)
{
    const auto t = number(total, ws);
    const auto a = number(amount, ws);
    if (!t || !a)
        return {};
    const auto unit = t->dividedBy(*a);
    return unit ? unit->toFixed(2, ws.format.decimalSeparator) : QString();
}

}  // namespace

articles::SharedAccess::Change reconstructFromJournal(app::Workspace &ws)
{
    if (ws.ask(19, base::Buttons::YesNo, base::Icon::Question) != base::Answer::Yes)
        return articles::SharedAccess::Change::Cancelled;
    return articles::SharedAccess::inWritePhase(ws, [&] {
        JournalArticleIndex index(ws.articles);
        scanJournal(ws,
                    {JArticle, JBarcode, JArtNo, JAmount, JNewAmount, JBatchNo, JGooduntil, JPrice, JCategory,
                     JBuyingPrice, JVatRate},
                    [&](const JournalRecord &r) {
                        const std::vector<int> rows = index.rowsOf(r);
                        for (int row : rows)
                            ws.articles[std::size_t(row)].field(articles::Menge) = r[JNewAmount];
                        if (!rows.empty())
                            return;
                        articles::Article a;
                        a.name = r[JArticle];
                        a.field(articles::ArtikelNr) = r[JArtNo];
                        a.field(articles::Barcode) = r[JBarcode];
                        a.field(articles::Menge) = r[JNewAmount];
                        a.field(articles::Chargennr) = r[JBatchNo];
                        a.field(articles::EkPreis) = unitPrice(r[JBuyingPrice], r[JAmount], ws);
                        a.field(articles::VkPreis) = unitPrice(r[JPrice], r[JAmount], ws);
                        a.field(articles::Haltbarkeitsdatum) = r[JGooduntil];
                        a.field(articles::Kategorie) = r[JCategory];
                        a.field(articles::MwstSatz) = r[JVatRate];
                        ws.articles.push_back(std::move(a));
                        index.add(int(ws.articles.size()) - 1);
                    });
        return true;
    });
}

}  // namespace morvane::booking
