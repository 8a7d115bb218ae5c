#pragma once

#include "core/i18n/dictionary.h"

namespace morvane::i18n {

// English texts for the main window, so that a new installation without a
// "translate.dat" can switch its language at once. Entries the dictionary
// already has are left alone.
void addStarterTranslations(Dictionary &dictionary);

}  // namespace morvane::i18n
