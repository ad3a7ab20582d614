#include "qtmessageboxes.h"

#include <QMessageBox>
#include <QPushButton>

namespace {

QMessageBox::Icon qtIconOf(MessageBoxes::Icon icon)
{
    return icon == MessageBoxes::Icon::Question ? QMessageBox::Question
        : icon == MessageBoxes::Icon::Warning   ? QMessageBox::Warning
                                                : QMessageBox::Information;
}

} // namespace

int QtMessageBoxes::choose(QWidget *parent, Icon icon, const QString &title, const QString &text,
                           const QStringList &buttons)
{
    QMessageBox box(qtIconOf(icon), title, text, QMessageBox::NoButton, parent);
    QList<QAbstractButton *> added;
    for (int i = 0; i < buttons.size(); ++i) {
        const bool last = i == buttons.size() - 1;
        added << box.addButton(buttons.at(i),
                               last ? QMessageBox::RejectRole : QMessageBox::AcceptRole);
    }
    if (added.isEmpty())
        return -1;
    box.setDefaultButton(qobject_cast<QPushButton *>(added.constFirst()));
    box.setEscapeButton(added.constLast());
    box.exec();
    const int index = int(added.indexOf(box.clickedButton()));
    return index < 0 ? int(added.size()) - 1 : index;
}

MessageBoxes::Answer QtMessageBoxes::show(QWidget *parent, Icon icon, Buttons buttons,
                                          const QString &title, const QString &text)
{
    QMessageBox box(qtIconOf(icon), title, text, QMessageBox::Ok, parent);
    if (buttons == Buttons::OkCancel) {
        box.addButton(QMessageBox::Cancel);
        box.setEscapeButton(QMessageBox::Cancel);
    } else {
        box.setEscapeButton(QMessageBox::Ok);
    }
    box.setDefaultButton(QMessageBox::Ok);
    return box.exec() == QMessageBox::Ok ? Answer::Ok : Answer::Cancel;
}
