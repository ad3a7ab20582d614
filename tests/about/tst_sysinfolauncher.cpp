#include "fakefilechecks.h"
#include "fakemessageboxes.h"
#include "fakeprogramstarter.h"
#include "fakeregistry.h"
#include "fakesysinfotools.h"
#include "sysinfolauncher.h"

#include <QTest>

#include <memory>

namespace {

const QString kPathKey = QStringLiteral("SOFTWARE\\Microsoft\\Shared Tools\\MSINFO");
const QString kFolderKey = QStringLiteral("SOFTWARE\\Microsoft\\Shared Tools Location");
// The system's fallback programs, best first, as the platform would name them.
const QStringList kTools { "kinfocenter", "hardinfo2", "hardinfo", "cpu-x",
                           "gnome-system-monitor" };
const QString kUnavailable = QStringLiteral("System Information Is Unavailable At This Time");

QByteArray bytes(std::initializer_list<quint8> list)
{
    QByteArray data;
    for (quint8 b : list)
        data.append(char(b));
    return data;
}

QByteArray zeroEnded(const char *text)
{
    return QByteArray(text).append('\0');
}

// Fresh fakes, and a launcher over them, for each test.
struct Fixture
{
    FakeRegistry registry;
    FakeFileChecks files;
    FakeProgramStarter programs;
    FakeMessageBoxes boxes;
    FakeSysInfoTools tools;
    SysInfoLauncher launcher { registry, files, programs, boxes, tools };
};

} // namespace

class tst_SysInfoLauncher : public QObject
{
    Q_OBJECT

private slots:
    void init();

    void decodesValue_data();
    void decodesValue();
    void readFailureEmptiesValue_data();
    void readFailureEmptiesValue();
    void opensWithAccessRightsAndClosesKey();

    void bothLocationsAbsentShowsMessage_data();
    void bothLocationsAbsentShowsMessage();
    void firstLocationStartedWithoutCheck_data();
    void firstLocationStartedWithoutCheck();
    void firstLocationWithoutAbsoluteProgramReadsSecond_data();
    void firstLocationWithoutAbsoluteProgramReadsSecond();
    void secondLocationAppendsProgramFile_data();
    void secondLocationAppendsProgramFile();
    void secondLocationWithoutAbsoluteFolderStartsNothing_data();
    void secondLocationWithoutAbsoluteFolderStartsNothing();
    void failuresAfterFindingAPathShowMessage_data();
    void failuresAfterFindingAPathShowMessage();

    void fallbackStartsFirstToolFound_data();
    void fallbackStartsFirstToolFound();
    void fallbackToolFailingShowsMessage();

private:
    void checkOnlyMessage();

    std::unique_ptr<Fixture> m_fixture;
    FakeRegistry *m_registry = nullptr;
    FakeFileChecks *m_files = nullptr;
    FakeProgramStarter *m_programs = nullptr;
    FakeMessageBoxes *m_boxes = nullptr;
    SysInfoLauncher *m_launcher = nullptr;
};

void tst_SysInfoLauncher::init()
{
    m_fixture = std::make_unique<Fixture>();
    m_registry = &m_fixture->registry;
    m_files = &m_fixture->files;
    m_programs = &m_fixture->programs;
    m_boxes = &m_fixture->boxes;
    m_launcher = &m_fixture->launcher;
    m_fixture->tools.tools = kTools;
}

void tst_SysInfoLauncher::checkOnlyMessage()
{
    QCOMPARE(m_boxes->boxes.size(), 1);
    const FakeMessageBoxes::Box &box = m_boxes->boxes.first();
    QCOMPARE(box.text, kUnavailable);
    QCOMPARE(box.title, QStringLiteral("Tiltbench"));
    QCOMPARE(box.buttons, MessageBoxes::Buttons::Ok);
    QCOMPARE(box.icon, MessageBoxes::Icon::Information);
    QCOMPARE(m_registry->keysLeftOpen(), 0);
}

