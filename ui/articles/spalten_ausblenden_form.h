#pragma once

#include "core/articles/article_file.h"

#include <QDialog>

class QTableWidget;

namespace morvane::ui {

class ArticleTableModel;

// "Spalten ausblenden...": every list column with its width; width 0 hides
// it. "Ausblenden" sets 0, "Einblenden" 50, and the widths can be typed.
class TSpaltenAusblendenForm final : public QDialog {
    Q_OBJECT
public:
    TSpaltenAusblendenForm(const ArticleTableModel &model, const articles::ArticleFileSettings &settings,
                           QWidget *parent = nullptr);
    // Entries that are not whole numbers leave their column unchanged.
    void applyTo(articles::ArticleFileSettings &settings) const;

private:
    void setSelectedWidth(int width);

    QTableWidget *StringGrid1;
};

}  // namespace morvane::ui
