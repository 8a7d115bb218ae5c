// The journal window, its print preview and the journal functions of the
// main window, driven through their controls.
#include "core/articles/article_io.h"
#include "core/booking/journal.h"
#include "ui/app/main_form.h"
#include "ui/app/main_menu.h"
#include "ui/booking/beste_kunden_form.h"
#include "ui/booking/buch_print_pre_form.h"
#include "ui/booking/buch_spalten_ausblenden_form.h"
#include "ui/booking/buchung_form.h"
#include "ui/booking/journal_actions.h"
#include "ui/booking/kommando_form.h"
#include "ui/booking/protokoll_drucken_form.h"

#include "support/temp_workspace.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QHeaderView>
#include <QLineEdit>
#include <QMessageBox>
#include <QPrinter>
#include <QPushButton>
#include <QTableView>
#include <QTableWidget>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

using namespace morvane;
using test::s;
using namespace morvane::booking;

namespace {

void addRecord(app::Workspace &ws, std::initializer_list<std::pair<int, const char *>> fields)
{
    JournalRecord r;
    for (const auto &[f, v] : fields)
        r[std::size_t(f)] = s(v);
    ASSERT_TRUE(appendJournalRecord(ws, r).ok);
}

// Runs `check` on the next modal window once it shows, then closes it.
void onNextModal(std::function<void(QWidget *)> check)
{
    QTimer::singleShot(0, [check] {
        QTest::qWaitFor([] { return QApplication::activeModalWidget() != nullptr; }, 5000);
        QWidget *w = QApplication::activeModalWidget();
        ASSERT_NE(w, nullptr);
        check(w);
        QMetaObject::invokeMethod(w, "accept", Qt::QueuedConnection);
    });
}

struct JournalWindow : ::testing::Test {
    JournalWindow()
    {
        ws().format = base::FormatSettings::german();
        ws().articles = {test::makeArticle(s("Schraube"), {{articles::Menge, s("3")}})};
        EXPECT_EQ(articles::SaveFile(ws()), articles::SaveResult::Saved);
        addRecord(ws(), {{JKind, "-"}, {JArticle, "Zange"}, {JDate, "01.12.2026"}, {JCustomer, "Kunde A"},
                         {JCostcenter, "K2"}});
        addRecord(ws(), {{JKind, "+"}, {JArticle, "Hammer"}, {JDate, "05.12.2026"}, {JCustomer, "Kunde AB"},
                         {JCostcenter, "K3"}});
        addRecord(ws(), {{JKind, "V"}, {JArticle, "Schraube"}, {JDate, "09.12.2026"}, {JCustomer, "kunde a"},
                         {JCostcenter, "K1"}});
        addRecord(ws(), {{JKind, "-"}, {JArticle, "Dübel"}, {JDate, ""}, {JCostcenter, "K0"}});
        form = std::make_unique<ui::TBuchungForm>(ws(), printer);
        form->reopen(false);
        form->show();
    }

    app::Workspace &ws() { return *t.ws; }
    QAbstractItemModel *model() { return form->grid()->model(); }
    // The article column of every row.
    QString articles()
    {
        QStringList out;
        for (int r = 0; r < model()->rowCount(); ++r)
            out << model()->index(r, JArticle).data().toString();
        return out.join(u',');
    }
    template <typename T>
    T *child(const char *name) { return form->findChild<T *>(QLatin1String(name)); }
    void click(const char *name) { child<QPushButton>(name)->click(); }
    // The journal settings as a fresh read of the article file has them.
    articles::ArticleFileSettings stored()
    {
        test::TempWorkspace other;
        app::Workspace reader(ws().folders, t.clock, t.prompter);
        EXPECT_EQ(articles::OpenFile(reader), articles::ReadResult::Read);
        return reader.articleSettings;
    }

    test::TempWorkspace t;
    QPrinter printer;
    std::unique_ptr<ui::TBuchungForm> form;
};

}  // namespace

TEST_F(JournalWindow, FiltersByTextAndDateAndRemovesTheFilter)
{
    EXPECT_EQ(form->windowTitle(), s("Buchungen"));
    EXPECT_EQ(model()->headerData(JArticle, Qt::Horizontal).toString(), s("ARTICLE"));
    EXPECT_EQ(articles(), s("Zange,Hammer,Schraube,Dübel"));

    QTest::keyClicks(child<QLineEdit>("FilterEd"), s("Kunde A"));
    click("FilterBtn");
    EXPECT_EQ(articles(), s("Zange,Hammer"));

    child<QLineEdit>("FilterEd")->clear();
    child<QDateEdit>("DateEd1")->setDate(QDate(2026, 12, 1));
    child<QDateEdit>("DateEd2")->setDate(QDate(2026, 12, 5));
    click("DatumFilternBtn");
    EXPECT_EQ(articles(), s("Zange,Hammer")) << "both bounds included, the undated record hidden";

    click("FilterEntfernenBtn");
    EXPECT_EQ(articles(), s("Zange,Hammer,Schraube,Dübel"));
    EXPECT_FALSE(form->table().isFiltered());
}

