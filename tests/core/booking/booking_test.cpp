#include "core/booking/booking.h"

#include "core/articles/article_file.h"
#include "core/articles/article_io.h"
#include "core/base/cp1252.h"
#include "core/base/marker_file.h"
#include "core/dbase/table.h"

#include "support/temp_workspace.h"

#include <QDir>
#include <QFile>

#include <gtest/gtest.h>

using namespace morvane;
using namespace morvane::articles;
using namespace morvane::booking;
using test::dec;
using test::makeArticle;
using test::s;

namespace {

struct Booking : ::testing::Test {
    Booking()
    {
        ws().format = base::FormatSettings::german();
        session.userName = s("Erika");
    }

    app::Workspace &ws() { return *t.ws; }

    void store(ArticleList list)
    {
        ws().articles = std::move(list);
        ASSERT_EQ(SaveFile(ws()), SaveResult::Saved);
    }

    BookingOutcome book(int row, const char *quantity, Direction direction, const BookingOptions &options = {})
    {
        BookingContext c;
        c.row = row;
        c.quantity = dec(quantity);
        c.direction = direction;
        c.userName = s("Erika");
        return buche(ws(), session, options, c);
    }

    ArticleList onDisk() const
    {
        return ArticleFile::parse(test::readAll(t.path(s("lager.dat"))), ArticleFileSettings()).articles;
    }

    QStringList protocol() const
    {
        return base::Cp1252::decode(test::readAll(t.path(s("protokoll.txt"))))
            .split(s("\r\n"), Qt::SkipEmptyParts);
    }

    QMap<QString, QByteArray> folderBytes() const { return t.folderBytes(); }

    bool markerGone() const { return !QFile::exists(t.path(s("lagerschreibe.dat"))); }

