#include "core/addresses/address_book.h"
#include "core/articles/article_io.h"
#include "core/booking/booking_prompts.h"
#include "core/booking/journal.h"
#include "core/settings/rights.h"
#include "ui/addresses/address_actions.h"
#include "ui/app/main_form.h"
#include "ui/app/main_menu.h"
#include "ui/articles/article_table_model.h"
#include "ui/booking/abfrage_reihen_form.h"
#include "ui/booking/booking_actions.h"
#include "ui/booking/kunde_eingeben_form.h"
#include "ui/booking/menge_form.h"
#include "ui/booking/value_prompt_dialog.h"
#include "ui/settings/user_actions.h"

#include "support/temp_workspace.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QDoubleSpinBox>
#include <QLineEdit>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QTreeWidget>

#include <gtest/gtest.h>

#include <deque>
#include <functional>

using namespace morvane;
using test::s;
using namespace morvane::articles;

namespace {

// A data folder with an article file.
struct Fixture {
    explicit Fixture(const ArticleList &list)
    {
        base::SystemClock clock;
        base::ScriptedPrompter prompter;
        const QString folder = data.path() + u'/';
        app::Workspace ws(app::Folders{folder, folder, folder}, clock, prompter);
        ws.articles = list;
        EXPECT_EQ(SaveFile(ws), SaveResult::Saved);
    }

    std::unique_ptr<ui::TMainForm> start()
    {
        auto form = std::make_unique<ui::TMainForm>(app::CommandLine::parse({s("-setpath"), data.path()}));
        form->show();
        EXPECT_TRUE(QTest::qWaitFor([&] { return form->windowTitle().contains(u" - "); }, 10000));
        return form;
    }

    // The journal and the article file as another workstation reads them.
    std::vector<booking::JournalRecord> journal()
    {
        test::TempWorkspace other;
        other.ws->folders.progpath = data.path() + u'/';
        return booking::readJournal(*other.ws);
    }
    ArticleList onDisk(const base::FormatSettings &format)
    {
        test::TempWorkspace other;
        other.ws->folders.progpath = data.path() + u'/';
        other.ws->format = format;
        EXPECT_EQ(OpenFile(*other.ws), ReadResult::Read);
        return other.ws->articles;
    }
    QMap<QString, QByteArray> bytes() const
    {
        QMap<QString, QByteArray> out;
        for (const QString &name : QDir(data.path()).entryList(QDir::Files))
            out.insert(name, test::readAll(data.filePath(name)));
        return out;
    }

    QTemporaryDir data;
};

// Answers the modal windows that open while some work runs, one step per
// window, in order; a window beyond the steps is closed and counted.
class DialogDriver {
public:
    using Step = std::function<void(QWidget *)>;
    DialogDriver &then(Step step)
    {
        steps_.push_back(std::move(step));
        return *this;
    }

    void run(const std::function<void()> &work)
    {
        QTimer timer;
        timer.setInterval(10);
        QObject::connect(&timer, &QTimer::timeout, [this] {
            QWidget *w = QApplication::activeModalWidget();
            if (!w || !w->isVisible() || busy_ || w == pending_)
                return;
            busy_ = true;
            // The window answered last may still be closing; it counts again
            // once the answer has been delivered.
            pending_ = w;
            QMetaObject::invokeMethod(qApp, [this] { pending_ = nullptr; }, Qt::QueuedConnection);
            seen << (w->objectName().isEmpty() ? QString::fromLatin1(w->metaObject()->className()) : w->objectName());
            if (steps_.empty()) {
                ++unexpected;
                QMetaObject::invokeMethod(w, "reject", Qt::QueuedConnection);
            } else {
                Step step = std::move(steps_.front());
                steps_.pop_front();
                step(w);
            }
            busy_ = false;
        });
        timer.start();
        work();
        timer.stop();
    }

