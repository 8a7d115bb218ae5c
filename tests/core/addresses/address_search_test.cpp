#include "address_fixture.h"

#include "core/addresses/address_search.h"

using namespace morvane;
using namespace morvane::addresses;
using namespace morvane::addresses::test;

namespace {

using AddressSearchTest = AddressFixture;

TEST(AddressSearch, FoldsCaseAccentsAndSharpS)
{
    struct Case {
        const char *search;
        const char *value;
        bool found;
    };
    const Case cases[] = {
        {"meier", "MEIER", true},
        {"MeIeR", "Anton Meier GmbH", true},
        {"müller", "MÜLLER", true},
        {"muller", "Müller", true},
        {"MÜLLER", "mueller", false},  // no transliteration to "ue"
        {"cafe", "Café Crème", true},
        {"CRÈME", "creme", true},
        {"strasse", "Hauptstraße 1", true},
        {"lodz", "Łódź", false},  // a stroke is no accent mark
        {"zürich", "Zuerich", false},
        {"", "anything", true},
        {"x", "", false},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(std::string(c.search) + " in " + c.value);
        const QString folded = AddressSearch::fold(QString::fromUtf8(c.search));
        const bool found = folded.isEmpty() || AddressSearch::fold(QString::fromUtf8(c.value)).contains(folded);
        EXPECT_EQ(found, c.found);
    }
}

TEST_F(AddressSearchTest, FilterLooksIntoEveryFieldAndTheMemoAndShowAllUndoesIt)
{
    add(customers, {"Alpha", "Jürgen"});
    add(customers, {"Beta", "", "", "", "", "", "", "", "", "", "", "", "Bestellt über Café Ünsal"});
    add(customers, {"Gamma", "", "", "", "", "", "", "", "", "", "", "", "", "", "KST-UNSAL"});
    dbase::Table &t = customers.table();

    customers.setSearchText("unsal");
    EXPECT_EQ(customers.filtertext(), "UNSAL");
    QStringList shown;
    for (t.first(); !t.eof(); t.next())
        shown << t.fieldText(0);
    EXPECT_EQ(shown, (QStringList{"Beta", "Gamma"}));

    customers.setSearchText(QString::fromUtf8("JURGEN"));
    EXPECT_EQ(t.recordCount(), 1u);
    customers.clearSearch();
    EXPECT_EQ(customers.filtertext(), "");
    EXPECT_FALSE(t.isFiltered());
    EXPECT_EQ(t.recordCount(), 3u);
}

}  // namespace
