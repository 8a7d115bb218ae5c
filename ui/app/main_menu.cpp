#include "ui/app/main_menu.h"

#include <QActionGroup>
#include <QMainWindow>
#include <QMenuBar>

namespace morvane::ui {

namespace {

const char *const kDeliveredHidden = "deliveredHidden";

enum Flags : unsigned {
    Shown = 0,
    Hidden = 1,
    Checkable = 2,
    Checked = 4,
};

class MenuBuilder {
public:
    MenuBuilder(QMainWindow *window, QMenu *menu) : window_(window), menu_(menu) {}

    QAction *item(const QString &caption, unsigned flags = Shown, const QKeySequence &shortcut = {})
    {
        QAction *action = menu_->addAction(caption);
        action->setObjectName(uniqueName(caption));
        setDeliveredVisible(action, !(flags & Hidden));
        if (flags & (Checkable | Checked)) {
            action->setCheckable(true);
            action->setChecked(flags & Checked);
        }
        if (!shortcut.isEmpty())
            action->setShortcut(shortcut);
        if (group_) {
            action->setCheckable(true);
            group_->addAction(action);
        }
        return action;
    }

    MenuBuilder submenu(const QString &caption, unsigned flags = Shown)
    {
        QMenu *sub = menu_->addMenu(caption);
        sub->setObjectName(uniqueName(caption));
        sub->menuAction()->setObjectName(sub->objectName() + QStringLiteral("Action"));
        setDeliveredVisible(sub->menuAction(), !(flags & Hidden));
        return MenuBuilder(window_, sub);
    }

    // Items added until endGroup() are exclusive radio items.
    void beginGroup()
    {
        group_ = new QActionGroup(menu_);
        group_->setExclusive(true);
    }
    void endGroup() { group_ = nullptr; }
    void separator() { menu_->addSeparator(); }
    QMenu *menu() const { return menu_; }

private:
    QString uniqueName(const QString &caption)
    {
        const QString base = menuItemName(caption);
        QString name = base;
        for (int n = 2; window_->findChild<QObject *>(name); ++n)
            name = base.chopped(1) + QString::number(n);
        return name;
    }

