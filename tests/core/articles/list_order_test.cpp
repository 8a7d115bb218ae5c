#include "core/articles/article_sort.h"
#include "core/articles/category_lists.h"
#include "core/articles/row_appearance.h"

#include "support/temp_workspace.h"

#include <gtest/gtest.h>

using namespace morvane;
using namespace morvane::articles;
using morvane::test::makeArticle;

namespace {

QStringList names(const ArticleList &list)
{
    QStringList out;
    for (const Article &a : list)
        out << a.name;
    return out;
}

ArticleList byField(int field, std::initializer_list<const char *> values)
{
    ArticleList list;
    int i = 0;
    for (const char *v : values)
        list.push_back(makeArticle(QString::number(i++), {{field, QString::fromUtf8(v)}}));
    return list;
}

}  // namespace

TEST(ArticleSort, EachKindOfColumnInBothDirections)
{
    struct Case {
        int field;
        bool sortdir;
        std::initializer_list<const char *> values;
        const char *expectedOrder;  // names = original positions
    };
    const Case cases[] = {
        // Numbers: largest first, then smallest first; a unit after a blank is ignored;
        // values that do not convert go last in both directions.
        {Menge, false, {"5 Stück", "x", "12", "-1"}, "2,0,3,1"},
        {Menge, true, {"5 Stück", "x", "12", "-1"}, "3,0,2,1"},
        // Dates: later first, then earlier first; a time after the date is ignored.
        {Haltbarkeitsdatum, false, {"01.02.2025", "", "31.12.2024 10:00"}, "0,2,1"},
        {Haltbarkeitsdatum, true, {"01.02.2025", "", "31.12.2024 10:00"}, "2,0,1"},
        // Text: A to Z first, case-insensitive with the locale's collation.
        {Hersteller, false, {"beta", "Äpfel", "alpha"}, "2,1,0"},
        {Hersteller, true, {"beta", "Äpfel", "alpha"}, "0,1,2"},
    };
    const base::FormatSettings format = base::FormatSettings::german();
    for (const Case &c : cases) {
        ArticleList list = byField(c.field, c.values);
        ColumnMap spalte;
        ArticleSort::sort(list, c.field + 1, c.sortdir, spalte, format);
        EXPECT_EQ(names(list).join(u','), QString::fromUtf8(c.expectedOrder)) << "field " << c.field;
    }
}

TEST(ArticleSort, NameTiesAreBrokenByBarcodeAndDisplayOrderIsHonoured)
{
    ArticleList list{makeArticle(QStringLiteral("Mutter"), {{Barcode, QStringLiteral("9")}}),
                     makeArticle(QStringLiteral("mutter"), {{Barcode, QStringLiteral("1")}}),
                     makeArticle(QStringLiteral("Anker"), {{Barcode, QStringLiteral("5")}})};
    ArticleSort::sort(list, 0, false, ColumnMap(), base::FormatSettings::german());
    EXPECT_EQ(list[1].field(Barcode), QStringLiteral("1"));
    EXPECT_EQ(list[2].field(Barcode), QStringLiteral("9"));

    // With "EK Preis" moved to list column 1, clicking column 1 sorts by number.
    ColumnMap spalte;
    spalte.swap(0, EkPreis);
    ArticleList prices = byField(EkPreis, {"2,5", "10", "3"});
    ArticleSort::sort(prices, 1, false, spalte, base::FormatSettings::german());
    EXPECT_EQ(names(prices).join(u','), QStringLiteral("1,2,0"));
}

TEST(ArticleSort, HeaderClicks)
{
    int column = 0;
    bool dir = false;
    ArticleSort::columnClicked(0, column, dir);
    EXPECT_TRUE(dir);
    ArticleSort::columnClicked(4, column, dir);
    EXPECT_EQ(column, 4);
    EXPECT_FALSE(dir);
}

