#pragma once

#include <QString>

namespace morvane::dbase {
class Table;
}

namespace morvane::addresses {

// The search of the address windows: a record passes when any of its fields
// (the memo too) contains the search text. Both sides are folded so that
// "muller", "Müller" and "MÜLLER" find each other: accents and umlauts lose
// their marks, letters compare without case and "ß" reads as "SS".
class AddressSearch {
public:
    static QString fold(QStringView text);
    // `folded` is the search text after fold(); an empty one matches all.
    static bool matches(const dbase::Table &table, const QString &folded);
};

}  // namespace morvane::addresses
