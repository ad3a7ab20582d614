#include "portmap.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <memory>
#include <unistd.h>

// Port numbers become devices through per-user links; a temporary folder plays both the user's
// home and the device folder.
class tst_PortMap : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void linkPath_data();
    void linkPath();
    void devicePath_data();
    void devicePath();
    void portNumbersBelowOneHaveNoDevice();

private:
    QString tmp(const QString &relative) const { return m_root + u'/' + relative; }

    std::unique_ptr<QTemporaryDir> m_dir;
    QString m_root; // the temporary folder with any links in its path resolved
    QByteArray m_savedHome;
    QByteArray m_savedXdg;
};

void tst_PortMap::init()
{
    m_savedHome = qgetenv("HOME");
    m_savedXdg = qgetenv("XDG_CONFIG_HOME");
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
    // Canonical, so that a temporary folder behind a link (as on macOS) reads back as given.
    m_root = QDir(m_dir->path()).canonicalPath();
    qputenv("HOME", tmp("home").toLocal8Bit());
    qputenv("XDG_CONFIG_HOME", tmp("xdg").toLocal8Bit());
}

void tst_PortMap::cleanup()
{
    qputenv("HOME", m_savedHome);
    if (m_savedXdg.isNull())
        qunsetenv("XDG_CONFIG_HOME");
    else
        qputenv("XDG_CONFIG_HOME", m_savedXdg);
    m_dir.reset();
}

void tst_PortMap::linkPath_data()
{
    QTest::addColumn<QString>("xdg"); // "-" leaves it unset
    QTest::addColumn<int>("port");
    QTest::addColumn<QString>("expected");

    QTest::newRow("XDG_CONFIG_HOME honoured")
        << "<tmp>/xdg" << 1 << "<tmp>/xdg/Tiltbench/ports/com1";
    QTest::newRow("trailing slash") << "<tmp>/xdg/" << 2 << "<tmp>/xdg/Tiltbench/ports/com2";
    QTest::newRow("unset: ~/.config") << "-" << 3 << "<tmp>/home/.config/Tiltbench/ports/com3";
    QTest::newRow("empty: ~/.config") << "" << 4 << "<tmp>/home/.config/Tiltbench/ports/com4";
    QTest::newRow("relative ignored") << "xdg" << 1 << "<tmp>/home/.config/Tiltbench/ports/com1";
    QTest::newRow("two-digit port") << "<tmp>/xdg" << 12 << "<tmp>/xdg/Tiltbench/ports/com12";
}

void tst_PortMap::linkPath()
{
    QFETCH(QString, xdg);
    QFETCH(int, port);
    QFETCH(QString, expected);
    if (xdg == u"-")
        qunsetenv("XDG_CONFIG_HOME");
    else
        qputenv("XDG_CONFIG_HOME", QString(xdg).replace("<tmp>", m_root).toLocal8Bit());

    QCOMPARE(PortMap::linkPath(port), expected.replace("<tmp>", m_root));
}

void tst_PortMap::devicePath_data()
{
    QTest::addColumn<QString>("link"); // file name under the ports folder; empty: no link
    QTest::addColumn<QString>("target"); // what the link points to
    QTest::addColumn<int>("port");
    QTest::addColumn<QString>("expected");

    QTest::newRow("link to device") << "com1"
                                    << "<tmp>/dev/ttyUSB0" << 1 << "<tmp>/dev/ttyUSB0";
    QTest::newRow("link through a second link")
        << "com2"
        << "<tmp>/dev/serial-by-id" << 2 << "<tmp>/dev/ttyUSB0";
    QTest::newRow("relative link with ..") << "com3"
                                           << "../../../dev/ttyUSB0" << 3 << "<tmp>/dev/ttyUSB0";
    QTest::newRow("link to a device not plugged in")
        << "com1"
        << "<tmp>/dev/ttyACM7" << 1 << "<tmp>/dev/ttyACM7";
    QTest::newRow("link for another port only") << "com2"
                                                << "<tmp>/dev/ttyUSB0" << 1
#ifdef Q_OS_LINUX
                                                << "/dev/ttyS0";
#else
                                                << "";
#endif
#ifdef Q_OS_LINUX
    QTest::newRow("no link: port 1 is ttyS0") << ""
                                              << "" << 1 << "/dev/ttyS0";
    QTest::newRow("no link: port 4 is ttyS3") << ""
                                              << "" << 4 << "/dev/ttyS3";
#else
    QTest::newRow("no link: no device") << ""
                                        << "" << 1 << "";
#endif
}

void tst_PortMap::devicePath()
{
    QFETCH(QString, link);
    QFETCH(QString, target);
    QFETCH(int, port);
    QFETCH(QString, expected);

    // The stand-in device, and a by-id style link to it.
    QVERIFY(QDir().mkpath(tmp("dev")));
    QFile device(tmp("dev/ttyUSB0"));
    QVERIFY(device.open(QIODevice::WriteOnly));
    device.close();
    QVERIFY(QFile::link(tmp("dev/ttyUSB0"), tmp("dev/serial-by-id")));

    const QString ports = tmp("xdg/Tiltbench/ports");
    QVERIFY(QDir().mkpath(ports));
    if (!link.isEmpty()) {
        // QFile::link makes relative targets absolute; a link made by hand keeps them relative.
        const QByteArray to = target.replace("<tmp>", m_root).toLocal8Bit();
        const QByteArray at = QFile::encodeName(ports + u'/' + link);
        QCOMPARE(::symlink(to.constData(), at.constData()), 0);
    }

    QCOMPARE(PortMap::devicePath(port), expected.replace("<tmp>", m_root));
}

void tst_PortMap::portNumbersBelowOneHaveNoDevice()
{
    QCOMPARE(PortMap::devicePath(0), QString());
    QCOMPARE(PortMap::devicePath(-1), QString());
    QCOMPARE(PortMap::linkPath(0), QString());
}

QTEST_APPLESS_MAIN(tst_PortMap)
#include "tst_portmap.moc"