    QMainWindow *window_;
    QMenu *menu_;
    QActionGroup *group_ = nullptr;
};

MenuBuilder topMenu(QMainWindow *window, const QString &caption, unsigned flags = Shown)
{
    QMenu *menu = window->menuBar()->addMenu(caption);
    menu->setObjectName(menuItemName(caption));
    menu->menuAction()->setObjectName(menu->objectName() + QStringLiteral("Action"));
    setDeliveredVisible(menu->menuAction(), !(flags & Hidden));
    return MenuBuilder(window, menu);
}

void fileMenu(QMainWindow *w)
{
    MenuBuilder m = topMenu(w, QStringLiteral("Datei"));
    for (const char *caption : {"Importieren...", "Alle Artikel löschen und Datei importieren...", "Exportieren...",
                                "Als HTML exportieren...", "Markierte Artikel exportieren...",
                                "Automatischen CSV Export einstellen..."})
        m.item(QString::fromUtf8(caption));
    MenuBuilder backup = m.submenu(QStringLiteral("Backup"));
    backup.item(QStringLiteral("Backup der Artikel..."));
    backup.item(QStringLiteral("Backup der Artikel einladen..."));
    backup.item(QStringLiteral("Backup der Optionen..."));
    backup.item(QStringLiteral("Backup der Optionen einladen..."));
    backup.item(QStringLiteral("Backup der Buchungen..."), Hidden);
    backup.item(QStringLiteral("Backup der Buchungen einladen..."), Hidden);
    backup.item(QString::fromUtf8("Backup der verknüpften Artikel..."), Hidden);
    backup.item(QString::fromUtf8("Backup der verknüpften Artikel einladen..."), Hidden);
    backup.item(QStringLiteral("Backup der Einstellungen in der Registry..."));
    backup.item(QStringLiteral("Backup der Registry Einstellungen einladen..."));
    backup.item(QStringLiteral("Automatische Backups einstellen..."));
    backup.item(QString::fromUtf8("Artikel und Bestände aus Buchungsdatenbank rekonstruieren..."), Hidden);
    m.separator();
    m.item(QStringLiteral("Textdatei vom Barcode Scanner einlesen..."), Hidden);
    m.item(QStringLiteral("Format der Barcode Scanner Datei einstellen..."), Hidden);
    m.item(QString::fromUtf8("Mehrere Barcodes vom Scanner per Tastatureingabe übertragen..."), Hidden);
    m.item(QString::fromUtf8("Alle Bestände auf 0 setzen"));
    m.separator();
    m.item(QStringLiteral("Drucken"));
    m.item(QString::fromUtf8("Artikel auswählen und drucken..."));
    for (const char *caption : {"Protokoll drucken", "Bestellliste drucken", "Bestellliste für eine Kategorie drucken",
                                "Buchungen drucken", "Zugänge/Abgänge drucken..."})
        m.item(QString::fromUtf8(caption), Hidden);
    m.item(QStringLiteral("Drucker einrichten"));
    m.item(QString::fromUtf8("Schriftart für den Druck..."));
    m.separator();
    m.item(QStringLiteral("Beenden"));
    m.item(QStringLiteral("Beenden ohne automatischen Export"));
}

void settingsMenu(QMainWindow *w)
{
    MenuBuilder m = topMenu(w, QStringLiteral("Einstellungen"));
    m.item(QStringLiteral("Email Einstellungen..."), Hidden);
    m.item(QStringLiteral("Bestelltext einstellen..."), Hidden);
    MenuBuilder columns = m.submenu(QStringLiteral("Spalten"));
    columns.item(QStringLiteral("Spalten umsortieren..."));
    columns.item(QStringLiteral("Spalten umbennen..."));
    columns.item(QStringLiteral("Spalten ausblenden..."));
    columns.item(QStringLiteral("Spalten unter \"Artikel bearbeiten\" ausblenden..."));
    columns.item(QString::fromUtf8("Inhalt der 1. freien Spalte für neue Artikel voreinstellen..."));

    MenuBuilder after = m.submenu(QStringLiteral("Nach dem Buchen"), Hidden);
    for (const char *caption : {"Chargennummer beim Zubuchen aus Datum und Artikelnummer erzeugen",
                                "Chargennummer beim Wegbuchen aus Datum und Artikelnummer erzeugen",
                                "Haltbarkeitsdatum beim Zubuchen aus Datum und Haltbarkeit berechnen",
                                "Haltbarkeitsdatum beim Wegbuchen aus Datum und Haltbarkeit berechnen"})
        after.item(QString::fromUtf8(caption), Checkable);
    after.separator();
    after.beginGroup();
    after.item(QStringLiteral("Menge belassen"), Checked);
    after.item(QStringLiteral("Menge auf 0 voreinstellen und so neue Mengeneingabe erzwingen"));
    after.item(QStringLiteral("Menge auf 1 zurücksetzen"));
    after.item(QStringLiteral("Menge auf 1 zurücksetzen und Menge verringern aktivieren"));
    after.endGroup();
    MenuBuilder prompts = m.submenu(QStringLiteral("Beim Buchen einzugeben"), Hidden);
    for (const char *caption : {"Kunde", "Kostenstelle", "Seriennummer", "Chargennummer", "Lieferdatum", "Preis",
                                "Lieferscheinnummer", "Freitext", "Palettennummer", "Stellplatz"}) {
        prompts.item(QString::fromUtf8(caption) + QStringLiteral(" beim Abbuchen eingeben"), Checkable);
        prompts.item(QString::fromUtf8(caption) + QStringLiteral(" beim Zubuchen eingeben"), Checkable);
    }
    prompts.item(QStringLiteral("Menge nach dem Scannen des Barcodes eingeben"), Checkable);
    prompts.separator();
    prompts.item(QStringLiteral("Reihenfolge der Abfragen festlegen..."));
    prompts.item(QStringLiteral("Reihenfolge der Abfragen auf Voreinstellung setzen..."));
    for (const char *caption : {"Keine Warnung beim Unterschreiten der Mindestmenge",
                                "Beim Abbuchen automatisch Barcode Etikett drucken",
                                "Zeige Barcode Konfigurationsfenster beim automatischen Barcode Drucken",
                                "Mengeneingabe nur in ganzen Stück möglich", "Bestand kann nicht unter 0 fallen",
                                "Bestand kann nicht über 1 gehen", "Letzten Kunden in die erste freie Spalte eintragen",
                                "Bei Bestand 0 automatisch zubuchen, bei Bestand 1 abbuchen",
                                "Direkt im \"Artikel bearbeiten\" Fenster buchen können",
                                "EK Preise und VK Preise mit 3 Nachkommastellen"})
        m.item(QString::fromUtf8(caption), Hidden | Checkable);
    w->findChild<QAction *>(menuItemName(QString::fromUtf8("Direkt im \"Artikel bearbeiten\" Fenster buchen können")))
        ->setChecked(true);
    m.item(QStringLiteral("Suchergebnisfenster anzeigen, nicht nur zum 1. Treffer springen"), Hidden | Checked);
    m.item(QStringLiteral("Deutsches Datums und Zahlenformat immer verwenden (System Einstellungen gelten nicht)"),
           Hidden | Checkable);
    m.item(QStringLiteral("CSV Format konfigurieren (Trennzeichen einstellen usw.)..."));

    MenuBuilder places = m.submenu(QString::fromUtf8("Lagerplätze"), Hidden);
    places.item(QString::fromUtf8("Keinen freien Text als Lagerplatz erlauben"), Checkable);
    places.item(QString::fromUtf8("Vorgegebene Lagerplätze..."));

    MenuBuilder extended = m.submenu(QStringLiteral("Erweitert"), Hidden);
    extended.item(QString::fromUtf8("Mehrfachauswahl fürs Löschen und Drucken erlauben"), Checked);
    extended.item(QStringLiteral("Zeile rot hinterlegen, wenn letzte Buchung mehr als 30 Tage her ist"), Checkable);
    extended.item(QStringLiteral("Anzahl der Tage einstellen, bis die Zeile rot hinterlegt wird..."));
    extended.item(QStringLiteral("Farbe nicht als Hintergrundfarbe, sondern als Ampel-Icon"), Checkable);
    extended.item(QStringLiteral("Bei Ampel Icons: Zeile rot hinterlegen, wenn Mindestbestand unterschritten"),
                  Checkable);
    extended.item(QStringLiteral("Automatisch nach X Minuten abmelden"), Checkable);
    extended.item(QStringLiteral("Kassenfenster soll immer im Vordergrund bleiben"), Checkable);
    extended.beginGroup();
    extended.item(QStringLiteral("Datum der letzten Buchung nur beim Abbuchen setzen"), Checked);
    extended.item(QStringLiteral("Datum der letzten Buchung nur beim Zubuchen setzen"));
    extended.item(QStringLiteral("Datum der letzten Buchung beim Zubuchen und Abbuchen setzen"));
    extended.endGroup();
    extended.item(QStringLiteral("Auch die Zeit der letzten Buchung speichern"), Checked);

    MenuBuilder look = m.submenu(QString::fromUtf8("Aussehen der Programmoberfläche"));
    look.beginGroup();
    for (const QString &style : styleNames())
        look.item(style, style == QLatin1String("Windows") ? Checked : Shown);
    look.endGroup();

    MenuBuilder protocol = m.submenu(QStringLiteral("Protokoll"), Hidden);
    for (int i = 1; i <= 5; ++i)
        protocol.item(QString::fromUtf8("Freie Spalte %1 im Protokoll aufführen").arg(i), Checkable);

    for (const char *caption : {"Tastatureingaben fürs Buchen auch akzeptieren, wenn die Artikelliste aktiv ist",
                                "Für Bestellung die interne Artikelnummer verwenden, wenn keine Lieferanten Artikelnummer",
                                "Beim Unterschreiten der Mindestmenge Bestell Email aufrufen",
                                "EK-Preis nicht in Bestellemail aufführen",
                                "Bestellliste mit Hersteller statt Lieferant drucken",
                                "Kunde nur einmal eingeben für alle Buchungen einer Textdatei",
                                "Kostenstelle nur einmal eingeben für alle Buchungen einer Textdatei",
                                "Lieferanten Artikelnummer soll auch eine Buchung auslösen"})
        m.item(QString::fromUtf8(caption), Hidden | Checkable);
    for (const char *caption : {"Tastatureingaben fürs Buchen auch akzeptieren, wenn die Artikelliste aktiv ist",
                                "Kunde nur einmal eingeben für alle Buchungen einer Textdatei",
                                "Kostenstelle nur einmal eingeben für alle Buchungen einer Textdatei"})
        w->findChild<QAction *>(menuItemName(QString::fromUtf8(caption)))->setChecked(true);
}

void barcodeMenu(QMainWindow *w)
{
    MenuBuilder m = topMenu(w, QStringLiteral("Barcodes"));
    MenuBuilder scanning = m.submenu(QStringLiteral("Beim Barcode Scannen"), Hidden);
    scanning.beginGroup();
    scanning.item(QStringLiteral("Beim Barcode Scannen den Artikel Abbuchen"), Checked);
    scanning.item(QStringLiteral("Beim Barcode Scannen nicht sofort abbuchen, sondern Zeile markieren"));
    scanning.item(QStringLiteral("Beim Barcode Scannen die Maske Artikel bearbeiten aufrufen"));
    scanning.item(QStringLiteral("Beim Barcode Scannen Bestellemail lossenden "));
    scanning.item(QStringLiteral("Barcode Scannen Feld soll als Suchfeld benutzt werden"));
    scanning.item(QStringLiteral("Stellplatz einscannen"));
    scanning.endGroup();
    for (const char *caption : {"Leertaste nicht zum Abschluss der Eingabe verwenden",
                                "Leertaste am Ende des Bacodes ignorieren",
                                "Wenn Barcode nicht existiert keinen neuen Artikel anlegen"})
        m.item(QString::fromUtf8(caption), Hidden | Checkable);
    m.item(QStringLiteral("Menge beim Barcode nach einem Komma mit übergeben"), Checked);
    m.separator();
    m.beginGroup();
    m.item(QStringLiteral("Barcode beim Artikel Erstellen nicht vorausfüllen"), Checked);
    m.item(QStringLiteral("Freien EAN8 Barcode beim Erstellen eines Artikels vergeben"));
    m.item(QStringLiteral("Freien EAN13 Barcode beim Erstellen eines Artikels vergeben"));
    m.endGroup();
    m.separator();
    m.item(QStringLiteral("Artikelnummer beim Erstellen eines Artikels automatisch vergeben"), Checkable);
    m.item(QStringLiteral("Artikelnummer beim Duplizieren eines Artikels automatisch vergeben"), Checkable);
    m.item(QStringLiteral("Artikelnummer beim Importieren eines Artikels automatisch vergeben"), Checkable);
}

void adminMenu(QMainWindow *w)
{
    MenuBuilder m = topMenu(w, QStringLiteral("Admin"));
    m.item(QString::fromUtf8("Administrator Menü..."));
    m.item(QStringLiteral("Alle Funktionen anzeigen"), Checkable);
    m.item(QString::fromUtf8("Einloggen, um alle Funktionen nutzen zu können..."));
    m.item(QStringLiteral("Ausloggen"));
}

void functionsMenu(QMainWindow *w)
{
    MenuBuilder m = topMenu(w, QStringLiteral("Funktionen"));
    m.item(QStringLiteral("Barcode drucken"), Shown, QKeySequence(Qt::Key_F6));
    MenuBuilder special = m.submenu(QStringLiteral("Speziellen Eintrag als Barcode drucken"));
    special.item(QStringLiteral("Artikelnummer als Barcode drucken..."));
    special.item(QStringLiteral("Lieferanten Artikelnummer als Barcode drucken..."));
    special.item(QStringLiteral("Barcode 2 drucken..."));
    m.item(QStringLiteral("Verschiedene Barcodes drucken..."));
    m.separator();
    for (const char *caption : {"Bestellvorschläge...", "Bestellungen ansehen..."})
        m.item(QString::fromUtf8(caption), Hidden);
    m.item(QStringLiteral("Lieferscheine erfassen..."));
    m.item(QStringLiteral("Wareneingang erfassen..."), Hidden);
    m.item(QStringLiteral("Lieferschein drucken..."), Shown, QKeySequence(Qt::Key_F3));
    m.item(QStringLiteral("Rechnung/Angebot/Lieferschein drucken..."), Shown, QKeySequence(Qt::Key_F4));
    m.item(QStringLiteral("Packliste drucken..."), Hidden);
    m.separator();
    for (const char *caption : {"Chargennummer generieren...", "Haltbarkeit prüfen...",
                                "Lagerplätze anzeigen...", "Buchungen aus CSV Datei importieren...",
                                "Wert des Bestandes...", "Verbrauch berechnen...", "Doppelte Artikel suchen...",
                                "Doppelte Lieferanten Artikelnummern suchen...",
                                "Artikel mit Menge 0 und Mindestbestand 0 löschen", "Inventur...",
                                "Tagesgewinn...", "Kasse..."})
        m.item(QString::fromUtf8(caption), Hidden);
    m.separator();
    m.item(QStringLiteral("Artikel duplizieren..."));
    m.item(QStringLiteral("Zeige Bild..."));
    m.item(QStringLiteral("MwSt. Satz voreinstellen..."));
    m.item(QString::fromUtf8("MwSt für alle Artikel setzen..."));
    m.separator();
    m.item(QStringLiteral("Buchungen ansehen..."));
    for (const char *caption : {"Alle Buchungen des gewählten Artikels zeigen...",
                                "Bestellungen eines Kunden auflisten...",
                                "Verbrauch des gewählten Artikels in den letzten 30 Tagen...",
                                "Verbrauch aller Artikel in den letzten xx Tagen in die x. freie Spalte eintragen...",
                                "Durchschnittlichen EK Preis aus den beim Buchen eingegebenden EK Preisen ermitteln...",
                                "Durchschnittlichen EK Preis ermitteln, Abbuchungen ignorieren...",
                                "Kunden mit den meisten Buchungen auflisten..."})
        m.item(QString::fromUtf8(caption), Hidden);
    m.item(QStringLiteral("Benutzer verwalten"));
    m.item(QString::fromUtf8("Artikel verknüpfen (Präsentkörbe...)"), Hidden);
}

void remainingMenus(QMainWindow *w)
{
    MenuBuilder calc = topMenu(w, QStringLiteral("Berechnungen"), Hidden);
    for (const char *caption : {"Produkt aus zwei Spalten berechnen...", "Summe einer Spalte berechnen...",
                                "Preise anpassen...", "Werte addieren..."})
        calc.item(QString::fromUtf8(caption));

    MenuBuilder customers = topMenu(w, QStringLiteral("Kunden"));
    customers.item(QStringLiteral("Kundenverwaltung..."));

    MenuBuilder suppliers = topMenu(w, QStringLiteral("Lieferanten"), Hidden);
    suppliers.item(QStringLiteral("Lieferantenverwaltung..."));
    suppliers.item(QString::fromUtf8("Spalte mit Lieferantennamen füllen..."));

    MenuBuilder warehouses = topMenu(w, QStringLiteral("Didur"), Hidden);
    warehouses.beginGroup();
    for (int i = 1; i <= 20; ++i)
        warehouses.item(QStringLiteral("Didur %1").arg(i), i == 1 ? Checked : Shown);
    warehouses.endGroup();
    warehouses.item(QStringLiteral("Didur umbenennen..."));
    warehouses.item(QStringLiteral("Kopie der markierten Artikels in einem anderen Didur erstellen..."));
    MenuBuilder transfer = warehouses.submenu(QStringLiteral("Artikel umbuchen zwischen diesem Didur und Didur"));
    for (int i = 1; i <= 20; ++i)
        transfer.item(QStringLiteral("Didur %1").arg(i));

    MenuBuilder language = topMenu(w, QStringLiteral("Sprache"));
    language.beginGroup();
    for (const char *caption : {"Deutsch", "English", "Nederlands", "Norsk", "Svenska", "Italiano", "Français",
                                "Espagnole", "Portugues", "Polski"})
        language.item(QString::fromUtf8(caption), QLatin1String(caption) == QLatin1String("Deutsch") ? Checked : Shown);
    language.endGroup();
    language.separator();
    language.item(QString::fromUtf8("Übersetzen..."));

    QAction *search = w->menuBar()->addAction(QStringLiteral("Suche"));
    search->setObjectName(QStringLiteral("Suche1"));
    search->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_F));
    QAction *again = w->menuBar()->addAction(QStringLiteral("Weitersuchen"));
    again->setObjectName(QStringLiteral("Weitersuchen1"));
    setDeliveredVisible(again, false);

