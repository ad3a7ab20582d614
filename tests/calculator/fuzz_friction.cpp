// Feeds arbitrary texts to both friction calculations. Whatever is typed, the outcome must be a
// message or a caption that shows a finite number as "###0.000"; and every text that passes the
// numeric test must read as the C library reads it.

#include "frictioncalc.h"
#include "numbertext.h"

#include <QByteArrayList>
#include <QLocale>

#include <cstdio>
#include <cstdlib>
#include <locale.h>

namespace {

void fail(const char *what, const QString &detail)
{
    std::fprintf(stderr, "%s: %s\n", what, qPrintable(detail));
    std::abort();
}

bool isFormattedNumber(QStringView text)
{
    qsizetype i = 0;
    if (i < text.size() && text[i] == u'-')
        ++i;
    const qsizetype digitsStart = i;
    while (i < text.size() && text[i] >= u'0' && text[i] <= u'9')
        ++i;
    if (i == digitsStart || i + 4 != text.size() || text[i] != u'.')
        return false;
    for (++i; i < text.size(); ++i) {
        if (text[i] < u'0' || text[i] > u'9')
            return false;
    }
    return text != QLatin1String("-0.000");
}

void checkOutcome(const FrictionOutcome &outcome, const QString &prefix)
{
    if (const auto *message = std::get_if<FrictionMessage>(&outcome)) {
        // The text is never left out.
        if (message->text.isEmpty())
            fail("message without text", message->title.value_or(QString()));
        return;
    }
    const QString &caption = std::get<FrictionResult>(outcome).caption;
    if (!caption.startsWith(prefix))
        fail("caption without its prefix", caption);
    if (!isFormattedNumber(QStringView(caption).mid(prefix.size())))
        fail("caption not in the format", caption);
}

// The value of a numeric text must be what strtod in the C locale reads from it.
void checkValue(const QString &text)
{
    if (!NumberText::isNumeric(text))
        return;
    static const locale_t cLocale = newlocale(LC_ALL_MASK, "C", locale_t(nullptr));
    const QByteArray ascii = text.toLatin1();
    const double expected = strtod_l(ascii.constData(), nullptr, cLocale);
    const double value = NumberText::value(text);
    if (!(value == expected))
        fail("value differs from strtod", text);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArrayList parts
        = QByteArray::fromRawData(reinterpret_cast<const char *>(data), qsizetype(size))
              .split('\n');
    QString texts[5];
    for (qsizetype i = 0; i < 5 && i < parts.size(); ++i)
        texts[i] = QString::fromUtf8(parts.at(i));

    const QLocale c = QLocale::c();
    checkOutcome(FrictionCalc::staticCoefficient(texts[0], c), FrictionCalc::staticCaptionPrefix());
    checkOutcome(FrictionCalc::kineticCoefficient(texts[1], texts[2], texts[3], texts[4], c),
                 FrictionCalc::kineticCaptionPrefix());
    for (const QString &text : texts)
        checkValue(text);
    return 0;
}
