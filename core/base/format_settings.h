#pragma once

#include <QDate>
#include <QDateTime>
#include <QLocale>
#include <QString>

#include <optional>

namespace morvane::base {

// Number and date formats of this workstation. Core never asks the process
// locale: the main window fills this from the system once, or forces the
// German formats when the user asked for them.
struct FormatSettings {
    QChar decimalSeparator = u',';
    QChar thousandSeparator = u'.';
    // Day/month/year order and separator of the short date format, with a
    // four-digit year ("dd.MM.yyyy" in Qt's notation).
    QString shortDateFormat = QStringLiteral("dd.MM.yyyy");
    QString currencySymbol = QStringLiteral("€");
    // 0 "€1", 1 "1€", 2 "€ 1", 3 "1 €".
    int currencyFormat = 3;
    // Used for collation of texts (sorting names, categories ...).
    QLocale collationLocale = QLocale(QLocale::German, QLocale::Germany);

    static FormatSettings german();
    static FormatSettings fromLocale(const QLocale &locale);

    QChar dateSeparator() const;
    QString formatDate(QDate date) const;
    QString formatDateTime(const QDateTime &dateTime) const;
    // Lenient like a person typing: "1.2.24", "01.02.2024" and "1.2." (this
    // year) are all 1 February; two-digit years are widened to 1950..2049.
    std::optional<QDate> parseDate(QStringView text) const;
};

}  // namespace morvane::base
