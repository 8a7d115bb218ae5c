#include "ui/addresses/address_form.h"

#include "core/addresses/address_mail.h"
#include "core/addresses/address_printing.h"
#include "core/app/workspace.h"
#include "core/dbase/dbf_error.h"
#include "ui/addresses/add_field_dialog.h"
#include "ui/addresses/field_lengths_dialog.h"
#include "ui/addresses/field_order_dialog.h"
#include "ui/addresses/record_text_dialog.h"
#include "ui/addresses/search_row.h"
#include "ui/app/main_menu.h"
#include "ui/dbase/table_model.h"
#include "ui/printing/qt_canvas.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QFileDialog>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPageSetupDialog>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QSplitter>
#include <QTableView>
#include <QToolButton>
#include <QVBoxLayout>

namespace morvane::ui {

using addresses::RestructureResult;
using dbase::FieldType;

namespace {

// "STRASSENR" -> "Strassenr:".
QString labelText(const QString &name)
{
    QString text = name.toLower();
    if (!text.isEmpty() && text.at(0) >= u'a' && text.at(0) <= u'z')
        text[0] = text.at(0).toUpper();
    return text + u':';
}

}  // namespace

AddressForm::AddressForm(addresses::AddressBook &book, const QString &caption, QWidget *parent)
    : QDialog(parent), book_(book)
{
    setWindowTitle(tr_(caption));
    setModal(true);
    boundFields_.fill(-1);
    buildLayout();
    resize(980, 640);
}

QString AddressForm::tr_(const QString &german) const
{
    return book_.workspace().translator.translate(german);
}

void AddressForm::buildLayout()
{
    auto *layout = new QVBoxLayout(this);
    auto *bar = new QMenuBar(this);
    buildMenu(bar);
    layout->setMenuBar(bar);

    auto *tools = new QHBoxLayout;
    const struct {
        const char *name;
        const char *hint;
        const char *text;
        std::function<void()> run;
    } navigator[] = {
        {"FirstBtn", "Erster Datensatz", "|<", [this] { moveBy(-1 << 30); }},
        {"PriorBtn", "Vorheriger Datensatz", "<", [this] { moveBy(-1); }},
        {"NextBtn", "Nächster Datensatz", ">", [this] { moveBy(1); }},
        {"LastBtn", "Letzter Datensatz", ">|", [this] { moveBy(1 << 30); }},
        {"InsertBtn", "Datensatz einfügen", "+", [this] { insertRecord(); }},
        {"DeleteBtn", "Datensatz löschen", "-", [this] { deleteRecord(); }},
        {"EditBtn", "Datensatz bearbeiten", "^", [this] { DBComboBox[0]->setFocus(); }},
        {"PostBtn", "Geänderte Datensatz speichern", "\u2713", [this] { postEdits(); }},
        {"CancelBtn", "Abbrechen, Änderungen verwerfen", "x", [this] { cancelEdits(); }},
        {"RefreshBtn", "Daten aktuallisieren", "\u21bb", [this] { reloadGrid(); }},
    };
    for (const auto &n : navigator) {
        auto *b = new QToolButton(this);
        b->setObjectName(QString::fromLatin1(n.name));
        b->setText(QString::fromUtf8(n.text));
        b->setToolTip(tr_(QString::fromUtf8(n.hint)));
        connect(b, &QToolButton::clicked, this, n.run);
        tools->addWidget(b);
    }
    tools->addSpacing(12);
    const SearchRow search = addSearchRow(this, tools, [this](const QString &german) { return tr_(german); });
    SuchEd = search.SuchEd;
    Filterbtn = search.Filterbtn;
    AllezeigenBtn = search.AllezeigenBtn;
    layout->addLayout(tools);
    connect(SuchEd, &QLineEdit::returnPressed, this, &AddressForm::FilterbtnClick);
    connect(Filterbtn, &QPushButton::clicked, this, &AddressForm::FilterbtnClick);
    connect(AllezeigenBtn, &QPushButton::clicked, this, &AddressForm::AllezeigenBtnClick);

    Splitter1 = new QSplitter(Qt::Vertical, this);
    Splitter1->setObjectName(QStringLiteral("Splitter1"));
    DBGrid1 = new QTableView(Splitter1);
    DBGrid1->setObjectName(QStringLiteral("DBGrid1"));
    model_ = new dbase::TableModel(&book_.table(), this);
    model_->setEditable(true);
    DBGrid1->setModel(model_);
    DBGrid1->setSelectionBehavior(QAbstractItemView::SelectRows);
    DBGrid1->setSelectionMode(QAbstractItemView::SingleSelection);
    DBGrid1->verticalHeader()->setDefaultSectionSize(DBGrid1->fontMetrics().height() + 6);
    DBGrid1->horizontalHeader()->setSectionsClickable(true);
    connect(DBGrid1->horizontalHeader(), &QHeaderView::sectionClicked, this, [this](int section) {
        postEdits();
        // A column that cannot be an index simply stays unsorted.
        book_.sortByField(section);
        reloadGrid();
    });
    connect(model_, &dbase::TableModel::modelReset, this, [this] {
        connect(DBGrid1->selectionModel(), &QItemSelectionModel::currentRowChanged, this, &AddressForm::rowChanged,
                Qt::UniqueConnection);
    });
    connect(DBGrid1->selectionModel(), &QItemSelectionModel::currentRowChanged, this, &AddressForm::rowChanged,
            Qt::UniqueConnection);
    connect(model_, &dbase::TableModel::dataChanged, this, [this] {
        if (!dirty_)
            showCurrent();
    });

    auto *panel = new QWidget(Splitter1);
    auto *grid = new QGridLayout(panel);
    grid->setContentsMargins(0, 4, 0, 4);
    for (int i = 0; i < kEditCount; ++i) {
        // Column by column, four per column.
        const int column = i / 4;
        const int row = i % 4;
        Label[i] = new QLabel(panel);
        Label[i]->setObjectName(QStringLiteral("Label%1").arg(i + 1));
        DBComboBox[i] = new QComboBox(panel);
        DBComboBox[i]->setObjectName(QStringLiteral("DBComboBox%1").arg(i + 1));
        DBComboBox[i]->setEditable(true);
        DBComboBox[i]->setInsertPolicy(QComboBox::NoInsert);
        DBComboBox[i]->setMinimumWidth(110);
        grid->addWidget(Label[i], row * 2, column);
        grid->addWidget(DBComboBox[i], row * 2 + 1, column);
        connect(DBComboBox[i], &QComboBox::editTextChanged, this, [this] {
            if (!showing_)
                dirty_ = true;
        });
    }
    // The e-mail label opens a new message.
    Label[11]->setStyleSheet(QStringLiteral("color: red; text-decoration: underline;"));
    Label[11]->setCursor(Qt::PointingHandCursor);
    Label[11]->installEventFilter(this);

    DBMemo1 = new QPlainTextEdit(Splitter1);
    DBMemo1->setObjectName(QStringLiteral("DBMemo1"));
    connect(DBMemo1, &QPlainTextEdit::textChanged, this, [this] {
        if (!showing_)
            dirty_ = true;
    });
    Splitter1->setStretchFactor(0, 3);
    Splitter1->setStretchFactor(1, 0);
    Splitter1->setStretchFactor(2, 1);
    layout->addWidget(Splitter1, 1);
}

void AddressForm::buildMenu(QMenuBar *bar)
{
    const auto item = [this](QMenu *menu, const char *caption, void (AddressForm::*slot)()) {
        QAction *a = menu->addAction(tr_(QString::fromUtf8(caption)));
        a->setObjectName(menuItemName(QString::fromUtf8(caption)));
        connect(a, &QAction::triggered, this, slot);
        return a;
    };
    QMenu *file = bar->addMenu(tr_(QStringLiteral("Datei")));
    item(file, "Exportieren als CSV Datei...", &AddressForm::Exportieren1Click);
    item(file, "Importieren aus CSV Datei...", &AddressForm::Importieren1Click);
    item(file, "Drucker einrichten...", &AddressForm::Druckereinrichten1Click);
    item(file, "Datensatz drucken", &AddressForm::Datensatzdrucken1Click);
    item(file, "Alle Datensätze drucken", &AddressForm::AlleDatensaetzedrucken1Click);
    QMenu *fields = bar->addMenu(tr_(QStringLiteral("Felder")));
    item(fields, "Feld hinzufügen...", &AddressForm::Feldhinzufuegen1Click);
    item(fields, "Letztes Feld löschen...", &AddressForm::LetztesFeldloeschen1Click);
    item(fields, "Feldlängen bearbeiten...", &AddressForm::Feldlaengenbearbeiten1Click);
    item(fields, "Felder umsortieren...", &AddressForm::Felderumsortieren1Click);
    QMenu *functions = bar->addMenu(tr_(QStringLiteral("Funktionen")));
    item(functions, "Anzahl der Einträge in den einzelnen Spalten zählen...", &AddressForm::Anzahlzaehlen1Click);
    item(functions, "Vorgabewerte für Eingabefelder aktualisieren", &AddressForm::AktuallisiereDBEdit);
    KeineVorgabewertefrdieFelder1 = functions->addAction(tr_(QStringLiteral("Keine Vorgabewerte für die Felder")));
    KeineVorgabewertefrdieFelder1->setObjectName(menuItemName(QStringLiteral("Keine Vorgabewerte für die Felder")));
    KeineVorgabewertefrdieFelder1->setCheckable(true);
}

void AddressForm::AktuallisiereDBEdit()
{
    dbase::Table &t = book_.table();
    boundFields_.fill(-1);
    memoField_ = -1;
    int next = 0;
    if (t.isOpen()) {
        for (int f = 0; f < t.fieldCount(); ++f) {
            if (t.field(f).type == FieldType::Memo)
                memoField_ = f;  // the last memo field wins
            else if (next < kEditCount)
                boundFields_[next++] = f;
        }
    }
    for (int i = 0; i < kEditCount; ++i) {
        const bool bound = boundFields_[i] >= 0;
        DBComboBox[i]->setVisible(bound);
        Label[i]->setVisible(bound);
        if (bound)
            Label[i]->setText(labelText(t.field(boundFields_[i]).name));
        DBComboBox[i]->clear();
    }
    DBMemo1->setVisible(memoField_ >= 0);

    // The suggestion lists: every distinct value of the field, once.
    if (t.isOpen() && !KeineVorgabewertefrdieFelder1->isChecked()) {
        std::array<QStringList, kEditCount> values;
        std::array<QSet<QString>, kEditCount> seen;
        try {
            for (t.first(); !t.eof(); t.next()) {
                for (int i = 0; i < next; ++i) {
                    const QString v = t.fieldText(boundFields_[i]);
                    if (!seen[i].contains(v)) {
                        seen[i].insert(v);
                        values[i] << v;
                    }
                }
            }
        } catch (const dbase::DbfError &) {
        }
        showing_ = true;
        for (int i = 0; i < next; ++i)
            DBComboBox[i]->addItems(values[i]);
        showing_ = false;
    }
    reloadGrid();
}

void AddressForm::reloadGrid()
{
    const std::optional<std::uint32_t> keep = current_;
    model_->reload();
    if (keep && model_->rowOf(*keep) >= 0)
        selectRecord(*keep);
    else if (model_->rowCount() > 0)
        selectRecord(model_->recordNumberAt(0));
    else {
        current_.reset();
        showCurrent();
    }
}

void AddressForm::selectRecord(std::uint32_t recordNumber)
{
    const int row = model_->rowOf(recordNumber);
    if (row < 0)
        return;
    const QModelIndex index = model_->index(row, std::max(0, DBGrid1->currentIndex().column()));
    DBGrid1->setCurrentIndex(index);
    DBGrid1->scrollTo(index);
    if (current_ != recordNumber) {
        current_ = recordNumber;
        showCurrent();
    }
}

void AddressForm::rowChanged()
{
    const QModelIndex index = DBGrid1->currentIndex();
    const std::uint32_t record = index.isValid() ? model_->recordNumberAt(index.row()) : 0;
    if (record && current_ == record)
        return;
    // Moving on keeps what was typed, as a data-aware form does.
    if (dirty_)
        postEdits();
    current_ = record ? std::optional(record) : std::nullopt;
    showCurrent();
}

void AddressForm::showCurrent()
{
    dbase::Table &t = book_.table();
    bool onRecord = false;
    try {
        onRecord = current_ && t.isOpen() && t.go(*current_);
    } catch (const dbase::DbfError &) {
    }
    showing_ = true;
    for (int i = 0; i < kEditCount; ++i) {
        const int f = boundFields_[i];
        DBComboBox[i]->setEditText(onRecord && f >= 0 ? t.fieldText(f) : QString());
    }
    DBMemo1->setPlainText(onRecord && memoField_ >= 0 ? t.fieldText(memoField_) : QString());
    showing_ = false;
    dirty_ = false;
}

QStringList AddressForm::editTexts() const
{
    QStringList out;
    for (QComboBox *c : DBComboBox)
        out << c->currentText();
    return out;
}

bool AddressForm::postEdits(bool quiet)
{
    if (!dirty_)
        return true;
    dbase::Table &t = book_.table();
    if (!t.isOpen())
        return false;
    QStringList values;
    try {
        const bool onRecord = current_ && t.go(*current_);
        for (int f = 0; f < t.fieldCount(); ++f)
            values << (onRecord ? t.fieldText(f) : QString());
    } catch (const dbase::DbfError &) {
    }
    for (int i = 0; i < kEditCount; ++i)
        if (boundFields_[i] >= 0)
            values[boundFields_[i]] = DBComboBox[i]->currentText();
    if (memoField_ >= 0)
        values[memoField_] = DBMemo1->toPlainText();
    const auto result = book_.saveRecord(current_, values);
    if (result != addresses::RecordResult::Saved) {
        dirty_ = dirty_ && !quiet;
        if (!quiet)
            book_.workspace().prompter->inform({0, book_.lastError(), {}, base::Icon::Error});
        return false;
    }
    dirty_ = false;
    if (!current_)
        current_ = t.physicalRecordCount();
    const std::uint32_t saved = *current_;
    model_->reload();
    current_.reset();
    selectRecord(saved);
    return true;
}

void AddressForm::insertRecord()
{
    if (!postEdits())
        return;
    DBGrid1->clearSelection();
    current_.reset();
    showCurrent();
    if (boundFields_[0] >= 0)
        DBComboBox[0]->setFocus();
}

void AddressForm::deleteRecord()
{
    if (!current_)
        return cancelEdits();
    if (book_.workspace().prompter->ask({0, tr_(QStringLiteral("Datensatz löschen?")), {}, base::Icon::Question},
                                        base::Buttons::OkCancel)
        != base::Answer::Ok)
        return;
    const int row = model_->rowOf(*current_);
    book_.deleteRecord(*current_);
    dirty_ = false;
    current_.reset();
    model_->reload();
    if (model_->rowCount() > 0)
        selectRecord(model_->recordNumberAt(std::min(row, model_->rowCount() - 1)));
    else
        showCurrent();
}

void AddressForm::cancelEdits()
{
    dirty_ = false;
    if (!current_ && model_->rowCount() > 0) {
        selectRecord(model_->recordNumberAt(0));
        return;
    }
    showCurrent();
}

void AddressForm::moveBy(int step)
{
    postEdits();
    if (model_->rowCount() == 0)
        return;
    const int row = current_ ? model_->rowOf(*current_) : 0;
    const int to = std::clamp(row + step, 0, model_->rowCount() - 1);
    selectRecord(model_->recordNumberAt(to));
}

void AddressForm::FilterbtnClick()
{
    postEdits();
    book_.setSearchText(SuchEd->text());
    reloadGrid();
}

void AddressForm::AllezeigenBtnClick()
{
    postEdits();
    SuchEd->clear();
    book_.clearSearch();
    reloadGrid();
}

void AddressForm::EmailLabelClick()
{
    if (current_)
        book_.table().go(*current_);
    const addresses::AddressMail mail = addresses::AddressMailer::compose(book_.table(), editTexts());
    switch (addresses::AddressMailer::send(mail, *launcher)) {
    case addresses::MailResult::Started:
        break;
    case addresses::MailResult::Invalid:
        book_.workspace().prompter->inform(
            {0, tr_(QStringLiteral("Die E-Mail-Adresse oder der Name enthält Zeilenumbrüche oder Steuerzeichen.")), {},
             base::Icon::Error});
        break;
    case addresses::MailResult::LaunchFailed:
        book_.workspace().prompter->inform(
            {0, tr_(QStringLiteral("Das E-Mail-Programm (xdg-email) konnte nicht gestartet werden.")), {},
             base::Icon::Error});
        break;
    }
}

bool AddressForm::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == Label[11] && event->type() == QEvent::MouseButtonRelease) {
        EmailLabelClick();
        return true;
    }
    return QDialog::eventFilter(watched, event);
}