    MenuBuilder help = topMenu(w, QStringLiteral("Hilfe"));
    help.item(QStringLiteral("Bedienungsanleitung als PDF Datei..."));
    help.item(QString::fromUtf8("Über das Programm..."));
}

}  // namespace

void setDeliveredVisible(QObject *object, bool visible)
{
    object->setProperty(kDeliveredHidden, !visible);
    if (auto *action = qobject_cast<QAction *>(object))
        action->setVisible(visible);
    else if (auto *widget = qobject_cast<QWidget *>(object))
        widget->setVisible(visible);
}

void showAllFunctions(QWidget *window, bool show)
{
    for (QAction *action : window->findChildren<QAction *>())
        if (action->property(kDeliveredHidden).toBool())
            action->setVisible(show);
    for (QWidget *widget : window->findChildren<QWidget *>())
        if (widget->property(kDeliveredHidden).toBool())
            widget->setVisible(show);
}

QString menuItemName(const QString &caption)
{
    QString name;
    for (QChar c : caption) {
        if (c.unicode() < 128 && c.isLetterOrNumber())
            name += c;
    }
    return name + u'1';
}

const QStringList &styleNames()
{
    static const QStringList names = {
        QStringLiteral("Windows"), QStringLiteral("Amakrits"), QStringLiteral("Amethyst Kamri"),
        QStringLiteral("Aqua Graphite"), QStringLiteral("Aqua Light Slate"), QStringLiteral("Auric"),
        QStringLiteral("Carbon"), QStringLiteral("Charcoal Dark Slate"), QStringLiteral("Cobalt XEMedia"),
        QStringLiteral("Cyan Dusk"), QStringLiteral("Cyan Night"), QStringLiteral("Emerald Light Slate"),
        QStringLiteral("Golden Graphite"), QStringLiteral("Iceberg Classico"), QStringLiteral("Lavender Classico"),
        QStringLiteral("Metro Black"), QStringLiteral("Metro Blue"), QStringLiteral("Metro Green"),
        QStringLiteral("Sapphire Kamri"), QStringLiteral("Slate Classico"), QStringLiteral("Smokey Quartz Kamri"),
        QStringLiteral("Turquoise Gray")};
    return names;
}

