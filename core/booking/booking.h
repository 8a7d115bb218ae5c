#pragma once

#include "core/app/workspace.h"
#include "core/base/decimal.h"
#include "core/booking/booking_options.h"
#include "core/booking/journal.h"
#include "core/settings/rights.h"

#include <optional>

namespace morvane::booking {

enum class Direction { Issue, Receipt };  // "Abgang" / "Zugang"

struct PromptAnswers;  // booking_prompts.h

// What the main window holds when a booking starts: the selected row, the
// quantity field, the direction and the flags a caller sets around it.
struct BookingContext {
    int row = -1;                 // selected row of the article list, -1 = none
    base::Decimal quantity;       // MengeEd
    Direction direction = Direction::Issue;
    QString userName;             // BenutzerCombo
    bool alsverkauf = false;      // an invoice booked out as a sale
    bool cashRegisterVisible = false;
    QString paymentKind;          // the cash register's payment kind text
    base::Decimal discountPercent;  // the cash register's discount
    QString barcodefilename;      // scanner text file being imported

    // A booking replayed by a program function (undo, import, inventory):
    // the values below go into the journal as given.
    bool autobooking = false;
    QString customer;
    QString costCentre;
    QString serialNo;
    QString lieferdate;
    QString supplier;
    QString pallet;
    QString storagePlace;

    // The answers of the prompt phase (BookingPrompts::run), asked before
    // the write phase so that no other workstation waits while somebody
    // types. Their values go into the record, the row and the protocol; the
    // caller takes quantity and direction from them into the fields above.
    const PromptAnswers *prompts = nullptr;

    // Starts the program of options.command; none = the system's.
    app::ProcessLauncher *launcher = nullptr;
};

enum class BookingResult {
    Booked,
    Cancelled,      // the user stopped it
    Refused,        // rights or a quantity rule forbid it (message shown)
    AccessRefused,  // another workstation holds the write phase
    Invalid,        // no such row, or a quantity that cannot be booked (message shown)
    IoError,        // journal or article file could not be written (message shown)
};

struct BookingOutcome {
    BookingResult result = BookingResult::Invalid;
    int row = -1;                       // the booked row (it may move when the list was re-read)
    Direction direction = Direction::Issue;  // as booked, after the automatic direction
    QString newStock;                   // "Menge" after the booking
    bool minimumUndercut = false;
    bool orderMailWanted = false;       // "Bestell Email" for this article should be opened
    bool labelWanted = false;           // an issue with the automatic label print on
    JournalRecord record;               // what went into the journal
};

// The quantity as the quantity field shows it: two decimals, or a whole
// number in whole-piece mode.
QString quantityText(base::Decimal value, const BookingOptions &options, const base::FormatSettings &format);

// Checks a typed quantity: a number, greater than 0, at most 1000000000,
// whole in whole-piece mode. Shows the reason and answers nullopt otherwise.
std::optional<base::Decimal> checkQuantity(app::Workspace &ws, const QString &text, const BookingOptions &options);

// One booking of the selected article: the rights, the write phase, the
// quantity rules, the row, the journal record, the article file, the
// protocol lines and the minimum-stock warning. Nothing changes unless the
// journal record and the article file were both written.
BookingOutcome buche(app::Workspace &ws, const settings::Session &session, const BookingOptions &options,
                     const BookingContext &context);

// Books the opposite movement of one journal record for the article it
// belongs to, with the record's customer, cost centre, serial number,
// delivery date, supplier, pallet and place. Nothing when the article is
// gone (result Invalid, no message).
BookingOutcome UndoBooking(app::Workspace &ws, const settings::Session &session, const BookingOptions &options,
                           const JournalRecord &record, const QString &userName,
                           app::ProcessLauncher *launcher = nullptr);

// "Rückgängig": after message 161, books the opposite movement of the newest
// journal record for the article it belongs to. The undone record stays.
BookingOutcome UndoLastBooking(app::Workspace &ws, const settings::Session &session, const BookingOptions &options,
                               const QString &userName, app::ProcessLauncher *launcher = nullptr);

// The article a journal record belongs to: name, barcode and one line of
// "Artikel Nr." equal, or, where the journal value fills its whole field
// width, the article's value starting with it. -1 when none.
int findJournalArticle(const articles::ArticleList &articles, const JournalRecord &record);

}  // namespace morvane::booking
