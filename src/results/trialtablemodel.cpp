#include "trialtablemodel.h"

#include "frictioncalc.h"
#include "resultsmessages.h"
#include "resultssession.h"

#include <QColor>
#include <QFont>
#include <QLocale>

#include <algorithm>
#include <cmath>

namespace {

QString number(double value, bool exact)
{
    if (std::isnan(value))
        return {};
    return QLocale().toString(value, 'g', exact ? QLocale::FloatingPointShortest : 6);
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
    m_spansDays = spansDays();
}

bool TrialTableModel::spansDays() const
{
    const QList<Trial> &trials = m_session.trials();
    if (trials.size() < 2)
        return false;
    const auto [first, last]
        = std::minmax_element(trials.cbegin(), trials.cend(),
                              [](const Trial &a, const Trial &b) { return a.time < b.time; });
    return first->time.toLocalTime().date() != last->time.toLocalTime().date();
}

void TrialTableModel::reset()
{
    beginResetModel();
    m_rows = int(m_session.trials().size());
    m_spansDays = spansDays();
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
    const Trial &trial = m_session.trials().at(row);
    const FrictionTrial &m = trial.measurement;
    switch (column) {
    case Use:
        return trial.used() ? QStringLiteral("yes") : QStringLiteral("no");
    case Number:
        if (trial.saved == Trial::Saved::New)
            return QStringLiteral("not saved");
        if (trial.saved == Trial::Saved::Changed)
            return QStringLiteral("%1, not saved").arg(trial.number);
        return QString::number(trial.number);
    case Time:
        return trial.time.toLocalTime().toString(m_spansDays || exact
                                                     ? QStringLiteral("yyyy-MM-dd HH:mm:ss")
                                                     : QStringLiteral("HH:mm:ss"));
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
        return exact ? number(trial.muUncertainty, true)
                     : FrictionCalc::format(trial.muUncertainty);
    case Note:
        return trial.note;
    }
    return {};
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
    case Qt::ToolTipRole:
        if (column == Time)
            return trial.time.toLocalTime().toString(QStringLiteral("yyyy-MM-dd HH:mm:ss.zzz t"));
        if (column == Number && trial.saved != Trial::Saved::Yes)
            return ResultsMessages::notSavedTip(m_session.saveError());
        if (column == Use)
            return trial.used() ? QStringLiteral("Used in the summary and the plot")
                                : QStringLiteral("Left out of the summary and the plot");
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
    static const QStringList headers {
        QStringLiteral("Use"),
        QStringLiteral("#"),
        QStringLiteral("Time"),
        QStringLiteral("Sample"),
        QStringLiteral("Kind"),
        QStringLiteral("Angle (degrees)"),
        QStringLiteral("Length (cm)"),
        QStringLiteral("delta T (ms)"),
        QStringLiteral("g (m/s^2)"),
        QStringLiteral("\u00b5"),
        QStringLiteral("\u00b1 \u03b4\u00b5"),
        QStringLiteral("Note"),
    };
    return headers.value(section);
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
