#include "frmportmap.h"

#include "appinfo.h"
#include "messageboxes.h"
#include "portmap.h"
#include "twipslayout.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace {

constexpr int kClientWidth = 8055;
constexpr int kClientHeight = 2955;
constexpr TwipsRect kHeadPort { 240, 120, 735, 255 };
constexpr TwipsRect kHeadDevice { 1080, 120, 4815, 255 };
constexpr TwipsRect kHeadState { 6000, 120, 1815, 255 };
constexpr int kRowTop = 435;
constexpr int kRowPitch = 420;
constexpr TwipsRect kBtnRefresh { 240, 2340, 1215, 375 };
constexpr TwipsRect kBtnOK { 5400, 2340, 1215, 375 };
constexpr TwipsRect kBtnCancel { 6735, 2340, 1215, 375 };

constexpr TwipsRect rowPort(int row)
{
    return { 240, kRowTop + row * kRowPitch + 30, 735, 255 };
}
constexpr TwipsRect rowDevice(int row)
{
    return { 1080, kRowTop + row * kRowPitch, 4815, 315 };
}
constexpr TwipsRect rowState(int row)
{
    return { 6000, kRowTop + row * kRowPitch + 30, 1935, 255 };
}

} // namespace

frmPortMap::frmPortMap(DeviceList &devices, SerialPort &port, MessageBoxes &messageBoxes,
                       QWidget *parent)
    : QDialog(parent)
    , m_editor(devices, port)
    , m_messageBoxes(messageBoxes)
{
    setObjectName(QStringLiteral("frmPortMap"));
    setWindowTitle(tr("Serial Port Map"));
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::CustomizeWindowHint
                   | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
    setFixedSize(TwipsLayout::toPixels(kClientWidth, kClientHeight));
    setModal(true);

    TwipsLayout::make<QLabel>(this, "lblHeadPort", kHeadPort, tr("Port"));
    TwipsLayout::make<QLabel>(this, "lblHeadDevice", kHeadDevice, tr("Device"));
    TwipsLayout::make<QLabel>(this, "lblHeadState", kHeadState, tr("State"));

    QList<QWidget *> focusOrder;
    for (int row = 0; row < PortMapEditor::kPorts; ++row) {
        const int port = row + 1;
        Row &r = m_rows[row];
        // Alt with the port's digit goes to its drop-down.
        r.lblPort
            = TwipsLayout::make<QLabel>(this, qPrintable(QStringLiteral("lblPort%1").arg(port)),
                                        rowPort(row), QStringLiteral("Com&%1").arg(port));
        r.cboDevice = TwipsLayout::make<QComboBox>(
            this, qPrintable(QStringLiteral("cboDevice%1").arg(port)), rowDevice(row));
        r.cboDevice->setEditable(true);
        // A completer would turn a typed path into a listed device's label as it is typed.
        r.cboDevice->setCompleter(nullptr);
        r.cboDevice->setInsertPolicy(QComboBox::NoInsert);
        r.cboDevice->setToolTip(tr("Choose the device for Com%1, or type its path").arg(port));
        r.cboDevice->setAccessibleDescription(
            tr("The first entry, (default), is the system's own device for Com%1").arg(port));
        r.lblPort->setBuddy(r.cboDevice);
        r.lblState = TwipsLayout::make<QLabel>(
            this, qPrintable(QStringLiteral("lblState%1").arg(port)), rowState(row), {});
        r.lblState->setAccessibleDescription(tr("State of the device for Com%1").arg(port));

        fillDevices(port, PortMapEditor::current(port).device);
        connect(r.cboDevice, &QComboBox::editTextChanged, this, [this, port] { showState(port); });
        showState(port);
        focusOrder << r.cboDevice;
    }

    cmdRefresh = TwipsLayout::make<QPushButton>(this, "cmdRefresh", kBtnRefresh, tr("&Refresh"));
    cmdRefresh->setToolTip(tr("List the serial devices again"));
    cmdOK = TwipsLayout::make<QPushButton>(this, "cmdOK", kBtnOK, tr("OK"));
    cmdOK->setDefault(true);
    cmdCancel = TwipsLayout::make<QPushButton>(this, "cmdCancel", kBtnCancel, tr("Cancel"));
    focusOrder << cmdRefresh << cmdOK << cmdCancel;
    for (qsizetype i = 1; i < focusOrder.size(); ++i)
        setTabOrder(focusOrder[i - 1], focusOrder[i]);

    connect(cmdRefresh, &QPushButton::clicked, this, &frmPortMap::cmdRefresh_Click);
    connect(cmdOK, &QPushButton::clicked, this, &frmPortMap::cmdOK_Click);
    connect(cmdCancel, &QPushButton::clicked, this, &frmPortMap::reject);
}

