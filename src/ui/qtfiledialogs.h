#pragma once

#include "filedialogs.h"

// The file dialogs of QFileDialog, native where the platform has them.
class QtFileDialogs : public FileDialogs
{
public:
    QString openFileName(QWidget *parent, const QString &caption, const QString &filter) override;
    QString saveFileName(QWidget *parent, const QString &caption, const QString &suggestedName,
                         const QString &filter, QString *selectedFilter = nullptr) override;
};
