#include "translations.h"

#include <QCoreApplication>
#include <QLocale>
#include <QTest>

// The catalogues built with the program are found where the build puts them and change the texts
// only in a language they are for.
class tst_Translations : public QObject
{
    Q_OBJECT

private slots:
    void germanCatalogueTranslates();
    void englishKeepsTheTexts();
};

namespace {

const char kContext[] = "PhysicsChecks";
const char kSource[] = "The angle is 80° or more, steeper than the ramp tilts. Check the angle as "
                       "typed.";

} // namespace

void tst_Translations::germanCatalogueTranslates()
{
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    const QString found
        = Translations::install(QStringLiteral("tiltbench"), QStringLiteral("no-such-folder"),
                                QStringLiteral(TILTBENCH_TRANSLATIONS_BUILD_DIR));
    QVERIFY2(found.endsWith(QLatin1String("/tiltbench_de.qm")), qPrintable(found));
    QCOMPARE(QCoreApplication::translate(kContext, kSource),
             QStringLiteral("Der Winkel beträgt 80° oder mehr, steiler, als die Rampe kippt. "
                            "Prüfen Sie den eingegebenen Winkel."));
}

void tst_Translations::englishKeepsTheTexts()
{
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedKingdom));
    const QString found
        = Translations::install(QStringLiteral("tiltbench"), QStringLiteral("no-such-folder"),
                                QStringLiteral(TILTBENCH_TRANSLATIONS_BUILD_DIR));
    QCOMPARE(found, QString());
}

QTEST_GUILESS_MAIN(tst_Translations)
#include "tst_translations.moc"
