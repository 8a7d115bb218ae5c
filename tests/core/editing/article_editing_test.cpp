#include "core/articles/article_editing.h"
#include "core/articles/article_file.h"
#include "core/articles/article_io.h"
#include "core/base/cp1252.h"
#include "core/base/marker_file.h"

#include "support/temp_workspace.h"

#include <QFile>

#include <gtest/gtest.h>

using namespace morvane;
using namespace morvane::articles;
using test::makeArticle;

namespace {

struct Editing : ::testing::Test {
    Editing()
    {
        ws().format = base::FormatSettings::german();
        session.userName = QStringLiteral("Erika");
    }

    app::Workspace &ws() { return *t.ws; }

    void store(ArticleList list)
    {
        ws().articles = std::move(list);
        ASSERT_EQ(SaveFile(ws()), SaveResult::Saved);
    }

    ArticleList onDisk() const
    {
        return ArticleFile::parse(test::readAll(t.path(QStringLiteral("lager.dat"))), ArticleFileSettings()).articles;
    }

    QStringList protocol() const
    {
        return base::Cp1252::decode(test::readAll(t.path(QStringLiteral("protokoll.txt"))))
            .split(QStringLiteral("\r\n"), Qt::SkipEmptyParts);
    }

    bool markerGone() const { return !QFile::exists(t.path(QStringLiteral("lagerschreibe.dat"))); }

    test::TempWorkspace t;
    settings::Session session;
};

}  // namespace

TEST_F(Editing, CreatePrefillsAndSavesWithComputedValues)
{
    store({makeArticle(QStringLiteral("Schraube"), {{ArtikelNr, QStringLiteral("7\r\n12a")}, {Barcode, QStringLiteral("00000017")}}),
           makeArticle(QStringLiteral("Mutter"), {{ArtikelNr, QStringLiteral("3")}})});
    ws().options.defaultVat = 7.5;
    EditingOptions options;
    options.barcodePreset = BarcodePreset::FreeEan8;
    options.autoNumberOnCreate = true;
    options.firstFreeColumnPreset = QStringLiteral("Regal");

    ArticleEditor editor(ws(), session);
    Article draft;
    ASSERT_EQ(editor.beginCreate(options, draft), EditResult::Created);
    EXPECT_FALSE(markerGone()) << "the dialog runs inside the write phase";
    EXPECT_EQ(draft.field(ArtikelNr), QStringLiteral("8"));
    EXPECT_EQ(draft.field(Barcode), QStringLiteral("00000024"));
    EXPECT_EQ(draft.field(FreieSpalte1), QStringLiteral("Regal"));
    EXPECT_EQ(draft.field(LetzterBenutzer), QStringLiteral("Erika"));
    EXPECT_EQ(draft.field(MwstSatz), QStringLiteral("7,5"));
    EXPECT_EQ(draft.field(Erstellungsdatum), QStringLiteral("11.12.2026"));

    draft.name = QStringLiteral("Dübel");
    draft.field(Menge) = QStringLiteral("2,50");
    draft.field(EkPreis) = QStringLiteral("1,10");
    draft.field(VkPreis) = QStringLiteral("abc");
    draft.field(Haltbarkeit) = QStringLiteral("30");
    ASSERT_TRUE(editor.confirmNumber(draft));
    ASSERT_EQ(editor.commit(draft, true), EditResult::Created);
    EXPECT_EQ(editor.row(), 2);
    EXPECT_TRUE(markerGone());

    const ArticleList disk = onDisk();
    ASSERT_EQ(disk.size(), 3u);
    EXPECT_EQ(disk[2].name, QStringLiteral("Dübel"));
    EXPECT_EQ(disk[2].field(Wert), QStringLiteral("2,75"));
    EXPECT_EQ(disk[2].field(GesamtVk), QStringLiteral("0")) << "a price that is no number gives 0";
    EXPECT_EQ(disk[2].field(Haltbarkeitsdatum), QStringLiteral("10.01.2027"));
    EXPECT_EQ(protocol().value(0), QStringLiteral("Neuer Artikel angelegt: Dübel"));
    EXPECT_TRUE(t.prompter.failures().isEmpty()) << t.prompter.failures().join(u'\n').toStdString();
}

TEST_F(Editing, DuplicateNumberAsksAndNoKeepsTheDialogOpen)
{
    store({makeArticle(QStringLiteral("Schraube"), {{ArtikelNr, QStringLiteral("100\r\n200")}})});
    ArticleEditor editor(ws(), session);
    Article draft;
    ASSERT_EQ(editor.beginCreate({}, draft), EditResult::Created);
    draft.name = QStringLiteral("Nagel");
    draft.field(ArtikelNr) = QStringLiteral("200");
    t.prompter.expectAsk(37, base::Answer::No).expectAsk(37, base::Answer::Yes);
    EXPECT_FALSE(editor.confirmNumber(draft));
    EXPECT_TRUE(editor.isOpen());
    EXPECT_TRUE(editor.confirmNumber(draft));
    EXPECT_EQ(editor.commit(draft, false), EditResult::Created);
    EXPECT_EQ(onDisk().size(), 2u);
    EXPECT_TRUE(t.prompter.finished());
}

