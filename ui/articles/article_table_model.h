#pragma once

#include "core/app/workspace.h"

#include <QAbstractTableModel>
#include <QHash>
#include <QIcon>

namespace morvane::ui {

// The article list as a table: column 0 the name, column c the field the
// display map puts there. Rows are the workspace's articles; nothing is
// copied, so 100,000 rows cost no more than the ones on screen.
class ArticleTableModel final : public QAbstractTableModel {
    Q_OBJECT
public:
    explicit ArticleTableModel(app::Workspace &workspace, QObject *parent = nullptr);

    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

    // Call after the workspace's list or column order was replaced.
    void reload();
    // Translated title of a list column.
    QString columnTitle(int column) const;
    int fieldOfColumn(int column) const;

private:
    QIcon iconFor(const articles::Article &article) const;

    app::Workspace &ws_;
    QStringList titles_;
    mutable QHash<quint32, QIcon> circles_;
    QList<QIcon> trafficLights_;
};

}  // namespace morvane::ui
