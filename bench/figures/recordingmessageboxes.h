#pragma once

#include "messageboxes.h"

#include <QStringList>

// Message boxes that nobody needs to answer: each is recorded and answered OK at once, so a box
// (a port that would not open, a refused write) never holds a benchmark up; the benchmark reports
// the text instead.
class RecordingMessageBoxes : public MessageBoxes
{
public:
    Answer show(QWidget *, Icon, Buttons, const QString &, const QString &text) override
    {
        m_texts.append(text);
        return Answer::Ok;
    }

    QStringList texts() const { return m_texts; }

private:
    QStringList m_texts;
};
