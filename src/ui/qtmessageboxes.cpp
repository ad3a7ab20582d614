#include "qtmessageboxes.h"

#include "messagetext.h"

#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QShowEvent>

namespace {

QMessageBox::Icon qtIconOf(MessageBoxes::Icon icon)
{
    return icon == MessageBoxes::Icon::Question ? QMessageBox::Question
        : icon == MessageBoxes::Icon::Warning   ? QMessageBox::Warning
                                                : QMessageBox::Information;
}

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

// Long paths wrapped or elided in the middle; what had to be shortened is there whole, behind
// Show Details....
void setShapedText(QMessageBox &box, const QString &text)
{
    const MessageText::Shaped shaped = MessageText::forBox(text);
    box.setTextFormat(Qt::PlainText);
    box.setText(shaped.text);
    if (shaped.shortened)
        box.setDetailedText(text);
}

} // namespace

int QtMessageBoxes::choose(QWidget *parent, Icon icon, const QString &title, const QString &text,
                           const QStringList &buttons)
{
    OnScreenMessageBox box(qtIconOf(icon), title, QString(), QMessageBox::NoButton, parent);
    setShapedText(box, text);
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
    OnScreenMessageBox box(qtIconOf(icon), title, QString(), QMessageBox::Ok, parent);
    setShapedText(box, text);
    if (buttons == Buttons::OkCancel) {
        box.addButton(QMessageBox::Cancel);
        box.setEscapeButton(QMessageBox::Cancel);
    } else {
        box.setEscapeButton(QMessageBox::Ok);
    }
    box.setDefaultButton(QMessageBox::Ok);
    return box.exec() == QMessageBox::Ok ? Answer::Ok : Answer::Cancel;
}
