#pragma once

#include "core/base/prompter.h"
#include "core/i18n/dictionary.h"

#include <QString>
#include <QStringList>

namespace morvane::i18n {

// Translates German source texts into the current language slot through the
// dictionary. Unknown texts are added with empty translations; the caller
// saves the dictionary once after a batch (see isDirty / markSaved).
class Translator {
public:
    explicit Translator(Dictionary &dictionary) : dictionary_(dictionary) {}

    int language() const { return language_; }
    // Slots outside 0..29 are treated as 0.
    void setLanguage(int slot);

    QString translate(const QString &text);
    // Message N (1..266) translated; empty for an unused number.
    QString message(int number);
    base::Message makeMessage(int number, base::Icon icon, const QString &title = {},
                              const QString &suffix = {});

    Dictionary &dictionary() { return dictionary_; }
    bool isDirty() const { return dirty_; }
    void markDirty() { dirty_ = true; }
    void markSaved() { dirty_ = false; }

private:
    Dictionary &dictionary_;
    int language_ = Dictionary::kGermanDisplaySlot;
    bool dirty_ = false;
};

}  // namespace morvane::i18n