TEST_F(Editing, EditWritesBackAndRecordsTheEditingUser)
{
    store({makeArticle(QStringLiteral("Schraube"), {{ArtikelNr, QStringLiteral("5")}, {LetzterBenutzer, QStringLiteral("Max")}}),
           makeArticle(QStringLiteral("Mutter"), {{ArtikelNr, QStringLiteral("6")}})});
    ArticleEditor editor(ws(), session);
    Article draft;
    ASSERT_EQ(editor.beginEdit(1, draft), EditResult::Saved);
    EXPECT_EQ(draft.field(LetzterBenutzer), QStringLiteral("Erika"));
    draft.field(Menge) = QStringLiteral("4");
    draft.field(VkPreis) = QStringLiteral("0,25");
    EXPECT_TRUE(editor.confirmNumber(draft)) << "its own number is no duplicate";
    ASSERT_EQ(editor.commit(draft, false), EditResult::Saved);
    const ArticleList disk = onDisk();
    ASSERT_EQ(disk.size(), 2u);
    EXPECT_EQ(disk[1].field(GesamtVk), QStringLiteral("1,00"));
    EXPECT_EQ(disk[1].field(LetzterBenutzer), QStringLiteral("Erika"));
    EXPECT_EQ(protocol().value(0), QStringLiteral("Artikel bearbeitet: Mutter Neue Menge: 4"));
}

TEST_F(Editing, EditFindsItsArticleWhenAnotherWorkstationSavedMeanwhile)
{
    store({makeArticle(QStringLiteral("A")), makeArticle(QStringLiteral("B"))});
    // Another workstation puts an article in front and saves.
    {
        base::ScriptedPrompter quiet;
        app::Workspace other(ws().folders, t.clock, quiet);
        other.articles = {makeArticle(QStringLiteral("Neu")), makeArticle(QStringLiteral("A")), makeArticle(QStringLiteral("B"))};
        ASSERT_EQ(SaveFile(other), SaveResult::Saved);
    }
    ws().kownfileage = {};  // this workstation has not seen that save
    ArticleEditor editor(ws(), session);
    Article draft;
    ASSERT_EQ(editor.beginEdit(1, draft), EditResult::Saved);
    EXPECT_EQ(draft.name, QStringLiteral("B"));
    EXPECT_EQ(editor.row(), 2);
}

TEST_F(Editing, DuplicateAppendsACopyWithANewNumberAndCancelAddsNothing)
{
    store({makeArticle(QStringLiteral("Schraube"), {{ArtikelNr, QStringLiteral("9")}, {Barcode, QStringLiteral("123")}})});
    EditingOptions options;
    options.autoNumberOnDuplicate = true;
    {
        ArticleEditor editor(ws(), session);
        Article draft;
        ASSERT_EQ(editor.beginDuplicate(0, options, draft), EditResult::Created);
        editor.cancel();
    }
    EXPECT_EQ(ws().articles.size(), 1u);
    EXPECT_TRUE(markerGone());

    ArticleEditor editor(ws(), session);
    Article draft;
    ASSERT_EQ(editor.beginDuplicate(0, options, draft), EditResult::Created);
    EXPECT_EQ(draft.field(ArtikelNr), QStringLiteral("10"));
    EXPECT_EQ(draft.field(Barcode), QStringLiteral("123"));
    ASSERT_EQ(editor.commit(draft, false), EditResult::Created);
    const ArticleList disk = onDisk();
    ASSERT_EQ(disk.size(), 2u);
    EXPECT_EQ(disk[1].name, QStringLiteral("Schraube"));
    EXPECT_EQ(disk[1].field(ArtikelNr), QStringLiteral("10"));
}

TEST_F(Editing, RefusedOperationsChangeNothing)
{
    store({makeArticle(QStringLiteral("A"))});
    const QByteArray file = test::readAll(t.path(QStringLiteral("lager.dat")));

    // Another workstation holds the write phase; the user answers Cancel.
    ASSERT_TRUE(base::MarkerFile(t.path(QStringLiteral("lagerschreibe.dat"))).tryCreate());
    t.prompter.expectAsk(42, base::Answer::Cancel).expectAsk(42, base::Answer::Cancel);
    {
        ArticleEditor editor(ws(), session);
        Article draft;
        EXPECT_EQ(editor.beginCreate({}, draft), EditResult::AccessRefused);
    }
    EXPECT_EQ(deleteArticles(ws(), session, {0}, 0).result, EditResult::AccessRefused);
    QFile::remove(t.path(QStringLiteral("lagerschreibe.dat")));

    // Rights: the administrator switch "Löschen" off, or a read-only user.
    ws().options.adminSwitch[settings::RightLoeschen] = false;
    EXPECT_EQ(deleteArticles(ws(), session, {0}, 0).result, EditResult::NotPermitted);
    ws().options.adminSwitch[settings::RightLoeschen] = true;
    session.aktusercannotwrite = true;
    ArticleEditor editor(ws(), session);
    Article draft;
    EXPECT_EQ(editor.beginEdit(0, draft), EditResult::NotPermitted);
    session.isloggedin = true;  // the administrator lifts every restriction
    EXPECT_EQ(editor.beginEdit(0, draft), EditResult::Saved);
    draft.name.clear();
    EXPECT_EQ(editor.commit(draft, false), EditResult::Invalid);
    editor.cancel();

    EXPECT_EQ(test::readAll(t.path(QStringLiteral("lager.dat"))), file);
    EXPECT_EQ(ws().articles.size(), 1u);
    EXPECT_TRUE(markerGone());
    EXPECT_TRUE(t.prompter.finished());
}

