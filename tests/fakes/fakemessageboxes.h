#pragma once

#include "messageboxes.h"

#include <QList>

#include <functional>

// Message boxes for tests: records every box and answers from a script (OK when the script is
// empty).
class FakeMessageBoxes : public MessageBoxes
{
public:
    struct Box
    {
        Icon icon;
        Buttons buttons;
        QString title;
        QString text;
    };

    Answer show(QWidget *parent, Icon icon, Buttons buttons, const QString &title,
                const QString &text) override;

    QList<Box> boxes;
    QList<Answer> answers;
    // Runs while a box is "open", before it is answered: tests use it to look at the state of the
    // windows at that moment (for example where the focus is).
    std::function<void(const Box &)> onShow;
};