TEST_F(JournalWindow, SortsByArticleAndByCostCentre)
{
    child<QAction>("SortierennachArtikel1")->trigger();
    EXPECT_EQ(articles(), s("Dübel,Hammer,Schraube,Zange")) << "CP1252 byte order of the key";
    child<QAction>("SortiertnachKostenstelle1")->trigger();
    EXPECT_EQ(articles(), s("Dübel,Schraube,Zange,Hammer"));
    child<QAction>("Unsortiert1")->trigger();
    EXPECT_EQ(articles(), s("Zange,Hammer,Schraube,Dübel"));

    // The order and "Ganze Zeile markieren" come back with the window.
    child<QAction>("SortierennachArtikel1")->trigger();
    child<QAction>("GanzeZeilemarkieren1")->setChecked(true);
    form->hide();
    form = std::make_unique<ui::TBuchungForm>(ws(), printer);
    form->reopen(false);
    EXPECT_EQ(articles(), s("Dübel,Hammer,Schraube,Zange"));
    EXPECT_EQ(form->grid()->selectionBehavior(), QAbstractItemView::SelectRows);
    child<QAction>("GanzeZeilemarkieren1")->setChecked(false);
    child<QAction>("Unsortiert1")->trigger();
    form->hide();
}

TEST_F(JournalWindow, HiddenMovedAndRestoredColumnsAreSavedWithTheArticleFile)
{
    QHeaderView *header = form->grid()->horizontalHeader();
    onNextModal([](QWidget *w) {
        auto *grid = w->findChild<QTableWidget *>(QStringLiteral("StringGrid1"));
        ASSERT_NE(grid, nullptr);
        EXPECT_EQ(grid->item(JBarcode, 1)->text(), s("Sichtbar"));
        grid->setCurrentCell(JBarcode, 0);
        w->findChild<QPushButton *>(QStringLiteral("AusblendenBtn"))->click();
        EXPECT_EQ(grid->item(JBarcode, 1)->text(), s("Unsichtbar"));
        emit grid->cellDoubleClicked(JDate, 0);
        emit grid->cellDoubleClicked(JDate, 0);
        EXPECT_EQ(grid->item(JDate, 1)->text(), s("Sichtbar")) << "a double click toggles";
    });
    child<QAction>("SpaltenAusblenden1")->trigger();
    EXPECT_TRUE(header->isSectionHidden(JBarcode));
    EXPECT_FALSE(stored().buchspaltevis[JBarcode]);

    // Dragging "Amount" (visible position 3, Barcode hidden) to the front.
    header->moveSection(header->visualIndex(JAmount), 0);
    QApplication::processEvents();
    EXPECT_EQ(header->logicalIndex(0), JAmount);
    const articles::ArticleFileSettings after = stored();
    EXPECT_EQ(after.spaltedbf.at(0), JAmount);
    EXPECT_EQ(after.spaltedbf.at(3), JBarcode) << "the hidden field keeps its place";

    child<QAction>("SpaltenVoreinstellung1")->trigger();
    EXPECT_FALSE(header->isSectionHidden(JBarcode));
    EXPECT_EQ(header->logicalIndex(0), JKind);
    EXPECT_TRUE(stored().spaltedbf.isIdentity());
    EXPECT_TRUE(stored().buchspaltevis[JBarcode]);
}

TEST_F(JournalWindow, ExportWritesTheFilteredRecords)
{
    QTest::keyClicks(child<QLineEdit>("FilterEd"), s("Hammer"));
    click("FilterBtn");
    const QString path = t.path(s("export.csv"));
    ASSERT_TRUE(form->exportTo(path, false));
    const QByteArray bytes = test::readAll(path);
    EXPECT_EQ(bytes.count("\r\n"), 2) << "header and one record";
    EXPECT_TRUE(bytes.contains("\"+\";\"Hammer\""));
    EXPECT_TRUE(form->exportTo(t.path(s("summary.csv")), true));
}

