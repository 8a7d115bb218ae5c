#include "core/booking/journal_print.h"

#include "core/base/decimal.h"
#include "core/booking/journal_filter.h"

#include <algorithm>
#include <limits>

namespace morvane::booking {

using printing::Canvas;

const std::array<QString, kJournalFieldCount> &journalPrintTitles()
{
    static const std::array<QString, kJournalFieldCount> titles = {
        QStringLiteral("Art"),           QStringLiteral("Artikel"),
        QStringLiteral("Barcode"),       QStringLiteral("Artikel Nr."),
        QStringLiteral("Menge"),         QStringLiteral("Neue Menge"),
        QStringLiteral("Datum"),         QStringLiteral("Zeit"),
        QStringLiteral("Benutzer"),      QStringLiteral("Chargennummer"),
        QStringLiteral("Haltbarkeitsdatum"), QStringLiteral("Kunde"),
        QStringLiteral("Betrag/Preis"),  QStringLiteral("MwSt EK-Preis"),
        QStringLiteral("Zahlart"),       QStringLiteral("Kostenstelle"),
        QStringLiteral("Seriennummer"),  QStringLiteral("Lieferschein-Datum"),
        QStringLiteral("Lieferant"),     QStringLiteral("Kategorie"),
        QStringLiteral("EK Preis"),      QStringLiteral("Lieferscheinnummer"),
        QStringLiteral("Freitext"),      QStringLiteral("Gewinn"),
        QStringLiteral("Palettennummer"), QStringLiteral("Stellplatz"),
        QStringLiteral("Barcode Dateiname"), QStringLiteral("MwSt VK-Preis"),
        QStringLiteral("MwSt Satz"),
    };
    return titles;
}

std::array<bool, kJournalFieldCount> JournalPrintSettings::defaultColumns()
{
    std::array<bool, kJournalFieldCount> on{};
    for (int f : {JKind, JArticle, JBarcode, JArtNo, JAmount, JDate, JTime})
        on[std::size_t(f)] = true;
    return on;
}

int JournalPrintSettings::defaultWidth(int field)
{
    switch (field) {
    case JKind:
        return 12;
    case JArticle:
    case JFreetext:
        return 30;
    case JDate:
        return 17;
    case JTime:
    case JAmount:
    case JNewAmount:
        return 14;
    default:
        return 18;
    }
}

int JournalPrintSettings::widthOf(int field) const
{
    const int w = field >= 0 && std::size_t(field) < widths.size() ? widths[std::size_t(field)] : 0;
    return w > 0 ? std::min(w, 1000) : defaultWidth(field);
}

std::vector<int> JournalPrintSettings::printedFields() const
{
    std::vector<int> fields;
    for (int k = 0; k < kJournalFieldCount; ++k) {
        const int f = spaltebuch.at(k);
        if (f >= 0 && f < kJournalFieldCount && columns[std::size_t(f)]
            && std::find(fields.begin(), fields.end(), f) == fields.end())
            fields.push_back(f);
    }
    // A stored order that lost a field still prints it, at the end.
    for (int f = 0; f < kJournalFieldCount; ++f)
        if (columns[std::size_t(f)] && std::find(fields.begin(), fields.end(), f) == fields.end())
            fields.push_back(f);
    return fields;
}

bool JournalPrintSettings::accepts(const JournalRecord &r) const
{
    if (from.isValid() || to.isValid()) {
        const auto date = parseJournalDate(r[byDeliveryDate ? JDelivDate : JDate]);
        if (!date || (from.isValid() && *date < from) || (to.isValid() && *date > to))
            return false;
    }
    const QString &kind = r[JKind];
    if (directions == Directions::IssuesOnly && kind != u"-" && kind != u"V")
        return false;
    if (directions == Directions::ReceiptsOnly && !isReceiptKind(kind))
        return false;
    if (salesOnly && kind != u"V" && kind != u"S")
        return false;
    const std::pair<const QString *, int> filters[] = {
        {&customer, JCustomer}, {&article, JArticle}, {&category, JCategory},
        {&supplier, JSupplier}, {&costCentre, JCostcenter}};
    for (const auto &[value, field] : filters)
        if (!value->isEmpty() && r[std::size_t(field)] != *value)
            return false;
    return true;
}

namespace {

// The longest beginning of `text` that fits into `width` dots.
QString fitted(Canvas &canvas, const QString &text, int width)
{
    if (canvas.textWidth(text) <= width)
        return text;
    qsizetype lo = 0, hi = text.size();
    while (lo < hi) {
        const qsizetype mid = (lo + hi + 1) / 2;
        if (canvas.textWidth(text.left(mid)) <= width)
            lo = mid;
        else
            hi = mid - 1;
    }
    return text.left(lo);
}

struct VatRate {
    QString rate;
    base::Decimal sales;     // VAT2, "Umsatzsteuer"
    base::Decimal purchase;  // VAT, "Vorsteuer"
};

// The lines after the last row: the sums of the printed rows for the
// columns that are printed and whose total is switched on.
QStringList journalTotals(const JournalPrintSettings &settings, const JournalSource &source,
                          i18n::Translator &translator, const base::FormatSettings &format)
{
    const auto &on = settings.columns;
    const bool vat = settings.totalVat && (on[JVat] || on[JVat2]);
    if (!(settings.totalPrice && on[JPrice]) && !(settings.totalBuyingPrice && on[JBuyingPrice])
        && !(settings.totalProfit && on[JProfit]) && !vat)
        return {};
    base::Decimal price, buying, profit;
    std::vector<VatRate> rates;
    const QChar sep = format.decimalSeparator;
    auto add = [sep](base::Decimal &sum, const QString &text) {
        if (const auto v = base::Decimal::parse(text, sep))
            sum += *v;
    };
    source([&](const JournalRecord &r) {
        if (!settings.accepts(r))
            return true;
        add(price, r[JPrice]);
        add(buying, r[JBuyingPrice]);
        add(profit, r[JProfit]);
        const QString rate = r[JVatRate].trimmed();
        auto it = std::find_if(rates.begin(), rates.end(), [&](const VatRate &v) { return v.rate == rate; });
        if (it == rates.end())
            it = rates.insert(rates.end(), VatRate{rate, {}, {}});
        add(it->sales, r[JVat2]);
        add(it->purchase, r[JVat]);
        return true;
    });

    QStringList totals{QString()};  // a blank line between the rows and the totals
    auto money = [sep](base::Decimal d) { return d.toFixed(2, sep); };
    if (settings.totalPrice && on[JPrice])
        totals << translator.message(57) + QStringLiteral(": ") + money(price);
    if (settings.totalBuyingPrice && on[JBuyingPrice])
        totals << translator.message(238) + u' ' + money(buying);
    if (settings.totalProfit && on[JProfit])
        totals << translator.message(181) + QStringLiteral(": ") + money(profit);
    if (vat) {
        totals << translator.message(74);
        for (const VatRate &v : rates) {
            if (on[JVat2])
                totals << translator.message(247) + u' ' + v.rate + QStringLiteral("%: ") + money(v.sales);
            if (on[JVat])
                totals << translator.message(248) + u' ' + v.rate + QStringLiteral("%: ") + money(v.purchase);
        }
    }
    return totals;
}

class JournalPage {
public:
    JournalPage(Canvas &canvas, const JournalPrintSettings &s, i18n::Translator &tr, const base::FormatSettings &fmt,
                int page, bool printing)
        : c(canvas), s(s), tr(tr), fmt(fmt), wanted(page), printing(printing)
    {
        const printing::Size size = c.pageSize();
        left = printing::mmToDots(s.marginLeft, c.dpiX());
        right = std::max(left + 1, size.width - printing::mmToDots(s.marginRight, c.dpiX()));
        top = printing::mmToDots(s.marginTop, c.dpiY());
        bottom = std::max(top + 1, size.height - printing::mmToDots(s.marginBottom, c.dpiY()));
        fields = s.printedFields();
        int sum = 0;
        for (int f : fields)
            sum += s.widthOf(f);
        int x = left;
        for (int f : fields) {
            columnX.push_back(x);
            x += sum > 0 ? int(qint64(right - left) * s.widthOf(f) / sum) : 0;
        }
        columnX.push_back(right);
        bodyFont = s.font;
        titleFont = s.font;
        titleFont.bold = true;
        headingFont = s.font;
        headingFont.pointSize = s.font.pointSize * 1.6;
        headingFont.bold = true;
        c.setFont(bodyFont);
        pad = std::max(1, c.dpiX() / 60);
        rowHeight = c.textHeight(QStringLiteral("Ag")) + pad;
    }