void tst_SysInfoLauncher::decodesValue_data()
{
    QTest::addColumn<quint32>("type");
    QTest::addColumn<QByteArray>("data");
    QTest::addColumn<bool>("read");
    QTest::addColumn<QString>("keyVal");

    const QString before = QStringLiteral("before");

    QTest::newRow("string stored with its zero")
        << 1u << zeroEnded("C:\\Tools\\msinfo32.exe") << true
        << QStringLiteral("C:\\Tools\\msinfo32.exe");
    QTest::newRow("string stored without its zero")
        << 1u << QByteArray("C:\\Tools\\msinfo32.exe") << true
        << QStringLiteral("C:\\Tools\\msinfo32.exe");
    QTest::newRow("one character without zero") << 1u << QByteArray("A") << true << "A";
    QTest::newRow("empty string stored as its zero") << 1u << zeroEnded("") << true << "";
    QTest::newRow("string with accented letters, zero ended")
        << 1u << QStringLiteral("Pr\u00fcfstand").toLocal8Bit().append('\0') << true
        << QStringLiteral("Pr\u00fcfstand");
    QTest::newRow("string filling the whole buffer")
        << 1u << QByteArray(1024, 'x') << true << QString(1024, u'x');

    QTest::newRow("number 05 01 00 00") << 4u << bytes({ 0x05, 0x01, 0x00, 0x00 }) << true << "261";
    QTest::newRow("number 78 56 34 12")
        << 4u << bytes({ 0x78, 0x56, 0x34, 0x12 }) << true << "305419896";
    QTest::newRow("number with low zero byte 00 01 00 00")
        << 4u << bytes({ 0x00, 0x01, 0x00, 0x00 }) << true << "256";
    QTest::newRow("number zero") << 4u << bytes({ 0x00, 0x00, 0x00, 0x00 }) << true << "0";
    QTest::newRow("number with top bit set is positive")
        << 4u << bytes({ 0xff, 0xff, 0xff, 0xff }) << true << "4294967295";
    QTest::newRow("number 80 00 00 00") << 4u << bytes({ 0x80, 0x00, 0x00, 0x00 }) << true << "128";
    QTest::newRow("number in two bytes") << 4u << bytes({ 0x34, 0x12 }) << true << "4660";

    QTest::newRow("expandable string leaves KeyVal")
        << 2u << zeroEnded("%ProgramFiles%\\MSInfo") << true << before;
    QTest::newRow("binary value leaves KeyVal") << 3u << bytes({ 0x01, 0x02 }) << true << before;

    QTest::newRow("string longer than the buffer") << 1u << QByteArray(1025, 'x') << false << "";
    QTest::newRow("zero-length string") << 1u << QByteArray() << false << "";
    QTest::newRow("zero-length number") << 4u << QByteArray() << false << "";
    QTest::newRow("zero-length other type") << 2u << QByteArray() << false << "";
    QTest::newRow("number of eight bytes")
        << 4u << bytes({ 1, 2, 3, 4, 5, 6, 7, 8 }) << false << "";
}

void tst_SysInfoLauncher::decodesValue()
{
    QFETCH(quint32, type);
    QFETCH(QByteArray, data);
    QFETCH(bool, read);
    QFETCH(QString, keyVal);

    m_registry->setValue(QStringLiteral("SOFTWARE\\Lab"), QStringLiteral("Value"), type, data);
    QString value = QStringLiteral("before");
    QCOMPARE(m_launcher->GetKeyValue(Registry::kLocalMachine, QStringLiteral("SOFTWARE\\Lab"),
                                     QStringLiteral("Value"), value),
             read);
    QCOMPARE(value, keyVal);
    QCOMPARE(m_registry->closes.size(), 1);
    QCOMPARE(m_registry->keysLeftOpen(), 0);
    QVERIFY(m_boxes->boxes.isEmpty());
}

void tst_SysInfoLauncher::readFailureEmptiesValue_data()
{
    QTest::addColumn<QString>("keyName");
    QTest::addColumn<QString>("valueName");
    QTest::addColumn<long>("openStatus");
    QTest::addColumn<long>("queryStatus");
    QTest::addColumn<int>("closes");

    QTest::newRow("key missing") << "SOFTWARE\\Elsewhere"
                                 << "Value" << 0L << 0L << 0;
    QTest::newRow("open refused") << "SOFTWARE\\Lab"
                                  << "Value" << 5L << 0L << 0;
    QTest::newRow("value missing") << "SOFTWARE\\Lab"
                                   << "Other" << 0L << 0L << 1;
    QTest::newRow("query refused") << "SOFTWARE\\Lab"
                                   << "Value" << 0L << 5L << 1;
}

