#include "reportpaper.h"

QPageSize ReportPaper::forLocale(const QLocale &locale)
{
    static const QLocale::Territory letter[] = {
        QLocale::Belize,       QLocale::Canada,     QLocale::Chile,       QLocale::Colombia,
        QLocale::CostaRica,    QLocale::ElSalvador, QLocale::Guatemala,   QLocale::Mexico,
        QLocale::Nicaragua,    QLocale::Panama,     QLocale::Philippines, QLocale::PuertoRico,
        QLocale::UnitedStates, QLocale::Venezuela,
    };
    for (QLocale::Territory territory : letter) {
        if (locale.territory() == territory)
            return QPageSize(QPageSize::Letter);
    }
    return QPageSize(QPageSize::A4);
}
