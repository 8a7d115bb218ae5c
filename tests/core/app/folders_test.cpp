#include "core/app/data_folder.h"
#include "core/app/folders.h"
#include "core/settings/admin_options_file.h"

#include "support/temp_workspace.h"

#include <QDir>

#include <gtest/gtest.h>

using namespace morvane;
using namespace morvane::app;

TEST(CommandLine, OnlyTheExactFormsCount)
{
    struct Case { QStringList args; bool show; const char *setPath; };
    const Case cases[] = {
        {{u"-showpath"_qs}, true, nullptr},
        {{u"-SHOWPATH"_qs}, false, nullptr},
        {{u"-setpath"_qs, u"/daten/lager"_qs}, false, "/daten/lager/"},
        {{u"-setpath"_qs, u"/daten/lager/"_qs}, false, "/daten/lager/"},
        {{u"-setpath"_qs, u"/a"_qs, u"/b"_qs}, false, nullptr},
        {{u"-showpath"_qs, u"-setpath"_qs}, false, nullptr},
        {{}, false, nullptr},
    };
    for (const Case &c : cases) {
        const CommandLine line = CommandLine::parse(c.args);
        EXPECT_EQ(line.showPath, c.show) << c.args.join(u' ').toStdString();
        EXPECT_EQ(line.setPath.value_or(QString()), QString::fromUtf8(c.setPath ? c.setPath : ""));
    }
}

TEST(DataFolder, ChoiceWriteTestAndCommandLine)
{
    test::TempWorkspace t;
    QTemporaryDir userHome;
    qputenv("XDG_DATA_HOME", userHome.path().toUtf8());
    const QString userFolder = userHome.path() + QStringLiteral("/Korvell/Tessaro/");
    const QString unwritable = t.path(QStringLiteral("a-file"));
    test::writeAll(unwritable, "x");  // a file, so no "test.dat" can be made inside it
    const QString adminFile = t.ws->folders.appdatapath + QStringLiteral("adminoptions.dat");

    // The default is the per-user folder, created on demand.
    DataFolderDecision d = chooseDataFolder(*t.ws, DataFolderChoice(), CommandLine());
    EXPECT_EQ(d.progpath, userFolder);
    EXPECT_TRUE(QDir(userFolder).exists());
    EXPECT_FALSE(d.choiceChanged);

    // A special folder that cannot be written: "Ja" switches and stores it.
    t.prompter.expectAsk(233, base::Answer::Yes);
    d = chooseDataFolder(*t.ws, {DataFolderChoice::Kind::SpecialFolder, unwritable}, CommandLine());
    EXPECT_EQ(d.progpath, userFolder);
    EXPECT_EQ(settings::AdminOptionsFile::load(adminFile).kind, DataFolderChoice::Kind::UserFolder);
    EXPECT_TRUE(t.prompter.failures().isEmpty());

    // "Nein" keeps the folder as chosen.
    t.prompter.expectAsk(233, base::Answer::No);
    d = chooseDataFolder(*t.ws, {DataFolderChoice::Kind::SpecialFolder, unwritable}, CommandLine());
    EXPECT_EQ(d.progpath, unwritable + u'/');

    // -setpath wins for this run and stores nothing.
    const DataFolderChoice special{DataFolderChoice::Kind::SpecialFolder, t.dir.path()};
    ASSERT_TRUE(settings::AdminOptionsFile::save(adminFile, special));
    d = chooseDataFolder(*t.ws, special, CommandLine::parse({u"-setpath"_qs, u"/elsewhere"_qs}));
    EXPECT_EQ(d.progpath, QStringLiteral("/elsewhere/"));
    EXPECT_EQ(settings::AdminOptionsFile::load(adminFile), special);
    EXPECT_FALSE(QFile::exists(t.path(QStringLiteral("test.dat"))));
}

TEST(AdminOptionsFile, ShortOrMissingFilesKeepTheDefault)
{
    test::TempWorkspace t;
    const QString path = t.path(QStringLiteral("adminoptions.dat"));
    EXPECT_EQ(settings::AdminOptionsFile::load(path).kind, DataFolderChoice::Kind::UserFolder);
    test::writeAll(path, QByteArray("\x03\x00\x00\x00/ab\x01", 8));  // folder and first flag only
    const DataFolderChoice old = settings::AdminOptionsFile::load(path);
    EXPECT_EQ(old.kind, DataFolderChoice::Kind::SpecialFolder);
    EXPECT_EQ(old.specialFolder, QStringLiteral("/ab"));
    test::writeAll(path, QByteArray("\x40\x00\x00\x00/ab", 7));
    EXPECT_EQ(settings::AdminOptionsFile::load(path).kind, DataFolderChoice::Kind::UserFolder);
}
