#include "databaselock.h"
#include "fakedatafiles.h"
#include "fakefiledialogs.h"
#include "fakemessageboxes.h"
#include "fakeprinter.h"
#include "frmresults.h"
#include "pdftext.h"
#include "resultssession.h"
#include "sqliteresultsstore.h"
#include "summarytablemodel.h"
#include "testlanguage.h"
#include "textfit.h"
#include "trialtablemodel.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QHeaderView>
#include <QIcon>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QSplitter>
#include <QTabBar>
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

FrictionTrial kineticTrial(double angle, double lengthCm, double deltaTMs)
{
    FrictionTrial trial;
    trial.kind = FrictionTrial::Kind::Kinetic;
    trial.angleDeg = angle;
    trial.lengthCm = lengthCm;
    trial.deltaTMs = deltaTMs;
    trial.gravity = 9.80665;
    return trial;
}

// Whether the image holds a pixel of exactly this colour inside `area`.
bool hasColour(const QImage &image, const QRect &area, QRgb colour)
{
    const QRect inside = area.intersected(image.rect());
    for (int y = inside.top(); y <= inside.bottom(); ++y) {
        for (int x = inside.left(); x <= inside.right(); ++x) {
            if ((image.pixel(x, y) & 0xffffff) == (colour & 0xffffff))
                return true;
        }
    }
    return false;
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
    void physicsChecksAreMarked();
    void largeValuesShowWhole();
    void splitterSizesAreKept();
    void reportIsPrintedOrExported_data();
    void reportIsPrintedOrExported();
    void printFailureIsTold();
    void captionsFit();
    void germanCommasOnScreenPointsInTheCsv();

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
    FakePrinter m_printer;
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
    m_printer = FakePrinter();
    m_store = new SqliteResultsStore(m_dir->filePath(QStringLiteral("results.sqlite")),
                                     { QStringLiteral("QSQLITE"), 200 });
    m_session = new ResultsSession(
        *m_store, *m_files, [] { return QDateTime(QDate(2026, 12, 7), QTime(9, 30), Qt::UTC); });
    m_window = new frmResults(*m_session, *m_boxes, *m_dialogs, m_printer, *m_files);
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
    QCOMPARE(cell(0, TrialTableModel::MuUncertainty), QStringLiteral("0.0175"));

    m_boxes->answers << MessageBoxes::Answer::Cancel << MessageBoxes::Answer::Ok;
    QTest::mouseClick(child<QPushButton>("btnApplyAll"), Qt::LeftButton);
    QCOMPARE(cell(0, TrialTableModel::MuUncertainty), QStringLiteral("0.0175"));
    QTest::mouseClick(child<QPushButton>("btnApplyAll"), Qt::LeftButton);
    // 2 x 2 degrees = 2 x 0.0349066.
    QCOMPARE(cell(0, TrialTableModel::MuUncertainty), QStringLiteral("0.0698"));
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
    // Okabe and Ito's blue and orange for the first two series, on screen and in the file.
    const QRgb blue = qRgb(0x00, 0x72, 0xb2), orange = qRgb(0xe6, 0x9f, 0x00);
    const QImage screen = child<QWidget>("plot")->grab().toImage();
    QVERIFY(hasColour(screen, screen.rect(), blue));
    QVERIFY(hasColour(screen, screen.rect(), orange));
    if (name.endsWith(QLatin1String(".svg"))) {
        // Three used trials, two series: an error bar per trial, a mean line per series.
        QCOMPARE(saved.count("class=\"error-bar\""), 3);
        QCOMPARE(saved.count("class=\"mean\""), 2);
        QVERIFY(saved.contains("<text class=\"legend\" x=\"90.00\" y=\""));
        QVERIFY(saved.contains(">oak &amp; &lt;pine&gt;, Static</text>"));
        // The second series' marker: left margin 72 + 6; under the axes (14 + 400 + 54), a row
        // and a half down.
        QVERIFY(saved.contains("<circle class=\"legend\" cx=\"78.00\" cy=\"495.00\" r=\"4.00\" "
                               "fill=\"#e69f00\"/>"));
    } else {
        // The legend is the bottom strip of the image, under the axis title: two series and a
        // closing line, 18 units a row, drawn twice as large. Its markers carry the colours.
        const QImage png = QImage::fromData(saved, "PNG");
        const QRect legend(0, png.height() - 2 * (3 * 18 + 6), png.width() / 4, 2 * 2 * 18);
        QVERIFY(hasColour(png, legend, blue));
        QVERIFY(hasColour(png, legend, orange));
    }
}