    bool finished() const { return steps_.empty() && unexpected == 0; }
    QStringList seen;
    int unexpected = 0;

private:
    std::deque<Step> steps_;
    bool busy_ = false;
    QWidget *pending_ = nullptr;
};

template <class T> T *as(QWidget *w)
{
    T *typed = qobject_cast<T *>(w);
    EXPECT_NE(typed, nullptr) << w->metaObject()->className();
    return typed;
}

void accept(QWidget *w)
{
    QMetaObject::invokeMethod(w, "accept", Qt::QueuedConnection);
}

void reject(QWidget *w)
{
    QMetaObject::invokeMethod(w, "reject", Qt::QueuedConnection);
}

void pressButton(QWidget *w, QMessageBox::StandardButton which)
{
    if (auto *box = as<QMessageBox>(w))
        QMetaObject::invokeMethod(box->button(which), "click", Qt::QueuedConnection);
}

struct BookingWindow : ::testing::Test {
    BookingWindow()
        : fixture({test::makeArticle(s("Schraube"), {{ArtikelNr, s("7")}, {Menge, s("10")}, {Mindestbestand, s("0")},
                                                      {Seriennummern, s("S1\r\nS2")}}),
                   test::makeArticle(s("Mutter"), {{ArtikelNr, s("8")}, {Menge, s("5")}, {Mindestbestand, s("0")}})})
    {
        form = fixture.start();
        actions = form->bookingActions();
        MengeEd = form->findChild<QDoubleSpinBox *>(s("MengeEd"));
        BuchenBtn = form->findChild<QPushButton *>(s("BuchenBtn"));
    }
    ~BookingWindow() override
    {
        // The check marks and the customer window's boxes are kept for the
        // next test of this run otherwise.
        for (QAction *a : touched)
            a->setChecked(false);
        actions->KundeUbernehmenForm()->KundePflichtCheck->setChecked(false);
    }

    QAction *item(const char *caption)
    {
        return form->findChild<QAction *>(ui::menuItemName(QString::fromUtf8(caption)));
    }
    void switchOn(const char *caption)
    {
        QAction *a = item(caption);
        ASSERT_NE(a, nullptr) << caption;
        a->setChecked(true);
        touched << a;
    }
    void select(int row) { form->articleView()->selectRow(row); }
    QString quantity(const char *value)
    {
        return QString::fromLatin1(value).replace(u',', form->workspace().format.decimalSeparator);
    }
    QString stock(int row) { return form->workspace().articles[std::size_t(row)].field(Menge); }

