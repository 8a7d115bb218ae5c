#include "core/booking/booking.h"

#include "core/articles/article_editing.h"
#include "core/articles/article_io.h"
#include "core/articles/article_numbers.h"
#include "core/articles/shared_access.h"
#include "core/base/cp1252.h"
#include "core/booking/booking_prompts.h"

namespace morvane::booking {

namespace {

using articles::Article;
using articles::SharedAccess;
using base::Decimal;

const Decimal kMaxQuantity = Decimal::fromInt(1000000000);

void informOwn(app::Workspace &ws, const QString &text)
{
    ws.prompter->inform({0, ws.translator.translate(text), {}, base::Icon::Error});
}

Decimal numberOr0(const QString &text, const base::FormatSettings &format)
{
    return Decimal::parse(text, format).value_or(Decimal());
}

// Money as the journal keeps it: fixed decimals, halves to the even cent.
QString money(Decimal value, int places, const base::FormatSettings &format)
{
    return value.roundedHalfEven(places).toFixed(places, format.decimalSeparator);
}

// VAT contained in a gross amount at the given rate; nothing for a rate of
// -100, which has no answer.
std::optional<Decimal> containedVat(Decimal gross, Decimal rate)
{
    return (gross * rate).dividedBy(rate + Decimal::fromInt(100));
}

bool sameArticle(const Article &a, const Article &b)
{
    return a.name == b.name && a.field(articles::ArtikelNr) == b.field(articles::ArtikelNr)
        && a.field(articles::Barcode) == b.field(articles::Barcode);
}

// The row picked before the write phase, found again after the phase may
// have re-read the list from another workstation's newer file.
int relocate(const articles::ArticleList &list, int row, const Article &seen)
{
    if (row >= 0 && row < int(list.size()) && sameArticle(list[std::size_t(row)], seen))
        return row;
    for (std::size_t i = 0; i < list.size(); ++i)
        if (sameArticle(list[i], seen))
            return int(i);
    return -1;
}

// A value as a journal field of the text width keeps it.
JournalRecord buildRecord(const app::Workspace &ws, const BookingOptions &options, const BookingContext &context,
                          const Article &a, Direction direction, const QDateTime &now)
{
    const base::FormatSettings &format = ws.format;
    const bool issue = direction == Direction::Issue;
    const int pricePlaces = options.threePriceDecimals ? 3 : 2;
    const Decimal q = context.quantity;

    JournalRecord r;
    if (context.cashRegisterVisible || context.alsverkauf)
        r[JKind] = issue ? QStringLiteral("V") : QStringLiteral("S");
    else
        r[JKind] = issue ? QStringLiteral("-") : QStringLiteral("+");
    r[JArticle] = a.name;
    r[JBarcode] = a.field(articles::Barcode);
    r[JArtNo] = articles::GetFirstartnr(a.field(articles::ArtikelNr));
    r[JAmount] = quantityText(q, options, format);
    r[JNewAmount] = a.field(articles::Menge);
    r[JDate] = now.date().toString(QStringLiteral("dd.MM.yyyy"));
    r[JTime] = now.time().toString(QStringLiteral("HH:mm:ss"));
    r[JUser] = context.userName;
    r[JBatchNo] = a.field(articles::Chargennr);
    r[JGooduntil] = a.field(articles::Haltbarkeitsdatum);
    r[JCategory] = a.field(articles::Kategorie);
    r[JBarFile] = context.barcodefilename;
    if (context.cashRegisterVisible)
        r[JPayment] = context.paymentKind;
    if (context.autobooking) {
        r[JCustomer] = context.customer;
        r[JCostcenter] = context.costCentre;
        r[JSerialNo] = context.serialNo;
        r[JDelivDate] = context.lieferdate;
        r[JSupplier] = context.supplier;
        r[JPallet] = context.pallet;
        r[JArea] = context.storagePlace;
    }

    const auto rateParsed = Decimal::parse(a.field(articles::MwstSatz), format);
    const Decimal rate = rateParsed.value_or(Decimal());
    r[JVatRate] = money(rate, 2, format);

    if (const auto vk = Decimal::parse(a.field(articles::VkPreis), format)) {
        const Decimal hundred = Decimal::fromInt(100);
        if (const auto price = (q * *vk * (hundred - context.discountPercent)).dividedBy(hundred)) {
            r[JPrice] = money(*price, pricePlaces, format);
            if (const auto vat = containedVat(price->roundedHalfEven(pricePlaces), rate))
                r[JVat2] = money(*vat, 2, format);
        }
    }
    if (const auto ek = Decimal::parse(a.field(articles::EkPreis), format)) {
        const Decimal buying = (q * *ek).roundedHalfEven(pricePlaces);
        r[JBuyingPrice] = money(buying, pricePlaces, format);
        if (const auto vat = containedVat(buying, rate))
            r[JVat] = money(*vat, 2, format);
    }
    if (issue) {
        const auto price = Decimal::parse(r[JPrice], format);
        const auto buying = Decimal::parse(r[JBuyingPrice], format);
        if (price && buying)
            r[JProfit] = money(*price - *buying, pricePlaces, format);
    }
    return r;
}

void writeProtocol(app::Workspace &ws, const BookingOptions &options, const Article &a, Direction direction,
                   const JournalRecord &r, const PromptAnswers *prompts)
{
    i18n::Translator &t = ws.translator;
    const bool issue = direction == Direction::Issue;
    QString number = r[JArtNo];
    if (!a.field(articles::Barcode).isEmpty())
        number += QStringLiteral(", ") + a.field(articles::Barcode);
    ws.addProtocolLine(t.message(3) + r[JAmount] + t.message(issue ? 4 : 7) + a.name + QStringLiteral(" (") + number
                       + t.message(issue ? 5 : 8) + r[JNewAmount] + t.message(6) + r[JDate] + QStringLiteral(" / ")
                       + r[JTime]);
    if (prompts)
        for (const QString &line : promptProtocolLines(t, *prompts))
            ws.addProtocolLine(line);
    for (int k = 0; k < 5; ++k) {
        const QString &text = a.field(articles::FreieSpalte1 + k);
        if (options.freeColumnInProtocol[k] && !text.isEmpty())
            ws.addProtocolLine(text);
    }
}

// "Produkt aus zwei Spalten bilden": the enabled products of the options.
void applyProducts(const app::Workspace &ws, Article &a)
{
    for (int i = 0; i < 3; ++i) {
        if (!ws.options.productEnabled[std::size_t(i)])
            continue;
        const int target = ws.options.productColumns[std::size_t(3 * i)];
        const int first = ws.options.productColumns[std::size_t(3 * i + 1)];
        const int second = ws.options.productColumns[std::size_t(3 * i + 2)];
        auto valid = [](int k) { return k >= 0 && k < articles::kFieldCount; };
        if (valid(target) && valid(first) && valid(second))
            a.field(target) = articles::productText(a.field(first), a.field(second), ws.format);
    }
}

// An issue of a batch while an older batch of the same article is still in
// stock: asks message 39; true = the user wants to stop.
bool olderBatchStops(app::Workspace &ws, const Article &a, int row, const base::FormatSettings &dateFormat)
{
    const auto mine = dateFormat.parseDate(a.field(articles::Haltbarkeitsdatum));
    if (a.field(articles::Haltbarkeitsdatum).isEmpty() || !mine)
        return false;
    for (std::size_t i = 0; i < ws.articles.size(); ++i) {
        const Article &other = ws.articles[i];
        if (int(i) == row || other.name != a.name
            || !articles::checkartnr2(other.field(articles::ArtikelNr), a.field(articles::ArtikelNr)))
            continue;
        const auto stock = Decimal::parse(other.field(articles::Menge), ws.format);
        const auto expiry = dateFormat.parseDate(other.field(articles::Haltbarkeitsdatum));
        if (!stock || *stock <= Decimal() || other.field(articles::Haltbarkeitsdatum).isEmpty() || !expiry
            || *expiry >= *mine)
            continue;
        return ws.ask(39, base::Buttons::OkCancel, base::Icon::Information, ws.translator.message(40))
            == base::Answer::Ok;
    }
    return false;
}

struct FieldChange {
    std::size_t row;
    QString before;
};

// "Werte addieren" for the group of the booked row. Answers what it changed,
// so that a failed save can put it back.
std::vector<FieldChange> applyGroupSum(app::Workspace &ws, const GroupSumRule &rule, std::size_t row)
{
    std::vector<FieldChange> changes;
    auto valid = [](int k) { return k >= 0 && k < articles::kFieldCount; };
    if (!rule.enabled || !valid(rule.keyField) || !valid(rule.valueField) || !valid(rule.targetField))
        return changes;
    auto set = [&](std::size_t i, const QString &text) {
        QString &field = ws.articles[i].field(rule.targetField);
        if (field != text) {
            changes.push_back({i, field});
            field = text;
        }
    };
    const QString key = ws.articles[row].field(rule.keyField);
    if (key.isEmpty() && rule.skipEmptyKey) {
        set(row, QString());
        return changes;
    }
    Decimal sum;
    std::vector<std::size_t> group;
    for (std::size_t i = 0; i < ws.articles.size(); ++i) {
        if (ws.articles[i].field(rule.keyField) != key)
            continue;
        group.push_back(i);
        if (const auto v = Decimal::parse(ws.articles[i].field(rule.valueField), ws.format))
            sum += *v;
    }
    const QString text = sum.toString(ws.format.decimalSeparator);
    for (std::size_t i : group)
        set(i, text);
    return changes;
}

}  // namespace

QString quantityText(Decimal value, const BookingOptions &options, const base::FormatSettings &format)
{
    return value.toFixed(options.wholePieces ? 0 : 2, format.decimalSeparator);
}

namespace {

bool validQuantity(app::Workspace &ws, Decimal q, const BookingOptions &options, const QString &typed)
{
    if (q.isZero() || q.isNegative()) {
        ws.inform(123, base::Icon::Error);
        return false;
    }
    if (q > kMaxQuantity) {
        informOwn(ws, QStringLiteral("Die Menge darf höchstens 1000000000 betragen."));
        return false;
    }
    if (options.wholePieces && !q.isWhole()) {
        ws.inform(86, base::Icon::Error, {}, typed);
        return false;
    }
    // The quantity field has two decimals; more would be booked as something
    // the user never saw.
    if (q.truncated(2) != q) {
        informOwn(ws, QStringLiteral("Die Menge darf höchstens 2 Nachkommastellen haben."));
        return false;
    }
    return true;
}

}  // namespace

std::optional<Decimal> checkQuantity(app::Workspace &ws, const QString &text, const BookingOptions &options)
{
    const auto q = Decimal::parse(text, ws.format);
    if (!q) {
        ws.inform(123, base::Icon::Error);
        return std::nullopt;
    }
    if (!validQuantity(ws, *q, options, text))
        return std::nullopt;
    return q;
}

BookingOutcome buche(app::Workspace &ws, const settings::Session &session, const BookingOptions &options,
                     const BookingContext &context)
{
    BookingOutcome out;
    out.direction = context.direction;
    if (context.row < 0 || context.row >= int(ws.articles.size()))
        return out;  // Invalid: nothing selected
    if (!validQuantity(ws, context.quantity, options, quantityText(context.quantity, {}, ws.format)))
        return out;
    const Article seen = ws.articles[std::size_t(context.row)];

    if (!SharedAccess::canwritenow(ws)) {
        out.result = BookingResult::AccessRefused;
        return out;
    }
    // From here every refusal ends the phase before its message is shown,
    // so that no other workstation waits for somebody to read a message box.
    auto refuse = [&](BookingResult result, int message) {
        SharedAccess::EndWriteMow(ws);
        if (message)
            ws.inform(message, base::Icon::Error);
        out.result = result;
        return out;
    };

    const int row = relocate(ws.articles, context.row, seen);
    if (row < 0)
        return refuse(BookingResult::Invalid, 0);
    out.row = row;
    Article a = ws.articles[std::size_t(row)];
    const base::FormatSettings &format = ws.format;
    const QDateTime now = ws.clock.now();
    // Dates written by a booking have one form on every workstation.
    base::FormatSettings dateFormat = format;
    dateFormat.shortDateFormat = QStringLiteral("dd.MM.yyyy");

    const Decimal minimum = numberOr0(a.field(articles::Mindestbestand), format);
    const Decimal stock = numberOr0(a.field(articles::Menge), format);
    Decimal ordered = numberOr0(a.field(articles::BestellteMenge), format);
    const auto orderQuantity = Decimal::parse(a.field(articles::Bestellmenge), format);

    Direction direction = context.direction;
    if (options.autoDirectionByStock)
        direction = stock.isZero() ? Direction::Receipt : Direction::Issue;
    out.direction = direction;
    const bool issue = direction == Direction::Issue;

    // The rights are checked for the direction actually booked, which the
    // stock may have decided.
    const int right = issue ? settings::RightMengeVerringern : settings::RightMengeErhoehen;
    if (!settings::Rights(ws.options, session).mayChange(right))
        return refuse(BookingResult::Refused, 50);
    if (issue && olderBatchStops(ws, a, row, dateFormat))
        return refuse(BookingResult::Cancelled, 0);

    const Decimal q = context.quantity;
    Decimal newStock;
    if (issue) {
        newStock = stock - q;
        if (newStock.isNegative() && options.notBelowZero)
            return refuse(BookingResult::Refused, 85);
    } else {
        newStock = stock + q;
        if (newStock > Decimal::fromInt(1) && options.notAboveOne)
            return refuse(BookingResult::Refused, 176);
        ordered = ordered - q;
        if (ordered.isNegative())
            ordered = Decimal();
    }

    const QDate today = now.date();
    QString stamp = dateFormat.formatDate(today);
    if (options.lastBookingWithTime)
        stamp += u' ' + now.time().toString(QStringLiteral("HH:mm:ss"));
    switch (options.lastBookingDate) {
    case LastBookingDate::OnIssueOnly:
        a.field(articles::DatumLetzteBuchung) = issue ? stamp : QString();
        break;
    case LastBookingDate::OnReceiptOnly:
        a.field(articles::DatumLetzteBuchung) = issue ? QString() : stamp;
        break;
    case LastBookingDate::OnBoth:
        a.field(articles::DatumLetzteBuchung) = stamp;
        break;
    }

    if (issue ? options.batchOnIssue : options.batchOnReceipt)
        a.field(articles::Chargennr) =
            today.toString(QStringLiteral("yyMMdd")) + articles::GetFirstartnr(a.field(articles::ArtikelNr));
    if (issue ? options.expiryOnIssue : options.expiryOnReceipt)
        a.field(articles::Haltbarkeitsdatum) =
            articles::expiryFromShelfLife(a.field(articles::Haltbarkeit), today, dateFormat);

    a.field(articles::LetzterBenutzer) = context.userName;
    a.field(articles::Menge) = quantityText(newStock, options, format);
    if (!issue)
        a.field(articles::BestellteMenge) = quantityText(ordered, options, format);
    articles::computeDerivedFields(a, format);
    applyProducts(ws, a);

    out.record = buildRecord(ws, options, context, a, direction, now);
    if (context.prompts)
        applyPromptAnswers(*context.prompts, direction, options, format, out.record, a);
    out.newStock = a.field(articles::Menge);

    // The journal first: if it cannot take the record, the row stays as it was.
    const JournalAppend appended = appendJournalRecord(ws, out.record);
    if (!appended.ok) {
        SharedAccess::EndWriteMow(ws);
        informOwn(ws, ws.translator.message(12) + QStringLiteral(" (") + ws.files.buchungendbf
                          + QStringLiteral("): ") + appended.error);
        out.result = BookingResult::IoError;
        return out;
    }
    const Article before = ws.articles[std::size_t(row)];
    ws.articles[std::size_t(row)] = a;
    const std::vector<FieldChange> groupChanges = applyGroupSum(ws, options.groupSum, std::size_t(row));
    if (articles::SaveFile(ws) != articles::SaveResult::Saved) {
        // The stock was not written, so the journal must not claim it.
        for (auto it = groupChanges.rbegin(); it != groupChanges.rend(); ++it)
            ws.articles[it->row].field(options.groupSum.targetField) = it->before;
        ws.articles[std::size_t(row)] = before;
        withdrawJournalRecord(ws, appended.recordNumber);
        SharedAccess::EndWriteMow(ws);
        out.result = BookingResult::IoError;
        return out;
    }
    SharedAccess::EndWriteMow(ws);
    out.result = BookingResult::Booked;

    // Only a booking that stands is handed on; the program runs by itself
    // and a failure to start it changes nothing here.
    if (options.command.enabled()) {
        app::ProcessLauncher system;
        options.command.start(context.launcher ? *context.launcher : system, out.record);
    }

    writeProtocol(ws, options, a, direction, out.record, context.prompts);
    if (newStock < minimum) {
        out.minimumUndercut = true;
        const QString line = ws.translator.message(9) + minimum.toString(format.decimalSeparator)
                           + ws.translator.message(10) + out.newStock;
        ws.addProtocolLine(line);
        if (!options.noMinimumWarning)
            ws.prompter->inform({9, line, ws.translator.message(11), base::Icon::Information});
        // Nothing to order when enough is on order already.
        if (options.orderMailOnMinimum && !(orderQuantity && *orderQuantity <= ordered))
            out.orderMailWanted = true;
    }
    out.labelWanted = issue && options.labelOnIssue;
    return out;
}

int findJournalArticle(const articles::ArticleList &list, const JournalRecord &record)
{
    for (std::size_t i = 0; i < list.size(); ++i)
        if (recordBelongsTo(record, list[i]))
            return int(i);
    return -1;
}

BookingOutcome UndoBooking(app::Workspace &ws, const settings::Session &session, const BookingOptions &options,
                           const JournalRecord &record, const QString &userName, app::ProcessLauncher *launcher)
{
    BookingOutcome out;
    if (SharedAccess::changedOnDisk(ws))
        articles::OpenFile(ws);
    const int row = findJournalArticle(ws.articles, record);
    if (row < 0)
        return out;  // the article is gone: nothing to undo, as before
    BookingContext context;
    context.row = row;
    context.quantity = numberOr0(record[JAmount], ws.format);
    context.direction = isReceiptKind(record[JKind]) ? Direction::Issue : Direction::Receipt;
    context.userName = userName;
    context.autobooking = true;
    context.customer = record[JCustomer];
    context.costCentre = record[JCostcenter];
    context.serialNo = record[JSerialNo];
    context.lieferdate = record[JDelivDate];
    context.supplier = record[JSupplier];
    context.pallet = record[JPallet];
    context.storagePlace = record[JArea];
    context.launcher = launcher;
    // The undo books the opposite of the record, whatever direction the
    // stock would choose now.
    BookingOptions undoOptions = options;
    undoOptions.autoDirectionByStock = false;
    return buche(ws, session, undoOptions, context);
}

BookingOutcome UndoLastBooking(app::Workspace &ws, const settings::Session &session, const BookingOptions &options,
                               const QString &userName, app::ProcessLauncher *launcher)
{
    BookingOutcome out;
    if (ws.ask(161, base::Buttons::YesNoCancel, base::Icon::Question, ws.translator.message(162)) != base::Answer::Yes) {
        out.result = BookingResult::Cancelled;
        return out;
    }
    const auto record = lastJournalRecord(ws);
    if (!record)
        return out;
    return UndoBooking(ws, session, options, *record, userName, launcher);
}

}  // namespace morvane::booking
