#include "ui/booking/protokoll_drucken_form.h"

#include "core/articles/shared_access.h"
#include "core/booking/journal_evaluations.h"
#include "ui/app/window_state.h"
#include "ui/booking/buch_print_pre_form.h"
#include "ui/booking/buchung_form.h"
#include "ui/i18n/component_translator.h"
#include "ui/printing/qt_canvas.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QDoubleSpinBox>
#include <QFontDialog>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QRadioButton>
#include <QSet>
#include <QTableWidget>
#include <QVBoxLayout>


namespace morvane::ui {

using booking::JournalPrintSettings;
using booking::kJournalFieldCount;

namespace {

QCheckBox *check(QWidget *parent, const char *caption, const char *name, bool on)
{
    auto *c = new QCheckBox(QString::fromUtf8(caption), parent);
    c->setObjectName(QLatin1String(name));
    c->setChecked(on);
    return c;
}

QComboBox *filterCombo(QWidget *parent, const char *name)
{
    auto *c = new QComboBox(parent);
    c->setObjectName(QLatin1String(name));
    c->setEditable(true);
    return c;
}

}  // namespace

TProtokollDruckenForm::TProtokollDruckenForm(app::Workspace &ws, QPrinter &printer, QWidget *parent)
    : QDialog(parent), ws_(ws), printer_(printer)
{
    setObjectName(QStringLiteral("ProtokollDruckenForm"));
    setWindowTitle(QStringLiteral("Protokoll/Buchungen drucken"));
    const JournalPrintSettings defaults;
    font_ = defaults.font;

    UeberschriftEd = new QLineEdit(defaults.heading, this);
    UeberschriftEd->setObjectName(QStringLiteral("UeberschriftEd"));
    VonEd = new QLineEdit(this);
    VonEd->setObjectName(QStringLiteral("VonEd"));
    BisEd = new QLineEdit(this);
    BisEd->setObjectName(QStringLiteral("BisEd"));
    for (QLineEdit *e : {VonEd, BisEd}) {
        e->setPlaceholderText(ws_.format.formatDate(ws_.clock.today()));
        e->setProperty("tag", 99);
    }
    DatumAnhaengenCheck = check(this, "Datumsbereich an Überschrift anhängen", "DatumAnhaengenCheck", true);
    LieferdatumCheck = check(this, "Datumsbereich bezieht sich auf das Lieferdatum", "LieferdatumCheck", false);
    auto *top = new QFormLayout;
    top->addRow(QStringLiteral("Überschrift:"), UeberschriftEd);
    top->addRow(QStringLiteral("Buchungen von:"), VonEd);
    top->addRow(QStringLiteral("Buchungen bis:"), BisEd);
    top->addRow(DatumAnhaengenCheck);
    top->addRow(LieferdatumCheck);

    auto *columns = new QGroupBox(QStringLiteral("Spalten"), this);
    auto *columnGrid = new QGridLayout(columns);
    for (int f = 0; f < kJournalFieldCount; ++f) {
        auto *c = new QCheckBox(booking::journalPrintTitles()[std::size_t(f)], columns);
        c->setObjectName(QStringLiteral("SpalteCheck%1").arg(f));
        c->setChecked(defaults.columns[std::size_t(f)]);
        SpaltenChecks[std::size_t(f)] = c;
        columnGrid->addWidget(c, f % 10, f / 10);
    }

    auto *direction = new QGroupBox(this);
    auto *directionLayout = new QVBoxLayout(direction);
    BeideRadio = new QRadioButton(QStringLiteral("Zugänge und Abgänge"), direction);
    BeideRadio->setObjectName(QStringLiteral("BeideRadio"));
    BeideRadio->setChecked(true);
    AbgaengeRadio = new QRadioButton(QStringLiteral("Nur Abgänge"), direction);
    AbgaengeRadio->setObjectName(QStringLiteral("AbgaengeRadio"));
    ZugaengeRadio = new QRadioButton(QStringLiteral("Nur Zugänge"), direction);
    ZugaengeRadio->setObjectName(QStringLiteral("ZugaengeRadio"));
    for (QRadioButton *r : {BeideRadio, AbgaengeRadio, ZugaengeRadio})
        directionLayout->addWidget(r);
    NurVerkaeufeCheck = check(this, "Zeige nur Verkäufe der Kassenfunktion", "NurVerkaeufeCheck", false);
    GesamtbetragCheck = check(this, "Gesamtbetrag anzeigen (falls Betragsspalte aktiv)", "GesamtbetragCheck", true);
    GesamtMwstCheck = check(this, "Gesamte MwSt. (falls MwSt. Spalte aktiv)", "GesamtMwstCheck", true);
    GesamtGewinnCheck = check(this, "Gesamten Gewinn anzeigen (falls Gewinnspalte aktiv)", "GesamtGewinnCheck", true);
    GesamtEkCheck = check(this, "Gesamtbetrag des EK Preises anzeigen (falls EK Preisspalte aktiv)", "GesamtEkCheck", true);
    GitterCheck = check(this, "Gitternetzlinien drucken", "GitterCheck", false);
    auto *options = new QVBoxLayout;
    options->addWidget(direction);
    for (QCheckBox *c : {NurVerkaeufeCheck, GesamtbetragCheck, GesamtMwstCheck, GesamtGewinnCheck, GesamtEkCheck,
                         GitterCheck})
        options->addWidget(c);

    KundeCombo = filterCombo(this, "KundeCombo");
    ArtikelCombo = filterCombo(this, "ArtikelCombo");
    KategorieCombo = filterCombo(this, "KategorieCombo");
    LieferantCombo = filterCombo(this, "LieferantCombo");
    KostenstelleCombo = filterCombo(this, "KostenstelleCombo");
    auto *filters = new QFormLayout;
    filters->addRow(QStringLiteral("Nur Buchungen dieses Kunden drucken:"), KundeCombo);
    filters->addRow(QStringLiteral("Nur Buchungen dieses Artikels drucken:"), ArtikelCombo);
    filters->addRow(QStringLiteral("Nur Buchungen dieser Kategorie drucken:"), KategorieCombo);
    filters->addRow(QStringLiteral("Nur Buchungen dieses Lieferanten drucken:"), LieferantCombo);
    filters->addRow(QStringLiteral("Nur Buchungen dieser Kostenstelle drucken:"), KostenstelleCombo);

    auto *margins = new QHBoxLayout;
    const char *marginNames[] = {"RandLinksEd", "RandObenEd", "RandRechtsEd", "RandUntenEd"};
    const char *marginCaptions[] = {"Links", "Oben", "Rechts", "Unten"};
    margins->addWidget(new QLabel(QStringLiteral("Druckränder (mm):"), this));
    for (int i = 0; i < 4; ++i) {
        auto *e = new QDoubleSpinBox(this);
        e->setObjectName(QLatin1String(marginNames[i]));
        e->setRange(0, 100);
        e->setDecimals(1);
        e->setValue(15);
        RandEds[std::size_t(i)] = e;
        margins->addWidget(new QLabel(QString::fromUtf8(marginCaptions[i]), this));
        margins->addWidget(e);
    }
    margins->addStretch();

    QPushButton *order = namedButton(this, "Spalten umsortieren...", "SpaltenUmsortierenBtn");
    QPushButton *widths = namedButton(this, "Spaltenbreiten...", "SpaltenbreitenBtn");
    QPushButton *font = namedButton(this, "Schriftart...", "SchriftBtn");
    QPushButton *setup = namedButton(this, "Druckereinrichtung...", "DruckereinrichtungBtn");
    QPushButton *preview = namedButton(this, "Druckvorschau", "VorschauBtn");
    QPushButton *print = namedButton(this, "Drucken", "DruckenBtn");
    QPushButton *close = namedButton(this, "Schließen", "SchliessenBtn");
    connect(order, &QPushButton::clicked, this, &TProtokollDruckenForm::SpaltenUmsortierenBtnClick);
    connect(widths, &QPushButton::clicked, this, &TProtokollDruckenForm::SpaltenbreitenBtnClick);
    connect(font, &QPushButton::clicked, this, &TProtokollDruckenForm::SchriftBtnClick);
    connect(setup, &QPushButton::clicked, this, [this] {
        QPrintDialog dialog(&printer_, this);
        dialog.exec();
    });
    connect(preview, &QPushButton::clicked, this, &TProtokollDruckenForm::VorschauBtnClick);
    connect(print, &QPushButton::clicked, this, &TProtokollDruckenForm::DruckenBtnClick);
    connect(close, &QPushButton::clicked, this, &QDialog::reject);
    auto *buttons = new QHBoxLayout;
    for (QPushButton *b : {order, widths, font, setup})
        buttons->addWidget(b);
    buttons->addStretch();
    for (QPushButton *b : {preview, print, close})
        buttons->addWidget(b);

    auto *middle = new QHBoxLayout;
    middle->addWidget(columns, 1);
    middle->addLayout(options);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addLayout(middle);
    layout->addLayout(filters);
    layout->addLayout(margins);
    layout->addLayout(buttons);
    TranslateComponents(this, ws_.translator);
    restoreState();
}

void TProtokollDruckenForm::setSource(booking::JournalSource source)
{
    source_ = std::move(source);
    const QList<QComboBox *> combos = filterCombos();
    const int fields[] = {booking::JCustomer, booking::JArticle, booking::JCategory, booking::JSupplier,
                          booking::JCostcenter};
    std::array<QSet<QString>, 5> values;
    if (source_)
        source_([&](const booking::JournalRecord &r) {
            for (std::size_t i = 0; i < values.size(); ++i)
                values[i].insert(r[std::size_t(fields[i])]);
            return true;
        });
    for (std::size_t i = 0; i < values.size(); ++i) {
        QComboBox *combo = combos[qsizetype(i)];
        const QString keep = combo->currentText();
        combo->clear();
        combo->addItem(QString());
        combo->addItems(booking::sortedDistinct(QStringList(values[i].begin(), values[i].end()),
                                                ws_.format.collationLocale));
        combo->setCurrentText(keep);
    }
}

JournalPrintSettings TProtokollDruckenForm::settings() const
{
    JournalPrintSettings s;
    s.heading = UeberschriftEd->text();
    s.from = ws_.format.parseDate(VonEd->text().trimmed()).value_or(QDate());
    s.to = ws_.format.parseDate(BisEd->text().trimmed()).value_or(QDate());
    s.appendDateRange = DatumAnhaengenCheck->isChecked();
    s.byDeliveryDate = LieferdatumCheck->isChecked();
    for (int f = 0; f < kJournalFieldCount; ++f)
        s.columns[std::size_t(f)] = SpaltenChecks[std::size_t(f)]->isChecked();
    s.directions = AbgaengeRadio->isChecked()   ? JournalPrintSettings::Directions::IssuesOnly
                   : ZugaengeRadio->isChecked() ? JournalPrintSettings::Directions::ReceiptsOnly
                                                : JournalPrintSettings::Directions::Both;
    s.salesOnly = NurVerkaeufeCheck->isChecked();
    s.totalPrice = GesamtbetragCheck->isChecked();
    s.totalVat = GesamtMwstCheck->isChecked();
    s.totalProfit = GesamtGewinnCheck->isChecked();
    s.totalBuyingPrice = GesamtEkCheck->isChecked();
    s.gridLines = GitterCheck->isChecked();
    s.customer = KundeCombo->currentText();
    s.article = ArtikelCombo->currentText();
    s.category = KategorieCombo->currentText();
    s.supplier = LieferantCombo->currentText();
    s.costCentre = KostenstelleCombo->currentText();
    s.spaltebuch = ws_.articleSettings.spaltebuch;
    s.widths = ws_.articleSettings.journalWidths;
    s.font = font_;
    s.marginLeft = RandEds[0]->value();
    s.marginTop = RandEds[1]->value();
    s.marginRight = RandEds[2]->value();
    s.marginBottom = RandEds[3]->value();
    return s;
}

void TProtokollDruckenForm::VorschauBtnClick()
{
    const JournalPrintSettings s = settings();
    TBuchPrintPreForm preview(s, source_, ws_.translator, ws_.format, printer_.pageLayout(), this);
    preview.exec();
}

void TProtokollDruckenForm::DruckenBtnClick()
{
    QPrintDialog dialog(&printer_, this);
    if (dialog.exec() != QDialog::Accepted)
        return;
    // The margins are the printout's own: it draws from the paper's edge.
    printer_.setFullPage(true);
    printer_.setDocName(UeberschriftEd->text());
    QPainter painter;
    if (!painter.begin(&printer_))
        return;
    printing::QtCanvas canvas(painter, true);
    booking::printJournal(canvas, settings(), source_, ws_.translator, ws_.format, 1, true);
    painter.end();
}

void TProtokollDruckenForm::SpaltenUmsortierenBtnClick()
{
    QDialog dialog(this);
    dialog.setObjectName(QStringLiteral("SpaltenUmsortierenForm"));
    dialog.setWindowTitle(ws_.translator.translate(QStringLiteral("Spalten umsortieren")));
    auto *list = new QListWidget(&dialog);
    list->setObjectName(QStringLiteral("ListBox1"));
    list->setDragDropMode(QAbstractItemView::InternalMove);
    for (int k = 0; k < kJournalFieldCount; ++k) {
        const int f = ws_.articleSettings.spaltebuch.at(k);
        if (f < 0 || f >= kJournalFieldCount)
            continue;
        auto *item = new QListWidgetItem(ws_.translator.translate(booking::journalPrintTitles()[std::size_t(f)]), list);
        item->setData(Qt::UserRole, f);
    }
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, &dialog);
    connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
    auto *layout = new QVBoxLayout(&dialog);
    layout->addWidget(list);
    layout->addWidget(buttons);
    if (dialog.exec() != QDialog::Accepted)
        return;
    articles::SharedAccess::inWritePhase(ws_, [&] {
        std::array<int, articles::ColumnMap::kSize> values = ws_.articleSettings.spaltebuch.values();
        for (int k = 0; k < list->count() && k < kJournalFieldCount; ++k)
            values[std::size_t(k)] = list->item(k)->data(Qt::UserRole).toInt();
        ws_.articleSettings.spaltebuch.assign(values, articles::ColumnMap::kSize);
        return true;
    });
}

