#pragma once

#include "datafiles.h"
#include "journal.h"
#include "plotdata.h"
#include "summarytablemodel.h"
#include "trialtablemodel.h"

#include <QObject>

#include <functional>
#include <memory>
#include <variant>

// The kept trials of the day and what goes with them: the table and summary models, the current
// sample name, the uncertainties, the journal on the disk, export and import. It lives for the
// whole run, whether or not the Results window is open, so that no calculation goes unrecorded.
// File troubles come back as FileError values; the window and the wiring decide how to tell.
//
// Overview of the results code: Trial and TrialCsv are the record and its file format; Journal
// keeps the day's file; UncertaintyPropagation and RunningStatistics hold the arithmetic; the two
// table models feed the views; PlotSvg draws the plot without widgets. The window and the chart
// module sit on top and hold no state of their own.
class ResultsSession : public QObject
{
    Q_OBJECT

public:
    using Clock = std::function<QDateTime()>;
    using Opened = std::variant<qsizetype, TrialCsv::Fault, FileError>;

    explicit ResultsSession(DataFiles &files, Clock clock = {}, QObject *parent = nullptr);
    ~ResultsSession() override;

    TrialTableModel &trials();
    SummaryTableModel &summary();
    QString journalPath();

    // What the window should tell about the journal it found (skipped records, a file it could
    // not read); empty when there is nothing to tell.
    QString note();

    QString sample() const { return m_sample; }
    void setSample(const QString &sample) { m_sample = sample; }
    void setUncertainties(const Uncertainties &uncertainties);

    // Records the trial in the journal, then shows it. It is shown even when the journal fails,
    // and the error says so.
    std::optional<FileError> addTrial(const FrictionTrial &measurement);
    std::optional<FileError> removeRows(QList<int> rows);
    std::optional<FileError> clear();

    // Reads a CSV file in the export format and adds its trials after the day's, numbered on; a
    // file with any fault adds nothing. Returns the number of trials added.
    Opened openCsv(const QString &path);
    std::optional<FileError> exportCsv(const QString &path);

    // The rows as tab-separated text with a header line, numbers at full precision.
    QString copyText(QList<int> rows);
    PlotData plotData();

signals:
    void noteChanged();
    // A journal write that no caller waits for (a sample edited in the table) failed.
    void journalFailed(const FileError &error);

private:
    void load();
    std::function<double(const Trial &)> uncertaintyOf() const;
    std::optional<FileError> rewriteJournal();
    void sampleEdited();

    DataFiles &m_files;
    Clock m_clock;
    TrialTableModel m_trials;
    SummaryTableModel m_summary;
    std::unique_ptr<Journal> m_journal;
    QString m_sample;
    QString m_note;
    int m_lastNumber = 0;
};
