#pragma once

#include "core/i18n/translator.h"

#include <QDialog>

#include <utility>
#include <vector>

class QTableWidget;

namespace morvane::ui {

// "Kunden mit den meisten Buchungen": customers and their number of records.
class TBesteKundenForm final : public QDialog {
    Q_OBJECT
public:
    TBesteKundenForm(const std::vector<std::pair<QString, int>> &customers, i18n::Translator &translator,
                     QWidget *parent = nullptr);
    QTableWidget *list() const { return ListView1; }

private:
    QTableWidget *ListView1;
};

}  // namespace morvane::ui
