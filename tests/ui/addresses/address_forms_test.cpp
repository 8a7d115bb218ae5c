#include "core/addresses/address_fields.h"
#include "core/app/process_launcher.h"
#include "core/articles/article_io.h"
#include "ui/addresses/address_actions.h"
#include "ui/addresses/kunde_form.h"
#include "ui/addresses/kunden_form.h"
#include "ui/addresses/lieferant_form.h"
#include "ui/addresses/lieferanten_form.h"
#include "ui/app/main_form.h"
#include "ui/app/main_menu.h"
#include "ui/articles/article_table_model.h"
#include "ui/dbase/table_model.h"

#include "support/temp_workspace.h"

#include <QAction>
#include <QApplication>
#include <QHeaderView>
#include <QKeyEvent>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QToolButton>

#include <gtest/gtest.h>

using namespace morvane;
using namespace morvane::ui;

namespace {

struct RecordingLauncher : app::ProcessLauncher {
    bool start(const QString &program, const QStringList &arguments) override
    {
        calls << (QStringList{program} + arguments);
        return true;
    }
    QList<QStringList> calls;
};

// The main window on a data folder with two articles; the address functions
// are the ones the window attaches and opens at start.
struct AddressWindows : ::testing::Test {
    AddressWindows()
    {
        qputenv("XDG_DATA_HOME", userHome.path().toUtf8());
        base::SystemClock clock;
        base::ScriptedPrompter prompter;
        const QString folder = data.path() + u'/';
        app::Workspace ws(app::Folders{folder, folder, folder}, clock, prompter);
        ws.articles = {morvane::test::makeArticle("Schraube", {{articles::LieferantenEmail, "info@alpha.de"}}),
                       morvane::test::makeArticle("Mutter", {{articles::LieferantenEmail, "x@y.de"}})};
        EXPECT_EQ(articles::SaveFile(ws), articles::SaveResult::Saved);

        form = std::make_unique<TMainForm>(app::CommandLine::parse({QStringLiteral("-setpath"), data.path()}));
        form->show();
        EXPECT_TRUE(QTest::qWaitFor([&] { return form->windowTitle().contains(u" - "); }, 10000));
        actions = form->addressActions();
    }

    void type(AddressForm &window, int control, const QString &text)
    {
        QComboBox *box = window.findChild<QComboBox *>(QStringLiteral("DBComboBox%1").arg(control));
        ASSERT_TRUE(box);
        box->setFocus();
        box->lineEdit()->selectAll();
        // keyClicks only knows Latin-1 keys; umlauts come as typed text.
        for (QChar c : text) {
            QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, QString(c));
            QKeyEvent release(QEvent::KeyRelease, 0, Qt::NoModifier, QString(c));
            QApplication::sendEvent(box->lineEdit(), &press);
            QApplication::sendEvent(box->lineEdit(), &release);
        }
    }

    void click(QWidget &window, const char *name)
    {
        auto *button = window.findChild<QAbstractButton *>(QString::fromLatin1(name));
        ASSERT_TRUE(button) << name;
        button->click();
    }

    // Reads the table file with a second, independent handle.
    QList<QStringList> tableRows(const QString &file)
    {
        dbase::Table t;
        t.setFolder(data.path());
        t.setFileName(file);
        t.open();
        QList<QStringList> out;
        for (t.first(); !t.eof(); t.next()) {
            QStringList values;
            for (int i = 0; i < t.fieldCount(); ++i)
                values << t.fieldText(i);
            out << values;
        }
        return out;
    }

    QTemporaryDir data;
    QTemporaryDir userHome;
    std::unique_ptr<TMainForm> form;
    AddressActions *actions = nullptr;
};

