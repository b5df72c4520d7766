#include "ui/tab_stop_delegate.h"

#include <QApplication>
#include <QPainter>

namespace brivonce {

void TabStopDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                            const QModelIndex& index) const {
    QStyleOptionViewItem item(option);
    initStyleOption(&item, index);
    QString text = item.text;
    item.text.clear();
    const QWidget* list = item.widget;
    QStyle* style = list ? list->style() : QApplication::style();
    style->drawControl(QStyle::CE_ItemViewItem, &item, painter, list);

    qreal width = list ? list->width() : option.rect.width();
    QTextOption layout;
    layout.setWrapMode(QTextOption::NoWrap);
    layout.setTabArray({width * 0.1, width * 0.2, width * 0.3});
    bool selected = item.state.testFlag(QStyle::State_Selected);
    painter->save();
    painter->setFont(item.font);
    painter->setPen(item.palette.color(selected ? QPalette::HighlightedText : QPalette::Text));
    QRect textArea = style->subElementRect(QStyle::SE_ItemViewItemText, &item, list);
    painter->drawText(QRectF(textArea), text, layout);
    painter->restore();
}

}  // namespace brivonce