void TProtokollDruckenForm::SpaltenbreitenBtnClick()
{
    QDialog dialog(this);
    dialog.setObjectName(QStringLiteral("SpaltenbreitenForm"));
    dialog.setWindowTitle(ws_.translator.translate(QStringLiteral("Spaltenbreiten")));
    auto *grid = new QTableWidget(kJournalFieldCount, 2, &dialog);
    grid->setObjectName(QStringLiteral("StringGrid1"));
    grid->setHorizontalHeaderLabels({ws_.translator.translate(QStringLiteral("Spalte")),
                                     ws_.translator.translate(QStringLiteral("Breite"))});
    grid->horizontalHeader()->setSectionResizeMode(0, QHeaderView::Stretch);
    const JournalPrintSettings current = settings();
    for (int f = 0; f < kJournalFieldCount; ++f) {
        auto *title = new QTableWidgetItem(ws_.translator.translate(booking::journalPrintTitles()[std::size_t(f)]));
        title->setFlags(title->flags() & ~Qt::ItemIsEditable);
        grid->setItem(f, 0, title);
        grid->setItem(f, 1, new QTableWidgetItem(QString::number(current.widthOf(f))));
    }
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, &dialog);
    connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
    auto *layout = new QVBoxLayout(&dialog);
    layout->addWidget(grid);
    layout->addWidget(buttons);
    dialog.resize(360, 600);
    if (dialog.exec() != QDialog::Accepted)
        return;
    articles::SharedAccess::inWritePhase(ws_, [&] {
        std::vector<int> &w = ws_.articleSettings.journalWidths;
        w.resize(std::max<std::size_t>(w.size(), kJournalFieldCount), 0);
        for (int f = 0; f < kJournalFieldCount; ++f) {
            bool ok = false;
            const int value = grid->item(f, 1)->text().trimmed().toInt(&ok);
            if (ok)
                w[std::size_t(f)] = std::clamp(value, 0, 1000);
        }
        return true;
    });
}