    // The rows come from `source` in order; a preview page stops the walk
    // once its page is full.
    int run(const JournalSource &source, const QStringList &totals)
    {
        startPage(true);
        bool past = false;
        source([&](const JournalRecord &r) {
            if (!s.accepts(r))
                return true;
            if (y + rowHeight > bottom) {
                if (!printing && pageNo >= wanted) {
                    past = true;
                    return false;
                }
                nextPage();
            }
            drawRow(r);
            return true;
        });
        if (past)
            return std::max(pageNo + 1, countPages(source, totals));
        for (const QString &line : totals) {
            if (y + rowHeight > bottom)
                nextPage();
            if (drawing()) {
                c.setFont(bodyFont);
                c.textOut(left, y, fitted(c, line, right - left));
            }
            y += rowHeight;
        }
        return pageNo;
    }

private:
    // The pages of the whole printout, drawing nothing.
    int countPages(const JournalSource &source, const QStringList &totals)
    {
        JournalPage counter(c, s, tr, fmt, std::numeric_limits<int>::max(), false);
        return counter.run(source, totals);
    }

    bool drawing() const { return printing || pageNo == wanted; }

    void nextPage()
    {
        if (printing)
            c.newPage();
        ++pageNo;
        startPage(false);
    }

    void startPage(bool first)
    {
        y = top;
        if (first) {
            QString heading = s.heading;
            if (s.appendDateRange) {
                if (s.from.isValid())
                    heading += u' ' + tr.message(33) + u' ' + fmt.formatDate(s.from);
                if (s.to.isValid())
                    heading += u' ' + tr.message(34) + u' ' + fmt.formatDate(s.to);
            }
            c.setFont(headingFont);
            if (drawing())
                c.textOut(left, y, fitted(c, heading, right - left));
            y += c.textHeight(heading) + rowHeight / 2;
        }
        QStringList titles;
        for (int f : fields)
            titles << tr.translate(journalPrintTitles()[std::size_t(f)]);
        c.setFont(titleFont);
        drawCells(titles);
        if (drawing() && !s.gridLines) {
            c.setPen({printing::Color::black(), std::max(1, c.dpiY() / 150)});
            c.moveTo(left, y + rowHeight);
            c.lineTo(right, y + rowHeight);
        }
        y += rowHeight + pad;
    }

