#pragma once

#include "core/articles/article.h"

#include <QString>

namespace morvane::articles {

enum class EanKind { Ean8 = 8, Ean13 = 13 };

struct FreeEan {
    enum class Status {
        Found,
        // The prefix holds something other than digits.
        InvalidPrefix,
        // The prefix leaves no room for a number, or the next number no
        // longer fits the code: an over-long code would be no EAN at all.
        NoRoom,
    } status = Status::Found;
    QString barcode;
};

// The next free EAN over "Barcode" and "Barcode 2" of all articles. A value of
// the full length counts without its check digit, a value one shorter counts
// as it is, other lengths and non-digits do not count. Only values beginning
// with `prefix` count, and the prefix is taken off before comparing. The new
// code is prefix + (largest + 1, padded with zeros) + GS1 check digit.
FreeEan findFreeEan(const ArticleList &articles, EanKind kind, const QString &prefix = {});

}  // namespace morvane::articles
