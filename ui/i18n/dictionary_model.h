#pragma once

#include "core/i18n/dictionary.h"

#include <QAbstractTableModel>

namespace morvane::ui {

// The dictionary as an editable table: one row per entry, one column per
// language slot.
class DictionaryModel final : public QAbstractTableModel {
    Q_OBJECT
public:
    explicit DictionaryModel(i18n::Dictionary &dictionary, QObject *parent = nullptr);

    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role) const override;
    bool setData(const QModelIndex &index, const QVariant &value, int role) override;
    Qt::ItemFlags flags(const QModelIndex &index) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

    void removeEntry(int row);
    // A fixed German column cannot be edited by accident.
    void setFirstColumnFixed(bool fixed) { firstColumnFixed_ = fixed; }
    static QString slotTitle(int slot);

signals:
    void edited();

private:
    i18n::Dictionary &dictionary_;
    bool firstColumnFixed_ = true;
};

}  // namespace morvane::ui