TEST_F(JournalWindow, UndoAsksAndHandsTheMarkedRecordOn)
{
    std::vector<JournalRecord> undone;
    form->onUndo = [&](const JournalRecord &r) { undone.push_back(r); };
    form->grid()->setCurrentIndex(model()->index(1, JArticle));
    t.prompter.expectAsk(163, base::Answer::No);
    click("RueckgaengigBtn");
    EXPECT_TRUE(undone.empty());
    t.prompter.expectAsk(163, base::Answer::Yes);
    click("RueckgaengigBtn");
    ASSERT_EQ(undone.size(), 1u);
    EXPECT_EQ(undone[0][JArticle], s("Hammer"));
    EXPECT_EQ(undone[0][JKind], s("+"));
    EXPECT_EQ(t.prompter.shown().back().title, s("Rückgängig"));
    EXPECT_TRUE(t.prompter.failures().isEmpty()) << t.prompter.failures().join(u'\n').toStdString();
    if (const QByteArray shot = qgetenv("MORVANE_SCREENSHOT_JOURNAL"); !shot.isEmpty())
        form->grab().save(QString::fromLocal8Bit(shot));
}

TEST_F(JournalWindow, PreviewPagesForwardAndBack)
{
    for (int i = 0; i < 120; ++i)
        addRecord(ws(), {{JKind, i % 2 ? "V" : "+"}, {JArticle, "Schraube M6"}, {JAmount, "2,00"},
                         {JDate, "10.12.2026"}, {JTime, "10:00:00"}, {JPrice, "3,00"}});
    form->reopen(false);
    JournalPrintSettings settings;
    settings.columns[JPrice] = true;
    QPageLayout a4(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF());
    ui::TBuchPrintPreForm preview(settings, form->journalSource(), ws().translator, ws().format, a4);
    preview.show();
    ASSERT_GE(preview.pageCount(), 2);
    auto inked = [&] {
        int dark = 0;
        const QImage &img = preview.pageImage();
        for (int y = 0; y < img.height(); y += 3)
            for (int x = 0; x < img.width(); x += 3)
                dark += qGray(img.pixel(x, y)) < 128;
        return dark;
    };
    EXPECT_GT(inked(), 500);
    preview.findChild<QPushButton *>(QStringLiteral("WeiterBtn"))->click();
    EXPECT_EQ(preview.page(), 2);
    for (int i = 0; i < 10; ++i)
        preview.findChild<QPushButton *>(QStringLiteral("WeiterBtn"))->click();
    EXPECT_EQ(preview.page(), preview.pageCount()) << "stops at the last page";
    EXPECT_GT(inked(), 50);
    preview.findChild<QPushButton *>(QStringLiteral("ZurueckBtn"))->click();
    EXPECT_EQ(preview.page(), preview.pageCount() - 1);
    if (const QByteArray shot = qgetenv("MORVANE_SCREENSHOT_PREVIEW"); !shot.isEmpty()) {
        preview.showPage(1);
        preview.grab().save(QString::fromLocal8Bit(shot));
    }
}

TEST_F(JournalWindow, PrintDialogListsTheVisibleValuesSortedAndStartsWithTheDefaults)
{
    QTest::keyClicks(child<QLineEdit>("FilterEd"), s("Kunde"));
    click("FilterBtn");
    ui::TProtokollDruckenForm dialog(ws(), printer);
    dialog.setSource(form->journalSource());
    auto *customers = dialog.findChild<QComboBox *>(QStringLiteral("KundeCombo"));
    QStringList items;
    for (int i = 0; i < customers->count(); ++i)
        items << customers->itemText(i);
    EXPECT_EQ(items.join(u'|'), s("|Kunde A|Kunde AB")) << "the empty entry first; kunde a is filtered out";
    auto *costCentres = dialog.findChild<QComboBox *>(QStringLiteral("KostenstelleCombo"));
    ASSERT_EQ(costCentres->count(), 3);
    EXPECT_EQ(costCentres->itemText(1), s("K2"));
    EXPECT_EQ(costCentres->itemText(2), s("K3"));

    const JournalPrintSettings defaults;
    const JournalPrintSettings taken = dialog.settings();
    EXPECT_EQ(taken.columns, defaults.columns);
    EXPECT_EQ(taken.heading, s("Buchungen"));
    EXPECT_FALSE(taken.from.isValid());
    EXPECT_TRUE(taken.appendDateRange);
    EXPECT_TRUE(taken.totalPrice && taken.totalVat && taken.totalProfit && taken.totalBuyingPrice);
    EXPECT_EQ(taken.marginLeft, 15);

    customers->setCurrentText(s("Kunde AB"));
    dialog.findChild<QLineEdit *>(QStringLiteral("VonEd"))->setText(s("2.12.2026"));
    const JournalPrintSettings chosen = dialog.settings();
    EXPECT_EQ(chosen.customer, s("Kunde AB"));
    EXPECT_EQ(chosen.from, QDate(2026, 12, 2));
    if (const QByteArray shot = qgetenv("MORVANE_SCREENSHOT_PRINTDIALOG"); !shot.isEmpty()) {
        dialog.show();
        dialog.grab().save(QString::fromLocal8Bit(shot));
    }
}

