#include "trafficlinedelegate.h"

#include "trafficcolours.h"
#include "trafficmodel.h"

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
    const bool selected = opt.state & QStyle::State_Selected;
    const QVariant kind = index.data(TrafficModel::KindRole);
    painter->save();
    painter->setFont(opt.font);
    // A selected row keeps the style's colours, which are made to be read on its highlight.
    painter->setPen(
        selected || !kind.isValid()
            ? opt.palette.color(group, selected ? QPalette::HighlightedText : QPalette::Text)
            : TrafficColours::forKind(TrafficEntry::Kind(kind.toInt()), opt.palette));
    const int flags = Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine;
    painter->drawText(room, flags, text);

    if (!m_highlight.isEmpty()) {
        // In a fixed-pitch font a match starts where its first character's number says.
        painter->setPen(TrafficColours::matchText());
        for (qsizetype at = text.indexOf(m_highlight, 0, Qt::CaseInsensitive); at >= 0;
             at = text.indexOf(m_highlight, at + m_highlight.size(), Qt::CaseInsensitive)) {
            const qreal left = room.left() + advance * at;
            const QRectF mark(left, room.top(), advance * m_highlight.size(), room.height());
            painter->fillRect(mark.intersected(QRectF(room)), TrafficColours::matchBackground());
            painter->drawText(mark, flags, text.mid(at, m_highlight.size()));
        }
    }
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
