#pragma once

#include "resultsstore.h"

#include <QWidget>

#include <optional>

QT_BEGIN_NAMESPACE
class QDoubleSpinBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTabWidget;
class QTableView;
class QVBoxLayout;
QT_END_NAMESPACE

class DataFiles;
class FileDialogs;
class MessageBoxes;
class ResultsSession;
class SummaryTableModel;
class TrialPlot;
class TrialTableModel;

// The "Tiltbench - Results" window: the open run's trials with their uncertainties, the summary
// per sample and kind of the used trials, and the plot. A thin view of the ResultsSession, which
// outlives it: closing the window loses nothing. Space toggles the Use box of the selected trials,
// Delete removes them after a question, Ctrl+C copies them for a spreadsheet, Ctrl+N starts a new
// run, Esc closes the window (asking first while trials are unsaved).
class frmResults : public QWidget
{
    Q_OBJECT

public:
    frmResults(ResultsSession &session, MessageBoxes &messageBoxes, FileDialogs &fileDialogs,
               DataFiles &files, QWidget *parent = nullptr);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    void buildControls();
    void uncertaintyChanged();
    void showNote();
    void showRun();
    void showSaveState();

    void btnNewRun_Click();
    void btnRuns_Click();
    void btnApplyAll_Click();
    void btnRetry_Click();
    void btnOpenCsv_Click();
    void btnExportCsv_Click();
    void btnClear_Click();
    void btnSavePlot_Click();
    void tabResults_CurrentChanged(int index);

    void toggleSelectedRows();
    void deleteSelectedRows();
    void copySelectedRows();
    QList<int> selectedRows() const;
    void refreshPlotSoon();
    void refreshPlot();
    void reportStoreError(const std::optional<StoreError> &error);
    void reportFileError(const QString &what, const QString &path, const QString &cause);

    ResultsSession &m_session;
    MessageBoxes &m_messageBoxes;
    FileDialogs &m_fileDialogs;
    DataFiles &m_files;
    TrialTableModel *m_trials = nullptr;
    SummaryTableModel *m_summary = nullptr;
    bool m_plotRefreshPending = false;
    // Set while the run's values are put into the fields, so that they are not written back.
    bool m_showingRun = false;

    QLabel *lblNote = nullptr;
    QLabel *lblRunName = nullptr;
    QPushButton *btnNewRun = nullptr;
    QPushButton *btnRuns = nullptr;
    QLineEdit *txtSample = nullptr;
    QDoubleSpinBox *spnAngleUncertainty = nullptr;
    QDoubleSpinBox *spnLengthUncertainty = nullptr;
    QDoubleSpinBox *spnTimeUncertainty = nullptr;
    QPushButton *btnApplyAll = nullptr;
    QLabel *lblUnsaved = nullptr;
    QPushButton *btnRetry = nullptr;
    QTabWidget *tabResults = nullptr;
    QTableView *grdTrials = nullptr;
    QTableView *grdSummary = nullptr;
    QPushButton *btnOpenCsv = nullptr;
    QPushButton *btnExportCsv = nullptr;
    QPushButton *btnClear = nullptr;
    QWidget *framePlot = nullptr;
    QVBoxLayout *m_plotLayout = nullptr;
    QLabel *lblPlotMissing = nullptr;
    TrialPlot *m_plot = nullptr;
    QPushButton *btnSavePlot = nullptr;
};
