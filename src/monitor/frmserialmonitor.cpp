#include "frmserialmonitor.h"

#include "appinfo.h"
#include "datafiles.h"
#include "filedialogs.h"
#include "messageboxes.h"
#include "trafficlinedelegate.h"
#include "trafficlog.h"
#include "trafficmodel.h"
#include "trafficrecorder.h"
#include "twipslayout.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QDateTime>
#include <QFontDatabase>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>
#include <QScrollBar>
#include <QShortcut>
#include <QVBoxLayout>

#include <algorithm>

namespace {

// A first size that shows some 25 rows of a move and its answers, and a hex dump whole.
constexpr int kWidthTwips = 11000;
constexpr int kHeightTwips = 6600;

QPushButton *makeButton(QWidget *parent, const char *name, const QString &text,
                        const QString &toolTip)
{
    auto *button = new QPushButton(text, parent);
    button->setObjectName(QLatin1String(name));
    button->setToolTip(toolTip);
    // Enter on a focused button presses it, as on a dialog.
    button->setAutoDefault(true);
    return button;
}

QCheckBox *makeCheckBox(QWidget *parent, const char *name, const QString &text,
                        const QString &toolTip, bool checked = false)
{
    auto *box = new QCheckBox(text, parent);
    box->setObjectName(QLatin1String(name));
    box->setToolTip(toolTip);
    box->setChecked(checked);
    return box;
}

} // namespace

frmSerialMonitor::frmSerialMonitor(TrafficRecorder &recorder, TrafficLog &log,
                                   FileDialogs &fileDialogs, DataFiles &files,
                                   MessageBoxes &messageBoxes, QWidget *parent)
    : QWidget(parent)
    , m_recorder(recorder)
    , m_log(log)
    , m_fileDialogs(fileDialogs)
    , m_files(files)
    , m_messageBoxes(messageBoxes)
    , m_model(new TrafficModel(recorder, this))
{
    setObjectName(QStringLiteral("frmSerialMonitor"));
    //: The Serial Monitor's title; %1 is the program's name.
    setWindowTitle(tr("%1 - Serial Monitor").arg(AppInfo::title()));
    setWindowIcon(AppInfo::windowIcon());
    createControls();
    createActions();

    m_refresh.setSingleShot(true);
    m_refresh.setInterval(kRefreshMs);
    connect(&m_refresh, &QTimer::timeout, this, &frmSerialMonitor::refreshView);
    connect(&m_recorder, &TrafficRecorder::changed, this, &frmSerialMonitor::recorderChanged);
    connect(&m_log, &TrafficLog::runningChanged, this, &frmSerialMonitor::showLogState);
    connect(chkHex, &QCheckBox::clicked, this, &frmSerialMonitor::chkHex_Click);
    connect(chkPause, &QCheckBox::clicked, this, &frmSerialMonitor::chkPause_Click);
    for (QCheckBox *box : { chkShowTx, chkShowRx, chkShowPort })
        connect(box, &QCheckBox::clicked, this, &frmSerialMonitor::chkShow_Click);
    connect(cboTime, &QComboBox::currentIndexChanged, this, &frmSerialMonitor::cboTime_Change);
    connect(btnClear, &QPushButton::clicked, this, &frmSerialMonitor::btnClear_Click);
    connect(btnSave, &QPushButton::clicked, this, &frmSerialMonitor::btnSave_Click);
    connect(btnLog, &QPushButton::clicked, this, &frmSerialMonitor::btnLog_Click);
    connect(txtFind, &QLineEdit::textEdited, this, &frmSerialMonitor::txtFind_Change);
    connect(txtFind, &QLineEdit::returnPressed, this, &frmSerialMonitor::actFindNext_Trigger);
    connect(btnFindNext, &QPushButton::clicked, this, &frmSerialMonitor::actFindNext_Trigger);
    connect(btnFindPrevious, &QPushButton::clicked, this,
            &frmSerialMonitor::actFindPrevious_Trigger);
    connect(btnFindClose, &QPushButton::clicked, this, &frmSerialMonitor::btnFindClose_Click);
    auto *escapeKey = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    connect(escapeKey, &QShortcut::activated, this, &frmSerialMonitor::escape);

    // What was recorded before the window opened.
    refreshView();
    showLogState();
}

