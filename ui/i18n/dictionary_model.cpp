#include "ui/i18n/dictionary_model.h"

namespace morvane::ui {

DictionaryModel::DictionaryModel(i18n::Dictionary &dictionary, QObject *parent)
    : QAbstractTableModel(parent), dictionary_(dictionary)
{
}

QString DictionaryModel::slotTitle(int slot)
{
    static const char *const titles[] = {"German", "English", "Nederlands", nullptr, "Norsk", "Svenska",
                                         "Italiano", "Frensh", "Spanish", "Portuguese", "Polish"};
    if (slot >= 0 && slot <= 10 && titles[slot])
        return QString::fromLatin1(titles[slot]);
    return QStringLiteral("language%1").arg(slot);
}

int DictionaryModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : dictionary_.size();
}

int DictionaryModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : i18n::Dictionary::kSlots;
}

QVariant DictionaryModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || (role != Qt::DisplayRole && role != Qt::EditRole) || index.row() >= dictionary_.size())
        return {};
    return dictionary_.entry(index.row()).texts[std::size_t(index.column())];
}

bool DictionaryModel::setData(const QModelIndex &index, const QVariant &value, int role)
{
    if (!index.isValid() || role != Qt::EditRole)
        return false;
    if (dictionary_.setText(index.row(), index.column(), value.toString())) {
        emit dataChanged(index, index);
        emit edited();
    }
    return true;
}

Qt::ItemFlags DictionaryModel::flags(const QModelIndex &index) const
{
    if (firstColumnFixed_ && index.column() == 0)
        return QAbstractTableModel::flags(index);
    return QAbstractTableModel::flags(index) | Qt::ItemIsEditable;
}

QVariant DictionaryModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation == Qt::Horizontal && role == Qt::DisplayRole)
        return slotTitle(section);
    return QAbstractTableModel::headerData(section, orientation, role);
}

void DictionaryModel::removeEntry(int row)
{
    if (row < 0 || row >= dictionary_.size())
        return;
    beginRemoveRows({}, row, row);
    dictionary_.remove(row);
    endRemoveRows();
}

}  // namespace morvane::ui
