#include "databaselock.h"
#include "fakedatafiles.h"
#include "fakefiledialogs.h"
#include "fakemessageboxes.h"
#include "frmresults.h"
#include "resultssession.h"
#include "sqliteresultsstore.h"
#include "trialtablemodel.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QClipboard>
#include <QDoubleSpinBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <cmath>

namespace {

FrictionTrial staticTrial(double angle)
{
    FrictionTrial trial;
    trial.angleDeg = angle;
    return trial;
}

// Runs `act` on the modal dialog the next step opens, once it is up.
void onModal(const std::function<void(QWidget *)> &act)
{
    QTimer::singleShot(0, [act] {
        QTRY_VERIFY(QApplication::activeModalWidget());
        act(QApplication::activeModalWidget());
    });
}

} // namespace

// The Results window driven as an operator does: keys and clicks, over a real database.
class tst_frmResults : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void sampleFieldNamesNewTrials();
    void spaceTogglesUseOfTheSelectedRows();
    void deleteAsksFirst_data();
    void deleteAsksFirst();
    void noteIsTypedIntoTheTable();
    void unsavedTrialIsMarkedAndRetried();
    void escapeWithUnsavedTrialsOffersExport_data();
    void escapeWithUnsavedTrialsOffersExport();
    void newRunThenBackThroughTheRunsList();
    void applyToAllTrialsAsksFirst();
    void openCsvNamesTheDamagedLine();
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
    QString cell(int row, int column) const
    {
        return child<QTableView>("grdTrials")->model()->index(row, column).data().toString();
    }

    std::unique_ptr<QTemporaryDir> m_dir;
    FakeDataFiles *m_files = nullptr;
    FakeMessageBoxes *m_boxes = nullptr;
    FakeFileDialogs *m_dialogs = nullptr;
    SqliteResultsStore *m_store = nullptr;
    ResultsSession *m_session = nullptr;
    QPointer<frmResults> m_window;
};

void tst_frmResults::initTestCase()
{
    QLocale::setDefault(QLocale::c());
}

void tst_frmResults::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    m_files = new FakeDataFiles;
    m_boxes = new FakeMessageBoxes;
    m_dialogs = new FakeFileDialogs;
    m_store = new SqliteResultsStore(m_dir->filePath(QStringLiteral("results.sqlite")),
                                     { QStringLiteral("QSQLITE"), 200 });
    m_session = new ResultsSession(
        *m_store, *m_files, [] { return QDateTime(QDate(2026, 12, 7), QTime(9, 30), Qt::UTC); });
    m_window = new frmResults(*m_session, *m_boxes, *m_dialogs, *m_files);
    m_window->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_window));
}

void tst_frmResults::cleanup()
{
    delete m_window;
    delete m_session;
    delete m_store;
    delete m_dialogs;
    delete m_boxes;
    delete m_files;
}

