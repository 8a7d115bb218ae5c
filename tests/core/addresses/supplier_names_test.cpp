#include "address_fixture.h"

#include "core/addresses/supplier_names.h"
#include "core/articles/article_io.h"

using namespace morvane;
using namespace morvane::addresses;
using namespace morvane::addresses::test;
using morvane::test::makeArticle;

namespace {

struct SupplierNamesTest : AddressFixture {
    SupplierNamesTest()
    {
        QStringList a(14), b(14), c(14);
        a[0] = "Alpha GmbH", a[11] = "info@alpha.de";
        b[0] = "Beta AG", b[11] = "INFO@alpha.de";  // differs in case only
        c[0] = "Zweite Alpha", c[11] = "info@alpha.de";
        add(suppliers, a);
        add(suppliers, b);
        add(suppliers, c);
        temp.ws->articles = {makeArticle("Schraube", {{articles::LieferantenEmail, "info@alpha.de"}}),
                             makeArticle("Mutter", {{articles::LieferantenEmail, "INFO@alpha.de"}}),
                             makeArticle("Dübel", {{articles::LieferantenEmail, "nobody@x.de"},
                                                   {articles::FreieSpalte2, "old"}})};
        EXPECT_EQ(articles::SaveFile(*temp.ws), articles::SaveResult::Saved);
    }
};

TEST_F(SupplierNamesTest, FillsTheChosenColumnWithTheFirstExactMatch)
{
    suppliers.setSearchText("beta");
    temp.prompter.expectAsk(253, base::Answer::Yes);
    EXPECT_EQ(SupplierNames::fill(*temp.ws, suppliers, 1 + articles::FreieSpalte2, "Freie Spalte 2"),
              FillResult::Filled);
    EXPECT_EQ(temp.prompter.shown().at(0).text,
              QString::fromUtf8("Wollen Sie wirklich den Inhalt folgendes Spalte überschreiben: Freie Spalte 2"));
    EXPECT_EQ(temp.prompter.shown().at(0).title, QString::fromUtf8("Überschreiben"));
    const auto &list = temp.ws->articles;
    EXPECT_EQ(list[0].field(articles::FreieSpalte2), "Alpha GmbH");
    EXPECT_EQ(list[1].field(articles::FreieSpalte2), "Beta AG");
    EXPECT_EQ(list[2].field(articles::FreieSpalte2), "");
    EXPECT_EQ(suppliers.filtertext(), "");

    // Saved to the article file.
    temp.ws->articles.clear();
    ASSERT_EQ(articles::readArticleFile(*temp.ws, temp.ws->articleFilePath()), articles::ReadResult::Read);
    EXPECT_EQ(temp.ws->articles[0].field(articles::FreieSpalte2), "Alpha GmbH");
}

TEST_F(SupplierNamesTest, AnythingButYesChangesNothing)
{
    const QByteArray before = morvane::test::readAll(temp.ws->articleFilePath());
    for (base::Answer a : {base::Answer::No, base::Answer::Cancel}) {
        temp.prompter.expectAsk(253, a);
        EXPECT_EQ(SupplierNames::fill(*temp.ws, suppliers, 0, "Artikel"), FillResult::Cancelled);
    }
    EXPECT_EQ(SupplierNames::fill(*temp.ws, suppliers, 41, "x"), FillResult::Invalid);
    EXPECT_EQ(temp.ws->articles[2].field(articles::FreieSpalte2), "old");
    EXPECT_EQ(morvane::test::readAll(temp.ws->articleFilePath()), before);
}

TEST_F(SupplierNamesTest, EmailsAndTakeOver)
{
    EXPECT_EQ(SupplierNames::emails(suppliers), (QStringList{"info@alpha.de", "INFO@alpha.de"}));
    suppliers.table().first();
    EXPECT_EQ(SupplierNames::takeOverEmail(*temp.ws, suppliers), "info@alpha.de");
    add(suppliers, {"No mail"});
    suppliers.table().last();
    temp.prompter.expectInform(234);
    EXPECT_EQ(SupplierNames::takeOverEmail(*temp.ws, suppliers), "");
}

}  // namespace
