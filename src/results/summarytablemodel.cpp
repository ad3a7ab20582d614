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
        return Trial::kindText(group.kind);
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
    static const QStringList headings {
        QStringLiteral("Sample"),
        QStringLiteral("Kind"),
        QStringLiteral("n"),
        QStringLiteral("Mean \u00b5"),
        QStringLiteral("Std. deviation"),
        QStringLiteral("Std. error"),
        QStringLiteral("Weighted mean \u00b5"),
        QStringLiteral("\u00b1"),
        QStringLiteral("\u03c7\u00b2/\u03bd"),
        QStringLiteral("Note"),
    };
    return headings.value(column);
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
        return QStringLiteral(
            "The mean of \u00b5 with each trial weighted by 1/\u03b4\u00b5\u00b2: "
            "precise trials count more");
    case WeightedUncertainty:
        return QStringLiteral(
            "The uncertainty of the weighted mean, from the trials' \u03b4\u00b5");
    case ReducedChiSquare:
        return QStringLiteral("Reduced chi-square of the trials about the weighted mean: about 1 "
                              "when they scatter as their \u03b4\u00b5 say, well above 1 when they "
                              "scatter more");
    }
    return {};
}
