#pragma once

#include "savefiledialog.h"

#include <QStringList>

// A save dialog for tests: answers with `answer` (empty: cancelled) and records what was offered.
class FakeSaveFileDialog : public SaveFileDialog
{
public:
    QString askSaveFileName(QWidget *, const QString &caption, const QString &suggestedName,
                            const QString &) override
    {
        captions << caption;
        suggestedNames << suggestedName;
        return answer;
    }

    QString answer;
    QStringList captions;
    QStringList suggestedNames;
};
