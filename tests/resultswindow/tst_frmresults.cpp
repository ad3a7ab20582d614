#include "fakedatafiles.h"
#include "fakefiledialogs.h"
#include "fakemessageboxes.h"
#include "frmresults.h"
#include "resultssession.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QClipboard>
#include <QDoubleSpinBox>
#include <QHeaderView>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTableView>
#include <QTest>

namespace {

const QString kJournal = QStringLiteral("/data/Tiltbench/results/2026-12-07.csv");

FrictionTrial staticTrial(double angle)
{
    FrictionTrial trial;
    trial.angleDeg = angle;
    return trial;
}

} // namespace

// The Results window driven as an operator does: keys and clicks.
class tst_frmResults : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void sampleFieldNamesNewTrials();
    void uncertaintyFieldUpdatesEveryRow();
    void deleteAndCopyTheSelectedRows();
    void clearAsksFirst_data();
    void clearAsksFirst();
    void openCsvRefusesABadFileWhole();
    void plotIsSaved_data();
    void plotIsSaved();

private:
    template<typename T> T *child(const char *name) const
    {
        auto *found = m_window->findChild<T *>(QString::fromLatin1(name));
        Q_ASSERT(found);
        return found;
    }
    void clickRow(int row, Qt::KeyboardModifiers modifiers = {});
    QString cell(int row, int column) const { return m_session->trials().text(row, column); }

    FakeDataFiles *m_files = nullptr;
    FakeMessageBoxes *m_boxes = nullptr;
    FakeFileDialogs *m_dialogs = nullptr;
    ResultsSession *m_session = nullptr;
    frmResults *m_window = nullptr;
};

void tst_frmResults::initTestCase()
{
    QLocale::setDefault(QLocale::c());
}

void tst_frmResults::init()
{
    m_files = new FakeDataFiles;
    m_boxes = new FakeMessageBoxes;
    m_dialogs = new FakeFileDialogs;
    m_session = new ResultsSession(
        *m_files, [] { return QDateTime(QDate(2026, 12, 7), QTime(9, 30), Qt::UTC); });
    m_window = new frmResults(*m_session, *m_boxes, *m_dialogs, *m_files);
    m_window->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_window));
}

void tst_frmResults::cleanup()
{
    delete m_window;
    delete m_session;
    delete m_dialogs;
    delete m_boxes;
    delete m_files;
}

void tst_frmResults::clickRow(int row, Qt::KeyboardModifiers modifiers)
{
    auto *grid = child<QTableView>("grdTrials");
    const QRect rect = grid->visualRect(grid->model()->index(row, 0));
    QTest::mouseClick(grid->viewport(), Qt::LeftButton, modifiers, rect.center());
}

