#pragma once

#include "core/dbase/field.h"

#include <QDialog>

class QTableWidget;

namespace morvane::i18n {
class Translator;
}

namespace morvane::ui {

// "Feldlängen": one row per field with name and length; memo rows stay empty.
class FieldLengthsDialog final : public QDialog {
    Q_OBJECT
public:
    FieldLengthsDialog(const dbase::FieldList &fields, i18n::Translator &translator, QWidget *parent = nullptr);
    // The length texts as typed, one per field.
    QStringList lengths() const;

    QTableWidget *StringGrid1 = nullptr;
};

}  // namespace morvane::ui
