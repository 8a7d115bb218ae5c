#include "core/base/binary_writer.h"
#include "core/settings/options_file.h"
#include "core/settings/options_store.h"

#include "support/temp_workspace.h"

#include <gtest/gtest.h>

using namespace morvane;
using namespace morvane::settings;

namespace {

Options sampleOptions()
{
    Options o;
    o.language = 1;
    o.adminSwitch[4] = false;
    o.adminSwitch[20] = false;
    o.adminPassword = QString::fromUtf8("Geheim ä1");
    o.adminPasswordRepeat = o.adminPassword;
    o.cashBalance = 12.5;
    o.receiptNumber = 77;
    o.receiptHeader = QStringLiteral("Laden\r\nStraße 1");
    o.currency = QStringLiteral("CHF");
    o.defaultVat = 7.7;
    o.productEnabled = {true, false, true};
    o.productColumns = {1, 2, 3, 4, 5, 6, 7, 8, 9};
    o.ownCsvAssignment = true;
    o.csvAssignment = {QStringLiteral("1"), QStringLiteral("3")};
    o.receiptFixedWidthColumns = false;
    o.doNotAllowNein = true;
    o.predefinedStoragePlaces = QStringLiteral("R1\r\nR2");
    return o;
}

}  // namespace

TEST(OptionsFile, RoundTripKeepsEveryGroupAndThePassword)
{
    i18n::Dictionary dictionary;
    const int warehouse = dictionary.add(QStringLiteral("Didur 3"));
    dictionary.setText(warehouse, 3, QStringLiteral("Keller"));
    const Options o = sampleOptions();
    const QByteArray bytes = OptionsFile::serialize(o, dictionary);
    EXPECT_FALSE(bytes.contains("Geheim")) << "the password is stored scrambled";

    i18n::Dictionary reader;
    const int entry = reader.add(QStringLiteral("Didur 3"));
    const OptionsFile::Loaded loaded = OptionsFile::parse(bytes, reader);
    EXPECT_EQ(loaded.groupsRead, 24);
    EXPECT_EQ(loaded.options, o);
    EXPECT_TRUE(loaded.dictionaryChanged);
    EXPECT_EQ(reader.entry(entry).texts[3], QStringLiteral("Keller"));
}

TEST(OptionsFile, OldAndShortFilesKeepDefaults)
{
    i18n::Dictionary dictionary;
    base::BinaryWriter onlyLanguage;
    onlyLanguage.writeInt32(0);
    const Options german = OptionsFile::parse(onlyLanguage.data(), dictionary).options;
    EXPECT_EQ(german.language, 3);
    EXPECT_EQ(german, [] { Options d; d.language = 3; return d; }());

    // Cut anywhere: never a crash, and a group cut part-way is dropped whole.
    const QByteArray full = OptionsFile::serialize(sampleOptions(), dictionary);
    for (qsizetype cut = 0; cut < full.size(); cut += 3)
        OptionsFile::parse(full.left(cut), dictionary);
    base::BinaryWriter partial;
    partial.writeInt32(1);
    for (int i = 0; i < 11; ++i)
        partial.writeBool(i != 3);  // switch 4 off ...
    partial.writeText(QStringLiteral("x"));  // ... but the repetition is missing
    const Options cut = OptionsFile::parse(partial.data(), dictionary).options;
    EXPECT_TRUE(cut.adminSwitch[4]) << "the half group must not apply";
    EXPECT_EQ(cut.language, 1);

    // A CSV grid count larger than the data ends reading without harm.
    Options many = sampleOptions();
    many.csvAssignment = QStringList(150, QStringLiteral("9"));
    EXPECT_EQ(OptionsFile::parse(OptionsFile::serialize(many, dictionary), dictionary).options.csvAssignment.size(), 100);
}

TEST(OptionsStore, SavingKeepsAnotherWorkstationsChanges)
{
    test::TempWorkspace a;
    base::ScriptedPrompter prompterB;
    app::Workspace b(a.ws->folders, a.clock, prompterB);
    OptionsStore::LoadOptions(*a.ws);
    OptionsStore::LoadOptions(b);

    b.options.adminPassword = QStringLiteral("neu");
    b.options.adminSwitch[1] = false;
    ASSERT_TRUE(OptionsStore::SaveOptions(b));

    a.ws->options.defaultVat = 7;  // A changed only the VAT
    ASSERT_TRUE(OptionsStore::SaveOptions(*a.ws));

    test::TempWorkspace fresh;
    app::Workspace c(a.ws->folders, a.clock, fresh.prompter);
    OptionsStore::LoadOptions(c);
    EXPECT_EQ(c.options.adminPassword, QStringLiteral("neu"));
    EXPECT_FALSE(c.options.adminSwitch[1]);
    EXPECT_EQ(c.options.defaultVat, 7);
}
