#include "ui/qt/row_list_view.h"

#include <QHeaderView>
#include <QPainter>
#include <QStyleOptionFocusRect>

namespace lorvex::qt {

void RowListView::paintEvent(QPaintEvent* event) {
    QTableView::paintEvent(event);
    if (!hasFocus()) return;
    QPainter painter(viewport());
    QStyleOptionFocusRect option;
    option.initFrom(this);
    option.rect = focusRowRect();
    option.backgroundColor = palette().color(QPalette::Base);
    style()->drawPrimitive(QStyle::PE_FrameFocusRect, &option, &painter, this);
}

// The whole row across all columns; the cells themselves draw no focus frame.
QRect RowListView::focusRowRect() const {
    const bool hasRows = model() != nullptr && model()->rowCount() > 0;
    const int row = currentIndex().isValid() ? currentIndex().row() : 0;
    const int top = hasRows ? rowViewportPosition(row) : 0;
    const int height = hasRows ? rowHeight(row) : verticalHeader()->defaultSectionSize();
    return QRect(-horizontalOffset(), top, horizontalHeader()->length(), height);
}

void RowListView::currentChanged(const QModelIndex& current, const QModelIndex& previous) {
    QTableView::currentChanged(current, previous);
    viewport()->update();
}

void RowListView::focusInEvent(QFocusEvent* event) {
    QTableView::focusInEvent(event);
    viewport()->update();
}

void RowListView::focusOutEvent(QFocusEvent* event) {
    QTableView::focusOutEvent(event);
    viewport()->update();
}

}  // namespace lorvex::qt
