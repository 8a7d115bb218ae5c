#include "ui/booking/buchung_form.h"

#include "core/articles/shared_access.h"
#include "core/dbase/dbf_error.h"
#include "ui/app/window_state.h"
#include "ui/booking/buch_spalten_ausblenden_form.h"
#include "ui/booking/kommando_form.h"
#include "ui/booking/protokoll_drucken_form.h"
#include "ui/dbase/table_model.h"
#include "ui/i18n/component_translator.h"

#include <QActionGroup>
#include <QDateEdit>
#include <QFileDialog>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QIdentityProxyModel>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QProgressDialog>
#include <QPushButton>
#include <QTableView>
#include <QVBoxLayout>

namespace morvane::ui {

using booking::JournalOrder;

// Column titles are the stored field names passed through the dictionary.
class JournalHeaderModel final : public QIdentityProxyModel {
public:
    JournalHeaderModel(dbase::Table &table, i18n::Translator &translator, QObject *parent)
        : QIdentityProxyModel(parent), table_(table), translator_(translator)
    {
    }
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override
    {
        if (orientation != Qt::Horizontal || role != Qt::DisplayRole || !table_.isOpen()
            || section >= table_.fieldCount())
            return QIdentityProxyModel::headerData(section, orientation, role);
        return translator_.translate(table_.field(section).name);
    }

private:
    dbase::Table &table_;
    i18n::Translator &translator_;
};

QPushButton *namedButton(QWidget *parent, const char *caption, const char *name)
{
    auto *b = new QPushButton(QString::fromUtf8(caption), parent);
    b->setObjectName(QLatin1String(name));
    return b;
}

namespace {

QAction *menuItem(QMenu *menu, const char *caption, const char *name)
{
    QAction *a = menu->addAction(QString::fromUtf8(caption));
    a->setObjectName(QLatin1String(name));
    return a;
}

}  // namespace

TBuchungForm::TBuchungForm(app::Workspace &ws, QPrinter &printer, QWidget *parent)
    : QDialog(parent), ws_(ws), printer_(printer)
{
    setObjectName(QStringLiteral("BuchungForm"));
    setWindowTitle(QStringLiteral("Buchungen"));
    model_ = new dbase::TableModel(&table_, this);
    titles_ = new JournalHeaderModel(table_, ws_.translator, this);
    titles_->setSourceModel(model_);
    kommando_ = new TKommandoForm(ws_, this);
    buildLayout();
    TranslateComponents(this, ws_.translator);
    WindowStateStorage::restore(this);
    // The stored check mark of "Sortieren" is the order the grid opens in.
    order_ = NachArtikel1->isChecked()        ? JournalOrder::ByArticle
             : NachKostenstelle1->isChecked() ? JournalOrder::ByCostCentre
                                              : JournalOrder::Unsorted;
    DBGrid1->setSelectionBehavior(GanzeZeile1->isChecked() ? QAbstractItemView::SelectRows
                                                           : QAbstractItemView::SelectItems);
}

TBuchungForm::~TBuchungForm()
{
    // The grid must let go of the table before the table goes.
    DBGrid1->setModel(nullptr);
}

void TBuchungForm::buildLayout()
{
    auto *menuBar = new QMenuBar(this);
    QMenu *file = menuBar->addMenu(QStringLiteral("Datei"));
    connect(menuItem(file, "Buchungen als CSV Datei exportieren...", "ExportCSV1"), &QAction::triggered, this,
            &TBuchungForm::ExportBtnClick);
    connect(menuItem(file, "Als CSV Datei exportieren und Artikel zusammenfassen...", "ExportSummarised1"),
            &QAction::triggered, this, &TBuchungForm::SummarisedExportClick);
    connect(menuItem(file, "Neue Buchungen an ein Kommandozeilenprogramm übergeben...", "Kommandozeilenprogramm1"),
            &QAction::triggered, this, &TBuchungForm::Kommandozeilenprogramm1Click);
    connect(menuItem(file, "Kundenverwaltung...", "Kundenverwaltung1"), &QAction::triggered, this, [this] {
        if (onCustomers)
            onCustomers();
    });

    QMenu *sort = menuBar->addMenu(QStringLiteral("Sortieren"));
    auto *group = new QActionGroup(this);
    Unsortiert1 = menuItem(sort, "Unsortiert", "Unsortiert1");
    NachArtikel1 = menuItem(sort, "Sortieren nach Artikel", "SortierennachArtikel1");
    NachKostenstelle1 = menuItem(sort, "Sortiert nach Kostenstelle", "SortiertnachKostenstelle1");
    for (QAction *a : {Unsortiert1, NachArtikel1, NachKostenstelle1}) {
        a->setCheckable(true);
        group->addAction(a);
    }
    Unsortiert1->setChecked(true);
    connect(Unsortiert1, &QAction::triggered, this, [this] { sortBy(JournalOrder::Unsorted); });
    connect(NachArtikel1, &QAction::triggered, this, [this] { sortBy(JournalOrder::ByArticle); });
    connect(NachKostenstelle1, &QAction::triggered, this, [this] { sortBy(JournalOrder::ByCostCentre); });

    QMenu *columns = menuBar->addMenu(QStringLiteral("Spalten"));
    connect(menuItem(columns, "Spalten ausblenden...", "SpaltenAusblenden1"), &QAction::triggered, this,
            &TBuchungForm::SpaltenAusblenden1Click);
    connect(menuItem(columns, "Spalten Voreinstellung wiederherstellen...", "SpaltenVoreinstellung1"),
            &QAction::triggered, this, &TBuchungForm::SpaltenVoreinstellung1Click);
    GanzeZeile1 = menuItem(columns, "Ganze Zeile markieren", "GanzeZeilemarkieren1");
    GanzeZeile1->setCheckable(true);
    connect(GanzeZeile1, &QAction::toggled, this, [this](bool on) {
        DBGrid1->setSelectionBehavior(on ? QAbstractItemView::SelectRows : QAbstractItemView::SelectItems);
    });

    DBGrid1 = new QTableView(this);
    DBGrid1->setObjectName(QStringLiteral("DBGrid1"));
    DBGrid1->setModel(titles_);
    DBGrid1->verticalHeader()->setDefaultSectionSize(DBGrid1->fontMetrics().height() + 6);
    DBGrid1->verticalHeader()->hide();
    QHeaderView *header = DBGrid1->horizontalHeader();
    header->setSectionsMovable(true);
    connect(header, &QHeaderView::sectionMoved, this, &TBuchungForm::columnMoved);
    connect(header, &QHeaderView::sectionResized, this, [this](int logical, int, int size) {
        if (!arranging_ && size > 0)
            widths_[logical] = size;
    });

    FilterEd = new QLineEdit(this);
    FilterEd->setObjectName(QStringLiteral("FilterEd"));
    FilterEd->setProperty("tag", 99);
    DateEd1 = new QDateEdit(ws_.clock.today(), this);
    DateEd1->setObjectName(QStringLiteral("DateEd1"));
    DateEd2 = new QDateEdit(ws_.clock.today(), this);
    DateEd2->setObjectName(QStringLiteral("DateEd2"));
    for (QDateEdit *d : {DateEd1, DateEd2}) {
        d->setCalendarPopup(true);
        d->setDisplayFormat(ws_.format.shortDateFormat);
    }
    QPushButton *filterBtn = namedButton(this, "Filtern", "FilterBtn");
    QPushButton *dateBtn = namedButton(this, "Datum Filtern", "DatumFilternBtn");
    QPushButton *noFilterBtn = namedButton(this, "Filter entfernen", "FilterEntfernenBtn");
    QPushButton *undoBtn = namedButton(this, "Markierte Buchung rückgängig machen...", "RueckgaengigBtn");
    QPushButton *printBtn = namedButton(this, "Buchungen drucken...", "DruckenBtn");
    QPushButton *exportBtn = namedButton(this, "Buchungen als CSV Datei exportieren...", "ExportBtn");
    connect(filterBtn, &QPushButton::clicked, this, &TBuchungForm::FilterBtnClick);
    connect(FilterEd, &QLineEdit::returnPressed, this, &TBuchungForm::FilterBtnClick);
    connect(dateBtn, &QPushButton::clicked, this, &TBuchungForm::DateFilterBtnClick);
    connect(noFilterBtn, &QPushButton::clicked, this, &TBuchungForm::NoFilterBtnClick);
    connect(undoBtn, &QPushButton::clicked, this, &TBuchungForm::UndoBtnClick);
    connect(printBtn, &QPushButton::clicked, this, &TBuchungForm::PrintBtnClick);
    connect(exportBtn, &QPushButton::clicked, this, &TBuchungForm::ExportBtnClick);

    auto *filterRow = new QHBoxLayout;
    filterRow->addWidget(FilterEd, 1);
    filterRow->addWidget(filterBtn);
    filterRow->addSpacing(12);
    filterRow->addWidget(DateEd1);
    filterRow->addWidget(new QLabel(QStringLiteral("-"), this));
    filterRow->addWidget(DateEd2);
    filterRow->addWidget(dateBtn);
    filterRow->addWidget(noFilterBtn);
    auto *buttonRow = new QHBoxLayout;
    buttonRow->addWidget(undoBtn);
    buttonRow->addStretch();
    buttonRow->addWidget(printBtn);
    buttonRow->addWidget(exportBtn);
    auto *layout = new QVBoxLayout(this);
    layout->setMenuBar(menuBar);
    layout->addLayout(filterRow);
    layout->addWidget(DBGrid1, 1);
    layout->addLayout(buttonRow);
    resize(1000, 600);
}

void TBuchungForm::reopen(bool writable)
{
    rememberWidths();
    try {
        booking::openJournal(ws_, table_);
    } catch (const dbase::DbfError &e) {
        ws_.prompter->inform({0, e.text(), {}, base::Icon::Error});
    }
    model_->setEditable(writable);
    DBGrid1->setEditTriggers(writable ? QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed
                                      : QAbstractItemView::NoEditTriggers);
    if (table_.isOpen()) {
        applyFilter();
        sortBy(order_);
    }
    reload();
}

void TBuchungForm::setFilter(const booking::JournalFilter &filter)
{
    filter_ = filter;
    if (!filter.filterstrs && !filter.filterkunde)
        FilterEd->setText(filter.str1);
    applyFilter();
    reload();
}

void TBuchungForm::clearFilter()
{
    FilterEd->clear();
    setFilter({});
}

void TBuchungForm::applyFilter()
{
    if (table_.isOpen())
        filter_.applyTo(table_);
}

void TBuchungForm::sortBy(JournalOrder order)
{
    order_ = order;
    (order == JournalOrder::ByArticle ? NachArtikel1
     : order == JournalOrder::ByCostCentre ? NachKostenstelle1
                                          : Unsortiert1)
        ->setChecked(true);
    if (!table_.isOpen())
        return;
    try {
        booking::sortJournal(table_, order);
    } catch (const dbase::DbfError &e) {
        ws_.prompter->inform({0, e.text(), {}, base::Icon::Error});
    }
    reload();
}

void TBuchungForm::reload()
{
    rememberWidths();
    arranging_ = true;
    model_->reload();
    arranging_ = false;
    applyColumns();
}

void TBuchungForm::rememberWidths()
{
    if (!DBGrid1 || arranging_)
        return;
    QHeaderView *header = DBGrid1->horizontalHeader();
    for (int f = 0; f < header->count(); ++f)
        if (!header->isSectionHidden(f) && header->sectionSize(f) > 0)
            widths_[f] = header->sectionSize(f);
}

void TBuchungForm::applyColumns()
{
    QHeaderView *header = DBGrid1->horizontalHeader();
    const int n = model_->columnCount();
    const std::vector<int> visible = booking::visibleJournalFields(ws_.articleSettings, n);
    arranging_ = true;
    for (int f = 0; f < n; ++f)
        header->setSectionHidden(f, std::find(visible.begin(), visible.end(), f) == visible.end());
    for (int k = 0; k < int(visible.size()); ++k) {
        const int f = visible[std::size_t(k)];
        if (header->visualIndex(f) != k)
            header->moveSection(header->visualIndex(f), k);
        if (const auto it = widths_.constFind(f); it != widths_.constEnd())
            header->resizeSection(f, *it);
    }
    arranging_ = false;
}

void TBuchungForm::columnMoved(int logical, int, int newVisual)
{
    if (arranging_)
        return;
    const int n = model_->columnCount();
    const std::vector<int> visible = booking::visibleJournalFields(ws_.articleSettings, n);
    const auto at = std::find(visible.begin(), visible.end(), logical);
    QHeaderView *header = DBGrid1->horizontalHeader();
    int to = 0;
    for (int v = 0; v < newVisual; ++v) {
        const int f = header->logicalIndex(v);
        if (f != logical && !header->isSectionHidden(f))
            ++to;
    }
    if (at != visible.end()) {
        const int from = int(at - visible.begin());
        articles::SharedAccess::inWritePhase(ws_, [&] {
            return booking::moveJournalColumn(ws_.articleSettings, n, from, to);
        });
    }
    // The grid follows the stored order, also when the change was refused.
    QMetaObject::invokeMethod(this, [this] { applyColumns(); }, Qt::QueuedConnection);
}

void TBuchungForm::FilterBtnClick()
{
    booking::JournalFilter f = booking::JournalFilter::forText(FilterEd->text());
    setFilter(f);
}

void TBuchungForm::DateFilterBtnClick()
{
    setFilter(booking::JournalFilter::forTextAndDates(FilterEd->text(), DateEd1->date(), DateEd2->date()));
}

void TBuchungForm::NoFilterBtnClick()
{
    clearFilter();
}

bool TBuchungForm::markedRecord(booking::JournalRecord &record)
{
    const QModelIndex current = DBGrid1->currentIndex();
    const std::uint32_t number = current.isValid() ? model_->recordNumberAt(current.row()) : 0;
    if (number == 0)
        return false;
    try {
        if (!table_.go(number))
            return false;
        record = {};
        for (int i = 0; i < std::min(table_.fieldCount(), booking::kJournalFieldCount); ++i)
            record[std::size_t(i)] = table_.fieldText(i);
        return true;
    } catch (const dbase::DbfError &) {
        return false;
    }
}

booking::JournalSource TBuchungForm::journalSource()
{
    return [this](const std::function<bool(const booking::JournalRecord &)> &visit) {
        if (!table_.isOpen())
            return;
        try {
            const int n = std::min(table_.fieldCount(), booking::kJournalFieldCount);
            booking::JournalRecord r;
            for (table_.first(); !table_.eof(); table_.next()) {
                for (int i = 0; i < n; ++i)
                    r[std::size_t(i)] = table_.fieldText(i);
                if (!visit(r))
                    return;
            }
        } catch (const dbase::DbfError &e) {
            ws_.prompter->inform({0, e.text(), {}, base::Icon::Error});
        }
    };
}

void TBuchungForm::UndoBtnClick()
{
    booking::JournalRecord record;
    if (!markedRecord(record))
        return;
    if (ws_.ask(163, base::Buttons::YesNoCancel, base::Icon::Question, ws_.translator.message(162))
        != base::Answer::Yes)
        return;
    if (onUndo)
        onUndo(record);
    reload();
}

bool TBuchungForm::exportTo(const QString &path, bool summarised)
{
    // A long export can be stopped; the file is then not written at all.
    QProgressDialog progress(ws_.translator.translate(QStringLiteral("Export")), ws_.translator.translate(QStringLiteral("Abbrechen")),
                             0, std::max(1, model_->rowCount()), this);
    progress.setWindowModality(Qt::WindowModal);
    progress.setMinimumDuration(500);
    const auto result = booking::exportJournalCsv(ws_, table_, path, csvFormat, summarised, [&](qint64 done) {
        progress.setValue(int(std::min<qint64>(done, progress.maximum())));
        return !progress.wasCanceled();
    });
    return result == booking::JournalExport::Written;
}

bool TBuchungForm::chooseExportFile(QString &path)
{
    path = QFileDialog::getSaveFileName(this, QString(), QString(),
                                        ws_.translator.translate(QStringLiteral("CSV Dateien")) + QStringLiteral(" (*.csv)"));
    return !path.isEmpty();
}

void TBuchungForm::ExportBtnClick()
{
    if (QString path; chooseExportFile(path))
        exportTo(path, false);
}

void TBuchungForm::SummarisedExportClick()
{
    if (QString path; chooseExportFile(path))
        exportTo(path, true);
}

void TBuchungForm::PrintBtnClick()
{
    TProtokollDruckenForm dialog(ws_, printer_, this);
    dialog.setSource(journalSource());
    dialog.exec();
}

void TBuchungForm::SpaltenAusblenden1Click()
{
    QStringList names;
    for (int f = 0; f < table_.fieldCount(); ++f)
        names << ws_.translator.translate(table_.field(f).name);
    TBuchSpaltenAusblendenForm dialog(names, ws_.articleSettings.buchspaltevis, ws_.translator, this);
    dialog.exec();
    const auto flags = dialog.flags();
    if (flags == ws_.articleSettings.buchspaltevis)
        return;
    articles::SharedAccess::inWritePhase(ws_, [&] {
        ws_.articleSettings.buchspaltevis = flags;
        return true;
    });
    applyColumns();
}

void TBuchungForm::SpaltenVoreinstellung1Click()
{
    articles::SharedAccess::inWritePhase(ws_, [&] {
        booking::restoreJournalColumns(ws_.articleSettings);
        return true;
    });
    applyColumns();
}

void TBuchungForm::Kommandozeilenprogramm1Click()
{
    kommando_->exec();
}

booking::ExternalCommand TBuchungForm::externalCommand() const
{
    return kommando_->command();
}

void TBuchungForm::hideEvent(QHideEvent *event)
{
    WindowStateStorage::save(this);
    QDialog::hideEvent(event);
}

}  // namespace morvane::ui
