#include "trafficlinedelegate.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QFontMetricsF>
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

    QRect room = style->subElementRect(QStyle::SE_ItemViewItemText, &opt, opt.widget)
                     .adjusted(2, 0, -2, 0);
    // A row laid out before the vertical scroll bar came can reach under it.
    if (const auto *view = qobject_cast<const QAbstractItemView *>(opt.widget))
        room.setRight(qMin(room.right(), view->viewport()->width() - 3));
    // The lines are in a fixed-pitch font: the number of characters that fit is a division.
    // (Its advance is fractional: a whole number of pixels would let the last characters run over.)
    const qreal advance = QFontMetricsF(opt.font).horizontalAdvance(QLatin1Char('0'));
    const int columns = qMax(1, int(room.width() / qMax<qreal>(1, advance)));
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

QSize TrafficLineDelegate::sizeHint(const QStyleOptionViewItem &option,
                                    const QModelIndex &index) const
{
    QStyleOptionViewItem opt = option;
    initStyleOption(&opt, index);
    opt.text = QStringLiteral("0");
    const QStyle *style = opt.widget ? opt.widget->style() : QApplication::style();
    return { 1,
             style->sizeFromContents(QStyle::CT_ItemViewItem, &opt, QSize(), opt.widget).height() };
}
