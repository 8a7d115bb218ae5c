#pragma once

#include "core/articles/article.h"

#include <QString>
#include <QStringList>

namespace morvane::articles {

// "Artikel Nr." may hold several numbers, one per line. These decide when a
// number belongs to an article.

// The lines of a number field, as typed (Windows or Unix line ends).
QStringList numberLines(const QString &field);
// A line of the field equals n, or both are empty.
bool checkartnr(const QString &field, const QString &n);
// A line of the field starts with n, or both are empty.
bool checkartnrpos1(const QString &field, const QString &n);
// Both fields are empty, or a line of a equals a line of b.
bool checkartnr2(const QString &a, const QString &b);
// First line of the field, or empty.
QString GetFirstartnr(const QString &field);

// Index of the first article other than `except` whose number field shares a
// line with `number`; -1 when none does or `number` is empty.
int findSharedNumber(const ArticleList &articles, const QString &number, int except = -1);

struct FreeNumber {
    enum class Status { Found, Exhausted } status = Status::Found;
    QString number;
};

// The next free article number: the largest line of any "Artikel Nr." that
// is a whole number, plus one. Lines that are not whole numbers do not count.
// Numbers are 64-bit; when the largest one is the largest 64-bit number,
// there is no next one (Exhausted) rather than a wrapped negative number.
FreeNumber FreeArticleNumber(const ArticleList &articles);

}  // namespace morvane::articles
