#include "fakeappendfile.h"
#include "portmap.h"
#include "pseudoterminal.h"
#include "qtappendfile.h"
#include "qtserialport.h"
#include "reconnectwatcher.h"
#include "recordingserialport.h"
#include "temporaryportmap.h"
#include "trafficlog.h"
#include "trafficrecorder.h"

#include <QFile>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include <csignal>
#include <sys/resource.h>

namespace {

// The rows of a log file without their date and time (2026-12-07 14:03:27.125 and two blanks).
QStringList rowsOf(const QByteArray &log)
{
    QStringList rows;
    for (const QByteArray &line : log.split('\n')) {
        if (!line.isEmpty())
            rows << QString::fromUtf8(line.mid(25));
    }
    return rows;
}

QByteArray readFile(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(unreadable)");
}

} // namespace

// The log to a file: it follows the line through an unplug and a reconnection, and a file that
// stops taking rows stops the log cleanly while the recording goes on.
class tst_TrafficLog : public QObject
{
    Q_OBJECT

private slots:
    void survivesAReconnect();
    void writeFailureStopsTheLog();
    void fullDiskLeavesWholeRows();
};

void tst_TrafficLog::survivesAReconnect()
{
    TemporaryPortMap ports;
    PseudoTerminal device;
    QVERIFY(ports.link(1, device.slavePath()));
    QtSerialPort port;
    TrafficRecorder recorder;
    RecordingSerialPort recording(port, recorder);
    // Drained on every notification, as the main window does.
    connect(&recording, &SerialPort::OnComm, this, [&recording] { recording.Input(); });
    recording.setRThreshold(1);
    QVERIFY(!recording.setPortOpen(true));
    ReconnectWatcher watcher(recording);

    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("logs/line.log"));
    QtAppendFile file;
    TrafficLog log(recorder, file);
    log.start(path, false);
    QVERIFY(device.write("before\r\n"));
    QTRY_VERIFY(readFile(path).contains("before"));

    // Unplugged; the device comes back as another terminal behind the same port.
    device.closeMaster();
    QTRY_VERIFY(watcher.isWaiting());
    PseudoTerminal again;
    QVERIFY(QFile::remove(PortMap::linkPath(1)));
    QVERIFY(ports.link(1, again.slavePath()));
    QTRY_VERIFY(recording.PortOpen());
    QVERIFY(again.write("after\r\n"));
    QTRY_VERIFY(readFile(path).contains("after"));
    log.stop();

    QCOMPARE(rowsOf(readFile(path)),
             (QStringList {
                 "RX    before\\r\\n",
                 QStringLiteral("Port  Com1 closed: the device %1 was disconnected")
                     .arg(device.slavePath()),
                 QStringLiteral("Port  Com1 reconnected: %1, 9600,n,8,1").arg(again.slavePath()),
                 "RX    after\\r\\n",
             }));
    // Each row starts with the date.
    QVERIFY(QDateTime::fromString(QString::fromUtf8(readFile(path).left(23)),
                                  QStringLiteral("yyyy-MM-dd hh:mm:ss.zzz"))
                .isValid());
}

void tst_TrafficLog::writeFailureStopsTheLog()
{
    TrafficRecorder recorder;
    FakeAppendFile file;
    file.failAfter(1);
    TrafficLog log(recorder, file);
    QSignalSpy failed(&log, &TrafficLog::failed);
    log.start(QStringLiteral("/full/line.log"), false);

    recorder.recordSent(1, "one\r");
    QTRY_VERIFY(!file.contents(QStringLiteral("/full/line.log")).isEmpty());
    recorder.recordSent(1, "two\r");
    QTRY_COMPARE(failed.size(), 1);
    QCOMPARE(failed[0][0].value<FileError>().cause, QStringLiteral("No space left on device"));
    QVERIFY(!log.isRunning());
    QVERIFY(!file.isOpen());

    // The record goes on; the log neither writes nor complains again.
    recorder.recordSent(1, "three\r");
    QCOMPARE(recorder.endSerial(), quint64(3));
    QTest::qWait(0);
    QCOMPARE(rowsOf(file.contents(QStringLiteral("/full/line.log"))),
             QStringList { "TX    one\\r" });
    QCOMPARE(failed.size(), 1);

    // Started again, it logs again.
    file.failAfter(-1);
    log.start(QStringLiteral("/other/line.log"), true);
    recorder.recordSent(1, "ok\r");
    QTRY_COMPARE(
        rowsOf(file.contents(QStringLiteral("/other/line.log"))),
        QStringList { "TX    0000  6f 6b 0d                                          |ok.|" });
}

void tst_TrafficLog::fullDiskLeavesWholeRows()
{
    // A real file that may not grow beyond 100 bytes: the third row of 38 bytes crosses the limit
    // in its middle. Without the signal ignored, crossing it would end the test.
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("line.log"));
    rlimit before {};
    QVERIFY(::getrlimit(RLIMIT_FSIZE, &before) == 0);
    const auto previousHandler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit limited = before;
    limited.rlim_cur = 100;
    QVERIFY(::setrlimit(RLIMIT_FSIZE, &limited) == 0);

    TrafficRecorder recorder;
    QtAppendFile file;
    TrafficLog log(recorder, file);
    QSignalSpy failed(&log, &TrafficLog::failed);
    log.start(path, false);
    for (const QByteArray command : { "aaaa\r", "bbbb\r", "cccc\r" }) {
        recorder.recordSent(1, command);
        // One write each, as the rows would come from the line.
        QTRY_VERIFY(failed.size() == 1 || readFile(path).contains(command.left(4)));
    }
    QTRY_COMPARE(failed.size(), 1);
    ::setrlimit(RLIMIT_FSIZE, &before);
    std::signal(SIGXFSZ, previousHandler);

    QCOMPARE(failed[0][0].value<FileError>().cause, QStringLiteral("File too large"));
    QCOMPARE(rowsOf(readFile(path)), (QStringList { "TX    aaaa\\r", "TX    bbbb\\r" }));
    QVERIFY(readFile(path).endsWith('\n'));
}

QTEST_GUILESS_MAIN(tst_TrafficLog)
#include "tst_trafficlog.moc"
