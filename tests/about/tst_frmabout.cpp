#include "fakefilechecks.h"
#include "fakemessageboxes.h"
#include "fakeprogramstarter.h"
#include "fakeregistry.h"
#include "fakesysinfotools.h"
#include "frmabout.h"
#include "textfit.h"
#include "twipslayout.h"

#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QTest>

#include <cmath>
#include <memory>

namespace {

// Pixels of the design, worked out by hand (twips / 15), grown with the application's font as
// every window is.
int designPixels(double pixels)
{
    return int(std::lround(pixels * TwipsLayout::scale()));
}

} // namespace

class tst_frmAbout : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void textsAfterLoad();
    void eachShowingRebuildsTexts();
    void fixedModalDialog();
    void focusStartsOnOkAndTabsToSysInfo();
    void enterClosesFromOk();
    void escapeCloses_data();
    void escapeCloses();
    void enterOnSysInfoLaunches();
    void sysInfoFailureShowsMessageAndStaysOpen();
    void separatorIsEtched();
    void noTextIsClipped();

private:
    void showActive();
    QLabel *label(const char *name) const { return m_dialog->findChild<QLabel *>(name); }
    QPushButton *button(const char *name) const { return m_dialog->findChild<QPushButton *>(name); }

    // Fresh fakes and a fresh window for each test; the window goes before the services it uses.
    struct Fixture
    {
        FakeRegistry registry;
        FakeFileChecks files;
        FakeProgramStarter programs;
        FakeMessageBoxes boxes;
        FakeSysInfoTools tools;
        frmAbout dialog { registry, files, programs, boxes, tools };
    };
    std::unique_ptr<Fixture> m_fixture;
    frmAbout *m_dialog = nullptr;
};

void tst_frmAbout::init()
{
    m_fixture = std::make_unique<Fixture>();
    m_dialog = &m_fixture->dialog;
}

void tst_frmAbout::cleanup()
{
    m_dialog = nullptr;
    m_fixture.reset();
}

void tst_frmAbout::showActive()
{
    m_dialog->show();
    m_dialog->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(m_dialog));
}

void tst_frmAbout::textsAfterLoad()
{
    m_dialog->show();
    QCOMPARE(m_dialog->windowTitle(), QStringLiteral("About Tiltbench"));
    QCOMPARE(label("lblTitle")->text(), QStringLiteral("Tiltbench"));
    QCOMPARE(label("lblVersion")->text(), QStringLiteral("Version 1.0.0"));
    QCOMPARE(label("lblDescription")->text(),
             QStringLiteral("This lab helps students to learn the basic concepts of friction "
                            "through experimentation."));
    QCOMPARE(button("cmdOK")->text(), QStringLiteral("OK"));
    QCOMPARE(button("cmdSysInfo")->text(), QStringLiteral("&System Info..."));
    for (const char *name : { "lblTeam", "lblNames", "lblThanks", "lblDisclaimer" }) {
        QVERIFY2(label(name), name);
        QVERIFY2(!label(name)->text().isEmpty(), name);
    }
    QCOMPARE(label("picIcon")->pixmap().size(), QSize(32, 32));
    QVERIFY(!m_dialog->windowIcon().isNull());
}

void tst_frmAbout::eachShowingRebuildsTexts()
{
    m_dialog->show();
    m_dialog->setWindowTitle(QStringLiteral("stale"));
    label("lblTitle")->setText(QStringLiteral("stale"));
    label("lblVersion")->setText(QStringLiteral("stale"));
    m_dialog->hide();
    m_dialog->show();
    QCOMPARE(m_dialog->windowTitle(), QStringLiteral("About Tiltbench"));
    QCOMPARE(label("lblTitle")->text(), QStringLiteral("Tiltbench"));
    QCOMPARE(label("lblVersion")->text(), QStringLiteral("Version 1.0.0"));
}

