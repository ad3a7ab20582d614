#pragma once

#include <QString>

QT_BEGIN_NAMESPACE
class QWidget;
QT_END_NAMESPACE

// Asks the operator where to save a file. Windows ask through this service so that tests can
// answer without a person.
class SaveFileDialog
{
public:
    virtual ~SaveFileDialog() = default;

    // The chosen path, or empty when the operator cancelled. `suggestedName` is the file name
    // offered first; `filter` is a name filter such as "Text files (*.txt)".
    virtual QString askSaveFileName(QWidget *parent, const QString &caption,
                                    const QString &suggestedName, const QString &filter)
        = 0;
};
