#include "qsettingsstore.h"

#include <QDir>
#include <QFile>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

class tst_QSettingsStore : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void writesTextUnderAppAndSection();
    void replacesValue();
    void reportsAFailedWrite();
    void damagedFileIsReplacedAndTheWriteSticks_data();
    void damagedFileIsReplacedAndTheWriteSticks();
    void readsBackAndFindsSectionsInTheFile();

private:
    std::unique_ptr<QTemporaryDir> m_config;
};

void tst_QSettingsStore::init()
{
    // A private per-user configuration folder, so the test never touches the real one.
    m_config = std::make_unique<QTemporaryDir>();
    QVERIFY(m_config->isValid());
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, m_config->path());
    // Where HasSection looks, as QSettings does without setPath.
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(m_config->path()));
}

void tst_QSettingsStore::writesTextUnderAppAndSection()
{
    QSettingsStore store;
    QVERIFY(store.SaveSetting("Tiltbench", "Properties", "Settings", "9600,n,8,1"));
    QVERIFY(store.SaveSetting("Tiltbench", "Properties", "CommPort", "3"));
    QVERIFY(store.SaveSetting("Tiltbench", "Properties", "Echo", "True"));

    const QString path = m_config->filePath("Tiltbench/Tiltbench.conf");
    QVERIFY2(QFile::exists(path), qPrintable(path));
    QSettings file(path, QSettings::IniFormat);
    QCOMPARE(file.childGroups(), QStringList({ "Properties" }));
    QCOMPARE(file.value("Properties/Settings").toString(), QString("9600,n,8,1"));
    QCOMPARE(file.value("Properties/CommPort").toString(), QString("3"));
    QCOMPARE(file.value("Properties/Echo").toString(), QString("True"));
}

void tst_QSettingsStore::replacesValue()
{
    QSettingsStore store;
    QVERIFY(store.SaveSetting("Tiltbench", "Properties", "Handshaking", "1"));
    QVERIFY(store.SaveSetting("Tiltbench", "Properties", "Handshaking", "0"));
    QSettings file(m_config->filePath("Tiltbench/Tiltbench.conf"), QSettings::IniFormat);
    QCOMPARE(file.value("Properties/Handshaking").toString(), QString("0"));
    QCOMPARE(file.allKeys(), QStringList({ "Properties/Handshaking" }));
}

void tst_QSettingsStore::reportsAFailedWrite()
{
    // A folder where the file should be: no permission trick, so this fails even for root.
    QVERIFY(QDir(m_config->path()).mkpath("Tiltbench/Tiltbench.conf"));
    QSettingsStore store;
    QVERIFY(!store.SaveSetting("Tiltbench", "Properties", "Settings", "9600,n,8,1"));
}

void tst_QSettingsStore::damagedFileIsReplacedAndTheWriteSticks_data()
{
    QTest::addColumn<QByteArray>("damaged");
    QTest::addColumn<QByteArray>("written");
    // What QSettings could make of the damaged file stays beside the new value.
    QTest::newRow("section header cut short")
        << QByteArray("[Properties\nSettings=1\n")
        << QByteArray("[Properties]\nCommPort=2\nSettings=1\n");
    QTest::newRow("a line without =")
        << QByteArray("Settings\n") << QByteArray("[Properties]\nCommPort=2\n");
    QTest::newRow("zero bytes of a crash")
        << QByteArray(64, '\0') << QByteArray("[Properties]\nCommPort=2\n");
}

void tst_QSettingsStore::damagedFileIsReplacedAndTheWriteSticks()
{
    QFETCH(QByteArray, damaged);
    QFETCH(QByteArray, written);
    const QString path = m_config->filePath("Tiltbench/Tiltbench.conf");
    QVERIFY(QDir(m_config->path()).mkpath("Tiltbench"));
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    QCOMPARE(file.write(damaged), damaged.size());
    file.close();

    // QSettings reports the damage it read as an error of the write; the value is there.
    QSettingsStore store;
    QVERIFY(store.SaveSetting("Tiltbench", "Properties", "CommPort", "2"));
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), written);
}

void tst_QSettingsStore::readsBackAndFindsSectionsInTheFile()
{
    QSettingsStore store;
    QVERIFY(!store.HasSection("Tiltbench", "Class Server"));
    QVERIFY(store.SaveSetting("Tiltbench", "Properties", "CommPort", "2"));
    QVERIFY(store.SaveSetting("Tiltbench", "Class Server", "Host", "db.school.example"));
    QVERIFY(store.HasSection("Tiltbench", "Class Server"));
    QVERIFY(store.HasSection("Tiltbench", "Properties"));
    QVERIFY(!store.HasSection("Tiltbench", "Class"));
    QVERIFY(!store.HasSection("Tiltbench", "Server"));
    QCOMPARE(store.GetSetting("Tiltbench", "Class Server", "Host", "none"),
             QString("db.school.example"));
    QCOMPARE(store.GetSetting("Tiltbench", "Class Server", "Port", "none"), QString("none"));
}

QTEST_APPLESS_MAIN(tst_QSettingsStore)
#include "tst_qsettingsstore.moc"
