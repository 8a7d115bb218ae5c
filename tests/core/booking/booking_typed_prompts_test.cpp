#include "core/booking/booking_prompts.h"

#include "core/articles/article_io.h"

#include "support/temp_workspace.h"

#include <gtest/gtest.h>

using namespace morvane;
using namespace morvane::articles;
using namespace morvane::booking;
using test::dec;
using test::makeArticle;
using test::s;
using Kind = base::ValuePrompt::Kind;

namespace {

base::ValueAnswer answer(const char *text, bool issue = true)
{
    base::ValueAnswer a;
    a.text = s(text);
    a.issue = issue;
    return a;
}

struct TypedPrompts : ::testing::Test {
    TypedPrompts()
    {
        ws().format = base::FormatSettings::german();
        ws().articles = {makeArticle(s("Schraube"), {{ArtikelNr, s("7")}, {Menge, s("10")},
                                                     {Seriennummern, s("S1\r\nS2")}})};
        EXPECT_EQ(SaveFile(ws()), SaveResult::Saved);
    }

    app::Workspace &ws() { return *t.ws; }

    void bookFor(const char *customer)
    {
        BookingContext c;
        c.row = 0;
        c.quantity = dec("1");
        c.direction = Direction::Receipt;
        c.autobooking = true;
        c.customer = s(customer);
        ASSERT_EQ(buche(ws(), {}, {}, c).result, BookingResult::Booked);
    }

    PromptAnswers run(Direction d)
    {
        PromptRequest r;
        r.row = 0;
        r.quantity = dec("2");
        r.direction = d;
        return BookingPrompts(ws(), options, switches, memory).run(r);
    }

    const QList<base::ValuePrompt> &asked() const { return t.prompter.valuePrompts(); }