void tst_SysInfoLauncher::readFailureEmptiesValue()
{
    QFETCH(QString, keyName);
    QFETCH(QString, valueName);
    QFETCH(long, openStatus);
    QFETCH(long, queryStatus);
    QFETCH(int, closes);

    m_registry->setValue(QStringLiteral("SOFTWARE\\Lab"), QStringLiteral("Value"), 1,
                         zeroEnded("text"));
    m_registry->openStatus = openStatus;
    m_registry->queryStatus = queryStatus;
    QString value = QStringLiteral("before");
    QVERIFY(!m_launcher->GetKeyValue(Registry::kLocalMachine, keyName, valueName, value));
    QCOMPARE(value, QString());
    QCOMPARE(m_registry->closes.size(), closes);
    QCOMPARE(m_registry->keysLeftOpen(), 0);
}

void tst_SysInfoLauncher::opensWithAccessRightsAndClosesKey()
{
    m_registry->setValue(kPathKey, QStringLiteral("PATH"), 1, zeroEnded("C:\\msinfo32.exe"));
    QString value;
    QVERIFY(m_launcher->GetKeyValue(0x80000002, kPathKey, QStringLiteral("PATH"), value));
    QCOMPARE(m_registry->opens.size(), 1);
    QCOMPARE(m_registry->opens.first().root, 0x80000002u);
    // Read rights only: asking for write rights gets a user without administrator rights refused.
    QCOMPARE(m_registry->opens.first().access, 0x20019u);
    QCOMPARE(m_registry->opens.first().keyPath, kPathKey);
    QCOMPARE(m_registry->closes.size(), 1);
    QCOMPARE(m_registry->keysLeftOpen(), 0);
}

void tst_SysInfoLauncher::bothLocationsAbsentShowsMessage_data()
{
    QTest::addColumn<QStringList>("tools");
    QTest::newRow("system with fallback programs, none installed") << kTools;
    QTest::newRow("system without fallback programs") << QStringList();
}

void tst_SysInfoLauncher::bothLocationsAbsentShowsMessage()
{
    QFETCH(QStringList, tools);
    m_fixture->tools.tools = tools;
    m_launcher->StartSysInfo();
    checkOnlyMessage();
    QVERIFY(m_programs->attempts.isEmpty());
    QCOMPARE(m_registry->openedKeys(), QStringList({ kPathKey, kFolderKey }));
    // Every fallback program is looked for, in the system's order.
    QCOMPARE(m_files->searched, tools);
}

void tst_SysInfoLauncher::firstLocationStartedWithoutCheck_data()
{
    QTest::addColumn<QString>("path");

    QTest::newRow("path on a drive")
        << QStringLiteral("C:\\Program Files\\Common Files\\MSInfo\\msinfo32.exe");
    QTest::newRow("path on a network share") << QStringLiteral("\\\\lab\\tools\\msinfo32.exe");
}

void tst_SysInfoLauncher::firstLocationStartedWithoutCheck()
{
    QFETCH(QString, path);
    m_registry->setValue(kPathKey, QStringLiteral("PATH"), 1, path.toLocal8Bit().append('\0'));
    m_registry->setValue(kFolderKey, QStringLiteral("MSINFO"), 1, zeroEnded("C:\\Other"));
    m_launcher->StartSysInfo();
    QCOMPARE(m_programs->attempts, QStringList { path });
    QVERIFY(m_boxes->boxes.isEmpty());
    QVERIFY(m_files->asked.isEmpty());
    QCOMPARE(m_registry->openedKeys(), QStringList { kPathKey });
    QCOMPARE(m_registry->keysLeftOpen(), 0);
}

void tst_SysInfoLauncher::firstLocationWithoutAbsoluteProgramReadsSecond_data()
{
    QTest::addColumn<quint32>("type");
    QTest::addColumn<QByteArray>("data");

    QTest::newRow("number") << 4u << bytes({ 0x5C, 0, 0, 0 });
    QTest::newRow("number too long to read") << 4u << bytes({ 1, 2, 3, 4, 5 });
    QTest::newRow("expandable string")
        << 2u << zeroEnded("%CommonProgramFiles%\\MSInfo\\msinfo32.exe");
    QTest::newRow("empty string") << 1u << zeroEnded("");
    QTest::newRow("zero-length value") << 1u << QByteArray();
    QTest::newRow("path from the current drive's root") << 1u << zeroEnded("\\MSINFO32.EXE");
    QTest::newRow("path relative to the current folder") << 1u << zeroEnded("msinfo32.exe");
    QTest::newRow("drive without backslash") << 1u << zeroEnded("C:msinfo32.exe");
}

