#include "frictioncalc.h"

#include "frictiontrial.h"
#include "numbertext.h"

#include <QCoreApplication>

#include <array>
#include <charconv>
#include <cmath>
#include <optional>
#include <string>

namespace {

// The decimal constant the program has always converted degrees with; it falls about 3e-15 short
// of the double nearest to pi, which can change the last rounded digit of a result.
constexpr double kPi = 3.14159265358979;

// The messages are translated when shown, in the user's language of the moment.
QString translated(const char *text)
{
    return QCoreApplication::translate("FrictionCalc", text);
}

// One input box and the check its text must pass. The texts are the untranslated English.
struct Input
{
    FrictionInput box;
    const char *title;
    const char *text;
    // The message about a value beyond the range of a double; whole sentences, since how the
    // quantity is named changes the words around it in other languages.
    const char *outOfRange;
    bool isAngle; // an angle also has an upper bound
};

constexpr Input kStaticAngle {
    FrictionInput::StaticAngle, QT_TRANSLATE_NOOP("FrictionCalc", "Error in Angle"),
    QT_TRANSLATE_NOOP("FrictionCalc",
                      "Please enter a numeric angle less than 90 and greater than 0 degrees."),
    QT_TRANSLATE_NOOP("FrictionCalc",
                      "The angle entered lies outside the range of numbers the calculator can "
                      "compute with."),
    true
};
constexpr Input kKineticAngle { FrictionInput::KineticAngle, kStaticAngle.title, kStaticAngle.text,
                                kStaticAngle.outOfRange, true };
constexpr Input kKineticLength {
    FrictionInput::Length, QT_TRANSLATE_NOOP("FrictionCalc", "Error in Length of Block"),
    QT_TRANSLATE_NOOP("FrictionCalc", "Please enter a numeric length greater than 0 cm."),
    QT_TRANSLATE_NOOP("FrictionCalc",
                      "The length of block entered lies outside the range of numbers the "
                      "calculator can compute with."),
    false
};
constexpr Input kKineticTime {
    FrictionInput::Time, QT_TRANSLATE_NOOP("FrictionCalc", "Error in delta T"),
    QT_TRANSLATE_NOOP("FrictionCalc", "Please enter a numeric time greater than 0 sec."),
    QT_TRANSLATE_NOOP("FrictionCalc",
                      "The delta T entered lies outside the range of numbers the calculator can "
                      "compute with."),
    false
};
constexpr Input kKineticGravity {
    FrictionInput::Gravity,
    QT_TRANSLATE_NOOP("FrictionCalc", "Error in Acceleration Due to Gravity"),
    QT_TRANSLATE_NOOP("FrictionCalc", "Please enter a numeric acceleration greater than 0 m/s^2."),
    QT_TRANSLATE_NOOP("FrictionCalc",
                      "The acceleration due to gravity entered lies outside the range of numbers "
                      "the calculator can compute with."),
    false
};

// The value of an input that passed its check, or the message about it.
struct Reading
{
    double value = 0.0;
    std::optional<FrictionMessage> failure;
};

Reading read(const QString &typed, const Input &input, const QLocale &locale)
{
    const QString text = NumberText::withPoint(typed, locale);
    const auto refuse = [&] {
        return Reading {
            0.0, FrictionMessage { translated(input.title), translated(input.text), input.box }
        };
    };
    if (!NumberText::isNumeric(text))
        return refuse();
    const double value = NumberText::value(text);
    // A number beyond the range of a double cannot be computed with; telling the user so is more
    // honest than judging an infinity against the bounds. One too small for a double reads as 0
    // and fails the lower bound like the 0 it is closest to.
    if (!std::isfinite(value)) {
        return { 0.0, FrictionMessage { std::nullopt, translated(input.outOfRange), input.box } };
    }
    if (value <= 0.0 || (input.isAngle && value >= 90.0))
        return refuse();
    return { value, std::nullopt };
}

// An intermediate result that left the range of a double. No single box is to blame, so the focus
// stays where it is.
FrictionMessage tooExtreme(const QString &reason)
{
    //: %1 says which step went wrong, such as "delta T is too small".
    return { std::nullopt,
             QCoreApplication::translate("FrictionCalc",
                                         "The inputs are too extreme to compute: %1.")
                 .arg(reason),
             FrictionInput::None };
}

FrictionOutcome resultOrTooExtreme(const QString &prefix, double coefficient,
                                   const FrictionTrial &measurement, const QLocale &locale)
{
    if (!std::isfinite(coefficient))
        return tooExtreme(
            QCoreApplication::translate("FrictionCalc", "the coefficient is too large"));
    return FrictionResult { prefix + FrictionCalc::format(coefficient, locale), measurement };
}

double radians(double degrees)
{
    return (degrees * kPi) / 180.0;
}

// The kinetic coefficient's steps, in the order in which the program has always evaluated them (the
// length is not cancelled out), so that results agree to the last digit. The window's calculation
// checks each step where it can leave the range of a double; a kept trial is recomputed from them.
struct KineticSteps
{
    KineticSteps(double angleDeg, double lengthCm, double timeMs, double gravity)
        : theta(radians(angleDeg))
        , l(lengthCm / 100.0)
        , t(timeMs / 1000.0)
        , v(l / t)
        , s(std::pow(v, 2))
        , d(((2.0 * gravity) * l) * std::cos(theta))
    {
    }

