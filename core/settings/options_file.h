#pragma once

#include "core/i18n/dictionary.h"
#include "core/settings/options.h"

#include <QByteArray>

namespace morvane::settings {

// The file layout of "options.dat". It grew by appending groups: a reader
// takes the groups that are there, each one whole, and keeps the defaults of
// the rest. Warehouse names and column titles travel through the dictionary.
class OptionsFile {
public:
    static constexpr int kWarehouseNameSlots = 19;
    static constexpr int kWarehouses = 20;

    struct Loaded {
        Options options;
        bool dictionaryChanged = false;
        int groupsRead = 0;
    };

    // Warehouse names found in the file are put into the dictionary.
    static Loaded parse(QByteArrayView bytes, i18n::Dictionary &dictionary);
    static QByteArray serialize(const Options &options, const i18n::Dictionary &dictionary);

    // Field by field: what this workstation changed since `base` wins, the
    // rest comes from `theirs` (the file as another workstation left it).
    static Options merge(const Options &base, const Options &ours, const Options &theirs);

    static QString scramble(const QString &password);
    static QString unscramble(const QString &stored);
};

}  // namespace morvane::settings