TEST(RowAppearance, Background)
{
    const base::FormatSettings format = base::FormatSettings::german();
    const QDateTime now(QDate(2026, 12, 11), QTime(12, 0));
    ListOptions colours;
    ListOptions oldBookings;
    oldBookings.rotWennLetzteBuchungAlt = true;
    oldBookings.tageBisRot = 10;
    ListOptions iconsWithMinimum;
    iconsWithMinimum.farbeAlsAmpelIcon = true;
    iconsWithMinimum.rotWennMindestbestandUnterschritten = true;

    struct Case {
        const char *what;
        ListOptions options;
        Article article;
        std::uint32_t expected;
    };
    const Case cases[] = {
        {"plain", colours, makeArticle(u"a"_qs), RowAppearance::kWhite},
        {"Farbe", colours, makeArticle(u"a"_qs, {{Farbe, u"FF0000"_qs}}), 0xFF0000},
        {"bad Farbe", colours, makeArticle(u"a"_qs, {{Farbe, u"grün"_qs}}), RowAppearance::kWhite},
        {"booked 10 days ago", oldBookings, makeArticle(u"a"_qs, {{DatumLetzteBuchung, u"01.12.2026"_qs}}),
         RowAppearance::kLightRed},
        {"booked 9 days ago", oldBookings, makeArticle(u"a"_qs, {{DatumLetzteBuchung, u"02.12.2026"_qs}}),
         RowAppearance::kWhite},
        {"date with time", oldBookings,
         makeArticle(u"a"_qs, {{DatumLetzteBuchung, u"01.01.2020 10:00:00"_qs}}), RowAppearance::kWhite},
        {"below minimum", iconsWithMinimum,
         makeArticle(u"a"_qs, {{Menge, u"1"_qs}, {Mindestbestand, u"2"_qs}, {Farbe, u"00FF00"_qs}}),
         RowAppearance::kRed},
        {"minimum not a number", iconsWithMinimum,
         makeArticle(u"a"_qs, {{Menge, u"1"_qs}, {Mindestbestand, u"zwei"_qs}}), RowAppearance::kWhite},
    };
    for (const Case &c : cases)
        EXPECT_EQ(RowAppearance::background(c.article, c.options, format, now), c.expected) << c.what;
}

TEST(RowAppearance, StatusIcons)
{
    const base::FormatSettings format = base::FormatSettings::german();
    struct Case {
        const char *menge, *minimum, *ordered;
        int expected;
    };
    const Case cases[] = {
        {"10", "10", "", 0}, {"5", "10", "", 1},     {"4,99", "10", "", 2},
        {"4", "10", "2", 5}, {"", "10", "", 0},      {"", "10", "1", 3},
        {"12", "10", "x", 0}, {"abc", "1", "0", 0},
    };
    for (const Case &c : cases) {
        const Article a = makeArticle(u"a"_qs, {{Menge, QString::fromUtf8(c.menge)},
                                                {Mindestbestand, QString::fromUtf8(c.minimum)},
                                                {BestellteMenge, QString::fromUtf8(c.ordered)}});
        const StatusIcon icon = RowAppearance::statusIcon(a, ListOptions(), format);
        EXPECT_EQ(icon.kind, StatusIcon::Kind::TrafficLight);
        EXPECT_EQ(icon.trafficLight, c.expected) << c.menge << " / " << c.minimum << " / " << c.ordered;
    }
    ListOptions circles;
    circles.farbeAlsAmpelIcon = true;
    EXPECT_EQ(RowAppearance::statusIcon(makeArticle(u"a"_qs, {{Farbe, u"123456"_qs}}), circles, format).circleBgr,
              0x123456u);
    EXPECT_EQ(RowAppearance::statusIcon(makeArticle(u"a"_qs), circles, format).circleBgr, RowAppearance::kWhite);
}

TEST(CategoryLists, DistinctValuesInOrderOfFirstUse)
{
    const ArticleList list{
        makeArticle(u"a"_qs, {{Kategorie, u"Werkzeug"_qs}, {Lagerplatz, u"R2"_qs}, {LieferantenEmail, u"x@y"_qs}}),
        makeArticle(u"b"_qs, {{Kategorie, u"werkzeug"_qs}, {Lagerplatz, u"R1"_qs}}),
        makeArticle(u"c"_qs, {{Kategorie, u"Werkzeug"_qs}, {FreieSpalte2, u"frei"_qs}}),
    };
    const CategoryLists lists = FuelleKategorienListe(list, u"R1\r\nR9\r\n"_qs, {u"a@b"_qs, u"x@y"_qs});
    EXPECT_EQ(lists.kategorie, QStringList({u"Werkzeug"_qs, u"werkzeug"_qs}));
    EXPECT_EQ(lists.lagerplatz, QStringList({u"R1"_qs, u"R9"_qs, u"R2"_qs}));
    EXPECT_EQ(lists.lieferEmail, QStringList({u"a@b"_qs, u"x@y"_qs}));
    EXPECT_EQ(lists.freieSpalte2, QStringList({u"frei"_qs}));
    EXPECT_TRUE(lists.hersteller.isEmpty());
}
