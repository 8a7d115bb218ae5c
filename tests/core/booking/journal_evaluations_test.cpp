// Figures computed from the journal: consumption, average purchase price,
// best customers, and the reconstruction of the article list.
#include "core/articles/article_io.h"
#include "core/booking/journal.h"
#include "core/booking/journal_evaluations.h"

#include "support/temp_workspace.h"

#include <QFile>

#include <gtest/gtest.h>

using namespace morvane;
using namespace morvane::articles;
using namespace morvane::booking;
using test::dec;
using test::makeArticle;
using test::s;

namespace {

struct Evaluations : ::testing::Test {
    Evaluations()
    {
        ws().format = base::FormatSettings::german();
        ws().articles = {makeArticle(s("Schraube"), {{ArtikelNr, s("7\n77")}, {Barcode, s("400")}, {Menge, s("10")},
                                                     {EkPreis, s("3,00")}}),
                         makeArticle(s("Mutter"), {{ArtikelNr, s("8")}, {Menge, s("5")}})};
        EXPECT_EQ(SaveFile(ws()), SaveResult::Saved);
    }
    app::Workspace &ws() { return *t.ws; }

    // A record of the screw unless `article` says otherwise.
    void add(const char *kind, const char *amount, const char *date,
             std::initializer_list<std::pair<int, const char *>> more = {})
    {
        JournalRecord r;
        r[JKind] = s(kind);
        r[JArticle] = s("Schraube");
        r[JBarcode] = s("400");
        r[JArtNo] = s("7");
        r[JAmount] = s(amount);
        r[JDate] = s(date);
        for (const auto &[f, v] : more)
            r[std::size_t(f)] = s(v);
        ASSERT_TRUE(appendJournalRecord(ws(), r).ok);
    }

    base::Decimal used(const ConsumptionQuery &q) { return consumption(ws(), ws().articles[0], q); }

    test::TempWorkspace t;  // today is 11.12.2026, 12:00
};

}  // namespace

TEST_F(Evaluations, ConsumptionCountsIssuesOfTheLastDaysAndReceiptsOnlyWhenAsked)
{
    add("-", "5", "11.12.2026", {{JCustomer, "Meier"}});
    add("V", "1,5", "12.11.2026");                        // 29 days back: inside 30 days
    add("+", "3", "10.12.2026");
    add("-", "100", "11.11.2026");                        // 30 days and a half: outside
    add("-", "7", "11.12.2026", {{JArtNo, "77"}});        // the second number line
    add("-", "9", "11.12.2026", {{JArticle, "Mutter"}, {JBarcode, ""}, {JArtNo, "8"}});
    add("-", "abc", "11.12.2026");
    add("-", "4", "");
    add("S", "2", "11.12.2026", {{JCustomer, "Meier"}});

    const struct {
        ConsumptionQuery query;
        const char *expected;
    } cases[] = {
        {{30, {}, false}, "13,5"},
        {{30, {}, true}, "8,5"},
        {{1, {}, false}, "12"},
        {{30, s("Meier"), false}, "5"},
        {{30, s(" Meier"), true}, "3"},
        {{0, {}, false}, "0"},
    };
    for (const auto &c : cases)
        EXPECT_EQ(used(c.query), dec(c.expected)) << c.query.days << " " << c.query.countReceipts;
    const std::vector<base::Decimal> all = consumptionOfAll(ws(), {30, {}, false});
    ASSERT_EQ(all.size(), 2u);
    EXPECT_EQ(all[0], dec("13,5"));
    EXPECT_EQ(all[1], dec("9"));
}

TEST_F(Evaluations, ConsumptionWithReceiptsCountedIssuesFiveReceiptThreeGivesTwo)
{
    add("-", "5", "09.12.2026");
    add("+", "3", "10.12.2026");
    EXPECT_EQ(used({30, {}, true}), dec("2"));
}

TEST_F(Evaluations, ConsumptionIntoAFreeColumnAsksWithTheColumnAndSaves)
{
    add("-", "2,5", "11.12.2026");
    t.prompter.expectAsk(48, base::Answer::Yes);
    EXPECT_EQ(writeConsumptionColumn(ws(), {30, {}, false}, 3), SharedAccess::Change::Saved);
    ASSERT_TRUE(t.prompter.failures().isEmpty()) << t.prompter.failures().join(u'\n').toStdString();
    const base::Message &asked = t.prompter.shown().at(0);
    EXPECT_TRUE(asked.text.contains(s("die 3. freie Spalte"))) << asked.text.toStdString();
    EXPECT_FALSE(asked.text.contains(s("5.")));
    EXPECT_TRUE(asked.text.endsWith(s("Freie Spalte 3")));
    EXPECT_EQ(asked.title, s("Verbrauch eintragen?"));

    ws().articles.clear();
    ASSERT_EQ(OpenFile(ws()), ReadResult::Read);
    EXPECT_EQ(ws().articles[0].field(FreieSpalte3), s("2,5"));
    EXPECT_EQ(ws().articles[1].field(FreieSpalte3), s("0"));

    const auto before = t.folderBytes();
    t.prompter.expectAsk(48, base::Answer::Cancel);
    EXPECT_EQ(writeConsumptionColumn(ws(), {30, {}, false}, 3), SharedAccess::Change::Cancelled);
    EXPECT_EQ(t.folderBytes(), before);
}

