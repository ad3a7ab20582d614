#include "labreport.h"

#include "appinfo.h"
#include "resultsdisplay.h"
#include "resultssession.h"
#include "trialtablemodel.h"

#include <algorithm>

namespace {

QString dateTime(const QDateTime &time)
{
    return time.toLocalTime().toString(QStringLiteral("yyyy-MM-dd HH:mm"));
}

QString uncertaintiesText(const Uncertainties &u, bool kinetic)
{
    const QString angle
        = QStringLiteral("\u00b1 %1 degrees").arg(ResultsDisplay::exact(u.angleDeg));
    if (!kinetic)
        return angle;
    return QStringLiteral("%1, \u00b1 %2 cm, \u00b1 %3 ms")
        .arg(angle, ResultsDisplay::exact(u.lengthCm), ResultsDisplay::exact(u.deltaTMs));
}

} // namespace

LabReport LabReport::of(ResultsSession &session, PlotAxis axis, const QString &station,
                        const QDateTime &printed)
{
    LabReport report;
    report.run = session.run();
    report.trials = session.trials();
    report.programVersion = AppInfo::title() + u' ' + AppInfo::versionText();
    report.station = station;
    report.printed = printed;
    report.spansDays = TrialTableModel::spansDays(report.trials);
    report.summary = ResultsSummary::groups(report.trials);
    report.plot = session.plotData(axis);

    if (report.trials.isEmpty()) {
        report.period = QStringLiteral("started %1, no trials").arg(dateTime(report.run.started));
    } else {
        const auto [first, last]
            = std::minmax_element(report.trials.cbegin(), report.trials.cend(),
                                  [](const Trial &a, const Trial &b) { return a.time < b.time; });
        const QDateTime from = first->time.toLocalTime();
        const QDateTime to = last->time.toLocalTime();
        report.period = QStringLiteral("%1 to %2")
                            .arg(dateTime(from),
                                 to.date() == from.date() ? to.toString(QStringLiteral("HH:mm"))
                                                          : dateTime(to));
    }

    const Uncertainties &runs = report.run.uncertainties;
    report.uncertainties << QStringLiteral("For new trials: %1 (angle, block length, photogate "
                                           "time; g exact)")
                                .arg(uncertaintiesText(runs, true));
    // Trials keep the values they were calculated with: name any that differ from the run's.
    QList<std::pair<QString, int>> others;
    for (const Trial &trial : std::as_const(report.trials)) {
        const bool kinetic = trial.measurement.kind == FrictionTrial::Kind::Kinetic;
        const Uncertainties &u = trial.uncertainties;
        if (u.angleDeg == runs.angleDeg
            && (!kinetic || (u.lengthCm == runs.lengthCm && u.deltaTMs == runs.deltaTMs)))
            continue;
        const QString text = uncertaintiesText(u, kinetic);
        const auto found = std::find_if(others.begin(), others.end(),
                                        [&](const auto &other) { return other.first == text; });
        if (found == others.end())
            others.append({ text, 1 });
        else
            ++found->second;
    }
    for (const auto &[text, count] : std::as_const(others)) {
        report.uncertainties << QStringLiteral("%1 calculated with %2")
                                    .arg(count == 1 ? QStringLiteral("1 trial")
                                                    : QStringLiteral("%1 trials").arg(count),
                                         text);
    }
    return report;
}

QString LabReport::title() const
{
    return QStringLiteral("Friction lab report: %1").arg(run.name);
}
