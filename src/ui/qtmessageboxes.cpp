#include "qtmessageboxes.h"

#include <QMessageBox>

MessageBoxes::Answer QtMessageBoxes::show(QWidget *parent, Icon icon, Buttons buttons,
                                          const QString &title, const QString &text)
{
    const QMessageBox::Icon qtIcon = icon == Icon::Question ? QMessageBox::Question
        : icon == Icon::Warning                             ? QMessageBox::Warning
                                                            : QMessageBox::Information;
    QMessageBox box(qtIcon, title, text, QMessageBox::Ok, parent);
    if (buttons == Buttons::OkCancel) {
        box.addButton(QMessageBox::Cancel);
        box.setEscapeButton(QMessageBox::Cancel);
    } else {
        box.setEscapeButton(QMessageBox::Ok);
    }
    box.setDefaultButton(QMessageBox::Ok);
    return box.exec() == QMessageBox::Ok ? Answer::Ok : Answer::Cancel;
}
