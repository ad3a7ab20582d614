#include "linesettingstext.h"

#include <QTest>

class tst_LineSettingsText : public QObject
{
    Q_OBJECT

private slots:
    void split_data();
    void split();
    void parityName_data();
    void parityName();
    void build_data();
    void build();
    void listEntries();
};

void tst_LineSettingsText::split_data()
{
    QTest::addColumn<QString>("reported");
    QTest::addColumn<QString>("speed");
    QTest::addColumn<QString>("parity");
    QTest::addColumn<QString>("dataBits");
    QTest::addColumn<QString>("stopBits");

    QTest::newRow("start-up text as read back") << "9600,n,8,1"
                                                << "9600"
                                                << "n"
                                                << "8"
                                                << "1";
    QTest::newRow("six-digit speed, 1.5 stop bits") << "115200,m,7,1.5"
                                                    << "115200"
                                                    << "m"
                                                    << "7"
                                                    << "1.5";
    QTest::newRow("three-digit speed, 2 stop bits") << "110,e,5,2"
                                                    << "110"
                                                    << "e"
                                                    << "5"
                                                    << "2";
    QTest::newRow("odd parity") << "19200,o,8,1"
                                << "19200"
                                << "o"
                                << "8"
                                << "1";
    QTest::newRow("space parity, 1.5 stop bits") << "300,s,4,1.5"
                                                 << "300"
                                                 << "s"
                                                 << "4"
                                                 << "1.5";
    QTest::newRow("upper-case letter passed through") << "9600,N,8,1"
                                                      << "9600"
                                                      << "N"
                                                      << "8"
                                                      << "1";
    // Positions count from the end whatever the text holds.
    QTest::newRow("no commas at all") << "abcdefghij"
                                      << "abcd"
                                      << "f"
                                      << "h"
                                      << "j";
    QTest::newRow("empty") << ""
                           << ""
                           << ""
                           << ""
                           << "";
    QTest::newRow("one character") << "x"
                                   << ""
                                   << ""
                                   << ""
                                   << "x";
    QTest::newRow("speed alone") << "9600"
                                 << ""
                                 << ""
                                 << "6"
                                 << "0";
    QTest::newRow("speed missing") << "n,8,1"
                                   << ""
                                   << "n"
                                   << "8"
                                   << "1";
    QTest::newRow("a dot alone") << "."
                                 << ""
                                 << ""
                                 << ""
                                 << ".";
    QTest::newRow("stop bits alone") << "1.5"
                                     << ""
                                     << ""
                                     << ""
                                     << "1.5";
    QTest::newRow("short text with a dot") << "n,8,1.5"
                                           << ""
                                           << "n"
                                           << "8"
                                           << "1.5";
}

void tst_LineSettingsText::split()
{
    QFETCH(QString, reported);
    QFETCH(QString, speed);
    QFETCH(QString, parity);
    QFETCH(QString, dataBits);
    QFETCH(QString, stopBits);

    const LineSettingsText::Fields fields = LineSettingsText::split(reported);
    QCOMPARE(fields.speed, speed);
    QCOMPARE(fields.parity, parity);
    QCOMPARE(fields.dataBits, dataBits);
    QCOMPARE(fields.stopBits, stopBits);
}

void tst_LineSettingsText::parityName_data()
{
    QTest::addColumn<QString>("letter");
    QTest::addColumn<QString>("name");

    QTest::newRow("e") << "e"
                       << "Even";
    QTest::newRow("m") << "m"
                       << "Mark";
    QTest::newRow("n") << "n"
                       << "None";
    QTest::newRow("o") << "o"
                       << "Odd";
    QTest::newRow("s") << "s"
                       << "Space";
    QTest::newRow("upper-case N selects nothing") << "N"
                                                  << "";
    QTest::newRow("upper-case E selects nothing") << "E"
                                                  << "";
    QTest::newRow("unknown letter") << "x"
                                    << "";
    QTest::newRow("empty") << ""
                           << "";
    QTest::newRow("a whole name") << "none"
                                  << "";
}

void tst_LineSettingsText::parityName()
{
    QFETCH(QString, letter);
    QFETCH(QString, name);
    QCOMPARE(LineSettingsText::parityName(letter), name);
}

void tst_LineSettingsText::build_data()
{
    QTest::addColumn<QString>("speed");
    QTest::addColumn<QString>("parity");
    QTest::addColumn<QString>("dataBits");
    QTest::addColumn<QString>("stopBits");
    QTest::addColumn<QString>("text");

    QTest::newRow("start-up entries") << "9600"
                                      << "None"
                                      << "8"
                                      << "1"
                                      << "9600,N,8,1";
    QTest::newRow("six-digit speed, mark, 1.5") << "115200"
                                                << "Mark"
                                                << "7"
                                                << "1.5"
                                                << "115200,M,7,1.5";
    QTest::newRow("space parity keeps its S") << "110"
                                              << "Space"
                                              << "4"
                                              << "2"
                                              << "110,S,4,2";
    QTest::newRow("blanks around entries dropped") << " 300 "
                                                   << "Even"
                                                   << " 5"
                                                   << "2 "
                                                   << "300,E,5,2";
    QTest::newRow("a bare letter is its own first character") << "9600"
                                                              << "n"
                                                              << "8"
                                                              << "1"
                                                              << "9600,n,8,1";
    QTest::newRow("no parity entry") << "9600"
                                     << ""
                                     << "8"
                                     << "1"
                                     << "9600,,8,1";
}

void tst_LineSettingsText::build()
{
    QFETCH(QString, speed);
    QFETCH(QString, parity);
    QFETCH(QString, dataBits);
    QFETCH(QString, stopBits);
    QFETCH(QString, text);
    QCOMPARE(LineSettingsText::build(speed, parity, dataBits, stopBits), text);
}

void tst_LineSettingsText::listEntries()
{
    QCOMPARE(LineSettingsText::ports(), QStringList({ "Com1", "Com2", "Com3", "Com4" }));
    QCOMPARE(LineSettingsText::speeds(),
             QStringList({ "110", "300", "600", "1200", "2400", "4800", "9600", "14400", "19200",
                           "28800", "38400", "56000", "57600", "115200", "128000", "256000" }));
    QCOMPARE(LineSettingsText::dataBits(), QStringList({ "4", "5", "6", "7", "8" }));
    QCOMPARE(LineSettingsText::parities(), QStringList({ "Even", "Odd", "None", "Mark", "Space" }));
    QCOMPARE(LineSettingsText::stopBits(), QStringList({ "1", "1.5", "2" }));
}

QTEST_APPLESS_MAIN(tst_LineSettingsText)
#include "tst_linesettingstext.moc"
