#include "labreport.h"

#include "appinfo.h"
#include "resultsdisplay.h"
#include "resultssession.h"
#include "trialtablemodel.h"

#include <QCoreApplication>

#include <algorithm>

namespace {

QString uncertaintiesText(const Uncertainties &u, bool kinetic)
{
    const QString angle = QCoreApplication::translate("LabReport", "± %1 degrees")
                              .arg(ResultsDisplay::exact(u.angleDeg));
    if (!kinetic)
        return angle;
    return QCoreApplication::translate("LabReport", "%1, ± %2 cm, ± %3 ms")
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
        report.period = QCoreApplication::translate("LabReport", "started %1, no trials")
                            .arg(ResultsDisplay::dateTime(report.run.started));
    } else {
        const auto [first, last]
            = std::minmax_element(report.trials.cbegin(), report.trials.cend(),
                                  [](const Trial &a, const Trial &b) { return a.time < b.time; });
        const QDateTime from = first->time.toLocalTime();
        const QDateTime to = last->time.toLocalTime();
        report.period = QCoreApplication::translate("LabReport", "%1 to %2")
                            .arg(ResultsDisplay::dateTime(from),
                                 to.date() == from.date() ? to.toString(QStringLiteral("HH:mm"))
                                                          : ResultsDisplay::dateTime(to));
    }

    const Uncertainties &runs = report.run.uncertainties;
    report.uncertainties << QCoreApplication::translate(
                                "LabReport",
                                "For new trials: %1 (angle, block length, photogate "
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
        report.uncertainties
            << QCoreApplication::translate("LabReport", "%1 calculated with %2")
                   .arg(count == 1
                            ? QCoreApplication::translate("LabReport", "1 trial")
                            : QCoreApplication::translate("LabReport", "%1 trials").arg(count),
                        text);
    }
    return report;
}

QString LabReport::title() const
{
    return QCoreApplication::translate("LabReport", "Friction lab report: %1").arg(run.name);
}
