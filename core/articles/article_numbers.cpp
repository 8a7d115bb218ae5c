#include "core/articles/article_numbers.h"


#include <limits>
#include <optional>

namespace morvane::articles {

namespace {

// A whole number as a person typed it: optional sign, digits, blanks around.
std::optional<qint64> wholeNumber(QStringView text)
{
    text = text.trimmed();
    if (text.isEmpty())
        return std::nullopt;
    bool ok = false;
    const qint64 value = text.toLongLong(&ok, 10);
    if (!ok)
        return std::nullopt;
    return value;
}

}  // namespace

QStringList numberLines(const QString &field)
{
    QString text = field;
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    text.replace(u'\r', u'\n');
    QStringList lines = text.split(u'\n');
    // A field ending in a line break has no empty number after it.
    while (lines.size() > 1 && lines.last().isEmpty())
        lines.removeLast();
    return lines;
}

bool checkartnr(const QString &field, const QString &n)
{
    if (field.isEmpty() && n.isEmpty())
        return true;
    if (field.isEmpty() || n.isEmpty())
        return false;
    for (const QString &line : numberLines(field)) {
        if (line == n)
            return true;
    }
    return false;
}

bool checkartnrpos1(const QString &field, const QString &n)
{
    if (field.isEmpty() && n.isEmpty())
        return true;
    if (field.isEmpty() || n.isEmpty())
        return false;
    for (const QString &line : numberLines(field)) {
        if (line.startsWith(n))
            return true;
    }
    return false;
}

bool checkartnr2(const QString &a, const QString &b)
{
    if (a.isEmpty() && b.isEmpty())
        return true;
    if (a.isEmpty() || b.isEmpty())
        return false;
    const QStringList linesB = numberLines(b);
    for (const QString &line : numberLines(a)) {
        if (!line.isEmpty() && linesB.contains(line))
            return true;
    }
    return false;
}

QString GetFirstartnr(const QString &field)
{
    if (field.isEmpty())
        return {};
    return numberLines(field).value(0);
}

int findSharedNumber(const ArticleList &articles, const QString &number, int except)
{
    if (number.isEmpty())
        return -1;
    for (std::size_t i = 0; i < articles.size(); ++i) {
        if (int(i) != except && checkartnr2(articles[i].field(ArtikelNr), number))
            return int(i);
    }
    return -1;
}

FreeNumber FreeArticleNumber(const ArticleList &articles)
{
    qint64 largest = 0;
    for (const Article &a : articles) {
        const QString &field = a.field(ArtikelNr);
        if (field.isEmpty())
            continue;
        for (const QString &line : numberLines(field)) {
            if (const auto n = wholeNumber(line); n && *n > largest)
                largest = *n;
        }
    }
    if (largest == std::numeric_limits<qint64>::max())
        return {FreeNumber::Status::Exhausted, {}};
    return {FreeNumber::Status::Found, QString::number(largest + 1)};
}

}  // namespace morvane::articles