TEST(AveragePurchasePrice, PartialReceiptsOrWholeOnes)
{
    // Stock 10; receipts newest first: 6 pieces for 60, 8 pieces for 120.
    const std::vector<PricedReceipt> receipts = {{dec("6"), dec("60")}, {dec("8"), dec("120")}};
    EXPECT_EQ(averagePurchasePrice(dec("10"), receipts, true), dec("12"));
    EXPECT_EQ(averagePurchasePrice(dec("10"), receipts, false), dec("10"));
    EXPECT_EQ(averagePurchasePrice(dec("0"), receipts, true), std::nullopt) << "no stock, nothing to price";
    EXPECT_EQ(averagePurchasePrice(dec("3"), {{dec("8"), dec("120")}}, false), std::nullopt);
    EXPECT_EQ(averagePurchasePrice(dec("3"), {{dec("8"), dec("120")}}, true), dec("15"));
}

TEST_F(Evaluations, AveragePricesWrittenForEveryRowFromReceiptsOnly)
{
    add("+", "8", "01.12.2026", {{JBuyingPrice, "120"}});
    add("-", "4", "02.12.2026", {{JBuyingPrice, "999"}});
    add("S", "4", "02.12.2026", {{JBuyingPrice, "999"}});
    add("+", "2", "03.12.2026", {{JBuyingPrice, "kein Preis"}});
    add("+", "6", "04.12.2026", {{JBuyingPrice, "60"}});
    t.prompter.expectAsk(182, base::Answer::Yes);
    EXPECT_EQ(writeAveragePurchasePrices(ws(), true), SharedAccess::Change::Saved);
    EXPECT_EQ(t.prompter.shown().at(0).title, s("Fortfahren?"));
    ws().articles.clear();
    ASSERT_EQ(OpenFile(ws()), ReadResult::Read);
    EXPECT_EQ(ws().articles[0].field(EkPreis), s("12,00"));
    EXPECT_EQ(ws().articles[1].field(EkPreis), s("0,00")) << "no receipts and no price";

    t.prompter.expectAsk(182, base::Answer::Yes);
    EXPECT_EQ(writeAveragePurchasePrices(ws(), false), SharedAccess::Change::Saved);
    EXPECT_EQ(ws().articles[0].field(EkPreis), s("10,00"));
    EXPECT_TRUE(t.prompter.failures().isEmpty());
}

TEST_F(Evaluations, BestCustomersMostFirstWithTheEmptyCustomer)
{
    for (const char *c : {"B", "A", "", "A", "a", "", "A"})
        add("-", "1", "01.12.2026", {{JCustomer, c}});
    const auto list = bestCustomers(ws());
    ASSERT_EQ(list.size(), 4u);
    EXPECT_EQ(list[0], std::make_pair(s("A"), 3));
    EXPECT_EQ(list[1], std::make_pair(QString(), 2));
    EXPECT_EQ(list[2], std::make_pair(s("B"), 1)) << "equal counts keep their first appearance";
    EXPECT_EQ(list[3], std::make_pair(s("a"), 1));
}

TEST_F(Evaluations, ReconstructionSetsStocksAndAddsMissingArticlesWithUnitPrices)
{
    add("-", "2", "01.12.2026", {{JNewAmount, "8"}});
    add("+", "4", "02.12.2026",
        {{JArticle, "Dübel"}, {JBarcode, "555"}, {JArtNo, "D1"}, {JNewAmount, "4"}, {JBatchNo, "CH1"},
         {JBuyingPrice, "10,00"}, {JPrice, "18,00"}, {JGooduntil, "01.01.2028"}, {JCategory, "Bau"},
         {JVat, "1,60"}, {JVatRate, "19"}});
    add("-", "1", "03.12.2026", {{JArticle, "Dübel"}, {JBarcode, "555"}, {JArtNo, "D1"}, {JNewAmount, "3"},
                                 {JPrice, "x"}});
    add("-", "1", "03.12.2026", {{JNewAmount, "7"}, {JArtNo, "77"}});
    t.prompter.expectAsk(19, base::Answer::Yes);
    EXPECT_EQ(reconstructFromJournal(ws()), SharedAccess::Change::Saved);
    ASSERT_TRUE(t.prompter.failures().isEmpty());

    ws().articles.clear();
    ASSERT_EQ(OpenFile(ws()), ReadResult::Read);
    ASSERT_EQ(ws().articles.size(), 3u) << "the new article once, found again by its later record";
    EXPECT_EQ(ws().articles[0].field(Menge), s("7"));
    EXPECT_EQ(ws().articles[1].field(Menge), s("5")) << "an article without records keeps its stock";
    const Article &added = ws().articles[2];
    EXPECT_EQ(added.name, s("Dübel"));
    EXPECT_EQ(added.field(ArtikelNr), s("D1"));
    EXPECT_EQ(added.field(Barcode), s("555"));
    EXPECT_EQ(added.field(Menge), s("3"));
    EXPECT_EQ(added.field(Chargennr), s("CH1"));
    EXPECT_EQ(added.field(EkPreis), s("2,50")) << "the record holds the value of four pieces";
    EXPECT_EQ(added.field(VkPreis), s("4,50"));
    EXPECT_EQ(added.field(Haltbarkeitsdatum), s("01.01.2028"));
    EXPECT_EQ(added.field(Kategorie), s("Bau"));
    EXPECT_EQ(added.field(MwstSatz), s("19")) << "the rate, not the VAT amount";
    EXPECT_EQ(added.field(Mindestbestand), QString());

    const auto before = t.folderBytes();
    t.prompter.expectAsk(19, base::Answer::No);
    EXPECT_EQ(reconstructFromJournal(ws()), SharedAccess::Change::Cancelled);
    EXPECT_EQ(t.folderBytes(), before);
}
