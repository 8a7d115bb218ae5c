#include "core/base/format_settings.h"

#include <QRegularExpression>

namespace morvane::base {

namespace {

enum class Order { DayMonthYear, MonthDayYear, YearMonthDay };

Order orderOf(const QString &format)
{
    const qsizetype d = format.indexOf(u'd');
    const qsizetype m = format.indexOf(u'M');
    const qsizetype y = format.indexOf(u'y');
    if (y >= 0 && y < d && y < m)
        return Order::YearMonthDay;
    if (m >= 0 && m < d)
        return Order::MonthDayYear;
    return Order::DayMonthYear;
}

}  // namespace

FormatSettings FormatSettings::german()
{
    return FormatSettings();
}

FormatSettings FormatSettings::fromLocale(const QLocale &locale)
{
    FormatSettings f;
    f.decimalSeparator = locale.decimalPoint().isEmpty() ? QChar(u'.') : locale.decimalPoint().front();
    f.thousandSeparator = locale.groupSeparator().isEmpty() ? QChar(u' ') : locale.groupSeparator().front();
    QString date = locale.dateFormat(QLocale::ShortFormat);
    // Keep only the numeric day, month and year in the locale's order, and
    // widen a two-digit year to four.
    static const QRegularExpression parts(QStringLiteral("d+|M+|y+"));
    QString separator = QStringLiteral(".");
    static const QRegularExpression sep(QStringLiteral("[dMy]+([^dMy]+)[dMy]+"));
    if (auto match = sep.match(date); match.hasMatch())
        separator = match.captured(1).trimmed().left(1);
    if (separator.isEmpty())
        separator = QStringLiteral(".");
    QStringList fields;
    auto it = parts.globalMatch(date);
    while (it.hasNext()) {
        const QString token = it.next().captured();
        if (token.startsWith(u'd'))
            fields << QStringLiteral("dd");
        else if (token.startsWith(u'M'))
            fields << QStringLiteral("MM");
        else
            fields << QStringLiteral("yyyy");
    }
    if (fields.size() == 3)
        f.shortDateFormat = fields.join(separator);
    f.currencySymbol = locale.currencySymbol();
    const QString sample = locale.toCurrencyString(1.0);
    const bool symbolFirst = sample.startsWith(f.currencySymbol);
    const bool spaced = sample.contains(QChar(u' ')) || sample.contains(QChar(0xA0));
    f.currencyFormat = symbolFirst ? (spaced ? 2 : 0) : (spaced ? 3 : 1);
    f.collationLocale = locale;
    return f;
}

QChar FormatSettings::dateSeparator() const
{
    for (QChar c : shortDateFormat) {
        if (c != u'd' && c != u'M' && c != u'y')
            return c;
    }
    return u'.';
}

QString FormatSettings::formatDate(QDate date) const
{
    return date.toString(shortDateFormat);
}

QString FormatSettings::formatDateTime(const QDateTime &dateTime) const
{
    return formatDate(dateTime.date()) + u' ' + dateTime.time().toString(QStringLiteral("HH:mm:ss"));
}

std::optional<QDate> FormatSettings::parseDate(QStringView text) const
{
    text = text.trimmed();
    const QChar sep = dateSeparator();
    const auto pieces = text.split(sep);
    if (pieces.size() < 2 || pieces.size() > 3)
        return std::nullopt;
    int numbers[3] = {0, 0, 0};
    for (qsizetype i = 0; i < pieces.size(); ++i) {
        const QStringView piece = pieces[i].trimmed();
        if (piece.isEmpty()) {
            if (i == 2)  // "1.2." is this year
                continue;
            return std::nullopt;
        }
        if (piece.size() > 4)
            return std::nullopt;
        bool ok = false;
        numbers[i] = piece.toInt(&ok);
        if (!ok || numbers[i] < 0)
            return std::nullopt;
    }
    int day = 0, month = 0, year = 0;
    bool yearGiven = pieces.size() == 3 && !pieces[2].trimmed().isEmpty();
    switch (orderOf(shortDateFormat)) {
    case Order::DayMonthYear: day = numbers[0]; month = numbers[1]; year = numbers[2]; break;
    case Order::MonthDayYear: month = numbers[0]; day = numbers[1]; year = numbers[2]; break;
    case Order::YearMonthDay:
        if (pieces.size() != 3)
            return std::nullopt;
        year = numbers[0]; month = numbers[1]; day = numbers[2]; yearGiven = true;
        break;
    }
    if (!yearGiven)
        year = QDate::currentDate().year();
    else if (year < 100)
        year += year < 50 ? 2000 : 1900;
    const QDate date(year, month, day);
    if (!date.isValid())
        return std::nullopt;
    return date;
}

}  // namespace morvane::base
