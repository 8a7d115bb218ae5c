#include "core/articles/article_io.h"
#include "core/articles/shared_access.h"
#include "core/base/marker_file.h"

#include "support/temp_workspace.h"

#include <QDir>
#include <QFile>
#include <QThread>

#include <gtest/gtest.h>

using namespace morvane;
using namespace morvane::articles;
using morvane::test::makeArticle;
using morvane::test::TempWorkspace;

TEST(ArticleIo, SaveThenOpenRestoresListAndDeletesTheMarker)
{
    TempWorkspace t;
    t.ws->articles = {makeArticle(QStringLiteral("Schraube"), {{Menge, QStringLiteral("4")}})};
    t.ws->articleSettings.sortspalte = 3;
    ASSERT_EQ(SaveFile(*t.ws), SaveResult::Saved);
    EXPECT_FALSE(QFile::exists(t.path(QStringLiteral("templager.dat"))));

    t.ws->articles.clear();
    t.ws->articleSettings.sortspalte = 0;
    ASSERT_EQ(OpenFile(*t.ws), ReadResult::Read);
    ASSERT_EQ(t.ws->articles.size(), 1u);
    EXPECT_EQ(t.ws->articleSettings.sortspalte, 3);
    EXPECT_FALSE(QFile::exists(t.ws->markerPath()));
    EXPECT_TRUE(t.prompter.failures().isEmpty()) << t.prompter.failures().join(u'\n').toStdString();
}

TEST(ArticleIo, MissingFileKeepsTheListQuietly)
{
    TempWorkspace t;
    t.ws->articles = {makeArticle(QStringLiteral("bleibt"))};
    EXPECT_EQ(OpenFile(*t.ws), ReadResult::Missing);
    EXPECT_EQ(t.ws->articles.size(), 1u);
    EXPECT_TRUE(t.prompter.shown().isEmpty());
}

TEST(ArticleIo, ReadingABackupTakesTheAgeOfTheWarehouseFile)
{
    TempWorkspace t;
    t.ws->articles = {makeArticle(QStringLiteral("A"))};
    ASSERT_EQ(SaveFileUnderName(*t.ws, t.path(QStringLiteral("sicherung.bck"))), SaveResult::Saved);
    EXPECT_FALSE(t.ws->kownfileage.exists());
    ASSERT_EQ(OpenFileFromName(*t.ws, t.path(QStringLiteral("sicherung.bck"))), ReadResult::Read);
    EXPECT_FALSE(t.ws->kownfileage.exists()) << "lager.dat does not exist";
}

TEST(ArticleIo, FailedSaveReportsAndLeavesTheOldFile)
{
    TempWorkspace t;
    t.ws->articles = {makeArticle(QStringLiteral("alt"))};
    ASSERT_EQ(SaveFile(*t.ws), SaveResult::Saved);
    const QByteArray before = test::readAll(t.ws->articleFilePath());
    // A folder in the way of the work file makes the write fail, even for root.
    ASSERT_TRUE(QDir(t.dir.path()).mkdir(QStringLiteral("templager.dat")));
    t.prompter.expectInform(12);
    t.ws->articles.push_back(makeArticle(QStringLiteral("neu")));
    EXPECT_EQ(SaveFile(*t.ws), SaveResult::IoError);
    EXPECT_EQ(test::readAll(t.ws->articleFilePath()), before);
    EXPECT_TRUE(t.prompter.failures().isEmpty());
}

TEST(ArticleIo, SaveIntoAMissingFolderIsReported)
{
    TempWorkspace t;
    t.prompter.expectInform(12);
    EXPECT_EQ(SaveFileUnderName(*t.ws, t.path(QStringLiteral("fehlt/lager.dat"))), SaveResult::IoError);
    EXPECT_TRUE(t.prompter.failures().isEmpty());
}

TEST(SharedAccess, MarkerOfAnotherWorkstation)
{
    struct Case {
        base::Answer answer;
        bool forbidNein;
        bool expectRead;
        int extraMessage;
    };
    const Case cases[] = {
        {base::Answer::Yes, false, false, 0},
        {base::Answer::Cancel, false, false, 0},
        {base::Answer::No, false, true, 0},
        {base::Answer::No, true, false, 231},
    };
    for (const Case &c : cases) {
        TempWorkspace t;
        t.ws->articles = {makeArticle(QStringLiteral("auf Platte"))};
        ASSERT_EQ(SaveFile(*t.ws), SaveResult::Saved);
        t.ws->articles.clear();
        t.ws->options.doNotAllowNein = c.forbidNein;
        base::MarkerFile(t.ws->markerPath()).touch();
        t.prompter.expectAsk(42, c.answer);
        if (c.extraMessage)
            t.prompter.expectInform(c.extraMessage);
        const ReadResult result = OpenFile(*t.ws);
        EXPECT_EQ(result == ReadResult::Read, c.expectRead);
        EXPECT_EQ(t.ws->articles.size(), c.expectRead ? 1u : 0u);
        // Proceeding with "No" takes over the phase and ends it.
        EXPECT_EQ(QFile::exists(t.ws->markerPath()), !c.expectRead);
        EXPECT_TRUE(t.prompter.finished());
        EXPECT_TRUE(t.prompter.failures().isEmpty()) << t.prompter.failures().join(u'\n').toStdString();
    }
}

TEST(SharedAccess, WritePhaseFirstCatchesUpWithAnotherWorkstationsSave)
{
    TempWorkspace a;
    base::FixedClock clock(QDateTime::currentDateTime());
    base::ScriptedPrompter prompterB;
    app::Workspace b(a.ws->folders, clock, prompterB);

    a.ws->articles = {makeArticle(QStringLiteral("eins"))};
    ASSERT_EQ(SaveFile(*a.ws), SaveResult::Saved);
    ASSERT_EQ(OpenFile(b), ReadResult::Read);
    QThread::msleep(20);
    a.ws->articles.push_back(makeArticle(QStringLiteral("zwei")));
    ASSERT_EQ(SaveFile(*a.ws), SaveResult::Saved);

    ASSERT_TRUE(SharedAccess::canwritenow(b));
    EXPECT_EQ(b.articles.size(), 2u) << "B must not overwrite A's article";
    b.articles.push_back(makeArticle(QStringLiteral("drei")));
    ASSERT_EQ(SaveFile(b), SaveResult::Saved);
    SharedAccess::EndWriteMow(b);
    EXPECT_FALSE(QFile::exists(b.markerPath()));
    ASSERT_TRUE(SharedAccess::IstDBAktuell(*a.ws));
    EXPECT_EQ(a.ws->articles.size(), 3u);
}