void AddressForm::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    if (DBGrid1->currentIndex().isValid() || model_->rowCount() == 0)
        return;
    reloadGrid();
}

void AddressForm::done(int result)
{
    // A pending edit is kept; if it cannot be, closing still goes on.
    postEdits(true);
    QDialog::done(result);
}

void AddressForm::restructured(RestructureResult)
{
    current_.reset();
    AktuallisiereDBEdit();
}

void AddressForm::exportCsv(const QString &path)
{
    postEdits();
    addresses::AddressCsv::exportFile(book_.workspace(), book_.table(), path, csvOptions);
    if (current_)
        book_.table().go(*current_);
}

void AddressForm::importCsv(const QString &path)
{
    postEdits();
    addresses::AddressCsv::importFile(book_.workspace(), book_.table(), path, csvOptions);
    AktuallisiereDBEdit();
}

void AddressForm::Exportieren1Click()
{
    const QString path = QFileDialog::getSaveFileName(this, {}, {}, tr_(QStringLiteral("CSV Dateien (*.csv)")));
    if (path.isEmpty())
        return;
    exportCsv(path.endsWith(QStringLiteral(".csv"), Qt::CaseInsensitive) ? path : path + QStringLiteral(".csv"));
}

void AddressForm::Importieren1Click()
{
    const QString path = QFileDialog::getOpenFileName(this, {}, {}, tr_(QStringLiteral("CSV Dateien (*.csv)")));
    if (!path.isEmpty())
        importCsv(path);
}

