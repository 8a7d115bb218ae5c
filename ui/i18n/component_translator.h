#pragma once

#include "core/i18n/translator.h"

class QObject;

namespace morvane::ui {

// Puts every visible text of a window tree through the translator: window
// titles, labels, buttons and their tool tips, group boxes, menus and their
// actions, tab captions, combo box entries (keeping the selection), table
// headers and line edits and text boxes (unless their "tag" property is 99,
// which marks user data). Texts are taken as German sources, so a tree is
// translated once, right after it was built.
void TranslateComponents(QObject *root, i18n::Translator &translator);

}  // namespace morvane::ui
