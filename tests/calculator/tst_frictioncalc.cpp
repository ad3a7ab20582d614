#include "frictioncalc.h"

#include <QTest>

#include <cmath>
#include <limits>

namespace {

const QString kAngleTitle = QStringLiteral("Error in Angle");
const QString kAngleText
    = QStringLiteral("Please enter a numeric angle less than 90 and greater than 0 degrees.");
const QString kLengthTitle = QStringLiteral("Error in Length of Block");
const QString kLengthText = QStringLiteral("Please enter a numeric length greater than 0 cm.");
const QString kTimeTitle = QStringLiteral("Error in delta T");
const QString kTimeText = QStringLiteral("Please enter a numeric time greater than 0 sec.");
const QString kGravityTitle = QStringLiteral("Error in Acceleration Due to Gravity");
const QString kGravityText
    = QStringLiteral("Please enter a numeric acceleration greater than 0 m/s^2.");

} // namespace

class tst_FrictionCalc : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();

    void staticCoefficient_data();
    void staticCoefficient();
    void staticAngleRefused_data();
    void staticAngleRefused();

    void kineticCoefficient_data();
    void kineticCoefficient();
    void kineticChecksInOrder_data();
    void kineticChecksInOrder();

    void format_data();
    void format();
    void formatTakesTheLocalesDecimalSeparator();
    void readsTheLocalesDecimalMark_data();
    void readsTheLocalesDecimalMark();
    void formatRefusesNonFiniteValues();

    void extremeInputs_data();
    void extremeInputs();
    void staticAngleOutOfRange_data();
    void staticAngleOutOfRange();
};

void tst_FrictionCalc::initTestCase()
{
    QLocale::setDefault(QLocale::c());
}

void tst_FrictionCalc::staticCoefficient_data()
{
    QTest::addColumn<QString>("angle");
    QTest::addColumn<QString>("caption");

    QTest::newRow("30 degrees") << "30" << QStringLiteral("\u00b5_static = 0.577");
    // tan of 45 degrees comes out just below 1 with this pi and still rounds to 1.000.
    QTest::newRow("45 degrees") << "45" << QStringLiteral("\u00b5_static = 1.000");
    QTest::newRow("10 degrees") << "10" << QStringLiteral("\u00b5_static = 0.176");
    QTest::newRow("89.9 degrees") << "89.9" << QStringLiteral("\u00b5_static = 572.957");
    QTest::newRow("1e1 is 10") << "1e1" << QStringLiteral("\u00b5_static = 0.176");
    QTest::newRow("blanks around 30") << "  30 " << QStringLiteral("\u00b5_static = 0.577");
    QTest::newRow("60 degrees") << "60" << QStringLiteral("\u00b5_static = 1.732");
    QTest::newRow("lower bound exclusive") << "0.0001" << QStringLiteral("\u00b5_static = 0.000");
    QTest::newRow("upper bound exclusive")
        << "89.9999" << QStringLiteral("\u00b5_static = 572957.795");
    QTest::newRow("closest double below 90")
        << "89.99999999999999" << QStringLiteral("\u00b5_static = 544191275848488.938");
    QTest::newRow("subnormal angle") << "1e-320" << QStringLiteral("\u00b5_static = 0.000");
}

void tst_FrictionCalc::staticCoefficient()
{
    QFETCH(QString, angle);
    QFETCH(QString, caption);
    const FrictionOutcome outcome = FrictionCalc::staticCoefficient(angle);
    QVERIFY(std::holds_alternative<FrictionResult>(outcome));
    QCOMPARE(std::get<FrictionResult>(outcome).caption, caption);
}

void tst_FrictionCalc::staticAngleRefused_data()
{
    QTest::addColumn<QString>("angle");

    QTest::newRow("0") << "0";
    QTest::newRow("negative zero") << "-0";
    QTest::newRow("90") << "90";
    QTest::newRow("90 written with exponent") << "9e1";
    QTest::newRow("above 90") << "135";
    QTest::newRow("-10") << "-10";
    QTest::newRow("letters") << "abc";
    QTest::newRow("empty") << "";
    QTest::newRow("blanks") << "  ";
    QTest::newRow("30abc, leading number in range") << "30abc";
    QTest::newRow("30 deg") << "30 deg";
    QTest::newRow("3 0") << "3 0";
    QTest::newRow("decimal comma") << "22,5";
    QTest::newRow("underflows to 0") << "1e-400";
}

