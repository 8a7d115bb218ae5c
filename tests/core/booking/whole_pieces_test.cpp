#include "core/booking/whole_pieces.h"

#include "core/articles/article_io.h"
#include "core/base/marker_file.h"

#include "support/temp_workspace.h"

#include <gtest/gtest.h>

using namespace morvane;
using namespace morvane::articles;
using namespace morvane::booking;
using test::makeArticle;
using test::s;

namespace {

TEST(WholePieces, RoundsHalvesToTheEvenNeighbour)
{
    const base::FormatSettings german = base::FormatSettings::german();
    const std::pair<const char *, const char *> cases[] = {
        {"2,5", "2"}, {"3,5", "4"}, {"-2,5", "-2"}, {"1,49", "1"}, {"1,51", "2"}, {"0,5", "0"},
        {"abc", "0"},
    };
    for (const auto &[value, rounded] : cases)
        EXPECT_EQ(roundedWholePiece(s(value), german), std::optional<QString>(s(rounded))) << value;
    for (const char *whole : {"5", "5,00", "-3,0", " 7 "})
        EXPECT_EQ(roundedWholePiece(s(whole), german), std::nullopt) << whole;
}

struct Switching : ::testing::Test {
    Switching()
    {
        ws().format = base::FormatSettings::german();
        ws().articles = {
            makeArticle(s("A"), {{Menge, s("5,00")}, {Mindestbestand, s("2,5")}}),
            makeArticle(s("B"), {{Menge, s("1,5")}, {Mindestbestand, s("")}}),
        };
        EXPECT_EQ(SaveFile(ws()), SaveResult::Saved);
    }
    app::Workspace &ws() { return *t.ws; }

    // The list as the next reader of the file sees it.
    ArticleList onDisk()
    {
        test::TempWorkspace other;
        other.ws->folders = ws().folders;
        other.ws->format = ws().format;
        EXPECT_EQ(OpenFile(*other.ws), ReadResult::Read);
        return other.ws->articles;
    }

    test::TempWorkspace t;
};

TEST_F(Switching, AsksForEachValueThatNeedsRounding)
{
    t.prompter.expectAsk(86, base::Answer::Ok).expectAsk(86, base::Answer::Ok);
    EXPECT_EQ(switchToWholePieces(ws()), WholePiecesResult::Converted);
    ASSERT_EQ(t.prompter.shown().size(), 2);
    EXPECT_EQ(t.prompter.shown()[0].title, s("A"));
    EXPECT_TRUE(t.prompter.shown()[0].text.endsWith(s("2,5 ") + ws().translator.message(190) + s("2")))
        << t.prompter.shown()[0].text.toStdString();
    const ArticleList list = onDisk();
    EXPECT_EQ(list[0].field(Menge), s("5"));
    EXPECT_EQ(list[0].field(Mindestbestand), s("2"));
    EXPECT_EQ(list[1].field(Menge), s("2"));
    EXPECT_EQ(list[1].field(Mindestbestand), s("")) << "an empty minimum stays empty";
    EXPECT_FALSE(QFile::exists(ws().markerPath()));
    EXPECT_TRUE(t.prompter.failures().isEmpty());
}

TEST_F(Switching, CancelStopsAtOnceAndKeepsWhatWasRounded)
{
    t.prompter.expectAsk(86, base::Answer::Ok).expectAsk(86, base::Answer::Cancel);
    EXPECT_EQ(switchToWholePieces(ws()), WholePiecesResult::Cancelled);
    const ArticleList list = onDisk();
    EXPECT_EQ(list[0].field(Mindestbestand), s("2"));
    EXPECT_EQ(list[1].field(Menge), s("1,5"));
    EXPECT_FALSE(QFile::exists(ws().markerPath()));
    EXPECT_TRUE(t.prompter.failures().isEmpty());
}

TEST_F(Switching, AnotherWorkstationInTheWritePhaseChangesNothing)
{
    ASSERT_TRUE(base::MarkerFile(ws().markerPath()).tryCreate());
    const auto before = t.folderBytes();
    t.prompter.expectAsk(42, base::Answer::Cancel);
    EXPECT_EQ(switchToWholePieces(ws()), WholePiecesResult::AccessRefused);
    EXPECT_EQ(t.folderBytes(), before);
}

}  // namespace
