#include "classsummarymodel.h"

#include "classtrialmodel.h"
#include "frictioncalc.h"
#include "resultsdisplay.h"
#include "weightedmean.h"

#include <QLocale>

#include <algorithm>
#include <cmath>
#include <map>
#include <tuple>

ClassSummaryModel::ClassSummaryModel(QObject *parent)
    : QAbstractTableModel(parent)
{
}

void ClassSummaryModel::recount(const QList<ClassResult> &results)
{
    // Keyed in the order the rows are shown.
    using Key = std::tuple<QString, qint64, QString, QString, int>;
    std::map<Key, std::pair<Group, QList<Measurement>>> groups;
    for (const ClassResult &result : results) {
        const ClassTrial &trial = result.trial;
        if (trial.excluded)
            continue;
        const Key key { result.station, result.run.startedUtc.toMSecsSinceEpoch(), result.run.uuid,
                        trial.sample, int(trial.kind) };
        auto &[group, measurements] = groups[key];
        if (measurements.isEmpty() && group.statistics.count() == 0) {
            group.station = result.station;
            group.run = result.run;
            group.sample = trial.sample;
            group.kind = trial.kind;
        }
        group.statistics.add(trial.mu);
        measurements << Measurement { trial.mu, trial.muUncertainty };
    }

    beginResetModel();
    m_groups.clear();
    for (auto &[key, entry] : groups) {
        auto &[group, measurements] = entry;
        if (const auto weighted = WeightedMean::of(measurements)) {
            group.weightedMean = weighted->mean;
            group.weightedMeanUncertainty = weighted->uncertainty;
        }
        m_groups << group;
    }
    endResetModel();
}

int ClassSummaryModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(m_groups.size());
}

int ClassSummaryModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : ColumnCount;
}

QVariant ClassSummaryModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || index.row() >= m_groups.size())
        return {};
    if (role == Qt::TextAlignmentRole) {
        return index.column() <= Kind ? QVariant(Qt::AlignLeft | Qt::AlignVCenter)
                                      : QVariant(Qt::AlignRight | Qt::AlignVCenter);
    }
    if (role != Qt::DisplayRole)
        return {};
    const Group &group = m_groups.at(index.row());
    const RunningStatistics &s = group.statistics;
    // As in the Results window: the spread one decimal finer than µ.
    const auto spread
        = [](double value) { return ResultsDisplay::number(value, ResultsDisplay::kMuDecimals); };
    switch (index.column()) {
    case Station:
        return group.station;
    case Run:
        return group.run.name;
    case Sample:
        return group.sample;
    case Kind:
        return group.kind == ClassTrial::Kind::Static ? ClassTrialModel::tr("Static")
                                                      : ClassTrialModel::tr("Kinetic");
    case Count:
        return s.count();
    case Mean:
        return FrictionCalc::format(s.mean(), ResultsDisplay::locale());
    case StandardDeviation:
        return spread(s.standardDeviation());
    case StandardError:
        return spread(s.standardError());
    case WeightedMeanValue:
        return group.weightedMean
            ? FrictionCalc::format(*group.weightedMean, ResultsDisplay::locale())
            : QString();
    case WeightedMeanUncertainty:
        return group.weightedMeanUncertainty ? spread(*group.weightedMeanUncertainty) : QString();
    }
    return {};
}

QVariant ClassSummaryModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (role != Qt::DisplayRole || orientation != Qt::Horizontal)
        return {};
    switch (section) {
    case Station:
        return ClassTrialModel::tr("Station");
    case Run:
        return ClassTrialModel::tr("Run");
    case Sample:
        return ClassTrialModel::tr("Sample");
    case Kind:
        return ClassTrialModel::tr("Kind");
    case Count:
        return QStringLiteral("n");
    case Mean:
        return tr("Mean \u00b5");
    case StandardDeviation:
        return tr("Std. deviation");
    case StandardError:
        return tr("Std. error");
    case WeightedMeanValue:
        return tr("Weighted mean \u00b5");
    case WeightedMeanUncertainty:
        return tr("\u00b1 weighted");
    }
    return {};
}