    test::TempWorkspace t;
    BookingOptions options;
    PromptSwitches switches;
    PromptMemory memory;
};

TEST_F(TypedPrompts, QuantityDialogMayTurnTheDirection)
{
    switches.onIssue[PromptQuantity] = switches.onReceipt[PromptQuantity] = true;
    t.prompter.expectValue(PromptQuantity, answer("0", false))  // refused, asked again with what was chosen
        .expectInform(123)
        .expectValue(PromptQuantity, answer("3", false));
    const PromptAnswers a = run(Direction::Issue);
    ASSERT_EQ(a.status, PromptStatus::Answered);
    EXPECT_EQ(a.direction, Direction::Receipt);
    EXPECT_EQ(a.quantity, dec("3"));
    ASSERT_EQ(asked().size(), 2);
    EXPECT_EQ(asked()[0].kind, Kind::Quantity);
    EXPECT_EQ(asked()[0].heading, s("Schraube"));
    EXPECT_EQ(asked()[0].preset, s("2,00"));
    EXPECT_TRUE(asked()[0].issue);
    EXPECT_FALSE(asked()[1].issue) << "the repeated dialog keeps the chosen direction";
    EXPECT_TRUE(t.prompter.failures().isEmpty()) << t.prompter.failures().join(u'\n').toStdString();
}

TEST_F(TypedPrompts, DropDownListsOfCustomerSerialNumberAndPlace)
{
    bookFor("Meier");
    bookFor("Anna");
    bookFor("Meier");
    bookFor("");
    for (int code : {PromptCustomer, PromptSerialNo})
        switches.onIssue[std::size_t(code)] = switches.onReceipt[std::size_t(code)] = true;
    t.prompter.expectValue(PromptCustomer, answer("Meier")).expectValue(PromptSerialNo, answer("S2"));
    ASSERT_EQ(run(Direction::Issue).status, PromptStatus::Answered);
    t.prompter.expectValue(PromptCustomer, answer("Meier")).expectValue(PromptSerialNo, answer("S9"));
    ASSERT_EQ(run(Direction::Receipt).status, PromptStatus::Answered);
    ASSERT_EQ(asked().size(), 4);
    EXPECT_EQ(asked()[0].kind, Kind::Customer);
    EXPECT_EQ(asked()[0].choices, QStringList({s("Meier"), s("Anna")}));
    EXPECT_EQ(asked()[1].choices, QStringList({s("S1"), s("S2")})) << "an issue offers the article's serial numbers";
    EXPECT_TRUE(asked()[3].choices.isEmpty()) << "a receipt brings a new one";
    EXPECT_TRUE(t.prompter.failures().isEmpty()) << t.prompter.failures().join(u'\n').toStdString();
}

TEST_F(TypedPrompts, CustomerTakenOverBringsItsCostCentre)
{
    for (int code : {PromptCustomer, PromptCostCentre})
        switches.onIssue[std::size_t(code)] = true;
    base::ValueAnswer taken = answer("Muster GmbH; Meier; ");
    taken.costCentre = s("K7");

    // Customer first: the cost centre dialog opens with the customer's.
    t.prompter.expectValue(PromptCustomer, taken).expectValue(PromptCostCentre, answer("K7"));
    PromptAnswers a = run(Direction::Issue);
    EXPECT_EQ(asked().back().preset, s("K7"));
    EXPECT_EQ(a.costCentre, s("K7"));

    // Cost centre first: the customer taken over afterwards replaces it.
    ws().articleSettings.abfragen[0] = PromptCostCentre;
    ws().articleSettings.abfragen[3] = PromptQuantity;
    t.prompter.expectValue(PromptCostCentre, answer("K1")).expectValue(PromptCustomer, taken);
    a = run(Direction::Issue);
    EXPECT_EQ(a.costCentre, s("K7"));
    EXPECT_EQ(a.customer, s("Muster GmbH; Meier; "));
    EXPECT_TRUE(t.prompter.failures().isEmpty()) << t.prompter.failures().join(u'\n').toStdString();
}

TEST_F(TypedPrompts, DateAndPriceAnswers)
{
    for (int code : {PromptDelivDate, PromptPrice})
        switches.onReceipt[std::size_t(code)] = true;
    base::ValueAnswer date;
    date.date = QDate(2026, 12, 24);
    t.prompter.expectValue(PromptDelivDate, date).expectValue(PromptPrice, answer("abc"))
        .expectInform(0)
        .expectValue(PromptPrice, answer("9,95"));
    const PromptAnswers a = run(Direction::Receipt);
    EXPECT_EQ(a.delivDate, QDate(2026, 12, 24));
    EXPECT_EQ(a.price, dec("9,95"));
    EXPECT_EQ(asked()[0].kind, Kind::Date);
    EXPECT_EQ(asked()[0].date, QDate(2026, 12, 11)) << "today";
    EXPECT_EQ(asked()[1].kind, Kind::Price);
    EXPECT_EQ(memory.delivDate, s("24.12.2026"));
    EXPECT_TRUE(t.prompter.failures().isEmpty()) << t.prompter.failures().join(u'\n').toStdString();
}

TEST(CustomerTakeOver, FieldsJoinedWithSeparator)
{
    struct Case {
        QStringList fields;
        const char *text;
        std::optional<QString> costCentre;
    };
    QStringList fifteen(15);
    fifteen[0] = s("Muster GmbH");
    fifteen[14] = s("K7   ");
    const Case cases[] = {
        {{s(""), s("Meier"), s("Anna")}, "Meier; Anna", std::nullopt},
        {{s("Muster GmbH"), s("Meier"), s("")}, "Muster GmbH; Meier; ", std::nullopt},
        {{s("Muster GmbH   "), s(""), s("")}, "Muster GmbH; ; ", std::nullopt},
        {{s(""), s(""), s("")}, "", std::nullopt},
        {fifteen, "Muster GmbH; ; ", s("K7")},
    };
    for (const Case &c : cases) {
        const CustomerTakeOver taken = customerTakeOver(c.fields);
        EXPECT_EQ(taken.text, s(c.text)) << c.fields.join(u'|').toStdString();
        EXPECT_EQ(taken.costCentre, c.costCentre) << c.fields.join(u'|').toStdString();
    }
}

TEST(LastCustomer, GoesIntoTheFirstFreeColumnWhenAsked)
{
    PromptAnswers answers;
    answers.asked[PromptCustomer] = true;
    answers.customer = s("Meier");
    for (bool on : {false, true}) {
        BookingOptions options;
        options.lastCustomerToFreeColumn = on;
        JournalRecord record;
        Article article = makeArticle(s("Schraube"), {{FreieSpalte1, s("alt")}});
        applyPromptAnswers(answers, Direction::Issue, options, base::FormatSettings::german(), record, article);
        EXPECT_EQ(record[JCustomer], s("Meier"));
        EXPECT_EQ(article.field(FreieSpalte1), on ? s("Meier") : s("alt"));
    }
}

// ---------------------------------------------------------------------------
// The command after a booking

struct FakeLauncher final : app::ProcessLauncher {
    bool start(const QString &program, const QStringList &arguments) override
    {
        calls.push_back({program, arguments});
        return true;
    }
    std::vector<std::pair<QString, QStringList>> calls;
};

TEST_F(TypedPrompts, BookingStartsTheCommandWithTheRecord)
{
    FakeLauncher launcher;
    BookingOptions withCommand;
    withCommand.command.program = s("/opt/hook");
    withCommand.notBelowZero = true;
    BookingContext c;
    c.row = 0;
    c.quantity = dec("2");
    c.launcher = &launcher;
    c.autobooking = true;
    c.customer = s("Meier \"M\"; $(id)");

    const BookingOutcome booked = buche(ws(), {}, withCommand, c);
    ASSERT_EQ(booked.result, BookingResult::Booked);
    ASSERT_EQ(launcher.calls.size(), 1u);
    EXPECT_EQ(launcher.calls[0].first, s("/opt/hook"));
    const QStringList &args = launcher.calls[0].second;
    ASSERT_EQ(args.size(), kJournalFieldCount);
    for (int i = 0; i < kJournalFieldCount; ++i)
        EXPECT_EQ(args[i], booked.record[std::size_t(i)]) << i;
    EXPECT_EQ(args[JCustomer], s("Meier \"M\"; $(id)"));
    EXPECT_EQ(args[JNewAmount], s("8,00"));

    // A refused booking and one without a program start nothing.
    c.quantity = dec("100");
    t.prompter.expectInform(85);
    EXPECT_EQ(buche(ws(), {}, withCommand, c).result, BookingResult::Refused);
    c.quantity = dec("1");
    EXPECT_EQ(buche(ws(), {}, {}, c).result, BookingResult::Booked);
    EXPECT_EQ(launcher.calls.size(), 1u);

    // The undo of a record goes the same way.
    EXPECT_EQ(UndoBooking(ws(), {}, withCommand, booked.record, s("U"), &launcher).result, BookingResult::Booked);
    ASSERT_EQ(launcher.calls.size(), 2u);
    EXPECT_EQ(launcher.calls[1].second[JKind], s("+"));
    EXPECT_TRUE(t.prompter.failures().isEmpty()) << t.prompter.failures().join(u'\n').toStdString();
}

}  // namespace