void tst_FrictionCalc::staticAngleRefused()
{
    QFETCH(QString, angle);
    const FrictionOutcome outcome = FrictionCalc::staticCoefficient(angle);
    QVERIFY(std::holds_alternative<FrictionMessage>(outcome));
    const auto &message = std::get<FrictionMessage>(outcome);
    QCOMPARE(message.title, std::optional(kAngleTitle));
    QCOMPARE(message.text, kAngleText);
    QCOMPARE(message.focus, FrictionInput::StaticAngle);
}

void tst_FrictionCalc::kineticCoefficient_data()
{
    QTest::addColumn<QString>("angle");
    QTest::addColumn<QString>("length");
    QTest::addColumn<QString>("time");
    QTest::addColumn<QString>("gravity");
    QTest::addColumn<QString>("caption");

    const QString g = QStringLiteral("9.80665");
    QTest::newRow("30 deg, 5 cm, 100 ms") << "30"
                                          << "5"
                                          << "100" << g << QStringLiteral("\u00b5_kinetic = 0.283");
    QTest::newRow("25 deg, 10 cm, 200 ms")
        << "25"
        << "10"
        << "200" << g << QStringLiteral("\u00b5_kinetic = 0.326");
    QTest::newRow("40 deg, 10 cm, 100 ms")
        << "40"
        << "10"
        << "100" << g << QStringLiteral("\u00b5_kinetic = 0.174");
    QTest::newRow("30 deg, 10 cm, 100 ms, small negative")
        << "30"
        << "10"
        << "100" << g << QStringLiteral("\u00b5_kinetic = -0.011");
    QTest::newRow("30 deg, 10 cm, 50 ms, negative")
        << "30"
        << "10"
        << "50" << g << QStringLiteral("\u00b5_kinetic = -1.778");
    QTest::newRow("no upper bound on length and time")
        << "30"
        << "1000000"
        << "1000000" << g << QStringLiteral("\u00b5_kinetic = 0.577");
    QTest::newRow("blanks and exponents") << " 3e1 "
                                          << "\t5"
                                          << "1E2 "
                                          << "+9.80665" << QStringLiteral("\u00b5_kinetic = 0.283");
    QTest::newRow("tiny angle") << "0.0001"
                                << "1"
                                << "100" << g << QStringLiteral("\u00b5_kinetic = -0.051");
}

void tst_FrictionCalc::kineticCoefficient()
{
    QFETCH(QString, angle);
    QFETCH(QString, length);
    QFETCH(QString, time);
    QFETCH(QString, gravity);
    QFETCH(QString, caption);
    const FrictionOutcome outcome = FrictionCalc::kineticCoefficient(angle, length, time, gravity);
    QVERIFY(std::holds_alternative<FrictionResult>(outcome));
    QCOMPARE(std::get<FrictionResult>(outcome).caption, caption);
}

void tst_FrictionCalc::kineticChecksInOrder_data()
{
    QTest::addColumn<QString>("angle");
    QTest::addColumn<QString>("length");
    QTest::addColumn<QString>("time");
    QTest::addColumn<QString>("gravity");
    QTest::addColumn<QString>("title");
    QTest::addColumn<QString>("text");
    QTest::addColumn<FrictionInput>("focus");

    const FrictionInput angleBox = FrictionInput::KineticAngle;
    const FrictionInput lengthBox = FrictionInput::Length;
    const FrictionInput timeBox = FrictionInput::Time;
    const FrictionInput gravityBox = FrictionInput::Gravity;

    QTest::newRow("all empty: only the angle") << ""
                                               << ""
                                               << ""
                                               << "" << kAngleTitle << kAngleText << angleBox;
    QTest::newRow("angle and length empty") << ""
                                            << ""
                                            << "100"
                                            << "9.80665" << kAngleTitle << kAngleText << angleBox;
    QTest::newRow("angle 0") << "0"
                             << "5"
                             << "100"
                             << "9.80665" << kAngleTitle << kAngleText << angleBox;
    QTest::newRow("angle 90") << "90"
                              << "5"
                              << "100"
                              << "9.80665" << kAngleTitle << kAngleText << angleBox;
    QTest::newRow("angle 30abc") << "30abc"
                                 << "5"
                                 << "100"
                                 << "9.80665" << kAngleTitle << kAngleText << angleBox;
    QTest::newRow("length empty, time bad too")
        << "30"
        << ""
        << "-5"
        << "9.80665" << kLengthTitle << kLengthText << lengthBox;
    QTest::newRow("length 0") << "30"
                              << "0"
                              << "100"
                              << "9.80665" << kLengthTitle << kLengthText << lengthBox;
    QTest::newRow("length letters") << "30"
                                    << "five"
                                    << "100"
                                    << "9.80665" << kLengthTitle << kLengthText << lengthBox;
    QTest::newRow("time -5") << "30"
                             << "5"
                             << "-5"
                             << "9.80665" << kTimeTitle << kTimeText << timeBox;
    QTest::newRow("time 0, gravity bad too") << "30"
                                             << "5"
                                             << "0"
                                             << "0" << kTimeTitle << kTimeText << timeBox;
    QTest::newRow("time with unit") << "30"
                                    << "5"
                                    << "100 ms"
                                    << "9.80665" << kTimeTitle << kTimeText << timeBox;
    QTest::newRow("gravity 0") << "30"
                               << "5"
                               << "100"
                               << "0" << kGravityTitle << kGravityText << gravityBox;
    QTest::newRow("gravity empty") << "30"
                                   << "5"
                                   << "100"
                                   << "" << kGravityTitle << kGravityText << gravityBox;
    QTest::newRow("gravity negative") << "30"
                                      << "5"
                                      << "100"
                                      << "-9.8" << kGravityTitle << kGravityText << gravityBox;
    QTest::newRow("gravity underflows to 0")
        << "30"
        << "5"
        << "100"
        << "1e-400" << kGravityTitle << kGravityText << gravityBox;
}

