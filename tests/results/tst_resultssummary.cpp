#include "resultssummary.h"
#include "summarytablemodel.h"

#include <QTest>

namespace {

struct Given
{
    double mu;
    double uncertainty;
    bool excluded = false;
};

Trial trial(const QString &sample, FrictionTrial::Kind kind, const Given &given)
{
    Trial trial;
    trial.sample = sample;
    trial.measurement.kind = kind;
    trial.mu = given.mu;
    trial.muUncertainty = given.uncertainty;
    trial.excluded = given.excluded;
    return trial;
}

} // namespace

using Givens = QList<Given>;

// The summary rows as every window and the report show them: plain and weighted mean, their
// spreads, χ²/ν and the note in plain words.
class tst_ResultsSummary : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { QLocale::setDefault(QLocale::c()); }
    void rowOfOneGroup_data();
    void rowOfOneGroup();
    void kineticAboveStaticMarksBothRowsOfTheSample();
};

void tst_ResultsSummary::rowOfOneGroup_data()
{
    QTest::addColumn<Givens>("trials");
    // n, mean, SD, SE, weighted mean, its σ, χ²/ν, note.
    QTest::addColumn<QStringList>("cells");

    // Weights 10000 and 2500: 5100/12500 = 0.408, σ = 1/√12500; χ² = 0.64 + 2.56 over ν = 1.
    // SD of 0.40 and 0.44: 0.02·√2; SE 0.02. χ²/ν is over 3, but two trials say too little.
    QTest::newRow("two trials: weighted, no note")
        << Givens { { 0.40, 0.01 }, { 0.44, 0.02 } }
        << QStringList { "2", "0.4200", "0.0283", "0.0200", "0.4080", "0.0089", "3.20", "" };
    // 0.1 about the mean at σ 0.01: χ² = 100 + 0 + 100 over ν = 2; σ = 0.01/√3.
    QTest::newRow("three trials scattering beyond their uncertainties")
        << Givens { { 0.4, 0.01 }, { 0.6, 0.01 }, { 0.5, 0.01 } }
        << QStringList { "3",
                         "0.5000",
                         "0.1000",
                         "0.0577",
                         "0.5000",
                         "0.0058",
                         "100.00",
                         "Scatter larger than the stated "
                         "uncertainties." };
    // The excluded 0.9 would scatter: left out, 0.405 ± 1/√20000, χ² = 2·0.25 over 1.
    QTest::newRow("an excluded trial leaves the row")
        << Givens { { 0.40, 0.01 }, { 0.41, 0.01 }, { 0.9, 0.01, true } }
        << QStringList { "2", "0.4050", "0.0071", "0.0050", "0.4050", "0.0071", "0.50", "" };
    QTest::newRow("a trial without δµ has no weight")
        << Givens { { 0.45, 0.0 }, { 0.46, 0.01 } }
        << QStringList { "2",      "0.4550",
                         "0.0071", "0.0050",
                         "",       "",
                         "",       "No weighted mean: a trial has no \u03b4\u00b5 above 0." };
}

void tst_ResultsSummary::rowOfOneGroup()
{
    QFETCH(Givens, trials);
    QFETCH(QStringList, cells);
    QList<Trial> list;
    for (const Given &given : trials)
        list << trial(QStringLiteral("felt"), FrictionTrial::Kind::Static, given);

    const QList<SummaryGroup> groups = ResultsSummary::groups(list);
    QCOMPARE(groups.size(), 1);
    QStringList shown;
    for (int column = SummaryTableModel::Count; column <= SummaryTableModel::Note; ++column)
        shown << SummaryTableModel::text(groups.at(0), column);
    QCOMPARE(shown, cells);
}

void tst_ResultsSummary::kineticAboveStaticMarksBothRowsOfTheSample()
{
    using Kind = FrictionTrial::Kind;
    const QList<Trial> trials {
        trial("felt", Kind::Static, { 0.40, 0.01 }),
        trial("felt", Kind::Kinetic, { 0.45, 0.01 }),
        trial("oak", Kind::Static, { 0.50, 0.01 }),
        trial("oak", Kind::Kinetic, { 0.30, 0.01 }),
        // A sample measured one way only has nothing to compare.
        trial("cork", Kind::Kinetic, { 0.90, 0.01 }),
    };
    const QList<SummaryGroup> groups = ResultsSummary::groups(trials);
    QCOMPARE(groups.size(), 5);
    const QList<bool> marked { true, true, false, false, false };
    for (int row = 0; row < groups.size(); ++row) {
        QCOMPARE(groups.at(row).kineticAboveStatic, marked.at(row));
        QCOMPARE(SummaryTableModel::text(groups.at(row), SummaryTableModel::Note),
                 marked.at(row) ? QStringLiteral("Mean \u00b5k above mean \u00b5s.") : QString());
    }
    // The advice says what to check.
    QVERIFY(groups.at(0).notes(true).join(u' ').contains(QStringLiteral("Check")));
}

QTEST_APPLESS_MAIN(tst_ResultsSummary)
#include "tst_resultssummary.moc"