    test::TempWorkspace t;
    settings::Session session;
};

Article stocked(const char *stock, const char *minimum = "0")
{
    return makeArticle(s("Schraube"), {{ArtikelNr, s("7")}, {Menge, s(stock)}, {Mindestbestand, s(minimum)}});
}

// ---------------------------------------------------------------------------
// Quantity rules

struct RuleCase {
    const char *name;
    const char *stock;
    Direction direction;
    const char *quantity;
    bool notBelowZero, notAboveOne, autoDirection, wholePieces;
    BookingResult result;
    const char *newStock;  // nullptr: nothing booked
    const char *kind;
    int message;           // the message shown, 0 none
};

const RuleCase kRuleCases[] = {
    {"issue", "5", Direction::Issue, "2", false, false, false, false, BookingResult::Booked, "3,00", "-", 0},
    {"issue below zero allowed", "5", Direction::Issue, "6", false, false, false, false, BookingResult::Booked, "-1,00", "-", 9},
    {"issue below zero refused", "5", Direction::Issue, "6", true, false, false, false, BookingResult::Refused, nullptr, nullptr, 85},
    {"issue to exactly zero", "5", Direction::Issue, "5", true, false, false, false, BookingResult::Booked, "0,00", "-", 0},
    {"receipt up to one", "0", Direction::Receipt, "1", false, true, false, false, BookingResult::Booked, "1,00", "+", 0},
    {"receipt above one refused", "1", Direction::Receipt, "1", false, true, false, false, BookingResult::Refused, nullptr, nullptr, 176},
    {"auto: stock 0 receives", "0", Direction::Issue, "1", false, false, true, false, BookingResult::Booked, "1,00", "+", 0},
    {"auto: stock 1 issues", "1", Direction::Receipt, "1", false, false, true, false, BookingResult::Booked, "0,00", "-", 0},
    {"auto: any other stock issues", "3", Direction::Receipt, "1", false, false, true, false, BookingResult::Booked, "2,00", "-", 0},
    {"stock not a number counts 0", "abc", Direction::Receipt, "2", false, false, false, false, BookingResult::Booked, "2,00", "+", 0},
    {"decimal quantity", "5", Direction::Receipt, "0,25", false, false, false, false, BookingResult::Booked, "5,25", "+", 0},
    {"whole pieces", "5", Direction::Issue, "2", false, false, false, true, BookingResult::Booked, "3", "-", 0},
    {"whole pieces refuse a fraction", "5", Direction::Issue, "2,5", false, false, false, true, BookingResult::Invalid, nullptr, nullptr, 86},
    {"zero quantity", "5", Direction::Issue, "0", false, false, false, false, BookingResult::Invalid, nullptr, nullptr, 123},
    {"negative quantity", "5", Direction::Receipt, "-1", false, false, false, false, BookingResult::Invalid, nullptr, nullptr, 123},
    {"quantity too large", "5", Direction::Receipt, "1000000001", false, false, false, false, BookingResult::Invalid, nullptr, nullptr, -1},
    {"three decimals", "5", Direction::Receipt, "0,005", false, false, false, false, BookingResult::Invalid, nullptr, nullptr, -1},
};

TEST_F(Booking, QuantityRules)
{
    for (const RuleCase &c : kRuleCases) {
        SCOPED_TRACE(c.name);
        test::TempWorkspace fresh;
        app::Workspace &w = *fresh.ws;
        w.format = base::FormatSettings::german();
        w.articles = {stocked(c.stock)};
        ASSERT_EQ(SaveFile(w), SaveResult::Saved);
        const QByteArray before = test::readAll(fresh.path(s("lager.dat")));
        if (c.message > 0)
            fresh.prompter.expectInform(c.message);
        else if (c.message < 0)
            fresh.prompter.expectInform(0);

        BookingOptions options;
        options.notBelowZero = c.notBelowZero;
        options.notAboveOne = c.notAboveOne;
        options.autoDirectionByStock = c.autoDirection;
        options.wholePieces = c.wholePieces;
        BookingContext context;
        context.row = 0;
        context.quantity = dec(c.quantity);
        context.direction = c.direction;
        context.userName = s("Erika");
        const BookingOutcome out = buche(w, session, options, context);

        EXPECT_EQ(out.result, c.result);
        EXPECT_TRUE(fresh.prompter.failures().isEmpty()) << fresh.prompter.failures().join(u'\n').toStdString();
        EXPECT_TRUE(fresh.prompter.finished());
        EXPECT_FALSE(QFile::exists(fresh.path(s("lagerschreibe.dat"))));
        const ArticleList disk =
            ArticleFile::parse(test::readAll(fresh.path(s("lager.dat"))), ArticleFileSettings()).articles;
        const std::vector<JournalRecord> journal = readJournal(w);
        if (c.newStock) {
            EXPECT_EQ(w.articles[0].field(Menge), s(c.newStock));
            ASSERT_EQ(disk.size(), 1u);
            EXPECT_EQ(disk[0].field(Menge), s(c.newStock));
            ASSERT_EQ(journal.size(), 1u);
            EXPECT_EQ(journal[0][JKind], s(c.kind));
            EXPECT_EQ(journal[0][JNewAmount], s(c.newStock));
        } else {
            EXPECT_EQ(w.articles[0], stocked(c.stock));
            EXPECT_EQ(test::readAll(fresh.path(s("lager.dat"))), before);
            EXPECT_TRUE(journal.empty());
            EXPECT_FALSE(QFile::exists(fresh.path(s("protokoll.txt"))));
        }
    }
}

// ---------------------------------------------------------------------------
// The journal record

TEST_F(Booking, JournalRecordFields)
{
    Article a = makeArticle(s("Schraube M4"), {{ArtikelNr, s("7\r\n12a")},
                                               {Barcode, s("4006381333931")},
                                               {Menge, s("10")},
                                               {EkPreis, s("1,50")},
                                               {VkPreis, s("2,99")},
                                               {MwstSatz, s("19")},
                                               {Kategorie, s("Kleinteile")},
                                               {Chargennr, s("L-4")},
                                               {Haltbarkeitsdatum, s("01.02.2027")}});
    store({a});
    const BookingOutcome out = book(0, "2", Direction::Issue);
    ASSERT_EQ(out.result, BookingResult::Booked);

    const std::vector<JournalRecord> journal = readJournal(ws());
    ASSERT_EQ(journal.size(), 1u);
    JournalRecord expected;
    expected[JKind] = s("-");
    expected[JArticle] = s("Schraube M4");
    expected[JBarcode] = s("4006381333931");
    expected[JArtNo] = s("7");
    expected[JAmount] = s("2,00");
    expected[JNewAmount] = s("8,00");
    expected[JDate] = s("11.12.2026");
    expected[JTime] = s("12:00:00");
    expected[JUser] = s("Erika");
    expected[JBatchNo] = s("L-4");
    expected[JGooduntil] = s("01.02.2027");
    expected[JPrice] = s("5,98");
    expected[JVat] = s("0,48");       // 3,00 × 19 / 119
    expected[JCategory] = s("Kleinteile");
    expected[JBuyingPrice] = s("3,00");
    expected[JProfit] = s("2,98");
    expected[JVat2] = s("0,95");      // 5,98 × 19 / 119
    expected[JVatRate] = s("19,00");
    EXPECT_EQ(journal[0], expected);
    EXPECT_EQ(out.record, expected);

    // The file has the 29 character fields under their stored names.
    dbase::Table table;
    table.setFolder(t.dir.path());
    table.setFileName(s("buchungen.dbf"));
    table.open();
    ASSERT_EQ(table.fieldCount(), kJournalFieldCount);
    EXPECT_EQ(table.field(3).name, s("ART.NO."));
    EXPECT_EQ(table.field(20).name, s("BUYINGPRIC"));
    EXPECT_EQ(table.field(28).name, s("VAT RATE"));
    EXPECT_EQ(table.field(22).length, 100);
}

TEST_F(Booking, KindsAndPricesBySaleAndOptions)
{
    struct Case {
        const char *name;
        Direction direction;
        bool asSale, cashRegister, threeDecimals;
        const char *discount;
        const char *kind, *price, *buying, *profit, *payment;
    } cases[] = {
        {"sale issue", Direction::Issue, true, false, false, "0", "V", "5,98", "3,00", "2,98", ""},
        {"sale receipt", Direction::Receipt, true, false, false, "0", "S", "5,98", "3,00", "", ""},
        {"till with discount", Direction::Issue, false, true, false, "10", "V", "5,38", "3,00", "2,38", "Bar"},
        {"three decimals", Direction::Issue, false, false, true, "0", "-", "5,980", "3,000", "2,980", ""},
        {"receipt has no profit", Direction::Receipt, false, false, false, "0", "+", "5,98", "3,00", "", ""},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        store({makeArticle(s("Mutter"), {{Menge, s("10")}, {EkPreis, s("1,50")}, {VkPreis, s("2,99")}})});
        QFile::remove(t.path(s("buchungen.dbf")));
        BookingOptions options;
        options.threePriceDecimals = c.threeDecimals;
        BookingContext context;
        context.row = 0;
        context.quantity = dec("2");
        context.direction = c.direction;
        context.alsverkauf = c.asSale;
        context.cashRegisterVisible = c.cashRegister;
        context.paymentKind = s("Bar");
        context.discountPercent = dec(c.discount);
        ASSERT_EQ(buche(ws(), session, options, context).result, BookingResult::Booked);
        const auto journal = readJournal(ws());
        ASSERT_EQ(journal.size(), 1u);
        EXPECT_EQ(journal[0][JKind], s(c.kind));
        EXPECT_EQ(journal[0][JPrice], s(c.price));
        EXPECT_EQ(journal[0][JBuyingPrice], s(c.buying));
        EXPECT_EQ(journal[0][JProfit], s(c.profit));
        EXPECT_EQ(journal[0][JPayment], s(c.payment));
        EXPECT_EQ(journal[0][JVatRate], s("0,00"));  // "MwSt Satz" empty counts 0
    }
}

TEST_F(Booking, PriceColumnsThatAreNoNumbersLeaveMoneyFieldsEmpty)
{
    store({makeArticle(s("Mutter"), {{Menge, s("10")}, {EkPreis, s("billig")}, {VkPreis, s("3abc")}})});
    const BookingOutcome out = book(0, "1", Direction::Issue);
    ASSERT_EQ(out.result, BookingResult::Booked);
    for (int f : {JPrice, JVat, JBuyingPrice, JProfit, JVat2})
        EXPECT_TRUE(out.record[std::size_t(f)].isEmpty()) << f;
    EXPECT_EQ(ws().articles[0].field(Wert), s("0"));
    EXPECT_EQ(ws().articles[0].field(GesamtVk), s("0"));
}

// ---------------------------------------------------------------------------
// The row

TEST_F(Booking, RowColumnsAfterReceipt)
{
    store({makeArticle(s("Mutter"), {{Menge, s("1")},
                                     {BestellteMenge, s("2")},
                                     {EkPreis, s("0,50")},
                                     {VkPreis, s("1,25")},
                                     {LetzterBenutzer, s("Max")}})});
    ASSERT_EQ(book(0, "3", Direction::Receipt).result, BookingResult::Booked);
    const Article a = onDisk()[0];
    EXPECT_EQ(a.field(Menge), s("4,00"));
    EXPECT_EQ(a.field(BestellteMenge), s("0,00"));  // not -1
    EXPECT_EQ(a.field(LetzterBenutzer), s("Erika"));
    EXPECT_EQ(a.field(Wert), s("2,00"));
    EXPECT_EQ(a.field(GesamtVk), s("5,00"));
    EXPECT_EQ(a, ws().articles[0]);
}

TEST_F(Booking, DateOfLastBookingByOption)
{
    struct Case {
        LastBookingDate when;
        bool withTime;
        Direction direction;
        const char *expected;
    } cases[] = {
        {LastBookingDate::OnIssueOnly, true, Direction::Issue, "11.12.2026 12:00:00"},
        {LastBookingDate::OnIssueOnly, true, Direction::Receipt, ""},
        {LastBookingDate::OnReceiptOnly, false, Direction::Receipt, "11.12.2026"},
        {LastBookingDate::OnReceiptOnly, false, Direction::Issue, ""},
        {LastBookingDate::OnBoth, false, Direction::Issue, "11.12.2026"},
        {LastBookingDate::OnBoth, true, Direction::Receipt, "11.12.2026 12:00:00"},
    };
    for (const Case &c : cases) {
        store({makeArticle(s("Mutter"), {{Menge, s("5")}, {DatumLetzteBuchung, s("01.01.2020")}})});
        BookingOptions options;
        options.lastBookingDate = c.when;
        options.lastBookingWithTime = c.withTime;
        ASSERT_EQ(book(0, "1", c.direction, options).result, BookingResult::Booked);
        EXPECT_EQ(onDisk()[0].field(DatumLetzteBuchung), s(c.expected)) << int(c.when) << " " << int(c.direction);
    }
}

TEST_F(Booking, BatchAndExpiryGeneration)
{
    // Pinned to 11 December 2026.
    store({makeArticle(s("Milch"), {{ArtikelNr, s("55\n66")}, {Menge, s("0")}, {Haltbarkeit, s("30")}}),
           makeArticle(s("Käse"), {{ArtikelNr, s("9")}, {Menge, s("0")}, {Haltbarkeit, s("abc")},
                                   {Haltbarkeitsdatum, s("01.01.2027")}})});
    BookingOptions options;
    options.batchOnReceipt = true;
    options.expiryOnReceipt = true;
    ASSERT_EQ(book(0, "1", Direction::Receipt, options).result, BookingResult::Booked);
    ASSERT_EQ(book(1, "1", Direction::Receipt, options).result, BookingResult::Booked);
    const ArticleList disk = onDisk();
    EXPECT_EQ(disk[0].field(Chargennr), s("26121155"));
    EXPECT_EQ(disk[0].field(Haltbarkeitsdatum), s("10.01.2027"));
    EXPECT_EQ(disk[1].field(Haltbarkeitsdatum), s(""));
    const auto journal = readJournal(ws());
    EXPECT_EQ(journal[0][JBatchNo], s("26121155"));
    EXPECT_EQ(journal[0][JGooduntil], s("10.01.2027"));
    // An issue with only the receipt options on leaves both alone.
    ASSERT_EQ(book(0, "1", Direction::Issue, options).result, BookingResult::Booked);
    EXPECT_EQ(onDisk()[0].field(Chargennr), s("26121155"));
}

// ---------------------------------------------------------------------------
// Protocol and minimum stock

TEST_F(Booking, ProtocolLinesAndMinimumWarning)
{
    store({makeArticle(s("Schraube"), {{ArtikelNr, s("7\r\n8")}, {Barcode, s("123")}, {Menge, s("5")},
                                       {Mindestbestand, s("4")}, {FreieSpalte2, s("Regal 3")}}),
           makeArticle(s("Mutter"), {{ArtikelNr, s("9")}, {Menge, s("1")}, {Mindestbestand, s("2,5")}})});
    t.prompter.expectInform(9);
    BookingOptions options;
    options.freeColumnInProtocol[1] = true;
    ASSERT_EQ(book(0, "2", Direction::Issue, options).result, BookingResult::Booked);
    ASSERT_TRUE(t.prompter.failures().isEmpty()) << t.prompter.failures().join(u'\n').toStdString();
    ASSERT_EQ(t.prompter.shown().size(), 1);
    EXPECT_EQ(t.prompter.shown()[0].text, s("ACHTUNG: Mindestmenge von 4 wurde unterschritten!!! Neue Menge: 3,00"));
    EXPECT_EQ(t.prompter.shown()[0].title, s("Mindestmenge unterschritten!"));
    EXPECT_EQ(t.prompter.shown()[0].icon, base::Icon::Information);

    // A receipt that stays below the minimum; the warning switched off.
    options.noMinimumWarning = true;
    const BookingOutcome out = book(1, "1", Direction::Receipt, options);
    ASSERT_EQ(out.result, BookingResult::Booked);
    EXPECT_TRUE(out.minimumUndercut);
    EXPECT_TRUE(t.prompter.failures().isEmpty());

    EXPECT_EQ(protocol(), QStringList({
        s("Menge 2,00 wird von Artikelbestand Schraube (7, 123) abgezogen. Neue Menge: 3,00 - Datum/Zeit: 11.12.2026 / 12:00:00"),
        s("Regal 3"),
        s("ACHTUNG: Mindestmenge von 4 wurde unterschritten!!! Neue Menge: 3,00"),
        s("Menge 1,00 wird auf Artikelbestand Mutter (9) hinzugerechnet. Neue Menge: 2,00 - Datum/Zeit: 11.12.2026 / 12:00:00"),
        s("ACHTUNG: Mindestmenge von 2,5 wurde unterschritten!!! Neue Menge: 2,00"),
    }));
}

TEST_F(Booking, MinimumThresholdAndOrderMail)
{
    struct Case {
        const char *stock, *minimum, *orderQuantity, *ordered;
        bool undercut, orderMail;
    } cases[] = {
        {"5", "4", "", "0", false, false},   // new stock 4 equals the minimum
        {"4", "4", "", "0", true, true},     // 3 is below
        {"4", "4", "2", "2", true, false},   // enough on order already
        {"4", "4", "3", "2", true, true},
    };
    for (const Case &c : cases) {
        store({makeArticle(s("Mutter"), {{Menge, s(c.stock)}, {Mindestbestand, s(c.minimum)},
                                         {Bestellmenge, s(c.orderQuantity)}, {BestellteMenge, s(c.ordered)}})});
        BookingOptions options;
        options.noMinimumWarning = true;
        options.orderMailOnMinimum = true;
        const BookingOutcome out = book(0, "1", Direction::Issue, options);
        ASSERT_EQ(out.result, BookingResult::Booked);
        EXPECT_EQ(out.minimumUndercut, c.undercut) << c.stock << " " << c.orderQuantity;
        EXPECT_EQ(out.orderMailWanted, c.orderMail) << c.stock << " " << c.orderQuantity;
    }
    EXPECT_TRUE(t.prompter.shown().isEmpty());
}

// ---------------------------------------------------------------------------
// Refusals change nothing

TEST_F(Booking, RefusalsLeaveEveryFileAsItWas)
{
    store({stocked("5")});
    ASSERT_EQ(book(0, "1", Direction::Issue).result, BookingResult::Booked);  // a journal and a protocol exist
    const QMap<QString, QByteArray> before = folderBytes();
    const Article row = ws().articles[0];

    // Another workstation holds the write phase: the question is answered Cancel.
    ASSERT_TRUE(base::MarkerFile(t.path(s("lagerschreibe.dat"))).tryCreate());
    const QByteArray marker = test::readAll(t.path(s("lagerschreibe.dat")));
    t.prompter.expectAsk(42, base::Answer::Cancel);
    EXPECT_EQ(book(0, "1", Direction::Issue).result, BookingResult::AccessRefused);
    EXPECT_TRUE(QFile::exists(t.path(s("lagerschreibe.dat"))));  // not ours to remove
    QFile::remove(t.path(s("lagerschreibe.dat")));

    // The user may not issue.
    session.aktusercheck[settings::RightMengeVerringern] = false;
    t.prompter.expectInform(50);
    EXPECT_EQ(book(0, "1", Direction::Issue).result, BookingResult::Refused);
    session.aktusercheck[settings::RightMengeVerringern] = true;

    // A quantity rule.
    BookingOptions options;
    options.notBelowZero = true;
    t.prompter.expectInform(85);
    EXPECT_EQ(book(0, "9", Direction::Issue, options).result, BookingResult::Refused);

    EXPECT_TRUE(t.prompter.failures().isEmpty()) << t.prompter.failures().join(u'\n').toStdString();
    EXPECT_TRUE(t.prompter.finished());
    EXPECT_EQ(folderBytes(), before);
    EXPECT_EQ(ws().articles[0], row);
    EXPECT_TRUE(markerGone());
}

TEST_F(Booking, RightsFollowTheDirectionActuallyBooked)
{
    store({stocked("0")});
    session.aktusercheck[settings::RightMengeErhoehen] = false;
    BookingOptions options;
    options.autoDirectionByStock = true;  // stock 0 turns the issue into a receipt
    t.prompter.expectInform(50);
    EXPECT_EQ(book(0, "1", Direction::Issue, options).result, BookingResult::Refused);
    EXPECT_TRUE(readJournal(ws()).empty());
    session.isloggedin = true;  // the administrator may do everything
    EXPECT_EQ(book(0, "1", Direction::Issue, options).result, BookingResult::Booked);
}

TEST_F(Booking, JournalThatCannotBeWrittenLeavesTheRow)
{
    store({stocked("5")});
    const QByteArray before = test::readAll(t.path(s("lager.dat")));
    ASSERT_TRUE(QDir(t.dir.path()).mkdir(s("buchungen.dbf")));  // no table can live there
    t.prompter.expectInform(0);
    EXPECT_EQ(book(0, "1", Direction::Issue).result, BookingResult::IoError);
    EXPECT_TRUE(t.prompter.failures().isEmpty()) << t.prompter.failures().join(u'\n').toStdString();
    EXPECT_EQ(test::readAll(t.path(s("lager.dat"))), before);
    EXPECT_EQ(ws().articles[0], stocked("5"));
    EXPECT_FALSE(QFile::exists(t.path(s("protokoll.txt"))));
    EXPECT_TRUE(markerGone());
}

TEST_F(Booking, ArticleFileThatCannotBeWrittenTakesTheRecordBack)
{
    store({stocked("5")});
    ASSERT_EQ(book(0, "1", Direction::Issue).result, BookingResult::Booked);
    const QByteArray before = test::readAll(t.path(s("lager.dat")));
    // The work file of the save cannot be made.
    ASSERT_TRUE(QDir(t.dir.path()).mkpath(s("templager.dat/x")));
    t.prompter.expectInform(12);
    EXPECT_EQ(book(0, "1", Direction::Issue).result, BookingResult::IoError);
    EXPECT_TRUE(t.prompter.failures().isEmpty()) << t.prompter.failures().join(u'\n').toStdString();
    EXPECT_TRUE(t.prompter.finished());
    EXPECT_EQ(test::readAll(t.path(s("lager.dat"))), before);
    EXPECT_EQ(ws().articles[0].field(Menge), s("4,00"));
    EXPECT_EQ(readJournal(ws()).size(), 1u);  // the second record is withdrawn
    EXPECT_EQ(protocol().size(), 1);
    EXPECT_TRUE(markerGone());
}

TEST_F(Booking, BooksTheSameArticleAfterAnotherWorkstationSaved)
{
    store({stocked("5"), makeArticle(s("Mutter"), {{ArtikelNr, s("8")}, {Menge, s("1")}})});
    // Another workstation inserts an article in front and books the screw.
    test::TempWorkspace other;
    app::Workspace &o = *other.ws;
    o.folders = ws().folders;
    o.format = base::FormatSettings::german();
    ASSERT_EQ(OpenFile(o), ReadResult::Read);
    o.articles.insert(o.articles.begin(), makeArticle(s("Bolzen"), {{ArtikelNr, s("1")}}));
    o.articles[1].field(Menge) = s("7,00");
    ASSERT_EQ(SaveFile(o), SaveResult::Saved);

    const BookingOutcome out = book(0, "2", Direction::Issue);
    ASSERT_EQ(out.result, BookingResult::Booked);
    EXPECT_EQ(out.row, 1);
    EXPECT_EQ(out.newStock, s("5,00"));  // from the newer 7, not the 5 seen before
    EXPECT_EQ(onDisk().size(), 3u);
}

// ---------------------------------------------------------------------------
// Journal layout and the article rule

TEST_F(Booking, ShortJournalIsUpgradedBeforeTheAppend)
{
    dbase::FieldList old = journalFields().mid(0, 14);
    dbase::Table table;
    table.setFolder(t.dir.path());
    table.setFileName(s("buchungen.dbf"));
    table.setFieldList(old);
    table.openOrCreate();
    table.insert();
    for (int i = 0; i < 14; ++i)
        table.setFieldText(i, QString::number(i));
    table.post();
    table.close();

    store({stocked("5")});
    ASSERT_EQ(book(0, "1", Direction::Issue).result, BookingResult::Booked);
    const auto journal = readJournal(ws());
    ASSERT_EQ(journal.size(), 2u);
    for (int i = 0; i < 14; ++i)
        EXPECT_EQ(journal[0][std::size_t(i)], QString::number(i));
    for (int i = 14; i < kJournalFieldCount; ++i)
        EXPECT_TRUE(journal[0][std::size_t(i)].isEmpty());
    EXPECT_EQ(journal[1][JVatRate], s("0,00"));
    EXPECT_TRUE(QFile::exists(t.path(s("buchungen0.dbf"))));
}

TEST(JournalArticleRule, PrefixOnlyWhereTheFieldWasFull)
{
    const QString longName = QString(s("Sechskantschraube verzinkt DIN 933 M8 x 40 mm, Packung zu 100"));
    ASSERT_GT(longName.size(), kJournalTextWidth);
    const ArticleList list = {
        makeArticle(s("Schraube lang"), {{ArtikelNr, s("1")}}),
        makeArticle(s("Schraube"), {{ArtikelNr, s("2\r\n1")}, {Barcode, s("B")}}),
        makeArticle(longName, {{ArtikelNr, s("3")}}),
        makeArticle(s("Ohne Nummer")),
    };
    auto record = [](const QString &name, const char *barcode, const char *number) {
        JournalRecord r;
        r[JArticle] = name;
        r[JBarcode] = s(barcode);
        r[JArtNo] = s(number);
        return r;
    };
    EXPECT_EQ(findJournalArticle(list, record(s("Schraube"), "", "1")), -1);   // not a prefix of "Schraube lang"
    EXPECT_EQ(findJournalArticle(list, record(s("Schraube"), "B", "1")), 1);   // any line of the number
    EXPECT_EQ(findJournalArticle(list, record(s("Schraube lang"), "", "1")), 0);
    EXPECT_EQ(findJournalArticle(list, record(longName.left(45), "", "3")), 2);
    EXPECT_EQ(findJournalArticle(list, record(longName.left(44), "", "3")), -1);
    EXPECT_EQ(findJournalArticle(list, record(s("Ohne Nummer"), "", "")), 3);
    EXPECT_EQ(findJournalArticle(list, record(s("Schraube"), "B", "")), -1);
}

TEST_F(Booking, UndoBooksTheOppositeOfTheNewestRecord)
{
    const QString longName = s("Sechskantschraube verzinkt DIN 933 M8 x 40 mm, Packung zu 100");
    store({makeArticle(longName, {{ArtikelNr, s("3")}, {Menge, s("10")}})});
    BookingContext c;
    c.row = 0;
    c.quantity = dec("2,5");
    c.direction = Direction::Receipt;
    c.userName = s("Erika");
    c.alsverkauf = true;  // an "S" record is a receipt too
    ASSERT_EQ(buche(ws(), session, {}, c).result, BookingResult::Booked);

    t.prompter.expectAsk(161, base::Answer::No);
    EXPECT_EQ(UndoLastBooking(ws(), session, {}, s("Max")).result, BookingResult::Cancelled);
    t.prompter.expectAsk(161, base::Answer::Yes);
    const BookingOutcome out = UndoLastBooking(ws(), session, {}, s("Max"));
    ASSERT_EQ(out.result, BookingResult::Booked);
    EXPECT_TRUE(t.prompter.failures().isEmpty()) << t.prompter.failures().join(u'\n').toStdString();
    EXPECT_EQ(out.direction, Direction::Issue);
    EXPECT_EQ(onDisk()[0].field(Menge), s("10,00"));
    const auto journal = readJournal(ws());
    ASSERT_EQ(journal.size(), 2u);
    EXPECT_EQ(journal[0][JKind], s("S"));
    EXPECT_EQ(journal[1][JKind], s("-"));
    EXPECT_EQ(journal[1][JAmount], s("2,50"));
    EXPECT_EQ(journal[1][JUser], s("Max"));
}

}  // namespace

