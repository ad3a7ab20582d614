#include "frmserialmonitor.h"

#include "appinfo.h"
#include "datafiles.h"
#include "filedialogs.h"
#include "messageboxes.h"
#include "trafficlinedelegate.h"
#include "trafficmodel.h"
#include "trafficrecorder.h"
#include "twipslayout.h"

#include <QCheckBox>
#include <QDateTime>
#include <QFontDatabase>
#include <QHBoxLayout>
#include <QListView>
#include <QPushButton>
#include <QScrollBar>
#include <QShortcut>
#include <QVBoxLayout>

namespace {

// A first size that shows some 25 lines of a move and its answers.
constexpr int kWidthTwips = 9000;
constexpr int kHeightTwips = 6000;

} // namespace

frmSerialMonitor::frmSerialMonitor(TrafficRecorder &recorder, FileDialogs &fileDialogs,
                                   DataFiles &files, MessageBoxes &messageBoxes, QWidget *parent)
    : QWidget(parent)
    , m_recorder(recorder)
    , m_fileDialogs(fileDialogs)
    , m_files(files)
    , m_messageBoxes(messageBoxes)
    , m_model(new TrafficModel(recorder, this))
{
    setObjectName(QStringLiteral("frmSerialMonitor"));
    setWindowTitle(AppInfo::title() + QStringLiteral(" - Serial Monitor"));
    setWindowIcon(AppInfo::windowIcon());
    createControls();

    m_refresh.setSingleShot(true);
    m_refresh.setInterval(kRefreshMs);
    connect(&m_refresh, &QTimer::timeout, this, &frmSerialMonitor::refreshView);
    connect(&m_recorder, &TrafficRecorder::changed, this, &frmSerialMonitor::recorderChanged);
    connect(chkHex, &QCheckBox::clicked, this, &frmSerialMonitor::chkHex_Click);
    connect(chkPause, &QCheckBox::clicked, this, &frmSerialMonitor::chkPause_Click);
    connect(btnClear, &QPushButton::clicked, this, &frmSerialMonitor::btnClear_Click);
    connect(btnSave, &QPushButton::clicked, this, &frmSerialMonitor::btnSave_Click);
    auto *closeKey = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    connect(closeKey, &QShortcut::activated, this, &QWidget::close);

    // What was recorded before the window opened.
    refreshView();
}

void frmSerialMonitor::createControls()
{
    resize(TwipsLayout::toPixels(kWidthTwips, kHeightTwips));

    lstTraffic = new QListView(this);
    lstTraffic->setObjectName(QStringLiteral("lstTraffic"));
    lstTraffic->setModel(m_model);
    lstTraffic->setItemDelegate(new TrafficLineDelegate(lstTraffic));
    // Every line is one text line: the view need not measure each to lay them out.
    lstTraffic->setUniformItemSizes(true);
    lstTraffic->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    lstTraffic->setSelectionMode(QAbstractItemView::SingleSelection);
    lstTraffic->setEditTriggers(QAbstractItemView::NoEditTriggers);
    // Columns of times and of hexadecimal pairs line up only in a fixed-pitch font.
    lstTraffic->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    lstTraffic->setAccessibleName(QStringLiteral("Serial traffic"));
    lstTraffic->setAccessibleDescription(
        QStringLiteral("One line per write (TX), received line (RX) or port event, with its time"));

    chkHex = new QCheckBox(QStringLiteral("Hex"), this);
    chkHex->setObjectName(QStringLiteral("chkHex"));
    chkHex->setToolTip(QStringLiteral("Show the bytes as hexadecimal instead of text"));
    chkPause = new QCheckBox(QStringLiteral("Pause"), this);
    chkPause->setObjectName(QStringLiteral("chkPause"));
    chkPause->setToolTip(QStringLiteral("Freeze the view; recording goes on"));
    btnClear = new QPushButton(QStringLiteral("Clear"), this);
    btnClear->setObjectName(QStringLiteral("btnClear"));
    btnClear->setToolTip(QStringLiteral("Forget the traffic recorded so far"));
    btnSave = new QPushButton(QStringLiteral("Save..."), this);
    btnSave->setObjectName(QStringLiteral("btnSave"));
    btnSave->setToolTip(QStringLiteral("Save the lines shown as a text file (Ctrl+S)"));
    btnSave->setShortcut(QKeySequence::Save);
    for (QPushButton *button : { btnClear, btnSave })
        button->setAutoDefault(true);

    // Unlike the fixed windows of the design, the monitor is sizable: its list takes the room.
    auto *buttons = new QHBoxLayout;
    buttons->addWidget(chkHex);
    buttons->addWidget(chkPause);
    buttons->addStretch(1);
    buttons->addWidget(btnClear);
    buttons->addWidget(btnSave);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(lstTraffic, 1);
    layout->addLayout(buttons);

    setTabOrder(lstTraffic, chkHex);
    setTabOrder(chkHex, chkPause);
    setTabOrder(chkPause, btnClear);
    setTabOrder(btnClear, btnSave);
}

void frmSerialMonitor::recorderChanged()
{
    // However often the recorder changes, the view follows at most once per interval.
    if (!chkPause->isChecked() && !m_refresh.isActive())
        m_refresh.start();
}

void frmSerialMonitor::refreshView()
{
    QScrollBar *bar = lstTraffic->verticalScrollBar();
    // Follow the newest line unless the operator has scrolled up to read.
    const bool atBottom = bar->value() == bar->maximum();
    m_model->refresh();
    if (atBottom)
        lstTraffic->scrollToBottom();
}

void frmSerialMonitor::chkHex_Click()
{
    m_model->setHex(chkHex->isChecked());
}

void frmSerialMonitor::chkPause_Click()
{
    const bool paused = chkPause->isChecked();
    if (paused)
        m_refresh.stop();
    m_model->setFrozen(paused);
    if (!paused)
        refreshView();
}

void frmSerialMonitor::btnClear_Click()
{
    m_recorder.clear();
    // Paused or not, the cleared lines go.
    m_refresh.stop();
    m_model->setFrozen(false);
    refreshView();
    m_model->setFrozen(chkPause->isChecked());
}

void frmSerialMonitor::btnSave_Click()
{
    const QString suggested = QStringLiteral("serial-monitor-%1.txt")
                                  .arg(QDateTime::currentDateTime().toString(u"yyyyMMdd-hhmmss"));
    const QString path
        = m_fileDialogs.saveFileName(this, QStringLiteral("Save Serial Monitor"), suggested,
                                     QStringLiteral("Text files (*.txt);;All files (*)"));
    if (path.isEmpty())
        return;
    QString text = m_model->lines().join(QLatin1Char('\n'));
    if (!text.isEmpty())
        text += QLatin1Char('\n');
    if (const auto error = m_files.replace(path, text.toUtf8())) {
        m_messageBoxes.warning(this, AppInfo::title(),
                               QStringLiteral("The serial monitor could not be saved to %1: %2.")
                                   .arg(path, error->cause));
    }
}
