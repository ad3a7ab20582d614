#include "trafficlinedelegate.h"

#include <QApplication>
#include <QPainter>

void TrafficLineDelegate::paint(QPainter *painter, const QStyleOptionViewItem &option,
                                const QModelIndex &index) const
{
    QStyleOptionViewItem opt = option;
    initStyleOption(&opt, index);
    QString text = opt.text;
    opt.text.clear();
    const QStyle *style = opt.widget ? opt.widget->style() : QApplication::style();
    // The background, selection and focus frame as the style draws them, without the text.
    style->drawControl(QStyle::CE_ItemViewItem, &opt, painter, opt.widget);

    const QRect room = style->subElementRect(QStyle::SE_ItemViewItemText, &opt, opt.widget)
                           .adjusted(2, 0, -2, 0);
    // The lines are in a fixed-pitch font: the number of characters that fit is a division.
    const int columns
        = qMax(1, room.width() / qMax(1, opt.fontMetrics.horizontalAdvance(QLatin1Char('0'))));
    if (text.size() > columns) {
        text.truncate(columns - 1);
        text += QChar(0x2026); // an ellipsis: the line goes on
    }
    const QPalette::ColorGroup group = !(opt.state & QStyle::State_Enabled) ? QPalette::Disabled
        : (opt.state & QStyle::State_Active)                                ? QPalette::Active
                                                                            : QPalette::Inactive;
    painter->save();
    painter->setFont(opt.font);
    painter->setPen(opt.palette.color(
        group, (opt.state & QStyle::State_Selected) ? QPalette::HighlightedText : QPalette::Text));
    painter->drawText(room, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine, text);
    painter->restore();
}