namespace {

TEST_F(Booking, UndoCarriesThePromptValuesOfTheUndoneRecord)
{
    store({stocked("5")});
    BookingContext c;
    c.row = 0;
    c.quantity = dec("1");
    c.direction = Direction::Issue;
    c.autobooking = true;
    c.customer = s("Kunde \"A\"");
    c.costCentre = s("K7");
    c.serialNo = s("SN-1");
    c.lieferdate = s("01.12.2026");
    c.supplier = s("Lieferant B");
    c.pallet = s("P12");
    c.storagePlace = s("Halle 2");
    ASSERT_EQ(buche(ws(), session, {}, c).result, BookingResult::Booked);

    t.prompter.expectAsk(161, base::Answer::Yes);
    ASSERT_EQ(UndoLastBooking(ws(), session, {}, s("Erika")).result, BookingResult::Booked);
    const auto journal = readJournal(ws());
    ASSERT_EQ(journal.size(), 2u);
    EXPECT_EQ(journal[1][JKind], s("+"));
    for (int f : {JCustomer, JCostcenter, JSerialNo, JDelivDate, JSupplier, JPallet, JArea})
        EXPECT_EQ(journal[1][std::size_t(f)], journal[0][std::size_t(f)]) << f;
    EXPECT_EQ(journal[0][JArea], s("Halle 2"));
    EXPECT_EQ(onDisk()[0].field(Menge), s("5,00"));
}

TEST_F(Booking, UndoOfAVanishedArticleBooksNothing)
{
    store({stocked("5")});
    ASSERT_EQ(book(0, "1", Direction::Issue).result, BookingResult::Booked);
    ws().articles[0].name = s("Umbenannt");
    ASSERT_EQ(SaveFile(ws()), SaveResult::Saved);
    const QMap<QString, QByteArray> before = folderBytes();
    t.prompter.expectAsk(161, base::Answer::Yes);
    EXPECT_EQ(UndoLastBooking(ws(), session, {}, s("Erika")).result, BookingResult::Invalid);
    EXPECT_TRUE(t.prompter.finished());
    EXPECT_EQ(folderBytes(), before);
}

}  // namespace

