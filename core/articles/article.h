#pragma once

#include <QString>

#include <array>
#include <vector>

namespace morvane::articles {

// Internal field numbers of an article. They never change: they are the
// order of the fields in the article file and of the list columns as
// designed (list column k + 1 shows field k by default).
enum Field : int {
    ArtikelNr = 0,
    Barcode = 1,
    Menge = 2,
    Chargennr = 3,
    Mindestbestand = 4,
    Hersteller = 5,
    EkPreis = 6,
    VkPreis = 7,
    Haltbarkeit = 8,
    LieferantenEmail = 9,
    LieferantenArtikelNr = 10,
    Bestellmenge = 11,
    Haltbarkeitsdatum = 12,
    Kategorie = 13,
    Wert = 14,
    Gewicht = 15,
    Lagerplatz = 16,
    FreieSpalte1 = 17,
    FreieSpalte2 = 18,
    FreieSpalte3 = 19,
    FreieSpalte4 = 20,
    FreieSpalte5 = 21,
    Bild = 22,
    MwstSatz = 23,
    Barcode2 = 24,
    BestellteMenge = 25,
    GesamtVk = 26,
    Bestellhinweis = 27,
    Verpackungshinweis = 28,
    KundeEintragen = 29,
    KundennrBeimLieferanten = 30,
    LieferzeitInTagen = 31,
    Preiseinheit = 32,
    Seriennummern = 33,
    Farbe = 34,
    LetzterBenutzer = 35,
    DatumLetzteBuchung = 36,
    Erstellungsdatum = 37,
    LinkAufInternetseite = 38,
};

inline constexpr int kFieldCount = 39;
// The name column plus one list column per field.
inline constexpr int kListColumnCount = kFieldCount + 1;

// One row of the article list: the name and the 39 fields, all texts, held
// in internal field order.
struct Article {
    QString name;
    std::array<QString, kFieldCount> fields;

    const QString &field(int k) const { return fields[std::size_t(k)]; }
    QString &field(int k) { return fields[std::size_t(k)]; }

    friend bool operator==(const Article &, const Article &) = default;
};

using ArticleList = std::vector<Article>;

}  // namespace morvane::articles
