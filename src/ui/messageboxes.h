#pragma once

// The ui room: services every window shares (message boxes, file dialogs, the twips layout of the
// design tables). The only room of the outside world that links Qt Widgets. It holds no window of
// its own and no operator's sentence: the windows pass their texts in.

#include <QString>
#include <QStringList>

QT_BEGIN_NAMESPACE
class QWidget;
QT_END_NAMESPACE

// The program's modal message boxes. Windows show every box through this service so that tests
// can answer the boxes without a person.
class MessageBoxes
{
public:
    enum class Icon { Question, Warning, Information };
    enum class Buttons { Ok, OkCancel };
    enum class Answer { Ok, Cancel };

    virtual ~MessageBoxes() = default;

    // Shows the box modally and returns the button pressed; closing the box counts as Cancel where
    // there is one and as OK otherwise.
    virtual Answer show(QWidget *parent, Icon icon, Buttons buttons, const QString &title,
                        const QString &text)
        = 0;

    // Shows a box with the given buttons, the first the default, and returns the index of the one
    // pressed; Esc and closing the box press the last. Where a box of the system cannot name its
    // buttons, the first and the last are OK and Cancel.
    virtual int choose(QWidget *parent, Icon icon, const QString &title, const QString &text,
                       const QStringList &buttons)
    {
        const int last = int(buttons.size()) - 1;
        return show(parent, icon, Buttons::OkCancel, title, text) == Answer::Ok ? 0 : last;
    }

    void warning(QWidget *parent, const QString &title, const QString &text)
    {
        show(parent, Icon::Warning, Buttons::Ok, title, text);
    }
};
