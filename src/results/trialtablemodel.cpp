#include "trialtablemodel.h"

#include "frictioncalc.h"

#include <QLocale>

#include <cmath>

namespace {

QString number(double value, bool exact)
{
    if (std::isnan(value))
        return {};
    return QLocale().toString(value, 'g', exact ? QLocale::FloatingPointShortest : 6);
}

} // namespace

TrialTableModel::TrialTableModel(QObject *parent)
    : QAbstractTableModel(parent)
{
}

double TrialTableModel::muUncertainty(const Trial &trial) const
{
    return UncertaintyPropagation::uncertainty(trial.measurement, m_uncertainties);
}

void TrialTableModel::append(const QList<Trial> &trials)
{
    if (trials.isEmpty())
        return;
    beginInsertRows({}, int(m_trials.size()), int(m_trials.size() + trials.size() - 1));
    m_trials.append(trials);
    endInsertRows();
}

void TrialTableModel::removeSortedRows(const QList<int> &descendingRows)
{
    // Each run of neighbouring rows goes at once: a row at a time, deleting a whole day would
    // shift the list and tell the view once per row.
    for (qsizetype i = 0; i < descendingRows.size();) {
        const int last = descendingRows[i];
        int first = last;
        while (++i < descendingRows.size() && descendingRows[i] == first - 1)
            --first;
        beginRemoveRows({}, first, last);
        m_trials.remove(first, last - first + 1);
        endRemoveRows();
    }
}

void TrialTableModel::reset(const QList<Trial> &trials)
{
    beginResetModel();
    m_trials = trials;
    endResetModel();
}

void TrialTableModel::setUncertainties(const Uncertainties &uncertainties)
{
    m_uncertainties = uncertainties;
    if (!m_trials.isEmpty())
        emit dataChanged(index(0, MuUncertainty), index(rowCount() - 1, MuUncertainty));
}

QString TrialTableModel::text(int row, int column, bool exact) const
{
    const Trial &trial = m_trials.at(row);
    const FrictionTrial &m = trial.measurement;
    switch (column) {
    case Number:
        return QString::number(trial.number);
    case Time:
        return trial.time.toLocalTime().toString(QStringLiteral("HH:mm:ss"));
    case Sample:
        return trial.sample;
    case Kind:
        return Trial::kindText(m.kind);
    case Angle:
        return number(m.angleDeg, exact);
    case Length:
        return number(m.lengthCm, exact);
    case DeltaT:
        return number(m.deltaTMs, exact);
    case Gravity:
        return number(m.gravity, exact);
    case Mu:
        return exact ? number(trial.mu, true) : FrictionCalc::format(trial.mu);
    case MuUncertainty:
        return exact ? number(muUncertainty(trial), true)
                     : FrictionCalc::format(muUncertainty(trial));
    }
    return {};
}

int TrialTableModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(m_trials.size());
}

int TrialTableModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : ColumnCount;
}

QVariant TrialTableModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || index.row() >= m_trials.size())
        return {};
    switch (role) {
    case Qt::DisplayRole:
        return text(index.row(), index.column());
    case Qt::EditRole:
        return index.column() == Sample ? QVariant(m_trials.at(index.row()).sample) : QVariant();
    case Qt::TextAlignmentRole:
        if (index.column() == Sample || index.column() == Kind)
            return QVariant(Qt::AlignLeft | Qt::AlignVCenter);
        return QVariant(Qt::AlignRight | Qt::AlignVCenter);
    }
    return {};
}

QVariant TrialTableModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (role != Qt::DisplayRole)
        return {};
    if (orientation == Qt::Vertical)
        return {};
    static const QStringList headers { QStringLiteral("#"),
                                       QStringLiteral("Time"),
                                       QStringLiteral("Sample"),
                                       QStringLiteral("Kind"),
                                       QStringLiteral("Angle (degrees)"),
                                       QStringLiteral("Length (cm)"),
                                       QStringLiteral("delta T (ms)"),
                                       QStringLiteral("g (m/s^2)"),
                                       QStringLiteral("\u00b5"),
                                       QStringLiteral("\u00b1 \u03b4\u00b5") };
    return headers.value(section);
}

Qt::ItemFlags TrialTableModel::flags(const QModelIndex &index) const
{
    Qt::ItemFlags flags = QAbstractTableModel::flags(index);
    if (index.column() == Sample)
        flags |= Qt::ItemIsEditable;
    return flags;
}

bool TrialTableModel::setData(const QModelIndex &index, const QVariant &value, int role)
{
    if (role != Qt::EditRole || index.column() != Sample || index.row() >= m_trials.size())
        return false;
    QString &sample = m_trials[index.row()].sample;
    if (sample == value.toString())
        return true;
    sample = value.toString();
    emit dataChanged(index, index);
    emit sampleEdited(index.row());
    return true;
}
