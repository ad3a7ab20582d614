#pragma once

#include <QStyledItemDelegate>

// Draws the monitor's lines with only as many characters as the row can show. A received line can
// be a thousand bytes and four thousand characters of escapes; shaping all of them to elide them
// again, for every visible row at every update, is most of what a view costs under a flood.
class TrafficLineDelegate : public QStyledItemDelegate
{
    Q_OBJECT

public:
    using QStyledItemDelegate::QStyledItemDelegate;

protected:
    void initStyleOption(QStyleOptionViewItem *option, const QModelIndex &index) const override;
};