    Fixture fixture;
    std::unique_ptr<ui::TMainForm> form;
    ui::BookingActions *actions = nullptr;
    QDoubleSpinBox *MengeEd = nullptr;
    QPushButton *BuchenBtn = nullptr;
    QList<QAction *> touched;
};

TEST_F(BookingWindow, ButtonBooksTheSelectedRowIntoListFileAndJournal)
{
    select(1);
    MengeEd->setValue(2);
    form->findChild<QRadioButton *>(s("ZugangCheck"))->setChecked(true);
    DialogDriver none;
    none.run([&] { BuchenBtn->click(); });
    EXPECT_TRUE(none.finished()) << none.seen.join(u',').toStdString();

    EXPECT_EQ(stock(1), quantity("7,00"));
    EXPECT_EQ(form->articleModel()->data(form->articleModel()->index(1, 1 + Menge), Qt::DisplayRole).toString(), quantity("7,00"));
    EXPECT_EQ(fixture.onDisk(form->workspace().format)[1].field(Menge), quantity("7,00"));
    const auto journal = fixture.journal();
    ASSERT_EQ(journal.size(), 1u);
    EXPECT_EQ(booking::rightTrimmed(journal[0][booking::JKind]), s("+"));
    EXPECT_EQ(booking::rightTrimmed(journal[0][booking::JArticle]), s("Mutter"));
    EXPECT_TRUE(form->findChild<QPlainTextEdit *>(s("ProtokollMemo"))->toPlainText().contains(s("Mutter (8")));
    EXPECT_EQ(form->articleView()->selectionModel()->selectedRows().value(0).row(), 1);
}

TEST_F(BookingWindow, EveryOptionIsReadFromItsMenuItem)
{
    using O = booking::BookingOptions;
    const std::pair<const char *, std::function<bool(const O &)>> options[] = {
        {"Bestand kann nicht unter 0 fallen", [](const O &o) { return o.notBelowZero; }},
        {"Bestand kann nicht über 1 gehen", [](const O &o) { return o.notAboveOne; }},
        {"Bei Bestand 0 automatisch zubuchen, bei Bestand 1 abbuchen", [](const O &o) { return o.autoDirectionByStock; }},
        {"Keine Warnung beim Unterschreiten der Mindestmenge", [](const O &o) { return o.noMinimumWarning; }},
        {"Beim Unterschreiten der Mindestmenge Bestell Email aufrufen", [](const O &o) { return o.orderMailOnMinimum; }},
        {"Datum der letzten Buchung nur beim Zubuchen setzen",
         [](const O &o) { return o.lastBookingDate == booking::LastBookingDate::OnReceiptOnly; }},
        {"Datum der letzten Buchung beim Zubuchen und Abbuchen setzen",
         [](const O &o) { return o.lastBookingDate == booking::LastBookingDate::OnBoth; }},
        {"Datum der letzten Buchung nur beim Abbuchen setzen",
         [](const O &o) { return o.lastBookingDate == booking::LastBookingDate::OnIssueOnly; }},
        {"Letzten Kunden in die erste freie Spalte eintragen", [](const O &o) { return o.lastCustomerToFreeColumn; }},
        {"Chargennummer beim Zubuchen aus Datum und Artikelnummer erzeugen", [](const O &o) { return o.batchOnReceipt; }},
        {"Chargennummer beim Wegbuchen aus Datum und Artikelnummer erzeugen", [](const O &o) { return o.batchOnIssue; }},
        {"Haltbarkeitsdatum beim Zubuchen aus Datum und Haltbarkeit berechnen", [](const O &o) { return o.expiryOnReceipt; }},
        {"Haltbarkeitsdatum beim Wegbuchen aus Datum und Haltbarkeit berechnen", [](const O &o) { return o.expiryOnIssue; }},
        {"Freie Spalte 1 im Protokoll aufführen", [](const O &o) { return o.freeColumnInProtocol[0]; }},
        {"Freie Spalte 5 im Protokoll aufführen", [](const O &o) { return o.freeColumnInProtocol[4]; }},
        {"EK Preise und VK Preise mit 3 Nachkommastellen", [](const O &o) { return o.threePriceDecimals; }},
        {"Beim Abbuchen automatisch Barcode Etikett drucken", [](const O &o) { return o.labelOnIssue; }},
    };
    EXPECT_TRUE(actions->bookingOptions().lastBookingWithTime) << "on as delivered";
    for (const auto &[caption, read] : options) {
        EXPECT_FALSE(read(actions->bookingOptions())) << caption;
        switchOn(caption);
        EXPECT_TRUE(read(actions->bookingOptions())) << caption;
    }
    for (int code = booking::PromptQuantity; code <= booking::kPromptCount; ++code)
        EXPECT_FALSE(actions->promptSwitches().onIssue[std::size_t(code)]) << code;
    const std::pair<const char *, int> prompts[] = {
        {"Kunde beim Abbuchen eingeben", booking::PromptCustomer},
        {"Stellplatz beim Abbuchen eingeben", booking::PromptStoragePlace},
        {"Preis beim Zubuchen eingeben", -booking::PromptPrice},
        {"Menge nach dem Scannen des Barcodes eingeben", booking::PromptQuantity},
    };
    for (const auto &[caption, code] : prompts) {
        switchOn(caption);
        const booking::PromptSwitches sw = actions->promptSwitches();
        EXPECT_TRUE(code > 0 ? sw.onIssue[std::size_t(code)] : sw.onReceipt[std::size_t(-code)]) << caption;
    }
    EXPECT_TRUE(actions->promptSwitches().onReceipt[booking::PromptQuantity]) << "one switch for both directions";
    EXPECT_TRUE(item("Kunde nur einmal eingeben für alle Buchungen einer Textdatei")->isChecked());
    EXPECT_TRUE(item("Kostenstelle nur einmal eingeben für alle Buchungen einer Textdatei")->isChecked());
}

TEST_F(BookingWindow, QuantityZeroRightsAndNoRowStopBeforeAnyChange)
{
    const auto before = fixture.bytes();
    switchOn("Menge auf 0 voreinstellen und so neue Mengeneingabe erzwingen");
    select(0);
    MengeEd->setValue(0);
    DialogDriver zero;
    zero.then([](QWidget *w) { pressButton(w, QMessageBox::Ok); });
    zero.run([&] { BuchenBtn->click(); });
    EXPECT_TRUE(zero.finished());
    EXPECT_EQ(zero.seen, QStringList{s("QMessageBox")});

    MengeEd->setValue(1);
    form->workspace().options.adminSwitch[settings::RightMengeVerringern] = false;
    DialogDriver refused;
    refused.then([](QWidget *w) { pressButton(w, QMessageBox::Ok); });
    refused.run([&] { BuchenBtn->click(); });
    EXPECT_TRUE(refused.finished());
    form->workspace().options.adminSwitch[settings::RightMengeVerringern] = true;

    form->articleView()->clearSelection();
    DialogDriver noRow;
    noRow.run([&] { BuchenBtn->click(); });
    EXPECT_TRUE(noRow.finished());
    EXPECT_EQ(fixture.bytes(), before);
}

TEST_F(BookingWindow, PromptWindowsAnswerTheBooking)
{
    switchOn("Menge nach dem Scannen des Barcodes eingeben");
    switchOn("Kunde beim Abbuchen eingeben");
    switchOn("Seriennummer beim Abbuchen eingeben");
    switchOn("Menge auf 1 zurücksetzen und Menge verringern aktivieren");
    actions->KundeUbernehmenForm()->KundePflichtCheck->setChecked(true);
    select(0);
    MengeEd->setValue(1);

    DialogDriver driver;
    driver
        .then([](QWidget *w) {
            auto *menge = as<ui::TMengeForm>(w);
            EXPECT_EQ(menge->ArtikelLabel->text(), s("Schraube"));
            EXPECT_TRUE(menge->AbgangCheck->isChecked());
            menge->MengeEd->setValue(3);
            if (const QByteArray path = qgetenv("MORVANE_SCREENSHOT_QUANTITY"); !path.isEmpty())
                menge->grab().save(QString::fromLocal8Bit(path));
            accept(w);
        })
        .then([](QWidget *w) {
            // OK without a customer is refused; the window stays.
            accept(w);
        })
        .then([](QWidget *w) { pressButton(w, QMessageBox::Ok); })
        .then([](QWidget *w) {
            auto *kunde = as<ui::TKundeUbernehmenForm>(w);
            kunde->KundeEd->setEditText(s("Meier; Anna"));
            accept(w);
        })
        .then([](QWidget *w) {
            auto *serial = as<ui::TValuePromptForm>(w);
            EXPECT_EQ(serial->objectName(), s("Seriennummerform"));
            EXPECT_EQ(serial->Edit1->count(), 2);
            serial->Edit1->setCurrentIndex(1);
            if (const QByteArray path = qgetenv("MORVANE_SCREENSHOT_SERIAL"); !path.isEmpty())
                serial->grab().save(QString::fromLocal8Bit(path));
            accept(w);
        });
    driver.run([&] { BuchenBtn->click(); });
    EXPECT_TRUE(driver.finished()) << driver.seen.join(u',').toStdString();
    EXPECT_EQ(driver.seen, QStringList({s("MengeForm"), s("KundeUbernehmenForm"), s("QMessageBox"),
                                        s("KundeUbernehmenForm"), s("Seriennummerform")}));

    EXPECT_EQ(stock(0), quantity("7,00"));
    EXPECT_EQ(form->workspace().articles[0].field(Seriennummern), s("S1"));
    const auto journal = fixture.journal();
    ASSERT_EQ(journal.size(), 1u);
    EXPECT_EQ(booking::rightTrimmed(journal[0][booking::JAmount]), quantity("3,00"));
    EXPECT_EQ(booking::rightTrimmed(journal[0][booking::JCustomer]), s("Meier; Anna"));
    EXPECT_EQ(booking::rightTrimmed(journal[0][booking::JSerialNo]), s("S2"));
    EXPECT_EQ(MengeEd->value(), 1.0) << "reset after the booking";
    EXPECT_TRUE(form->findChild<QRadioButton *>(s("AbgangCheck"))->isChecked());
}

TEST_F(BookingWindow, CustomerTakenOverFromTheTableWithItsCostCentre)
{
    QStringList first(15);
    first[0] = s("Muster GmbH");
    ASSERT_EQ(form->addressActions()->customers().saveRecord(std::nullopt, first), addresses::RecordResult::Saved);
    QStringList record(15);
    record[1] = s("Meier");
    record[2] = s("Anna");
    record[14] = s("K7");
    ASSERT_EQ(form->addressActions()->customers().saveRecord(std::nullopt, record), addresses::RecordResult::Saved);
    switchOn("Kunde beim Abbuchen eingeben");
    switchOn("Kostenstelle beim Abbuchen eingeben");
    select(1);
    MengeEd->setValue(1);

    DialogDriver driver;
    driver
        .then([](QWidget *w) {
            auto *kunde = as<ui::TKundeUbernehmenForm>(w);
            kunde->NurUbernehmenCheck->setChecked(true);
            EXPECT_TRUE(kunde->KundeEd->lineEdit()->isReadOnly()) << "typing is ignored";
            kunde->NurUbernehmenCheck->setChecked(false);
            kunde->findChild<QPushButton *>(s("LetzterBtn"))->click();
            kunde->findChild<QPushButton *>(s("VorherigerBtn"))->click();
            kunde->UbernehmenBtnClick();
            EXPECT_EQ(kunde->KundeEd->currentText(), s("Muster GmbH; ; "));
            kunde->findChild<QPushButton *>(s("NaechsterBtn"))->click();
            kunde->UbernehmenBtnClick();
            EXPECT_EQ(kunde->KundeEd->currentText(), s("Meier; Anna"));
            if (const QByteArray path = qgetenv("MORVANE_SCREENSHOT_CUSTOMER"); !path.isEmpty())
                kunde->grab().save(QString::fromLocal8Bit(path));
            accept(w);
        })
        .then([](QWidget *w) {
            auto *cost = as<ui::TValuePromptForm>(w);
            EXPECT_EQ(cost->objectName(), s("KostenstelleForm"));
            EXPECT_EQ(cost->Edit1->currentText(), s("K7"));
            accept(w);
        });
    driver.run([&] { BuchenBtn->click(); });
    EXPECT_TRUE(driver.finished()) << driver.seen.join(u',').toStdString();
    const auto journal = fixture.journal();
    ASSERT_EQ(journal.size(), 1u);
    EXPECT_EQ(booking::rightTrimmed(journal[0][booking::JCustomer]), s("Meier; Anna"));
    EXPECT_EQ(booking::rightTrimmed(journal[0][booking::JCostcenter]), s("K7"));
}

TEST_F(BookingWindow, ClosingAPromptWindowBooksNothing)
{
    switchOn("Kunde beim Zubuchen eingeben");
    switchOn("Preis beim Zubuchen eingeben");
    form->findChild<QRadioButton *>(s("ZugangCheck"))->setChecked(true);
    select(1);
    const auto before = fixture.bytes();
    DialogDriver driver;
    driver.then([](QWidget *w) { accept(w); }).then([](QWidget *w) {
        EXPECT_EQ(w->objectName(), s("PreisEingebenForm"));
        reject(w);
    });
    driver.run([&] { BuchenBtn->click(); });
    EXPECT_TRUE(driver.finished()) << driver.seen.join(u',').toStdString();
    EXPECT_EQ(fixture.bytes(), before);
    EXPECT_EQ(stock(1), s("5"));
}

TEST_F(BookingWindow, OrderOfThePromptsIsKeptWithTheArticleFile)
{
    DialogDriver driver;
    driver.then([](QWidget *w) {
        auto *order = as<ui::TAbfrageReihenForm>(w);
        ASSERT_EQ(order->ListView1->topLevelItemCount(), booking::kPromptPositions);
        EXPECT_TRUE(order->ListView1->isColumnHidden(1));
        order->NachObenBtnClick();  // at the first row: nothing
        order->ListView1->setCurrentItem(order->ListView1->topLevelItem(10));
        order->NachUntenBtnClick();  // at the last row: nothing
        order->NachObenBtnClick();
        order->NachObenBtnClick();
        EXPECT_EQ(order->ListView1->currentItem()->text(1), s("11"));
        accept(w);
    });
    driver.run([&] { item("Reihenfolge der Abfragen festlegen...")->trigger(); });
    EXPECT_TRUE(driver.finished());
    const std::vector<int> expected{1, 2, 3, 4, 5, 6, 7, 8, 11, 9, 10};
    test::TempWorkspace other;
    other.ws->folders.progpath = fixture.data.path() + u'/';
    ASSERT_EQ(OpenFile(*other.ws), ReadResult::Read);
    for (std::size_t i = 0; i < expected.size(); ++i)
        EXPECT_EQ(other.ws->articleSettings.abfragen[i], expected[i]) << i;

    item("Reihenfolge der Abfragen auf Voreinstellung setzen...")->trigger();
    ASSERT_EQ(OpenFile(*other.ws), ReadResult::Read);
    EXPECT_EQ(other.ws->articleSettings.abfragen, ArticleFileSettings::defaultPromptOrder());
    EXPECT_FALSE(QFile::exists(fixture.data.filePath(s("lagerschreibe.dat"))));
}

TEST_F(BookingWindow, UndoBooksTheOppositeOfTheLastRecord)
{
    select(0);
    MengeEd->setValue(4);
    BuchenBtn->click();
    ASSERT_EQ(stock(0), quantity("6,00"));
    select(1);

    DialogDriver driver;
    driver.then([](QWidget *w) { pressButton(w, QMessageBox::Yes); });
    driver.run([&] { form->findChild<QPushButton *>(s("UndoBtn"))->click(); });
    EXPECT_TRUE(driver.finished());
    EXPECT_EQ(stock(0), quantity("10,00"));
    auto journal = fixture.journal();
    ASSERT_EQ(journal.size(), 2u);
    EXPECT_EQ(booking::rightTrimmed(journal[1][booking::JKind]), s("+"));

    // The journal window's undo of a chosen record.
    const booking::BookingOutcome outcome = actions->undoBooking(journal[0]);
    EXPECT_EQ(outcome.result, booking::BookingResult::Booked);
    EXPECT_EQ(stock(0), quantity("14,00"));
    EXPECT_EQ(form->articleView()->selectionModel()->selectedRows().value(0).row(), 0);
}

TEST_F(BookingWindow, WholePiecesRoundAfterAskingAndCancelSwitchesOff)
{
    form->workspace().articles[1].field(Menge) = quantity("2,5");
    ASSERT_EQ(SaveFile(form->workspace()), SaveResult::Saved);

    DialogDriver cancel;
    cancel.then([](QWidget *w) { pressButton(w, QMessageBox::Cancel); });
    cancel.run([&] { item("Mengeneingabe nur in ganzen Stück möglich")->setChecked(true); });
    EXPECT_TRUE(cancel.finished());
    EXPECT_FALSE(item("Mengeneingabe nur in ganzen Stück möglich")->isChecked());
    EXPECT_EQ(MengeEd->decimals(), 2);

    DialogDriver ok;
    ok.then([](QWidget *w) { pressButton(w, QMessageBox::Ok); });
    ok.run([&] { switchOn("Mengeneingabe nur in ganzen Stück möglich"); });
    EXPECT_TRUE(ok.finished());
    EXPECT_EQ(stock(1), s("2"));
    EXPECT_EQ(stock(0), s("10"));
    EXPECT_EQ(MengeEd->decimals(), 0);

    // The mode survives a restart without asking or writing anything.
    form->close();
    const auto before = fixture.bytes();
    DialogDriver none;
    none.run([&] { form = fixture.start(); });
    EXPECT_TRUE(none.finished()) << none.seen.join(u',').toStdString();
    actions = form->bookingActions();
    MengeEd = form->findChild<QDoubleSpinBox *>(s("MengeEd"));
    EXPECT_TRUE(item("Mengeneingabe nur in ganzen Stück möglich")->isChecked());
    EXPECT_EQ(MengeEd->decimals(), 0);
    EXPECT_EQ(fixture.bytes(), before);
    item("Mengeneingabe nur in ganzen Stück möglich")->setChecked(false);
    EXPECT_EQ(MengeEd->decimals(), 2);
    EXPECT_EQ(stock(1), s("2")) << "switching off keeps the values";
    form->close();
    touched.clear();
}

TEST_F(BookingWindow, FocusGoesBackToTheScanField)
{
    switchOn("Alle Funktionen anzeigen");
    form->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(form.get()));
    QLineEdit *scan = form->findChild<QLineEdit *>(s("ArtNrEd"));
    MengeEd->setFocus();
    QTest::keyClick(MengeEd, Qt::Key_Return);
    EXPECT_TRUE(scan->hasFocus()) << "at once after Enter";