void tst_FrictionCalc::kineticChecksInOrder()
{
    QFETCH(QString, angle);
    QFETCH(QString, length);
    QFETCH(QString, time);
    QFETCH(QString, gravity);
    QFETCH(QString, title);
    QFETCH(QString, text);
    QFETCH(FrictionInput, focus);
    const FrictionOutcome outcome = FrictionCalc::kineticCoefficient(angle, length, time, gravity);
    QVERIFY(std::holds_alternative<FrictionMessage>(outcome));
    const auto &message = std::get<FrictionMessage>(outcome);
    QCOMPARE(message.title, std::optional(title));
    QCOMPARE(message.text, text);
    QCOMPARE(message.focus, focus);
}

void tst_FrictionCalc::format_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<QString>("text");

    QTest::newRow("half") << 0.5 << "0.500";
    QTest::newRow("exact half rounds up") << 0.0625 << "0.063";
    QTest::newRow("exact negative half rounds away from zero") << -0.0625 << "-0.063";
    QTest::newRow("1234.5") << 1234.5 << "1234.500";
    QTest::newRow("0.0005 lies just above the half") << 0.0005 << "0.001";
    QTest::newRow("-0.0005 lies just below minus the half") << -0.0005 << "-0.001";
    QTest::newRow("1.0005 lies just below the half") << 1.0005 << "1.000";
    QTest::newRow("-1.0005 lies just above minus the half") << -1.0005 << "-1.000";
    QTest::newRow("2.0005 lies just above the half") << 2.0005 << "2.001";
    QTest::newRow("0.9995 carries into the units") << 0.9995 << "1.000";
    QTest::newRow("999.9996 carries into a new digit") << 999.9996 << "1000.000";
    QTest::newRow("9999.9995 lies just below the half") << 9999.9995 << "9999.999";
    QTest::newRow("zero") << 0.0 << "0.000";
    QTest::newRow("negative zero") << -0.0 << "0.000";
    QTest::newRow("negative rounding to zero") << -0.0004 << "0.000";
    QTest::newRow("negative subnormal") << -1e-320 << "0.000";
    QTest::newRow("five-digit integer part, no grouping") << 12345.6789 << "12345.679";
    QTest::newRow("twenty-digit integer part")
        << 12345678901234567890.0 << "12345678901234567168.000";
    QTest::newRow("largest double")
        << std::numeric_limits<double>::max()
        << "17976931348623157081452742373170435679807056752584499659891747680315726078002853876"
           "05895586327668781715404589535143824642343213268894641827684675467035375169860499"
           "10576551282076245490090389328944075868508455133942304583236903222948165808559332"
           "123348274797826204144723168738177180919299881250404026184124858368.000";
}

void tst_FrictionCalc::format()
{
    QFETCH(double, value);
    QFETCH(QString, text);
    QCOMPARE(FrictionCalc::format(value, QLocale::c()), text);
}

