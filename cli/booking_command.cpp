// morvane-cli booking book NUMBER QUANTITY issue|receipt [--user NAME]
#include "cli/command_registry.h"

#include "core/articles/article_io.h"
#include "core/articles/field_update.h"
#include "core/articles/shared_access.h"
#include "core/booking/booking.h"
#include "core/settings/options_store.h"

#include <QDeadlineTimer>
#include <QRandomGenerator>
#include <QTextStream>
#include <QThread>

namespace morvane::cli {

namespace {

QTextStream &err()
{
    static QTextStream stream(stderr);
    return stream;
}

int usageOfBook()
{
    err() << "usage: morvane-cli [--data DIR] booking book NUMBER QUANTITY issue|receipt [--user NAME]\n";
    return 2;
}

// Books like the booking button with the options of a new installation.
// While another workstation holds the write phase it tries again a little
// later, as a patient user would.
int book(CliContext &context, const QStringList &args)
{
    if (args.size() < 3)
        return usageOfBook();
    const QString number = args[0];
    booking::BookingContext bookingContext;
    if (args[2] == QLatin1String("issue"))
        bookingContext.direction = booking::Direction::Issue;
    else if (args[2] == QLatin1String("receipt"))
        bookingContext.direction = booking::Direction::Receipt;
    else
        return usageOfBook();
    for (qsizetype i = 3; i < args.size(); ++i) {
        if (args[i] == QLatin1String("--user") && i + 1 < args.size())
            bookingContext.userName = args[++i];
        else
            return usageOfBook();
    }

    const booking::BookingOptions options;
    settings::Session session;
    session.userName = bookingContext.userName;
    auto ws = context.workspace();
    settings::OptionsStore::LoadOptions(*ws);
    const auto quantity = booking::checkQuantity(*ws, args[1], options);
    if (!quantity)
        return 1;
    bookingContext.quantity = *quantity;

    QDeadlineTimer deadline(60000);
    auto waitABit = [&] {
        if (deadline.hasExpired()) {
            err() << "the data folder stayed busy\n";
            return false;
        }
        QThread::msleep(5 + QRandomGenerator::global()->bounded(20));
        return true;
    };
    while (true) {
        context.prompter.quiet = true;
        articles::ReadResult read = articles::ReadResult::Read;
        if (articles::SharedAccess::changedOnDisk(*ws))
            read = articles::OpenFile(*ws);
        context.prompter.quiet = false;
        if (read == articles::ReadResult::Refused) {
            if (!waitABit())
                return 1;
            continue;
        }
        bookingContext.row = articles::findArticleByNumber(ws->articles, number);
        if (bookingContext.row < 0) {
            err() << "no article with number " << number << "\n";
            return 1;
        }
        context.prompter.quiet = true;
        const booking::BookingOutcome outcome = booking::buche(*ws, session, options, bookingContext);
        context.prompter.quiet = false;
        switch (outcome.result) {
        case booking::BookingResult::Booked:
            QTextStream(stdout) << outcome.newStock << "\n";
            return 0;
        case booking::BookingResult::AccessRefused:
            if (!waitABit())
                return 1;
            break;
        case booking::BookingResult::Refused:
            err() << "booking refused\n";
            return 1;
        case booking::BookingResult::Cancelled:
            err() << "booking cancelled\n";
            return 1;
        case booking::BookingResult::Invalid:
            err() << "article or quantity cannot be booked\n";
            return 1;
        case booking::BookingResult::IoError:
            err() << "the journal or the article file could not be written\n";
            return 1;
        }
    }
}

int runBookingCommand(CliContext &context, const QStringList &args)
{
    if (args.value(0) == QLatin1String("book"))
        return book(context, args.mid(1));
    return usageOfBook();
}

}  // namespace

static const CommandRegistration registration(
    QStringLiteral("booking"), runBookingCommand,
    "booking book NUMBER QUANTITY issue|receipt [--user NAME]");

}  // namespace morvane::cli
