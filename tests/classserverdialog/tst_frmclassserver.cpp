#include "fakefiledialogs.h"
#include "fakemessageboxes.h"
#include "fakesettingsstore.h"
#include "frmclassserver.h"
#include "psqlclassserver.h"
#include "testlanguage.h"
#include "textfit.h"
#include "throwawaypostgres.h"

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTest>

#include <optional>

// The Class Server dialog driven by keys and clicks, its Test Connection against a real server.
class tst_frmClassServer : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();

    void testConnectionSaysWhatFailed_data();
    void testConnectionSaysWhatFailed();
    void okStoresTheSettingsAndNoPassword();
    void missingDriverNamesItsPackage();
    void noCaptionClipped();

private:
    template<typename T> static T *child(QWidget *window, const char *name)
    {
        auto *found = window->findChild<T *>(QLatin1String(name));
        Q_ASSERT(found);
        return found;
    }
    static void type(QWidget *window, const char *field, const QString &text)
    {
        auto *edit = child<QWidget>(window, field);
        edit->setFocus();
        QTest::keyClick(edit, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClick(edit, Qt::Key_Delete);
        QTest::keyClicks(edit, text);
    }

    std::unique_ptr<ThrowawayPostgres> m_pg;
    FakeFileDialogs m_fileDialogs;
    FakeMessageBoxes m_boxes;
};

void tst_frmClassServer::initTestCase()
{
    if (!ThrowawayPostgres::running())
        QSKIP(ThrowawayPostgres::kSkipReason);
    m_pg = std::make_unique<ThrowawayPostgres>();
    QVERIFY(m_pg->createClassDatabase(QStringLiteral("lab")));
    QVERIFY(m_pg->addLogin(QStringLiteral("bench-3"), QStringLiteral("pw-3"),
                           QStringLiteral("tiltbench_station")));
    QVERIFY(m_pg->addLogin(QStringLiteral("bench-9"), QStringLiteral("stale"),
                           QStringLiteral("tiltbench_station")));
    QVERIFY(m_pg->sql(QStringLiteral("ALTER ROLE \"bench-9\" PASSWORD 'changed'")));
}

void tst_frmClassServer::testConnectionSaysWhatFailed_data()
{
    QTest::addColumn<QString>("station");
    QTest::addColumn<QString>("database");
    QTest::addColumn<QString>("said");
    QTest::addColumn<bool>("german");

    QTest::newRow("connects") << "bench-3"
                              << "lab"
                              << "Connected to " << false;
    QTest::newRow("wrong password") << "bench-9"
                                    << "lab"
                                    << "refused the password" << false;
    QTest::newRow("missing database") << "bench-3"
                                      << "labb"
                                      << "has no such database" << false;
    QTest::newRow("wrong password, German desktop")
        << "bench-9"
        << "lab"
        << "Der Klassenserver hat das Passwort der Anmeldung \u201ebench-9\u201c abgewiesen"
        << true;
    QTest::newRow("connects, German desktop") << "bench-3"
                                              << "lab"
                                              << "Verbunden mit " << true;
}

void tst_frmClassServer::testConnectionSaysWhatFailed()
{
    QFETCH(QString, station);
    QFETCH(QString, database);
    QFETCH(QString, said);
    QFETCH(bool, german);

    std::optional<TestLanguage> language;
    if (german) {
        language.emplace(QLocale(QLocale::German, QLocale::Germany));
        QVERIFY(language->isLoaded());
    }
    PsqlClassServer server;
    FakeSettingsStore store;
    frmClassServer dialog(server, store, m_fileDialogs, m_boxes);
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    type(&dialog, "txtHost", qEnvironmentVariable("PGHOST"));
    type(&dialog, "spnPort", QString::number(m_pg->port()));
    type(&dialog, "txtDatabase", database);
    type(&dialog, "txtStation", station);
    QTest::mouseClick(child<QPushButton>(&dialog, "btnTest"), Qt::LeftButton);
    auto *result = child<QLabel>(&dialog, "lblTestResult");
    QTRY_VERIFY2_WITH_TIMEOUT(result->text().contains(said), qPrintable(result->text()), 10000);
}

void tst_frmClassServer::okStoresTheSettingsAndNoPassword()
{
    PsqlClassServer server;
    FakeSettingsStore store;
    m_fileDialogs.openNames = QStringList { QStringLiteral("/etc/ssl/lab-ca.crt") };
    frmClassServer dialog(server, store, m_fileDialogs, m_boxes);
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    type(&dialog, "txtHost", QStringLiteral("db.school.example"));
    type(&dialog, "txtStation", QStringLiteral("bench-3"));
    auto *tls = child<QComboBox>(&dialog, "cboTls");
    auto *browse = child<QPushButton>(&dialog, "btnBrowseCa");
    QVERIFY(!browse->isEnabled());
    tls->setFocus();
    QTest::keyClick(tls, Qt::Key_End);
    QVERIFY(browse->isEnabled());
    QTest::mouseClick(browse, Qt::LeftButton);
    QTest::mouseClick(child<QPushButton>(&dialog, "btnOK"), Qt::LeftButton);

    QCOMPARE(dialog.result(), int(QDialog::Accepted));
    const ClassServerSettings stored = ClassServerSettings::read(store);
    QCOMPARE(stored.host, QStringLiteral("db.school.example"));
    QCOMPARE(stored.port, 5432);
    QCOMPARE(stored.station, QStringLiteral("bench-3"));
    QCOMPARE(stored.tls, ClassServerSettings::Tls::VerifyFull);
    QCOMPARE(stored.caFile, QStringLiteral("/etc/ssl/lab-ca.crt"));
    // No password among them.
    QStringList keys = store.values.keys();
    keys.sort();
    const QString section = QStringLiteral("Tiltbench/Class Server/");
    QCOMPARE(
        keys,
        (QStringList { section + "CAFile", section + "Database", section + "Host", section + "Port",
                       section + "Service", section + "Station", section + "TLS" }));
}

void tst_frmClassServer::missingDriverNamesItsPackage()
{
    PsqlClassServer server(QStringLiteral("QNOSUCHDRIVER"));
    FakeSettingsStore store;
    frmClassServer dialog(server, store, m_fileDialogs, m_boxes);
    dialog.show();
    auto *driver = child<QLabel>(&dialog, "lblDriver");
    QVERIFY(driver->isVisible());
    QVERIFY2(driver->text().contains(QLatin1String("libqt6sql6-psql")), qPrintable(driver->text()));
}

// The longest text the dialog shows before a test, the missing driver's, included.
void tst_frmClassServer::noCaptionClipped()
{
    PsqlClassServer server(QStringLiteral("QNOSUCHDRIVER"));
    FakeSettingsStore store;
    frmClassServer dialog(server, store, m_fileDialogs, m_boxes);
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    const QStringList clipped = clippedTexts(&dialog);
    QVERIFY2(clipped.isEmpty(), qPrintable(clipped.join(QLatin1Char('\n'))));
}

TILTBENCH_POSTGRES_TEST_MAIN(tst_frmClassServer, QApplication)
#include "tst_frmclassserver.moc"
