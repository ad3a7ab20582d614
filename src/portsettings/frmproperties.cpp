#include "frmproperties.h"

#include "appinfo.h"
#include "messageboxes.h"
#include "portmessages.h"
#include "portproperties.h"
#include "serialport.h"
#include "settingsstore.h"
#include "twipslayout.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QFrame>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QShowEvent>
#include <QTabWidget>

namespace {

constexpr int kClientWidth = 6015;
constexpr int kClientHeight = 4260;

QIcon dialogIcon()
{
    QIcon icon;
    icon.addFile(QStringLiteral(":/portsettings/portproperties-32.png"), QSize(32, 32));
    icon.addFile(QStringLiteral(":/portsettings/portproperties-16.png"), QSize(16, 16));
    return icon;
}

// A pick-only list: QComboBox is not editable unless told so.
QComboBox *makeList(QWidget *parent, const char *name, const TwipsRect &rect)
{
    return TwipsLayout::make<QComboBox>(parent, name, rect);
}

QLabel *makeLabel(QWidget *parent, const char *name, const QString &text, const TwipsRect &rect)
{
    auto *label = TwipsLayout::make<QLabel>(parent, name, rect);
    label->setText(text);
    return label;
}

QGroupBox *makeFrame(QWidget *parent, const char *name, const QString &title, const TwipsRect &rect)
{
    auto *frame = TwipsLayout::make<QGroupBox>(parent, name, rect);
    frame->setTitle(title);
    return frame;
}

// Each entry is kept as the item's data, which the settings text is built from; the list shows
// its caption, the entry itself unless a caption is given.
void fill(QComboBox *list, const QStringList &entries,
          QString (*caption)(const QString &) = nullptr)
{
    list->clear();
    for (const QString &entry : entries)
        list->addItem(caption ? caption(entry) : entry, entry);
    list->setCurrentIndex(-1);
}

// Selects exactly this entry, or nothing when the list has no such entry.
void select(QComboBox *list, const QString &entry)
{
    list->setCurrentIndex(
        entry.isEmpty()
            ? -1
            : list->findData(entry, Qt::UserRole, Qt::MatchExactly | Qt::MatchCaseSensitive));
}

} // namespace

