#include "summarytablemodel.h"

#include "frictioncalc.h"

#include <QLocale>

#include <cmath>

SummaryTableModel::SummaryTableModel(QObject *parent)
    : QAbstractTableModel(parent)
{
}

QString SummaryTableModel::key(const Trial &trial)
{
    return Trial::kindText(trial.measurement.kind) + QLatin1Char('\n') + trial.sample;
}

void SummaryTableModel::addWithoutSignals(const Trial &trial)
{
    const QString k = key(trial);
    auto found = m_rowOf.constFind(k);
    if (found == m_rowOf.cend()) {
        found = m_rowOf.insert(k, int(m_groups.size()));
        m_groups.append({ trial.sample, trial.measurement.kind, {} });
    }
    m_groups[*found].statistics.add(trial.mu);
}

void SummaryTableModel::add(const Trial &trial)
{
    const auto found = m_rowOf.constFind(key(trial));
    if (found == m_rowOf.cend()) {
        const int row = int(m_groups.size());
        beginInsertRows({}, row, row);
        addWithoutSignals(trial);
        endInsertRows();
        return;
    }
    addWithoutSignals(trial);
    emit dataChanged(index(*found, Count), index(*found, StandardError));
}

void SummaryTableModel::recount(const QList<Trial> &trials)
{
    beginResetModel();
    m_groups.clear();
    m_rowOf.clear();
    for (const Trial &trial : trials)
        addWithoutSignals(trial);
    endResetModel();
}

int SummaryTableModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(m_groups.size());
}

int SummaryTableModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : ColumnCount;
}

QVariant SummaryTableModel::data(const QModelIndex &index, int role) const
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
    // The spread of a handful of trials is often below a thousandth: one more decimal shows it.
    const auto spread = [](double value) {
        return std::isnan(value) ? QString() : QLocale().toString(value, 'f', 4);
    };
    switch (index.column()) {
    case Sample:
        return group.sample;
    case Kind:
        return Trial::kindText(group.kind);
    case Count:
        return s.count();
    case Mean:
        return FrictionCalc::format(s.mean());
    case StandardDeviation:
        return spread(s.standardDeviation());
    case StandardError:
        return spread(s.standardError());
    }
    return {};
}

QVariant SummaryTableModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (role != Qt::DisplayRole || orientation != Qt::Horizontal)
        return {};
    static const QStringList headers { QStringLiteral("Sample"),
                                       QStringLiteral("Kind"),
                                       QStringLiteral("n"),
                                       QStringLiteral("Mean \u00b5"),
                                       QStringLiteral("Std. deviation"),
                                       QStringLiteral("Std. error") };
    return headers.value(section);
}
