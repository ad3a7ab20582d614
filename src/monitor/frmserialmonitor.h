#pragma once

#include <QTimer>
#include <QWidget>

QT_BEGIN_NAMESPACE
class QCheckBox;
class QListView;
class QPushButton;
QT_END_NAMESPACE

class MessageBoxes;
class DataFiles;
class FileDialogs;
class TrafficModel;
class TrafficRecorder;

// The "Tiltbench - Serial Monitor" window: the traffic of the serial line, one line per write,
// received line or port event, newest at the bottom.
//
// A thin view over the TrafficRecorder, which records from start-up whether the window is open or
// not. The view catches up with the recorder at most about 30 times a second however fast the
// traffic comes, and not at all while Pause is checked. Modeless; whoever opens it decides its
// lifetime.
class frmSerialMonitor : public QWidget
{
    Q_OBJECT

public:
    static constexpr int kRefreshMs = 33;

    frmSerialMonitor(TrafficRecorder &recorder, FileDialogs &fileDialogs, DataFiles &files,
                     MessageBoxes &messageBoxes, QWidget *parent = nullptr);

private:
    void createControls();
    void recorderChanged();
    void refreshView();

    void chkHex_Click();
    void chkPause_Click();
    void btnClear_Click();
    void btnSave_Click();

    TrafficRecorder &m_recorder;
    FileDialogs &m_fileDialogs;
    DataFiles &m_files;
    MessageBoxes &m_messageBoxes;
    TrafficModel *m_model = nullptr;
    QTimer m_refresh;

    QListView *lstTraffic = nullptr;
    QCheckBox *chkHex = nullptr;
    QCheckBox *chkPause = nullptr;
    QPushButton *btnClear = nullptr;
    QPushButton *btnSave = nullptr;
};
