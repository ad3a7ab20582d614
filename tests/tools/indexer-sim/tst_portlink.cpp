#include "portlink.h"
#include "pseudoterminal.h"
#include "temporaryportmap.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTest>

#include <memory>

class tst_PortLink : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void mayReplace_data();
    void mayReplace();
    void publishCreatesFoldersAndRemoves();
    void publishReplacesStaleLink();
    void removeLeavesLinkPointedElsewhere();
    void destructorRemoves();

private:
    QString linkPath() const { return m_portMap->path() + "/Tiltbench/ports/com1"; }

    std::unique_ptr<TemporaryPortMap> m_portMap;
};

void tst_PortLink::init()
{
    m_portMap = std::make_unique<TemporaryPortMap>();
    QVERIFY(m_portMap->isValid());
    QVERIFY(QDir().mkpath(m_portMap->path() + "/Tiltbench/ports"));
}

void tst_PortLink::cleanup()
{
    m_portMap.reset();
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
    QTest::newRow("link loop") << "<loop>" << false;
}

void tst_PortLink::mayReplace()
{
    QFETCH(QString, target);
    QFETCH(bool, allowed);

    PseudoTerminal terminal;
    if (target == "<pty>") {
        QVERIFY2(terminal.isValid(), qPrintable(terminal.errorString()));
        target = terminal.slavePath();
    }
    if (target == "<file>") {
        QFile file(linkPath());
        QVERIFY(file.open(QIODevice::WriteOnly));
    } else if (target == "<loop>") {
        // com1 -> other -> com1.
        const QString other = m_portMap->path() + "/Tiltbench/ports/other";
        QVERIFY(m_portMap->link(1, other));
        QVERIFY(QFile::link(linkPath(), other));
    } else if (target != "<none>") {
        QVERIFY(m_portMap->link(1, target));
    }

    const QString refusal = PortLink::refusalToReplace(linkPath());
    QCOMPARE(refusal.isEmpty(), allowed);
    if (!allowed)
        QVERIFY2(refusal.startsWith(linkPath()), qPrintable(refusal));
    // A loop is called a loop, not a missing device.
    QCOMPARE(refusal.contains(QStringLiteral("loop of links")), target == "<loop>");
}

void tst_PortLink::publishCreatesFoldersAndRemoves()
{
    QVERIFY(QDir(m_portMap->path()).removeRecursively());
    PortLink link(m_portMap->path() + "/Tiltbench/ports/com2");
    QCOMPARE(link.publish("/dev/pts/99999"), QString());
    QCOMPARE(QFileInfo(link.path()).symLinkTarget(), "/dev/pts/99999");
    link.remove();
    QVERIFY(!QFileInfo(link.path()).isSymLink());
}

void tst_PortLink::publishReplacesStaleLink()
{
    QVERIFY(m_portMap->link(1, "/dev/pts/99998"));
    PortLink link(linkPath());
    QCOMPARE(link.publish("/dev/pts/99999"), QString());
    QCOMPARE(QFileInfo(linkPath()).symLinkTarget(), "/dev/pts/99999");
}

void tst_PortLink::removeLeavesLinkPointedElsewhere()
{
    PortLink link(linkPath());
    QCOMPARE(link.publish("/dev/pts/99999"), QString());
    QVERIFY(QFile::remove(linkPath()));
    QVERIFY(m_portMap->link(1, "/dev/ttyUSB0"));
    link.remove();
    QCOMPARE(QFileInfo(linkPath()).symLinkTarget(), "/dev/ttyUSB0");
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
