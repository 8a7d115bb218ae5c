#include "core/booking/booking_prompts.h"

#include "core/articles/article_io.h"
#include "core/base/cp1252.h"
#include "core/booking/external_command.h"

#include "support/temp_workspace.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QThread>

#include <gtest/gtest.h>

using namespace morvane;
using namespace morvane::articles;
using namespace morvane::booking;
using test::dec;
using test::makeArticle;
using test::s;

namespace {

// Plays the scripted prompter and remembers what each text prompt was preset with.
class PresetRecorder final : public base::Prompter {
public:
    explicit PresetRecorder(base::ScriptedPrompter &inner) : inner_(inner) {}
    void inform(const base::Message &m) override { inner_.inform(m); }
    base::Answer ask(const base::Message &m, base::Buttons b) override { return inner_.ask(m, b); }
    std::optional<QString> askText(const base::Message &m, const QString &preset) override
    {
        presets << preset;
        return inner_.askText(m, preset);
    }
    QStringList presets;

private:
    base::ScriptedPrompter &inner_;
};

struct Prompts : ::testing::Test {
    Prompts()
    {
        ws().format = base::FormatSettings::german();
        ws().prompter = &recorder;
        ws().articles = {makeArticle(s("Schraube"), {{ArtikelNr, s("7")}, {Barcode, s("4000001")}, {Menge, s("10")}})};
        EXPECT_EQ(SaveFile(ws()), SaveResult::Saved);
    }

    app::Workspace &ws() { return *t.ws; }

    // Books a receipt or issue of the article onto a storage place, as an
    // automatic booking does, so that the journal holds it.
    void bookOnPlace(const char *place, const char *quantity, Direction direction)
    {
        BookingContext c;
        c.row = 0;
        c.quantity = dec(quantity);
        c.direction = direction;
        c.autobooking = true;
        c.storagePlace = s(place);
        settings::Session session;
        ASSERT_EQ(buche(ws(), session, {}, c).result, BookingResult::Booked);
    }

    void switchAllOn(Direction d)
    {
        for (int code = 1; code <= kPromptCount; ++code)
            (d == Direction::Issue ? switches.onIssue : switches.onReceipt)[std::size_t(code)] = true;
    }

    PromptRequest request(Direction d, const char *quantity = "2")
    {
        PromptRequest r;
        r.row = 0;
        r.quantity = dec(quantity);
        r.direction = d;
        return r;
    }

    PromptAnswers run(const PromptRequest &r) { return BookingPrompts(ws(), options, switches, memory).run(r); }

    QStringList captions() const
    {
        QStringList list;
        for (const base::Message &m : t.prompter.shown())
            list << m.title;
        return list;
    }

    QMap<QString, QByteArray> folderBytes() const { return t.folderBytes(); }

