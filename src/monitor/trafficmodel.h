#pragma once

#include "trafficformat.h"
#include "trafficrecorder.h"

#include <QAbstractListModel>

#include <deque>
#include <optional>
#include <vector>

// The rows the serial monitor shows: the recorder's entries as of the last refresh, those of the
// kinds shown, one row each, or one per 16 bytes in a hex dump. Rows are formatted only when the
// view asks for them, so only the visible ones cost anything, and the model keeps no copy of the
// traffic. Frozen, it takes one, so that a paused view keeps its rows while the recorder goes on
// and drops old ones; the kinds shown and the formats may still change while frozen.
class TrafficModel : public QAbstractListModel
{
    Q_OBJECT

public:
    // The kind of a row's entry, a TrafficEntry::Kind, for the view's colours.
    static constexpr int KindRole = Qt::UserRole;

    enum Shown { Sent = 1, Received = 2, PortEvents = 4, All = 7 };

    explicit TrafficModel(const TrafficRecorder &recorder, QObject *parent = nullptr);

    int rowCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role) const override;

    // Catches up with the recorder: drops the rows it no longer has, adds the new ones. Does
    // nothing while frozen.
    void refresh();

    void setFrozen(bool frozen);
    void setHex(bool hex);
    void setTimeMode(TrafficFormat::TimeMode mode);
    // A combination of Shown.
    void setShown(int kinds);
    const TrafficFormat::Options &options() const { return m_options; }

    // A row as the view shows it; empty for a row whose entry the recorder has dropped since the
    // last refresh.
    QString rowText(int row) const;
    // Every row as a file takes it: as the view shows it, but with the times' numbers as C writes
    // them, whatever the user's language.
    QStringList lines() const;

    // The next row after `from` (or before it, going back) that holds `text`, ignoring case, going
    // round past the end; `from` itself comes last. -1 for no row at all.
    int find(const QString &text, int from, bool forward) const;

private:
    struct Line
    {
        quint64 serial;
        // Rows are counted over the model's life, so that dropping lines from the front leaves
        // the others' numbers as they are.
        quint64 firstRow;
    };

    QString rowText(int row, const TrafficFormat::Options &options) const;
    bool isShown(TrafficEntry::Kind kind) const;
    // Where the entries come from: the recorder, or the copy taken when frozen.
    quint64 sourceFirst() const;
    quint64 sourceEnd() const;
    TrafficEntry::Kind kindOf(quint64 serial) const;
    qsizetype byteCountOf(quint64 serial) const;
    std::optional<TrafficEntry> entryOf(quint64 serial) const;
    // The line holding `row`, as an index into m_lines.
    qsizetype lineOf(int row) const;
    // Lays the rows out again from everything in the source.
    void rebuild();
    // The lines of the entries from `from` to `end` that are shown, their rows counted on from
    // *rowEnd.
    std::vector<Line> linesFor(quint64 from, quint64 end, quint64 *rowEnd) const;

    const TrafficRecorder &m_recorder;
    std::deque<Line> m_lines;
    quint64 m_rowEnd = 0;
    // The serial number of the first entry the model has not looked at yet.
    quint64 m_scanned = 0;
    TrafficFormat::Options m_options;
    int m_shown = All;
    bool m_frozen = false;
    quint64 m_frozenFirst = 0;
    std::vector<TrafficEntry> m_frozenEntries;
};