namespace {

TEST_F(Booking, ProductRulesOfTheOptions)
{
    store({makeArticle(s("Mutter"), {{Menge, s("4")}, {VkPreis, s("1,25")}, {FreieSpalte2, s("x")},
                                     {FreieSpalte4, s("alt")}, {FreieSpalte5, s("bleibt")}})});
    ws().options.productEnabled = {true, true, false};
    ws().options.productColumns = {FreieSpalte3, Menge, VkPreis,
                                   FreieSpalte4, Menge, FreieSpalte2,
                                   FreieSpalte5, Menge, VkPreis};
    ASSERT_EQ(book(0, "1", Direction::Issue).result, BookingResult::Booked);
    const Article a = onDisk()[0];
    EXPECT_EQ(a.field(FreieSpalte3), s("3,75"));   // the new stock 3 × 1,25
    EXPECT_EQ(a.field(FreieSpalte4), s("0"));      // a factor that is not a number
    EXPECT_EQ(a.field(FreieSpalte5), s("bleibt")); // rule switched off
}

TEST_F(Booking, GroupSumOverArticlesWithTheSameKey)
{
    store({makeArticle(s("Mutter rot"), {{ArtikelNr, s("7")}, {Menge, s("4")}}),
           makeArticle(s("Mutter blau"), {{ArtikelNr, s("7")}, {Menge, s("1,5")}}),
           makeArticle(s("Bolzen"), {{ArtikelNr, s("8")}, {Menge, s("2")}, {FreieSpalte1, s("fremd")}}),
           makeArticle(s("Ohne"), {{Menge, s("2")}, {FreieSpalte1, s("alt")}})});
    BookingOptions options;
    options.groupSum.enabled = true;
    options.groupSum.skipEmptyKey = true;
    ASSERT_EQ(book(0, "1", Direction::Issue, options).result, BookingResult::Booked);
    ArticleList disk = onDisk();
    EXPECT_EQ(disk[0].field(FreieSpalte1), s("4,5"));  // 3,00 + 1,5 in the shortest form
    EXPECT_EQ(disk[1].field(FreieSpalte1), s("4,5"));
    EXPECT_EQ(disk[2].field(FreieSpalte1), s("fremd"));
    ASSERT_EQ(book(3, "1", Direction::Issue, options).result, BookingResult::Booked);
    EXPECT_EQ(onDisk()[3].field(FreieSpalte1), s(""));

    // A save that fails puts the whole group back.
    ASSERT_TRUE(QDir(t.dir.path()).mkpath(s("templager.dat/x")));
    t.prompter.expectInform(12);
    const ArticleList before = ws().articles;
    EXPECT_EQ(book(1, "1", Direction::Receipt, options).result, BookingResult::IoError);
    EXPECT_EQ(ws().articles, before);
}

}  // namespace