void tst_frmResults::clickRow(int row, Qt::KeyboardModifiers modifiers)
{
    auto *grid = child<QTableView>("grdTrials");
    const QRect rect = grid->visualRect(grid->model()->index(row, TrialTableModel::Kind));
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

    // The cell stays editable: F2, a new name, Enter; the database keeps the new name.
    auto *grid = child<QTableView>("grdTrials");
    grid->setFocus();
    grid->setCurrentIndex(grid->model()->index(1, TrialTableModel::Sample));
    QTest::keyClick(grid, Qt::Key_F2);
    auto *editor = grid->viewport()->findChild<QLineEdit *>();
    QVERIFY(editor);
    QTest::keyClick(editor, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(editor, QStringLiteral("cork"));
    QTest::keyClick(editor, Qt::Key_Return);
    QTRY_COMPARE(cell(1, TrialTableModel::Sample), QStringLiteral("cork"));
    QCOMPARE(m_session->trials().at(1).saved, Trial::Saved::Yes);
    QCOMPARE(std::get<QList<StoredTrial>>(m_store->trials(m_session->run().id)).at(1).sample,
             QStringLiteral("cork"));
}

void tst_frmResults::spaceTogglesUseOfTheSelectedRows()
{
    QTest::keyClicks(child<QLineEdit>("txtSample"), QStringLiteral("felt"));
    for (double angle : { 30.0, 45.0, 60.0 })
        m_session->addTrial(staticTrial(angle));
    auto *grid = child<QTableView>("grdTrials");
    auto *summary = child<QTableView>("grdSummary");
    const auto count = [summary] { return summary->model()->index(0, 2).data().toInt(); };
    QCOMPARE(count(), 3);

    clickRow(0);
    clickRow(2, Qt::ControlModifier);
    QTest::keyClick(grid, Qt::Key_Space);
    QVERIFY(!m_session->trials().at(0).used());
    QVERIFY(m_session->trials().at(1).used());
    QVERIFY(!m_session->trials().at(2).used());
    QCOMPARE(count(), 1);
    // Greyed, still in the table, box cleared.
    const QModelIndex use = grid->model()->index(0, TrialTableModel::Use);
    QCOMPARE(use.data(Qt::CheckStateRole).toInt(), int(Qt::Unchecked));
    QCOMPARE(grid->model()->index(0, TrialTableModel::Mu).data(Qt::ForegroundRole).value<QColor>(),
             QColor(Qt::gray));
    QCOMPARE(grid->model()->rowCount(), 3);

    QTest::keyClick(grid, Qt::Key_Space);
    QCOMPARE(count(), 3);
}

void tst_frmResults::deleteAsksFirst_data()
{
    QTest::addColumn<bool>("ok");
    QTest::addColumn<int>("left");
    QTest::newRow("OK deletes") << true << 1;
    QTest::newRow("Cancel keeps") << false << 3;
}

void tst_frmResults::deleteAsksFirst()
{
    QFETCH(bool, ok);
    QFETCH(int, left);
    QTest::keyClicks(child<QLineEdit>("txtSample"), QStringLiteral("felt"));
    for (double angle : { 30.0, 45.0, 60.0 })
        m_session->addTrial(staticTrial(angle));

    clickRow(0);
    clickRow(2, Qt::ControlModifier);
    auto *grid = child<QTableView>("grdTrials");
    QTest::keyClick(grid, Qt::Key_C, Qt::ControlModifier);
    const QStringList lines = QApplication::clipboard()->text().split(u'\n');
    QCOMPARE(lines.size(), 4); // header, two rows, and the final line end
    QVERIFY(
        lines.at(0).startsWith(QStringLiteral("Use\t#\tTime\tSample\tKind\tAngle (degrees)\t")));
    QVERIFY2(lines.at(1).startsWith(
                 QStringLiteral("yes\t1\t2026-12-07 09:30:00\tfelt\tStatic\t30\t\t\t\t0.57735")),
             qPrintable(lines.at(1)));

    m_boxes->answers << (ok ? MessageBoxes::Answer::Ok : MessageBoxes::Answer::Cancel);
    QTest::keyClick(grid, Qt::Key_Delete);
    QCOMPARE(m_boxes->boxes.size(), 1);
    QCOMPARE(m_boxes->boxes.at(0).buttons, MessageBoxes::Buttons::OkCancel);
    QCOMPARE(grid->model()->rowCount(), left);
    QCOMPARE(std::get<QList<StoredTrial>>(m_store->trials(m_session->run().id)).size(), left);
    if (ok)
        QCOMPARE(cell(0, TrialTableModel::Number), QStringLiteral("2"));
}

void tst_frmResults::noteIsTypedIntoTheTable()
{
    m_session->addTrial(staticTrial(30));
    auto *grid = child<QTableView>("grdTrials");
    grid->setFocus();
    clickRow(0);
    // To the last column with the keyboard, then type: the editor opens on the first key.
    QTest::keyClick(grid, Qt::Key_End);
    QCOMPARE(grid->currentIndex().column(), int(TrialTableModel::Note));
    QTest::keyClick(grid, Qt::Key_B);
    auto *editor = grid->viewport()->findChild<QLineEdit *>();
    QVERIFY(editor);
    QTest::keyClicks(editor, QStringLiteral("lock chipped"));
    QTest::keyClick(editor, Qt::Key_Return);
    QTRY_COMPARE(m_session->trials().at(0).note, QStringLiteral("block chipped"));
    QCOMPARE(std::get<QList<StoredTrial>>(m_store->trials(m_session->run().id)).at(0).note,
             QStringLiteral("block chipped"));
}

void tst_frmResults::unsavedTrialIsMarkedAndRetried()
{
    m_session->addTrial(staticTrial(30));
    auto *retry = child<QPushButton>("btnRetry");
    QVERIFY(retry->isHidden());
    {
        DatabaseLock lock(m_dir->filePath(QStringLiteral("results.sqlite")));
        QVERIFY(m_session->addTrial(staticTrial(45)));
        QCOMPARE(cell(1, TrialTableModel::Number), QStringLiteral("not saved"));
        const QString tip = child<QTableView>("grdTrials")
                                ->model()
                                ->index(1, TrialTableModel::Number)
                                .data(Qt::ToolTipRole)
                                .toString();
        QVERIFY2(tip.contains(QStringLiteral("locked")), qPrintable(tip));
        QVERIFY(retry->isVisible());
        QVERIFY(child<QLabel>("lblUnsaved")->text().startsWith(QStringLiteral("1 trial")));
        QTest::mouseClick(retry, Qt::LeftButton);
        QCOMPARE(m_boxes->boxes.size(), 1);
    }
    QTest::mouseClick(retry, Qt::LeftButton);
    QCOMPARE(m_boxes->boxes.size(), 1);
    QCOMPARE(cell(1, TrialTableModel::Number), QStringLiteral("2"));
    QVERIFY(retry->isHidden());
}

void tst_frmResults::escapeWithUnsavedTrialsOffersExport_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<bool>("closed");
    QTest::addColumn<bool>("exported");
    QTest::newRow("Export CSV...") << "Export CSV..." << true << true;
    QTest::newRow("Close") << "Close" << true << false;
    QTest::newRow("Cancel") << "Cancel" << false << false;
}

