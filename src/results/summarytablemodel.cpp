#include "summarytablemodel.h"

#include "resultsdisplay.h"
#include "resultssession.h"

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
    m_summary.settle();
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
            m_summary.add(trial);
        }
    }
    m_summary.settle();
    // A trial of one kind may mark or clear the other kind's row of the same sample too.
    if (rowCount() > 0)
        emit dataChanged(index(0, Count), index(rowCount() - 1, ColumnCount - 1));
}

QString SummaryTableModel::text(const SummaryGroup &group, int column)
{
    const RunningStatistics &s = group.statistics;
    switch (column) {
    case Sample:
        return group.sample;
    case Kind:
        return Trial::kindName(group.kind);
    case Count:
        return QString::number(s.count());
    case Mean:
        return ResultsDisplay::mu(s.mean());
    case StandardDeviation:
        return ResultsDisplay::mu(s.standardDeviation());
    case StandardError:
        return ResultsDisplay::mu(s.standardError());
    case WeightedMean:
        return group.weighted ? ResultsDisplay::mu(group.weighted->mean) : QString();
    case WeightedUncertainty:
        return group.weighted ? ResultsDisplay::mu(group.weighted->uncertainty) : QString();
    case ReducedChiSquare:
        if (const auto reduced = group.weighted ? group.weighted->reducedChiSquare() : std::nullopt)
            return ResultsDisplay::number(*reduced, ResultsDisplay::kReducedChiSquareDecimals);
        return {};
    case Note:
        return group.notes().join(u' ');
    }
    return {};
}

QString SummaryTableModel::heading(int column)
{
    static const char *const headings[] {
        QT_TR_NOOP("Sample"),
        QT_TR_NOOP("Kind"),
        QT_TR_NOOP("n"),
        QT_TR_NOOP("Mean µ"),
        QT_TR_NOOP("Std. deviation"),
        QT_TR_NOOP("Std. error"),
        QT_TR_NOOP("Weighted mean µ"),
        QT_TR_NOOP("±"),
        QT_TR_NOOP("χ²/ν"),
        QT_TR_NOOP("Note"),
    };
    return column >= 0 && column < ColumnCount ? tr(headings[column]) : QString();
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
    const SummaryGroup &group = m_summary.groups().at(index.row());
    switch (role) {
    case Qt::DisplayRole:
        return text(group, index.column());
    case Qt::TextAlignmentRole:
        return index.column() <= Kind || index.column() == Note
            ? QVariant(Qt::AlignLeft | Qt::AlignVCenter)
            : QVariant(Qt::AlignRight | Qt::AlignVCenter);
    case Qt::DecorationRole:
        if (index.column() == Note && group.kineticAboveStatic)
            return ResultsDisplay::warningIcon();
        return {};
    case Qt::ToolTipRole:
        if (index.column() == Note) {
            const QStringList tips = group.notes(true);
            return tips.isEmpty() ? QVariant() : QVariant(tips.join(u'\n'));
        }
        if (index.column() == Sample)
            return group.sample;
        return {};
    }
    return {};
}

QVariant SummaryTableModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal)
        return {};
    if (role == Qt::DisplayRole)
        return heading(section);
    if (role != Qt::ToolTipRole)
        return {};
    switch (section) {
    case WeightedMean:
        return tr("The mean of µ with each trial weighted by 1/δµ²: "
                  "precise trials count more");
    case WeightedUncertainty:
        return tr("The uncertainty of the weighted mean, from the trials' δµ");
    case ReducedChiSquare:
        return tr("Reduced chi-square of the trials about the weighted mean: about 1 "
                  "when they scatter as their δµ say, well above 1 when they "
                  "scatter more");
    }
    return {};
}
