#include "textfit.h"

#include "testlanguage.h"

#include <QAbstractButton>
#include <QApplication>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QStyleOption>

namespace {

// TILTBENCH_TEST_FONT_POINT_SIZE=14 gives the test's application a 14-point default font, as a
// desktop set to large text does, before any window is made; ctest reruns the caption checks so.
void applyTestFontSize()
{
    bool ok = false;
    const int points = qEnvironmentVariableIntValue("TILTBENCH_TEST_FONT_POINT_SIZE", &ok);
    if (!ok || !qobject_cast<QApplication *>(QCoreApplication::instance()))
        return;
    QFont font = QApplication::font();
    font.setPointSize(points);
    QApplication::setFont(font);
}
Q_COREAPP_STARTUP_FUNCTION(applyTestFontSize)

// TILTBENCH_TEST_LANGUAGE=de makes the whole run German, as a German desktop does; ctest reruns
// the caption checks so. It lasts for the run, past the application's end.
void applyTestLanguage()
{
    const QString language = qEnvironmentVariable("TILTBENCH_TEST_LANGUAGE");
    if (language.isEmpty())
        return;
    static const TestLanguage *const whole = new TestLanguage(QLocale(language));
    // A run meant to be German that quietly showed English would prove nothing.
    if (!whole->isLoaded())
        qFatal("TILTBENCH_TEST_LANGUAGE=%s: the build has no such catalogue", qPrintable(language));
}
Q_COREAPP_STARTUP_FUNCTION(applyTestLanguage)

QString plainCaption(QString text)
{
    // An ampersand marks the access key and takes no room; "&&" shows one ampersand.
    return text.replace(QStringLiteral("&&"), QStringLiteral("\x01"))
        .remove(u'&')
        .replace(u'\x01', u'&');
}

QString report(const QWidget *w, const QString &text, QSize need, QSize have)
{
    return QStringLiteral("%1: \"%2\" (needs %3x%4, has %5x%6)")
        .arg(w->objectName(), text)
        .arg(need.width())
        .arg(need.height())
        .arg(have.width())
        .arg(have.height());
}

} // namespace

QStringList clippedTexts(QWidget *root)
{
    QStringList clipped;
    const auto check = [&](const QWidget *w, const QString &text, QSize need, QSize have) {
        if (need.width() > have.width() || need.height() > have.height())
            clipped << report(w, text, need, have);
    };

    for (const QLabel *label : root->findChildren<QLabel *>()) {
        if (label->text().isEmpty() || !label->pixmap().isNull())
            continue;
        const QRect room = label->contentsRect();
        const QFontMetrics fm = label->fontMetrics();
        // Only the horizontal alignment bears on the size: centred vertically in the tall
        // measuring box, the text could round to a pixel more than it takes.
        // A label with a buddy shows its '&' as the access key's underline, taking no room.
        const int flags = int(label->alignment() & Qt::AlignHorizontal_Mask)
            | (label->wordWrap() ? Qt::TextWordWrap : 0)
            | (label->buddy() ? Qt::TextShowMnemonic : 0);
        const QRect used = fm.boundingRect(QRect(0, 0, room.width(), 10000), flags, label->text());
        check(label, label->text(), used.size(), room.size());
    }

    for (const QAbstractButton *button : root->findChildren<QAbstractButton *>()) {
        if (button->text().isEmpty() || !button->isVisibleTo(root))
            continue;
        const QString text = plainCaption(button->text());
        const QFontMetrics fm = button->fontMetrics();
        if (qobject_cast<const QRadioButton *>(button)) {
            QStyleOptionButton opt;
            opt.initFrom(button);
            const int indicator
                = button->style()->pixelMetric(QStyle::PM_ExclusiveIndicatorWidth, &opt, button)
                + button->style()->pixelMetric(QStyle::PM_RadioButtonLabelSpacing, &opt, button);
            check(button, text, QSize(indicator + fm.horizontalAdvance(text), fm.height()),
                  button->size());
        } else if (qobject_cast<const QPushButton *>(button)) {
            // The style draws a frame and a small margin around the caption.
            QStyleOptionButton opt;
            opt.initFrom(button);
            const int margin = 2
                * (button->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &opt, button) + 2);
            check(button, text,
                  QSize(fm.horizontalAdvance(text) + margin, fm.height() + margin / 2),
                  button->size());
        }
    }

    for (const QGroupBox *box : root->findChildren<QGroupBox *>()) {
        if (box->title().isEmpty())
            continue;
        const QString text = plainCaption(box->title());
        const QFontMetrics fm = box->fontMetrics();
        check(box, text, QSize(fm.horizontalAdvance(text) + 16, fm.height()), box->size());
    }
    return clipped;
}
