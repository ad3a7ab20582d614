// The start-up and idle figures compare Tiltbench with a bare window that figures-subject builds
// from the kinds of Tiltbench's widgets; the comparison holds only while that window has exactly
// those widgets. These run the real program, as the benchmark does.

#include "pseudoterminal.h"
#include "temporaryportmap.h"

#include <QDeadlineTimer>
#include <QProcess>
#include <QRegularExpression>
#include <QTest>

namespace {

constexpr int kTimeoutMs = 30000;

} // namespace

class tst_FiguresSubject : public QObject
{
    Q_OBJECT

private slots:
    void bareWindowHasTheGivenWidgets_data();
    void bareWindowHasTheGivenWidgets();
    void bareCopyOfTiltbenchHasAsManyWidgets();

private:
    // Runs the subject to its first frame and returns the widget kinds it reports, or fails.
    static QStringList paintedKinds(const QStringList &arguments);
};

QStringList tst_FiguresSubject::paintedKinds(const QStringList &arguments)
{
    QProcess subject;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    subject.setProcessEnvironment(environment);
    subject.start(QStringLiteral(FIGURES_SUBJECT), arguments);
    const QDeadlineTimer deadline(kTimeoutMs);
    while (!subject.canReadLine() && subject.state() != QProcess::NotRunning
           && !deadline.hasExpired())
        subject.waitForReadyRead(int(deadline.remainingTime()));
    const QList<QByteArray> words = subject.readLine().trimmed().split(' ');
    subject.closeWriteChannel();
    // It ends by itself once its input is closed.
    if (!subject.waitForFinished(kTimeoutMs)) {
        subject.kill();
        subject.waitForFinished();
        qWarning("figures-subject did not end when its input closed");
        return {};
    }
    if (words.size() != 3 || words[0] != "painted" || subject.exitCode() != 0) {
        qWarning("figures-subject: %s", subject.readAllStandardError().constData());
        return {};
    }
    return QString::fromLatin1(words[2]).split(QLatin1Char(','));
}

void tst_FiguresSubject::bareWindowHasTheGivenWidgets_data()
{
    QTest::addColumn<QString>("kinds");
    QTest::addColumn<QString>("painted");

    QTest::newRow("simple controls keep their classes")
        << "QLabel,QPushButton,QRadioButton,QCheckBox,QToolButton,QGroupBox,QScrollBar,QLineEdit"
        << "QLabel,QPushButton,QRadioButton,QCheckBox,QToolButton,QGroupBox,QScrollBar,QLineEdit";
    QTest::newRow("hidden ones stay hidden") << "~QMenu,QLabel,~QScrollBar"
                                             << "~QMenu,QLabel,~QScrollBar";
    // A status bar makes a size grip and an editable combo box a line edit, unless told not to.
    QTest::newRow("composites bring no widgets of their own") << "QStatusBar,QComboBox"
                                                              << "QStatusBar,QComboBox";
    // A menu bar makes its own extension button, which Tiltbench's list already holds.
    QTest::newRow("menu bars and private classes become plain widgets")
        << "QMenuBar,~QComboBoxPrivateContainer,QSpinBoxLikeClass"
        << "QWidget,~QWidget,QWidget";
}

void tst_FiguresSubject::bareWindowHasTheGivenWidgets()
{
    QFETCH(QString, kinds);
    QFETCH(QString, painted);

    QCOMPARE(paintedKinds({ QStringLiteral("bare"), kinds }).join(QLatin1Char(',')), painted);
}

void tst_FiguresSubject::bareCopyOfTiltbenchHasAsManyWidgets()
{
    PseudoTerminal device;
    QVERIFY2(device.isValid(), qPrintable(device.errorString()));
    TemporaryPortMap ports;
    QVERIFY(ports.link(1, device.slavePath()));

    const QStringList tiltbench = paintedKinds({ QStringLiteral("tiltbench") });
    // The main window has its menus, controls and the combo box's popup: dozens of widgets.
    QVERIFY2(tiltbench.size() > 20, qPrintable(tiltbench.join(QLatin1Char(','))));
    const QStringList bare
        = paintedKinds({ QStringLiteral("bare"), tiltbench.join(QLatin1Char(',')) });
    QCOMPARE(bare.size(), tiltbench.size());
    QCOMPARE(bare.filter(QRegularExpression(QStringLiteral("^~"))).size(),
             tiltbench.filter(QRegularExpression(QStringLiteral("^~"))).size());
}

QTEST_GUILESS_MAIN(tst_FiguresSubject)
#include "tst_figuressubject.moc"
