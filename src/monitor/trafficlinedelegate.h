#pragma once

#include <QStyledItemDelegate>

// Draws the monitor's rows as plain one-line text in the colour of their kind, with only as many
// characters as the row can show, and the matches of the find bar marked. A received line can be a
// thousand bytes and four thousand characters of escapes; laying all of them out to elide them
// again, for every visible row at every update, was most of what the view cost under a flood.
class TrafficLineDelegate : public QStyledItemDelegate
{
    Q_OBJECT

public:
    using QStyledItemDelegate::QStyledItemDelegate;

    // The text to mark in every row, ignoring case; empty for none.
    void setHighlight(const QString &text) { m_highlight = text; }

    void paint(QPainter *painter, const QStyleOptionViewItem &option,
               const QModelIndex &index) const override;
    // One line high, and narrow, so that each row is as wide as the view and no wider: a line that
    // does not fit ends in an ellipsis rather than in a scroll bar thousands of characters long.
    QSize sizeHint(const QStyleOptionViewItem &option, const QModelIndex &index) const override;

private:
    QString m_highlight;
};
