#include "numbertext.h"

#include <QTest>

#include <cmath>

class tst_NumberText : public QObject
{
    Q_OBJECT

private slots:
    void readsNumbers_data();
    void readsNumbers();
    void refusesOtherTexts_data();
    void refusesOtherTexts();
    void numbersBeyondDoubleRange_data();
    void numbersBeyondDoubleRange();
};

void tst_NumberText::readsNumbers_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<double>("value");

    QTest::newRow("integer") << "30" << 30.0;
    QTest::newRow("decimal") << "89.9" << 89.9;
    QTest::newRow("leading plus") << "+7" << 7.0;
    QTest::newRow("leading minus") << "-10" << -10.0;
    QTest::newRow("point first with sign") << "+.5" << 0.5;
    QTest::newRow("point last") << "5." << 5.0;
    QTest::newRow("point first") << ".25" << 0.25;
    QTest::newRow("exponent lower case") << "1e1" << 10.0;
    QTest::newRow("exponent upper case") << "2.5E2" << 250.0;
    QTest::newRow("exponent with plus") << "1e+2" << 100.0;
    QTest::newRow("exponent with minus") << "5e-1" << 0.5;
    QTest::newRow("point then exponent") << "3.e1" << 30.0;
    QTest::newRow("leading zeros") << "0030" << 30.0;
    QTest::newRow("zero") << "0" << 0.0;
    QTest::newRow("blanks around") << "  30  " << 30.0;
    QTest::newRow("tabs around") << "\t30\t" << 30.0;
    QTest::newRow("blank then sign") << " -2" << -2.0;
    QTest::newRow("many digits") << "9.80665000000000000000000001" << 9.80665;
    QTest::newRow("smallest subnormal") << "4.9e-324" << 4.9406564584124654e-324;
    QTest::newRow("largest double") << "1.7976931348623157e308" << 1.7976931348623157e308;
    QTest::newRow("too small for a double reads 0") << "1e-400" << 0.0;
}

void tst_NumberText::readsNumbers()
{
    QFETCH(QString, text);
    QFETCH(double, value);
    QVERIFY(NumberText::isNumeric(text));
    QCOMPARE(NumberText::value(text), value);
}

void tst_NumberText::refusesOtherTexts_data()
{
    // Each text fails the numeric test; its value is the number at its start, or 0.
    QTest::addColumn<QString>("text");
    QTest::addColumn<double>("value");

    QTest::newRow("empty") << "" << 0.0;
    QTest::newRow("blanks only") << "   " << 0.0;
    QTest::newRow("letters") << "abc" << 0.0;
    QTest::newRow("trailing letters") << "30abc" << 30.0;
    QTest::newRow("unit after blank") << "30 deg" << 30.0;
    QTest::newRow("blank between digits") << "3 0" << 3.0;
    QTest::newRow("decimal comma") << "1,5" << 1.0;
    QTest::newRow("digit grouping") << "1,000" << 1.0;
    QTest::newRow("hexadecimal") << "0x10" << 0.0;
    QTest::newRow("currency") << "$5" << 0.0;
    QTest::newRow("point alone") << "." << 0.0;
    QTest::newRow("sign alone") << "-" << 0.0;
    QTest::newRow("sign and point") << "+." << 0.0;
    QTest::newRow("two points") << "1.2.3" << 1.2;
    QTest::newRow("two signs") << "+-1" << 0.0;
    QTest::newRow("blank after sign") << "- 1" << 0.0;
    QTest::newRow("exponent without digits") << "1e" << 1.0;
    QTest::newRow("exponent sign without digits") << "1e+" << 1.0;
    QTest::newRow("exponent alone") << "e5" << 0.0;
    QTest::newRow("fractional exponent") << "1e2.5" << 100.0;
    QTest::newRow("infinity word") << "inf" << 0.0;
    QTest::newRow("nan word") << "nan" << 0.0;
    QTest::newRow("Fortran exponent") << "1d2" << 1.0;
    QTest::newRow("non-breaking space") << QStringLiteral("30\u00a0") << 30.0;
    QTest::newRow("full-width digit") << QStringLiteral("\uff13") << 0.0;
    QTest::newRow("line feed after") << "30\n" << 30.0;
}

void tst_NumberText::refusesOtherTexts()
{
    QFETCH(QString, text);
    QFETCH(double, value);
    QVERIFY(!NumberText::isNumeric(text));
    QCOMPARE(NumberText::value(text), value);
}

void tst_NumberText::numbersBeyondDoubleRange_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<double>("value");

    const double inf = std::numeric_limits<double>::infinity();
    QTest::newRow("1e400") << "1e400" << inf;
    QTest::newRow("-1e400") << "-1e400" << -inf;
    QTest::newRow("just above the largest double") << "1.8e308" << inf;
    QTest::newRow("huge exponent") << "1e99999999999999999999" << inf;
    QTest::newRow("400 digits") << QString(400, u'9') << inf;
    QTest::newRow("tiny with huge negative exponent") << "5e-99999999999999999999" << 0.0;
    QTest::newRow("long fraction below the subnormals")
        << QStringLiteral("0.") + QString(400, u'0') + QStringLiteral("1") << 0.0;
}

void tst_NumberText::numbersBeyondDoubleRange()
{
    QFETCH(QString, text);
    QFETCH(double, value);
    QVERIFY(NumberText::isNumeric(text));
    QCOMPARE(NumberText::value(text), value);
}

QTEST_APPLESS_MAIN(tst_NumberText)
#include "tst_numbertext.moc"
