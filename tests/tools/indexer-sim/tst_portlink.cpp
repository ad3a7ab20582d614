#include "portlink.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <fcntl.h>
#include <stdlib.h>
#include <unistd.h>

namespace {

QString readLink(const QString &path)
{
    char buffer[4096];
    const ssize_t length = ::readlink(QFile::encodeName(path).constData(), buffer, sizeof buffer);
    return length < 0 ? QString() : QFile::decodeName(QByteArray(buffer, length));
}

bool makeLink(const QString &target, const QString &path)
{
    return ::symlink(QFile::encodeName(target).constData(), QFile::encodeName(path).constData())
        == 0;
}

} // namespace

class tst_PortLink : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void portMapPathFollowsConfigHome();
    void mayReplace_data();
    void mayReplace();
    void publishCreatesFoldersAndRemoves();
    void publishReplacesStaleLink();
    void removeLeavesLinkPointedElsewhere();
    void destructorRemoves();

private:
    QString linkPath() const { return m_config->path() + "/Tiltbench/ports/com1"; }

    std::unique_ptr<QTemporaryDir> m_config;
};

void tst_PortLink::init()
{
    m_config = std::make_unique<QTemporaryDir>();
    QVERIFY(m_config->isValid());
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(m_config->path()));
    QVERIFY(QDir().mkpath(m_config->path() + "/Tiltbench/ports"));
}

void tst_PortLink::cleanup()
{
    m_config.reset();
}

void tst_PortLink::portMapPathFollowsConfigHome()
{
    QCOMPARE(PortLink::portMapPath(1), m_config->path() + "/Tiltbench/ports/com1");
    QCOMPARE(PortLink::portMapPath(12), m_config->path() + "/Tiltbench/ports/com12");
}

void tst_PortLink::mayReplace_data()
{
    QTest::addColumn<QString>("target"); // "<none>": nothing there; "<file>": a plain file
    QTest::addColumn<bool>("allowed");

    QTest::newRow("nothing there") << "<none>" << true;
    QTest::newRow("link to an open pseudo-terminal") << "<pty>" << true;
    QTest::newRow("dangling link to a gone pseudo-terminal") << "/dev/pts/99999" << true;
    QTest::newRow("link to /dev/null") << "/dev/null" << false;
    QTest::newRow("relative link to /dev/null")
        << "../../../../../../../../../../dev/null" << false;
    QTest::newRow("dangling link to an unplugged adapter") << "/dev/ttyUSB97" << false;
    QTest::newRow("link to a folder") << "/tmp" << false;
    QTest::newRow("link to the pseudo-terminal folder") << "/dev/pts" << false;
    QTest::newRow("plain file") << "<file>" << false;
}

void tst_PortLink::mayReplace()
{
    QFETCH(QString, target);
    QFETCH(bool, allowed);

    int master = -1;
    if (target == "<pty>") {
        master = ::posix_openpt(O_RDWR | O_NOCTTY);
        QVERIFY(master >= 0);
        QVERIFY(::grantpt(master) == 0 && ::unlockpt(master) == 0);
        target = QString::fromLocal8Bit(::ptsname(master));
    }
    if (target == "<file>") {
        QFile file(linkPath());
        QVERIFY(file.open(QIODevice::WriteOnly));
    } else if (target != "<none>") {
        QVERIFY(makeLink(target, linkPath()));
    }

    const QString refusal = PortLink::refusalToReplace(linkPath());
    if (master >= 0)
        ::close(master);
    QCOMPARE(refusal.isEmpty(), allowed);
    if (!allowed)
        QVERIFY2(refusal.startsWith(linkPath()), qPrintable(refusal));
}

void tst_PortLink::publishCreatesFoldersAndRemoves()
{
    QVERIFY(QDir(m_config->path()).removeRecursively());
    PortLink link(PortLink::portMapPath(2));
    QCOMPARE(link.publish("/dev/pts/99999"), QString());
    QCOMPARE(readLink(m_config->path() + "/Tiltbench/ports/com2"), "/dev/pts/99999");
    link.remove();
    QVERIFY(!QFileInfo(link.path()).isSymLink());
}

void tst_PortLink::publishReplacesStaleLink()
{
    QVERIFY(makeLink("/dev/pts/99998", linkPath()));
    PortLink link(linkPath());
    QCOMPARE(link.publish("/dev/pts/99999"), QString());
    QCOMPARE(readLink(linkPath()), "/dev/pts/99999");
}

void tst_PortLink::removeLeavesLinkPointedElsewhere()
{
    PortLink link(linkPath());
    QCOMPARE(link.publish("/dev/pts/99999"), QString());
    QVERIFY(QFile::remove(linkPath()));
    QVERIFY(makeLink("/dev/ttyUSB0", linkPath()));
    link.remove();
    QCOMPARE(readLink(linkPath()), "/dev/ttyUSB0");
}

void tst_PortLink::destructorRemoves()
{
    {
        PortLink link(linkPath());
        QCOMPARE(link.publish("/dev/pts/99999"), QString());
        QVERIFY(QFileInfo(linkPath()).isSymLink());
    }
    QVERIFY(!QFileInfo(linkPath()).isSymLink());
}

QTEST_APPLESS_MAIN(tst_PortLink)
#include "tst_portlink.moc"