TEST(JournalActionsOnMainForm, MenuItemsOpenTheJournalAndItsFigures)
{
    QTemporaryDir data;
    {
        base::SystemClock clock;
        base::ScriptedPrompter prompter;
        const QString folder = data.path() + u'/';
        app::Workspace ws(app::Folders{folder, folder, folder}, clock, prompter);
        ws.articles = {test::makeArticle(s("Schraube"), {{articles::ArtikelNr, s("7")}, {articles::Menge, s("3")}})};
        ASSERT_EQ(articles::SaveFile(ws), articles::SaveResult::Saved);
        const QByteArray today = QDate::currentDate().toString(QStringLiteral("dd.MM.yyyy")).toLatin1();
        addRecord(ws, {{JKind, "-"}, {JArticle, "Schraube"}, {JArtNo, "7"}, {JCustomer, "Meier"}, {JAmount, "2"},
                       {JDate, today.constData()}});
        addRecord(ws, {{JKind, "-"}, {JArticle, "Mutter"}, {JCustomer, "Meier"}});
        addRecord(ws, {{JKind, "-"}, {JArticle, "Scheibe"}, {JCustomer, "Huber"}});
    }
    ui::TMainForm main(app::CommandLine::parse({QStringLiteral("-setpath"), data.path()}));
    main.show();
    ASSERT_TRUE(QTest::qWaitFor([&] { return main.windowTitle().contains(u" - "); }, 10000));

    main.articleView()->selectRow(0);
    ui::JournalActions *actions = main.journalActions();
    auto trigger = [&](const char *caption) {
        QAction *a = main.findChild<QAction *>(ui::menuItemName(s(caption)));
        if (!a)
            return false;
        a->trigger();
        return true;
    };

    int shownRows = -1;
    onNextModal([&](QWidget *w) {
        auto *form = qobject_cast<ui::TBuchungForm *>(w);
        ASSERT_NE(form, nullptr);
        shownRows = form->grid()->model()->rowCount();
    });
    ASSERT_TRUE(trigger("Alle Buchungen des gewählten Artikels zeigen..."));
    EXPECT_EQ(shownRows, 1) << "the selected article's records only";
    EXPECT_FALSE(actions->journalForm()->filter().active()) << "the filter goes when the window closes";

    onNextModal([&](QWidget *w) { shownRows = qobject_cast<ui::TBuchungForm *>(w)->grid()->model()->rowCount(); });
    ASSERT_TRUE(trigger("Buchungen ansehen..."));
    EXPECT_EQ(shownRows, 3);
    shownRows = -1;
    onNextModal([&](QWidget *w) { shownRows = qobject_cast<ui::TBuchungForm *>(w)->grid()->model()->rowCount(); });
    main.findChild<QPushButton *>(s("BuchungenBtn"))->click();
    EXPECT_EQ(shownRows, 3) << "the button of the bottom panel opens it too";

    QStringList best;
    onNextModal([&](QWidget *w) {
        auto *list = w->findChild<QTableWidget *>(QStringLiteral("ListView1"));
        ASSERT_NE(list, nullptr);
        for (int r = 0; r < list->rowCount(); ++r)
            best << list->item(r, 0)->text() + u'=' + list->item(r, 1)->text();
    });
    ASSERT_TRUE(trigger("Kunden mit den meisten Buchungen auflisten..."));
    EXPECT_EQ(best.join(u','), s("Meier=2,Huber=1"));

    QString told;
    onNextModal([&](QWidget *w) {
        if (auto *box = qobject_cast<QMessageBox *>(w))
            told = box->windowTitle() + u'|' + box->text();
    });
    ASSERT_TRUE(trigger("Verbrauch des gewählten Artikels in den letzten 30 Tagen..."));
    EXPECT_EQ(told.toStdString(), "Verbrauch|Verbrauch des Artikels in den letzten 30 Tagen: 2");
}

TEST(KommandoForm, ProgramAndHiddenFlagAreKeptForTheBookings)
{
    test::TempWorkspace t;
    {
        ui::TKommandoForm form(*t.ws);
        form.show();
        form.findChild<QLineEdit *>(QStringLiteral("KommandoEd"))->setText(s("/usr/local/bin/nach buchung"));
        form.findChild<QCheckBox *>(QStringLiteral("VersteckCheck"))->setChecked(true);
        form.hide();
    }
    const booking::ExternalCommand command = ui::configuredExternalCommand(*t.ws);
    EXPECT_EQ(command.program, s("/usr/local/bin/nach buchung"));
    EXPECT_TRUE(command.hidden);
    EXPECT_TRUE(command.enabled());
    ui::TKommandoForm again(*t.ws);
    again.findChild<QLineEdit *>(QStringLiteral("KommandoEd"))->clear();
    again.show();
    again.hide();
    EXPECT_FALSE(ui::configuredExternalCommand(*t.ws).enabled()) << "an empty name switches the hook off";
}
