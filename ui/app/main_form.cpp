#include "ui/app/main_form.h"

#include "core/addresses/supplier_names.h"
#include "core/app/data_folder.h"
#include "core/articles/article_io.h"
#include "core/articles/article_sort.h"
#include "core/articles/shared_access.h"
#include "core/i18n/message_table.h"
#include "core/settings/admin_options_file.h"
#include "core/settings/options_store.h"
#include "core/settings/rights.h"
#include "ui/addresses/address_actions.h"
#include "ui/addresses/kunden_form.h"
#include "ui/app/admin_form.h"
#include "ui/app/main_menu.h"
#include "ui/app/printer_slots.h"
#include "ui/app/program_style.h"
#include "ui/app/window_state.h"
#include "ui/articles/article_actions.h"
#include "ui/articles/article_table_model.h"
#include "ui/articles/neuer_artikel_form.h"
#include "ui/articles/sort_spalte_form.h"
#include "ui/articles/spalten_ausblenden_form.h"
#include "ui/articles/spalten_umbenennen_form.h"
#include "ui/booking/booking_actions.h"
#include "ui/booking/journal_actions.h"
#include "ui/i18n/component_translator.h"
#include "ui/i18n/translate_form.h"
#include "ui/settings/admin_pass_form.h"
#include "ui/settings/benutzer_verwaltung_form.h"
#include "ui/settings/einloggen_form.h"
#include "ui/settings/user_actions.h"

#include <QAction>
#include <QActionGroup>
#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QDesktopServices>
#include <QDoubleSpinBox>
#include <QFile>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPrintDialog>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QShortcut>
#include <QSplitter>
#include <QStatusBar>
#include <QTableView>
#include <QUrl>
#include <QVBoxLayout>

