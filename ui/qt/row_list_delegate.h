#pragma once

#include <QStyledItemDelegate>

namespace lorvex::qt {

// Draws the list cells with one pixel of room beside the text instead of the style's wider
// margins, so that figures such as "100.000" fit the 52-pixel columns. No focus frame is drawn
// round the current cell: the lists select whole rows, and a frame round one cell would suggest
// that cells can be chosen.
class RowListDelegate final : public QStyledItemDelegate {
    Q_OBJECT

public:
    static constexpr int TEXT_MARGIN = 1;

    using QStyledItemDelegate::QStyledItemDelegate;

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override;

protected:
    void initStyleOption(QStyleOptionViewItem* option, const QModelIndex& index) const override;
};

}  // namespace lorvex::qt