frmProperties::frmProperties(SerialPort &MSComm1, MessageBoxes &messageBoxes, SettingsStore &store,
                             QWidget *parent)
    : QDialog(parent)
    , MSComm1(MSComm1)
    , m_messageBoxes(messageBoxes)
    , m_store(store)
{
    setObjectName(QStringLiteral("frmProperties"));
    setWindowTitle(tr("Com Port Properties"));
    setWindowIcon(dialogIcon());
    // A fixed dialog border: a title bar with the close button only.
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::CustomizeWindowHint
                   | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
    setFixedSize(TwipsLayout::toPixels(kClientWidth, kClientHeight));
    setModal(true);

    tabSettings = TwipsLayout::make<QTabWidget>(this, "tabSettings", { 90, 105, 5820, 4065 });
    // The tab widget's page: the tab widget sizes and places it on its client area itself.
    fraSettings = new QFrame;
    fraSettings->setObjectName(QStringLiteral("fraSettings"));
    fraSettings->setFrameShape(QFrame::NoFrame);
    tabSettings->addTab(fraSettings, tr("Properties"));

    Label1 = makeLabel(fraSettings, "Label1", tr("Port:"), { 330, 180, 495, 315 });
    cboPort = makeList(fraSettings, "cboPort", { 900, 150, 1425, 315 });
    // A longer caption than the design's (German "Anschluss:") widens the label and moves the list
    // along; the row has room up to the OK button. The English caption fits and moves nothing.
    if (const int more = Label1->sizeHint().width() - Label1->width(); more > 0) {
        Label1->resize(Label1->width() + more, Label1->height());
        cboPort->move(cboPort->x() + more, cboPort->y());
    }

    Frame1 = makeFrame(fraSettings, "Frame1", tr("Maximum Speed"), { 180, 630, 2340, 870 });
    cboSpeed = makeList(Frame1, "cboSpeed", { 375, 330, 1695, 315 });

    fraConnection = makeFrame(fraSettings, "fraConnection", tr("Connection Preferences"),
                              { 180, 1635, 2325, 1770 });
    Label3 = makeLabel(fraConnection, "Label3", tr("Data Bits:"), { 180, 375, 825, 285 });
    cboDataBits = makeList(fraConnection, "cboDataBits", { 1050, 330, 1140, 315 });
    Label4 = makeLabel(fraConnection, "Label4", tr("Parity:"), { 180, 855, 615, 285 });
    cboParity = makeList(fraConnection, "cboParity", { 1050, 810, 1140, 315 });
    Label5 = makeLabel(fraConnection, "Label5", tr("Stop Bits:"), { 180, 1320, 885, 285 });
    cboStopBits = makeList(fraConnection, "cboStopBits", { 1050, 1260, 1140, 315 });

    // The labels name the list next to them for screen readers and mnemonics alike.
    Label1->setBuddy(cboPort);
    Label3->setBuddy(cboDataBits);
    Label4->setBuddy(cboParity);
    Label5->setBuddy(cboStopBits);

    Frame7 = makeFrame(fraSettings, "Frame7", tr("&Echo"), { 2595, 630, 1590, 870 });
    optEcho[0] = TwipsLayout::make<QRadioButton>(Frame7, "optEcho0", { 135, 360, 615, 315 });
    optEcho[0]->setText(tr("Off"));
    optEcho[1] = TwipsLayout::make<QRadioButton>(Frame7, "optEcho1", { 795, 420, 555, 195 });
    optEcho[1]->setText(tr("On"));
    m_echoGroup = new QButtonGroup(this);
    for (int i = 0; i < 2; ++i)
        m_echoGroup->addButton(optEcho[i], i);

    Frame5 = makeFrame(fraSettings, "Frame5", tr("&Flow Control"), { 2595, 1635, 1620, 1770 });
    static const struct
    {
        const char *name;
        const char *caption;
        TwipsRect rect;
    } kFlow[] = {
        //: No flow control.
        { "optFlow0", QT_TR_NOOP("None"), { 180, 345, 855, 255 } },
        { "optFlow1", "Xon/Xoff", { 180, 645, 1095, 255 } },
        { "optFlow2", "RTS", { 180, 945, 735, 255 } },
        { "optFlow3", "Xon/RTS", { 180, 1245, 1155, 255 } },
    };
    m_flowGroup = new QButtonGroup(this);
    for (int i = 0; i < 4; ++i) {
        optFlow[i] = TwipsLayout::make<QRadioButton>(Frame5, kFlow[i].name, kFlow[i].rect);
        optFlow[i]->setText(tr(kFlow[i].caption));
        m_flowGroup->addButton(optFlow[i], i);
    }

    cmdOK = TwipsLayout::make<QPushButton>(fraSettings, "cmdOK", { 4335, 705, 1080, 300 });
    cmdOK->setText(tr("OK"));
    cmdOK->setDefault(true);
    cmdCancel = TwipsLayout::make<QPushButton>(fraSettings, "cmdCancel", { 4335, 1065, 1080, 300 });
    cmdCancel->setText(tr("Cancel"));

    setTabOrder(tabSettings, cboPort);
    setTabOrder(cboPort, cboSpeed);
    setTabOrder(cboSpeed, optEcho[0]);
    setTabOrder(optEcho[0], optEcho[1]);
    setTabOrder(optEcho[1], cboDataBits);
    setTabOrder(cboDataBits, cboParity);
    setTabOrder(cboParity, cboStopBits);
    setTabOrder(cboStopBits, optFlow[0]);
    for (int i = 0; i < 3; ++i)
        setTabOrder(optFlow[i], optFlow[i + 1]);
    setTabOrder(optFlow[3], cmdOK);
    setTabOrder(cmdOK, cmdCancel);

    // idToggled rather than idClicked: the handlers run whenever an option becomes selected, by
    // the operator or by LoadPropertySettings, so intFlow and blnEcho always match what is shown.
    connect(m_echoGroup, &QButtonGroup::idToggled, this, [this](int id, bool checked) {
        if (checked)
            optEcho_Click(id);
    });
    connect(m_flowGroup, &QButtonGroup::idToggled, this, [this](int id, bool checked) {
        if (checked)
            optFlow_Click(id);
    });
    connect(cmdOK, &QPushButton::clicked, this, &frmProperties::cmdOK_Click);
    connect(cmdCancel, &QPushButton::clicked, this, &frmProperties::cmdCancel_Click);
}

void frmProperties::showEvent(QShowEvent *event)
{
    // Every show() is an opening; the window system's own show events (restoring from the task
    // bar) are not.
    if (!event->spontaneous())
        Form_Load();
    QDialog::showEvent(event);
}

void frmProperties::keyPressEvent(QKeyEvent *event)
{
    // Escape is not bound to Cancel; QDialog would reject on it. The title bar's close button
    // still cancels.
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}

void frmProperties::Form_Load()
{
    centreOnScreen();
    LoadPropertySettings();
}

void frmProperties::centreOnScreen()
{
    // The screen the dialog will appear on: its parent's, else the primary one. Its available
    // area leaves out panels and task bars.
    QScreen *target = parentWidget() ? parentWidget()->screen() : screen();
    if (!target)
        return;
    const QRect area = target->availableGeometry();
    // The frame is not known before the first show; the client size stands in for it then.
    const QSize outer = frameGeometry().size().expandedTo(size());
    move(area.left() + (area.width() - outer.width()) / 2,
         area.top() + (area.height() - outer.height()) / 2);
}

