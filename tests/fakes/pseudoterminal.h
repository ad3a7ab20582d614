#pragma once

#include <QByteArray>
#include <QString>

// A pseudo-terminal pair standing in for a serial device. The program under test opens the slave
// side (slavePath()) as its serial port; the test plays the device on the master side: it reads
// what the program sent, writes what the device answers, and closes the master to pull the plug.
//
// The slave side is put in raw mode, so bytes pass unchanged in both directions (no echo, no
// carriage-return translation).
class PseudoTerminal
{
public:
    PseudoTerminal();
    ~PseudoTerminal();
    PseudoTerminal(const PseudoTerminal &) = delete;
    PseudoTerminal &operator=(const PseudoTerminal &) = delete;

    // False when the pair could not be made; errorString() says why.
    bool isValid() const { return m_master >= 0; }
    QString errorString() const { return m_error; }

    // The device path of the slave side, such as /dev/pts/3.
    QString slavePath() const { return m_slavePath; }

    // Sends bytes as the device; false when they could not all be written.
    bool write(const QByteArray &bytes);

    // Bytes the program sent that have arrived so far, removing them from the pair. Non-blocking.
    QByteArray readAvailable();

    // Collects bytes until at least `count` have arrived or `timeoutMs` has passed, running the
    // event loop in between so the program's own writes and notifications proceed.
    QByteArray readAtLeast(int count, int timeoutMs = 2000);

    // The flow control the slave side's line holds now, read through the master: what the device
    // end sees, whatever the program believes it set.
    struct FlowControl
    {
        bool read = false; // false: the line could not be read
        bool xonXoff = false; // IXON and IXOFF both set
        bool anyXonXoff = false; // IXON or IXOFF set
        bool rtsCts = false; // CRTSCTS set
    };
    FlowControl flowControl() const;

    // Closes the master side: the slave reports a hang-up, as a USB adapter being pulled out.
    void closeMaster();

private:
    int m_master = -1;
    QString m_slavePath;
    QString m_error;
};
