#include "classsummarymodel.h"

#include "frictioncalc.h"
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
    const auto spread = [](double value) {
        return std::isnan(value) ? QString() : QLocale().toString(value, 'f', 4);
    };
    switch (index.column()) {
    case Station:
        return group.station;
    case Run:
        return group.run.name;
    case Sample:
        return group.sample;
    case Kind:
        return group.kind == ClassTrial::Kind::Static ? QStringLiteral("Static")
                                                      : QStringLiteral("Kinetic");
    case Count:
        return s.count();
    case Mean:
        return FrictionCalc::format(s.mean());
    case StandardDeviation:
        return spread(s.standardDeviation());
    case StandardError:
        return spread(s.standardError());
    case WeightedMeanValue:
        return group.weightedMean ? FrictionCalc::format(*group.weightedMean) : QString();
    case WeightedMeanUncertainty:
        return group.weightedMeanUncertainty ? spread(*group.weightedMeanUncertainty) : QString();
    }
    return {};
}

QVariant ClassSummaryModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (role != Qt::DisplayRole || orientation != Qt::Horizontal)
        return {};
    static const QStringList headers { QStringLiteral("Station"),
                                       QStringLiteral("Run"),
                                       QStringLiteral("Sample"),
                                       QStringLiteral("Kind"),
                                       QStringLiteral("n"),
                                       QStringLiteral("Mean \u00b5"),
                                       QStringLiteral("Std. deviation"),
                                       QStringLiteral("Std. error"),
                                       QStringLiteral("Weighted mean \u00b5"),
                                       QStringLiteral("\u00b1 weighted") };
    return headers.value(section);
}