namespace {

TEST_F(Booking, OlderBatchInStockAsksBeforeTheIssue)
{
    auto batch = [](const char *number, const char *stock, const char *expiry) {
        return makeArticle(s("Milch"), {{ArtikelNr, s(number)}, {Menge, s(stock)}, {Haltbarkeitsdatum, s(expiry)}});
    };
    store({batch("5\r\n6", "3", "20.12.2026"),
           batch("6", "0", "01.12.2026"),     // older, but none left
           batch("9", "2", "01.12.2026"),     // older, another article number
           batch("6", "1", "kein Datum"),
           batch("5", "1", "10.12.2026")});   // older and in stock
    const QMap<QString, QByteArray> before = folderBytes();

    t.prompter.expectAsk(39, base::Answer::Ok);
    EXPECT_EQ(book(0, "1", Direction::Issue).result, BookingResult::Cancelled);
    EXPECT_EQ(t.prompter.shown().back().title, s("Haltbarkeitsdatum"));
    EXPECT_EQ(folderBytes(), before);
    EXPECT_TRUE(markerGone());

    t.prompter.expectAsk(39, base::Answer::Cancel);
    EXPECT_EQ(book(0, "1", Direction::Issue).result, BookingResult::Booked);
    // The oldest batch itself, and receipts, go without asking.
    EXPECT_EQ(book(4, "1", Direction::Issue).result, BookingResult::Booked);
    EXPECT_EQ(book(0, "1", Direction::Receipt).result, BookingResult::Booked);
    EXPECT_TRUE(t.prompter.failures().isEmpty()) << t.prompter.failures().join(u'\n').toStdString();
    EXPECT_TRUE(t.prompter.finished());
}

}  // namespace

namespace {

TEST_F(Booking, EachWarehouseHasItsOwnJournal)
{
    ws().files = warehouses::WarehouseFiles::forWarehouse(3);
    store({stocked("5")});
    ASSERT_EQ(book(0, "1", Direction::Issue).result, BookingResult::Booked);
    EXPECT_TRUE(QFile::exists(t.path(s("buchungen3.dbf"))));
    EXPECT_FALSE(QFile::exists(t.path(s("buchungen.dbf"))));
    EXPECT_EQ(readJournal(ws()).size(), 1u);
}

}  // namespace
