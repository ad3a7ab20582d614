#pragma once

#include "messageboxes.h"

#include <QList>
#include <QStringList>

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
        // The buttons of a choice; empty for a box of the fixed sets.
        QStringList choices;
    };

    Answer show(QWidget *parent, Icon icon, Buttons buttons, const QString &title,
                const QString &text) override;
    int choose(QWidget *parent, Icon icon, const QString &title, const QString &text,
               const QStringList &buttons) override;

    QList<Box> boxes;
    QList<Answer> answers;
    // The buttons to press in choices, by caption; the last button (Cancel) when none is left.
    QStringList chosen;
    // Runs while a box is "open", before it is answered: tests use it to look at the state of the
    // windows at that moment (for example where the focus is).
    std::function<void(const Box &)> onShow;
};