void buildMainMenu(QMainWindow *window)
{
    fileMenu(window);
    settingsMenu(window);
    barcodeMenu(window);
    adminMenu(window);
    functionsMenu(window);
    remainingMenus(window);
}

QMenu *buildArticlePopupMenu(QMainWindow *window)
{
    auto *popup = new QMenu(window);
    popup->setObjectName(QStringLiteral("PopupMenu1"));
    MenuBuilder m(window, popup);
    m.item(QStringLiteral("Barcode drucken..."));
    m.item(QStringLiteral("Barcode 2 drucken..."));
    m.item(QStringLiteral("Artikelnummer als Barcode drucken..."));
    m.item(QStringLiteral("Lieferanten Artikelnummer als Barcode drucken..."));
    m.separator();
    m.item(QStringLiteral("Artikel duplizieren..."));
    m.item(QStringLiteral("Zeige Bild..."));
    m.item(QString::fromUtf8("Öffne Link..."));
    for (const char *caption : {"Chargen anzeigen...", "Alle Buchungen des gewählten Artikels zeigen...", "Lagerplätze des Artikels...",
                                "Lieferant anzeigen...", "Artikel bestellen...", "In anderes Didur umbuchen...",
                                "Auf anderen Lagerplatz umbuchen..."})
        m.item(QString::fromUtf8(caption), Hidden);
    return popup;
}

}  // namespace morvane::ui
