#include "core/articles/article_file.h"
#include "core/articles/article_io.h"
#include "ui/app/main_form.h"
#include "ui/app/main_menu.h"
#include "ui/articles/article_actions.h"
#include "ui/articles/article_table_model.h"
#include "ui/articles/neuer_artikel_form.h"
#include "ui/settings/user_actions.h"

#include "support/temp_workspace.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QDoubleSpinBox>
#include <QLineEdit>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <functional>

using namespace morvane;
using namespace morvane::articles;

namespace {

struct Window {
    explicit Window(const ArticleList &list = {})
    {
        qputenv("XDG_DATA_HOME", userHome.path().toUtf8());
        if (!list.empty()) {
            base::SystemClock clock;
            base::ScriptedPrompter prompter;
            const QString folder = data.path() + u'/';
            app::Workspace ws(app::Folders{folder, folder, folder}, clock, prompter);
            ws.articles = list;
            EXPECT_EQ(SaveFile(ws), SaveResult::Saved);
        }
        form = std::make_unique<ui::TMainForm>(app::CommandLine::parse({QStringLiteral("-setpath"), data.path()}));
        users = form->userActions();
        actions = form->articleActions();
        form->show();
        EXPECT_TRUE(QTest::qWaitFor([&] { return form->windowTitle().contains(u" - "); }, 10000));
    }

    ArticleList onDisk() const
    {
        return ArticleFile::parse(test::readAll(data.filePath(QStringLiteral("lager.dat"))), ArticleFileSettings())
            .articles;
    }

    QString cell(int row, int field) const
    {
        const auto *model = form->articleModel();
        const int column = field < 0 ? 0 : form->workspace().articleSettings.spalte.inverseAt(field) + 1;
        return model->data(model->index(row, column), Qt::DisplayRole).toString();
    }

