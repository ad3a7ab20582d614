#include "trialtablemodel.h"

#include "physicschecks.h"
#include "resultsdisplay.h"
#include "resultsmessages.h"
#include "resultssession.h"

#include <QColor>
#include <QFont>
#include <QLocale>

#include <algorithm>
#include <cmath>

namespace {

// The decimals each number column is shown with.
int decimalsOf(int column)
{
    switch (column) {
    case TrialTableModel::Angle:
        return ResultsDisplay::kAngleDecimals;
    case TrialTableModel::Length:
        return ResultsDisplay::kLengthDecimals;
    case TrialTableModel::DeltaT:
        return ResultsDisplay::kDeltaTDecimals;
    case TrialTableModel::Gravity:
        return ResultsDisplay::kGravityDecimals;
    case TrialTableModel::Mu:
    case TrialTableModel::MuUncertainty:
        return ResultsDisplay::kMuDecimals;
    }
    return -1;
}

double valueOf(const Trial &trial, int column)
{
    switch (column) {
    case TrialTableModel::Angle:
        return trial.measurement.angleDeg;
    case TrialTableModel::Length:
        return trial.measurement.lengthCm;
    case TrialTableModel::DeltaT:
        return trial.measurement.deltaTMs;
    case TrialTableModel::Gravity:
        return trial.measurement.gravity;
    case TrialTableModel::Mu:
        return trial.mu;
    case TrialTableModel::MuUncertainty:
        return trial.muUncertainty;
    }
    return std::nan("");
}

} // namespace

TrialTableModel::TrialTableModel(ResultsSession &session, QObject *parent)
    : QAbstractTableModel(parent)
    , m_session(session)
{
    connect(&session, &ResultsSession::trialsReset, this, &TrialTableModel::reset);
    connect(&session, &ResultsSession::trialsAppended, this, &TrialTableModel::appended);
    connect(&session, &ResultsSession::trialsChanged, this, &TrialTableModel::changed);
    connect(&session, &ResultsSession::saveStateChanged, this, [this] {
        // The "not saved" marks and their reasons.
        if (m_rows > 0)
            emit dataChanged(index(0, Number), index(m_rows - 1, Number));
    });
    m_rows = int(session.trials().size());
    m_spansDays = spansDays(m_session.trials());
}

void TrialTableModel::reset()
{
    beginResetModel();
    m_rows = int(m_session.trials().size());
    m_spansDays = spansDays(m_session.trials());
    endResetModel();
}

void TrialTableModel::appended(int first, int last)
{
    beginInsertRows({}, first, last);
    m_rows = int(m_session.trials().size());
    endInsertRows();
    const QList<Trial> &trials = m_session.trials();
    if (!m_spansDays && !trials.isEmpty()
        && trials.constFirst().time.toLocalTime().date()
            != trials.at(last).time.toLocalTime().date()) {
        m_spansDays = true;
        emit dataChanged(index(0, Time), index(m_rows - 1, Time));
    }
}

void TrialTableModel::changed(int first, int last)
{
    emit dataChanged(index(first, 0), index(last, ColumnCount - 1));
}

QString TrialTableModel::text(int row, int column, bool exact) const
{
    return text(m_session.trials().at(row), column, m_spansDays, exact);
}

QString TrialTableModel::text(const Trial &trial, int column, bool withDate, bool exact)
{
    const FrictionTrial &m = trial.measurement;
    switch (column) {
    case Use:
        return trial.used() ? tr("yes") : tr("no");
    case Number:
        if (trial.saved == Trial::Saved::New)
            return tr("not saved");
        if (trial.saved == Trial::Saved::Changed)
            return tr("%1, not saved").arg(trial.number);
        return QString::number(trial.number);
    case Time:
        return withDate || exact ? ResultsDisplay::dateTime(trial.time, QStringLiteral("HH:mm:ss"))
                                 : trial.time.toLocalTime().toString(QStringLiteral("HH:mm:ss"));
    case Sample:
        return trial.sample;
    case Kind:
        return Trial::kindName(m.kind);
    case Angle:
    case Length:
    case DeltaT:
    case Gravity:
    case Mu:
    case MuUncertainty:
        return exact ? ResultsDisplay::exact(valueOf(trial, column))
                     : ResultsDisplay::number(valueOf(trial, column), decimalsOf(column));
    case Note:
        return trial.note;
    }
    return {};
}

QString TrialTableModel::widestText(int column) const
{
    if (decimalsOf(column) < 0)
        return {};
    // The longest text is that of the largest magnitude, with a sign where any value is negative.
    double largest = 0.0;
    bool negative = false;
    for (const Trial &trial : m_session.trials()) {
        const double value = valueOf(trial, column);
        if (std::isnan(value))
            continue;
        largest = std::max(largest, std::abs(value));
        negative = negative || value < 0.0;
    }
    return (negative ? QStringLiteral("-") : QString())
        + ResultsDisplay::number(largest, decimalsOf(column));
}

QString TrialTableModel::heading(int column)
{
    static const char *const headings[] {
        QT_TR_NOOP("Use"),         QT_TR_NOOP("#"),
        QT_TR_NOOP("Time"),        QT_TR_NOOP("Sample"),
        QT_TR_NOOP("Kind"),        QT_TR_NOOP("Angle (degrees)"),
        QT_TR_NOOP("Length (cm)"), QT_TR_NOOP("delta T (ms)"),
        QT_TR_NOOP("g (m/s^2)"),   QT_TR_NOOP("µ"),
        QT_TR_NOOP("± δµ"),        QT_TR_NOOP("Note"),
    };
    return column >= 0 && column < ColumnCount ? tr(headings[column]) : QString();
}

