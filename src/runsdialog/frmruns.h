#pragma once

#include <QDialog>

QT_BEGIN_NAMESPACE
class QPushButton;
class QStandardItemModel;
class QTableView;
QT_END_NAMESPACE

class FileDialogs;
class MessageBoxes;
class ResultsSession;

// "Tiltbench - Runs": every run in the database with when it started, its number of trials and
// its last trial. Open (or Enter, or a double click) closes the dialog with the run chosen;
// Rename edits the name in place (F2 does too); Export CSV writes the run's trials.
class frmRuns : public QDialog
{
    Q_OBJECT

public:
    frmRuns(ResultsSession &session, MessageBoxes &messageBoxes, FileDialogs &fileDialogs,
            QWidget *parent = nullptr);

    // The run to open once the dialog was accepted.
    qint64 chosenRun() const { return m_chosen; }

private:
    void fill();
    qint64 currentRun() const;
    void btnOpenRun_Click();
    void btnRenameRun_Click();
    void btnExportRun_Click();
    void nameEdited(int row);

    ResultsSession &m_session;
    MessageBoxes &m_messageBoxes;
    FileDialogs &m_fileDialogs;
    qint64 m_chosen = 0;
    bool m_filling = false;

    QStandardItemModel *m_model = nullptr;
    QTableView *grdRuns = nullptr;
    QPushButton *btnOpenRun = nullptr;
    QPushButton *btnRenameRun = nullptr;
    QPushButton *btnExportRun = nullptr;
    QPushButton *btnCloseRuns = nullptr;
};
