#include "appinfo.h"
#include "fakedatafiles.h"
#include "labreport.h"
#include "pdftext.h"
#include "reportpages.h"
#include "reportpaper.h"
#include "resultssession.h"
#include "sqliteresultsstore.h"

#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

#include <cstdlib>
#include <ctime>

// The lab report of a real run, read back as a reader's tools read it (pdftotext, pdfinfo).
class tst_ReportPages : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void paperFollowsTheLocale_data();
    void paperFollowsTheLocale();
    void reportSaysWhatWasMeasured();
};

void tst_ReportPages::initTestCase()
{
    QLocale::setDefault(QLocale::c());
    // Times are shown in local time: the test reads them in UTC.
    qputenv("TZ", "UTC");
    tzset();
}

void tst_ReportPages::paperFollowsTheLocale_data()
{
    QTest::addColumn<QString>("locale");
    QTest::addColumn<QString>("pageSize");
    const QString letter = QStringLiteral("612 x 792 pts (letter)");
    const QString a4 = QStringLiteral("595 x 842 pts (A4)");
    QTest::newRow("United States") << "en_US" << letter;
    QTest::newRow("Canada, French") << "fr_CA" << letter;
    QTest::newRow("Mexico") << "es_MX" << letter;
    QTest::newRow("United Kingdom") << "en_GB" << a4;
    QTest::newRow("Germany") << "de_DE" << a4;
    QTest::newRow("Spain") << "es_ES" << a4;
}

void tst_ReportPages::paperFollowsTheLocale()
{
    QFETCH(QString, locale);
    QFETCH(QString, pageSize);
    const auto pdf = ReportPages::pdf(LabReport(), ReportPaper::forLocale(QLocale(locale)));
    QVERIFY(std::holds_alternative<QByteArray>(pdf));
    QCOMPARE(pdfPageSize(std::get<QByteArray>(pdf)), pageSize);
}

void tst_ReportPages::reportSaysWhatWasMeasured()
{
    QTemporaryDir dir;
    SqliteResultsStore store(dir.filePath(QStringLiteral("results.sqlite")));
    FakeDataFiles files;
    QDateTime now(QDate(2026, 12, 7), QTime(23, 50), Qt::UTC);
    ResultsSession session(store, files, [&now] { return now; });
    QVERIFY(!session.newRun(QStringLiteral("Group A"), QStringLiteral("Ramp 2, block waxed")));
    session.setSample(QStringLiteral("felt"));
    FrictionTrial trial;
    trial.angleDeg = 30;
    QVERIFY(!session.addTrial(trial));
    // Across midnight, with ± 2° instead of 0.5°.
    now = now.addSecs(20 * 60);
    session.setUncertainties({ 2.0, 0.1, 1.0 });
    trial.angleDeg = 31;
    QVERIFY(!session.addTrial(trial));
    session.setUncertainties({ 0.5, 0.1, 1.0 });
    // A block that sped up: 100 cm in 100 ms at 10°, µk = tan 10° - 10²/(2 · 9.80665 · cos 10°)
    // = -5.0009. Left out, and marked.
    trial = FrictionTrial { FrictionTrial::Kind::Kinetic, 10, 100, 100, 9.80665 };
    QVERIFY(!session.addTrial(trial));
    QVERIFY(!session.setUsed({ 2 }, false));
    // Enough trials of another sample for the table to go on to the next page.
    session.setSample(QStringLiteral("oak"));
    for (int i = 0; i < 60; ++i)
        QVERIFY(!session.addTrial(FrictionTrial { FrictionTrial::Kind::Static, 20.0 + i * 0.1 }));

    const LabReport report
        = LabReport::of(session, PlotAxis::Trial, QStringLiteral("bench-3"), now.addSecs(3600));
    const auto pdf = ReportPages::pdf(report, QPageSize(QPageSize::A4));
    QVERIFY(std::holds_alternative<QByteArray>(pdf));
    const auto text = pdfText(std::get<QByteArray>(pdf));
    QVERIFY2(text, "pdftotext could not read the report (is poppler-utils installed?)");
    const QStringList expected {
        QStringLiteral("Friction lab report: Group A"),
        QStringLiteral("Measured +2026-12-07 23:50 to 2026-12-08 00:10"),
        QStringLiteral("Station +bench-3"),
        QStringLiteral("Program +Tiltbench %1")
            .arg(QRegularExpression::escape(AppInfo::versionText())),
        QStringLiteral("Printed +2026-12-08 01:10"),
        QStringLiteral("Notes +Ramp 2, block waxed"),
        QStringLiteral("For new trials: \u00b1 0.5 degrees, \u00b1 0.1 cm, \u00b1 1 ms"),
        QStringLiteral("1 trial calculated with \u00b1 2 degrees"),
        // The date shows in the Time column: the run spans midnight.
        QStringLiteral("2 +2026-12-08 00:10:00 +felt +Static +31.000 +0.6009 +0.0475 +yes"),
        QStringLiteral("3 +2026-12-08 00:10:00 +felt +Kinetic +10.000 +100.00 +100.00 +9.80665 "
                       "+-5.0009 ! +\\d.\\d{4} +excluded"),
        QStringLiteral("Trial 3 \\(\u00b5 = -5.0009, 10.000 degrees\\): \u00b5k is below 0"),
    };
    for (const QString &pattern : expected)
        QVERIFY2(text->contains(QRegularExpression(pattern)), qPrintable(pattern + u'\n' + *text));
    // pdftotext ends every page with a form feed; each page's footer counts them all.
    const QStringList pages = text->split(u'\f', Qt::SkipEmptyParts);
    QVERIFY(pages.size() >= 2);
    // The table's headings again at the top of the page it goes on to.
    QVERIFY(pages.last().contains(QRegularExpression(QStringLiteral("# +Time +Sample +Kind"))));
    for (int page = 1; page <= pages.size(); ++page) {
        QVERIFY(pages.at(page - 1).contains(
            QStringLiteral("Page %1 of %2").arg(page).arg(pages.size())));
    }
}

QTEST_MAIN(tst_ReportPages)
#include "tst_reportpages.moc"