void frmSerialMonitor::createControls()
{
    resize(TwipsLayout::toPixels(kWidthTwips, kHeightTwips));

    lstTraffic = new QListView(this);
    lstTraffic->setObjectName(QStringLiteral("lstTraffic"));
    lstTraffic->setModel(m_model);
    m_delegate = new TrafficLineDelegate(lstTraffic);
    lstTraffic->setItemDelegate(m_delegate);
    // Every row is one text line: the view need not measure each to lay them out.
    lstTraffic->setUniformItemSizes(true);
    lstTraffic->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    lstTraffic->setSelectionMode(QAbstractItemView::ExtendedSelection);
    lstTraffic->setEditTriggers(QAbstractItemView::NoEditTriggers);
    lstTraffic->setContextMenuPolicy(Qt::ActionsContextMenu);
    // Columns of times and of hexadecimal pairs line up only in a fixed-pitch font.
    lstTraffic->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    lstTraffic->setAccessibleName(tr("Serial traffic"));
    lstTraffic->setAccessibleDescription(
        tr("One row per write (TX), received line (RX) or port event, with its time; "
           "Ctrl+F finds, Ctrl+C copies the selected rows"));

    // The find bar, shown by Ctrl+F.
    fraFind = new QWidget(this);
    fraFind->setObjectName(QStringLiteral("fraFind"));
    lblFind = new QLabel(tr("&Find:"), fraFind);
    lblFind->setObjectName(QStringLiteral("lblFind"));
    txtFind = new QLineEdit(fraFind);
    txtFind->setObjectName(QStringLiteral("txtFind"));
    txtFind->setToolTip(tr("Text to find in the rows shown, in any case"));
    lblFind->setBuddy(txtFind);
    btnFindPrevious
        = makeButton(fraFind, "btnFindPrevious", tr("Previous"), tr("The match above (Shift+F3)"));
    btnFindNext
        = makeButton(fraFind, "btnFindNext", tr("Next"), tr("The match below (F3 or Enter)"));
    lblFindState = new QLabel(fraFind);
    lblFindState->setObjectName(QStringLiteral("lblFindState"));
    btnFindClose = makeButton(fraFind, "btnFindClose", tr("Close"), tr("Close the find bar (Esc)"));
    auto *findRow = new QHBoxLayout(fraFind);
    findRow->setContentsMargins(0, 0, 0, 0);
    findRow->addWidget(lblFind);
    findRow->addWidget(txtFind, 1);
    findRow->addWidget(btnFindPrevious);
    findRow->addWidget(btnFindNext);
    findRow->addWidget(lblFindState);
    findRow->addWidget(btnFindClose);
    fraFind->hide();

    lblShow = new QLabel(tr("Show:"), this);
    lblShow->setObjectName(QStringLiteral("lblShow"));
    chkShowTx = makeCheckBox(this, "chkShowTx", tr("&TX"), tr("Show what was sent"), true);
    chkShowRx = makeCheckBox(this, "chkShowRx", tr("&RX"), tr("Show what was received"), true);
    chkShowPort = makeCheckBox(this, "chkShowPort", tr("P&ort"),
                               tr("Show what happened to the port"), true);
    chkHex = makeCheckBox(this, "chkHex", tr("&Hex"),
                          tr("Show the bytes as a hex dump with their ASCII beside"));
    lblTime = new QLabel(tr("T&ime:"), this);
    lblTime->setObjectName(QStringLiteral("lblTime"));
    cboTime = new QComboBox(this);
    cboTime->setObjectName(QStringLiteral("cboTime"));
    cboTime->addItems({ tr("Time of day"), tr("Date and time"), tr("Since previous (ms)") });
    cboTime->setToolTip(tr("How the time of each row is shown"));
    lblTime->setBuddy(cboTime);
    chkPause
        = makeCheckBox(this, "chkPause", tr("&Pause"), tr("Freeze the view; recording goes on"));

    lblLog = new QLabel(this);
    lblLog->setObjectName(QStringLiteral("lblLog"));
    lblLog->setAccessibleDescription(tr("The file the log is written to"));
    btnClear = makeButton(this, "btnClear", tr("&Clear"), tr("Forget the traffic recorded so far"));
    btnLog = makeButton(this, "btnLog", QString(),
                        tr("Write every row from now on to a file as it comes, until "
                           "stopped"));
    btnSave = makeButton(this, "btnSave", tr("Save..."),
                         tr("Save the rows shown as a text file (Ctrl+S)"));
    btnSave->setShortcut(QKeySequence::Save);

    // Unlike the fixed windows of the design, the monitor is sizable: its list takes the room.
    auto *view = new QHBoxLayout;
    view->addWidget(lblShow);
    view->addWidget(chkShowTx);
    view->addWidget(chkShowRx);
    view->addWidget(chkShowPort);
    view->addSpacing(12);
    view->addWidget(chkHex);
    view->addSpacing(12);
    view->addWidget(lblTime);
    view->addWidget(cboTime);
    view->addStretch(1);
    view->addWidget(chkPause);
    auto *buttons = new QHBoxLayout;
    buttons->addWidget(lblLog, 1);
    // Takes the room while the log's label is hidden, so the buttons keep their size.
    buttons->addStretch(0);
    buttons->addWidget(btnClear);
    buttons->addWidget(btnLog);
    buttons->addWidget(btnSave);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(lstTraffic, 1);
    layout->addWidget(fraFind);
    layout->addLayout(view);
    layout->addLayout(buttons);

    const QList<QWidget *> focusOrder { lstTraffic,   txtFind,   btnFindPrevious, btnFindNext,
                                        btnFindClose, chkShowTx, chkShowRx,       chkShowPort,
                                        chkHex,       cboTime,   chkPause,        btnClear,
                                        btnLog,       btnSave };
    for (qsizetype i = 1; i < focusOrder.size(); ++i)
        setTabOrder(focusOrder[i - 1], focusOrder[i]);
}

