#pragma once

#include <QString>

QT_BEGIN_NAMESPACE
class QWidget;
QT_END_NAMESPACE

// The system's dialogs for choosing a file to open or a name to save under. Tests answer them
// without a person.
class FileDialogs
{
public:
    virtual ~FileDialogs() = default;

    // The chosen file, or empty when the user cancelled. `filter` is in QFileDialog's form
    // ("CSV files (*.csv);;All files (*)").
    virtual QString openFileName(QWidget *parent, const QString &caption, const QString &filter)
        = 0;
    // The chosen name; `selectedFilter`, when given, comes back with the filter the user chose.
    virtual QString saveFileName(QWidget *parent, const QString &caption,
                                 const QString &suggestedName, const QString &filter,
                                 QString *selectedFilter = nullptr)
        = 0;
};
