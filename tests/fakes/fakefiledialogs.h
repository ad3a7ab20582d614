#pragma once

#include "filedialogs.h"

#include <QStringList>

// File dialogs for tests: each answers with the next name of its script (empty, as a cancel,
// when the script is used up) and records its caption.
class FakeFileDialogs : public FileDialogs
{
public:
    QString openFileName(QWidget *, const QString &caption, const QString &) override
    {
        captions << caption;
        return openNames.isEmpty() ? QString() : openNames.takeFirst();
    }

    QString saveFileName(QWidget *, const QString &caption, const QString &, const QString &,
                         QString *) override
    {
        captions << caption;
        return saveNames.isEmpty() ? QString() : saveNames.takeFirst();
    }

    QStringList openNames;
    QStringList saveNames;
    QStringList captions;
};
