#pragma once

#include <QWidget>

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
class TrialPlot;

// The "Tiltbench - Results" window: the day's trials with their uncertainties, the summary per
// sample and kind, and the plot. A thin view of the ResultsSession, which outlives it: closing the
// window loses nothing. Delete removes the selected trials, Ctrl+C copies them for a spreadsheet.
class frmResults : public QWidget
{
    Q_OBJECT

public:
    frmResults(ResultsSession &session, MessageBoxes &messageBoxes, FileDialogs &fileDialogs,
               DataFiles &files, QWidget *parent = nullptr);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void buildControls();
    void uncertaintyChanged();
    void showNote();

    void btnOpenCsv_Click();
    void btnExportCsv_Click();
    void btnClear_Click();
    void btnSavePlot_Click();
    void tabResults_CurrentChanged(int index);

    void deleteSelectedRows();
    void copySelectedRows();
    QList<int> selectedRows() const;
    void refreshPlotSoon();
    void refreshPlot();
    void reportFileError(const QString &what, const QString &path, const QString &cause);

    ResultsSession &m_session;
    MessageBoxes &m_messageBoxes;
    FileDialogs &m_fileDialogs;
    DataFiles &m_files;
    bool m_plotRefreshPending = false;

    QLabel *lblNote = nullptr;
    QLineEdit *txtSample = nullptr;
    QDoubleSpinBox *spnAngleUncertainty = nullptr;
    QDoubleSpinBox *spnLengthUncertainty = nullptr;
    QDoubleSpinBox *spnTimeUncertainty = nullptr;
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
