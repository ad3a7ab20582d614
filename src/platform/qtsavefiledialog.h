#pragma once

#include "savefiledialog.h"

// The desktop's own save dialog, starting in the documents folder.
class QtSaveFileDialog : public SaveFileDialog
{
public:
    QString askSaveFileName(QWidget *parent, const QString &caption, const QString &suggestedName,
                            const QString &filter) override;
};
