#include "trafficlinedelegate.h"

void TrafficLineDelegate::initStyleOption(QStyleOptionViewItem *option,
                                          const QModelIndex &index) const
{
    QStyledItemDelegate::initStyleOption(option, index);
    if (option->rect.width() <= 0)
        return;
    // The lines are in a fixed-pitch font; two characters more keep the ellipsis at the end.
    const int columns
        = option->rect.width() / qMax(1, option->fontMetrics.horizontalAdvance(QLatin1Char('0')))
        + 2;
    if (option->text.size() > columns)
        option->text.truncate(columns);
}