    void drawRow(const JournalRecord &r)
    {
        QStringList cells;
        for (int f : fields) {
            QString value = r[std::size_t(f)];
            if (f == JKind && value == u"V")
                value = tr.message(72);
            else if (f == JKind && value == u"S")
                value = tr.message(73);
            cells << value;
        }
        c.setFont(bodyFont);
        drawCells(cells);
        y += rowHeight;
    }

    void drawCells(const QStringList &cells)
    {
        if (!drawing())
            return;
        for (qsizetype i = 0; i < cells.size(); ++i) {
            const int x0 = columnX[std::size_t(i)], x1 = columnX[std::size_t(i) + 1];
            if (s.gridLines) {
                c.setPen({printing::Color::black(), 1});
                c.setBrush({printing::Color::white(), printing::BrushStyle::Clear});
                c.rectangle({x0, y, x1 + 1, y + rowHeight + 1});
            }
            c.textOut(x0 + pad, y + pad / 2, fitted(c, cells[i], x1 - x0 - 2 * pad));
        }
    }

    Canvas &c;
    const JournalPrintSettings &s;
    i18n::Translator &tr;
    const base::FormatSettings &fmt;
    int wanted;
    bool printing;
    int left = 0, right = 0, top = 0, bottom = 0, pad = 1, rowHeight = 1, y = 0;
    int pageNo = 1;
    std::vector<int> fields;
    std::vector<int> columnX;
    printing::Font bodyFont, titleFont, headingFont;
};

}  // namespace

int printJournal(printing::Canvas &canvas, const JournalPrintSettings &settings, const JournalSource &source,
                 i18n::Translator &translator, const base::FormatSettings &format, int page, bool printing)
{
    const QStringList totals = journalTotals(settings, source, translator, format);
    JournalPage layout(canvas, settings, translator, format, page, printing);
    return layout.run(source, totals);
}

int printJournal(printing::Canvas &canvas, const JournalPrintSettings &settings,
                 const std::vector<JournalRecord> &records, i18n::Translator &translator,
                 const base::FormatSettings &format, int page, bool printing)
{
    return printJournal(canvas, settings, sourceOf(records), translator, format, page, printing);
}

JournalSource sourceOf(const std::vector<JournalRecord> &records)
{
    return [&records](const std::function<bool(const JournalRecord &)> &visit) {
        for (const JournalRecord &r : records)
            if (!visit(r))
                return;
    };
}

}  // namespace morvane::booking