void tst_frmResults::escapeWithUnsavedTrialsOffersExport()
{
    QFETCH(QString, button);
    QFETCH(bool, closed);
    QFETCH(bool, exported);
    DatabaseLock lock(m_dir->filePath(QStringLiteral("results.sqlite")));
    m_session->addTrial(staticTrial(30));
    m_boxes->chosen << button;
    m_dialogs->saveNames << QStringLiteral("/lab/kept.csv");

    QTest::keyClick(m_window, Qt::Key_Escape);
    QCOMPARE(m_boxes->boxes.constLast().choices.size(), 3);
    QCOMPARE(m_window->isVisible(), !closed);
    QCOMPARE(m_files->files.contains(QStringLiteral("/lab/kept.csv")), exported);
    // Still in memory either way, for the next save.
    QCOMPARE(m_session->unsavedCount(), 1);
}

void tst_frmResults::newRunThenBackThroughTheRunsList()
{
    m_session->addTrial(staticTrial(30));
    const QString first = m_session->run().name;

    onModal([](QWidget *dialog) {
        auto *name = dialog->findChild<QLineEdit *>(QStringLiteral("txtRunName"));
        QCOMPARE(name->text(), QStringLiteral("2026-12-07 09:30"));
        QTest::keyClicks(name, QStringLiteral("Group B"));
        QTest::keyClick(name, Qt::Key_Return);
    });
    QTest::keyClick(m_window, Qt::Key_N, Qt::ControlModifier);
    QCOMPARE(m_session->run().name, QStringLiteral("Group B"));
    QCOMPARE(child<QLabel>("lblRunName")->text(), QStringLiteral("Group B"));
    QCOMPARE(child<QTableView>("grdTrials")->model()->rowCount(), 0);

    onModal([](QWidget *dialog) {
        auto *grid = dialog->findChild<QTableView *>(QStringLiteral("grdRuns"));
        QCOMPARE(grid->model()->rowCount(), 2);
        QCOMPARE(grid->model()->index(0, 2).data().toString(), QStringLiteral("1"));
        QTest::keyClick(grid, Qt::Key_Home, Qt::ControlModifier);
        QTest::keyClick(grid, Qt::Key_Return);
    });
    QTest::mouseClick(child<QPushButton>("btnRuns"), Qt::LeftButton);
    QCOMPARE(m_session->run().name, first);
    QCOMPARE(child<QTableView>("grdTrials")->model()->rowCount(), 1);
}

