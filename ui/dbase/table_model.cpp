#include "ui/dbase/table_model.h"

#include "core/dbase/dbf_error.h"

#include <algorithm>

namespace morvane::dbase {

TableModel::TableModel(Table *table, QObject *parent) : QAbstractTableModel(parent), table_(table)
{
    reload();
}

void TableModel::reload()
{
    beginResetModel();
    rows_.clear();
    columns_ = 0;
    if (table_ && table_->isOpen()) {
        try {
            rows_ = table_->visibleRecordNumbers();
            columns_ = table_->fieldCount();
        } catch (const DbfError &e) {
            lastError_ = e.text();
            emit errorOccurred(lastError_);
        }
    }
    endResetModel();
}

std::uint32_t TableModel::recordNumberAt(int row) const
{
    return (row >= 0 && size_t(row) < rows_.size()) ? rows_[size_t(row)] : 0;
}

int TableModel::rowOf(std::uint32_t recordNumber) const
{
    const auto it = std::find(rows_.begin(), rows_.end(), recordNumber);
    return it == rows_.end() ? -1 : int(it - rows_.begin());
}

int TableModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(rows_.size());
}

int TableModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : columns_;
}

QVariant TableModel::data(const QModelIndex &index, int role) const
{
    if ((role != Qt::DisplayRole && role != Qt::EditRole) || !index.isValid() || !table_ || !table_->isOpen()
        || index.column() >= table_->fieldCount())
        return {};
    try {
        if (!table_->go(recordNumberAt(index.row())))
            return {};
        return table_->fieldText(index.column());
    } catch (const DbfError &e) {
        lastError_ = e.text();
        emit errorOccurred(lastError_);
        return {};
    }
}

QVariant TableModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (role != Qt::DisplayRole)
        return {};
    if (orientation == Qt::Vertical)
        return section + 1;
    if (!table_ || section < 0 || section >= columns_ || section >= table_->fieldCount())
        return {};
    return table_->field(section).name;
}

Qt::ItemFlags TableModel::flags(const QModelIndex &index) const
{
    Qt::ItemFlags f = QAbstractTableModel::flags(index);
    if (editable_ && index.isValid() && table_ && !table_->isReadOnly())
        f |= Qt::ItemIsEditable;
    return f;
}

bool TableModel::setData(const QModelIndex &index, const QVariant &value, int role)
{
    if (role != Qt::EditRole || !editable_ || !index.isValid() || !table_ || !table_->isOpen())
        return false;
    try {
        if (!table_->go(recordNumberAt(index.row())))
            return false;
        table_->edit();
        table_->setFieldText(index.column(), value.toString());
        table_->post();
    } catch (const DbfError &e) {
        // "Record locked." and write failures leave the record as it was.
        if (table_->state() == Table::State::Edit)
            table_->cancel();
        lastError_ = e.text();
        emit errorOccurred(lastError_);
        return false;
    }
    emit dataChanged(index, index, {Qt::DisplayRole, Qt::EditRole});
    return true;
}

}  // namespace morvane::dbase