namespace morvane::ui {

using namespace articles;

namespace {

QPushButton *button(QWidget *parent, QLayout *layout, const QString &caption, const char *name)
{
    auto *b = new QPushButton(caption, parent);
    b->setObjectName(QLatin1String(name));
    layout->addWidget(b);
    return b;
}

void setTimer(QTimer &timer, const char *name, int interval)
{
    timer.setObjectName(QLatin1String(name));
    timer.setInterval(interval);
}

}  // namespace

TMainForm::TMainForm(const app::CommandLine &commandLine, QWidget *parent)
    : QMainWindow(parent), commandLine_(commandLine), prompter_(this)
{
    setObjectName(QStringLiteral("MainForm"));
    setWindowTitle(QStringLiteral("Korvell Tessaro 1.0"));
    FormCreate();
}

TMainForm::~TMainForm() = default;

QAction *TMainForm::action(const char *caption) const
{
    return findChild<QAction *>(menuItemName(QString::fromUtf8(caption)));
}

void TMainForm::FormCreate()
{
    const QString programFolder = app::withTrailingSlash(QCoreApplication::applicationDirPath());
    app::Folders folders{programFolder, programFolder, app::withTrailingSlash(app::GetProgramDir(false, programFolder))};
    ws_ = std::make_unique<app::Workspace>(folders, clock_, prompter_);
    ws_->format = base::FormatSettings::fromLocale(QLocale::system());
    ws_->loadDictionary();
    ws_->protocolListener = [this](const QString &line) { ProtokollMemo->appendPlainText(line); };

    buildMainMenu(this);
    buildLayout();
    connectMenu();
    userActions_ = new UserActions(*this);
    articleActions_ = new ArticleActions(*this, userActions_->session());
    userActions_->setArticleActions(articleActions_);
    articleActions_->saveOptions = [this] { settings::OptionsStore::SaveOptions(*ws_); };
    articleActions_->rightsChanged = [this] { userActions_->GrayOutFunctions(); };
    articleActions_->reloadList = [this] { reloadList(); };
    addressActions_ = new AddressActions(*this);
    articleActions_->supplierEmails = [this] { return addresses::SupplierNames::emails(addressActions_->suppliers()); };
    bookingActions_ = new BookingActions(*this, userActions_->session(), *addressActions_->KundenForm());
    bookingActions_->reloadList = [this] { reloadList(); };
    bookingActions_->focusScanField = [this](int ms) { Timer3.start(ms); };
    bookingActions_->articleQuantityDecimals = [this](int decimals) {
        articleActions_->NeuerArtikelForm()->setQuantityDecimals(decimals);
    };
    prompter_.valueDialogs = [this](const base::ValuePrompt &prompt) { return bookingActions_->askValue(prompt); };
    journalActions_ = new JournalActions(
        this, *ws_, printer0_,
        {[this] { return bookingActions_->selectedRow(); },
         [this](const booking::JournalRecord &record) { bookingActions_->undoBooking(record); },
         [this] { reloadList(); },
         [this] {
             return settings::Rights(ws_->options, userActions_->session()).mayChange(settings::RightBuchungenBearbeiten);
         },
         [this] { addressActions_->Kundenverwaltung1Click(); }});
    bookingActions_->externalCommand = [this] { return journalActions_->externalCommand(); };
    articleActions_->bookSelected = [this] { bookingActions_->BuchenBtnClick(); };
    action("Bedienungsanleitung als PDF Datei...")->setVisible(true);
    PrinterSlots::load(QStringLiteral("printer0"), printer0_);
    WindowStateStorage::restore(this);
    applyCheckedStyle();

    setTimer(Timer1, "Timer1", 100);
    setTimer(Timer2, "Timer2", 1000);
    setTimer(Timer3, "Timer3", 3000);
    setTimer(Timer7, "Timer7", 100);
    connect(&Timer1, &QTimer::timeout, this, [this] { ArtNrEd->clear(); Timer1.stop(); });
    connect(&Timer2, &QTimer::timeout, this, &TMainForm::Timer2Timer);
    connect(&Timer3, &QTimer::timeout, this, [this] {
        Timer3.stop();
        if (ArtNrEd->isVisible() && ArtNrEd->isEnabled())
            ArtNrEd->setFocus();
    });
    resize(1100, 700);
}

void TMainForm::buildLayout()
{
    auto *central = new QWidget(this);
    auto *layout = new QVBoxLayout(central);
    layout->setContentsMargins(4, 4, 4, 4);

    TopPanel = new QWidget(central);
    TopPanel->setObjectName(QStringLiteral("TopPanel"));
    auto *top = new QHBoxLayout(TopPanel);
    top->setContentsMargins(0, 0, 0, 0);
    button(TopPanel, top, QStringLiteral("Lieferschein drucken..."), "LieferscheinDruckenBtn");
    button(TopPanel, top, QStringLiteral("Rechnung/Angebot/Lieferschein drucken..."), "RechnungBtn");
    button(TopPanel, top, QStringLiteral("Kundenverwaltung..."), "BitBtn1");
    top->addStretch();
    layout->addWidget(TopPanel);

    BookingPanel = new QWidget(central);
    BookingPanel->setObjectName(QStringLiteral("BookingPanel"));
    auto *booking = new QHBoxLayout(BookingPanel);
    booking->setContentsMargins(0, 0, 0, 0);
    AbgangCheck = new QRadioButton(QStringLiteral("Menge verringern "), BookingPanel);
    AbgangCheck->setObjectName(QStringLiteral("AbgangCheck"));
    AbgangCheck->setChecked(true);
    ZugangCheck = new QRadioButton(QStringLiteral("Menge erhöhen"), BookingPanel);
    ZugangCheck->setObjectName(QStringLiteral("ZugangCheck"));
    booking->addWidget(AbgangCheck);
    booking->addWidget(ZugangCheck);
    booking->addWidget(new QLabel(QStringLiteral("Menge:"), BookingPanel));
    MengeEd = new QDoubleSpinBox(BookingPanel);
    MengeEd->setObjectName(QStringLiteral("MengeEd"));
    MengeEd->setRange(0.01, 1000000000);
    MengeEd->setDecimals(2);
    MengeEd->setValue(1);
    booking->addWidget(MengeEd);
    // The long caption wraps, so the shown booking panel fits a small screen.
    auto *scanLabel =
        new QLabel(QStringLiteral("Artikelnummer/Barcode Eingabe für Barcode Scanner oder Hand Eingabe:"), BookingPanel);
    scanLabel->setWordWrap(true);
    booking->addWidget(scanLabel, 1);
    ArtNrEd = new QLineEdit(BookingPanel);
    ArtNrEd->setObjectName(QStringLiteral("ArtNrEd"));
    ArtNrEd->setMinimumWidth(140);
    booking->addWidget(ArtNrEd, 2);
    auto *hint = new QLabel(QStringLiteral("Eingabe mit [Enter] oder [Leer]") + u'\n' + QStringLiteral("abschließen."),
                            BookingPanel);
    booking->addWidget(hint);
    button(BookingPanel, booking, QStringLiteral("Mehrere Barcodes..."), "MehrereBarcodesBtn");
    button(BookingPanel, booking, QStringLiteral("Kasse..."), "KasseBtn");
    setDeliveredVisible(BookingPanel, false);
    layout->addWidget(BookingPanel);

    model_ = new ArticleTableModel(*ws_, this);
    ListView1 = new QTableView(central);
    ListView1->setObjectName(QStringLiteral("ListView1"));
    ListView1->setModel(model_);
    ListView1->setSelectionBehavior(QAbstractItemView::SelectRows);
    ListView1->setSelectionMode(QAbstractItemView::ExtendedSelection);
    ListView1->setShowGrid(true);
    ListView1->setWordWrap(false);
    ListView1->setEditTriggers(QAbstractItemView::NoEditTriggers);
    ListView1->verticalHeader()->setVisible(false);
    ListView1->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    ListView1->verticalHeader()->setDefaultSectionSize(ListView1->fontMetrics().height() + 6);
    ListView1->horizontalHeader()->setSectionsClickable(true);
    ListView1->horizontalHeader()->setHighlightSections(false);
    ListView1->setContextMenuPolicy(Qt::CustomContextMenu);
    QMenu *popup = buildArticlePopupMenu(this);
    connect(ListView1, &QWidget::customContextMenuRequested, this,
            [this, popup](const QPoint &at) { popup->popup(ListView1->viewport()->mapToGlobal(at)); });
    connect(ListView1->horizontalHeader(), &QHeaderView::sectionClicked, this, &TMainForm::ListView1ColumnClick);
    // Somebody working in the list keeps the focus there.
    connect(ListView1, &QAbstractItemView::pressed, this, [this] { Timer3.stop(); });
    connect(ListView1->horizontalHeader(), &QHeaderView::sectionResized, this, &TMainForm::ColumnResized);
    auto *selectAll = new QShortcut(QKeySequence::SelectAll, ListView1);
    connect(selectAll, &QShortcut::activated, this, [this] {
        if (ws_->listOptions.mehrfachauswahl)
            ListView1->selectAll();
    });

    ProtokollMemo = new QPlainTextEdit(central);
    ProtokollMemo->setObjectName(QStringLiteral("ProtokollMemo"));
    ProtokollMemo->setPlainText(QStringLiteral("Protokoll"));
    ProtokollMemo->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    setDeliveredVisible(ProtokollMemo, false);

    Splitter1 = new QSplitter(Qt::Vertical, central);
    Splitter1->setObjectName(QStringLiteral("Splitter1"));
    Splitter1->addWidget(ListView1);
    Splitter1->addWidget(ProtokollMemo);
    Splitter1->setStretchFactor(0, 1);
    layout->addWidget(Splitter1, 1);

    auto *bottom = new QWidget(central);
    bottom->setObjectName(QStringLiteral("BottomPanel"));
    auto *bottomLayout = new QHBoxLayout(bottom);
    bottomLayout->setContentsMargins(0, 0, 0, 0);
    button(bottom, bottomLayout, QStringLiteral("Neuer Artikel"), "NewArtikelBtn");
    button(bottom, bottomLayout, QStringLiteral("Artikel bearbeiten..."), "EditArtikelBtn");
    button(bottom, bottomLayout, QStringLiteral("Artikel löschen"), "DelBtn");
    button(bottom, bottomLayout, QStringLiteral("Drucken..."), "PrintBtn");
    BottomBookingPanel = new QWidget(bottom);
    BottomBookingPanel->setObjectName(QStringLiteral("BottomBookingPanel"));
    auto *users = new QHBoxLayout(BottomBookingPanel);
    users->setContentsMargins(0, 0, 0, 0);
    button(BottomBookingPanel, users, QStringLiteral("Abgang/Zugang buchen"), "BuchenBtn");
    button(BottomBookingPanel, users, QStringLiteral("Rückgängig"), "UndoBtn");
    button(BottomBookingPanel, users, QStringLiteral("Buchungen...."), "BuchungenBtn");
    users->addWidget(new QLabel(QStringLiteral("Benutzer:"), BottomBookingPanel));
    BenutzerCombo = new QComboBox(BottomBookingPanel);
    BenutzerCombo->setObjectName(QStringLiteral("BenutzerCombo"));
    users->addWidget(BenutzerCombo);
    button(BottomBookingPanel, users, QStringLiteral("Benutzer..."), "BenutzerBearbeiten");
    button(BottomBookingPanel, users, QStringLiteral("Ausloggen"), "AusloggenBtn");
    setDeliveredVisible(BottomBookingPanel, false);
    bottomLayout->addWidget(BottomBookingPanel);
    bottomLayout->addStretch();
    layout->addWidget(bottom);

    setCentralWidget(central);
    statusBar()->setObjectName(QStringLiteral("StatusBar1"));
}

void TMainForm::connectMenu()
{
    connect(action("Beenden"), &QAction::triggered, this, &QWidget::close);
    connect(action("Beenden ohne automatischen Export"), &QAction::triggered, this, [this] {
        noautoexport_ = true;
        close();
    });
    connect(action("Spalten umsortieren..."), &QAction::triggered, this, &TMainForm::SpaltenUmsortieren1Click);
    connect(action("Spalten umbennen..."), &QAction::triggered, this, &TMainForm::SpaltenUmbennen1Click);
    connect(action("Spalten ausblenden..."), &QAction::triggered, this, &TMainForm::SpaltenAusblenden1Click);
    connect(action("Bedienungsanleitung als PDF Datei..."), &QAction::triggered, this, [this] {
        QDesktopServices::openUrl(QUrl::fromLocalFile(ws_->folders.realprogpath + QStringLiteral("morvane.pdf")));
    });
    const std::pair<const char *, int> languages[] = {{"Deutsch", 3}, {"English", 1}, {"Nederlands", 2}, {"Norsk", 4},
                                                      {"Svenska", 5}, {"Italiano", 6}, {"Français", 7},
                                                      {"Espagnole", 8}, {"Portugues", 9}, {"Polski", 10}};
    for (const auto &[caption, slot] : languages) {
        QAction *item = action(caption);
        item->setProperty("slot", slot);
        connect(item, &QAction::triggered, this, [this, slot = slot] { LanguageClick(slot); });
    }
    connect(action("Drucker einrichten"), &QAction::triggered, this, &TMainForm::Druckereinrichten1Click);
    connect(action("Übersetzen..."), &QAction::triggered, this, &TMainForm::bersetzen1Click);
    connect(action("Administrator Menü..."), &QAction::triggered, this, &TMainForm::AdministratorMen1Click);
    connect(action("Alle Funktionen anzeigen"), &QAction::toggled, this, [this](bool on) { showAllFunctions(this, on); });
    connect(action("Deutsches Datums und Zahlenformat immer verwenden (System Einstellungen gelten nicht)"),
            &QAction::toggled, this, &TMainForm::GermanFormatCheckClick);
    for (const QString &style : styleNames())
        connect(findChild<QAction *>(menuItemName(style)), &QAction::triggered, this, &TMainForm::applyCheckedStyle);
    for (const char *option : {"Mehrfachauswahl fürs Löschen und Drucken erlauben",
                               "Zeile rot hinterlegen, wenn letzte Buchung mehr als 30 Tage her ist",
                               "Farbe nicht als Hintergrundfarbe, sondern als Ampel-Icon",
                               "Bei Ampel Icons: Zeile rot hinterlegen, wenn Mindestbestand unterschritten"})
        connect(action(option), &QAction::toggled, this, &TMainForm::ListOptionChanged);
}

void TMainForm::ListOptionChanged()
{
    ListOptions &o = ws_->listOptions;
    o.mehrfachauswahl = action("Mehrfachauswahl fürs Löschen und Drucken erlauben")->isChecked();
    o.rotWennLetzteBuchungAlt = action("Zeile rot hinterlegen, wenn letzte Buchung mehr als 30 Tage her ist")->isChecked();
    o.farbeAlsAmpelIcon = action("Farbe nicht als Hintergrundfarbe, sondern als Ampel-Icon")->isChecked();
    o.rotWennMindestbestandUnterschritten =
        action("Bei Ampel Icons: Zeile rot hinterlegen, wenn Mindestbestand unterschritten")->isChecked();
    ListView1->setSelectionMode(o.mehrfachauswahl ? QAbstractItemView::ExtendedSelection
                                                  : QAbstractItemView::SingleSelection);
    ListView1->viewport()->update();
}

void TMainForm::showEvent(QShowEvent *event)
{
    QMainWindow::showEvent(event);
    if (!isnotfirst_) {
        isnotfirst_ = true;
        // Let the window appear first; the start sequence may ask questions.
        QTimer::singleShot(0, this, &TMainForm::FormShow);
    }
}

void TMainForm::FormShow()
{
    const QString adminFile = ws_->folders.appdatapath + QStringLiteral("adminoptions.dat");
    const app::DataFolderChoice choice = settings::AdminOptionsFile::load(adminFile);
    const app::DataFolderDecision decision = app::chooseDataFolder(*ws_, choice, commandLine_);
    ws_->folders.progpath = decision.progpath;
    if (commandLine_.showPath)
        showDataFolder();
    ListOptionChanged();
    GermanFormatCheckClick();

    OpenFile(*ws_);
    articleActions_->BlendeSpaltenAus();
    settings::OptionsStore::LoadOptions(*ws_);
    // Checking the item does not trigger it, so nothing is announced or saved.
    for (QAction *language : findChild<QMenu *>(QStringLiteral("Sprache1"))->actions()) {
        if (language->property("slot").toInt() == ws_->options.language)
            language->setChecked(true);
    }

    for (int n = 1; n <= i18n::MessageTable::kCount; ++n)
        ws_->translator.message(n);
    TranslateComponents(this, ws_->translator);
    reloadList();
    colinited_ = true;
    bookingActions_->MengenFelderUmstellen();
    bookingActions_->started();
    loadProtocol();

    QApplication::setApplicationName(ws_->translator.translate(QStringLiteral("Morvane")));
    oldmaincaption_ = windowTitle();
    setWindowTitle(oldmaincaption_ + QStringLiteral(" - ") + ws_->translator.translate(QStringLiteral("Didur "))
                   + QString::number(ws_->files.alagernr));
    statusBar()->showMessage(ws_->translator.translate(QStringLiteral("Datenbankverzeichnis: ")) + ws_->folders.progpath);
    const QList<QWidget *> windows{articleActions_->NeuerArtikelForm(), userActions_->EinloggenForm(),
                                   userActions_->AdminPassForm(), userActions_->BenutzerVerwaltungForm()};
    for (QWidget *window : windows) {
        if (window)
            TranslateComponents(window, ws_->translator);
    }
    ws_->saveDictionaryIfChanged();
    addressActions_->openTables();
    userActions_->LoadBenutzer();
    userActions_->startLogin();
    if (!isVisible())
        return;  // the start login was cancelled and closed the window
    Timer2.start();
}

void TMainForm::showDataFolder()
{
    ws_->prompter->inform({0, ws_->folders.progpath, ws_->translator.translate(QStringLiteral("Datenbankverzeichnis")),
                           base::Icon::Information});
}

void TMainForm::loadProtocol()
{
    const QString protocol = ws_->readProtocol();
    if (!protocol.isEmpty())
        ProtokollMemo->setPlainText(protocol);
}

void TMainForm::applyColumnLayout()
{
    QHeaderView *header = ListView1->horizontalHeader();
    const QSignalBlocker block(header);
    for (int c = 0; c < kListColumnCount; ++c) {
        const int width = ws_->articleSettings.listColumnWidth(c);
        ListView1->setColumnHidden(c, width <= 0);
        if (width > 0)
            ListView1->setColumnWidth(c, width);
    }
    header->setSortIndicatorShown(true);
    header->setSortIndicator(ws_->articleSettings.sortspalte,
                             ws_->articleSettings.sortdir ? Qt::DescendingOrder : Qt::AscendingOrder);
}

void TMainForm::reloadList()
{
    model_->reload();
    applyColumnLayout();
}

void TMainForm::ColumnResized(int column, int, int newWidth)
{
    if (column < 0 || column >= kListColumnCount || newWidth <= 0)
        return;
    const std::size_t field = column == 0 ? 0 : std::size_t(ws_->articleSettings.spalte.at(column - 1) + 1);
    ws_->articleSettings.fieldWidths[field] = newWidth;
}

void TMainForm::Timer2Timer()
{
    if (!SharedAccess::changedOnDisk(*ws_))
        return;
    const QModelIndex current = ListView1->currentIndex();
    const int row = current.isValid() ? current.row() : -1;
    const int scroll = ListView1->verticalScrollBar()->value();
    if (QFile::exists(ws_->markerPath()))
        return;  // another workstation is busy; try again next time
    if (OpenFile(*ws_) != ReadResult::Read)
        return;
    reloadList();
    const int rows = model_->rowCount();
    if (row >= 0 && rows > 0) {
        const int target = std::min(row, rows - 1);
        ListView1->selectionModel()->setCurrentIndex(model_->index(target, 0),
                                                     QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    }
    if (rows > 0)
        ListView1->verticalScrollBar()->setValue(scroll);
}

void TMainForm::ListView1ColumnClick(int column)
{
    if (!settings::Rights(ws_->options, userActions_->session()).mayUse(settings::RightSortieren))
        return;
    SharedAccess::inWritePhase(*ws_, [&] {
        ArticleFileSettings &s = ws_->articleSettings;
        ArticleSort::columnClicked(column, s.sortspalte, s.sortdir);
        QApplication::setOverrideCursor(Qt::WaitCursor);
        ArticleSort::sort(ws_->articles, s.sortspalte, s.sortdir, s.spalte, ws_->format);
        QApplication::restoreOverrideCursor();
        return true;
    });
    reloadList();
}

void TMainForm::SpaltenUmsortieren1Click()
{
    SharedAccess::inWritePhase(*ws_, [&] {
        TSortSpalteForm dialog(*model_, ws_->articleSettings.spalte, this);
        if (dialog.exec() != QDialog::Accepted)
            return false;
        ws_->articleSettings.spalte = dialog.result();
        return true;
    });
    reloadList();
}

void TMainForm::SpaltenAusblenden1Click()
{
    SharedAccess::inWritePhase(*ws_, [&] {
        TSpaltenAusblendenForm dialog(*model_, ws_->articleSettings, this);
        if (dialog.exec() != QDialog::Accepted)
            return false;
        dialog.applyTo(ws_->articleSettings);
        return true;
    });
    reloadList();
}

void TMainForm::SpaltenUmbennen1Click()
{
    TSpaltenUmbenennenForm dialog(*ws_, this);
    if (dialog.exec() != QDialog::Accepted)
        return;
    dialog.applyTo(*ws_);
    ws_->translator.markDirty();
    ws_->saveDictionaryIfChanged();
    ws_->inform(1, base::Icon::Information, ws_->translator.message(2));
}

void TMainForm::LanguageClick(int slot)
{
    ws_->options.language = slot;
    ws_->translator.setLanguage(slot);
    ws_->inform(1, base::Icon::Information, ws_->translator.message(2));
    settings::OptionsStore::SaveOptions(*ws_);
}

void TMainForm::bersetzen1Click()
{
    TTranslateForm editor(*ws_, this);
    TranslateComponents(&editor, ws_->translator);
    editor.exec();
    ws_->saveDictionaryIfChanged();
    ws_->inform(1, base::Icon::Information, ws_->translator.message(2));
}

bool TMainForm::IsAdmin()
{
    return userActions_->IsAdmin();
}

void TMainForm::AdministratorMen1Click()
{
    if (!IsAdmin())
        return;
    const QString adminFile = ws_->folders.appdatapath + QStringLiteral("adminoptions.dat");
    app::DataFolderChoice choice = settings::AdminOptionsFile::load(adminFile);
    TAdminForm form(*ws_, this);
    form.load(ws_->options, choice, app::GetProgramDir(false, ws_->folders.realprogpath));
    TranslateComponents(&form, ws_->translator);
    WindowStateStorage::restore(&form);
    if (form.exec() != QDialog::Accepted)
        return;
    WindowStateStorage::save(&form);
    form.applyTo(ws_->options, choice);
    userActions_->GrayOutFunctions();
    settings::OptionsStore::SaveOptions(*ws_);
    settings::AdminOptionsFile::save(adminFile, choice);
}

void TMainForm::GermanFormatCheckClick()
{
    // Switching the option off keeps the formats until the next start.
    if (action("Deutsches Datums und Zahlenformat immer verwenden (System Einstellungen gelten nicht)")->isChecked())
        ws_->format = base::FormatSettings::german();
    ListView1->viewport()->update();
}

void TMainForm::Druckereinrichten1Click()
{
    QPrintDialog dialog(&printer0_, this);
    if (dialog.exec() == QDialog::Accepted)
        PrinterSlots::save(QStringLiteral("printer0"), printer0_);
}

void TMainForm::applyCheckedStyle()
{
    for (const QString &style : styleNames()) {
        if (findChild<QAction *>(menuItemName(style))->isChecked()) {
            SetProgramStyle(style);
            return;
        }
    }
}

void TMainForm::closeEvent(QCloseEvent *event)
{
    Timer2.stop();
    WindowStateStorage::save(this, {{QStringLiteral("ProtokollMemoHeight"), ProtokollMemo->height()}});
    ws_->saveDictionaryIfChanged();
    // The automatic export and backups at exit run here unless noautoexport_.
    event->accept();
}

}  // namespace morvane::ui
