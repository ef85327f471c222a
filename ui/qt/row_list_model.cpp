#include "ui/qt/row_list_model.h"

#include <QColor>

#include "ui/list_rows.h"
#include "ui/qt/qt_text.h"

namespace lorvex::qt {

namespace {

constexpr QRgb kGreyRow = 0xEEEEEE;
constexpr Qt::Alignment kTextAlignment = Qt::AlignLeft | Qt::AlignVCenter;

}  // namespace

RowListModel::RowListModel(QStringList columnTitles) : columnTitles_(std::move(columnTitles)) {}

void RowListModel::removeAllRows() {
    if (textRows_.empty() && hitRows_.empty()) return;
    beginResetModel();
    // Fresh vectors give the memory of a huge hit table back.
    textRows_ = std::vector<ListRow>();
    hitRows_ = std::vector<HitRow>();
    endResetModel();
}

void RowListModel::appendRows(std::span<const ListRow> rows) {
    if (rows.empty()) return;
    const int first = static_cast<int>(textRows_.size());
    beginInsertRows({}, first, first + static_cast<int>(rows.size()) - 1);
    textRows_.insert(textRows_.end(), rows.begin(), rows.end());
    endInsertRows();
}

void RowListModel::appendHitRows(std::span<const HitRow> rows) {
    if (rows.empty()) return;
    const int first = rowCount();
    beginInsertRows({}, first, first + static_cast<int>(rows.size()) - 1);
    hitRows_.insert(hitRows_.end(), rows.begin(), rows.end());
    endInsertRows();
}

ListRow RowListModel::row(int index) const {
    const auto at = static_cast<std::size_t>(index);
    if (at < textRows_.size()) return textRows_[at];
    return hitListRow(hitRows_[at - textRows_.size()]);
}

int RowListModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(textRows_.size() + hitRows_.size());
}

std::string RowListModel::cellText(int index, int column) const {
    const auto at = static_cast<std::size_t>(index);
    if (at < textRows_.size()) return textRows_[at].texts[static_cast<std::size_t>(column)];
    return hitCellText(hitRows_[at - textRows_.size()], static_cast<HitColumn>(column));
}

bool RowListModel::isGrey(int index) const {
    const auto at = static_cast<std::size_t>(index);
    if (at < textRows_.size()) return textRows_[at].grey;
    return hitRows_[at - textRows_.size()].firstOfBlock;
}

int RowListModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(columnTitles_.size());
}

QVariant RowListModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid()) return {};
    switch (role) {
        case Qt::DisplayRole:
            return fromUtf8(cellText(index.row(), index.column()));
        case Qt::BackgroundRole:
            return isGrey(index.row()) ? QVariant(QColor(kGreyRow)) : QVariant();
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
