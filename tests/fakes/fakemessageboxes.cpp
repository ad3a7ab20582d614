#include "fakemessageboxes.h"

MessageBoxes::Answer FakeMessageBoxes::show(QWidget *, Icon icon, Buttons buttons,
                                            const QString &title, const QString &text)
{
    boxes.append({ icon, buttons, title, text, {} });
    if (onShow)
        onShow(boxes.last());
    return answers.isEmpty() ? Answer::Ok : answers.takeFirst();
}

int FakeMessageBoxes::choose(QWidget *, Icon icon, const QString &title, const QString &text,
                             const QStringList &buttons)
{
    boxes.append({ icon, Buttons::OkCancel, title, text, buttons });
    if (onShow)
        onShow(boxes.last());
    const int last = int(buttons.size()) - 1;
    if (chosen.isEmpty())
        return last;
    const int index = int(buttons.indexOf(chosen.takeFirst()));
    return index < 0 ? last : index;
}
