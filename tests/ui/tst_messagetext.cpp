#include "messagetext.h"

#include <QTest>

namespace {

const QString Z = QString(MessageText::kBreak);

} // namespace

// Long runs without a blank get places to break; a run too long to show is shortened in its
// middle.
class tst_MessageText : public QObject
{
    Q_OBJECT

private slots:
    void forBox_data();
    void forBox();
};

void tst_MessageText::forBox_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("shaped");
    QTest::addColumn<bool>("shortened");

    QTest::newRow("words and short paths as they are")
        << "Com1 could not be opened: there is no device /dev/ttyUSB0."
        << "Com1 could not be opened: there is no device /dev/ttyUSB0." << false;
    QTest::newRow("a long path breaks after its slashes")
        << "its link /home/laboratory/.config/Tiltbench/ports/com1 points"
        << "its link /" + Z + "home/" + Z + "laboratory/" + Z + ".config/" + Z + "Tiltbench/" + Z
            + "ports/" + Z + "com1 points"
        << false;
    QTest::newRow("a long name breaks every 40 characters")
        << "id " + QString(100, 'x')
        << "id " + QString(40, 'x') + Z + QString(40, 'x') + Z + QString(20, 'x') << false;
    // 119 characters, an ellipsis, and the last 119: 239 in all, with breaks every 40.
    const QString start = QString(119, 'a');
    const QString end = QString(119, 'b');
    QTest::newRow("a run too long is shortened in the middle")
        << "to " + QString(300, 'a') + QString(300, 'b') + " ok"
        << "to " + QString(40, 'a') + Z + QString(40, 'a') + Z + QString(39, 'a') + QChar(0x2026)
            + Z + QString(40, 'b') + Z + QString(40, 'b') + Z + QString(39, 'b') + " ok"
        << true;
    QTest::newRow("line breaks and tabs kept") << "a\n\nb\tc"
                                               << "a\n\nb\tc" << false;
}

void tst_MessageText::forBox()
{
    QFETCH(QString, text);
    QFETCH(QString, shaped);
    QFETCH(bool, shortened);
    const MessageText::Shaped result = MessageText::forBox(text);
    QCOMPARE(result.text, shaped);
    QCOMPARE(result.shortened, shortened);
}

QTEST_APPLESS_MAIN(tst_MessageText)
#include "tst_messagetext.moc"