    double coefficient() const { return std::tan(theta) - s / d; }

    double theta, l, t, v, s, d;
};

} // namespace

double FrictionCalc::coefficient(const FrictionTrial &trial)
{
    if (trial.kind == FrictionTrial::Kind::Static)
        return std::tan(radians(trial.angleDeg));
    return KineticSteps(trial.angleDeg, trial.lengthCm, trial.deltaTMs, trial.gravity)
        .coefficient();
}

QString FrictionCalc::staticCaptionPrefix()
{
    return QStringLiteral("\u00b5_static = ");
}

QString FrictionCalc::kineticCaptionPrefix()
{
    return QStringLiteral("\u00b5_kinetic = ");
}

QString FrictionCalc::format(double coefficient, const QLocale &locale)
{
    if (!std::isfinite(coefficient))
        return {};

    // Every double is a binary fraction with at most 1074 binary places, so 1074 decimal places
    // write it out exactly; 309 digits hold the largest integer part. Rounding that exact text by
    // its fourth decimal rounds true halves away from zero and nothing else: 0.0625 is a half and
    // goes up, while the double nearest 1.0005 lies just below the half and goes down.
    constexpr int kExactPlaces = 1074;
    std::array<char, 309 + 1 + kExactPlaces + 16> buffer;
    const auto written
        = std::to_chars(buffer.data(), buffer.data() + buffer.size(), std::fabs(coefficient),
                        std::chars_format::fixed, kExactPlaces);
    const std::string exact(buffer.data(), written.ptr);
    const std::size_t point = exact.find('.');
    std::string kept = exact.substr(0, point + 4);

    if (exact[point + 4] >= '5') {
        int i = int(kept.size()) - 1;
        for (; i >= 0; --i) {
            if (kept[i] == '.')
                continue;
            if (kept[i] != '9') {
                ++kept[i];
                break;
            }
            kept[i] = '0';
        }
        if (i < 0)
            kept.insert(kept.begin(), '1');
    }

    const bool roundsToZero = kept.find_first_not_of("0.") == std::string::npos;
    QString text = QString::fromLatin1(kept.data(), qsizetype(kept.size()));
    text.replace(QLatin1Char('.'), locale.decimalPoint());
    if (coefficient < 0.0 && !roundsToZero)
        text.prepend(QLatin1Char('-'));
    return text;
}

FrictionOutcome FrictionCalc::staticCoefficient(const QString &angleText, const QLocale &locale)
{
    const Reading angle = read(angleText, kStaticAngle, locale);
    if (angle.failure)
        return *angle.failure;

    FrictionTrial measurement;
    measurement.angleDeg = angle.value;
    const double theta = radians(angle.value);
    return resultOrTooExtreme(FrictionCalc::staticCaptionPrefix(), std::tan(theta), measurement,
                              locale);
}

FrictionOutcome FrictionCalc::kineticCoefficient(const QString &angleText,
                                                 const QString &lengthText, const QString &timeText,
                                                 const QString &gravityText, const QLocale &locale)
{
    const Reading angle = read(angleText, kKineticAngle, locale);
    if (angle.failure)
        return *angle.failure;
    const Reading length = read(lengthText, kKineticLength, locale);
    if (length.failure)
        return *length.failure;
    const Reading time = read(timeText, kKineticTime, locale);
    if (time.failure)
        return *time.failure;
    const Reading gravity = read(gravityText, kKineticGravity, locale);
    if (gravity.failure)
        return *gravity.failure;

    const KineticSteps steps(angle.value, length.value, time.value, gravity.value);

    // A length or time that passed its check can still be too small to survive the change of
    // unit. Both gone would make the speed 0/0, which is no number at all; one gone would blame
    // the speed or the denominator for what is really the box's tiny value.
    if (steps.l == 0.0 && steps.t == 0.0)
        return tooExtreme(QCoreApplication::translate(
            "FrictionCalc", "the length of block and delta T are too small"));
    if (steps.l == 0.0)
        return tooExtreme(
            QCoreApplication::translate("FrictionCalc", "the length of block is too small"));
    if (steps.t == 0.0)
        return tooExtreme(QCoreApplication::translate("FrictionCalc", "delta T is too small"));
    if (!std::isfinite(steps.v) || !std::isfinite(steps.s))
        return tooExtreme(
            QCoreApplication::translate("FrictionCalc",
                                        "the speed of the block (length of block over delta T) "
                                        "is too large"));
    if (steps.d == 0.0)
        return tooExtreme(
            QCoreApplication::translate("FrictionCalc",
                                        "the length of block and the acceleration due to "
                                        "gravity are too small"));
    if (!std::isfinite(steps.d))
        return tooExtreme(
            QCoreApplication::translate("FrictionCalc",
                                        "the length of block and the acceleration due to "
                                        "gravity are too large"));
    FrictionTrial measurement;
    measurement.kind = FrictionTrial::Kind::Kinetic;
    measurement.angleDeg = angle.value;
    measurement.lengthCm = length.value;
    measurement.deltaTMs = time.value;
    measurement.gravity = gravity.value;
    return resultOrTooExtreme(FrictionCalc::kineticCaptionPrefix(), steps.coefficient(),
                              measurement, locale);
}
