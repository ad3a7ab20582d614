#pragma once

#include "messageboxes.h"

// Message boxes shown with QMessageBox.
class QtMessageBoxes : public MessageBoxes
{
public:
    Answer show(QWidget *parent, Icon icon, Buttons buttons, const QString &title,
                const QString &text) override;
    int choose(QWidget *parent, Icon icon, const QString &title, const QString &text,
               const QStringList &buttons) override;
};
