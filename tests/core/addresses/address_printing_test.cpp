#include "address_fixture.h"

#include "core/addresses/address_printing.h"
#include "core/printing/recording_canvas.h"

using namespace morvane;
using namespace morvane::addresses;
using namespace morvane::addresses::test;
using printing::RecordingCanvas;

namespace {

using AddressPrintingTest = AddressFixture;

TEST_F(AddressPrintingTest, RecordAndCountLinesPadNamesToTwentyCharacters)
{
    add(customers, {"Alpha", "Meier"});
    add(customers, {"Beta"});
    customers.table().first();
    const QStringList lines = AddressPrinting::recordLines(customers.table());
    ASSERT_EQ(lines.size(), 15);
    EXPECT_EQ(lines[0], "FIRMA:              \tAlpha");
    EXPECT_EQ(lines[1], "NAME:               \tMeier");
    const QStringList counts = AddressPrinting::countLines(customers.table());
    EXPECT_EQ(counts[0], "FIRMA:              \t2");
    EXPECT_EQ(counts[1], "NAME:               \t1");
    EXPECT_EQ(counts[14], "KOSTENST:           \t0");
}

TEST(AddressPrinting, WrapsAtTheLastBlankAndDropsTheBlankThatWouldStartALine)
{
    // 8 pt at 72 dpi on the recording canvas: 4 dots per character.
    RecordingCanvas canvas({400, 400}, 72);
    canvas.setFont(AddressPrinting::textFont());
    struct Case {
        const char *line;
        int width;
        QStringList pieces;
    };
    const Case cases[] = {
        {"short", 40, {"short"}},
        {"aaaa bbbb cccc", 32, {"aaaa ", "bbbb ", "cccc"}},
        {"abcdefghijkl", 20, {"abcde", "fghij", "kl"}},
        {"abcd  efgh", 20, {"abcd ", "efgh"}},
        {"", 20, {""}},
    };
    for (const Case &c : cases)
        EXPECT_EQ(AddressPrinting::wrap(canvas, c.line, c.width), c.pieces) << c.line;
}

TEST(AddressPrinting, StartsANewPageWhenALineNoLongerFits)
{
    RecordingCanvas canvas({600, 300}, 72);
    QStringList lines;
    for (int i = 0; i < 30; ++i)
        lines << QString("line %1").arg(i);
    const printing::Rect rect = AddressPrinting::pageRect(canvas);
    EXPECT_EQ(rect, (printing::Rect{36, 36, 564, 264}));
    AddressPrinting::printLines(canvas, lines, rect);
    const auto texts = canvas.opsOf(RecordingCanvas::Kind::TextOut);
    ASSERT_EQ(texts.size(), 30u);
    EXPECT_FALSE(canvas.opsOf(RecordingCanvas::Kind::NewPage).empty());
    for (const auto &op : texts) {
        EXPECT_GE(op.points[0].y, rect.top);
        EXPECT_LE(op.points[0].y + 10, rect.bottom);
        EXPECT_EQ(op.font.family, "Courier New");
    }
}

TEST_F(AddressPrintingTest, PrintAllPutsEachRecordOnAPageOfItsOwn)
{
    add(customers, {"Alpha"});
    add(customers, {"Beta"});
    add(customers, {"Gamma"});
    customers.setSearchText("a");
    RecordingCanvas canvas({2480, 3508}, 300, true);
    EXPECT_EQ(AddressPrinting::printAll(canvas, customers.table()), 3);
    EXPECT_EQ(canvas.opsOf(RecordingCanvas::Kind::NewPage).size(), 2u);
    customers.setSearchText("gam");
    canvas.clear();
    EXPECT_EQ(AddressPrinting::printAll(canvas, customers.table()), 1);
}

}  // namespace
