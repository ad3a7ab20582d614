#include "linesettings.h"

#include <QTest>

class tst_LineSettings : public QObject
{
    Q_OBJECT

private slots:
    void readsBack_data();
    void readsBack();
    void refuses_data();
    void refuses();
};

void tst_LineSettings::readsBack_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("readBack");

    QTest::newRow("start-up text, upper-case parity") << "9600,N,8,1"
                                                      << "9600,n,8,1";
    QTest::newRow("lower-case parity kept") << "9600,n,8,1"
                                            << "9600,n,8,1";
    QTest::newRow("six-digit speed, 1.5 stop bits") << "115200,M,7,1.5"
                                                    << "115200,m,7,1.5";
    QTest::newRow("three-digit speed, two stop bits") << "110,E,5,2"
                                                      << "110,e,5,2";
    QTest::newRow("space parity, 4 data bits") << "256000,s,4,1"
                                               << "256000,s,4,1";
    QTest::newRow("odd parity") << "19200,O,8,1"
                                << "19200,o,8,1";
}

void tst_LineSettings::readsBack()
{
    QFETCH(QString, text);
    QFETCH(QString, readBack);
    const auto parsed = LineSettings::parse(text);
    QVERIFY(parsed);
    QCOMPARE(parsed->toText(), readBack);
}

void tst_LineSettings::refuses_data()
{
    QTest::addColumn<QString>("text");

    QTest::newRow("empty") << "";
    QTest::newRow("three fields") << "9600,N,8";
    QTest::newRow("five fields") << "9600,N,8,1,1";
    QTest::newRow("blank in speed") << " 9600,N,8,1";
    QTest::newRow("blank after comma") << "9600, N,8,1";
    QTest::newRow("signed speed") << "+9600,N,8,1";
    QTest::newRow("zero speed") << "0,N,8,1";
    QTest::newRow("speed not a number") << "fast,N,8,1";
    QTest::newRow("unknown parity") << "9600,X,8,1";
    QTest::newRow("parity word") << "9600,None,8,1";
    QTest::newRow("three data bits") << "9600,N,3,1";
    QTest::newRow("nine data bits") << "9600,N,9,1";
    QTest::newRow("two-digit data bits") << "9600,N,08,1";
    QTest::newRow("stop bits 3") << "9600,N,8,3";
    QTest::newRow("stop bits 1.0") << "9600,N,8,1.0";
    QTest::newRow("empty stop bits") << "9600,N,8,";
}

void tst_LineSettings::refuses()
{
    QFETCH(QString, text);
    QVERIFY(!LineSettings::parse(text));
}

QTEST_APPLESS_MAIN(tst_LineSettings)
#include "tst_linesettings.moc"
