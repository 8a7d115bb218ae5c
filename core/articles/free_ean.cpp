#include "core/articles/free_ean.h"

#include "core/barcode/check_digits.h"

#include <optional>

namespace morvane::articles {

namespace {

bool allDigits(QStringView text)
{
    for (QChar c : text) {
        if (c < u'0' || c > u'9')
            return false;
    }
    return true;
}

// The data part of an existing code without the prefix, as a number.
std::optional<qint64> dataNumber(const QString &value, int length, const QString &prefix)
{
    QStringView data(value);
    if (data.size() == length)
        data.chop(1);
    else if (data.size() != length - 1)
        return std::nullopt;
    if (!data.startsWith(prefix))
        return std::nullopt;
    data = data.mid(prefix.size());
    // At most 12 digits remain, so a digit string always fits 64 bits.
    if (data.isEmpty() || !allDigits(data))
        return std::nullopt;
    return data.toLongLong();
}

}  // namespace

FreeEan findFreeEan(const ArticleList &articles, EanKind kind, const QString &prefix)
{
    const int length = int(kind);
    if (!allDigits(prefix))
        return {FreeEan::Status::InvalidPrefix, {}};
    const int digits = length - 1 - int(prefix.size());
    if (digits < 1)
        return {FreeEan::Status::NoRoom, {}};

    qint64 largest = 0;
    for (const Article &a : articles) {
        for (int k : {int(Barcode), int(Barcode2)}) {
            if (const auto n = dataNumber(a.field(k), length, prefix); n && *n > largest)
                largest = *n;
        }
    }
    const QString number = QString::number(largest + 1);
    if (number.size() > digits)
        return {FreeEan::Status::NoRoom, {}};
    const QString data = prefix + number.rightJustified(digits, u'0');
    return {FreeEan::Status::Found, barcode::withGs1CheckDigit(data)};
}

}  // namespace morvane::articles