void tst_frmResults::physicsChecksAreMarked()
{
    auto *sample = child<QLineEdit>("txtSample");
    QTest::keyClicks(sample, QStringLiteral("felt"));
    // tan 21.8° = 0.39997; 30°, 5 cm in 1000 ms: µk = tan 30° - v²/(2 g L cos 30°), v = 0.05 m/s,
    // = 0.57735 - 0.00294 = 0.5744.
    m_session->addTrial(staticTrial(21.8));
    m_session->addTrial(kineticTrial(30, 5, 1000));
    sample->clear();
    QTest::keyClicks(sample, QStringLiteral("glass"));
    // 100 cm in 100 ms at 10°: faster than sliding without friction, µk = 0.1763 - 5.1772.
    m_session->addTrial(kineticTrial(10, 100, 100));
    // tan 80° = 5.67: steeper than the ramp tilts, and µ over 2.
    m_session->addTrial(staticTrial(80));

    auto *model = child<QTableView>("grdTrials")->model();
    const auto mark = [model](int row) {
        return model->index(row, TrialTableModel::Mu).data(Qt::DecorationRole).value<QIcon>();
    };
    const auto tip = [model](int row, int column) {
        return model->index(row, column).data(Qt::ToolTipRole).toString();
    };
    QVERIFY(mark(0).isNull());
    QVERIFY(mark(1).isNull());
    QVERIFY(!mark(2).isNull());
    QVERIFY2(tip(2, TrialTableModel::Mu).contains(QStringLiteral("below 0")),
             qPrintable(tip(2, TrialTableModel::Mu)));
    QVERIFY(tip(2, TrialTableModel::Mu).contains(QStringLiteral("photogate time")));
    QVERIFY(!mark(3).isNull());
    QVERIFY(tip(3, TrialTableModel::Mu).contains(QStringLiteral("over 2")));
    QVERIFY(tip(3, TrialTableModel::Angle).contains(QStringLiteral("80\u00b0 or more")));
    QVERIFY(!tip(2, TrialTableModel::Angle).contains(QStringLiteral("80\u00b0")));

    // felt's µk above its µs: both of its rows carry the mark; glass's do not.
    auto *summary = child<QTableView>("grdSummary")->model();
    for (int row = 0; row < summary->rowCount(); ++row) {
        const QModelIndex note = summary->index(row, SummaryTableModel::Note);
        const bool felt = summary->index(row, SummaryTableModel::Sample).data() == "felt";
        QCOMPARE(!note.data(Qt::DecorationRole).value<QIcon>().isNull(), felt);
        QCOMPARE(note.data(Qt::ToolTipRole).toString().contains(QStringLiteral("mean \u00b5k")),
                 felt);
    }
}

void tst_frmResults::largeValuesShowWhole()
{
    // tan 89.9° = 572.957: the µ and δµ cells widen to hold it whole.
    m_session->addTrial(staticTrial(89.9));
    auto *grid = child<QTableView>("grdTrials");
    QHeaderView *header = grid->horizontalHeader();
    const QFontMetrics metrics = grid->fontMetrics();
    QCOMPARE(cell(0, TrialTableModel::Mu), QStringLiteral("572.9572"));
    QVERIFY(header->sectionSize(TrialTableModel::Mu)
            > metrics.horizontalAdvance(QStringLiteral("572.9572")) + grid->iconSize().width());
    const QString uncertainty = cell(0, TrialTableModel::MuUncertainty);
    QVERIFY2(uncertainty.size() > 8, qPrintable(uncertainty));
    QVERIFY(header->sectionSize(TrialTableModel::MuUncertainty)
            > metrics.horizontalAdvance(uncertainty));
    // Six-digit trial numbers fit their column.
    QVERIFY(header->sectionSize(TrialTableModel::Number)
            > metrics.horizontalAdvance(QStringLiteral("100000")));
}