void TProtokollDruckenForm::SchriftBtnClick()
{
    bool ok = false;
    QFont initial(font_.family, int(font_.pointSize));
    initial.setBold(font_.bold);
    initial.setItalic(font_.italic);
    const QFont chosen = QFontDialog::getFont(&ok, initial, this);
    if (!ok)
        return;
    font_.family = chosen.family();
    font_.pointSize = chosen.pointSizeF() > 0 ? chosen.pointSizeF() : 10;
    font_.bold = chosen.bold();
    font_.italic = chosen.italic();
}

QList<QAbstractButton *> TProtokollDruckenForm::switches() const
{
    QList<QAbstractButton *> all = {DatumAnhaengenCheck, LieferdatumCheck,  BeideRadio,       AbgaengeRadio,
                                    ZugaengeRadio,       NurVerkaeufeCheck, GesamtbetragCheck, GesamtMwstCheck,
                                    GesamtGewinnCheck,   GesamtEkCheck,     GitterCheck};
    for (QCheckBox *c : SpaltenChecks)
        all << c;
    return all;
}

QList<QComboBox *> TProtokollDruckenForm::filterCombos() const
{
    return {KundeCombo, ArtikelCombo, KategorieCombo, LieferantCombo, KostenstelleCombo};
}

void TProtokollDruckenForm::restoreState()
{
    const QVariantMap v = WindowStateStorage::restore(this);
    auto text = [&](QLineEdit *e) { e->setText(v.value(e->objectName(), e->text()).toString()); };
    auto flag = [&](QAbstractButton *b) { b->setChecked(v.value(b->objectName(), b->isChecked()).toBool()); };
    text(UeberschriftEd);
    text(VonEd);
    text(BisEd);
    for (QAbstractButton *b : switches())
        flag(b);
    for (QComboBox *c : filterCombos())
        c->setCurrentText(v.value(c->objectName()).toString());
    for (QDoubleSpinBox *e : RandEds)
        e->setValue(v.value(e->objectName(), e->value()).toDouble());
    font_.family = v.value(QStringLiteral("FontName"), font_.family).toString();
    font_.pointSize = v.value(QStringLiteral("FontSize"), font_.pointSize).toDouble();
    font_.bold = v.value(QStringLiteral("FontBold"), font_.bold).toBool();
    font_.italic = v.value(QStringLiteral("FontItalic"), font_.italic).toBool();
    if (font_.pointSize <= 0 || font_.pointSize > 200)
        font_.pointSize = 10;
}

void TProtokollDruckenForm::hideEvent(QHideEvent *event)
{
    QVariantMap v;
    for (QLineEdit *e : {UeberschriftEd, VonEd, BisEd})
        v.insert(e->objectName(), e->text());
    for (QAbstractButton *b : switches())
        v.insert(b->objectName(), b->isChecked());
    for (QComboBox *c : filterCombos())
        v.insert(c->objectName(), c->currentText());
    for (QDoubleSpinBox *e : RandEds)
        v.insert(e->objectName(), e->value());
    v.insert(QStringLiteral("FontName"), font_.family);
    v.insert(QStringLiteral("FontSize"), font_.pointSize);
    v.insert(QStringLiteral("FontBold"), font_.bold);
    v.insert(QStringLiteral("FontItalic"), font_.italic);
    WindowStateStorage::save(this, v);
    QDialog::hideEvent(event);
}

}  // namespace morvane::ui
