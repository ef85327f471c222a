#pragma once

#include <QTableView>

namespace lorvex::qt {

// A list of whole rows that shows where the keyboard focus is: while it has the focus, a focus
// rectangle runs round the current row, or round the place of the first row while it is empty.
// Without the focus it looks like any table view.
class RowListView final : public QTableView {
    Q_OBJECT

public:
    using QTableView::QTableView;

protected:
    void paintEvent(QPaintEvent* event) override;
    void currentChanged(const QModelIndex& current, const QModelIndex& previous) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    QRect focusRowRect() const;
};

}  // namespace lorvex::qt
