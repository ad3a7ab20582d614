#include "classtrialmodel.h"

#include "frictioncalc.h"
#include "resultsdisplay.h"

#include <QBrush>
#include <QLocale>
#include <QPalette>

namespace {

// The user's decimal mark, no digit grouping, and as many decimals as the Results window gives the
// same quantity, so that a bench's numbers read the same in both windows.
QString number(const std::optional<double> &value, int decimals)
{
    return value ? ResultsDisplay::number(*value, decimals) : QString();
}

} // namespace

ClassTrialModel::ClassTrialModel(QObject *parent)
    : QAbstractTableModel(parent)
{
}

QString ClassTrialModel::orderKey(const ClassResult &result)
{
    // Zero-padded numbers compare as texts in numeric order.
    return result.station + QChar(1)
        + QStringLiteral("%1").arg(result.run.startedUtc.toMSecsSinceEpoch(), 15, 10, QChar(u'0'))
        + QChar(1) + result.run.uuid + QChar(1)
        + QStringLiteral("%1").arg(result.trial.seq, 10, 10, QChar(u'0'));
}

void ClassTrialModel::reset(const QList<ClassResult> &results)
{
    beginResetModel();
    m_results = results;
    m_order.clear();
    m_rowOf.clear();
    m_order.reserve(results.size());
    for (int row = 0; row < m_results.size(); ++row) {
        m_order << orderKey(m_results.at(row));
        m_rowOf.insert(m_results.at(row).trial.uuid, row);
    }
    endResetModel();
}

void ClassTrialModel::upsert(const QList<ClassResult> &results)
{
    QList<ClassResult> added;
    for (const ClassResult &result : results) {
        const auto found = m_rowOf.constFind(result.trial.uuid);
        if (found == m_rowOf.cend()) {
            added << result;
            continue;
        }
        m_results[*found] = result;
        emit dataChanged(index(*found, 0), index(*found, ColumnCount - 1));
    }
    if (added.isEmpty())
        return;
    const int first = int(m_results.size());
    beginInsertRows({}, first, first + int(added.size()) - 1);
    for (const ClassResult &result : std::as_const(added)) {
        m_rowOf.insert(result.trial.uuid, int(m_results.size()));
        m_order << orderKey(result);
        m_results << result;
    }
    endInsertRows();
}

int ClassTrialModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(m_results.size());
}

int ClassTrialModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : ColumnCount;
}

QString ClassTrialModel::text(int row, int column) const
{
    const ClassResult &result = m_results.at(row);
    const ClassTrial &trial = result.trial;
    switch (column) {
    case Station:
        return result.station;
    case Run:
        return result.run.name;
    case Number:
        return QString::number(trial.seq);
    case Time:
        return trial.timeUtc.toLocalTime().toString(QStringLiteral("yyyy-MM-dd HH:mm:ss"));
    case Sample:
        return trial.sample;
    case Kind:
        return trial.kind == ClassTrial::Kind::Static ? tr("Static") : tr("Kinetic");
    case Angle:
        return number(trial.angleDeg, ResultsDisplay::kAngleDecimals);
    case Length:
        return number(trial.lengthCm, ResultsDisplay::kLengthDecimals);
    case DeltaT:
        return number(trial.deltaTMs, ResultsDisplay::kDeltaTDecimals);
    case Gravity:
        return number(trial.gMs2, ResultsDisplay::kGravityDecimals);
    case Mu:
        return FrictionCalc::format(trial.mu, ResultsDisplay::locale());
    case MuUncertainty:
        return FrictionCalc::format(trial.muUncertainty, ResultsDisplay::locale());
    case Use:
        return trial.excluded ? tr("no") : tr("yes");
    case Note:
        return trial.note;
    }
    return {};
}

QVariant ClassTrialModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || index.row() >= m_results.size())
        return {};
    const ClassTrial &trial = m_results.at(index.row()).trial;
    switch (role) {
    case Qt::DisplayRole:
        return text(index.row(), index.column());
    case kOrderRole:
        return m_order.at(index.row());
    case Qt::ToolTipRole:
        if (index.column() == Time)
            return QLocale().toString(trial.timeUtc.toLocalTime(), QLocale::LongFormat);
        // A long note is cut short in its cell.
        if (index.column() == Note && !trial.note.isEmpty())
            return trial.note;
        if (index.column() == Use && trial.excluded)
            return tr("Left out of the summary at its station");
        return {};
    case Qt::ForegroundRole:
        // An excluded trial stays in the list, greyed, as at its bench.
        if (trial.excluded)
            return QPalette().brush(QPalette::Disabled, QPalette::Text);
        return {};
    case Qt::TextAlignmentRole:
        if (index.column() >= Angle && index.column() <= MuUncertainty)
            return QVariant(Qt::AlignRight | Qt::AlignVCenter);
        return QVariant(Qt::AlignLeft | Qt::AlignVCenter);
    }
    return {};
}

QVariant ClassTrialModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (role != Qt::DisplayRole || orientation != Qt::Horizontal)
        return {};
    // Made on each call rather than kept, so that they follow the language installed.
    switch (section) {
    case Station:
        return tr("Station");
    case Run:
        return tr("Run");
    case Number:
        return QStringLiteral("#");
    case Time:
        return tr("Time");
    case Sample:
        return tr("Sample");
    case Kind:
        return tr("Kind");
    case Angle:
        return tr("Angle (degrees)");
    case Length:
        return tr("Length (cm)");
    case DeltaT:
        return tr("delta T (ms)");
    case Gravity:
        return tr("g (m/s^2)");
    case Mu:
        return QStringLiteral("\u00b5");
    case MuUncertainty:
        return QStringLiteral("\u00b1 \u03b4\u00b5");
    case Use:
        return tr("Use");
    case Note:
        return tr("Note");
    }
    return {};
}
