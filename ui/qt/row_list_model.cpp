#include "ui/qt/row_list_model.h"

#include <QColor>

#include "ui/qt/qt_text.h"

namespace lorvex::qt {

namespace {

constexpr QRgb kGreyRow = 0xEEEEEE;
constexpr Qt::Alignment kTextAlignment = Qt::AlignLeft | Qt::AlignVCenter;

}  // namespace

RowListModel::RowListModel(QStringList columnTitles) : columnTitles_(std::move(columnTitles)) {}

void RowListModel::removeAllRows() {
    if (rows_.empty()) return;
    beginResetModel();
    rows_.clear();
    endResetModel();
}

void RowListModel::appendRows(std::span<const ListRow> rows) {
    if (rows.empty()) return;
    const int first = static_cast<int>(rows_.size());
    beginInsertRows({}, first, first + static_cast<int>(rows.size()) - 1);
    rows_.insert(rows_.end(), rows.begin(), rows.end());
    endInsertRows();
}

int RowListModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(rows_.size());
}

int RowListModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(columnTitles_.size());
}

QVariant RowListModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid()) return {};
    const ListRow& listRow = row(index.row());
    switch (role) {
        case Qt::DisplayRole:
            return fromLatin1(listRow.texts[static_cast<std::size_t>(index.column())]);
        case Qt::BackgroundRole:
            return listRow.grey ? QVariant(QColor(kGreyRow)) : QVariant();
        case Qt::TextAlignmentRole:
            return static_cast<int>(kTextAlignment);
        default:
            return {};
    }
}

QVariant RowListModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || section < 0 || section >= columnTitles_.size()) return {};
    switch (role) {
        case Qt::DisplayRole:
            return columnTitles_[section];
        case Qt::TextAlignmentRole:
            return static_cast<int>(kTextAlignment);
        default:
            return {};
    }
}

}  // namespace lorvex::qt