void tst_frmResults::splitterSizesAreKept()
{
    auto *splitter = child<QSplitter>("splResults");
    const int summaryHeight = splitter->sizes().at(1);
    // The summary shows its headings and three rows at least.
    auto *summary = child<QTableView>("grdSummary");
    QVERIFY(summaryHeight > summary->horizontalHeader()->height()
                + 3 * summary->verticalHeader()->defaultSectionSize());

    // The operator drags the line between table and summary 60 pixels up.
    QSplitterHandle *handle = splitter->handle(1);
    const QPoint grip = handle->rect().center();
    QTest::mousePress(handle, Qt::LeftButton, {}, grip);
    QTest::mouseMove(handle, grip - QPoint(0, 60));
    QTest::mouseRelease(handle, Qt::LeftButton, {}, grip - QPoint(0, 60));
    const QList<int> moved = splitter->sizes();
    QCOMPARE(moved.at(1), summaryHeight + 60);

    QTest::keyClick(m_window, Qt::Key_Escape);
    QVERIFY(!m_window->isVisible());
    delete m_window;
    m_window = new frmResults(*m_session, *m_boxes, *m_dialogs, m_printer, *m_files);
    m_window->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_window));
    QCOMPARE(child<QSplitter>("splResults")->sizes(), moved);
}

void tst_frmResults::reportIsPrintedOrExported_data()
{
    QTest::addColumn<bool>("print");
    QTest::newRow("Ctrl+P, the print dialog") << true;
    QTest::newRow("Export PDF..., a file") << false;
}

void tst_frmResults::reportIsPrintedOrExported()
{
    QFETCH(bool, print);
    QTest::keyClicks(child<QLineEdit>("txtSample"), QStringLiteral("felt"));
    // tan 30° = 0.57735 ± 0.011636, tan 31° = 0.60086 ± 0.011877 (sec² · 0.5°): weights 7386.3
    // and 7088.9, weighted mean (4264.5 + 4259.4)/14475.2 = 0.5889 ± 1/√14475.2 = 0.0083.
    m_session->addTrial(staticTrial(30));
    m_session->addTrial(staticTrial(31));
    m_session->addTrial(staticTrial(60));
    m_session->setUsed({ 2 }, false);

    QByteArray pdf;
    if (print) {
        QTest::keyClick(m_window, Qt::Key_P, Qt::ControlModifier);
        QCOMPARE(m_printer.documents,
                 QStringList { QStringLiteral("Friction lab report: 2026-12-07 09:30") });
        // The test runs in the C locale, which has no country: A4.
        QCOMPARE(m_printer.papers.at(0).id(), QPageSize::A4);
        pdf = m_printer.pdf;
    } else {
        m_dialogs->saveNames << QStringLiteral("/lab/report");
        QTest::keyClick(m_window, Qt::Key_X, Qt::AltModifier);
        // A mnemonic clicks its button as a mouse would, a moment later.
        QTRY_COMPARE(m_dialogs->captions, QStringList { QStringLiteral("Export PDF") });
        pdf = m_files->files.value(QStringLiteral("/lab/report.pdf"));
    }
    QVERIFY(m_boxes->boxes.isEmpty());
    const auto text = pdfText(pdf);
    QVERIFY2(text, "pdftotext could not read the report (is poppler-utils installed?)");
    QVERIFY(text->contains(QStringLiteral("Friction lab report: 2026-12-07 09:30")));
    QVERIFY(text->contains(QRegularExpression(QStringLiteral("\\b1 +09:30:00 +felt +Static +30.000 "
                                                             "+0.5774 +0.0116 +yes"))));
    QVERIFY(text->contains(QRegularExpression(QStringLiteral("60.000 +1.7321 +0.0349 +excluded"))));
    QVERIFY2(text->contains(QStringLiteral("0.5889 \u00b1 0.0083")), qPrintable(*text));
    QVERIFY(text->contains(QStringLiteral("Page 1 of")));
}

