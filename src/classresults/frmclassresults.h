#pragma once

// The Class Results room: every station's trials, live from the class server, with the summary
// of the Results window per station, run and sample. The window is thin: ClassFeed keeps it live,
// the two models hold what it shows, ClassResultsCsv writes the export.

#include "classserversettings.h"

#include <QDate>
#include <QWidget>

#include <memory>

QT_BEGIN_NAMESPACE
class QCheckBox;
class QDateEdit;
class QLabel;
class QLineEdit;
class QPushButton;
class QSortFilterProxyModel;
class QTableView;
class QTimer;
QT_END_NAMESPACE

class ClassConnection;
class ClassFeed;
class ClassSummaryModel;
class ClassTrialModel;
class DataFiles;
class FileDialogs;
class MessageBoxes;

// Tools > Class Results (F5), "Tiltbench - Class Results": the trials of every station the login
// may read, grouped by station, run and trial, a trial appearing within a second of its station's
// commit. Filters by date (today unless All dates is ticked) and by run name. Export CSV writes
// what is shown.
class frmClassResults : public QWidget
{
    Q_OBJECT

public:
    frmClassResults(std::unique_ptr<ClassConnection> connection,
                    const ClassServerSettings &settings, FileDialogs &fileDialogs, DataFiles &files,
                    MessageBoxes &messageBoxes, QDate today, QWidget *parent = nullptr);
    ~frmClassResults() override;

    // The trials as the model holds them (for the wiring's and the benchmark's own checks).
    const ClassTrialModel &trials() const { return *m_trials; }

private:
    void buildControls();
    void applyFilter();
    void showState();
    void refreshSummary();
    void btnExportCsv_Click();

    std::unique_ptr<ClassConnection> m_connection;
    ClassServerSettings m_settings;
    FileDialogs &m_fileDialogs;
    DataFiles &m_files;
    MessageBoxes &m_messageBoxes;
    QDate m_today;
    ClassTrialModel *m_trials = nullptr;
    QSortFilterProxyModel *m_ordered = nullptr;
    ClassSummaryModel *m_summary = nullptr;
    ClassFeed *m_feed = nullptr;
    QTimer *m_typing = nullptr;
    QTimer *m_summaryPending = nullptr;

    QLabel *lblState = nullptr;
    QCheckBox *chkAllDates = nullptr;
    QDateEdit *dtpFrom = nullptr;
    QDateEdit *dtpTo = nullptr;
    QLineEdit *txtRunName = nullptr;
    QTableView *grdTrials = nullptr;
    QTableView *grdSummary = nullptr;
    QPushButton *btnExportCsv = nullptr;
};
