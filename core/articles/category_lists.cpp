#include "core/articles/category_lists.h"

#include <QSet>

namespace morvane::articles {

namespace {

class DistinctList {
public:
    explicit DistinctList(QStringList &target) : target_(target) {}
    void add(const QString &value)
    {
        if (!value.isEmpty() && !seen_.contains(value)) {
            seen_.insert(value);
            target_ << value;
        }
    }

private:
    QStringList &target_;
    QSet<QString> seen_;
};

}  // namespace

CategoryLists FuelleKategorienListe(const ArticleList &articles, const QString &predefinedPlaces,
                                    const QStringList &supplierEmails)
{
    CategoryLists lists;
    DistinctList places(lists.lagerplatz), categories(lists.kategorie), makers(lists.hersteller),
        emails(lists.lieferEmail), orderNotes(lists.bestellhinweis), packingNotes(lists.verpackungshinweis),
        units(lists.preiseinheit), free1(lists.freieSpalte1), free2(lists.freieSpalte2);
    for (const QString &line : predefinedPlaces.split(QStringLiteral("\n")))
        places.add(line.endsWith(u'\r') ? line.chopped(1) : line);
    for (const QString &email : supplierEmails)
        emails.add(email);
    for (const Article &a : articles) {
        places.add(a.field(Lagerplatz));
        categories.add(a.field(Kategorie));
        makers.add(a.field(Hersteller));
        emails.add(a.field(LieferantenEmail));
        orderNotes.add(a.field(Bestellhinweis));
        packingNotes.add(a.field(Verpackungshinweis));
        units.add(a.field(Preiseinheit));
        free1.add(a.field(FreieSpalte1));
        free2.add(a.field(FreieSpalte2));
    }
    return lists;
}

}  // namespace morvane::articles