void frmProperties::LoadPropertySettings()
{
    fill(cboPort, LineSettingsText::ports());
    fill(cboSpeed, LineSettingsText::speeds());
    fill(cboDataBits, LineSettingsText::dataBits());
    fill(cboParity, LineSettingsText::parities(), LineSettingsText::parityCaption);
    fill(cboStopBits, LineSettingsText::stopBits());

    m_reported = LineSettingsText::split(MSComm1.Settings());
    select(cboSpeed, m_reported.speed);
    select(cboParity, LineSettingsText::parityName(m_reported.parity));
    select(cboDataBits, m_reported.dataBits);
    select(cboStopBits, m_reported.stopBits);

    // A port number the list does not offer leaves it without a selection, and OK then keeps the
    // port as it is.
    const int port = MSComm1.CommPort();
    cboPort->setCurrentIndex(port >= 1 && port <= cboPort->count() ? port - 1 : -1);

    const int flow = MSComm1.Handshaking();
    if (flow >= 0 && flow < 4) {
        optFlow[flow]->setChecked(true);
    } else {
        // No option stands for this value; OK then leaves the port's flow control alone.
        m_flowGroup->setExclusive(false);
        for (QRadioButton *option : optFlow)
            option->setChecked(false);
        m_flowGroup->setExclusive(true);
        intFlow = -1;
    }

    // Nothing remembers the echo choice between openings, so each opening starts from Off.
    optEcho[0]->setChecked(true);
}

void frmProperties::optFlow_Click(int Index)
{
    intFlow = qint16(Index);
}

void frmProperties::optEcho_Click(int Index)
{
    blnEcho = Index == 1;
}

QString frmProperties::chosenSettings() const
{
    // A list without a selection is one whose reported value it does not offer: keep that value
    // rather than send an empty field.
    const auto chosen = [](const QComboBox *list, const QString &reported) {
        return list->currentIndex() >= 0 ? list->currentData().toString() : reported;
    };
    return LineSettingsText::build(
        chosen(cboSpeed, m_reported.speed), chosen(cboParity, m_reported.parity),
        chosen(cboDataBits, m_reported.dataBits), chosen(cboStopBits, m_reported.stopBits));
}

void frmProperties::cmdOK_Click()
{
    const int oldPort = MSComm1.CommPort();
    const int newPort = cboPort->currentIndex() >= 0 ? cboPort->currentIndex() + 1 : oldPort;
    const bool wasOpen = MSComm1.PortOpen();

    if (newPort != oldPort) {
        // A refused step does not stop the ones after it: the number is changed even when the old
        // port would not close. The first refusal is the one shown.
        CommError refused;
        const auto attempt = [&refused](const CommError &error) {
            if (!refused)
                refused = error;
        };
        if (wasOpen)
            attempt(MSComm1.setPortOpen(false));
        attempt(MSComm1.setCommPort(newPort));
        if (!refused && wasOpen)
            attempt(MSComm1.setPortOpen(true));
        if (refused) {
            refusePort(refused, oldPort, wasOpen);
            return;
        }
    }

    if (const CommError error = MSComm1.setSettings(chosenSettings())) {
        showError(PortMessages::describe(error));
        return;
    }
    if (intFlow >= 0) {
        if (const CommError error = MSComm1.setHandshaking(intFlow)) {
            showError(PortMessages::describe(error));
            return;
        }
    }

    // A closed port (start-up could not open it, an earlier change was refused, the device went
    // away) is opened here with everything above applied; otherwise it could never be used again
    // in this run.
    if (!MSComm1.PortOpen()) {
        if (const CommError error = MSComm1.setPortOpen(true)) {
            refusePort(error, oldPort, wasOpen);
            return;
        }
    }

    PortProperties { MSComm1.Settings(), MSComm1.CommPort(), MSComm1.Handshaking(), blnEcho }
        .record(m_store, AppInfo::title());
    accept();
}

void frmProperties::refusePort(const CommError &error, int oldPort, bool wasOpen)
{
    // The operator keeps the connection they had: back to the old number and, if it was open,
    // open again.
    QString text = PortMessages::describe(error);
    if (MSComm1.CommPort() != oldPort && !MSComm1.PortOpen())
        (void)MSComm1.setCommPort(oldPort);
    if (wasOpen && !MSComm1.PortOpen()) {
        const CommError reopened = MSComm1.setPortOpen(true);
        if (reopened)
            text += QStringLiteral("\n\n")
                + tr("The previous port, Com%1, could not be opened again: %2")
                      .arg(oldPort)
                      .arg(PortMessages::describe(reopened));
    }
    showError(text);
}

void frmProperties::showError(const QString &text)
{
    m_messageBoxes.warning(this, AppInfo::title(), text);
}

void frmProperties::cmdCancel_Click()
{
    reject();
}
