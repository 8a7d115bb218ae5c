#include "core/i18n/starter_dictionary.h"

namespace morvane::i18n {

namespace {

struct Pair {
    const char *german;
    const char *english;
};

constexpr Pair kEnglish[] = {
    {"Datei", "File"},
    {"Einstellungen", "Settings"},
    {"Barcodes", "Barcodes"},
    {"Admin", "Admin"},
    {"Funktionen", "Functions"},
    {"Kunden", "Customers"},
    {"Sprache", "Language"},
    {"Suche", "Search"},
    {"Hilfe", "Help"},
    {"Beenden", "Exit"},
    {"Beenden ohne automatischen Export", "Exit without automatic export"},
    {"Importieren...", "Import..."},
    {"Exportieren...", "Export..."},
    {"Drucken", "Print"},
    {"Drucken...", "Print..."},
    {"Drucker einrichten", "Printer setup"},
    {"Neuer Artikel", "New article"},
    {"Artikel bearbeiten...", "Edit article..."},
    {"Artikel löschen", "Delete article"},
    {"Artikel duplizieren...", "Duplicate article..."},
    {"Lieferschein drucken...", "Print delivery note..."},
    {"Rechnung/Angebot/Lieferschein drucken...", "Print invoice/quote/delivery note..."},
    {"Kundenverwaltung...", "Customers..."},
    {"Spalten", "Columns"},
    {"Spalten umsortieren...", "Reorder columns..."},
    {"Spalten umbennen...", "Rename columns..."},
    {"Spalten ausblenden...", "Hide columns..."},
    {"Übersetzen...", "Translate..."},
    {"Über das Programm...", "About..."},
    {"Artikelbezeichnung", "Article"},
    {"Artikel Nr.", "Article no."},
    {"Barcode", "Barcode"},
    {"Menge", "Quantity"},
    {"Chargennr.", "Batch no."},
    {"Mindestbestand", "Minimum stock"},
    {"Hersteller", "Manufacturer"},
    {"EK Preis", "Purchase price"},
    {"VK Preis", "Sales price"},
    {"Haltbarkeit", "Shelf life"},
    {"Lieferanten EMail", "Supplier e-mail"},
    {"Lieferanten Artikel Nr.", "Supplier article no."},
    {"Bestellmenge", "Order quantity"},
    {"Haltbarkeitsdatum", "Expiry date"},
    {"Kategorie", "Category"},
    {"Wert", "Value"},
    {"Gewicht", "Weight"},
    {"Lagerplatz", "Storage place"},
    {"Didur ", "Warehouse "},
    {"Bitte schließen Sie das Programm und starten Sie es erneut!", "Please close the program and start it again!"},
    {"Übersetzen", "Translate"},
};

}  // namespace

void addStarterTranslations(Dictionary &dictionary)
{
    for (const Pair &p : kEnglish) {
        const QString german = QString::fromUtf8(p.german).trimmed();
        int entry = dictionary.find(german);
        if (entry < 0)
            entry = dictionary.add(german);
        if (dictionary.entry(entry).texts[1].isEmpty())
            dictionary.setText(entry, 1, QString::fromUtf8(p.english));
    }
}

}  // namespace morvane::i18n