void AddressForm::Druckereinrichten1Click()
{
    QPrinter printer;
    QPageSetupDialog dialog(&printer, this);
    dialog.exec();
}

void AddressForm::Datensatzdrucken1Click()
{
    postEdits();
    if (current_)
        book_.table().go(*current_);
    RecordTextDialog dialog(book_.workspace().translator, this);
    dialog.setLines(tr_(QStringLiteral("Datensatz drucken")), addresses::AddressPrinting::recordLines(book_.table()),
                    true);
    dialog.exec();
}

void AddressForm::AlleDatensaetzedrucken1Click()
{
    postEdits();
    app::Workspace &ws = book_.workspace();
    if (ws.ask(193, base::Buttons::YesNoCancel, base::Icon::Question, ws.translator.message(194)) != base::Answer::Yes)
        return;
    QPrinter printer;
    QPrintDialog dialog(&printer, this);
    if (dialog.exec() != QDialog::Accepted)
        return;
    printer.setDocName(ws.translator.message(202));
    QPainter painter(&printer);
    printing::QtCanvas canvas(painter, true);
    addresses::AddressPrinting::printAll(canvas, book_.table());
    reloadGrid();
}

void AddressForm::Feldhinzufuegen1Click()
{
    postEdits();
    AddFieldDialog dialog(book_.workspace().translator, this);
    if (dialog.exec() != QDialog::Accepted)
        return;
    restructured(book_.AddnewField(dialog.name(), dialog.length()));
}

void AddressForm::LetztesFeldloeschen1Click()
{
    postEdits();
    restructured(book_.removeLastField());
}

void AddressForm::Feldlaengenbearbeiten1Click()
{
    postEdits();
    FieldLengthsDialog dialog(book_.table().header().fields, book_.workspace().translator, this);
    if (dialog.exec() != QDialog::Accepted)
        return;
    restructured(book_.changeLengths(dialog.lengths()));
}

void AddressForm::Felderumsortieren1Click()
{
    postEdits();
    QStringList names;
    for (int i = 0; i < book_.table().fieldCount(); ++i)
        names << book_.table().field(i).name;
    FieldOrderDialog dialog(names, book_.workspace().translator, this);
    if (dialog.exec() != QDialog::Accepted)
        return;
    restructured(book_.reorder(dialog.formerPositions()));
}

void AddressForm::Anzahlzaehlen1Click()
{
    postEdits();
    RecordTextDialog dialog(book_.workspace().translator, this);
    dialog.setLines(tr_(QStringLiteral("Anzahl der Einträge")), addresses::AddressPrinting::countLines(book_.table()),
                    false);
    reloadGrid();
    dialog.exec();
}

}  // namespace morvane::ui