void tst_frmResults::printFailureIsTold()
{
    m_session->addTrial(staticTrial(30));
    m_printer.prints = false;
    QTest::mouseClick(child<QPushButton>("btnPrint"), Qt::LeftButton);
    QCOMPARE(m_printer.documents.size(), 1);
    QVERIFY(m_boxes->boxes.isEmpty());

    m_printer.prints = true;
    m_printer.failure = QStringLiteral("the printer is out of paper");
    QTest::mouseClick(child<QPushButton>("btnPrint"), Qt::LeftButton);
    QCOMPARE(m_boxes->boxes.size(), 1);
    QCOMPARE(m_boxes->boxes.at(0).text,
             QStringLiteral("The report could not be printed: the printer is out of paper.\n\n"
                            "Export PDF... writes it to a file instead."));
}

void tst_frmResults::captionsFit()
{
    // The window with a trial, both of its pages, and the two dialogs it opens.
    m_session->addTrial(staticTrial(30));
    QStringList clipped = clippedTexts(m_window);
    QTabBar *tabs = child<QTabWidget>("tabResults")->tabBar();
    QTest::mouseClick(tabs, Qt::LeftButton, {}, tabs->tabRect(1).center());
    QCOMPARE(tabs->currentIndex(), 1);
    clipped << clippedTexts(m_window);
    const auto check = [&clipped](QWidget *dialog) {
        clipped << clippedTexts(dialog);
        dialog->close();
    };
    onModal(check);
    QTest::mouseClick(child<QPushButton>("btnNewRun"), Qt::LeftButton);
    onModal(check);
    QTest::mouseClick(child<QPushButton>("btnRuns"), Qt::LeftButton);
    QVERIFY2(clipped.isEmpty(), qPrintable(clipped.join(u'\n')));
}

void tst_frmResults::germanCommasOnScreenPointsInTheCsv()
{
    // The window as a German desktop opens it.
    const TestLanguage german(QLocale(QLocale::German, QLocale::Germany));
    QVERIFY(german.isLoaded());
    delete m_window;
    m_window = new frmResults(*m_session, *m_boxes, *m_dialogs, m_printer, *m_files);
    m_window->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_window));

    QTest::keyClicks(child<QLineEdit>("txtSample"), QStringLiteral("Filz"));
    auto *angle = child<QDoubleSpinBox>("spnAngleUncertainty");
    angle->setFocus();
    QTest::keyClick(angle, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(angle, QStringLiteral("1,5"));
    QCOMPARE(m_session->run().uncertainties.angleDeg, 1.5);
    // tan 30° = 0.57735; sec² 30° × 1.5° = 4/3 × 0.0261799 = 0.0349066.
    m_session->addTrial(staticTrial(30));
    QCOMPARE(cell(0, TrialTableModel::Mu), QStringLiteral("0,5774"));
    QCOMPARE(cell(0, TrialTableModel::MuUncertainty), QStringLiteral("0,0349"));
    QCOMPARE(cell(0, TrialTableModel::Kind), QStringLiteral("Haftreibung"));
    QCOMPARE(child<QTableView>("grdSummary")
                 ->model()
                 ->index(0, SummaryTableModel::WeightedMean)
                 .data()
                 .toString(),
             QStringLiteral("0,5774"));

    // The file is for other programs: points, the English kind.
    m_dialogs->saveNames << QStringLiteral("/lab/filz.csv");
    QTest::mouseClick(child<QPushButton>("btnExportCsv"), Qt::LeftButton);
    QCOMPARE(m_dialogs->captions, QStringList { QStringLiteral("CSV exportieren") });
    const QString csv = QString::fromUtf8(m_files->files.value(QStringLiteral("/lab/filz.csv")));
    QVERIFY2(csv.contains(QRegularExpression(
                 QStringLiteral("\\n1,2026-12-07T09:30:00\\.000Z,Filz,Static,30,,,,0\\.57735\\d*,"
                                "0\\.03490658\\d*,2026-12-07 09:30,1\\.5,,,0,\\n"))),
             qPrintable(csv));
}

QTEST_MAIN(tst_frmResults)
#include "tst_frmresults.moc"
