#pragma once

#include "core/app/workspace.h"
#include "core/base/decimal.h"
#include "core/booking/booking.h"
#include "core/booking/journal.h"

#include <QDate>
#include <QStringList>

#include <array>
#include <optional>

namespace morvane::booking {

// The codes stored in `abfragen`; positions 1 to 11 of the array say which
// prompt is asked in that place.
enum PromptCode : int {
    PromptQuantity = 1,
    PromptBatch,
    PromptCustomer,
    PromptCostCentre,
    PromptDelNoteNo,
    PromptFreeText,
    PromptSerialNo,
    PromptPallet,
    PromptStoragePlace,
    PromptDelivDate,
    PromptPrice,
};
inline constexpr int kPromptCount = 11;
inline constexpr int kPromptPositions = 11;

// The message that names a prompt in the order dialog and the protocol
// (82 "Menge", 180 "Chargennummer", 51 "Kunde" ...); 0 for no prompt.
int promptNameMessage(int code);

// "Beim Buchen einzugeben": one switch per prompt and direction, indexed by
// code. The quantity prompt ("Menge nach dem Scannen des Barcodes eingeben")
// has one switch for both directions: set it in both arrays.
struct PromptSwitches {
    std::array<bool, kPromptCount + 1> onIssue{};
    std::array<bool, kPromptCount + 1> onReceipt{};
    bool customerRequired = false;  // "Abschluss der Buchung ohne Kundeneingabe verhindern"

    bool on(int code, Direction direction) const
    {
        if (code < 1 || code > kPromptCount)
            return false;
        return direction == Direction::Issue ? onIssue[std::size_t(code)] : onReceipt[std::size_t(code)];
    }
};

// What the dialogs show when they open again: their last values, and the
// ask-only-once series of the scanner inputs. Lives as long as the main
// window; a cancelled prompt phase does not change it.
struct PromptMemory {
    QString quantity;
    QString batch;
    QString customer;
    QString costCentre;
    QString delNoteNo;
    QString freeText;
    QString serialNo;
    QString pallet;
    QString storagePlace;
    QString delivDate;  // as typed
    QString price;      // as typed

    bool showkundeonlyonce = false;
    bool isthefirstkunde = true;
    bool showkostenonlyonce = false;
    bool isthefirstkosten = true;
};

// The booking as the prompt phase sees it.
struct PromptRequest {
    int row = -1;
    base::Decimal quantity;
    Direction direction = Direction::Issue;
    bool autobooking = false;
    bool autobookingneedstellplatz = false;
    bool autostellplatz = false;          // the place was scanned: taken from the memory, not asked
    bool lieferscheineerfassen = false;
    bool cashRegisterVisible = false;
    bool cashRegisterAsksCustomer = false;    // its "Kunde eingeben"
    bool cashRegisterAsksCostCentre = false;  // its "Kostenstelle eingeben"
    int journalFieldCount = kJournalFieldCount;
};

enum class PromptStatus { Answered, Cancelled };

// The answers of one prompt phase. `asked[code]` tells which prompts applied
// to this booking; only their values go into the record.
struct PromptAnswers {
    PromptStatus status = PromptStatus::Answered;
    std::array<bool, kPromptCount + 1> asked{};
    std::array<int, kPromptCount> order{};  // codes in the order they ran, 0 = none
    base::Decimal quantity;
    Direction direction = Direction::Issue;
    QString batch;
    QString customer;
    QString costCentre;
    QString delNoteNo;
    QString freeText;
    QString serialNo;
    QString pallet;
    QString storagePlace;
    QDate delivDate;
    std::optional<base::Decimal> price;

    bool applies(int code) const { return code >= 1 && code <= kPromptCount && asked[std::size_t(code)]; }
};

// Asks the prompts of one booking in the order of `abfragen` through the
// workspace's prompter. A typed value that is not valid (quantity, date,
// price) is reported and asked again; cancelling any prompt cancels the
// whole phase and leaves `memory` as it was. Nothing is written to any file.
class BookingPrompts {
public:
    BookingPrompts(app::Workspace &ws, const BookingOptions &options, const PromptSwitches &switches,
                   PromptMemory &memory)
        : ws_(ws), options_(options), switches_(switches), memory_(memory)
    {
    }

    PromptAnswers run(const PromptRequest &request);

    // Whether prompt `code` applies to this booking (its switch, the
    // booking's flags, the journal's width).
    bool applies(int code, const PromptRequest &request) const;

    // Captions and labels of the dialogs, in German as the translator takes them.
    static QString caption(int code);
    static QString label(int code);

private:
    bool ask(int code, const PromptRequest &request, PromptAnswers &answers, PromptMemory &next);
    base::ValuePrompt prompt(int code, const PromptRequest &request, const QString &preset) const;
    std::optional<base::ValueAnswer> askValue(const base::ValuePrompt &prompt);
    void informInvalid(const QString &text);

    app::Workspace &ws_;
    const BookingOptions &options_;
    const PromptSwitches &switches_;
    PromptMemory &memory_;
};

// The distinct non-empty customers of the journal, in journal order: the
// customer dialog's drop-down list.
QStringList journalCustomers(app::Workspace &ws);

// "Kunde aus Kundenverwaltung übernehmen": the customer text from the first
// three fields of a customer record ("Firma", "Name", "Vorname"), each
// after "; " once the text is not empty, and the cost centre from field 15
// when the table has it.
struct CustomerTakeOver {
    QString text;
    std::optional<QString> costCentre;
};
CustomerTakeOver customerTakeOver(const QStringList &fields);

// The distinct non-empty storage places of the article's journal records, in
// journal order; the place dialog offers them and starts with the first.
QStringList storagePlaceChoices(app::Workspace &ws, int row);

// The quantity on a storage place by the balance rule: receipt kinds add
// `Amount`, the others subtract it; amounts that are no numbers are skipped.
base::Decimal storagePlaceBalance(app::Workspace &ws, const QString &place, const articles::Article &article);

// `checkstellplatz`: an issue of `quantity` from `place`. When the place holds
// less, asks message 235; true = the booking may go on.
bool checkstellplatz(app::Workspace &ws, const QString &place, const articles::Article &article,
                     base::Decimal quantity);

// Puts the answers into the record just built for the booking and into the
// booked article: prompt fields, the entered price (with its VAT and the
// profit), the batch number and the serial numbers. `booked` is the
// direction actually booked, which the stock may have turned after the
// prompts were asked.
void applyPromptAnswers(const PromptAnswers &answers, Direction booked, const BookingOptions &options,
                        const base::FormatSettings &format, JournalRecord &record, articles::Article &article);

// The protocol lines of the answers, after the movement line: the customer,
// then cost centre, serial number, pallet, storage place, batch,
// delivery-note number and free text, each as "name: value".
QStringList promptProtocolLines(i18n::Translator &translator, const PromptAnswers &answers);

}  // namespace morvane::booking