void tst_FrictionCalc::formatTakesTheLocalesDecimalSeparator()
{
    const QLocale german(QLocale::German, QLocale::Germany);
    QCOMPARE(FrictionCalc::format(0.5773502691896, german), QStringLiteral("0,577"));
    // Only the separator follows the locale: no grouping, an ASCII minus.
    QCOMPARE(FrictionCalc::format(-12345.6789, german), QStringLiteral("-12345,679"));
    QCOMPARE(std::get<FrictionResult>(FrictionCalc::staticCoefficient(QStringLiteral("30"), german))
                 .caption,
             QStringLiteral("\u00b5_static = 0,577"));
    // The inputs are read with "." whatever the locale.
    QCOMPARE(std::get<FrictionResult>(FrictionCalc::kineticCoefficient(
                                          QStringLiteral("30"), QStringLiteral("10"),
                                          QStringLiteral("50"), QStringLiteral("9.80665"), german))
                 .caption,
             QStringLiteral("\u00b5_kinetic = -1,778"));

    QLocale::setDefault(german);
    const QString byDefault = FrictionCalc::format(0.0625);
    QLocale::setDefault(QLocale::c());
    QCOMPARE(byDefault, QStringLiteral("0,063"));
}

void tst_FrictionCalc::readsTheLocalesDecimalMark_data()
{
    QTest::addColumn<QLocale>("locale");
    QTest::addColumn<QString>("angle");
    // The caption, or empty when the angle is refused.
    QTest::addColumn<QString>("caption");
    QTest::addColumn<double>("angleRead");

    const QLocale german(QLocale::German, QLocale::Germany);
    const QLocale english(QLocale::English, QLocale::UnitedStates);
    // tan 24.228° = 0.45000...
    QTest::newRow("German comma") << german << "24,228"
                                  << "\u00b5_static = 0,450" << 24.228;
    QTest::newRow("German point") << german << "24.228"
                                  << "\u00b5_static = 0,450" << 24.228;
    QTest::newRow("German comma between blanks") << german << " 24,228\t"
                                                 << "\u00b5_static = 0,450" << 24.228;
    QTest::newRow("German comma before an exponent") << german << "2,4228e1"
                                                     << "\u00b5_static = 0,450" << 24.228;
    QTest::newRow("German, both marks") << german << "1.024,5"
                                        << "" << 0.0;
    QTest::newRow("German, two commas") << german << "2,4,2"
                                        << "" << 0.0;
    QTest::newRow("English comma") << english << "24,228"
                                   << "" << 0.0;
    QTest::newRow("English point") << english << "24.228"
                                   << "\u00b5_static = 0.450" << 24.228;
}

void tst_FrictionCalc::readsTheLocalesDecimalMark()
{
    QFETCH(QLocale, locale);
    QFETCH(QString, angle);
    QFETCH(QString, caption);
    QFETCH(double, angleRead);

    const FrictionOutcome outcome = FrictionCalc::staticCoefficient(angle, locale);
    if (caption.isEmpty()) {
        QVERIFY(std::holds_alternative<FrictionMessage>(outcome));
        return;
    }
    const auto *result = std::get_if<FrictionResult>(&outcome);
    QVERIFY(result);
    QCOMPARE(result->caption, caption);
    // The number kept for Results is the one the caption was computed from.
    QCOMPARE(result->measurement.angleDeg, angleRead);
}

void tst_FrictionCalc::formatRefusesNonFiniteValues()
{
    QVERIFY(FrictionCalc::format(std::numeric_limits<double>::infinity()).isEmpty());
    QVERIFY(FrictionCalc::format(-std::numeric_limits<double>::infinity()).isEmpty());
    QVERIFY(FrictionCalc::format(std::numeric_limits<double>::quiet_NaN()).isEmpty());
}

