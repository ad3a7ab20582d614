#include "qtsavefiledialog.h"

#include <QDir>
#include <QFileDialog>
#include <QStandardPaths>

QString QtSaveFileDialog::askSaveFileName(QWidget *parent, const QString &caption,
                                          const QString &suggestedName, const QString &filter)
{
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    return QFileDialog::getSaveFileName(parent, caption, QDir(folder).filePath(suggestedName),
                                        filter);
}