    void select(int row) const
    {
        form->articleView()->selectionModel()->setCurrentIndex(
            form->articleModel()->index(row, 0), QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    }

    QTemporaryDir data;
    QTemporaryDir userHome;
    std::unique_ptr<ui::TMainForm> form;
    ui::UserActions *users = nullptr;
    ui::ArticleActions *actions = nullptr;
};

// Runs `act` once the modal window `dialog` (or, when null, any message box)
// is up; the caller then starts what opens it.
void whenModal(QWidget *dialog, std::function<void(QWidget *)> act)
{
    auto *poll = new QTimer;
    QObject::connect(poll, &QTimer::timeout, poll, [poll, dialog, act] {
        QWidget *modal = QApplication::activeModalWidget();
        const bool ready = dialog ? (modal == dialog && dialog->isVisible()) : qobject_cast<QMessageBox *>(modal) != nullptr;
        if (!ready)
            return;
        poll->stop();
        poll->deleteLater();
        act(modal);
    });
    poll->start(10);
}

void answerMessageBox(QMessageBox::StandardButton button)
{
    whenModal(nullptr, [button](QWidget *w) {
        auto *box = qobject_cast<QMessageBox *>(w);
        box->button(button)->click();
    });
}

void screenshot(QWidget *w, const char *name)
{
    const QByteArray dir = qgetenv("MORVANE_SCREENSHOTS");
    if (!dir.isEmpty())
        w->grab().save(QString::fromLocal8Bit(dir) + u'/' + QLatin1String(name) + QStringLiteral(".png"));
}

}  // namespace

TEST(ArticleDialog, CreateEditDuplicateDeleteThroughTheWindow)
{
    Window w;
    ui::TNeuerArtikelForm *dialog = w.actions->NeuerArtikelForm();
    QAction *ean13 = w.form->findChild<QAction *>(ui::menuItemName(QStringLiteral("Freien EAN13 Barcode beim Erstellen eines Artikels vergeben")));
    QAction *autoNumber = w.form->findChild<QAction *>(ui::menuItemName(QStringLiteral("Artikelnummer beim Erstellen eines Artikels automatisch vergeben")));
    ASSERT_TRUE(ean13 && autoNumber);
    ean13->setChecked(true);
    autoNumber->setChecked(true);

    // Create: the number and the free EAN are there already; type the rest.
    whenModal(dialog, [&](QWidget *) {
        EXPECT_EQ(dialog->InterneArtikelNummer->toPlainText(), QStringLiteral("1"));
        EXPECT_EQ(dialog->Edit2->text(), QStringLiteral("0000000000017"));
        EXPECT_FALSE(dialog->OKBtn->isEnabled()) << "no name, no OK";
        QTest::keyClicks(dialog->Edit1, QStringLiteral("Schraube M4"));
        dialog->MengeEd->setValue(12);
        dialog->EKPreis->setValue(0.25);
        dialog->VKPreis->setValue(0.6);
        screenshot(dialog, "article_dialog");
        QTest::mouseClick(dialog->OKBtn, Qt::LeftButton);
    });
    QTest::mouseClick(w.form->findChild<QPushButton *>(QStringLiteral("NewArtikelBtn")), Qt::LeftButton);
    ASSERT_EQ(w.form->articleModel()->rowCount(), 1);
    EXPECT_EQ(w.cell(0, -1), QStringLiteral("Schraube M4"));
    EXPECT_EQ(w.cell(0, Wert), w.form->workspace().format.decimalSeparator == u',' ? QStringLiteral("3,00") : QStringLiteral("3.00"));
    ArticleList disk = w.onDisk();
    ASSERT_EQ(disk.size(), 1u);
    EXPECT_EQ(disk[0].field(Barcode), QStringLiteral("0000000000017"));
    EXPECT_EQ(disk[0].field(ArtikelNr), QStringLiteral("1"));

    // Edit: change the quantity.
    w.select(0);
    whenModal(dialog, [&](QWidget *) {
        EXPECT_EQ(dialog->Edit1->text(), QStringLiteral("Schraube M4"));
        dialog->MengeEd->setValue(20);
        QTest::mouseClick(dialog->OKBtn, Qt::LeftButton);
    });
    emit w.form->articleView()->doubleClicked(w.form->articleModel()->index(0, 0));
    disk = w.onDisk();
    ASSERT_EQ(disk.size(), 1u);
    EXPECT_EQ(base::Decimal::parse(disk[0].field(Menge), w.form->workspace().format), base::Decimal::fromInt(20));

    // Duplicate, renamed; "Speichern und neuer Artikel" is not used here.
    w.select(0);
    whenModal(dialog, [&](QWidget *) {
        dialog->Edit1->setText(QStringLiteral("Schraube M5"));
        dialog->InterneArtikelNummer->setPlainText(QStringLiteral("2"));
        QTest::mouseClick(dialog->OKBtn, Qt::LeftButton);
    });
    w.form->findChild<QAction *>(QStringLiteral("Artikelduplizieren1"))->trigger();
    ASSERT_EQ(w.form->articleModel()->rowCount(), 2);
    EXPECT_EQ(w.cell(1, -1), QStringLiteral("Schraube M5"));
    EXPECT_EQ(w.cell(1, Barcode), QStringLiteral("0000000000017"));

    // Delete both after the question.
    w.form->articleView()->selectAll();
    answerMessageBox(QMessageBox::Yes);
    QTest::mouseClick(w.form->findChild<QPushButton *>(QStringLiteral("DelBtn")), Qt::LeftButton);
    EXPECT_EQ(w.form->articleModel()->rowCount(), 0);
    EXPECT_TRUE(w.onDisk().empty());
    EXPECT_FALSE(QFile::exists(w.data.filePath(QStringLiteral("lagerschreibe.dat"))));
}

TEST(ArticleDialog, NextAndPreviousWalkTheListAndCancelKeepsTheFile)
{
    Window w({test::makeArticle(QStringLiteral("A")), test::makeArticle(QStringLiteral("B")),
              test::makeArticle(QStringLiteral("C"))});
    ui::TNeuerArtikelForm *dialog = w.actions->NeuerArtikelForm();
    const QByteArray before = test::readAll(w.data.filePath(QStringLiteral("lager.dat")));
    QStringList seen;
    // B, then "Nächster" to C, "Nächster" stays on C (the end), then cancel.
    std::function<void(QWidget *)> step = [&](QWidget *) {
        seen << dialog->Edit1->text();
        if (seen.size() < 3) {
            whenModal(dialog, step);
            QTest::mouseClick(dialog->NaechsterBtn, Qt::LeftButton);
        } else {
            QTest::mouseClick(dialog->AbbrechenBtn, Qt::LeftButton);
        }
    };
    whenModal(dialog, step);
    w.select(1);
    w.actions->EditArtikelBtnClick();
    EXPECT_EQ(seen, (QStringList{QStringLiteral("B"), QStringLiteral("C"), QStringLiteral("C")}));
    EXPECT_FALSE(QFile::exists(w.data.filePath(QStringLiteral("lagerschreibe.dat"))));
    EXPECT_EQ(w.onDisk().size(), 3u);
    Q_UNUSED(before);
}

TEST(ArticleDialog, HiddenFieldsAndThePurchasePriceRule)
{
    Window w({test::makeArticle(QStringLiteral("A"), {{EkPreis, QStringLiteral("2")}})});
    ui::TNeuerArtikelForm *dialog = w.actions->NeuerArtikelForm();
    w.actions->hiddenFields = {QStringLiteral("Chargennr."), QStringLiteral("Barcode")};
    w.users->GrayOutFunctions();
    const int ekColumn = w.form->workspace().articleSettings.spalte.inverseAt(EkPreis) + 1;
    bool checked = false;
    whenModal(dialog, [&](QWidget *) {
        EXPECT_FALSE(dialog->Edit3->isVisible());
        EXPECT_FALSE(dialog->Edit2->isVisible());
        EXPECT_FALSE(dialog->findChild<QPushButton *>(QStringLiteral("FreierBarcodeBtn"))->isVisible());
        EXPECT_TRUE(dialog->EKPreis->isVisible());
        checked = true;
        QTest::mouseClick(dialog->AbbrechenBtn, Qt::LeftButton);
    });
    w.select(0);
    w.actions->EditArtikelBtnClick();
    EXPECT_TRUE(checked);
    EXPECT_FALSE(w.form->articleView()->isColumnHidden(ekColumn));

    // Hiding "EK Preis" in the dialog also hides the list column, and the
    // guard keeps it hidden after the list is re-read.
    w.actions->hiddenFields << QStringLiteral("EK Preis");
    w.users->GrayOutFunctions();
    EXPECT_TRUE(w.form->articleView()->isColumnHidden(ekColumn));
    w.form->articleView()->setColumnHidden(ekColumn, false);
    w.users->Timer6Timer();
    EXPECT_TRUE(w.form->articleView()->isColumnHidden(ekColumn));
    checked = false;
    whenModal(dialog, [&](QWidget *) {
        EXPECT_FALSE(dialog->EKPreis->isVisible());
        checked = true;
        QTest::mouseClick(dialog->AbbrechenBtn, Qt::LeftButton);
    });
    w.actions->EditArtikelBtnClick();
    EXPECT_TRUE(checked);
}
