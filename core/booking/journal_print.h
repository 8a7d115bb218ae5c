#pragma once

#include "core/articles/column_map.h"
#include "core/base/format_settings.h"
#include "core/booking/journal.h"
#include "core/i18n/translator.h"
#include "core/printing/canvas.h"

#include <QDate>
#include <QString>

#include <array>
#include <functional>
#include <vector>

namespace morvane::booking {

// Column titles of the printout, in field order (German source texts).
const std::array<QString, kJournalFieldCount> &journalPrintTitles();

// Everything "Protokoll/Buchungen drucken" sets for the printout.
struct JournalPrintSettings {
    enum class Directions { Both, IssuesOnly, ReceiptsOnly };

    QString heading = QStringLiteral("Buchungen");
    QDate from;  // null: no lower bound
    QDate to;    // null: no upper bound
    bool appendDateRange = true;
    bool byDeliveryDate = false;  // compare DelivDate instead of Date
    std::array<bool, kJournalFieldCount> columns = defaultColumns();
    Directions directions = Directions::Both;
    bool salesOnly = false;  // kinds "V" and "S"
    bool totalPrice = true;
    bool totalVat = true;
    bool totalProfit = true;
    bool totalBuyingPrice = true;
    bool gridLines = false;
    QString customer, article, category, supplier, costCentre;  // exact match, empty = all
    articles::ColumnMap spaltebuch;  // print order of the fields
    std::vector<int> widths;         // per field; relative, 0 or missing: the default
    printing::Font font{QStringLiteral("Arial"), 10};
    double marginLeft = 15, marginTop = 15, marginRight = 15, marginBottom = 15;  // mm

    static std::array<bool, kJournalFieldCount> defaultColumns();
    static int defaultWidth(int field);
    int widthOf(int field) const;
    // The chosen fields in print order.
    std::vector<int> printedFields() const;
    // Whether a record is printed (date range, direction, sales, filters).
    bool accepts(const JournalRecord &record) const;
};

// Hands every record to `visit` in print order until it answers false.
using JournalSource = std::function<void(const std::function<bool(const JournalRecord &)> &visit)>;
JournalSource sourceOf(const std::vector<JournalRecord> &records);

// The journal printout, one routine for printer, PDF and preview: a table
// over the page width under the heading, the title row on every page, the
// totals after the last row. With `printing` every page is drawn and new
// pages are started on the canvas; otherwise only page `page` (1-based) is
// drawn. Returns the number of pages. The records are walked as they come,
// so a large journal is never held in memory.
int printJournal(printing::Canvas &canvas, const JournalPrintSettings &settings, const JournalSource &source,
                 i18n::Translator &translator, const base::FormatSettings &format, int page, bool printing);
int printJournal(printing::Canvas &canvas, const JournalPrintSettings &settings,
                 const std::vector<JournalRecord> &records, i18n::Translator &translator,
                 const base::FormatSettings &format, int page, bool printing);

}  // namespace morvane::booking