void tst_frmResults::sampleFieldNamesNewTrials()
{
    auto *sample = child<QLineEdit>("txtSample");
    QTest::keyClicks(sample, QStringLiteral("oak, waxed"));
    m_session->addTrial(staticTrial(30));
    sample->clear();
    QTest::keyClicks(sample, QStringLiteral("felt"));
    m_session->addTrial(staticTrial(45));
    QCOMPARE(cell(0, TrialTableModel::Sample), QStringLiteral("oak, waxed"));
    QCOMPARE(cell(1, TrialTableModel::Sample), QStringLiteral("felt"));

    // The cell stays editable: F2, a new name, Enter; the journal keeps the new name.
    auto *grid = child<QTableView>("grdTrials");
    grid->setFocus();
    grid->setCurrentIndex(grid->model()->index(1, TrialTableModel::Sample));
    QTest::keyClick(grid, Qt::Key_F2);
    auto *editor = grid->viewport()->findChild<QLineEdit *>();
    QVERIFY(editor);
    QTest::keyClick(editor, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(editor, QStringLiteral("cork"));
    QTest::keyClick(editor, Qt::Key_Return);
    // The view commits the edit from its event loop.
    QTRY_COMPARE(cell(1, TrialTableModel::Sample), QStringLiteral("cork"));
    QVERIFY(m_files->files.value(kJournal).contains(",cork,Static,45,"));
    QVERIFY(m_files->files.value(kJournal).contains(",\"oak, waxed\",Static,30,"));
}

void tst_frmResults::uncertaintyFieldUpdatesEveryRow()
{
    m_session->addTrial(staticTrial(45));
    m_session->addTrial(staticTrial(60));
    // sec^2 * 0.5 degrees: 2 * 0.0087266 and 4 * 0.0087266.
    QCOMPARE(cell(0, TrialTableModel::MuUncertainty), QStringLiteral("0.017"));
    QCOMPARE(cell(1, TrialTableModel::MuUncertainty), QStringLiteral("0.035"));

    auto *angle = child<QDoubleSpinBox>("spnAngleUncertainty");
    angle->setFocus();
    QTest::keyClick(angle, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(angle, QStringLiteral("2"));
    // 2 degrees = 0.0349066 rad: 2 * that and 4 * that.
    QCOMPARE(cell(0, TrialTableModel::MuUncertainty), QStringLiteral("0.070"));
    QCOMPARE(cell(1, TrialTableModel::MuUncertainty), QStringLiteral("0.140"));
    // The view was told, not only the model changed.
    auto *grid = child<QTableView>("grdTrials");
    QCOMPARE(grid->model()->index(1, TrialTableModel::MuUncertainty).data().toString(),
             QStringLiteral("0.140"));
}

void tst_frmResults::deleteAndCopyTheSelectedRows()
{
    QTest::keyClicks(child<QLineEdit>("txtSample"), QStringLiteral("felt"));
    for (double angle : { 30.0, 45.0, 60.0 })
        m_session->addTrial(staticTrial(angle));

    clickRow(0);
    clickRow(2, Qt::ControlModifier);
    auto *grid = child<QTableView>("grdTrials");
    QTest::keyClick(grid, Qt::Key_C, Qt::ControlModifier);
    const QStringList lines = QApplication::clipboard()->text().split(u'\n');
    QCOMPARE(lines.size(), 4); // header, two rows, and the final line end
    QVERIFY(lines.at(0).startsWith(QStringLiteral("#\tTime\tSample\tKind\tAngle (degrees)\t")));
    QVERIFY2(lines.at(1).startsWith(QStringLiteral("1\t09:30:00\tfelt\tStatic\t30\t\t\t\t0.57735")),
             qPrintable(lines.at(1)));
    QVERIFY(lines.at(2).startsWith(QStringLiteral("3\t09:30:00\tfelt\tStatic\t60\t\t\t\t1.73205")));

    QTest::keyClick(grid, Qt::Key_Delete);
    QCOMPARE(m_session->trials().rowCount(), 1);
    QCOMPARE(cell(0, TrialTableModel::Number), QStringLiteral("2"));
    QCOMPARE(m_session->summary().groups().at(0).statistics.count(), 1);
    // The journal was replaced as a whole, not appended to.
    QCOMPARE(m_files->replacements, 1);
    const QByteArray journal = m_files->files.value(kJournal);
    QCOMPARE(journal.count('\n'), 2);
    QVERIFY(journal.contains("\n2,2026-12-07T09:30:00.000Z,felt,Static,45,"));
}

void tst_frmResults::clearAsksFirst_data()
{
    QTest::addColumn<bool>("ok");
    QTest::addColumn<int>("left");
    QTest::newRow("OK clears") << true << 0;
    QTest::newRow("Cancel keeps") << false << 2;
}

void tst_frmResults::clearAsksFirst()
{
    QFETCH(bool, ok);
    QFETCH(int, left);
    m_session->addTrial(staticTrial(30));
    m_session->addTrial(staticTrial(40));
    m_boxes->answers << (ok ? MessageBoxes::Answer::Ok : MessageBoxes::Answer::Cancel);

    QTest::mouseClick(child<QPushButton>("btnClear"), Qt::LeftButton);

    QCOMPARE(m_boxes->boxes.size(), 1);
    QCOMPARE(m_boxes->boxes.at(0).buttons, MessageBoxes::Buttons::OkCancel);
    QCOMPARE(m_session->trials().rowCount(), left);
    QCOMPARE(m_session->summary().rowCount(), left ? 1 : 0);
    QCOMPARE(m_files->files.value(kJournal).count('\n'), left + 1);
}

void tst_frmResults::openCsvRefusesABadFileWhole()
{
    m_session->addTrial(staticTrial(30));
    const QByteArray header
        = "trial,time,sample,kind,angle_deg,length_cm,delta_t_ms,g_m_s2,mu,mu_uncertainty\r\n";
    m_files->files[QStringLiteral("/lab/bad.csv")] = header
        + "1,2026-12-06T10:00:00Z,felt,Static,30,,,,0.577,0.01\r\n"
          "2,2026-12-06T10:01:00Z,felt,Static,thirty,,,,0.577,0.01\r\n";
    // Saved by a spreadsheet: a byte-order mark first.
    m_files->files[QStringLiteral("/lab/good.csv")] = "\xef\xbb\xbf" + header
        + "7,2026-12-06T10:00:00Z,\"felt, \"\"old\"\"\",Kinetic,25,10,200,9.8,0.3,\r\n";
    m_dialogs->openNames << QStringLiteral("/lab/bad.csv") << QStringLiteral("/lab/good.csv");

    QTest::mouseClick(child<QPushButton>("btnOpenCsv"), Qt::LeftButton);
    QCOMPARE(m_boxes->boxes.size(), 1);
    QCOMPARE(m_boxes->boxes.at(0).text,
             QStringLiteral("bad.csv was not opened: line 3, column 36: the angle is not a "
                            "number."));
    QCOMPARE(m_session->trials().rowCount(), 1);

    QTest::mouseClick(child<QPushButton>("btnOpenCsv"), Qt::LeftButton);
    QCOMPARE(m_boxes->boxes.size(), 1);
    QCOMPARE(m_session->trials().rowCount(), 2);
    // Numbered on after the day's own trials; the file's number is not kept.
    QCOMPARE(cell(1, TrialTableModel::Number), QStringLiteral("2"));
    QCOMPARE(cell(1, TrialTableModel::Sample), QStringLiteral("felt, \"old\""));
    QVERIFY(m_files->files.value(kJournal).contains(",\"felt, \"\"old\"\"\",Kinetic,25,10,200,"));
}

void tst_frmResults::plotIsSaved_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QByteArray>("start");
    QTest::newRow("PNG") << "/lab/plot.png" << QByteArray("\x89PNG\r\n");
    QTest::newRow("SVG") << "/lab/plot.svg" << QByteArray("<?xml");
}

void tst_frmResults::plotIsSaved()
{
    QFETCH(QString, name);
    QFETCH(QByteArray, start);
    QTest::keyClicks(child<QLineEdit>("txtSample"), QStringLiteral("felt"));
    m_session->addTrial(staticTrial(30));
    m_session->addTrial(staticTrial(31));
    child<QLineEdit>("txtSample")->clear();
    QTest::keyClicks(child<QLineEdit>("txtSample"), QStringLiteral("oak & <pine>"));
    m_session->addTrial(staticTrial(20));

    // Alt+P opens the plot tab, which loads the chart module.
    QTest::keyClick(m_window, Qt::Key_P, Qt::AltModifier);
    QCOMPARE(child<QTabWidget>("tabResults")->currentIndex(), 1);
    QTRY_VERIFY(m_window->findChild<QWidget *>(QStringLiteral("chartView")));
    QVERIFY(child<QWidget>("lblPlotMissing")->isHidden());

    m_dialogs->saveNames << name;
    QTest::mouseClick(child<QPushButton>("btnSavePlot"), Qt::LeftButton);
    QVERIFY(m_boxes->boxes.isEmpty());
    const QByteArray saved = m_files->files.value(name);
    QVERIFY(saved.startsWith(start));
    if (name.endsWith(QLatin1String(".svg"))) {
        // Three trials, two series: an error bar per trial, a mean line per series.
        QCOMPARE(saved.count("class=\"error-bar\""), 3);
        QCOMPARE(saved.count("class=\"mean\""), 2);
        QVERIFY(saved.contains("oak &amp; &lt;pine&gt;, Static"));
    }
}

QTEST_MAIN(tst_frmResults)
#include "tst_frmresults.moc"