TEST_F(Editing, DeleteSeveralWritesOneProtocolLine)
{
    store({makeArticle(QStringLiteral("A"), {{ArtikelNr, QStringLiteral("1")}}),
           makeArticle(QStringLiteral("B"), {{ArtikelNr, QStringLiteral("2")}}),
           makeArticle(QStringLiteral("C"), {{ArtikelNr, QStringLiteral("3")}}),
           makeArticle(QStringLiteral("D"), {{ArtikelNr, QStringLiteral("4")}})});
    t.prompter.expectAsk(14, base::Answer::No).expectAsk(14, base::Answer::Yes);
    EXPECT_EQ(deleteArticles(ws(), session, {0, 2, 3}, 2).result, EditResult::Cancelled);
    EXPECT_EQ(onDisk().size(), 4u);

    const DeleteOutcome out = deleteArticles(ws(), session, {3, 0, 2, 2}, 2);
    EXPECT_EQ(out.result, EditResult::Deleted);
    EXPECT_EQ(out.count, 3);
    EXPECT_EQ(out.deletedNumbers, (QStringList{QStringLiteral("1"), QStringLiteral("3"), QStringLiteral("4")}));
    ASSERT_EQ(t.prompter.shown().size(), 2);
    EXPECT_TRUE(t.prompter.shown()[1].text.endsWith(QStringLiteral("C")));
    const ArticleList disk = onDisk();
    ASSERT_EQ(disk.size(), 1u);
    EXPECT_EQ(disk[0].name, QStringLiteral("B"));
    const QStringList lines = protocol();
    ASSERT_EQ(lines.size(), 1);
    EXPECT_TRUE(lines[0].startsWith(QStringLiteral("3 Artikel gelöscht (C) "))) << lines[0].toStdString();
    EXPECT_TRUE(lines[0].endsWith(QStringLiteral("11.12.2026 / 12:00:00"))) << lines[0].toStdString();
}

TEST_F(Editing, VatForAll)
{
    store({makeArticle(QStringLiteral("A"), {{Menge, QStringLiteral("5,00")}, {Mindestbestand, QStringLiteral("2,4")}}),
           makeArticle(QStringLiteral("B"), {{Menge, QStringLiteral("x")}, {Mindestbestand, QString()}}),
           makeArticle(QStringLiteral("C"), {{Menge, QStringLiteral("1,5")}})});

    t.prompter.expectAsk(79, base::Answer::Yes);
    EXPECT_TRUE(confirmVatForAll(ws()));
    EXPECT_EQ(setVatForAll(ws(), *base::Decimal::parse(u"16,0", u',')), EditResult::Saved);
    for (const Article &a : onDisk())
        EXPECT_EQ(a.field(MwstSatz), QStringLiteral("16"));

    EXPECT_TRUE(markerGone());
    EXPECT_TRUE(t.prompter.finished());
}

TEST(EditingHelpers, ComputedFieldsAndCaseVariants)
{
    const auto f = base::FormatSettings::german();
    EXPECT_EQ(productText(QStringLiteral("3"), QStringLiteral("0,335"), f), QStringLiteral("1,01"));
    EXPECT_EQ(productText(QStringLiteral("3abc"), QStringLiteral("1"), f), QStringLiteral("0"));
    EXPECT_EQ(productText(QString(), QStringLiteral("1"), f), QStringLiteral("0"));
    EXPECT_EQ(expiryFromShelfLife(QStringLiteral("2,5"), QDate(2026, 1, 1), f), QString());
    EXPECT_EQ(expiryFromShelfLife(QStringLiteral("99999999999"), QDate(2026, 1, 1), f), QString());
    const QStringList list{QStringLiteral("Regal A"), QStringLiteral("Keller")};
    EXPECT_EQ(caseVariantEntry(QStringLiteral("regal a"), list), QStringLiteral("Regal A"));
    EXPECT_EQ(caseVariantEntry(QStringLiteral("Keller"), list), QString());
    EXPECT_EQ(caseVariantEntry(QStringLiteral("Dach"), list), QString());
}