void frmSerialMonitor::createActions()
{
    const auto make = [this](const char *name, const QString &text, const QKeySequence &key) {
        auto *action = new QAction(text, this);
        action->setObjectName(QLatin1String(name));
        action->setShortcut(key);
        // Inside the monitor only: F3 in the main window opens Results.
        action->setShortcutContext(Qt::WidgetWithChildrenShortcut);
        addAction(action);
        lstTraffic->addAction(action);
        return action;
    };
    actCopy = make("actCopy", tr("Copy"), QKeySequence::Copy);
    actSelectAll = make("actSelectAll", tr("Select All"), QKeySequence::SelectAll);
    actFind = make("actFind", tr("Find..."), QKeySequence::Find);
    actFindNext = make("actFindNext", tr("Find Next"), QKeySequence(Qt::Key_F3));
    actFindPrevious
        = make("actFindPrevious", tr("Find Previous"), QKeySequence(Qt::SHIFT | Qt::Key_F3));
    connect(actCopy, &QAction::triggered, this, &frmSerialMonitor::actCopy_Trigger);
    connect(actSelectAll, &QAction::triggered, lstTraffic, &QListView::selectAll);
    connect(actFind, &QAction::triggered, this, &frmSerialMonitor::actFind_Trigger);
    connect(actFindNext, &QAction::triggered, this, &frmSerialMonitor::actFindNext_Trigger);
    connect(actFindPrevious, &QAction::triggered, this, &frmSerialMonitor::actFindPrevious_Trigger);
}

QString frmSerialMonitor::logFailedText(const FileError &error)
{
    return tr("The Serial Monitor's log to %1 stopped: %2. What came before is in "
              "the file; the monitor goes on recording. Free some space or choose "
              "another file, then start the log again with Log to File...")
        .arg(error.path, error.cause);
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
    // Follow the newest row unless the operator has scrolled up to read.
    const bool atBottom = bar->value() == bar->maximum();
    m_model->refresh();
    if (atBottom)
        lstTraffic->scrollToBottom();
}

void frmSerialMonitor::showLogState()
{
    const bool running = m_log.isRunning();
    btnLog->setText(running ? tr("Stop &Log") : tr("&Log to File..."));
    lblLog->setVisible(running);
    if (!running)
        return;
    // A long path gives way in its middle: the folder's start and the file's name stay.
    const QString text = tr("Logging to %1").arg(m_log.path());
    lblLog->setText(
        lblLog->fontMetrics().elidedText(text, Qt::ElideMiddle, qMax(lblLog->width(), 50)));
    lblLog->setToolTip(text);
}

void frmSerialMonitor::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    showLogState();
}

int frmSerialMonitor::shownKinds() const
{
    return (chkShowTx->isChecked() ? TrafficModel::Sent : 0)
        | (chkShowRx->isChecked() ? TrafficModel::Received : 0)
        | (chkShowPort->isChecked() ? TrafficModel::PortEvents : 0);
}

void frmSerialMonitor::chkHex_Click()
{
    QScrollBar *bar = lstTraffic->verticalScrollBar();
    const bool atBottom = bar->value() == bar->maximum();
    m_model->setHex(chkHex->isChecked());
    if (atBottom)
        lstTraffic->scrollToBottom();
}

