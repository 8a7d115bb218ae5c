#include "address_fixture.h"

#include "core/addresses/address_csv.h"
#include "core/base/cp1252.h"

#include <QFile>

using namespace morvane;
using namespace morvane::addresses;
using namespace morvane::addresses::test;

namespace {

using AddressCsvTest = AddressFixture;

QString u8(const char *s)
{
    return QString::fromUtf8(s);
}

TEST_F(AddressCsvTest, HostileValuesComeBackExactly)
{
    const QStringList hostile{
        u8("Müller \"Der Bäcker\" & Söhne"),
        "a;b,c",
        "\"",
        "\"\"\"",
        "line\r\nbreak\nand\rmore",
        "C:\\new\\root\\",
        "\\n is not a line break here",
        "trailing backslash \\",
        u8("€ ÿ Œ"),
        "  blanks  ",
        "\",\"",
        "x\";\"y",
    };
    for (int i = 0; i < hostile.size(); ++i) {
        QStringList values(15);
        values[i % 12] = hostile[i];
        values[12] = hostile[i] + " memo";  // the memo keeps trailing blanks
        values[14] = hostile[(i + 1) % hostile.size()].left(45);
        add(customers, values);
    }
    const QList<QStringList> before = rows(customers.table());

    const AddressCsv::Options options{true, true};
    auto out = AddressCsv::exportFile(*temp.ws, customers.table(), path("out.csv"), options);
    ASSERT_EQ(out.result, AddressCsv::Result::Done);
    EXPECT_EQ(out.records, hostile.size());

    // Into an empty customer table of a second data folder.
    morvane::test::TempWorkspace other;
    AddressBook target(*other.ws, AddressKind::Customers);
    ASSERT_EQ(target.InitDataBase(), InitResult::Created);
    auto in = AddressCsv::importFile(*other.ws, target.table(), path("out.csv"), options);
    EXPECT_EQ(in.result, AddressCsv::Result::Done);
    EXPECT_EQ(in.records, hostile.size());
    EXPECT_EQ(rows(target.table()), before);

    // Exporting the imported table gives the same file.
    ASSERT_EQ(AddressCsv::exportFile(*other.ws, target.table(), path("again.csv"), options).result,
              AddressCsv::Result::Done);
    EXPECT_EQ(morvane::test::readAll(path("again.csv")), morvane::test::readAll(path("out.csv")));
}

TEST(AddressCsvLayout, LinesAreQuotedSemicolonSeparatedCp1252WithCrLf)
{
    EXPECT_EQ(AddressCsv::joinLine({"a\"b", "c;d", "e\r\nf", "g\\h", ""}),
              "\"a\"\"b\";\"c;d\";\"e\\r\\nf\";\"g\\\\h\";\"\"");
}

TEST(AddressCsvLayout, SplitterReadsOurLinesAndTheOlderForms)
{
    struct Case {
        const char *line;
        QStringList values;
    };
    const Case cases[] = {
        {"a;b;c", {"a", "b", "c"}},
        {"x", {"x"}},
        {"a;b;", {"a", "b"}},
        {"a;;b", {"a", "", "b"}},
        {"\"a\";\"b\"", {"a", "b"}},
        {"\"a\",\"b\"", {"a", "b"}},
        {"\"\"\"quoted\"\" start\";\"x\"", {"\"quoted\" start", "x"}},
        {"\"\";\"\"", {"", ""}},
        {"\"ok\";\"unterminated", {"ok"}},
        {"\"a\\rb\\nc\"", {"a\rb\nc"}},
        // Older files never doubled a backslash: one before another letter stays.
        {"\"C:\\temp\\x\"", {"C:\\temp\\x"}},
        {"\"end\\\"", {"end\\"}},
        {"\"two\\\\n\"", {"two\\n"}},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.line);
        EXPECT_EQ(AddressCsv::splitLine(QString::fromUtf8(c.line)), c.values);
    }
}

TEST(AddressCsvLayout, TheTwentyFourthValueGetsNoExtraQuotes)
{
    QStringList values;
    for (int i = 1; i <= 30; ++i)
        values << QString::number(i);
    EXPECT_EQ(AddressCsv::splitLine(AddressCsv::joinLine(values)), values);
}

TEST(AddressCsvLayout, ParseHandlesBomLineEndsEmptyLinesAndTheHeaderOption)
{
    const QByteArray utf8 = "\xEF\xBB\xBF\"Firma\"\n\"M\xC3\xBCller\"\r\n\r\n\"B\"";
    EXPECT_EQ(AddressCsv::parse(utf8, true), (QList<QStringList>{{u8("Müller")}, {"B"}}));
    EXPECT_EQ(AddressCsv::parse("\"M\xFCller\"\r\n", false), (QList<QStringList>{{u8("Müller")}}));
    EXPECT_TRUE(AddressCsv::parse("", true).isEmpty());
    EXPECT_TRUE(AddressCsv::parse("\"only header\"", true).isEmpty());
}

TEST_F(AddressCsvTest, ImportFillsFieldsByPositionAndDropsSurplusValues)
{
    QByteArray file = "a;b;c\r\nx\r\n";
    QStringList thirty;
    for (int i = 1; i <= 30; ++i)
        thirty << QString("v%1").arg(i);
    file += base::Cp1252::encode(AddressCsv::joinLine(thirty)) + "\r\n";
    morvane::test::writeAll(path("in.csv"), file);
    const auto in = AddressCsv::importFile(*temp.ws, suppliers.table(), path("in.csv"), {});
    EXPECT_EQ(in.records, 3);
    const auto all = rows(suppliers.table());
    ASSERT_EQ(all.size(), 3);
    EXPECT_EQ(all[0].first(3), (QStringList{"a", "b", "c"}));
    EXPECT_EQ(all[0][3], "");
    EXPECT_EQ(all[1][0], "x");
    EXPECT_EQ(all[2], thirty.first(14));
}

TEST_F(AddressCsvTest, ExportFollowsTheSearchAndReportsFilesItCannotUse)
{
    add(customers, {"Alpha"});
    add(customers, {"Beta"});
    customers.setSearchText("bet");
    ASSERT_EQ(AddressCsv::exportFile(*temp.ws, customers.table(), path("b.csv"), {}).records, 1);
    EXPECT_TRUE(morvane::test::readAll(path("b.csv")).startsWith("\"Beta\";\"\";"));

    temp.prompter.expectInform(12).expectInform(13);
    EXPECT_EQ(AddressCsv::exportFile(*temp.ws, customers.table(), path("missing/x.csv"), {}).result,
              AddressCsv::Result::CannotCreate);
    EXPECT_EQ(AddressCsv::importFile(*temp.ws, customers.table(), path("none.csv"), {}).result,
              AddressCsv::Result::CannotOpen);
    customers.clearSearch();
    EXPECT_EQ(rows(customers.table()).size(), 2);
}

}  // namespace
