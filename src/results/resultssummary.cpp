#include "resultssummary.h"

#include "physicschecks.h"
#include "resultsdisplay.h"

#include <QCoreApplication>

QStringList SummaryGroup::notes(bool withAdvice) const
{
    QStringList notes;
    if (weighted && weighted->scatterExceedsUncertainties()) {
        notes << (withAdvice
                      ? QCoreApplication::translate(
                            "SummaryGroup",
                            "The trials scatter more than their ± δµ "
                            "allow (χ²/ν = %1, over 3): something "
                            "varied beyond the stated uncertainties. Check that the "
                            "± values are honest, and look for a trial that "
                            "stands out.")
                            .arg(ResultsDisplay::number(*weighted->reducedChiSquare(),
                                                        ResultsDisplay::kReducedChiSquareDecimals))
                      : QCoreApplication::translate(
                          "SummaryGroup", "Scatter larger than the stated uncertainties."));
    }
    if (kineticAboveStatic) {
        notes << (withAdvice
                      ? PhysicsChecks::kineticExceedsStaticExplanation()
                      : QCoreApplication::translate("SummaryGroup", "Mean µk above mean µs."));
    }
    if (!weighted && !measurements.isEmpty())
        notes << QCoreApplication::translate("SummaryGroup",
                                             "No weighted mean: a trial has no δµ above 0.");
    return notes;
}

QList<SummaryGroup> ResultsSummary::groups(const QList<Trial> &trials)
{
    ResultsSummary summary;
    for (const Trial &trial : trials)
        summary.add(trial);
    summary.settle();
    return summary.m_groups;
}

int ResultsSummary::add(const Trial &trial)
{
    if (!trial.used())
        return -1;
    const std::pair key { int(trial.measurement.kind), trial.sample };
    auto found = m_rowOf.constFind(key);
    if (found == m_rowOf.cend()) {
        found = m_rowOf.insert(key, int(m_groups.size()));
        m_groups.append({ trial.sample, trial.measurement.kind, {}, {}, {}, false });
    }
    SummaryGroup &group = m_groups[*found];
    group.statistics.add(trial.mu);
    group.measurements.append({ trial.mu, trial.muUncertainty });
    m_unsettled.insert(*found);
    return *found;
}

void ResultsSummary::settle()
{
    // Recomputed whole for each group that grew: a batch of many trials costs one pass per group.
    for (int row : std::as_const(m_unsettled))
        m_groups[row].weighted = WeightedMean::of(m_groups.at(row).measurements);
    m_unsettled.clear();

    for (SummaryGroup &group : m_groups) {
        const int otherKind = group.kind == FrictionTrial::Kind::Static
            ? int(FrictionTrial::Kind::Kinetic)
            : int(FrictionTrial::Kind::Static);
        const int other = m_rowOf.value({ otherKind, group.sample }, -1);
        group.kineticAboveStatic = false;
        if (other < 0)
            continue;
        const SummaryGroup &pair = m_groups.at(other);
        const bool isStatic = group.kind == FrictionTrial::Kind::Static;
        group.kineticAboveStatic = PhysicsChecks::kineticExceedsStatic(
            isStatic ? group.statistics.mean() : pair.statistics.mean(),
            isStatic ? pair.statistics.mean() : group.statistics.mean());
    }
}

int ResultsSummary::rowOf(const Trial &trial) const
{
    return m_rowOf.value({ int(trial.measurement.kind), trial.sample }, -1);
}
