#include "ui/articles/neuer_artikel_form.h"

#include "core/articles/article_editing.h"
#include "core/base/decimal.h"

#include <QApplication>
#include <QCheckBox>
#include <QColorDialog>
#include <QComboBox>
#include <QDesktopServices>
#include <QDoubleSpinBox>
#include <QFileDialog>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QInputDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QUrl>
#include <QVBoxLayout>

namespace morvane::ui {

using namespace articles;

namespace {

template <class W>
W *named(W *widget, const char *name)
{
    widget->setObjectName(QLatin1String(name));
    return widget;
}

QLineEdit *lineEdit(const char *name)
{
    return named(new QLineEdit, name);
}

QPlainTextEdit *memo(const char *name, int lines = 3)
{
    auto *m = named(new QPlainTextEdit, name);
    m->setTabChangesFocus(true);
    m->setFixedHeight(m->fontMetrics().height() * lines + 12);
    return m;
}

QComboBox *dropDown(const char *name)
{
    auto *c = named(new QComboBox, name);
    c->setEditable(true);
    c->setInsertPolicy(QComboBox::NoInsert);
    return c;
}

QDoubleSpinBox *spin(const char *name, double maximum)
{
    auto *s = named(new QDoubleSpinBox, name);
    s->setRange(-maximum, maximum);
    s->setDecimals(2);
    s->setGroupSeparatorShown(false);
    return s;
}

// A grid of label, control and optional buttons; every row can be hidden.
class Rows {
public:
    explicit Rows(QGridLayout *grid) : grid_(grid) {}

