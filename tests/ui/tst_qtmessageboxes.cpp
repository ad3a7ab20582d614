#include "qtmessageboxes.h"

#include <QApplication>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QTest>
#include <QTimer>

// The real message box, with the text a port-map link to a 3,900-character path gives.
class tst_QtMessageBoxes : public QObject
{
    Q_OBJECT

private slots:
    void longPathStaysOnScreen();
};

void tst_QtMessageBoxes::longPathStaysOnScreen()
{
    QString path;
    while (path.size() < 3900)
        path += QStringLiteral("/deeper-and-deeper-folder");
    const QString text = QStringLiteral("Com1 was left as it is: %1 could not be written (File "
                                        "name too long).")
                             .arg(path);

    QRect seen, okSeen;
    QString shown, details;
    QTimer::singleShot(0, this, [&] {
        auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
        QVERIFY(box);
        QVERIFY(QTest::qWaitForWindowExposed(box));
        seen = box->frameGeometry();
        QAbstractButton *ok = box->button(QMessageBox::Ok);
        okSeen = QRect(ok->mapToGlobal(QPoint(0, 0)), ok->size());
        shown = box->text();
        details = box->detailedText();
        QTest::keyClick(ok, Qt::Key_Space);
    });
    QtMessageBoxes boxes;
    QCOMPARE(boxes.show(nullptr, MessageBoxes::Icon::Warning, MessageBoxes::Buttons::Ok,
                        QStringLiteral("Tiltbench"), text),
             MessageBoxes::Answer::Ok);

    const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
    QVERIFY2(screen.contains(seen),
             qPrintable(QStringLiteral("%1,%2 %3x%4")
                            .arg(seen.x())
                            .arg(seen.y())
                            .arg(seen.width())
                            .arg(seen.height())));
    QVERIFY(screen.contains(okSeen));
    // The start and the end of the path are shown, the whole of it behind Show Details....
    QVERIFY(shown.startsWith(QStringLiteral("Com1 was left as it is: /")));
    QVERIFY(shown.endsWith(QStringLiteral("folder could not be written (File name too long).")));
    QCOMPARE(details, text);
}

QTEST_MAIN(tst_QtMessageBoxes)
#include "tst_qtmessageboxes.moc"