    QRadioButton *receipt = form->findChild<QRadioButton *>(s("ZugangCheck"));
    receipt->setFocus();
    QTest::mouseClick(receipt, Qt::LeftButton);
    ASSERT_TRUE(receipt->isChecked());
    EXPECT_FALSE(scan->hasFocus());
    EXPECT_TRUE(QTest::qWaitFor([&] { return scan->hasFocus(); }, 2500)) << "a second after the direction";
}

TEST_F(BookingWindow, AllFunctionsShowWhatIsDeliveredHiddenButNotWhatRightsHide)
{
    QWidget *panel = form->findChild<QWidget *>(s("BookingPanel"));
    QAction *hiddenItem = item("Packliste drucken...");
    QAction *functions = form->findChild<QAction *>(s("Funktionen1Action"));
    QAction *calculations = form->findChild<QAction *>(s("Berechnungen1Action"));
    ASSERT_FALSE(panel->isVisible());

    switchOn("Alle Funktionen anzeigen");
    EXPECT_TRUE(panel->isVisible());
    EXPECT_TRUE(BuchenBtn->isVisible());
    EXPECT_TRUE(hiddenItem->isVisible());
    EXPECT_TRUE(calculations->isVisible());
    EXPECT_TRUE(item("Reihenfolge der Abfragen festlegen...")->isVisible());
    if (const QByteArray path = qgetenv("MORVANE_SCREENSHOT_ALL"); !path.isEmpty()) {
        form->resize(1280, 700);
        QApplication::processEvents();
        form->grab().save(QString::fromLocal8Bit(path));
    }

    form->workspace().options.adminSwitch[settings::RightFunktionenMenu] = false;
    form->userActions()->GrayOutFunctions();
    EXPECT_FALSE(functions->isVisible());
    item("Alle Funktionen anzeigen")->setChecked(false);
    item("Alle Funktionen anzeigen")->setChecked(true);
    EXPECT_FALSE(functions->isVisible()) << "hidden by the rights stays hidden";

    item("Alle Funktionen anzeigen")->setChecked(false);
    EXPECT_FALSE(panel->isVisible());
    EXPECT_FALSE(hiddenItem->isVisible());
    EXPECT_FALSE(calculations->isVisible());
    EXPECT_TRUE(item("Kundenverwaltung...")->isVisible());
    form->workspace().options.adminSwitch[settings::RightFunktionenMenu] = true;
    form->userActions()->GrayOutFunctions();
    EXPECT_TRUE(functions->isVisible());
}

}  // namespace