void tst_frmAbout::fixedModalDialog()
{
    m_dialog->show();
    QVERIFY(m_dialog->isModal());
    // 5730 x 3930 twips.
    const QSize client(designPixels(382), designPixels(262));
    QCOMPARE(m_dialog->size(), client);
    QCOMPARE(m_dialog->minimumSize(), client);
    QCOMPARE(m_dialog->maximumSize(), client);
    const Qt::WindowFlags flags = m_dialog->windowFlags();
    QVERIFY(!(flags & Qt::WindowMinimizeButtonHint));
    QVERIFY(!(flags & Qt::WindowMaximizeButtonHint));
    QVERIFY(!(flags & Qt::WindowContextHelpButtonHint));
    QVERIFY(flags & Qt::MSWindowsFixedSizeDialogHint);
    QVERIFY(button("cmdOK")->isDefault());
    // Opens at its own place, not centred.
    const QPoint screenOrigin = m_dialog->screen()->geometry().topLeft();
    QCOMPARE(m_dialog->geometry().topLeft(),
             screenOrigin + QPoint(designPixels(156), designPixels(129)));
}

void tst_frmAbout::focusStartsOnOkAndTabsToSysInfo()
{
    showActive();
    QCOMPARE(QApplication::focusWidget(), button("cmdOK"));
    QCOMPARE(label("picIcon")->focusPolicy(), Qt::NoFocus);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), button("cmdSysInfo"));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), button("cmdOK"));
}

void tst_frmAbout::enterClosesFromOk()
{
    showActive();
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    QVERIFY(!m_dialog->isVisible());
    QVERIFY(m_fixture->programs.attempts.isEmpty());
    QVERIFY(m_fixture->boxes.boxes.isEmpty());
}

void tst_frmAbout::escapeCloses_data()
{
    QTest::addColumn<QString>("focused");
    QTest::newRow("focus on OK") << "cmdOK";
    QTest::newRow("focus on System Info") << "cmdSysInfo";
}

void tst_frmAbout::escapeCloses()
{
    QFETCH(QString, focused);
    showActive();
    auto *target = m_dialog->findChild<QPushButton *>(focused);
    target->setFocus();
    QCOMPARE(QApplication::focusWidget(), target);
    QTest::keyClick(target, Qt::Key_Escape);
    QVERIFY(!m_dialog->isVisible());
    QVERIFY(m_fixture->programs.attempts.isEmpty());
    QVERIFY(m_fixture->boxes.boxes.isEmpty());
}

void tst_frmAbout::enterOnSysInfoLaunches()
{
    m_fixture->registry.setValue(QStringLiteral("SOFTWARE\\Microsoft\\Shared Tools\\MSINFO"),
                                 QStringLiteral("PATH"), Registry::kTypeString,
                                 QByteArray("C:\\Tools\\msinfo32.exe"));
    showActive();
    button("cmdSysInfo")->setFocus();
    QTest::keyClick(button("cmdSysInfo"), Qt::Key_Return);
    QCOMPARE(m_fixture->programs.attempts,
             QStringList { QStringLiteral("C:\\Tools\\msinfo32.exe") });
    QVERIFY(m_dialog->isVisible());
}

void tst_frmAbout::sysInfoFailureShowsMessageAndStaysOpen()
{
    m_dialog->show();
    button("cmdSysInfo")->click();
    QCOMPARE(m_fixture->boxes.boxes.size(), 1);
    QCOMPARE(m_fixture->boxes.boxes.first().text,
             QStringLiteral("System Information Is Unavailable At This Time"));
    QCOMPARE(m_fixture->boxes.boxes.first().title, QStringLiteral("Tiltbench"));
    QVERIFY(m_fixture->programs.attempts.isEmpty());
    QVERIFY(m_dialog->isVisible());
}

void tst_frmAbout::separatorIsEtched()
{
    m_dialog->show();
    const QImage image = m_dialog->grab().toImage();
    const int y = designPixels(178.8); // 2682 twips
    const int x = m_dialog->width() / 2;
    QCOMPARE(image.pixelColor(x, y), QColor(128, 128, 128));
    QCOMPARE(image.pixelColor(x, y + 1), QColor(255, 255, 255));
    QCOMPARE(image.pixelColor(x, y + 2), QColor(255, 255, 255));
    QVERIFY(image.pixelColor(x, y + 3) != QColor(255, 255, 255));
    QVERIFY(image.pixelColor(x, y - 1) != QColor(128, 128, 128));
}

void tst_frmAbout::noTextIsClipped()
{
    m_dialog->show();
    const QStringList clipped = clippedTexts(m_dialog);
    QVERIFY2(clipped.isEmpty(), qPrintable(clipped.join(QLatin1Char('\n'))));
}

QTEST_MAIN(tst_frmAbout)
#include "tst_frmabout.moc"
