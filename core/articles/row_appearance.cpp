#include "core/articles/row_appearance.h"

#include "core/base/decimal.h"

namespace morvane::articles {

namespace {

std::optional<base::Decimal> number(const QString &text, const base::FormatSettings &format)
{
    return base::Decimal::parse(text, format.decimalSeparator);
}

}  // namespace

std::optional<std::uint32_t> RowAppearance::parseFarbe(const QString &text)
{
    QStringView digits = QStringView(text).trimmed();
    if (digits.startsWith(u'$'))
        digits = digits.mid(1);
    if (digits.isEmpty() || digits.size() > 8)
        return std::nullopt;
    bool ok = false;
    const uint value = digits.toUInt(&ok, 16);
    if (!ok)
        return std::nullopt;
    return value & 0xFFFFFFu;
}

std::uint32_t RowAppearance::background(const Article &article, const ListOptions &options,
                                        const base::FormatSettings &format, const QDateTime &now)
{
    std::uint32_t color = kWhite;
    if (!options.farbeAlsAmpelIcon) {
        if (const auto farbe = parseFarbe(article.field(Farbe)))
            color = *farbe;
        const QString &last = article.field(DatumLetzteBuchung);
        if (options.rotWennLetzteBuchungAlt && !last.isEmpty()) {
            // A value with a time ("date time") does not convert as a date
            // and so never turns the row red.
            if (const auto date = format.parseDate(last)) {
                const int days = std::clamp(options.tageBisRot, 1, 10000);
                if (now >= QDateTime(date->addDays(days), QTime(0, 0)))
                    color = kLightRed;
            }
        }
    } else if (options.rotWennMindestbestandUnterschritten) {
        const auto menge = number(article.field(Menge), format);
        const auto minimum = number(article.field(Mindestbestand), format);
        if (menge && minimum && *menge < *minimum)
            color = kRed;
    }
    return color;
}

StatusIcon RowAppearance::statusIcon(const Article &article, const ListOptions &options,
                                     const base::FormatSettings &format)
{
    if (options.farbeAlsAmpelIcon) {
        StatusIcon icon{StatusIcon::Kind::Circle, 0, kWhite};
        if (const auto farbe = parseFarbe(article.field(Farbe)))
            icon.circleBgr = *farbe;
        return icon;
    }
    const auto ordered = number(article.field(BestellteMenge), format).value_or(base::Decimal());
    const bool isOrdered = ordered > base::Decimal();
    const auto menge = number(article.field(Menge), format);
    const auto minimum = number(article.field(Mindestbestand), format);
    if (!menge || !minimum)
        return {StatusIcon::Kind::TrafficLight, isOrdered ? 3 : 0, kWhite};
    int level = 2;
    if (*menge >= *minimum)
        level = 0;
    else if (*menge >= *minimum.value().dividedBy(base::Decimal::fromInt(2)))
        level = 1;
    return {StatusIcon::Kind::TrafficLight, level + (isOrdered ? 3 : 0), kWhite};
}

}  // namespace morvane::articles
