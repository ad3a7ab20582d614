#pragma once

#include <QTimer>
#include <QWidget>

QT_BEGIN_NAMESPACE
class QAction;
class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QListView;
class QPushButton;
QT_END_NAMESPACE

class DataFiles;
class FileDialogs;
struct FileError;
class MessageBoxes;
class TrafficLineDelegate;
class TrafficLog;
class TrafficModel;
class TrafficRecorder;

// The "Tiltbench - Serial Monitor" window: the traffic of the serial line, one row per write,
// received line or port event (or per 16 bytes of a hex dump), newest at the bottom, in the colour
// of its kind.
//
// A thin view over the TrafficRecorder, which records from start-up whether the window is open or
// not, and over the TrafficLog, which writes it to a file while it runs. The view catches up with
// the recorder at most about 30 times a second however fast the traffic comes, and not at all
// while Pause is checked. The find bar (Ctrl+F; F3 and Shift+F3 for the next and previous match),
// the kinds shown, the time column and the hex dump all work on the rows as TrafficModel makes
// them; Ctrl+C copies the selected rows as shown. Modeless; whoever opens it decides its lifetime.
class frmSerialMonitor : public QWidget
{
    Q_OBJECT

public:
    static constexpr int kRefreshMs = 33;

    frmSerialMonitor(TrafficRecorder &recorder, TrafficLog &log, FileDialogs &fileDialogs,
                     DataFiles &files, MessageBoxes &messageBoxes, QWidget *parent = nullptr);

    // What the operator is told when the log stops because its file failed.
    static QString logFailedText(const FileError &error);

protected:
    void resizeEvent(QResizeEvent *event) override;

private:
    void createControls();
    void createActions();
    void recorderChanged();
    void refreshView();
    void showLogState();
    // The kinds the three check boxes show, as TrafficModel::Shown.
    int shownKinds() const;
    // Selects the next (or previous) row holding the find text, from the current row.
    void findFrom(bool forward, bool includeCurrent);

    void chkHex_Click();
    void chkPause_Click();
    void chkShow_Click();
    void cboTime_Change();
    void btnClear_Click();
    void btnSave_Click();
    void btnLog_Click();
    void txtFind_Change();
    void actCopy_Trigger();
    void actFind_Trigger();
    void actFindNext_Trigger();
    void actFindPrevious_Trigger();
    void btnFindClose_Click();
    void escape();

    TrafficRecorder &m_recorder;
    TrafficLog &m_log;
    FileDialogs &m_fileDialogs;
    DataFiles &m_files;
    MessageBoxes &m_messageBoxes;
    TrafficModel *m_model = nullptr;
    TrafficLineDelegate *m_delegate = nullptr;
    QTimer m_refresh;

    QListView *lstTraffic = nullptr;
    QWidget *fraFind = nullptr;
    QLabel *lblFind = nullptr;
    QLineEdit *txtFind = nullptr;
    QPushButton *btnFindPrevious = nullptr;
    QPushButton *btnFindNext = nullptr;
    QLabel *lblFindState = nullptr;
    QPushButton *btnFindClose = nullptr;
    QLabel *lblShow = nullptr;
    QCheckBox *chkShowTx = nullptr;
    QCheckBox *chkShowRx = nullptr;
    QCheckBox *chkShowPort = nullptr;
    QCheckBox *chkHex = nullptr;
    QLabel *lblTime = nullptr;
    QComboBox *cboTime = nullptr;
    QCheckBox *chkPause = nullptr;
    QLabel *lblLog = nullptr;
    QPushButton *btnClear = nullptr;
    QPushButton *btnLog = nullptr;
    QPushButton *btnSave = nullptr;
    QAction *actCopy = nullptr;
    QAction *actSelectAll = nullptr;
    QAction *actFind = nullptr;
    QAction *actFindNext = nullptr;
    QAction *actFindPrevious = nullptr;
};
