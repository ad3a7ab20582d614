#include "numbertext.h"

#include <QLocale>
#include <QString>

namespace {

bool isBlank(QChar c)
{
    return c == u' ' || c == u'\t';
}

bool isDigit(QChar c)
{
    return c >= u'0' && c <= u'9';
}

qsizetype skipBlanks(QStringView text, qsizetype pos)
{
    while (pos < text.size() && isBlank(text[pos]))
        ++pos;
    return pos;
}

// Length of the longest number that starts at `pos`, or 0 when none starts there. An exponent
// belongs to the number only when at least one digit follows its letter and sign, so "1e" and
// "1e+" are the number 1 followed by other characters.
qsizetype numberLength(QStringView text, qsizetype pos)
{
    qsizetype i = pos;
    if (i < text.size() && (text[i] == u'+' || text[i] == u'-'))
        ++i;
    qsizetype digits = 0;
    while (i < text.size() && isDigit(text[i])) {
        ++i;
        ++digits;
    }
    if (i < text.size() && text[i] == u'.') {
        ++i;
        while (i < text.size() && isDigit(text[i])) {
            ++i;
            ++digits;
        }
    }
    if (digits == 0)
        return 0;

    if (i < text.size() && (text[i] == u'e' || text[i] == u'E')) {
        qsizetype j = i + 1;
        if (j < text.size() && (text[j] == u'+' || text[j] == u'-'))
            ++j;
        const qsizetype exponentStart = j;
        while (j < text.size() && isDigit(text[j]))
            ++j;
        if (j > exponentStart)
            i = j;
    }
    return i - pos;
}

} // namespace

bool NumberText::isNumeric(QStringView text)
{
    const qsizetype start = skipBlanks(text, 0);
    const qsizetype length = numberLength(text, start);
    return length > 0 && skipBlanks(text, start + length) == text.size();
}

double NumberText::value(QStringView text)
{
    const qsizetype start = skipBlanks(text, 0);
    const qsizetype length = numberLength(text, start);
    if (length == 0)
        return 0.0;
    // Only the characters of the grammar reach the conversion, so the C locale's reader sees no
    // words such as "inf" or "nan" and no hex; it reads "." as the point whatever the user's locale
    // is, and gives an infinity on overflow and 0 on underflow.
    return QLocale::c().toDouble(text.mid(start, length));
}

QString NumberText::withPoint(QStringView text, const QLocale &locale)
{
    const QString mark = locale.decimalPoint();
    if (mark == u"." || mark.isEmpty() || text.contains(u'.') || text.count(mark) != 1)
        return text.toString();
    QString pointed = text.toString();
    pointed.replace(mark, QStringLiteral("."));
    return pointed;
}