void frmSerialMonitor::chkShow_Click()
{
    QScrollBar *bar = lstTraffic->verticalScrollBar();
    const bool atBottom = bar->value() == bar->maximum();
    m_model->setShown(shownKinds());
    if (atBottom)
        lstTraffic->scrollToBottom();
}

void frmSerialMonitor::cboTime_Change()
{
    m_model->setTimeMode(TrafficFormat::TimeMode(cboTime->currentIndex()));
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
    // Paused or not, the cleared rows go.
    m_refresh.stop();
    m_model->setFrozen(false);
    refreshView();
    m_model->setFrozen(chkPause->isChecked());
}

void frmSerialMonitor::btnSave_Click()
{
    const QString suggested = QStringLiteral("serial-monitor-%1.txt")
                                  .arg(QDateTime::currentDateTime().toString(u"yyyyMMdd-hhmmss"));
    const QString path = m_fileDialogs.saveFileName(this, tr("Save Serial Monitor"), suggested,
                                                    tr("Text files (*.txt);;All files (*)"));
    if (path.isEmpty())
        return;
    QString text = m_model->lines().join(QLatin1Char('\n'));
    if (!text.isEmpty())
        text += QLatin1Char('\n');
    if (const auto error = m_files.replace(path, text.toUtf8())) {
        m_messageBoxes.warning(
            this, AppInfo::title(),
            tr("The serial monitor could not be saved to %1: %2.").arg(path, error->cause));
    }
}

void frmSerialMonitor::btnLog_Click()
{
    if (m_log.isRunning()) {
        m_log.stop();
        return;
    }
    const QString suggested = QStringLiteral("serial-monitor-%1.log")
                                  .arg(QDateTime::currentDateTime().toString(u"yyyyMMdd-hhmmss"));
    const QString path
        = m_fileDialogs.saveFileName(this, tr("Log Serial Monitor to File"), suggested,
                                     tr("Log files (*.log *.txt);;All files (*)"));
    if (!path.isEmpty())
        m_log.start(path, chkHex->isChecked());
}

void frmSerialMonitor::actCopy_Trigger()
{
    QModelIndexList selected = lstTraffic->selectionModel()->selectedRows();
    if (selected.isEmpty())
        return;
    std::sort(selected.begin(), selected.end(),
              [](const QModelIndex &a, const QModelIndex &b) { return a.row() < b.row(); });
    QStringList rows;
    rows.reserve(selected.size());
    for (const QModelIndex &index : std::as_const(selected))
        rows << m_model->rowText(index.row());
    QApplication::clipboard()->setText(rows.join(QLatin1Char('\n')) + QLatin1Char('\n'));
}

void frmSerialMonitor::actFind_Trigger()
{
    fraFind->show();
    txtFind->setFocus(Qt::ShortcutFocusReason);
    txtFind->selectAll();
}

void frmSerialMonitor::txtFind_Change()
{
    m_delegate->setHighlight(txtFind->text());
    lstTraffic->viewport()->update();
    // As the text grows, the match stays on the row it was on while that row still holds it.
    findFrom(true, true);
}

void frmSerialMonitor::actFindNext_Trigger()
{
    if (txtFind->text().isEmpty()) {
        actFind_Trigger();
        return;
    }
    findFrom(true, false);
}

void frmSerialMonitor::actFindPrevious_Trigger()
{
    if (txtFind->text().isEmpty()) {
        actFind_Trigger();
        return;
    }
    findFrom(false, false);
}

void frmSerialMonitor::findFrom(bool forward, bool includeCurrent)
{
    const QString text = txtFind->text();
    if (text.isEmpty()) {
        lblFindState->clear();
        return;
    }
    int from = lstTraffic->currentIndex().isValid() ? lstTraffic->currentIndex().row() : -1;
    if (includeCurrent && from >= 0)
        from += forward ? -1 : 1;
    const int row = m_model->find(text, from, forward);
    lblFindState->setText(row < 0 ? tr("Not found") : QString());
    if (row < 0)
        return;
    const QModelIndex index = m_model->index(row);
    lstTraffic->selectionModel()->setCurrentIndex(index, QItemSelectionModel::ClearAndSelect);
    lstTraffic->scrollTo(index);
}

void frmSerialMonitor::btnFindClose_Click()
{
    fraFind->hide();
    m_delegate->setHighlight({});
    lstTraffic->viewport()->update();
    lstTraffic->setFocus();
}

void frmSerialMonitor::escape()
{
    if (fraFind->isVisible())
        btnFindClose_Click();
    else
        close();
}
