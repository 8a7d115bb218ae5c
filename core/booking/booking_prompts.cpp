#include "core/booking/booking_prompts.h"

#include "core/articles/article_numbers.h"

#include <QSet>

namespace morvane::booking {

namespace {

using base::Decimal;

// How many journal fields a prompt needs before it can be stored; a journal
// that could not be upgraded has no room for it, so the prompt is skipped.
int neededJournalFields(int code)
{
    switch (code) {
    case PromptBatch: return JBatchNo + 1;
    case PromptCustomer: return JCustomer + 1;
    case PromptPrice: return JPrice + 1;
    case PromptCostCentre: return JCostcenter + 1;
    case PromptSerialNo: return JSerialNo + 1;
    case PromptDelivDate: return JDelivDate + 1;
    case PromptDelNoteNo: return JDelNoteNo + 1;
    case PromptFreeText: return JFreetext + 1;
    case PromptPallet: return JPallet + 1;
    case PromptStoragePlace: return JArea + 1;
    default: return 0;
    }
}

QString money(Decimal value, int places, const base::FormatSettings &format)
{
    return value.roundedHalfEven(places).toFixed(places, format.decimalSeparator);
}

}  // namespace

int promptNameMessage(int code)
{
    static constexpr int numbers[] = {0, 82, 180, 51, 90, 167, 168, 98, 184, 185, 237, 228};
    return code >= 1 && code <= kPromptCount ? numbers[code] : 0;
}

QString BookingPrompts::caption(int code)
{
    switch (code) {
    case PromptQuantity: return QStringLiteral("Menge eingeben");
    case PromptBatch: return QStringLiteral("Chargennummer eingeben");
    case PromptCustomer: return QStringLiteral("Kunde eingeben");
    case PromptCostCentre: return QStringLiteral("Kostenstelle eingeben");
    case PromptDelNoteNo: return QStringLiteral("Lieferscheinnummer eingeben");
    case PromptFreeText: return QStringLiteral("Freien Text eingeben");
    case PromptSerialNo: return QStringLiteral("Seriennummer eingeben");
    case PromptPallet: return QStringLiteral("Palettennummer");
    case PromptStoragePlace: return QStringLiteral("Stellplatz");
    case PromptDelivDate: return QStringLiteral("Lieferdatum eingeben");
    case PromptPrice: return QStringLiteral("Preis eingeben");
    default: return {};
    }
}

QString BookingPrompts::label(int code)
{
    switch (code) {
    case PromptQuantity: return QStringLiteral("Menge:");
    case PromptBatch: return QStringLiteral("Chargennummer:");
    case PromptCustomer: return QStringLiteral("Kunde:");
    case PromptCostCentre: return QStringLiteral("Kostenstelle:");
    case PromptDelNoteNo: return QStringLiteral("Lieferscheinnummer:");
    case PromptFreeText: return QStringLiteral("Freier Text:");
    case PromptSerialNo: return QStringLiteral("Seriennummer:");
    case PromptPallet: return QStringLiteral("Palettennummer:");
    case PromptStoragePlace: return QStringLiteral("Stellplatz:");
    case PromptDelivDate: return QStringLiteral("Lieferdatum:");
    case PromptPrice: return QStringLiteral("Preis:");
    default: return {};
    }
}

bool BookingPrompts::applies(int code, const PromptRequest &request) const
{
    if (code < 1 || code > kPromptCount)
        return false;
    if (request.journalFieldCount < neededJournalFields(code))
        return false;
    const Direction d = request.direction;
    const bool issue = d == Direction::Issue;
    switch (code) {
    case PromptQuantity:
        return !request.autobooking && switches_.on(code, d);
    case PromptBatch:
        return !request.autobooking && !request.lieferscheineerfassen && switches_.on(code, d);
    case PromptCustomer: {
        if (request.autobooking || (request.cashRegisterVisible && request.cashRegisterAsksCustomer))
            return false;
        bool marked = false;
        if (issue && request.row >= 0 && request.row < int(ws_.articles.size()))
            marked = !ws_.articles[std::size_t(request.row)].field(articles::KundeEintragen).isEmpty();
        return switches_.on(code, d) || marked;
    }
    case PromptCostCentre:
        return !request.autobooking && !(request.cashRegisterVisible && request.cashRegisterAsksCostCentre)
            && switches_.on(code, d);
    case PromptStoragePlace:
        if (request.autobooking)
            return request.autobookingneedstellplatz;
        return switches_.on(code, d) || request.autostellplatz;
    case PromptDelivDate:
        return !request.autobooking && !request.lieferscheineerfassen && switches_.on(code, d);
    case PromptPrice:
        return !request.autobooking && !request.cashRegisterVisible && switches_.on(code, d);
    default:  // delivery-note number, free text, serial number, pallet
        return !request.autobooking && switches_.on(code, d);
    }
}

base::ValuePrompt BookingPrompts::prompt(int code, const PromptRequest &request, const QString &preset) const
{
    i18n::Translator &t = ws_.translator;
    base::ValuePrompt p;
    p.code = code;
    p.message = {0, t.translate(label(code)), t.translate(caption(code)), base::Icon::Question};
    p.preset = preset;
    p.issue = request.direction == Direction::Issue;
    p.wholeNumbers = options_.wholePieces;
    p.decimalSeparator = ws_.format.decimalSeparator;
    if ((code == PromptQuantity || code == PromptStoragePlace) && request.row >= 0
        && request.row < int(ws_.articles.size()))
        p.heading = ws_.articles[std::size_t(request.row)].name;
    return p;
}

std::optional<base::ValueAnswer> BookingPrompts::askValue(const base::ValuePrompt &prompt)
{
    return ws_.prompter->askValue(prompt);
}

void BookingPrompts::informInvalid(const QString &text)
{
    ws_.prompter->inform({0, ws_.translator.translate(text), {}, base::Icon::Error});
}

// One prompt; false when the user cancelled it.
bool BookingPrompts::ask(int code, const PromptRequest &request, PromptAnswers &answers, PromptMemory &next)
{
    using Kind = base::ValuePrompt::Kind;
    auto plain = [&](QString &remembered, QString &answer, const QStringList &choices = {}) {
        base::ValuePrompt p = prompt(code, request, remembered);
        p.choices = choices;
        const auto value = askValue(p);
        if (!value)
            return false;
        remembered = value->text;
        answer = value->text;
        return true;
    };
    const bool issue = request.direction == Direction::Issue;
    const bool rowValid = request.row >= 0 && request.row < int(ws_.articles.size());
    switch (code) {
    case PromptQuantity: {
        base::ValuePrompt p = prompt(code, request, quantityText(answers.quantity, options_, ws_.format));
        p.kind = Kind::Quantity;
        for (;;) {
            const auto value = askValue(p);
            if (!value)
                return false;
            // checkQuantity tells the user why a quantity cannot be booked.
            if (const auto q = checkQuantity(ws_, value->text, options_)) {
                answers.quantity = *q;
                answers.direction = value->issue ? Direction::Issue : Direction::Receipt;
                next.quantity = value->text;
                return true;
            }
            p.preset = value->text;
            p.issue = value->issue;
        }
    }
    case PromptBatch:
        return plain(next.batch, answers.batch);
    case PromptCustomer: {
        // In an ask-only-once series the first answer serves every booking.
        if (next.showkundeonlyonce && !next.isthefirstkunde) {
            answers.customer = next.customer;
            return true;
        }
        base::ValuePrompt p = prompt(code, request, next.customer);
        p.kind = Kind::Customer;
        p.choices = journalCustomers(ws_);
        for (;;) {
            const auto value = askValue(p);
            if (!value)
                return false;
            if (value->costCentre) {
                // Taken over with the customer: the cost centre prompt shows
                // it, and a cost centre asked before gives way to it.
                next.costCentre = *value->costCentre;
                if (answers.applies(PromptCostCentre))
                    answers.costCentre = *value->costCentre;
            }
            if (switches_.customerRequired && value->text.trimmed().isEmpty()) {
                ws_.inform(249, base::Icon::Error);
                p.preset = value->text;
                continue;
            }
            next.customer = answers.customer = value->text;
            if (next.showkundeonlyonce)
                next.isthefirstkunde = false;
            return true;
        }
    }
    case PromptCostCentre:
        if (next.showkostenonlyonce && !next.isthefirstkosten) {
            answers.costCentre = next.costCentre;
            return true;
        }
        if (!plain(next.costCentre, answers.costCentre))
            return false;
        if (next.showkostenonlyonce)
            next.isthefirstkosten = false;
        return true;
    case PromptDelNoteNo:
        return plain(next.delNoteNo, answers.delNoteNo);
    case PromptFreeText:
        return plain(next.freeText, answers.freeText);
    case PromptSerialNo: {
        QStringList serials;
        if (issue && rowValid)
            serials = articles::numberLines(ws_.articles[std::size_t(request.row)].field(articles::Seriennummern));
        return plain(next.serialNo, answers.serialNo, serials);
    }
    case PromptPallet:
        return plain(next.pallet, answers.pallet);
    case PromptStoragePlace: {
        QString place = next.storagePlace;
        if (!request.autostellplatz) {
            const QStringList choices = storagePlaceChoices(ws_, request.row);
            base::ValuePrompt p = prompt(code, request, choices.isEmpty() ? next.storagePlace : choices.front());
            p.choices = choices;
            const auto value = askValue(p);
            if (!value)
                return false;
            place = value->text;
        }
        if (issue && rowValid && !checkstellplatz(ws_, place, ws_.articles[std::size_t(request.row)], answers.quantity))
            return false;
        next.storagePlace = answers.storagePlace = place;
        return true;
    }
    case PromptDelivDate: {
        base::ValuePrompt p =
            prompt(code, request, next.delivDate.isEmpty() ? ws_.format.formatDate(ws_.clock.today()) : next.delivDate);
        p.kind = Kind::Date;
        p.date = ws_.format.parseDate(p.preset.trimmed()).value_or(ws_.clock.today());
        for (;;) {
            const auto value = askValue(p);
            if (!value)
                return false;
            const auto date = value->date.isValid() ? std::optional<QDate>(value->date)
                                                    : ws_.format.parseDate(value->text.trimmed());
            if (date) {
                answers.delivDate = *date;
                next.delivDate = value->date.isValid() ? ws_.format.formatDate(*date) : value->text;
                return true;
            }
            informInvalid(QStringLiteral("Bitte geben Sie ein gültiges Datum ein."));
            p.preset = value->text;
        }
    }
    case PromptPrice: {
        base::ValuePrompt p = prompt(code, request, next.price);
        p.kind = Kind::Price;
        for (;;) {
            const auto value = askValue(p);
            if (!value)
                return false;
            if (const auto price = Decimal::parse(value->text, ws_.format)) {
                answers.price = *price;
                next.price = value->text;
                return true;
            }
            informInvalid(QStringLiteral("Bitte geben Sie einen gültigen Preis ein."));
            p.preset = value->text;
        }
    }
    default:
        return true;
    }
}

PromptAnswers BookingPrompts::run(const PromptRequest &request)
{
    PromptAnswers answers;
    answers.quantity = request.quantity;
    answers.direction = request.direction;
    // The dialogs keep what was typed only when the whole phase went through.
    PromptMemory next = memory_;
    const auto &order = ws_.articleSettings.abfragen;
    int ran = 0;
    for (int position = 0; position < kPromptPositions && position < int(order.size()); ++position) {
        const int code = order[std::size_t(position)];
        // A code twice in the order asks once: the second place has nothing left to ask.
        if (!applies(code, request) || answers.asked[std::size_t(code)])
            continue;
        answers.asked[std::size_t(code)] = true;
        answers.order[std::size_t(ran++)] = code;
        if (!ask(code, request, answers, next)) {
            answers.status = PromptStatus::Cancelled;
            return answers;
        }
    }
    memory_ = next;
    return answers;
}

QStringList journalCustomers(app::Workspace &ws)
{
    QStringList customers;
    QSet<QString> seen;
    scanJournal(ws, {JCustomer}, [&](const JournalRecord &r) {
        const QString customer = rightTrimmed(r[JCustomer]);
        if (!customer.isEmpty() && !seen.contains(customer)) {
            seen.insert(customer);
            customers << customer;
        }
    });
    return customers;
}

CustomerTakeOver customerTakeOver(const QStringList &fields)
{
    CustomerTakeOver out;
    for (int i = 0; i < 3; ++i) {
        const QString value = rightTrimmed(fields.value(i));
        out.text = out.text.isEmpty() ? value : out.text + QStringLiteral("; ") + value;
    }
    if (fields.size() > 14)
        out.costCentre = rightTrimmed(fields.at(14));
    return out;
}

QStringList storagePlaceChoices(app::Workspace &ws, int row)
{
    QStringList places;
    if (row < 0 || row >= int(ws.articles.size()))
        return places;
    const JournalArticleKey key(ws.articles[std::size_t(row)]);
    scanJournal(ws, {JArticle, JBarcode, JArtNo, JArea}, [&](const JournalRecord &r) {
        const QString place = rightTrimmed(r[JArea]);
        if (!place.isEmpty() && key.matches(r) && !places.contains(place))
            places << place;
    });
    return places;
}

Decimal storagePlaceBalance(app::Workspace &ws, const QString &place, const articles::Article &article)
{
    const JournalArticleKey key(article);
    Decimal sum;
    scanJournal(ws, {JKind, JArticle, JBarcode, JArtNo, JAmount, JArea}, [&](const JournalRecord &r) {
        if (rightTrimmed(r[JArea]) != place || !key.matches(r))
            return;
        const auto amount = Decimal::parse(r[JAmount].trimmed(), ws.format);
        if (!amount)
            return;
        if (isReceiptKind(rightTrimmed(r[JKind])))
            sum += *amount;
        else
            sum -= *amount;
    });
    return sum;
}

bool checkstellplatz(app::Workspace &ws, const QString &place, const articles::Article &article, Decimal quantity)
{
    const Decimal held = storagePlaceBalance(ws, place, article);
    if (quantity <= held)
        return true;
    i18n::Translator &t = ws.translator;
    const base::Message m{235, t.message(235) + u' ' + held.toString(ws.format.decimalSeparator), t.message(236),
                          base::Icon::Error};
    return ws.prompter->ask(m, base::Buttons::YesNoCancel) == base::Answer::Yes;
}

void applyPromptAnswers(const PromptAnswers &answers, Direction booked, const BookingOptions &options,
                        const base::FormatSettings &format, JournalRecord &record, articles::Article &article)
{
    const bool issue = booked == Direction::Issue;
    if (answers.applies(PromptBatch)) {
        article.field(articles::Chargennr) = answers.batch;
        record[JBatchNo] = answers.batch;
    }
    if (answers.applies(PromptCustomer)) {
        record[JCustomer] = answers.customer;
        if (options.lastCustomerToFreeColumn)
            article.field(articles::FreieSpalte1) = answers.customer;
    }
    if (answers.applies(PromptCostCentre))
        record[JCostcenter] = answers.costCentre;
    if (answers.applies(PromptDelNoteNo))
        record[JDelNoteNo] = answers.delNoteNo;
    if (answers.applies(PromptFreeText))
        record[JFreetext] = answers.freeText;
    if (answers.applies(PromptPallet))
        record[JPallet] = answers.pallet;
    if (answers.applies(PromptStoragePlace))
        record[JArea] = answers.storagePlace;
    if (answers.applies(PromptDelivDate) && answers.delivDate.isValid())
        record[JDelivDate] = answers.delivDate.toString(QStringLiteral("dd.MM.yyyy"));
    if (answers.applies(PromptSerialNo)) {
        record[JSerialNo] = answers.serialNo;
        QString &serials = article.field(articles::Seriennummern);
        if (issue) {
            QStringList lines = articles::numberLines(serials);
            lines.removeAll(answers.serialNo);
            serials = lines.join(QStringLiteral("\r\n"));
        } else {
            serials = serials.isEmpty() ? answers.serialNo : serials + QStringLiteral("\r\n") + answers.serialNo;
        }
    }
    if (answers.applies(PromptPrice) && answers.price) {
        // The entered price is the value of the whole booking, as typed: it
        // is not multiplied by the quantity.
        const int places = options.threePriceDecimals ? 3 : 2;
        const Decimal price = answers.price->roundedHalfEven(places);
        const Decimal rate = Decimal::parse(record[JVatRate], format).value_or(Decimal());
        const auto vat = (price * rate).dividedBy(rate + Decimal::fromInt(100));
        if (issue) {
            record[JPrice] = money(price, places, format);
            record[JVat2] = vat ? money(*vat, 2, format) : QString();
            if (const auto buying = Decimal::parse(record[JBuyingPrice], format))
                record[JProfit] = money(price - *buying, places, format);
        } else {
            record[JBuyingPrice] = money(price, places, format);
            record[JVat] = vat ? money(*vat, 2, format) : QString();
        }
    }
}

QStringList promptProtocolLines(i18n::Translator &translator, const PromptAnswers &answers)
{
    const std::pair<int, const QString *> lines[] = {
        {PromptCustomer, &answers.customer},     {PromptCostCentre, &answers.costCentre},
        {PromptSerialNo, &answers.serialNo},     {PromptPallet, &answers.pallet},
        {PromptStoragePlace, &answers.storagePlace}, {PromptBatch, &answers.batch},
        {PromptDelNoteNo, &answers.delNoteNo},   {PromptFreeText, &answers.freeText},
    };
    QStringList out;
    for (const auto &[code, value] : lines)
        if (answers.applies(code))
            out << translator.message(promptNameMessage(code)) + QStringLiteral(": ") + *value;
    return out;
}

}  // namespace morvane::booking
