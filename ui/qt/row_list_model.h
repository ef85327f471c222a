#pragma once

#include <QAbstractTableModel>
#include <QStringList>
#include <span>
#include <string>
#include <vector>

#include "core/analysis/hit_table.h"

#include "ui/user_interface.h"

namespace lorvex::qt {

// The rows of the system list or the hit list: seven left-aligned texts each, some rows light
// grey. Rows are added in bulk, so ten thousand of them arrive as one insertion. Hit-table
// rows are kept as numbers and get their texts only when they are shown, since a table can
// hold millions of them.
class RowListModel final : public QAbstractTableModel {
    Q_OBJECT

public:
    explicit RowListModel(QStringList columnTitles);

    void removeAllRows();
    void appendRows(std::span<const ListRow> rows);
    void appendHitRows(std::span<const HitRow> rows);
    ListRow row(int index) const;

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

private:
    std::string cellText(int index, int column) const;
    bool isGrey(int index) const;

    QStringList columnTitles_;
    // Text rows first, then hit rows; a list only ever holds one kind.
    std::vector<ListRow> textRows_;
    std::vector<HitRow> hitRows_;
};

}  // namespace lorvex::qt