void tst_FrictionCalc::extremeInputs_data()
{
    // Each row ends in a message without a title of its own (the window gives it the program's)
    // instead of a caption.
    QTest::addColumn<QString>("angle");
    QTest::addColumn<QString>("length");
    QTest::addColumn<QString>("time");
    QTest::addColumn<QString>("gravity");
    QTest::addColumn<QString>("text");
    QTest::addColumn<FrictionInput>("focus");

    const QString outOfRange = QStringLiteral(
        "The %1 entered lies outside the range of numbers the calculator can compute with.");
    const QString tooExtreme = QStringLiteral("The inputs are too extreme to compute: %1.");
    const QString speed = tooExtreme.arg(
        QStringLiteral("the speed of the block (length of block over delta T) is too large"));
    const FrictionInput none = FrictionInput::None;

    QTest::newRow("angle 1e400") << "1e400"
                                 << "5"
                                 << "100"
                                 << "9.80665" << outOfRange.arg("angle")
                                 << FrictionInput::KineticAngle;
    QTest::newRow("angle -1e400") << "-1e400"
                                  << "5"
                                  << "100"
                                  << "9.80665" << outOfRange.arg("angle")
                                  << FrictionInput::KineticAngle;
    QTest::newRow("length 1e400") << "30"
                                  << "1e400"
                                  << "100"
                                  << "9.80665" << outOfRange.arg("length of block")
                                  << FrictionInput::Length;
    QTest::newRow("time 1e400") << "30"
                                << "5"
                                << "1e400"
                                << "9.80665" << outOfRange.arg("delta T") << FrictionInput::Time;
    QTest::newRow("gravity 1e400")
        << "30"
        << "5"
        << "100"
        << "1e400" << outOfRange.arg("acceleration due to gravity") << FrictionInput::Gravity;
    QTest::newRow("speed overflows") << "30"
                                     << "5"
                                     << "1e-310"
                                     << "9.80665" << speed << none;
    QTest::newRow("square of the speed overflows") << "30"
                                                   << "5"
                                                   << "1e-300"
                                                   << "9.80665" << speed << none;
    QTest::newRow("length and time both vanish in metres and seconds")
        << "30"
        << "1e-322"
        << "1e-322"
        << "9.80665" << tooExtreme.arg("the length of block and delta T are too small") << none;
    QTest::newRow("smallest length and time both vanish")
        << "30"
        << "4.9e-324"
        << "4.9e-324"
        << "9.80665" << tooExtreme.arg("the length of block and delta T are too small") << none;
    QTest::newRow("length vanishes in metres")
        << "30"
        << "1e-322"
        << "100"
        << "9.80665" << tooExtreme.arg("the length of block is too small") << none;
    QTest::newRow("time vanishes in seconds")
        << "30"
        << "5"
        << "1e-322"
        << "9.80665" << tooExtreme.arg("delta T is too small") << none;
    QTest::newRow("denominator becomes 0")
        << "30"
        << "1e-320"
        << "100"
        << "1e-10"
        << tooExtreme.arg("the length of block and the acceleration due to gravity are too "
                          "small")
        << none;
    QTest::newRow("denominator overflows")
        << "30"
        << "1000"
        << "100"
        << "1e308"
        << tooExtreme.arg("the length of block and the acceleration due to gravity are too "
                          "large")
        << none;
    QTest::newRow("quotient overflows")
        << "30"
        << "1e-8"
        << "1e-157"
        << "9.80665" << tooExtreme.arg("the coefficient is too large") << none;
}

void tst_FrictionCalc::extremeInputs()
{
    QFETCH(QString, angle);
    QFETCH(QString, length);
    QFETCH(QString, time);
    QFETCH(QString, gravity);
    QFETCH(QString, text);
    QFETCH(FrictionInput, focus);
    const FrictionOutcome outcome = FrictionCalc::kineticCoefficient(angle, length, time, gravity);
    QVERIFY(std::holds_alternative<FrictionMessage>(outcome));
    const auto &message = std::get<FrictionMessage>(outcome);
    // No title of its own: the window uses the program's.
    QVERIFY(!message.title);
    QCOMPARE(message.text, text);
    QCOMPARE(message.focus, focus);
}

void tst_FrictionCalc::staticAngleOutOfRange_data()
{
    QTest::addColumn<QString>("angle");
    QTest::addColumn<QString>("text");

    const QString outOfRange = QStringLiteral("The angle entered lies outside the range of numbers "
                                              "the calculator can compute with.");
    QTest::newRow("1e400") << "1e400" << outOfRange;
    QTest::newRow("-1e400") << "-1e400" << outOfRange;
    QTest::newRow("1e309, just beyond the largest double") << "1e309" << outOfRange;
}

void tst_FrictionCalc::staticAngleOutOfRange()
{
    QFETCH(QString, angle);
    QFETCH(QString, text);
    const FrictionOutcome outcome = FrictionCalc::staticCoefficient(angle);
    QVERIFY(std::holds_alternative<FrictionMessage>(outcome));
    const auto &message = std::get<FrictionMessage>(outcome);
    // No title of its own: the window uses the program's.
    QVERIFY(!message.title);
    QCOMPARE(message.text, text);
    QCOMPARE(message.focus, FrictionInput::StaticAngle);
}

QTEST_APPLESS_MAIN(tst_FrictionCalc)
#include "tst_frictioncalc.moc"
