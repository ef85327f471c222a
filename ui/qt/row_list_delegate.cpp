#include "ui/qt/row_list_delegate.h"

#include <QFontMetricsF>
#include <QPainter>

namespace lorvex::qt {

void RowListDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                            const QModelIndex& index) const {
    const QStyle* style = option.widget != nullptr ? option.widget->style() : nullptr;
    const int styleMargin =
        style != nullptr
            ? style->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, option.widget) + 1
            : TEXT_MARGIN;
    const int widening = std::max(styleMargin - TEXT_MARGIN, 0);
    // The cell is drawn as if it were wider, and cut back to its own rectangle: the background
    // still fills exactly the cell, while the text gets the room of the style's margins.
    QStyleOptionViewItem widened = option;
    widened.rect.adjust(-widening, 0, widening, 0);
    // The rare figure wider than its column, such as the eight-digit case count of a block of six
    // out of 47 or more numbers, is drawn a little smaller rather than cut short.
    const QString text = index.data(Qt::DisplayRole).toString();
    const qreal available = option.rect.width() - 2 * TEXT_MARGIN;
    const qreal smallest = widened.font.pointSizeF() * 0.75;
    while (widened.font.pointSizeF() > smallest &&
           QFontMetricsF(widened.font).horizontalAdvance(text) > available) {
        widened.font.setPointSizeF(widened.font.pointSizeF() - 0.5);
        widened.fontMetrics = QFontMetrics(widened.font);  // the style elides by these
    }
    painter->save();
    painter->setClipRect(option.rect, Qt::IntersectClip);
    QStyledItemDelegate::paint(painter, widened, index);
    painter->restore();
}

void RowListDelegate::initStyleOption(QStyleOptionViewItem* option,
                                      const QModelIndex& index) const {
    QStyledItemDelegate::initStyleOption(option, index);
    option->state &= ~QStyle::State_HasFocus;
}

}  // namespace lorvex::qt
