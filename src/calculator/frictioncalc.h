#pragma once

#include <QLocale>
#include <QString>

#include <optional>
#include <variant>

// The calculator's science: the coefficients of static and kinetic friction from the texts of the
// calculator window's boxes. The calculations are pure: given the texts they return what the window
// must do (show a message and move the focus, or show a new result caption), and the window
// frmCalculate carries that out. Nothing here touches a widget.

#include "frictiontrial.h"

// The input box a message is about. The window maps each to its own box.
enum class FrictionInput { None, StaticAngle, KineticAngle, Length, Time, Gravity };

// A computed coefficient: the new caption of the result label, and the numbers it was computed
// from, as read from the boxes, for the program to keep.
struct FrictionResult
{
    QString caption;
    FrictionTrial measurement;
};

// A message to show (warning icon, OK button), after which the box for `focus` gets the focus.
struct FrictionMessage
{
    // No title of its own for the messages about inputs that cannot be computed with: the window
    // titles them with the program's title, which the calculations do not know.
    std::optional<QString> title;
    QString text;
    // None leaves the focus where it is.
    FrictionInput focus = FrictionInput::None;
};

// What one calculation asks the window to do.
using FrictionOutcome = std::variant<FrictionResult, FrictionMessage>;

namespace FrictionCalc {

// The captions of the two result labels, without a number; the calculations append one.
QString staticCaptionPrefix();
QString kineticCaptionPrefix();

// The coefficient as "###0.000": rounded to thousandths by the exact value of the double, halves
// away from zero, "-" before negatives (none when the rounded value is zero), no grouping, and the
// locale's decimal separator. Returns an empty text for an infinity or NaN, which no caption may
// show.
QString format(double coefficient, const QLocale &locale = QLocale());

// The input boxes take numbers as the calculator has always read them, with "." as the decimal
// point. Where the locale's decimal mark is another (a comma, in German), a number written with it
// instead is read too: "24,228" is 24.228, never 24. A text with both marks, or the locale's mark
// more than once (digit grouping), is refused as before.

// The coefficient of static friction from the ramp angle in degrees at which the block slid.
FrictionOutcome staticCoefficient(const QString &angleText, const QLocale &locale = QLocale());

// The coefficient of kinetic friction from the ramp angle (degrees), the block length (cm), the
// photogate time (ms) and the gravitational acceleration (m/s^2). The boxes are checked in that
// order and only the first bad one is reported.
FrictionOutcome kineticCoefficient(const QString &angleText, const QString &lengthText,
                                   const QString &timeText, const QString &gravityText,
                                   const QLocale &locale = QLocale());

// The unrounded coefficient of a successful calculation's numbers, by the same steps as its
// caption: what the program keeps of a trial.
double coefficient(const FrictionTrial &trial);

} // namespace FrictionCalc
