#include "qtmessageboxes.h"

#include "messagetext.h"

#include <QMessageBox>
#include <QScreen>
#include <QShowEvent>

namespace {

// A message box that, once laid out, fits inside the free part of its screen.
class OnScreenMessageBox : public QMessageBox
{
public:
    using QMessageBox::QMessageBox;

protected:
    void showEvent(QShowEvent *event) override
    {
        QMessageBox::showEvent(event);
        const QScreen *screen = this->screen();
        if (!screen)
            return;
        const QRect free = screen->availableGeometry();
        // The frame the window manager adds, as far as it is known by now.
        const QSize frame = frameGeometry().size() - size();
        const QSize most(free.width() - frame.width(), free.height() - frame.height());
        if (width() > most.width() || height() > most.height())
            resize(qMin(width(), most.width()), qMin(height(), most.height()));
        QRect placed = frameGeometry();
        placed.moveLeft(qBound(free.left(), placed.left(), free.right() - placed.width() + 1));
        placed.moveTop(qBound(free.top(), placed.top(), free.bottom() - placed.height() + 1));
        move(placed.topLeft());
    }
};

} // namespace

MessageBoxes::Answer QtMessageBoxes::show(QWidget *parent, Icon icon, Buttons buttons,
                                          const QString &title, const QString &text)
{
    const QMessageBox::Icon qtIcon = icon == Icon::Question ? QMessageBox::Question
        : icon == Icon::Warning                             ? QMessageBox::Warning
                                                            : QMessageBox::Information;
    const MessageText::Shaped shaped = MessageText::forBox(text);
    OnScreenMessageBox box(qtIcon, title, shaped.text, QMessageBox::Ok, parent);
    box.setTextFormat(Qt::PlainText);
    // What had to be shortened is there whole, behind Show Details....
    if (shaped.shortened)
        box.setDetailedText(text);
    if (buttons == Buttons::OkCancel) {
        box.addButton(QMessageBox::Cancel);
        box.setEscapeButton(QMessageBox::Cancel);
    } else {
        box.setEscapeButton(QMessageBox::Ok);
    }
    box.setDefaultButton(QMessageBox::Ok);
    return box.exec() == QMessageBox::Ok ? Answer::Ok : Answer::Cancel;
}