void tst_SysInfoLauncher::firstLocationWithoutAbsoluteProgramReadsSecond()
{
    QFETCH(quint32, type);
    QFETCH(QByteArray, data);

    m_registry->setValue(kPathKey, QStringLiteral("PATH"), type, data);
    m_registry->setValue(kFolderKey, QStringLiteral("MSINFO"), 1, zeroEnded("C:\\MSInfo"));
    m_files->files.insert(QStringLiteral("C:\\MSInfo\\MSINFO32.EXE"));
    m_launcher->StartSysInfo();
    QCOMPARE(m_registry->openedKeys(), QStringList({ kPathKey, kFolderKey }));
    QCOMPARE(m_programs->attempts, QStringList { QStringLiteral("C:\\MSInfo\\MSINFO32.EXE") });
    QVERIFY(m_boxes->boxes.isEmpty());
    QCOMPARE(m_registry->keysLeftOpen(), 0);
}

void tst_SysInfoLauncher::secondLocationAppendsProgramFile_data()
{
    QTest::addColumn<QByteArray>("folder");
    QTest::addColumn<QString>("program");
    QTest::addColumn<bool>("present");

    const QByteArray shared("C:\\Program Files\\Common Files\\Microsoft Shared\\MSInfo");
    QTest::newRow("folder holding the program")
        << QByteArray(shared).append('\0')
        << "C:\\Program Files\\Common Files\\Microsoft Shared\\MSInfo\\MSINFO32.EXE" << true;
    QTest::newRow("folder with trailing backslash doubles it")
        << QByteArray(shared).append("\\\0", 2)
        << "C:\\Program Files\\Common Files\\Microsoft Shared\\MSInfo\\\\MSINFO32.EXE" << true;
    QTest::newRow("folder stored without its zero")
        << QByteArray("D:\\MSInfo") << "D:\\MSInfo\\MSINFO32.EXE" << true;
    QTest::newRow("folder without the program")
        << QByteArray(shared).append('\0')
        << "C:\\Program Files\\Common Files\\Microsoft Shared\\MSInfo\\MSINFO32.EXE" << false;
}

void tst_SysInfoLauncher::secondLocationAppendsProgramFile()
{
    QFETCH(QByteArray, folder);
    QFETCH(QString, program);
    QFETCH(bool, present);

    m_registry->setValue(kFolderKey, QStringLiteral("MSINFO"), 1, folder);
    if (present)
        m_files->files.insert(program);
    m_launcher->StartSysInfo();

    QCOMPARE(m_files->asked, QStringList { program });
    QCOMPARE(m_registry->openedKeys(), QStringList({ kPathKey, kFolderKey }));
    if (present) {
        QCOMPARE(m_programs->attempts, QStringList { program });
        QVERIFY(m_boxes->boxes.isEmpty());
        QCOMPARE(m_registry->keysLeftOpen(), 0);
    } else {
        QVERIFY(m_programs->attempts.isEmpty());
        checkOnlyMessage();
    }
}

void tst_SysInfoLauncher::secondLocationWithoutAbsoluteFolderStartsNothing_data()
{
    QTest::addColumn<quint32>("type");
    QTest::addColumn<QByteArray>("data");

    QTest::newRow("expandable string") << 2u << zeroEnded("%ProgramFiles%");
    QTest::newRow("empty string") << 1u << zeroEnded("");
    QTest::newRow("number") << 4u << bytes({ 7, 0, 0, 0 });
    QTest::newRow("folder relative to the current drive") << 1u << zeroEnded("\\MSInfo");
}

void tst_SysInfoLauncher::secondLocationWithoutAbsoluteFolderStartsNothing()
{
    QFETCH(quint32, type);
    QFETCH(QByteArray, data);

    // The program file in every place a relative folder could lead to.
    m_registry->setValue(kFolderKey, QStringLiteral("MSINFO"), type, data);
    for (const char *file : { "\\MSINFO32.EXE", "\\MSInfo\\MSINFO32.EXE", "7\\MSINFO32.EXE" })
        m_files->files.insert(QString::fromLatin1(file));
    m_launcher->StartSysInfo();
    QVERIFY(m_files->asked.isEmpty());
    QVERIFY(m_programs->attempts.isEmpty());
    checkOnlyMessage();
}

