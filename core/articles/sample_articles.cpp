#include "core/articles/sample_articles.h"

#include "core/base/decimal.h"

#include <QDate>

#include <random>

namespace morvane::articles {

namespace {

const char16_t *const kNouns[] = {u"Schraube", u"Mutter", u"Dübel", u"Unterlegscheibe", u"Kabelbinder",
                                  u"Glühbirne", u"Schlüssel", u"Türgriff", u"Bürste", u"Säge",
                                  u"Zange", u"Hammer", u"Öl", u"Farbe", u"Klebeband", u"Lötzinn"};
const char16_t *const kAdjectives[] = {u"verzinkt", u"rostfrei", u"groß", u"klein", u"weiß", u"schwarz",
                                       u"grün", u"für Außen", u"für Küche", u"wärmefest"};
const char16_t *const kCategories[] = {u"Befestigung", u"Elektro", u"Werkzeug", u"Farben", u"Haushalt",
                                       u"Garten", u"Sanitär"};
const char16_t *const kMakers[] = {u"Müller & Söhne", u"Bäcker GmbH", u"Schütz AG", u"Weiß KG", u"Özdemir"};

int ean13CheckDigit(const QString &twelve)
{
    int sum = 0;
    for (int i = 0; i < 12; ++i)
        sum += (twelve[i].unicode() - u'0') * (i % 2 ? 3 : 1);
    return (10 - sum % 10) % 10;
}

QString money(std::mt19937_64 &rng, int maxCents)
{
    const int cents = int(rng() % std::uint64_t(maxCents)) + 1;
    return QStringLiteral("%1,%2").arg(cents / 100).arg(cents % 100, 2, 10, QChar(u'0'));
}

template <typename T, std::size_t N>
QString pick(std::mt19937_64 &rng, T (&items)[N])
{
    return QString::fromUtf16(items[rng() % N]);
}

}  // namespace

ArticleList generateSampleArticles(int count, std::uint64_t seed)
{
    std::mt19937_64 rng(seed);
    ArticleList list;
    list.reserve(std::size_t(std::max(count, 0)));
    const QDate base(2024, 1, 1);
    for (int i = 0; i < count; ++i) {
        Article a;
        a.name = pick(rng, kNouns) + u' ' + pick(rng, kAdjectives) + QStringLiteral(" %1 mm").arg(1 + rng() % 200);
        a.field(ArtikelNr) = QStringLiteral("A-%1").arg(100000 + i);
        if (rng() % 10 == 0)
            a.field(ArtikelNr) += QStringLiteral("\r\nB-%1").arg(rng() % 1000000);
        QString twelve = QStringLiteral("400%1").arg(qulonglong(rng() % 1000000000ULL), 9, 10, QChar(u'0'));
        a.field(Barcode) = twelve + QString::number(ean13CheckDigit(twelve));
        a.field(Menge) = QString::number(rng() % 500);
        a.field(Mindestbestand) = QString::number(rng() % 50);
        a.field(Hersteller) = pick(rng, kMakers);
        a.field(EkPreis) = money(rng, 10000);
        a.field(VkPreis) = money(rng, 20000);
        a.field(Kategorie) = pick(rng, kCategories);
        const auto menge = base::Decimal::parse(a.field(Menge), u',');
        a.field(Wert) = (*menge * *base::Decimal::parse(a.field(EkPreis), u',')).toFixed(2, u',');
        a.field(GesamtVk) = (*menge * *base::Decimal::parse(a.field(VkPreis), u',')).toFixed(2, u',');
        a.field(Lagerplatz) = QStringLiteral("R%1-F%2").arg(rng() % 20).arg(rng() % 10);
        a.field(MwstSatz) = rng() % 4 == 0 ? QStringLiteral("7") : QStringLiteral("19");
        a.field(Erstellungsdatum) = base.addDays(int(rng() % 700)).toString(QStringLiteral("dd.MM.yyyy"));
        if (rng() % 3 == 0)
            a.field(DatumLetzteBuchung) = base.addDays(int(rng() % 700)).toString(QStringLiteral("dd.MM.yyyy"));
        if (rng() % 20 == 0)
            a.field(Farbe) = QStringLiteral("%1").arg(qulonglong(rng() % 0x1000000), 6, 16, QChar(u'0')).toUpper();
        if (rng() % 8 == 0)
            a.field(BestellteMenge) = QString::number(1 + rng() % 20);
        list.push_back(std::move(a));
    }
    return list;
}

}  // namespace morvane::articles
