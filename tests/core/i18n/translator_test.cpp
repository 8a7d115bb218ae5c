#include "core/i18n/message_table.h"
#include "core/i18n/translator.h"

#include "support/temp_workspace.h"

#include <QFile>

#include <gtest/gtest.h>

using namespace morvane;
using namespace morvane::i18n;

TEST(MessageTable, NumbersAndExactTexts)
{
    struct Case { int number; const char *text; };
    const Case cases[] = {
        {1, "Bitte schließen Sie das Programm und starten Sie es erneut!"},
        {3, "Menge "},
        {4, " wird von Artikelbestand "},
        {18, ""},
        {42, "Ein anderer Nutzer will gerade die Daten verändern. Sie müssen warten bis die Änderung abgeschlossen "
             "wurde. Wenn Sie trotzdem den Bearbeitungsvorgang fortsetzen wollen, klicken Sie auf \"NEIN\"."},
        {241, "\". In der Datenbank existiert dieser ähnliche Eintrag bereits: \""},
        {266, "Artikel neu anlegen?"},
    };
    for (const Case &c : cases) {
        EXPECT_TRUE(MessageTable::exists(c.number)) << c.number;
        EXPECT_EQ(MessageTable::german(c.number), QString::fromUtf8(c.text)) << c.number;
    }
    int used = 0;
    for (int n = 1; n <= MessageTable::kCount; ++n)
        used += MessageTable::exists(n);
    EXPECT_GT(used, 200);
    EXPECT_FALSE(MessageTable::exists(16));
    for (int n : {0, 267, -1})
        EXPECT_TRUE(MessageTable::german(n).isEmpty());
}

TEST(Translator, TranslatesKeepingBlanksAndAddsUnknownTexts)
{
    Dictionary dictionary;
    const int menge = dictionary.add(QStringLiteral("Menge"));
    dictionary.setText(menge, 1, QStringLiteral("Quantity"));
    dictionary.add(QStringLiteral("Barcode"));
    Translator t(dictionary);
    t.setLanguage(1);
    EXPECT_EQ(t.translate(QStringLiteral("  Menge ")), QStringLiteral("  Quantity "));
    EXPECT_EQ(t.translate(QStringLiteral("Barcode")), QStringLiteral("Barcode")) << "empty slot falls back to German";
    EXPECT_FALSE(t.isDirty());
    EXPECT_EQ(t.translate(QStringLiteral(" Neu ")), QStringLiteral(" Neu "));
    EXPECT_TRUE(t.isDirty());
    EXPECT_GE(dictionary.find(QStringLiteral("Neu")), 0) << "stored without its blanks";
    EXPECT_EQ(t.translate(QStringLiteral("   ")), QStringLiteral("   "));
    EXPECT_TRUE(t.message(0).isEmpty());
    t.setLanguage(99);
    EXPECT_EQ(t.language(), 0);
}

TEST(Dictionary, FileRoundTripAndDamagedFiles)
{
    Dictionary d;
    const int e = d.add(QString::fromUtf8("Grüße"));
    d.setText(e, 29, QString::fromUtf8("こんにちは"));
    const QByteArray bytes = d.serialize();
    Dictionary back;
    ASSERT_EQ(back.parse(bytes), Dictionary::LoadStatus::Loaded);
    EXPECT_EQ(back.entry(0).texts, d.entry(0).texts);

    // A count the file cannot hold: corrupted, entries read so far kept.
    QByteArray twice = Dictionary(d).serialize();
    twice[4] = 3;  // claims three entries, holds one
    EXPECT_EQ(back.parse(twice), Dictionary::LoadStatus::Corrupted);
    EXPECT_EQ(back.size(), 1);
    for (qsizetype cut = 0; cut < bytes.size(); ++cut)
        back.parse(bytes.left(cut));

    // Millions of entries without slots take no bytes in the file.
    EXPECT_EQ(back.parse(QByteArray("\x00\x00\x00\x00\x01\x00\x00\x01", 8)), Dictionary::LoadStatus::Corrupted);
    EXPECT_EQ(back.size(), 0);
}

TEST(Dictionary, CorruptFileIsKeptAsideAndAnnounced)
{
    test::TempWorkspace t;
    const QString path = t.ws->folders.appdatapath + QStringLiteral("translate.dat");
    test::writeAll(path, QByteArray("\x1e\x00\x00\x00\xff\xff\x00\x00", 8));
    t.prompter.expectInform(0);
    EXPECT_EQ(t.ws->loadDictionary(), Dictionary::LoadStatus::Corrupted);
    EXPECT_TRUE(QFile::exists(path + QStringLiteral(".corrupt")));
    EXPECT_TRUE(t.prompter.failures().isEmpty());
}

TEST(Translator, ManyNewTextsAreSavedOnce)
{
    test::TempWorkspace t;
    for (int i = 0; i < 5000; ++i)
        t.ws->translator.translate(QStringLiteral("Neuer Text %1").arg(i));
    const QString path = t.ws->folders.appdatapath + QStringLiteral("translate.dat");
    EXPECT_FALSE(QFile::exists(path)) << "nothing is written per text";
    ASSERT_TRUE(t.ws->saveDictionaryIfChanged());
    Dictionary reread;
    ASSERT_EQ(reread.parse(test::readAll(path)), Dictionary::LoadStatus::Loaded);
    EXPECT_EQ(reread.size(), 5000);
}
