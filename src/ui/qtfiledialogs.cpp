#include "qtfiledialogs.h"

#include <QFileDialog>

QString QtFileDialogs::openFileName(QWidget *parent, const QString &caption, const QString &filter)
{
    return QFileDialog::getOpenFileName(parent, caption, QString(), filter);
}

QString QtFileDialogs::saveFileName(QWidget *parent, const QString &caption,
                                    const QString &suggestedName, const QString &filter,
                                    QString *selectedFilter)
{
    return QFileDialog::getSaveFileName(parent, caption, suggestedName, filter, selectedFilter);
}
