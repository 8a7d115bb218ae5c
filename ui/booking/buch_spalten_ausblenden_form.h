#pragma once

#include "core/articles/column_map.h"
#include "core/i18n/translator.h"

#include <QDialog>

#include <array>

class QTableWidget;

namespace morvane::ui {

// "Spalten ausblenden" of the journal window: every field with "Sichtbar"
// or "Unsichtbar"; "Ausblenden" and "Einblenden" set the marked row, a
// double click toggles it. The flags are taken over when it closes.
class TBuchSpaltenAusblendenForm final : public QDialog {
    Q_OBJECT
public:
    using Flags = std::array<bool, articles::ColumnMap::kSize>;
    TBuchSpaltenAusblendenForm(const QStringList &fieldTitles, const Flags &flags, i18n::Translator &translator,
                               QWidget *parent = nullptr);
    const Flags &flags() const { return flags_; }
    // Sets the visibility of a field and shows it.
    void setVisible(int field, bool visible);

private:
    Flags flags_;
    i18n::Translator &translator_;
    QTableWidget *StringGrid1;
};

}  // namespace morvane::ui