TEST_F(AddressWindows, ACustomerTypedIntoTheFormLandsInTheTable)
{
    TKundenForm &window = *actions->KundenForm();
    window.show();
    EXPECT_EQ(window.windowTitle(), "Korvell Kundenverwaltung 1.0");
    EXPECT_EQ(window.findChild<QLabel *>("Label5")->text(), "Strassenr:");
    EXPECT_TRUE(window.findChild<QLabel *>("Label14")->isVisible());
    EXPECT_FALSE(window.findChild<QLabel *>("Label15")->isVisible());  // 14 character fields

    const struct {
        const char *firma, *name, *vorname, *ort, *memo;
    } people[] = {{"Bäckerei Groß", "Müller", "Jürgen", "Köln", "Liefert dienstags\nTor 2"},
                  {"Café Ünsal", "Ünsal", "Ayşe", "Bonn", ""},
                  {"Alpha GmbH", "Meier", "Hans", "Berlin", ""}};
    for (const auto &p : people) {
        click(window, "InsertBtn");
        type(window, 1, QString::fromUtf8(p.firma));
        type(window, 2, QString::fromUtf8(p.name));
        type(window, 3, QString::fromUtf8(p.vorname));
        type(window, 7, QString::fromUtf8(p.ort));
        window.DBMemo1->setPlainText(QString::fromUtf8(p.memo));
        click(window, "PostBtn");
    }
    EXPECT_EQ(window.model()->rowCount(), 3);
    const auto rows = tableRows("customers.dbf");
    ASSERT_EQ(rows.size(), 3);
    EXPECT_EQ(rows[0][0], QString::fromUtf8("Bäckerei Groß"));
    EXPECT_EQ(rows[0][1], QString::fromUtf8("Müller"));
    EXPECT_EQ(rows[0][6], QString::fromUtf8("Köln"));
    EXPECT_EQ(rows[0][12], QString::fromUtf8("Liefert dienstags\nTor 2"));
    EXPECT_EQ(rows[1][2], QString::fromUtf8("Ayşe").replace(QString::fromUtf8("ş"), "?"));

    // Editing the current record and moving on keeps the change.
    window.selectRecord(3);
    type(window, 4, "Herr");
    click(window, "FirstBtn");
    EXPECT_EQ(tableRows("customers.dbf")[2][3], "Herr");

    // The search folds accents: "unsal" finds "Café Ünsal".
    window.SuchEd->setText("unsal");
    QTest::keyClick(window.SuchEd, Qt::Key_Return);
    EXPECT_EQ(window.model()->rowCount(), 1);
    EXPECT_EQ(window.findChild<QComboBox *>("DBComboBox1")->currentText(), QString::fromUtf8("Café Ünsal"));
    click(window, "AllezeigenBtn");
    EXPECT_EQ(window.model()->rowCount(), 3);

    // Sorting by the first column.
    window.DBGrid1->horizontalHeader()->sectionClicked(0);
    EXPECT_EQ(window.model()->data(window.model()->index(0, 0)).toString(), "Alpha GmbH");

    if (qEnvironmentVariableIsSet("MORVANE_SCREENSHOTS"))
        window.grab().save(qEnvironmentVariable("MORVANE_SCREENSHOTS") + "/kundenform.png");

    // Deleting asks first; Cancel keeps the record.
    base::ScriptedPrompter scripted;
    form->workspace().prompter = &scripted;
    scripted.expectAsk(0, base::Answer::Cancel).expectAsk(0, base::Answer::Ok);
    window.selectRecord(1);
    click(window, "DeleteBtn");
    EXPECT_EQ(tableRows("customers.dbf").size(), 3);
    click(window, "DeleteBtn");
    EXPECT_EQ(tableRows("customers.dbf").size(), 2);
    EXPECT_TRUE(scripted.failures().isEmpty());
    window.hide();
}

TEST_F(AddressWindows, TheButtonAndMenuOpenTheWindowsModally)
{
    for (const char *name : {"BitBtn1", "Kundenverwaltung1", "Lieferantenverwaltung1"}) {
        bool seen = false;
        QTimer::singleShot(0, [&] {
            QWidget *modal = QApplication::activeModalWidget();
            seen = modal == actions->KundenForm() || modal == actions->LieferantenForm();
            if (modal)
                qobject_cast<QDialog *>(modal)->reject();
        });
        if (auto *button = form->findChild<QPushButton *>(name))
            button->click();
        else if (auto *action = form->findChild<QAction *>(name))
            action->trigger();
        else
            ADD_FAILURE() << name << " not found";
        EXPECT_TRUE(seen) << name;
    }
}