void tst_frmResults::applyToAllTrialsAsksFirst()
{
    m_session->addTrial(staticTrial(45));
    auto *angle = child<QDoubleSpinBox>("spnAngleUncertainty");
    angle->setFocus();
    QTest::keyClick(angle, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(angle, QStringLiteral("2"));
    // The box sets the run's value for new trials; the trial keeps what it was calculated with:
    // sec^2(45) x 0.5 degree = 2 x 0.0087266.
    QCOMPARE(m_session->run().uncertainties.angleDeg, 2.0);
    QCOMPARE(cell(0, TrialTableModel::MuUncertainty), QStringLiteral("0.017"));

    m_boxes->answers << MessageBoxes::Answer::Cancel << MessageBoxes::Answer::Ok;
    QTest::mouseClick(child<QPushButton>("btnApplyAll"), Qt::LeftButton);
    QCOMPARE(cell(0, TrialTableModel::MuUncertainty), QStringLiteral("0.017"));
    QTest::mouseClick(child<QPushButton>("btnApplyAll"), Qt::LeftButton);
    // 2 x 2 degrees = 2 x 0.0349066.
    QCOMPARE(cell(0, TrialTableModel::MuUncertainty), QStringLiteral("0.070"));
}

void tst_frmResults::openCsvNamesTheDamagedLine()
{
    m_session->addTrial(staticTrial(30));
    const QByteArray header
        = "trial,time,sample,kind,angle_deg,length_cm,delta_t_ms,g_m_s2,mu,mu_uncertainty\r\n";
    // Saved by a spreadsheet: a byte-order mark first.
    m_files->files[QStringLiteral("/lab/bench.csv")] = "\xef\xbb\xbf" + header
        + "1,2026-12-06T10:00:00Z,\"felt, \"\"old\"\"\",Static,30,,,,0.57735026918962573,0.01\r\n"
          "2,2026-12-06T10:01:00Z,felt,Static,thirty,,,,0.577,0.01\r\n";
    m_dialogs->openNames << QStringLiteral("/lab/bench.csv");

    QTest::mouseClick(child<QPushButton>("btnOpenCsv"), Qt::LeftButton);
    QCOMPARE(m_boxes->boxes.size(), 1);
    QCOMPARE(m_boxes->boxes.at(0).text,
             QStringLiteral("bench.csv was read into the run bench: 1 trial. These lines were left "
                            "out:\nline 3, column 36: the angle is not a number."));
    QCOMPARE(child<QLabel>("lblRunName")->text(), QStringLiteral("bench"));
    QCOMPARE(cell(0, TrialTableModel::Sample), QStringLiteral("felt, \"old\""));
    QCOMPARE(cell(0, TrialTableModel::Number), QStringLiteral("1"));
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
    m_session->addTrial(staticTrial(32));
    child<QLineEdit>("txtSample")->clear();
    QTest::keyClicks(child<QLineEdit>("txtSample"), QStringLiteral("oak & <pine>"));
    m_session->addTrial(staticTrial(20));
    // An excluded trial leaves the plot.
    m_session->setUsed({ 2 }, false);

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
        // Three used trials, two series: an error bar per trial, a mean line per series.
        QCOMPARE(saved.count("class=\"error-bar\""), 3);
        QCOMPARE(saved.count("class=\"mean\""), 2);
        QVERIFY(saved.contains("oak &amp; &lt;pine&gt;, Static"));
    }
}

QTEST_MAIN(tst_frmResults)
#include "tst_frmresults.moc"
