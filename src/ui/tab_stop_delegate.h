#pragma once

#include <QStyledItemDelegate>

namespace brivonce {

// Draws list lines with tab stops at 10 %, 20 % and 30 % of the list's width,
// so that the dates, times and texts of activity entries line up in columns.
class TabStopDelegate : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override;
};

}  // namespace brivonce