TEST_F(AddressWindows, SelectionDialogsPickTheRecordAndTheEmail)
{
    addresses::AddressBook &customers = actions->customers();
    customers.saveRecord(std::nullopt, {"Alpha", "Meier", "Hans"});
    customers.saveRecord(std::nullopt, {"Beta", "Schulz", "Eva"});
    actions->KundenForm()->AktuallisiereDBEdit();

    TKundeForm &pick = *actions->KundeForm();
    pick.show();
    pick.SuchEd->setText("beta");
    click(pick, "Filterbtn");
    EXPECT_EQ(actions->KundenForm()->SuchEd->text(), "beta");
    EXPECT_EQ(customers.filtertext(), "BETA");
    click(pick, "OkBtn");
    EXPECT_EQ(addresses::customerPromptText(customers.table()), "Beta; Schulz; Eva");
    click(pick, "AllezeigenBtn");
    EXPECT_EQ(customers.filtertext(), "");

    addresses::AddressBook &suppliers = actions->suppliers();
    QStringList alpha(14);
    alpha[0] = "Alpha Lieferant";
    alpha[11] = "info@alpha.de";
    suppliers.saveRecord(std::nullopt, alpha);
    suppliers.saveRecord(std::nullopt, {"Ohne Mail"});
    actions->LieferantenForm()->AktuallisiereDBEdit();
    TLieferantForm &supplier = *actions->LieferantForm();
    supplier.setEmail("typed@x.de");
    supplier.show();
    EXPECT_TRUE(supplier.EmailEd->hasSelectedText());
    supplier.DBGrid1->selectRow(0);
    click(supplier, "UebernehmenBtn");
    EXPECT_EQ(supplier.email(), "info@alpha.de");
    supplier.hide();
}

TEST_F(AddressWindows, EmailLabelStartsTheMailProgramWithAnArgumentList)
{
    RecordingLauncher launcher;
    TKundenForm &window = *actions->KundenForm();
    window.launcher = &launcher;
    actions->customers().saveRecord(std::nullopt, {"Alpha", "Meier", "Hans", "Herr", "", "", "", "", "", "", "",
                                                   "hans@example.org"});
    window.AktuallisiereDBEdit();
    window.show();
    QLabel *label = window.findChild<QLabel *>("Label12");
    ASSERT_TRUE(label);
    EXPECT_EQ(label->text(), "Email:");
    QTest::mouseClick(label, Qt::LeftButton);
    ASSERT_EQ(launcher.calls.size(), 1);
    EXPECT_EQ(launcher.calls[0], (QStringList{"xdg-email", "--body", "Sehr geehrter Herr Meier,", "hans@example.org"}));
    window.hide();
}

TEST_F(AddressWindows, SupplierNamesFillTheChosenListColumn)
{
    QStringList alpha(14);
    alpha[0] = "Alpha Lieferant";
    alpha[11] = "info@alpha.de";
    actions->suppliers().saveRecord(std::nullopt, alpha);
    base::ScriptedPrompter scripted;
    form->workspace().prompter = &scripted;
    scripted.expectAsk(253, base::Answer::Yes);
    // Column 19 shows "Freie Spalte 2" in the delivered layout.
    EXPECT_EQ(actions->fillSupplierColumn(19), addresses::FillResult::Filled);
    EXPECT_TRUE(scripted.failures().isEmpty()) << scripted.failures().join('\n').toStdString();
    const auto &list = form->workspace().articles;
    const int field = form->workspace().articleSettings.spalte.at(18);
    EXPECT_EQ(list[0].field(field), "Alpha Lieferant");
    EXPECT_EQ(list[1].field(field), "");
    EXPECT_EQ(form->articleModel()->data(form->articleModel()->index(0, 19), Qt::DisplayRole).toString(), "Alpha Lieferant");
}

}  // namespace
