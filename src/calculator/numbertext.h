#pragma once

#include <QString>
#include <QStringView>

class QLocale;

// The two ways the calculator reads a number from a text box. The boxes take any text; these
// decide, when a calculation runs, whether the text is a number and what number it shows.
namespace NumberText {

// True when the text, with blanks (spaces and tabs) at either end ignored, is exactly one number:
// an optional sign, digits with at most one "." and at least one digit, then optionally an exponent
// (E or e, an optional sign, at least one digit). No decimal comma, grouping, currency or hex.
bool isNumeric(QStringView text);

// The number read from the start of the text by the same rules, after leading blanks, stopping at
// the first character that cannot continue it; 0 when the text does not begin with a number.
// A number beyond the range of a double reads as an infinity of its sign, one too close to zero
// for a double as 0.
double value(QStringView text);

// The text with the locale's decimal mark turned into ".", when the locale's mark is not "." and
// the text holds it exactly once and no "." at all; otherwise the text unchanged, for the rules
// above to judge.
QString withPoint(QStringView text, const QLocale &locale);

} // namespace NumberText
