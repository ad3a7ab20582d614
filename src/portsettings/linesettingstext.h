#pragma once

#include <QString>
#include <QStringList>

// The port dialog's view of a line-settings text such as "9600,n,8,1": the four fields taken apart
// into the texts its lists show, and put back together from the chosen entries. The dialog does not
// validate the text; the serial port layer is the judge of what it accepts.
namespace LineSettingsText {

struct Fields
{
    QString speed;
    QString parity; // one letter as the port reports it
    QString dataBits;
    QString stopBits;

    friend bool operator==(const Fields &, const Fields &) = default;
};

// Takes the fields by positions counted from the end, so that the speed may have any length: the
// parity letter sits 4 characters before the stop bits' first character, the data bits 2, and a
// "1.5" stop-bits field (the only place a "." can be) shifts everything by two. A text too short
// for a position gives an empty field there instead of reading outside the text.
Fields split(const QString &reported);

// The parity list entry named by a reported letter: "e" Even, "m" Mark, "n" None, "o" Odd,
// "s" Space. The comparison is exact, so any other text, an upper-case letter included, names no
// entry and gives an empty string.
QString parityName(const QString &letter);

// "speed,P,data,stop" from the chosen list entries, where P is the first character of the parity
// entry ("None" gives "N"). Blanks around the other entries are dropped.
QString build(const QString &speed, const QString &parity, const QString &dataBits,
              const QString &stopBits);

// The entries of the dialog's lists, in the order they are shown.
QStringList ports(); // "Com1" to "Com4"
QStringList speeds();
QStringList dataBits();
QStringList parities();
// How a parity entry reads in the user's language; the entry itself stays the English name, whose
// first letter build() takes.
QString parityCaption(const QString &name);
QStringList stopBits();

} // namespace LineSettingsText