    test::TempWorkspace t;
    PresetRecorder recorder{t.prompter};
    BookingOptions options;
    PromptSwitches switches;
    PromptMemory memory;
};

// An answer that every prompt takes, so scripts can answer any position.
const char *validAnswer(int code)
{
    switch (code) {
    case PromptQuantity: return "2";
    case PromptDelivDate: return "24.12.2026";
    case PromptPrice: return "9,95";
    case PromptStoragePlace: return "A1";
    default: return "x";
    }
}

// ---------------------------------------------------------------------------
// Order and conditions

TEST_F(Prompts, AskedInTheOrderOfAbfragen)
{
    bookOnPlace("A1", "10", Direction::Receipt);
    switchAllOn(Direction::Issue);
    const std::array<int, 11> order = {11, 3, 10, 1, 9, 2, 4, 8, 5, 7, 6};
    for (std::size_t i = 0; i < order.size(); ++i)
        ws().articleSettings.abfragen[i] = order[i];
    for (int code : order)
        t.prompter.expectText(0, s(validAnswer(code)));

    const PromptAnswers a = run(request(Direction::Issue));
    EXPECT_EQ(a.status, PromptStatus::Answered);
    QStringList expected;
    for (int code : order)
        expected << BookingPrompts::caption(code);
    EXPECT_EQ(captions(), expected);
    EXPECT_TRUE(t.prompter.failures().isEmpty()) << t.prompter.failures().join(u'\n').toStdString();
    EXPECT_EQ(a.customer, s("x"));
    EXPECT_EQ(a.delivDate, QDate(2026, 12, 24));
    EXPECT_EQ(a.price, dec("9,95"));
    EXPECT_EQ(a.storagePlace, s("A1"));
}

TEST_F(Prompts, PriceBeforeCustomerOnIssueNeitherOnReceipt)
{
    switches.onIssue[PromptCustomer] = switches.onIssue[PromptPrice] = true;
    ws().articleSettings.abfragen[0] = PromptPrice;
    ws().articleSettings.abfragen[10] = 1;
    t.prompter.expectText(0, s("5")).expectText(0, s("Meier"));
    run(request(Direction::Issue));
    EXPECT_EQ(captions(), QStringList({s("Preis eingeben"), s("Kunde eingeben")}));

    const PromptAnswers receipt = run(request(Direction::Receipt));
    EXPECT_EQ(receipt.status, PromptStatus::Answered);
    EXPECT_EQ(t.prompter.shown().size(), 2);
    EXPECT_TRUE(t.prompter.failures().isEmpty());
}

struct ApplyCase {
    const char *name;
    int code;
    PromptRequest request;
    bool switchOn;
    bool applies;
};

TEST_F(Prompts, WhenAPromptApplies)
{
    auto req = [](auto change) {
        PromptRequest r;
        r.row = 0;
        change(r);
        return r;
    };
    const ApplyCase cases[] = {
        {"switch off", PromptFreeText, req([](auto &) {}), false, false},
        {"switch on", PromptFreeText, req([](auto &) {}), true, true},
        {"automatic booking", PromptFreeText, req([](auto &r) { r.autobooking = true; }), true, false},
        {"place for automatic booking that needs it", PromptStoragePlace,
         req([](auto &r) { r.autobooking = true; r.autobookingneedstellplatz = true; }), false, true},
        {"place scanned", PromptStoragePlace, req([](auto &r) { r.autostellplatz = true; }), false, true},
        {"batch from delivery-note capture", PromptBatch, req([](auto &r) { r.lieferscheineerfassen = true; }), true, false},
        {"date from delivery-note capture", PromptDelivDate, req([](auto &r) { r.lieferscheineerfassen = true; }), true, false},
        {"price at the cash register", PromptPrice, req([](auto &r) { r.cashRegisterVisible = true; }), true, false},
        {"customer asked by the cash register", PromptCustomer,
         req([](auto &r) { r.cashRegisterVisible = true; r.cashRegisterAsksCustomer = true; }), true, false},
        {"cost centre asked by the cash register", PromptCostCentre,
         req([](auto &r) { r.cashRegisterVisible = true; r.cashRegisterAsksCostCentre = true; }), true, false},
        {"customer with the register not asking", PromptCustomer, req([](auto &r) { r.cashRegisterVisible = true; }), true, true},
        {"journal too short for the pallet", PromptPallet, req([](auto &r) { r.journalFieldCount = 24; }), true, false},
        {"journal just wide enough for the pallet", PromptPallet, req([](auto &r) { r.journalFieldCount = 25; }), true, true},
        {"old 14-field journal keeps the price", PromptPrice, req([](auto &r) { r.journalFieldCount = 14; }), true, true},
        {"old 14-field journal has no cost centre", PromptCostCentre, req([](auto &r) { r.journalFieldCount = 14; }), true, false},
    };
    for (const ApplyCase &c : cases) {
        PromptSwitches sw;
        sw.onIssue[std::size_t(c.code)] = c.switchOn;
        EXPECT_EQ(BookingPrompts(ws(), options, sw, memory).applies(c.code, c.request), c.applies) << c.name;
    }
}

TEST_F(Prompts, MarkedArticleAsksTheCustomerOnEveryIssueOnly)
{
    ws().articles[0].field(KundeEintragen) = s("x");
    BookingPrompts prompts(ws(), options, switches, memory);
    EXPECT_TRUE(prompts.applies(PromptCustomer, request(Direction::Issue)));
    EXPECT_FALSE(prompts.applies(PromptCustomer, request(Direction::Receipt)));
}

// ---------------------------------------------------------------------------
// Cancelling

TEST_F(Prompts, CancelAtEachPositionChangesNothing)
{
    bookOnPlace("A1", "10", Direction::Receipt);
    switchAllOn(Direction::Issue);
    memory.customer = s("Vorher");
    memory.showkundeonlyonce = true;
    const PromptMemory before = memory;
    const auto bytes = folderBytes();
    const auto &order = ws().articleSettings.abfragen;
    for (int cancelAt = 0; cancelAt < kPromptPositions; ++cancelAt) {
        t.prompter = base::ScriptedPrompter();
        for (int p = 0; p < cancelAt; ++p)
            t.prompter.expectText(0, s(validAnswer(order[std::size_t(p)])));
        t.prompter.expectText(0, std::nullopt);

        const PromptAnswers a = run(request(Direction::Issue));
        EXPECT_EQ(a.status, PromptStatus::Cancelled) << cancelAt;
        EXPECT_EQ(t.prompter.shown().size(), cancelAt + 1) << cancelAt;
        EXPECT_TRUE(t.prompter.finished() && t.prompter.failures().isEmpty()) << cancelAt;
        EXPECT_EQ(memory.customer, before.customer) << cancelAt;
        EXPECT_EQ(memory.batch, before.batch) << cancelAt;
        EXPECT_EQ(memory.quantity, before.quantity) << cancelAt;
        EXPECT_TRUE(memory.isthefirstkunde) << cancelAt;
        EXPECT_EQ(folderBytes(), bytes) << cancelAt;
    }
}

// ---------------------------------------------------------------------------
// Remembered values

TEST_F(Prompts, DialogsOpenWithTheirLastValues)
{
    switches.onIssue[PromptBatch] = switches.onIssue[PromptFreeText] = switches.onIssue[PromptPrice] = true;
    t.prompter.expectText(0, s("261209")).expectText(0, s("eilig")).expectText(0, s("3,50"));
    ASSERT_EQ(run(request(Direction::Issue)).status, PromptStatus::Answered);
    EXPECT_EQ(recorder.presets, QStringList({QString(), QString(), QString()}));

    recorder.presets.clear();
    t.prompter.expectText(0, s("261210")).expectText(0, s("eilig")).expectText(0, std::nullopt);
    ASSERT_EQ(run(request(Direction::Issue)).status, PromptStatus::Cancelled);
    EXPECT_EQ(recorder.presets, QStringList({s("261209"), s("eilig"), s("3,50")}));
    // The cancelled phase kept nothing of what was typed in it.
    EXPECT_EQ(memory.batch, s("261209"));
}

TEST_F(Prompts, DeliveryDateStartsWithTodayAndQuantityWithTheBooking)
{
    switches.onIssue[PromptQuantity] = switches.onIssue[PromptDelivDate] = true;
    t.prompter.expectText(0, s("3")).expectText(0, s("1.2.27"));
    const PromptAnswers a = run(request(Direction::Issue, "2"));
    EXPECT_EQ(recorder.presets, QStringList({s("2,00"), s("11.12.2026")}));
    EXPECT_EQ(a.quantity, dec("3"));
    EXPECT_EQ(a.delivDate, QDate(2027, 2, 1));
}

TEST_F(Prompts, CustomerAndCostCentreOnlyOnceInASeries)
{
    switches.onIssue[PromptCustomer] = switches.onIssue[PromptCostCentre] = true;
    memory.showkundeonlyonce = memory.showkostenonlyonce = true;
    t.prompter.expectText(0, s("Meier")).expectText(0, s("K1"));
    for (int i = 0; i < 3; ++i) {
        const PromptAnswers a = run(request(Direction::Issue));
        EXPECT_EQ(a.customer, s("Meier"));
        EXPECT_EQ(a.costCentre, s("K1"));
    }
    EXPECT_EQ(t.prompter.shown().size(), 2);
    EXPECT_TRUE(t.prompter.failures().isEmpty());
}

TEST_F(Prompts, RequiredCustomerIsAskedAgain)
{
    switches.onIssue[PromptCustomer] = true;
    switches.customerRequired = true;
    t.prompter.expectText(0, s("")).expectInform(249).expectText(0, s("Meier"));
    EXPECT_EQ(run(request(Direction::Issue)).customer, s("Meier"));
    EXPECT_TRUE(t.prompter.finished() && t.prompter.failures().isEmpty());
}

// ---------------------------------------------------------------------------
// Typed values that are no dates, prices or quantities

TEST_F(Prompts, InvalidAnswersAreReportedAndAskedAgain)
{
    struct Case {
        int code;
        const char *typed;
    };
    const Case cases[] = {
        {PromptDelivDate, ""},          {PromptDelivDate, "abc"},        {PromptDelivDate, "32.01.2026"},
        {PromptDelivDate, "31.02.2026"}, {PromptDelivDate, "1.13.2026"}, {PromptDelivDate, "1.2.3.4"},
        {PromptPrice, ""},              {PromptPrice, "abc"},            {PromptPrice, "3abc"},
        {PromptPrice, "1,2,3"},         {PromptPrice, "1.5"},            {PromptPrice, "9,95 €"},
        {PromptQuantity, "0"},          {PromptQuantity, "-1"},          {PromptQuantity, "x"},
        {PromptQuantity, "0,005"},
    };
    for (const Case &c : cases) {
        t.prompter = base::ScriptedPrompter();
        recorder.presets.clear();
        PromptSwitches sw;
        sw.onIssue[std::size_t(c.code)] = true;
        PromptMemory fresh;
        t.prompter.expectText(0, s(c.typed)).expectInform(0).expectText(0, s(validAnswer(c.code)));
        const PromptAnswers a = BookingPrompts(ws(), options, sw, fresh).run(request(Direction::Issue, "1"));
        EXPECT_EQ(a.status, PromptStatus::Answered) << c.typed;
        EXPECT_TRUE(t.prompter.finished() && t.prompter.failures().isEmpty()) << c.typed;
        ASSERT_EQ(recorder.presets.size(), 2) << c.typed;
        EXPECT_EQ(recorder.presets[1], s(c.typed)) << "the typed text stays in the field";
        EXPECT_EQ(a.price.has_value(), c.code == PromptPrice) << c.typed;
    }
}

// ---------------------------------------------------------------------------
// Storage place

TEST_F(Prompts, PlaceCheckAsksWithTheQuantityOnThePlace)
{
    bookOnPlace("A1", "3", Direction::Receipt);
    bookOnPlace("A1", "1", Direction::Issue);
    bookOnPlace("B2", "7", Direction::Receipt);
    switches.onIssue[PromptStoragePlace] = true;
    const struct {
        base::Answer answer;
        PromptStatus status;
    } cases[] = {{base::Answer::Yes, PromptStatus::Answered},
                 {base::Answer::No, PromptStatus::Cancelled},
                 {base::Answer::Cancel, PromptStatus::Cancelled}};
    for (const auto &c : cases) {
        t.prompter = base::ScriptedPrompter();
        recorder.presets.clear();
        t.prompter.expectText(0, s("A1")).expectAsk(235, c.answer);
        const PromptAnswers a = run(request(Direction::Issue, "5"));
        EXPECT_EQ(a.status, c.status);
        EXPECT_EQ(recorder.presets, QStringList{s("A1")}) << "first place of the article's journal";
        ASSERT_EQ(t.prompter.shown().size(), 2);
        const base::Message &m = t.prompter.shown()[1];
        EXPECT_TRUE(m.text.endsWith(s(" 2"))) << m.text.toStdString();
        EXPECT_EQ(m.title, ws().translator.message(236));
        EXPECT_EQ(m.icon, base::Icon::Error);
    }
    // Enough on the place, or a receipt: no question.
    t.prompter = base::ScriptedPrompter();
    t.prompter.expectText(0, s("A1")).expectText(0, s("A1"));
    switches.onReceipt[PromptStoragePlace] = true;
    EXPECT_EQ(run(request(Direction::Issue, "2")).status, PromptStatus::Answered);
    EXPECT_EQ(run(request(Direction::Receipt, "50")).status, PromptStatus::Answered);
    EXPECT_TRUE(t.prompter.finished() && t.prompter.failures().isEmpty());
}

TEST_F(Prompts, BalanceCountsOnlyTheArticleOnThatPlace)
{
    bookOnPlace("A1", "3", Direction::Receipt);
    bookOnPlace("A1", "1", Direction::Issue);
    bookOnPlace("B2", "7", Direction::Receipt);
    ws().articles.push_back(makeArticle(s("Schraube"), {{ArtikelNr, s("8")}, {Barcode, s("4000001")}}));
    BookingContext c;
    c.row = 1;
    c.quantity = dec("4");
    c.direction = Direction::Receipt;
    c.autobooking = true;
    c.storagePlace = s("A1");
    ASSERT_EQ(buche(ws(), settings::Session(), {}, c).result, BookingResult::Booked);

    EXPECT_EQ(storagePlaceBalance(ws(), s("A1"), ws().articles[0]), dec("2"));
    EXPECT_EQ(storagePlaceBalance(ws(), s("B2"), ws().articles[0]), dec("7"));
    EXPECT_EQ(storagePlaceBalance(ws(), s("A1"), ws().articles[1]), dec("4"));
    EXPECT_EQ(storagePlaceBalance(ws(), s("C3"), ws().articles[0]), dec("0"));
    EXPECT_EQ(storagePlaceChoices(ws(), 0), QStringList({s("A1"), s("B2")}));
    EXPECT_EQ(storagePlaceChoices(ws(), 1), QStringList({s("A1")}));

    // Sales kinds: "S" counts as a receipt, "V" as an issue.
    c.row = 0;
    c.cashRegisterVisible = true;
    c.quantity = dec("5");
    ASSERT_EQ(buche(ws(), settings::Session(), {}, c).result, BookingResult::Booked);
    c.direction = Direction::Issue;
    c.quantity = dec("0,5");
    ASSERT_EQ(buche(ws(), settings::Session(), {}, c).result, BookingResult::Booked);
    const auto journal = readJournal(ws());
    ASSERT_GE(journal.size(), 2u);
    EXPECT_EQ(journal[journal.size() - 2][JKind].trimmed(), s("S"));
    EXPECT_EQ(journal.back()[JKind].trimmed(), s("V"));
    EXPECT_EQ(storagePlaceBalance(ws(), s("A1"), ws().articles[0]), dec("6,5"));
}

TEST_F(Prompts, PlaceOfAnArticleWithALongNameIsFound)
{
    // The journal keeps 45 characters of the name; the place figures still
    // belong to the article.
    const QString longName = QString(60, u'L');
    ws().articles[0].name = longName;
    ASSERT_EQ(SaveFile(ws()), SaveResult::Saved);
    bookOnPlace("A1", "3", Direction::Receipt);

    EXPECT_EQ(storagePlaceBalance(ws(), s("A1"), ws().articles[0]), dec("3"));
    EXPECT_EQ(storagePlaceChoices(ws(), 0), QStringList{s("A1")});
}

TEST_F(Prompts, ScannedPlaceIsCheckedButNotAsked)
{
    bookOnPlace("A1", "1", Direction::Receipt);
    memory.storagePlace = s("A1");
    PromptRequest r = request(Direction::Issue, "3");
    r.autostellplatz = true;
    t.prompter.expectAsk(235, base::Answer::No);
    EXPECT_EQ(run(r).status, PromptStatus::Cancelled);
    EXPECT_TRUE(t.prompter.finished() && t.prompter.failures().isEmpty());
}

// ---------------------------------------------------------------------------
// Into the record

TEST_F(Prompts, AnswersGoIntoTheRecordAndTheArticle)
{
    PromptAnswers a;
    for (int code = 1; code <= kPromptCount; ++code)
        a.asked[std::size_t(code)] = true;
    a.batch = s("C1");
    a.customer = s("Meier");
    a.costCentre = s("K1");
    a.delNoteNo = s("L7");
    a.freeText = s("frei");
    a.serialNo = s("S2");
    a.pallet = s("P3");
    a.storagePlace = s("A1");
    a.delivDate = QDate(2027, 2, 1);
    a.price = dec("10");

    JournalRecord r;
    r[JVatRate] = s("19,00");
    r[JPrice] = s("20,00");
    r[JBuyingPrice] = s("6,00");
    Article art = makeArticle(s("Schraube"), {{Seriennummern, s("S1\r\nS2\r\nS3\r\nS2")}});
    applyPromptAnswers(a, Direction::Issue, options, ws().format, r, art);
    EXPECT_EQ(r[JBatchNo], s("C1"));
    EXPECT_EQ(art.field(Chargennr), s("C1"));
    EXPECT_EQ(r[JCustomer], s("Meier"));
    EXPECT_EQ(r[JCostcenter], s("K1"));
    EXPECT_EQ(r[JDelNoteNo], s("L7"));
    EXPECT_EQ(r[JFreetext], s("frei"));
    EXPECT_EQ(r[JSerialNo], s("S2"));
    EXPECT_EQ(r[JPallet], s("P3"));
    EXPECT_EQ(r[JArea], s("A1"));
    EXPECT_EQ(r[JDelivDate], s("01.02.2027"));
    EXPECT_EQ(r[JPrice], s("10,00")) << "the entered price is not multiplied by the quantity";
    EXPECT_EQ(r[JVat2], s("1,60"));
    EXPECT_EQ(r[JProfit], s("4,00"));
    EXPECT_EQ(r[JBuyingPrice], s("6,00"));
    EXPECT_EQ(art.field(Seriennummern), s("S1\r\nS3"));

    JournalRecord r2;
    r2[JVatRate] = s("19,00");
    r2[JPrice] = s("20,00");
    applyPromptAnswers(a, Direction::Receipt, options, ws().format, r2, art);
    EXPECT_EQ(r2[JBuyingPrice], s("10,00"));
    EXPECT_EQ(r2[JVat], s("1,60"));
    EXPECT_EQ(r2[JPrice], s("20,00"));
    EXPECT_EQ(art.field(Seriennummern), s("S1\r\nS3\r\nS2"));
}

TEST_F(Prompts, PromptsThatDidNotApplyLeaveTheRecord)
{
    PromptAnswers a;
    a.customer = s("Meier");
    a.price = dec("10");
    a.batch = s("C1");
    JournalRecord r;
    r[JPrice] = s("20,00");
    r[JBatchNo] = s("alt");
    Article art = makeArticle(s("Schraube"), {{Chargennr, s("alt")}});
    const JournalRecord before = r;
    applyPromptAnswers(a, Direction::Issue, options, ws().format, r, art);
    EXPECT_EQ(r, before);
    EXPECT_EQ(art.field(Chargennr), s("alt"));
}

TEST_F(Prompts, AnswersOfThePhaseAreBooked)
{
    switches.onIssue[PromptCustomer] = switches.onIssue[PromptFreeText] = switches.onIssue[PromptPrice] = true;
    switches.onIssue[PromptQuantity] = true;
    t.prompter.expectText(0, s("3")).expectText(0, s("Meier")).expectText(0, s("Eilig \"sofort\"")).expectText(0, s("12,5"));
    const PromptAnswers a = run(request(Direction::Issue, "1"));
    ASSERT_EQ(a.status, PromptStatus::Answered);

    BookingContext c;
    c.row = 0;
    c.quantity = a.quantity;
    c.direction = a.direction;
    c.userName = s("Erika");
    c.prompts = &a;
    const BookingOutcome out = buche(ws(), settings::Session(), options, c);
    ASSERT_EQ(out.result, BookingResult::Booked);
    EXPECT_EQ(out.newStock, s("7,00"));
    const auto rec = lastJournalRecord(ws());
    ASSERT_TRUE(rec);
    EXPECT_EQ((*rec)[JCustomer].trimmed(), s("Meier"));
    EXPECT_EQ((*rec)[JFreetext].trimmed(), s("Eilig \"sofort\""));
    EXPECT_EQ((*rec)[JPrice].trimmed(), s("12,50"));
    EXPECT_EQ((*rec)[JCostcenter].trimmed(), QString()) << "not asked, not written";
    const QStringList protocol =
        base::Cp1252::decode(test::readAll(t.path(s("protokoll.txt")))).split(s("\r\n"), Qt::SkipEmptyParts);
    ASSERT_EQ(protocol.size(), 3);
    EXPECT_TRUE(protocol[0].startsWith(ws().translator.message(3) + s("3,00")));
    EXPECT_EQ(protocol[1], ws().translator.message(51) + s(": Meier"));
    EXPECT_EQ(protocol[2], ws().translator.message(168) + s(": Eilig \"sofort\""));
    EXPECT_TRUE(t.prompter.failures().isEmpty());
}

// ---------------------------------------------------------------------------
// External command

struct RecordingLauncher final : app::ProcessLauncher {
    bool start(const QString &program, const QStringList &arguments) override
    {
        calls.push_back({program, arguments});
        return result;
    }
    std::vector<std::pair<QString, QStringList>> calls;
    bool result = true;
};

TEST(ExternalCommandHook, EveryFieldArrivesExactlyAsBooked)
{
    JournalRecord r;
    for (int i = 0; i < kJournalFieldCount; ++i)
        r[std::size_t(i)] = QString::number(i);
    r[JArticle] = s("Schraube \"M4\" 10\\20");
    r[JCustomer] = s("Meier; rm -rf ~ $(reboot) `id` | x & y > z");
    r[JFreetext] = s("'einfach' \"doppelt\" \\\" ende\\");
    r[JPallet] = QString();
    r[JArea] = s("  A1  ");

    RecordingLauncher launcher;
    ExternalCommand hook;
    hook.program = s("/usr/local/bin/nach-buchung");
    ASSERT_TRUE(hook.start(launcher, r));
    ASSERT_EQ(launcher.calls.size(), 1u);
    EXPECT_EQ(launcher.calls[0].first, s("/usr/local/bin/nach-buchung"));
    const QStringList &args = launcher.calls[0].second;
    ASSERT_EQ(args.size(), kJournalFieldCount);
    for (int i = 0; i < kJournalFieldCount; ++i)
        EXPECT_EQ(args[i], r[std::size_t(i)]) << i;
}

TEST(ExternalCommandHook, NoProgramNoStartAndAFailedStartIsReported)
{
    RecordingLauncher launcher;
    ExternalCommand hook;
    EXPECT_FALSE(hook.start(launcher, JournalRecord()));
    hook.program = s("   ");
    EXPECT_FALSE(hook.start(launcher, JournalRecord()));
    EXPECT_TRUE(launcher.calls.empty());

    hook.program = s("/bin/true");
    launcher.result = false;
    EXPECT_FALSE(hook.start(launcher, JournalRecord()));
    EXPECT_EQ(launcher.calls.size(), 1u);
}

// The real launcher: an argument with shell characters reaches the program
// as one argument and runs nothing.
TEST(ExternalCommandHook, RealProgramReceivesTheArgumentsUnchanged)
{
    QTemporaryDir dir;
    const QString out = dir.filePath(s("args.txt"));
    const QString marker = dir.filePath(s("ran"));
    JournalRecord r;
    r[JArticle] = s("a\"b");
    r[JCustomer] = s("; touch ") + marker;
    r[JFreetext] = s("$(touch ") + marker + s(")");
    ExternalCommand hook;
    hook.program = s("/bin/sh");
    // The script is ours, the record's fields are only its arguments.
    app::ProcessLauncher launcher;
    QStringList args = ExternalCommand::arguments(r);
    args.prepend(out);
    args.prepend(s("sh"));
    args.prepend(s("out=$1; shift; printf '%s\\n' \"$#\" \"$@\" > \"$out.tmp\"; mv \"$out.tmp\" \"$out\""));
    args.prepend(s("-c"));
    ASSERT_TRUE(launcher.start(hook.program, args));
    for (int i = 0; i < 200 && !QFile::exists(out); ++i)
        QThread::msleep(10);
    ASSERT_TRUE(QFile::exists(out));
    const QStringList lines = QString::fromUtf8(test::readAll(out)).split(u'\n');
    ASSERT_GE(lines.size(), 1 + kJournalFieldCount);
    EXPECT_EQ(lines[0], QString::number(kJournalFieldCount));
    EXPECT_EQ(lines[1 + JArticle], r[JArticle]);
    EXPECT_EQ(lines[1 + JCustomer], r[JCustomer]);
    EXPECT_EQ(lines[1 + JFreetext], r[JFreetext]);
    EXPECT_FALSE(QFile::exists(marker));
}

}  // namespace
