#pragma once

#include <QAbstractTableModel>
#include <QStringList>
#include <span>
#include <vector>

#include "ui/user_interface.h"

namespace lorvex::qt {

// The rows of the system list or the hit list: seven left-aligned texts each, some rows light
// grey. Rows are added in bulk, so ten thousand of them arrive as one insertion.
class RowListModel final : public QAbstractTableModel {
    Q_OBJECT

public:
    explicit RowListModel(QStringList columnTitles);

    void removeAllRows();
    void appendRows(std::span<const ListRow> rows);
    const ListRow& row(int index) const { return rows_[static_cast<std::size_t>(index)]; }

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

private:
    QStringList columnTitles_;
    std::vector<ListRow> rows_;
};

}  // namespace lorvex::qt