void frmPortMap::fillDevices(int port, const QString &device)
{
    QComboBox *list = m_rows[port - 1].cboDevice;
    const QSignalBlocker quiet(list);
    list->clear();
    list->addItem(m_editor.defaultText(port));
    list->setItemData(0, PortMap::defaultDevicePath(port), Qt::ToolTipRole);
    for (const SerialDevice &d : m_editor.devices()) {
        list->addItem(PortMapEditor::deviceLabel(d));
        // The name the map will hold, and where it leads now.
        list->setItemData(list->count() - 1,
                          d.stableName == d.systemPath
                              ? d.systemPath
                              : QStringLiteral("%1\n%2").arg(d.stableName, d.systemPath),
                          Qt::ToolTipRole);
    }
    // Device names are long; the open list may be wider than the box.
    list->view()->setMinimumWidth(list->view()->sizeHintForColumn(0));
    const QString text = m_editor.textFor(port, device);
    const int index = list->findText(text, Qt::MatchExactly | Qt::MatchCaseSensitive);
    list->setCurrentIndex(index);
    list->setEditText(text);
}

QString frmPortMap::chosenDevice(int port) const
{
    return m_editor.deviceFor(port, m_rows[port - 1].cboDevice->currentText());
}

QString frmPortMap::stateText(PortMapEditor::State state)
{
    switch (state) {
    case PortMapEditor::State::Present:
        //: The state of a port's device.
        return tr("present");
    case PortMapEditor::State::Missing:
        //: The state of a port's device.
        return tr("missing");
    case PortMapEditor::State::InUse:
        //: The state of a port's device: the program has it open.
        return tr("in use by Tiltbench");
    }
    return {};
}

void frmPortMap::showState(int port)
{
    m_rows[port - 1].lblState->setText(stateText(m_editor.state(port, chosenDevice(port))));
}

void frmPortMap::cmdRefresh_Click()
{
    // Each row keeps its device through the new list, even one that is gone from it.
    QString chosen[PortMapEditor::kPorts];
    for (int port = 1; port <= PortMapEditor::kPorts; ++port)
        chosen[port - 1] = chosenDevice(port);
    m_editor.refresh();
    for (int port = 1; port <= PortMapEditor::kPorts; ++port) {
        fillDevices(port, chosen[port - 1]);
        showState(port);
    }
}

void frmPortMap::cmdOK_Click()
{
    QMap<int, QString> chosen;
    for (int port = 1; port <= PortMapEditor::kPorts; ++port)
        chosen.insert(port, chosenDevice(port));
    const PortMapEditor::Applied applied = m_editor.apply(chosen);
    m_portReopened = applied.portReopened;

    if (!applied.refused.isEmpty()) {
        QStringList lines;
        for (const PortMapEditor::Refusal &refusal : applied.refused) {
            const QString link = PortMap::linkPath(refusal.port);
            if (refusal.result.outcome == PortMapWriter::Outcome::NotALink) {
                lines << tr("Com%1 was left as it is: %2 is not a link, so Tiltbench does not "
                            "replace it. Move it away to choose the device here.")
                             .arg(refusal.port)
                             .arg(link);
            } else {
                lines << tr("Com%1 was left as it is: %2 could not be written (%3).")
                             .arg(refusal.port)
                             .arg(link, refusal.result.detail);
            }
        }
        m_messageBoxes.warning(this, AppInfo::title(), lines.join(u"\n\n"));
    }
    // A failed reopen is told on the main window's status line, where the port's state is.
    accept();
}
