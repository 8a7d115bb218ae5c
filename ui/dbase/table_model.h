#pragma once

#include "core/dbase/table.h"

#include <QAbstractTableModel>

#include <cstdint>
#include <vector>

namespace morvane::dbase {

// The rows a data grid shows for a table: its visible records in the
// table's current order and filter, one column per field. The row list is
// taken once per reload(); cells are read from the file when the view asks,
// so a grid over a large journal stays cheap.
class TableModel : public QAbstractTableModel {
    Q_OBJECT

public:
    explicit TableModel(Table *table, QObject *parent = nullptr);

    // Takes the table's visible records again (after a filter or order
    // change, or to show records other workstations appended).
    void reload();
    void setEditable(bool editable) { editable_ = editable; }
    bool isEditable() const { return editable_; }
    std::uint32_t recordNumberAt(int row) const;
    // The row showing a record, -1 when it is not shown.
    int rowOf(std::uint32_t recordNumber) const;
    QString lastError() const { return lastError_; }

    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex &index) const override;
    bool setData(const QModelIndex &index, const QVariant &value, int role = Qt::EditRole) override;

signals:
    // A table error while reading or writing a cell, with the engine's text.
    void errorOccurred(const QString &text) const;

private:
    Table *table_;
    std::vector<std::uint32_t> rows_;
    int columns_ = 0;
    bool editable_ = false;
    mutable QString lastError_;
};

}  // namespace morvane::dbase