void tst_SysInfoLauncher::failuresAfterFindingAPathShowMessage_data()
{
    QTest::addColumn<bool>("firstPresent");
    QTest::addColumn<QByteArray>("firstPath");
    QTest::addColumn<bool>("startFails");
    QTest::addColumn<QStringList>("attempts");
    QTest::addColumn<QStringList>("openedKeys");

    QTest::newRow("stale first path, second not consulted")
        << true << zeroEnded("C:\\Gone\\msinfo32.exe") << true
        << QStringList { "C:\\Gone\\msinfo32.exe" } << QStringList { kPathKey };
    QTest::newRow("program from the second location will not start")
        << false << QByteArray() << true << QStringList { "C:\\MSInfo\\MSINFO32.EXE" }
        << QStringList { kPathKey, kFolderKey };
}

void tst_SysInfoLauncher::failuresAfterFindingAPathShowMessage()
{
    QFETCH(bool, firstPresent);
    QFETCH(QByteArray, firstPath);
    QFETCH(bool, startFails);
    QFETCH(QStringList, attempts);
    QFETCH(QStringList, openedKeys);

    if (firstPresent)
        m_registry->setValue(kPathKey, QStringLiteral("PATH"), 1, firstPath);
    m_registry->setValue(kFolderKey, QStringLiteral("MSINFO"), 1, zeroEnded("C:\\MSInfo"));
    m_files->files.insert(QStringLiteral("C:\\MSInfo\\MSINFO32.EXE"));
    // A desktop tool on the path must not stand in once the registry has named a program or
    // failed in reading.
    m_files->onPath.insert(QStringLiteral("hardinfo"), QStringLiteral("/usr/bin/hardinfo"));
    m_programs->fails = startFails;

    m_launcher->StartSysInfo();
    QCOMPARE(m_programs->attempts, attempts);
    QCOMPARE(m_registry->openedKeys(), openedKeys);
    QVERIFY(m_files->searched.isEmpty());
    checkOnlyMessage();
}

void tst_SysInfoLauncher::fallbackStartsFirstToolFound_data()
{
    QTest::addColumn<QStringList>("installed");
    QTest::addColumn<QString>("started");

    QTest::newRow("KDE Info Center") << QStringList { "kinfocenter" } << "/usr/bin/kinfocenter";
    QTest::newRow("HardInfo 2 before HardInfo")
        << QStringList { "hardinfo", "hardinfo2" } << "/usr/bin/hardinfo2";
    QTest::newRow("dedicated tool before a system monitor")
        << QStringList { "gnome-system-monitor", "cpu-x" } << "/usr/bin/cpu-x";
    QTest::newRow("GNOME system monitor alone")
        << QStringList { "gnome-system-monitor" } << "/usr/bin/gnome-system-monitor";
    QTest::newRow("a program the system does not name is not started")
        << QStringList { "mate-system-monitor", "hardinfo" } << "/usr/bin/hardinfo";
}

void tst_SysInfoLauncher::fallbackStartsFirstToolFound()
{
    QFETCH(QStringList, installed);
    QFETCH(QString, started);

    for (const QString &name : installed)
        m_files->onPath.insert(name, QStringLiteral("/usr/bin/") + name);
    // A folder without the program counts as the registry naming nothing.
    m_registry->setValue(kFolderKey, QStringLiteral("MSINFO"), 1, zeroEnded("C:\\MSInfo"));

    m_launcher->StartSysInfo();
    QCOMPARE(m_programs->attempts, QStringList { started });
    QVERIFY(m_boxes->boxes.isEmpty());
}

void tst_SysInfoLauncher::fallbackToolFailingShowsMessage()
{
    m_files->onPath.insert(QStringLiteral("kinfocenter"), QStringLiteral("/usr/bin/kinfocenter"));
    m_files->onPath.insert(QStringLiteral("hardinfo"), QStringLiteral("/usr/bin/hardinfo"));
    m_programs->fails = true;

    m_launcher->StartSysInfo();
    QCOMPARE(m_programs->attempts, QStringList { QStringLiteral("/usr/bin/kinfocenter") });
    checkOnlyMessage();
}

QTEST_APPLESS_MAIN(tst_SysInfoLauncher)
#include "tst_sysinfolauncher.moc"
