#pragma once

#include "core/articles/article.h"

#include <QStringList>

namespace morvane::articles {

// The drop-down lists of the article dialog: the distinct values already in
// use (exact comparison, first occurrence first, empty values left out).
struct CategoryLists {
    QStringList lagerplatz;      // LagerEd: predefined storage places, then "Lagerplatz"
    QStringList kategorie;       // ComboBox1
    QStringList hersteller;      // HerstellerEd
    QStringList lieferEmail;     // LieferEmail: supplier table addresses, then "Lieferanten EMail"
    QStringList bestellhinweis;  // BestHintEd
    QStringList verpackungshinweis;  // VerpHintEd
    QStringList preiseinheit;    // PreisEinheitEd
    QStringList freieSpalte1;    // Edit4
    QStringList freieSpalte2;    // Edit5

    friend bool operator==(const CategoryLists &, const CategoryLists &) = default;
};

// predefinedPlaces: "Vorgegebene Lagerplätze", one per line.
CategoryLists FuelleKategorienListe(const ArticleList &articles, const QString &predefinedPlaces,
                                    const QStringList &supplierEmails);

}  // namespace morvane::articles
