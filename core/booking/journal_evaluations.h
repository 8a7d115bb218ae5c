#pragma once

#include "core/app/workspace.h"
#include "core/articles/shared_access.h"
#include "core/base/decimal.h"

#include <QLocale>
#include <QString>
#include <QStringList>

#include <optional>
#include <utility>
#include <vector>

namespace morvane::booking {

// Figures the main window computes from the whole journal of the current
// warehouse, in record order, with no window filter. Values that do not
// parse are skipped, never reported.

struct ConsumptionQuery {
    int days = 30;
    QString customer;            // empty: every customer
    bool countReceipts = false;  // "Zubuchungen auch berücksichtigen"
};

// Issues add their amount, receipts subtract it when counted; only records
// of the last `days` days (today and the days before it, now − date ≤ days).
base::Decimal consumption(app::Workspace &ws, const articles::Article &article, const ConsumptionQuery &query);
// The same for every row of the list, in one walk over the journal.
std::vector<base::Decimal> consumptionOfAll(app::Workspace &ws, const ConsumptionQuery &query);

// "Verbrauch aller Artikel ... in die x. freie Spalte eintragen": asks
// message 48 for free column `freeColumn` (1..5), then writes every row's
// consumption there and saves the article file.
articles::SharedAccess::Change writeConsumptionColumn(app::Workspace &ws, const ConsumptionQuery &query,
                                                      int freeColumn);

// One receipt that can price the stock: its amount and the value of the
// whole receipt.
struct PricedReceipt {
    base::Decimal amount;
    base::Decimal value;
};

// The average purchase price of a stock from its receipts, newest first.
// `partial` counts the needed part of a receipt that is larger than what is
// still to be priced; without it such a receipt is skipped. nullopt when no
// receipt priced anything.
std::optional<base::Decimal> averagePurchasePrice(base::Decimal stock, const std::vector<PricedReceipt> &newestFirst,
                                                  bool partial);

// "Durchschnittlichen EK Preis ...": after message 182, "EK Preis" of every
// row becomes the average price of its stock with two decimals (rows without
// priced receipts keep their price); the article file is saved.
articles::SharedAccess::Change writeAveragePurchasePrices(app::Workspace &ws, bool partial);

// The distinct non-empty values, sorted as the collation locale sorts texts
// (the pick lists of customers, articles, categories ...).
QStringList sortedDistinct(const QStringList &values, const QLocale &collation);

// Customers with their number of records, most first; equal counts keep the
// order in which the customers first appear. The empty customer counts too.
std::vector<std::pair<QString, int>> bestCustomers(app::Workspace &ws);

// "Artikel und Bestände aus Buchungsdatenbank rekonstruieren": after message
// 19, every row a record belongs to gets the record's new amount as stock,
// and a record of no row adds one; the article file is saved.
articles::SharedAccess::Change reconstructFromJournal(app::Workspace &ws);

}  // namespace morvane::booking
