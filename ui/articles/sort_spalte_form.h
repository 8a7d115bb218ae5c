#pragma once

#include "core/articles/column_map.h"

#include <QDialog>

class QListWidget;

namespace morvane::ui {

class ArticleTableModel;

// "Spalten umsortieren...": the titles of list columns 1..39 in display
// order; "Nach oben" and "Nach unten" move the selected one.
class TSortSpalteForm final : public QDialog {
    Q_OBJECT
public:
    TSortSpalteForm(const ArticleTableModel &model, const articles::ColumnMap &spalte, QWidget *parent = nullptr);
    articles::ColumnMap result() const { return spalte_; }

private:
    void move(int step);

    articles::ColumnMap spalte_;
    QListWidget *ListBox1;
};

}  // namespace morvane::ui
