#include "fakemessageboxes.h"

MessageBoxes::Answer FakeMessageBoxes::show(QWidget *, Icon icon, Buttons buttons,
                                            const QString &title, const QString &text)
{
    boxes.append({ icon, buttons, title, text });
    if (onShow)
        onShow(boxes.last());
    return answers.isEmpty() ? Answer::Ok : answers.takeFirst();
}