bool TrialTableModel::spansDays(const QList<Trial> &trials)
{
    if (trials.size() < 2)
        return false;
    const auto [first, last]
        = std::minmax_element(trials.cbegin(), trials.cend(),
                              [](const Trial &a, const Trial &b) { return a.time < b.time; });
    return first->time.toLocalTime().date() != last->time.toLocalTime().date();
}

PhysicsChecks::Flags TrialTableModel::checks(const Trial &trial)
{
    return PhysicsChecks::ofTrial(trial.measurement.kind == FrictionTrial::Kind::Kinetic
                                      ? PhysicsChecks::Kind::Kinetic
                                      : PhysicsChecks::Kind::Static,
                                  trial.mu, trial.measurement.angleDeg);
}

QString TrialTableModel::copyText(QList<int> rows) const
{
    std::sort(rows.begin(), rows.end());
    QStringList lines;
    QStringList cells;
    for (int column = 0; column < ColumnCount; ++column)
        cells << headerData(column, Qt::Horizontal).toString();
    lines << cells.join(u'\t');
    for (int row : std::as_const(rows)) {
        cells.clear();
        for (int column = 0; column < ColumnCount; ++column) {
            QString text = this->text(row, column, true);
            // A tab or line end inside a cell would start a new cell or row in the spreadsheet.
            text.replace(u'\t', u' ').replace(u'\n', u' ').replace(u'\r', u' ');
            cells << text;
        }
        lines << cells.join(u'\t');
    }
    return lines.join(u'\n') + u'\n';
}

int TrialTableModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : m_rows;
}

int TrialTableModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : ColumnCount;
}

QVariant TrialTableModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || index.row() >= m_rows)
        return {};
    const Trial &trial = m_session.trials().at(index.row());
    const int column = index.column();
    switch (role) {
    case Qt::DisplayRole:
        return column == Use ? QVariant() : text(index.row(), column);
    case Qt::EditRole:
        if (column == Sample)
            return trial.sample;
        if (column == Note)
            return trial.note;
        return {};
    case Qt::CheckStateRole:
        if (column == Use)
            return trial.used() ? Qt::Checked : Qt::Unchecked;
        return {};
    case Qt::DecorationRole:
        if (column == Mu && checks(trial) != PhysicsChecks::None)
            return ResultsDisplay::warningIcon();
        return {};
    case Qt::ToolTipRole:
        if (decimalsOf(column) >= 0) {
            // The value as kept, every digit, and what a failed check means.
            QStringList tip { ResultsDisplay::exact(valueOf(trial, column)) };
            const PhysicsChecks::Flags failed = checks(trial);
            if (column == Mu ? failed != PhysicsChecks::None
                             : column == Angle && failed.testFlag(PhysicsChecks::SteepAngle))
                tip << PhysicsChecks::explanation(column == Mu ? failed
                                                               : PhysicsChecks::SteepAngle);
            tip.removeAll(QString());
            return tip.isEmpty() ? QVariant() : QVariant(tip.join(u'\n'));
        }
        if (column == Time)
            return ResultsDisplay::dateTime(trial.time, QStringLiteral("HH:mm:ss.zzz t"));
        if (column == Number && trial.saved != Trial::Saved::Yes)
            return ResultsMessages::notSavedTip(m_session.saveError());
        if (column == Use)
            return trial.used() ? tr("Used in the summary and the plot")
                                : tr("Left out of the summary and the plot");
        // A long sample or note is cut short in its cell: the whole of it here.
        if (column == Sample)
            return trial.sample;
        if (column == Note)
            return trial.note;
        return {};
    case Qt::ForegroundRole:
        if (!trial.used())
            return QColor(Qt::gray);
        return {};
    case Qt::FontRole:
        if (column == Number && trial.saved != Trial::Saved::Yes) {
            QFont font;
            font.setItalic(true);
            return font;
        }
        return {};
    case Qt::TextAlignmentRole:
        if (column == Sample || column == Kind || column == Note || column == Use)
            return QVariant(Qt::AlignLeft | Qt::AlignVCenter);
        return QVariant(Qt::AlignRight | Qt::AlignVCenter);
    }
    return {};
}

QVariant TrialTableModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (role != Qt::DisplayRole || orientation != Qt::Horizontal)
        return {};
    return heading(section);
}

Qt::ItemFlags TrialTableModel::flags(const QModelIndex &index) const
{
    Qt::ItemFlags flags = QAbstractTableModel::flags(index);
    if (index.column() == Use)
        flags |= Qt::ItemIsUserCheckable;
    if (index.column() == Sample || index.column() == Note)
        flags |= Qt::ItemIsEditable;
    return flags;
}

bool TrialTableModel::setData(const QModelIndex &index, const QVariant &value, int role)
{
    if (!index.isValid() || index.row() >= m_rows)
        return false;
    const Trial &trial = m_session.trials().at(index.row());
    if (index.column() == Use && role == Qt::CheckStateRole) {
        const bool used = value.toInt() == Qt::Checked;
        if (used != trial.used())
            m_session.setUsed({ index.row() }, used);
        return true;
    }
    if (role != Qt::EditRole)
        return false;
    if (index.column() == Sample && value.toString() != trial.sample) {
        m_session.setTrialSample(index.row(), value.toString());
        return true;
    }
    if (index.column() == Note && value.toString() != trial.note) {
        m_session.setNote(index.row(), value.toString());
        return true;
    }
    return index.column() == Sample || index.column() == Note;
}