    QList<QWidget *> add(const QString &label, QWidget *control, std::initializer_list<QWidget *> extras = {})
    {
        auto *l = new QLabel(label);
        l->setBuddy(control);
        // The long supplier captions wrap instead of widening the window.
        l->setWordWrap(true);
        l->setMaximumWidth(220);
        QList<QWidget *> widgets{l, control};
        grid_->addWidget(l, row_, 0, Qt::AlignTop);
        if (extras.size() == 0) {
            grid_->addWidget(control, row_, 1);
        } else {
            auto *box = new QWidget;
            auto *h = new QHBoxLayout(box);
            h->setContentsMargins(0, 0, 0, 0);
            control->setMinimumWidth(140);
            h->addWidget(control, 1);
            for (QWidget *w : extras)
                h->addWidget(w);
            grid_->addWidget(box, row_, 1);
            widgets << box;
        }
        ++row_;
        return widgets;
    }

private:
    QGridLayout *grid_;
    int row_ = 0;
};

QPushButton *pushButton(const QString &caption, const char *name)
{
    return named(new QPushButton(caption), name);
}

void setItems(QComboBox *box, const QStringList &items)
{
    const QString text = box->currentText();
    box->clear();
    box->addItems(items);
    box->setEditText(text);
}

}  // namespace

const QStringList &TNeuerArtikelForm::hideableFields()
{
    static const QStringList fields = [] {
        QStringList l;
        for (const char *f : {"Artikel", "Artikel Nr.", "Barcode", "Menge", "Chargennr.", "Mindestbestand", "Hersteller",
                              "EK Preis", "VK Preis", "Haltbarkeit", "Lieferanten EMail", "Lieferanten Artikelnr.",
                              "Bestellmenge", "Haltbarkeitsdatum", "Kategorie", "Gewicht", "Lagerplatz", "Freie Spalte 1",
                              "Freie Spalte 2", "Freie Spalte 3", "Freie Spalte 4", "Freie Spalte 5", "Bild", "MwSt. Satz",
                              "Barcode 2", "Bestellte Menge", "Bestellhinweis", "Verpackungshinweis", "Kunde eintragen",
                              "Kundennr. beim Lieferanten", "Lieferzeit in Tagen (Lieferant)", "Preiseinheit",
                              "Seriennummern", "Hintergrundfarbe", "Letzter Benutzer", "Datum letzte Buchung",
                              "Erstellungsdatum", "Link auf Internetseite"})
            l << QString::fromUtf8(f);
        return l;
    }();
    return fields;
}

TNeuerArtikelForm::TNeuerArtikelForm(app::Workspace &ws, QWidget *parent) : QDialog(parent), ws_(ws)
{
    setObjectName(QStringLiteral("NeuerArtikelForm"));
    setWindowTitle(QStringLiteral("Artikel bearbeiten"));

    auto *layout = new QVBoxLayout(this);
    MainMenu1 = named(new QMenuBar(this), "MainMenu1");
    QMenu *barcodeMenu = MainMenu1->addMenu(QStringLiteral("Barcode"));
    QAction *free = barcodeMenu->addAction(QStringLiteral("Freien Barcode eintragen..."));
    free->setObjectName(QStringLiteral("FreienBarcodeeintragen1"));
    connect(free, &QAction::triggered, this, [this] { FreeBarcodeClick(false); });
    QAction *prefixed = barcodeMenu->addAction(QStringLiteral("Freien Barcode eintragen, erste Stellen vorgeben..."));
    prefixed->setObjectName(QStringLiteral("FreienBarcodeeintragenersteStellenvorgeben1"));
    connect(prefixed, &QAction::triggered, this, [this] { FreeBarcodeClick(true); });
    layout->setMenuBar(MainMenu1);

    PageControl1 = named(new QTabWidget(this), "PageControl1");
    PageControl1->addTab(basicPage(), QStringLiteral("Grundeinstellungen"));
    PageControl1->addTab(extendedPage(), QStringLiteral("Erweitert"));
    layout->addWidget(PageControl1, 1);

    auto *buttons = new QHBoxLayout;
    OKBtn = pushButton(QStringLiteral("OK"), "OKBtn");
    OKBtn->setDefault(true);
    AbbrechenBtn = pushButton(QStringLiteral("Abbrechen"), "AbbrechenBtn");
    SpeichernUndNeuBtn = pushButton(QStringLiteral("Speichern und neuer Artikel"), "SpeichernUndNeuBtn");
    VorherigerBtn = pushButton(QStringLiteral("Vorheriger Artikel"), "VorherigerBtn");
    NaechsterBtn = pushButton(QString::fromUtf8("Nächster Artikel"), "NaechsterBtn");
    BuchenBtn = pushButton(QStringLiteral("Abgang/Zugang buchen"), "BuchenBtn");
    BuchenBtn->setVisible(false);
    for (QPushButton *b : {OKBtn, SpeichernUndNeuBtn, VorherigerBtn, NaechsterBtn, BuchenBtn, AbbrechenBtn})
        buttons->addWidget(b);
    layout->addLayout(buttons);
    connect(OKBtn, &QPushButton::clicked, this, [this] { done(ResultOk); });
    connect(AbbrechenBtn, &QPushButton::clicked, this, [this] { done(ResultAbbrechen); });
    connect(SpeichernUndNeuBtn, &QPushButton::clicked, this, [this] { done(ResultSpeichernUndNeu); });
    connect(VorherigerBtn, &QPushButton::clicked, this, [this] { done(ResultVorheriger); });
    connect(NaechsterBtn, &QPushButton::clicked, this, [this] { done(ResultNaechster); });
    connect(BuchenBtn, &QPushButton::clicked, this, [this] { done(ResultBuchen); });

    // Every result but Cancel stores the article, and an article needs a name.
    auto nameRule = [this] {
        const bool named = !Edit1->text().isEmpty();
        for (QPushButton *b : {OKBtn, SpeichernUndNeuBtn, VorherigerBtn, NaechsterBtn, BuchenBtn})
            b->setEnabled(named);
    };
    connect(Edit1, &QLineEdit::textChanged, this, nameRule);
    nameRule();
}

QWidget *TNeuerArtikelForm::basicPage()
{
    auto *page = new QWidget;
    auto *columns = new QHBoxLayout(page);
    auto *leftGrid = new QGridLayout;
    auto *rightGrid = new QGridLayout;
    columns->addLayout(leftGrid, 1);
    columns->addLayout(rightGrid, 1);
    Rows left(leftGrid), right(rightGrid);
    auto govern = [this](const char *field, const QList<QWidget *> &widgets) {
        for (QWidget *w : widgets)
            fieldWidgets_[QString::fromUtf8(field)] << w;
    };

    Edit1 = lineEdit("Edit1");
    govern("Artikel", left.add(QStringLiteral("Artikelbezeichnung:"), Edit1));
    InterneArtikelNummer = memo("InterneArtikelNummer", 2);
    govern("Artikel Nr.", left.add(QStringLiteral("Artikel Nr.:"), InterneArtikelNummer));
    Edit2 = lineEdit("Edit2");
    auto *freeBtn = pushButton(QStringLiteral("Freien Barcode eintragen"), "FreierBarcodeBtn");
    auto *printBtn = pushButton(QStringLiteral("Barcode drucken..."), "BarcodeDruckenBtn");
    connect(freeBtn, &QPushButton::clicked, this, [this] { FreeBarcodeClick(false); });
    connect(printBtn, &QPushButton::clicked, this, [this] {
        if (printBarcode)
            printBarcode(Edit2->text());
    });
    govern("Barcode", left.add(QStringLiteral("Barcode:"), Edit2, {freeBtn, printBtn}));
    MengeEd = spin("MengeEd", 1e12);
    govern("Menge", left.add(QStringLiteral("Menge:"), MengeEd));
    MindestMengeED = spin("MindestMengeED", 1e12);
    govern("Mindestbestand", left.add(QStringLiteral("Mindestbestandsmenge:"), MindestMengeED));
    Edit3 = lineEdit("Edit3");
    govern("Chargennr.", left.add(QStringLiteral("Chargennr.:"), Edit3));
    HerstellerEd = dropDown("HerstellerEd");
    govern("Hersteller", left.add(QStringLiteral("Hersteller:"), HerstellerEd));
    EKPreis = spin("EKPreis", 1e12);
    govern("EK Preis", left.add(QStringLiteral("EK Preis:"), EKPreis));
    VKPreis = spin("VKPreis", 1e12);
    govern("VK Preis", left.add(QStringLiteral("VK Preis:"), VKPreis));
    GewichtEd = lineEdit("GewichtEd");
    govern("Gewicht", left.add(QStringLiteral("Gewicht:"), GewichtEd));
    Edit4 = dropDown("Edit4");
    govern("Freie Spalte 1", left.add(QStringLiteral("Freie Spalte 1:"), Edit4));
    Edit5 = dropDown("Edit5");
    govern("Freie Spalte 2", left.add(QStringLiteral("Freie Spalte 2:"), Edit5));
    Edit6 = lineEdit("Edit6");
    govern("Freie Spalte 3", left.add(QStringLiteral("Freie Spalte 3:"), Edit6));
    MwstEd = spin("MwstEd", 1000);
    MwstEd->setValue(19);
    govern("MwSt. Satz", left.add(QStringLiteral("MwSt. Satz in %:"), MwstEd));

    LieferEmail = dropDown("LieferEmail");
    auto *supplierBtn = pushButton(QString::fromUtf8("Lieferant aus Lieferantenverwaltung auswählen..."), "LieferantBtn");
    connect(supplierBtn, &QPushButton::clicked, this, [this] {
        if (!chooseSupplier)
            return;
        if (const auto chosen = chooseSupplier())
            LieferEmail->setEditText(*chosen);
    });
    govern("Lieferanten EMail", right.add(QStringLiteral("Lieferanten Email-Adresse:"), LieferEmail, {supplierBtn}));
    LieferNummer = memo("LieferNummer", 2);
    govern("Lieferanten Artikelnr.",
           right.add(QStringLiteral("Lieferanten Artikel Nummer (falls abweichend von interner Artikelnummer):"), LieferNummer));
    Bestellmenge = lineEdit("Bestellmenge");
    govern("Bestellmenge", right.add(QStringLiteral("Bestellmenge (ansonsten Mindestbestellmenge - Menge):"), Bestellmenge));
    IDNummer = lineEdit("IDNummer");
    govern("Haltbarkeit", right.add(QStringLiteral("Haltbarkeit in Tagen:"), IDNummer));
    HaltBarEd = lineEdit("HaltBarEd");
    CheckBox1 = named(new QCheckBox(QStringLiteral("Haltbarkeitsdatum aus aktuellem Datum + Haltbarkeit errechnen")),
                      "CheckBox1");
    govern("Haltbarkeitsdatum", right.add(QStringLiteral("Haltbarkeitsdatum"), HaltBarEd));
    govern("Haltbarkeitsdatum", right.add(QString(), CheckBox1));
    ComboBox1 = dropDown("ComboBox1");
    govern("Kategorie", right.add(QStringLiteral("Kategorie:"), ComboBox1));
    LagerEd = dropDown("LagerEd");
    govern("Lagerplatz", right.add(QStringLiteral("Lagerplatz:"), LagerEd));
    Edit7 = lineEdit("Edit7");
    govern("Freie Spalte 4", right.add(QStringLiteral("Freie Spalte 4:"), Edit7));
    Edit8 = lineEdit("Edit8");
    govern("Freie Spalte 5", right.add(QStringLiteral("Freie Spalte 5:"), Edit8));
    FileNameEdit1 = memo("FileNameEdit1", 2);
    auto *addPictures = pushButton(QString::fromUtf8("Bilder hinzufügen..."), "BilderHinzufuegenBtn");
    auto *showPictures = pushButton(QStringLiteral("Zeige die Bilder..."), "ZeigeBilderBtn");
    auto *clearPictures = pushButton(QString::fromUtf8("Alle Bilder löschen"), "BilderLoeschenBtn");
    connect(addPictures, &QPushButton::clicked, this, [this] {
        const QStringList files = QFileDialog::getOpenFileNames(this, QString::fromUtf8("Bilder hinzufügen..."));
        for (const QString &f : files)
            FileNameEdit1->appendPlainText(f);
    });
    connect(showPictures, &QPushButton::clicked, this, [this] {
        for (const QString &f : FileNameEdit1->toPlainText().split(u'\n', Qt::SkipEmptyParts))
            QDesktopServices::openUrl(QUrl::fromLocalFile(f.trimmed()));
    });
    connect(clearPictures, &QPushButton::clicked, FileNameEdit1, &QPlainTextEdit::clear);
    govern("Bild", right.add(QStringLiteral("Bild:"), FileNameEdit1, {addPictures, showPictures, clearPictures}));
    leftGrid->setRowStretch(leftGrid->rowCount(), 1);
    rightGrid->setRowStretch(rightGrid->rowCount(), 1);
    return page;
}

QWidget *TNeuerArtikelForm::extendedPage()
{
    auto *page = new QWidget;
    auto *grid = new QGridLayout(page);
    Rows rows(grid);
    auto govern = [this](const char *field, const QList<QWidget *> &widgets) {
        for (QWidget *w : widgets)
            fieldWidgets_[QString::fromUtf8(field)] << w;
    };
    Edit9 = lineEdit("Edit9");
    auto *print2 = pushButton(QStringLiteral("Barcode drucken..."), "Barcode2DruckenBtn");
    connect(print2, &QPushButton::clicked, this, [this] {
        if (printBarcode)
            printBarcode(Edit9->text());
    });
    govern("Barcode 2", rows.add(QStringLiteral("Barcode 2:"), Edit9, {print2}));
    BestMengeEd = spin("BestMengeEd", 1e12);
    govern("Bestellte Menge", rows.add(QStringLiteral("Bestellte Menge:"), BestMengeEd));
    BestHintEd = dropDown("BestHintEd");
    govern("Bestellhinweis", rows.add(QStringLiteral("Bestellhinweis:"), BestHintEd));
    VerpHintEd = dropDown("VerpHintEd");
    govern("Verpackungshinweis", rows.add(QStringLiteral("Verpackungshinweis:"), VerpHintEd));
    PreisEinheitEd = dropDown("PreisEinheitEd");
    govern("Preiseinheit", rows.add(QStringLiteral("Preiseinheit:"), PreisEinheitEd));
    KundeEintragenCheck = named(new QCheckBox(QStringLiteral("Kunde beim Abbuchen eintragen")), "KundeEintragenCheck");
    govern("Kunde eintragen", rows.add(QString(), KundeEintragenCheck));
    KundennrEd = lineEdit("KundennrEd");
    govern("Kundennr. beim Lieferanten", rows.add(QStringLiteral("Kundennr. beim Lieferanten:"), KundennrEd));
    LieferzeitEd = lineEdit("LieferzeitEd");
    govern("Lieferzeit in Tagen (Lieferant)", rows.add(QStringLiteral("Lieferzeit in Tagen (Lieferant):"), LieferzeitEd));
    SerienEd = memo("SerienEd", 3);
    govern("Seriennummern", rows.add(QStringLiteral("Seriennummern:"), SerienEd));
    FarbeEd = lineEdit("FarbeEd");
    auto *colour = pushButton(QString::fromUtf8("Farbe wählen..."), "FarbeWaehlenBtn");
    connect(colour, &QPushButton::clicked, this, &TNeuerArtikelForm::chooseColour);
    govern("Hintergrundfarbe", rows.add(QStringLiteral("Hintergrundfarbe der Zeile:"), FarbeEd, {colour}));
    NutzerEd = lineEdit("NutzerEd");
    govern("Letzter Benutzer", rows.add(QStringLiteral("Letzter Benutzer:"), NutzerEd));
    DatumLetzteEd = lineEdit("DatumLetzteEd");
    govern("Datum letzte Buchung", rows.add(QStringLiteral("Datum letzte Buchung:"), DatumLetzteEd));
    ErstellungsDatum = lineEdit("ErstellungsDatum");
    govern("Erstellungsdatum", rows.add(QStringLiteral("Erstellungsdatum:"), ErstellungsDatum));
    LinkEd = lineEdit("LinkEd");
    auto *open = pushButton(QString::fromUtf8("Öffne Link..."), "OeffneLinkBtn");
    connect(open, &QPushButton::clicked, this, [this] {
        const QUrl url = QUrl::fromUserInput(LinkEd->text().trimmed());
        if (url.isValid() && !LinkEd->text().trimmed().isEmpty())
            QDesktopServices::openUrl(url);
    });
    govern("Link auf Internetseite", rows.add(QStringLiteral("Link auf Internetseite:"), LinkEd, {open}));
    grid->setRowStretch(grid->rowCount(), 1);
    return page;
}

void TNeuerArtikelForm::chooseColour()
{
    QColor start = Qt::white;
    if (const auto bgr = RowAppearance::parseFarbe(FarbeEd->text()))
        start = QColor(int(*bgr & 0xFF), int((*bgr >> 8) & 0xFF), int((*bgr >> 16) & 0xFF));
    const QColor c = QColorDialog::getColor(start, this, QString::fromUtf8("Farbe wählen..."));
    if (!c.isValid())
        return;
    // The row colour is kept as blue, green, red.
    FarbeEd->setText(QStringLiteral("%1%2%3")
                         .arg(c.blue(), 2, 16, QLatin1Char('0'))
                         .arg(c.green(), 2, 16, QLatin1Char('0'))
                         .arg(c.red(), 2, 16, QLatin1Char('0'))
                         .toUpper());
}

void TNeuerArtikelForm::FreeBarcodeClick(bool askPrefix)
{
    bool ok = false;
    const QString kind = QInputDialog::getItem(this, QStringLiteral("Freien Barcode eintragen"), QStringLiteral("Typ:"),
                                               {QStringLiteral("EAN 13"), QStringLiteral("EAN 8")}, 0, false, &ok);
    if (!ok)
        return;
    QString prefix;
    if (askPrefix) {
        prefix = QInputDialog::getText(this, QStringLiteral("Erste Stellen"),
                                       QStringLiteral("Der Bacode soll beginnen mit:"), QLineEdit::Normal, {}, &ok);
        if (!ok)
            return;
    }
    const QString code = nextFreeEan(ws_, kind == QLatin1String("EAN 8") ? EanKind::Ean8 : EanKind::Ean13, prefix.trimmed());
    if (!code.isEmpty())
        Edit2->setText(code);
}

void TNeuerArtikelForm::setLists(const CategoryLists &lists)
{
    setItems(LagerEd, lists.lagerplatz);
    setItems(ComboBox1, lists.kategorie);
    setItems(HerstellerEd, lists.hersteller);
    setItems(LieferEmail, lists.lieferEmail);
    setItems(BestHintEd, lists.bestellhinweis);
    setItems(VerpHintEd, lists.verpackungshinweis);
    setItems(PreisEinheitEd, lists.preiseinheit);
    setItems(Edit4, lists.freieSpalte1);
    setItems(Edit5, lists.freieSpalte2);
}

void TNeuerArtikelForm::setQuantityDecimals(int decimals)
{
    quantityDecimals_ = decimals;
    for (QDoubleSpinBox *s : {MengeEd, MindestMengeED, BestMengeEd})
        s->setDecimals(decimals);
}

void TNeuerArtikelForm::setPriceDecimals(int decimals)
{
    priceDecimals_ = decimals;
    for (QDoubleSpinBox *s : {EKPreis, VKPreis})
        s->setDecimals(decimals);
}

void TNeuerArtikelForm::setHiddenFields(const QStringList &captions)
{
    hidden_ = captions;
    for (auto it = fieldWidgets_.cbegin(); it != fieldWidgets_.cend(); ++it) {
        bool visible = !captions.contains(it.key());
        if (it.key() == QLatin1String("EK Preis"))
            visible = visible && purchasePriceVisible_;
        for (QWidget *w : it.value())
            w->setVisible(visible);
    }
}

void TNeuerArtikelForm::setPurchasePriceVisible(bool visible)
{
    purchasePriceVisible_ = visible;
    setHiddenFields(hidden_);
}

void TNeuerArtikelForm::setBookingVisible(bool visible)
{
    BuchenBtn->setVisible(visible);
}

void TNeuerArtikelForm::setStoragePlaceFreeText(bool allowed)
{
    LagerEd->setEditable(allowed);
}

namespace {

double numberOf(const QString &text, const base::FormatSettings &format)
{
    const auto d = base::Decimal::parse(text, format);
    return d ? d->toDouble() : 0.0;
}

void setCombo(QComboBox *box, const QString &text)
{
    if (box->isEditable()) {
        box->setEditText(text);
        return;
    }
    box->setCurrentIndex(box->findText(text));
}

}  // namespace

void TNeuerArtikelForm::setArticle(const Article &a)
{
    const base::FormatSettings &f = ws_.format;
    // The spin boxes type and show numbers with the workstation's separator.
    QLocale numbers = f.decimalSeparator == u',' ? QLocale(QLocale::German, QLocale::Germany) : QLocale::c();
    numbers.setNumberOptions(QLocale::OmitGroupSeparator);
    for (QDoubleSpinBox *s : {MengeEd, MindestMengeED, EKPreis, VKPreis, BestMengeEd, MwstEd})
        s->setLocale(numbers);
    Edit1->setText(a.name);
    InterneArtikelNummer->setPlainText(a.field(ArtikelNr));
    Edit2->setText(a.field(Barcode));
    MengeEd->setValue(numberOf(a.field(Menge), f));
    Edit3->setText(a.field(Chargennr));
    MindestMengeED->setValue(numberOf(a.field(Mindestbestand), f));
    setCombo(HerstellerEd, a.field(Hersteller));
    EKPreis->setValue(numberOf(a.field(EkPreis), f));
    VKPreis->setValue(numberOf(a.field(VkPreis), f));
    IDNummer->setText(a.field(Haltbarkeit));
    setCombo(LieferEmail, a.field(LieferantenEmail));
    LieferNummer->setPlainText(a.field(LieferantenArtikelNr));
    Bestellmenge->setText(a.field(articles::Bestellmenge));
    HaltBarEd->setText(a.field(Haltbarkeitsdatum));
    setCombo(ComboBox1, a.field(Kategorie));
    GewichtEd->setText(a.field(Gewicht));
    setCombo(LagerEd, a.field(Lagerplatz));
    setCombo(Edit4, a.field(FreieSpalte1));
    setCombo(Edit5, a.field(FreieSpalte2));
    Edit6->setText(a.field(FreieSpalte3));
    Edit7->setText(a.field(FreieSpalte4));
    Edit8->setText(a.field(FreieSpalte5));
    FileNameEdit1->setPlainText(a.field(Bild));
    MwstEd->setValue(numberOf(a.field(MwstSatz), f));
    Edit9->setText(a.field(Barcode2));
    BestMengeEd->setValue(numberOf(a.field(BestellteMenge), f));
    setCombo(BestHintEd, a.field(Bestellhinweis));
    setCombo(VerpHintEd, a.field(Verpackungshinweis));
    KundeEintragenCheck->setChecked(!a.field(KundeEintragen).isEmpty());
    KundennrEd->setText(a.field(KundennrBeimLieferanten));
    LieferzeitEd->setText(a.field(LieferzeitInTagen));
    setCombo(PreisEinheitEd, a.field(Preiseinheit));
    SerienEd->setPlainText(a.field(Seriennummern));
    FarbeEd->setText(a.field(Farbe));
    NutzerEd->setText(a.field(LetzterBenutzer));
    DatumLetzteEd->setText(a.field(DatumLetzteBuchung));
    ErstellungsDatum->setText(a.field(Erstellungsdatum));
    LinkEd->setText(a.field(LinkAufInternetseite));
    CheckBox1->setChecked(false);
    PageControl1->setCurrentIndex(0);
    Edit1->setFocus();
}

Article TNeuerArtikelForm::article() const
{
    const base::FormatSettings &f = ws_.format;
    auto quantity = [&](const QDoubleSpinBox *s) { return formatNumber(s->value(), quantityDecimals_, f); };
    auto price = [&](const QDoubleSpinBox *s) { return formatNumber(s->value(), priceDecimals_, f); };
    Article a;
    a.name = Edit1->text();
    a.field(ArtikelNr) = InterneArtikelNummer->toPlainText();
    a.field(Barcode) = Edit2->text();
    a.field(Menge) = quantity(MengeEd);
    a.field(Chargennr) = Edit3->text();
    a.field(Mindestbestand) = quantity(MindestMengeED);
    a.field(Hersteller) = HerstellerEd->currentText();
    a.field(EkPreis) = price(EKPreis);
    a.field(VkPreis) = price(VKPreis);
    a.field(Haltbarkeit) = IDNummer->text();
    a.field(LieferantenEmail) = LieferEmail->currentText();
    a.field(LieferantenArtikelNr) = LieferNummer->toPlainText();
    a.field(articles::Bestellmenge) = Bestellmenge->text();
    a.field(Haltbarkeitsdatum) = HaltBarEd->text();
    a.field(Kategorie) = ComboBox1->currentText();
    a.field(Gewicht) = GewichtEd->text();
    a.field(Lagerplatz) = LagerEd->currentText();
    a.field(FreieSpalte1) = Edit4->currentText();
    a.field(FreieSpalte2) = Edit5->currentText();
    a.field(FreieSpalte3) = Edit6->text();
    a.field(FreieSpalte4) = Edit7->text();
    a.field(FreieSpalte5) = Edit8->text();
    a.field(Bild) = FileNameEdit1->toPlainText();
    a.field(MwstSatz) = base::Decimal::fromDouble(MwstEd->value()).rounded(2).toString(f.decimalSeparator);
    a.field(Barcode2) = Edit9->text();
    a.field(BestellteMenge) = quantity(BestMengeEd);
    a.field(Bestellhinweis) = BestHintEd->currentText();
    a.field(Verpackungshinweis) = VerpHintEd->currentText();
    a.field(KundeEintragen) = KundeEintragenCheck->isChecked() ? QStringLiteral("x") : QString();
    a.field(KundennrBeimLieferanten) = KundennrEd->text();
    a.field(LieferzeitInTagen) = LieferzeitEd->text();
    a.field(Preiseinheit) = PreisEinheitEd->currentText();
    a.field(Seriennummern) = SerienEd->toPlainText();
    a.field(Farbe) = FarbeEd->text();
    a.field(LetzterBenutzer) = NutzerEd->text();
    a.field(DatumLetzteBuchung) = DatumLetzteEd->text();
    a.field(Erstellungsdatum) = ErstellungsDatum->text();
    a.field(LinkAufInternetseite) = LinkEd->text();
    return a;
}

bool TNeuerArtikelForm::computeExpiry() const
{
    return CheckBox1->isChecked();
}

void TNeuerArtikelForm::checkCaseVariants()
{
    for (QComboBox *box : {ComboBox1, LagerEd, Edit4, Edit5, LieferEmail, BestHintEd, VerpHintEd, PreisEinheitEd}) {
        QStringList items;
        for (int i = 0; i < box->count(); ++i)
            items << box->itemText(i);
        const QString typed = box->currentText();
        const QString existing = caseVariantEntry(typed, items);
        if (existing.isEmpty())
            continue;
        i18n::Translator &t = ws_.translator;
        const base::Message question{240,
                                     t.message(240) + u' ' + typed + t.message(241) + u' ' + existing + t.message(242),
                                     t.message(239), base::Icon::Question};
        if (ws_.prompter->ask(question, base::Buttons::YesNo) == base::Answer::Yes)
            setCombo(box, existing);
    }
}

void TNeuerArtikelForm::done(int result)
{
    // Closing the window is the same as "Abbrechen".
    if (result == QDialog::Rejected)
        result = ResultAbbrechen;
    if (result == ResultOk)
        checkCaseVariants();
    QDialog::done(result);
}

}  // namespace morvane::ui
