#include "summarytablemodel.h"

#include "frictioncalc.h"
#include "resultssession.h"

#include <QLocale>

#include <cmath>

SummaryTableModel::SummaryTableModel(ResultsSession &session, QObject *parent)
    : QAbstractTableModel(parent)
    , m_session(session)
{
    connect(&session, &ResultsSession::trialsReset, this, &SummaryTableModel::recount);
    connect(&session, &ResultsSession::trialsChanged, this, &SummaryTableModel::recount);
    connect(&session, &ResultsSession::trialsAppended, this, &SummaryTableModel::appended);
    recount();
}

void SummaryTableModel::recount()
{
    beginResetModel();
    m_summary = ResultsSummary();
    for (const Trial &trial : m_session.trials())
        m_summary.add(trial);
    endResetModel();
}

void SummaryTableModel::appended(int first, int last)
{
    const QList<Trial> &trials = m_session.trials();
    for (int i = first; i <= last; ++i) {
        const Trial &trial = trials.at(i);
        if (!trial.used())
            continue;
        if (m_summary.rowOf(trial) < 0) {
            const int row = int(m_summary.groups().size());
            beginInsertRows({}, row, row);
            m_summary.add(trial);
            endInsertRows();
        } else {
            const int row = m_summary.add(trial);
            emit dataChanged(index(row, Count), index(row, StandardError));
        }
    }
}

int SummaryTableModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(m_summary.groups().size());
}

int SummaryTableModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : ColumnCount;
}

QVariant SummaryTableModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || index.row() >= rowCount())
        return {};
    if (role == Qt::TextAlignmentRole) {
        return index.column() <= Kind ? QVariant(Qt::AlignLeft | Qt::AlignVCenter)
                                      : QVariant(Qt::AlignRight | Qt::AlignVCenter);
    }
    if (role != Qt::DisplayRole)
        return {};
    const SummaryGroup &group = m_summary.groups().at(index.row());
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
