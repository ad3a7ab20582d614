#include "frmresults.h"

#include "appinfo.h"
#include "datafiles.h"
#include "filedialogs.h"
#include "frmnewrun.h"
#include "frmruns.h"
#include "labreport.h"
#include "messageboxes.h"
#include "plotexport.h"
#include "plotmodule.h"
#include "printer.h"
#include "reportpages.h"
#include "reportpaper.h"
#include "resultsdisplay.h"
#include "resultsmessages.h"
#include "resultssession.h"
#include "summarytablemodel.h"
#include "trialplot.h"
#include "trialtablemodel.h"
#include "unsavedprompt.h"

#include <QApplication>
#include <QClipboard>
#include <QCloseEvent>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QScrollBar>
#include <QShortcut>
#include <QSplitter>
#include <QSysInfo>
#include <QTabWidget>
#include <QTableView>
#include <QTimer>
#include <QVBoxLayout>

#include <algorithm>

namespace {

QDoubleSpinBox *makeUncertainty(QWidget *parent, const char *name, double maximum, double step,
                                const QString &description)
{
    auto *box = new QDoubleSpinBox(parent);
    box->setObjectName(QString::fromLatin1(name));
    box->setDecimals(3);
    box->setRange(0.0, maximum);
    box->setSingleStep(step);
    box->setToolTip(description);
    box->setAccessibleDescription(description);
    return box;
}

QPushButton *makeButton(QWidget *parent, const char *name, const QString &caption,
                        const QString &toolTip)
{
    auto *button = new QPushButton(caption, parent);
    button->setObjectName(QString::fromLatin1(name));
    button->setToolTip(toolTip);
    button->setAccessibleDescription(toolTip);
    button->setAutoDefault(false);
    return button;
}

QTableView *makeGrid(QWidget *parent, const char *name, const QString &accessibleName)
{
    auto *grid = new QTableView(parent);
    grid->setObjectName(QString::fromLatin1(name));
    grid->setAccessibleName(accessibleName);
    grid->setSelectionBehavior(QAbstractItemView::SelectRows);
    grid->setAlternatingRowColors(true);
    grid->verticalHeader()->hide();
    // Rows of one height let the view skip measuring them: a run of 100,000 trials scrolls freely.
    grid->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    grid->setWordWrap(false);
    return grid;
}

// The width a column needs for `text`, with the cell's margins.
int widthFor(const QTableView *grid, const QString &text)
{
    const QFontMetrics metrics = grid->fontMetrics();
    return metrics.horizontalAdvance(text) + 3 * metrics.averageCharWidth();
}

// Columns wide enough for their heading and for the widest usual values; the column `stretched`
// takes what is left. Measuring every row would cost seconds on a big run.
void sizeColumns(QTableView *grid, const QList<QStringList> &typical, int stretched)
{
    QHeaderView *header = grid->horizontalHeader();
    for (int column = 0; column < typical.size(); ++column) {
        int width = widthFor(grid, grid->model()->headerData(column, Qt::Horizontal).toString());
        for (const QString &text : typical.at(column))
            width = std::max(width, widthFor(grid, text));
        header->resizeSection(column, width);
    }
    header->setSectionResizeMode(stretched, QHeaderView::Stretch);
}

// The settings row that keeps the heights of the table and the summary, as "table,summary".
const QString kSplitterSetting = QStringLiteral("results_window_splitter");

} // namespace

frmResults::frmResults(ResultsSession &session, MessageBoxes &messageBoxes,
                       FileDialogs &fileDialogs, Printer &printer, DataFiles &files,
                       QWidget *parent)
    : QWidget(parent, Qt::Window)
    , m_session(session)
    , m_messageBoxes(messageBoxes)
    , m_fileDialogs(fileDialogs)
    , m_printer(printer)
    , m_files(files)
{
    setObjectName(QStringLiteral("frmResults"));
    setWindowTitle(tr("%1 - Results").arg(AppInfo::title()));
    setWindowIcon(AppInfo::windowIcon());
    resize(1100, 700);

    // The first look at Results opens the database.
    m_trials = new TrialTableModel(session, this);
    m_summary = new SummaryTableModel(session, this);
    buildControls();

    connect(txtSample, &QLineEdit::textChanged, this,
            [this](const QString &text) { m_session.setSample(text); });
    for (QDoubleSpinBox *box : { spnAngleUncertainty, spnLengthUncertainty, spnTimeUncertainty })
        connect(box, &QDoubleSpinBox::valueChanged, this, &frmResults::uncertaintyChanged);
    connect(btnNewRun, &QPushButton::clicked, this, &frmResults::btnNewRun_Click);
    connect(btnRuns, &QPushButton::clicked, this, &frmResults::btnRuns_Click);
    connect(btnApplyAll, &QPushButton::clicked, this, &frmResults::btnApplyAll_Click);
    connect(btnRetry, &QPushButton::clicked, this, &frmResults::btnRetry_Click);
    connect(btnOpenCsv, &QPushButton::clicked, this, &frmResults::btnOpenCsv_Click);
    connect(btnExportCsv, &QPushButton::clicked, this, &frmResults::btnExportCsv_Click);
    connect(btnClear, &QPushButton::clicked, this, &frmResults::btnClear_Click);
    connect(btnSavePlot, &QPushButton::clicked, this, &frmResults::btnSavePlot_Click);
    connect(btnPrint, &QPushButton::clicked, this, &frmResults::btnPrint_Click);
    connect(btnExportPdf, &QPushButton::clicked, this, &frmResults::btnExportPdf_Click);
    connect(tabResults, &QTabWidget::currentChanged, this, &frmResults::tabResults_CurrentChanged);
    connect(cboPlotAxis, &QComboBox::currentIndexChanged, this, &frmResults::refreshPlotSoon);
    auto *newRun = new QShortcut(QKeySequence::New, this);
    connect(newRun, &QShortcut::activated, btnNewRun, &QPushButton::click);
    auto *print = new QShortcut(QKeySequence::Print, this);
    connect(print, &QShortcut::activated, btnPrint, &QPushButton::click);

    connect(&m_session, &ResultsSession::noteChanged, this, &frmResults::showNote);
    connect(&m_session, &ResultsSession::runChanged, this, &frmResults::showRun);
    connect(&m_session, &ResultsSession::saveStateChanged, this, &frmResults::showSaveState);
    connect(&m_session, &ResultsSession::trialsReset, this, &frmResults::refreshPlotSoon);
    connect(&m_session, &ResultsSession::trialsAppended, this, &frmResults::refreshPlotSoon);
    connect(&m_session, &ResultsSession::trialsChanged, this, &frmResults::refreshPlotSoon);
    // A new trial is shown where the eye is: at the bottom of the table.
    connect(m_trials, &QAbstractItemModel::rowsInserted, grdTrials, &QTableView::scrollToBottom);
    connect(m_trials, &QAbstractItemModel::rowsInserted, this, &frmResults::fitNumberColumns);
    connect(m_trials, &QAbstractItemModel::modelReset, this, &frmResults::fitNumberColumns);
    connect(m_trials, &QAbstractItemModel::dataChanged, this, &frmResults::fitNumberColumns);
    grdTrials->installEventFilter(this);

    restoreSplitter();
    fitNumberColumns();
    showNote();
    showRun();
    showSaveState();
    txtSample->setFocus();
}

void frmResults::buildControls()
{
    auto *top = new QVBoxLayout(this);

    lblNote = new QLabel(this);
    lblNote->setObjectName(QStringLiteral("lblNote"));
    lblNote->setWordWrap(true);
    lblNote->setFrameShape(QFrame::StyledPanel);
    lblNote->setTextInteractionFlags(Qt::TextSelectableByMouse);
    top->addWidget(lblNote);

    auto *runLine = new QHBoxLayout;
    auto *lblRun = new QLabel(tr("Run:"), this);
    lblRunName = new QLabel(this);
    lblRunName->setObjectName(QStringLiteral("lblRunName"));
    lblRunName->setTextInteractionFlags(Qt::TextSelectableByMouse);
    QFont bold = lblRunName->font();
    bold.setBold(true);
    lblRunName->setFont(bold);
    btnNewRun = makeButton(this, "btnNewRun", tr("&New Run..."),
                           tr("Start a run for the next group (Ctrl+N)"));
    btnRuns = makeButton(this, "btnRuns", tr("&Runs..."),
                         tr("List every run to open, rename or export one"));
    btnPrint = makeButton(this, "btnPrint", tr("Pr&int..."),
                          tr("Print the lab report of the run: its facts, the "
                             "summary, the plot and every trial (Ctrl+P)"));
    btnExportPdf = makeButton(this, "btnExportPdf", tr("E&xport PDF..."),
                              tr("Write the lab report of the run to a PDF file"));
    runLine->addWidget(lblRun);
    runLine->addWidget(lblRunName, 1);
    runLine->addWidget(btnNewRun);
    runLine->addWidget(btnRuns);
    runLine->addSpacing(12);
    runLine->addWidget(btnPrint);
    runLine->addWidget(btnExportPdf);
    top->addLayout(runLine);

    auto *fields = new QHBoxLayout;
    txtSample = new QLineEdit(m_session.sample(), this);
    txtSample->setObjectName(QStringLiteral("txtSample"));
    txtSample->setToolTip(tr("The surface being measured; each new trial takes it"));
    auto *lblSample = new QLabel(tr("&Sample:"), this);
    lblSample->setBuddy(txtSample);
    txtSample->setAccessibleName(tr("Sample:"));
    fields->addWidget(lblSample);
    fields->addWidget(txtSample, 1);

    spnAngleUncertainty = makeUncertainty(this, "spnAngleUncertainty", 45.0, 0.1,
                                          tr("Uncertainty of the measured angle, for new trials"));
    spnLengthUncertainty = makeUncertainty(this, "spnLengthUncertainty", 1000.0, 0.05,
                                           tr("Uncertainty of the block length, for new trials"));
    spnTimeUncertainty = makeUncertainty(this, "spnTimeUncertainty", 10000.0, 0.5,
                                         tr("Uncertainty of the photogate time, for new trials"));
    const std::pair<QString, QDoubleSpinBox *> uncertainties[] {
        { tr("± &angle (degrees):"), spnAngleUncertainty },
        { tr("± &length (cm):"), spnLengthUncertainty },
        { tr("± &delta T (ms):"), spnTimeUncertainty },
    };
    for (const auto &[caption, box] : uncertainties) {
        auto *label = new QLabel(caption, this);
        label->setBuddy(box);
        box->setAccessibleName(QString(caption).remove(u'&'));
        fields->addSpacing(12);
        fields->addWidget(label);
        fields->addWidget(box);
    }
    btnApplyAll = makeButton(this, "btnApplyAll", tr("Appl&y to All Trials"),
                             tr("Recompute δµ of every trial of the run "
                                "with these ± values"));
    fields->addSpacing(12);
    fields->addWidget(btnApplyAll);
    top->addLayout(fields);

    auto *unsavedLine = new QHBoxLayout;
    lblUnsaved = new QLabel(this);
    lblUnsaved->setObjectName(QStringLiteral("lblUnsaved"));
    lblUnsaved->setWordWrap(true);
    lblUnsaved->setTextInteractionFlags(Qt::TextSelectableByMouse);
    btnRetry = makeButton(this, "btnRetry", tr("Retry Sa&ving"),
                          tr("Write the unsaved trials and changes to the database"));
    unsavedLine->addWidget(lblUnsaved, 1);
    unsavedLine->addWidget(btnRetry);
    top->addLayout(unsavedLine);

    tabResults = new QTabWidget(this);
    tabResults->setObjectName(QStringLiteral("tabResults"));
    top->addWidget(tabResults, 1);

    auto *tableTab = new QWidget(tabResults);
    auto *tableLayout = new QVBoxLayout(tableTab);
    // The table and the summary share the tab; the operator moves the line between them, and
    // neither can be pushed out of sight.
    splResults = new QSplitter(Qt::Vertical, tableTab);
    splResults->setObjectName(QStringLiteral("splResults"));
    splResults->setChildrenCollapsible(false);
    grdTrials = makeGrid(splResults, "grdTrials", tr("Trials"));
    grdTrials->setModel(m_trials);
    grdTrials->setAccessibleDescription(
        tr("Space uses or leaves out the selected trials, Delete removes them, "
           "Ctrl+C copies them, F2 edits a sample name or a note"));
    grdTrials->setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed
                               | QAbstractItemView::AnyKeyPressed);
    splResults->addWidget(grdTrials);
    auto *summaryPane = new QWidget(splResults);
    auto *summaryLayout = new QVBoxLayout(summaryPane);
    summaryLayout->setContentsMargins(0, 0, 0, 0);
    auto *lblSummary = new QLabel(tr("Summary of the used trials"), summaryPane);
    summaryLayout->addWidget(lblSummary);
    grdSummary = makeGrid(summaryPane, "grdSummary", tr("Summary"));
    grdSummary->setModel(m_summary);
    grdSummary->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grdSummary->setAccessibleDescription(
        tr("Per sample and kind: count, mean, standard deviation and error, the "
           "weighted mean with its uncertainty, the reduced chi-square and a note"));
    lblSummary->setBuddy(grdSummary);
    summaryLayout->addWidget(grdSummary, 1);
    splResults->addWidget(summaryPane);
    // A taller window gives its height to the trials; the summary keeps what it was given.
    splResults->setStretchFactor(0, 1);
    splResults->setStretchFactor(1, 0);
    tableLayout->addWidget(splResults, 1);

    auto *buttons = new QHBoxLayout;
    btnOpenCsv = makeButton(tableTab, "btnOpenCsv", tr("Open CSV..."),
                            tr("Read the trials of a CSV file into a new run"));
    btnExportCsv = makeButton(tableTab, "btnExportCsv", tr("Export CSV..."),
                              tr("Write the run's trials to a CSV file"));
    btnClear
        = makeButton(tableTab, "btnClear", tr("Clear..."), tr("Delete every trial of the run"));
    buttons->addWidget(btnOpenCsv);
    buttons->addWidget(btnExportCsv);
    buttons->addStretch(1);
    buttons->addWidget(btnClear);
    tableLayout->addLayout(buttons);
    tabResults->addTab(tableTab, tr("&Table"));

    framePlot = new QWidget(tabResults);
    framePlot->setObjectName(QStringLiteral("framePlot"));
    m_plotLayout = new QVBoxLayout(framePlot);
    auto *axisLine = new QHBoxLayout;
    cboPlotAxis = new QComboBox(framePlot);
    cboPlotAxis->setObjectName(QStringLiteral("cboPlotAxis"));
    cboPlotAxis->addItems({ tr("Trial number"), tr("Ramp angle") });
    const QString axisTip
        = tr("Against the ramp angle each series gets a weighted straight line: a slope not "
             "consistent with 0 means that µ depends on the angle");
    cboPlotAxis->setToolTip(axisTip);
    cboPlotAxis->setAccessibleDescription(axisTip);
    auto *lblPlotAxis = new QLabel(tr("&Horizontal axis:"), framePlot);
    lblPlotAxis->setBuddy(cboPlotAxis);
    cboPlotAxis->setAccessibleName(tr("Horizontal axis:"));
    axisLine->addWidget(lblPlotAxis);
    axisLine->addWidget(cboPlotAxis);
    axisLine->addStretch(1);
    m_plotLayout->addLayout(axisLine);
    lblPlotMissing = new QLabel(framePlot);
    lblPlotMissing->setObjectName(QStringLiteral("lblPlotMissing"));
    lblPlotMissing->setWordWrap(true);
    lblPlotMissing->hide();
    m_plotLayout->addWidget(lblPlotMissing);
    auto *plotButtons = new QHBoxLayout;
    btnSavePlot = makeButton(framePlot, "btnSavePlot", tr("Save Plot..."),
                             tr("Save the plot as a PNG image or an SVG drawing"));
    plotButtons->addStretch(1);
    plotButtons->addWidget(btnSavePlot);
    m_plotLayout->addLayout(plotButtons);
    tabResults->addTab(framePlot, tr("&Plot"));

    // The trial number fits six digits; the numbers their usual values, in the column's format.
    const QLocale locale = QLocale();
    const QString point = locale.decimalPoint();
    sizeColumns(grdTrials,
                { { TrialTableModel::tr("yes"), TrialTableModel::tr("no") },
                  { QStringLiteral("000000"), TrialTableModel::tr("not saved") },
                  { QStringLiteral("00:00:00") },
                  { TrialTableModel::heading(TrialTableModel::Sample) },
                  { Trial::kindName(FrictionTrial::Kind::Static),
                    Trial::kindName(FrictionTrial::Kind::Kinetic) },
                  { QStringLiteral("00") + point + QStringLiteral("000") },
                  { QStringLiteral("00") + point + QStringLiteral("00") },
                  { QStringLiteral("000") + point + QStringLiteral("00") },
                  { QStringLiteral("0") + point + QStringLiteral("00000") },
                  { QStringLiteral("-0") + point + QStringLiteral("0000") },
                  { QStringLiteral("0") + point + QStringLiteral("0000") },
                  { TrialTableModel::heading(TrialTableModel::Note) } },
                TrialTableModel::Note);
    const QString mu = QStringLiteral("-0") + point + QStringLiteral("0000");
    sizeColumns(grdSummary,
                { { SummaryTableModel::heading(SummaryTableModel::Sample) },
                  { Trial::kindName(FrictionTrial::Kind::Static),
                    Trial::kindName(FrictionTrial::Kind::Kinetic) },
                  { QStringLiteral("0000") },
                  { mu },
                  { mu },
                  { mu },
                  { mu },
                  { mu },
                  { QStringLiteral("00") + point + QStringLiteral("00") },
                  { SummaryTableModel::heading(SummaryTableModel::Note) } },
                SummaryTableModel::Note);
    const int sampleWidth = grdTrials->fontMetrics().averageCharWidth() * 16;
    grdTrials->horizontalHeader()->resizeSection(TrialTableModel::Sample, sampleWidth);
    grdSummary->horizontalHeader()->resizeSection(SummaryTableModel::Sample, sampleWidth);
}

void frmResults::restoreSplitter()
{
    // Without a kept layout the summary shows its headings and three rows before it scrolls.
    const int rowHeight = grdSummary->verticalHeader()->defaultSectionSize();
    const int summaryHeight = grdSummary->horizontalHeader()->sizeHint().height() + 3 * rowHeight
        + 2 * grdSummary->frameWidth() + grdSummary->horizontalScrollBar()->sizeHint().height()
        + fontMetrics().height() + 8;
    QList<int> sizes { std::max(200, height() - summaryHeight), summaryHeight };
    m_splitterSizes = m_session.setting(kSplitterSetting);
    const QStringList kept = m_splitterSizes.split(u',');
    if (kept.size() == 2) {
        bool tableOk = false, summaryOk = false;
        const int table = kept.at(0).toInt(&tableOk);
        const int summary = kept.at(1).toInt(&summaryOk);
        if (tableOk && summaryOk && table > 0 && summary > 0)
            sizes = { table, summary };
    }
    splResults->setSizes(sizes);
}

void frmResults::fitNumberColumns()
{
    QHeaderView *header = grdTrials->horizontalHeader();
    for (int column : { int(TrialTableModel::Angle), int(TrialTableModel::Length),
                        int(TrialTableModel::DeltaT), int(TrialTableModel::Gravity),
                        int(TrialTableModel::Mu), int(TrialTableModel::MuUncertainty) }) {
        // The µ column carries the warning mark as well.
        const int mark = column == TrialTableModel::Mu
            ? grdTrials->iconSize().width() + 2 * grdTrials->fontMetrics().averageCharWidth()
            : 0;
        const int needed = widthFor(grdTrials, m_trials->widestText(column)) + mark;
        if (needed > header->sectionSize(column))
            header->resizeSection(column, needed);
    }
}

void frmResults::showNote()
{
    const QString note = m_session.note();
    lblNote->setText(note);
    lblNote->setVisible(!note.isEmpty());
}

void frmResults::showRun()
{
    const Run &run = m_session.run();
    lblRunName->setText(run.name);
    lblRunName->setToolTip(tr("Started %1").arg(ResultsDisplay::dateTime(run.started))
                           + (run.notes.isEmpty() ? QString() : QStringLiteral("\n") + run.notes));
    m_showingRun = true;
    spnAngleUncertainty->setValue(run.uncertainties.angleDeg);
    spnLengthUncertainty->setValue(run.uncertainties.lengthCm);
    spnTimeUncertainty->setValue(run.uncertainties.deltaTMs);
    m_showingRun = false;
}

void frmResults::showSaveState()
{
    const int unsaved = m_session.unsavedCount();
    lblUnsaved->setText(unsaved ? ResultsMessages::unsavedStatus(unsaved, m_session.saveError())
                                : QString());
    lblUnsaved->setVisible(unsaved > 0);
    btnRetry->setVisible(unsaved > 0);
}

void frmResults::uncertaintyChanged()
{
    if (m_showingRun)
        return;
    m_session.setUncertainties({ spnAngleUncertainty->value(), spnLengthUncertainty->value(),
                                 spnTimeUncertainty->value() });
}

bool frmResults::eventFilter(QObject *watched, QEvent *event)
{
    // While a sample or note is edited the keys go to the editor, not to the table.
    if (watched == grdTrials && event->type() == QEvent::KeyPress) {
        auto *key = static_cast<QKeyEvent *>(event);
        if (key->key() == Qt::Key_Space && key->modifiers() == Qt::NoModifier) {
            toggleSelectedRows();
            return true;
        }
        if (key->key() == Qt::Key_Delete && key->modifiers() == Qt::NoModifier) {
            deleteSelectedRows();
            return true;
        }
        if (key->matches(QKeySequence::Copy)) {
            copySelectedRows();
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

void frmResults::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        if (UnsavedPrompt::allows(UnsavedPrompt::Leaving::Window, m_session, m_messageBoxes,
                                  m_fileDialogs, this))
            close();
        return;
    }
    QWidget::keyPressEvent(event);
}

void frmResults::hideEvent(QHideEvent *event)
{
    // Kept where the program keeps its other state, the database's settings, and only when the
    // operator moved the line.
    const QList<int> sizes = splResults->sizes();
    const QString text = QStringLiteral("%1,%2").arg(sizes.value(0)).arg(sizes.value(1));
    if (!event->spontaneous() && text != m_splitterSizes && sizes.value(0) > 0) {
        m_session.saveSetting(kSplitterSetting, text);
        m_splitterSizes = text;
    }
    QWidget::hideEvent(event);
}

void frmResults::closeEvent(QCloseEvent *event)
{
    // Closed from the title bar; Esc asked already, and the program asks once for all its windows.
    if (event->spontaneous()
        && !UnsavedPrompt::allows(UnsavedPrompt::Leaving::Window, m_session, m_messageBoxes,
                                  m_fileDialogs, this)) {
        event->ignore();
        return;
    }
    QWidget::closeEvent(event);
}

QList<int> frmResults::selectedRows() const
{
    QList<int> rows;
    for (const QModelIndex &index : grdTrials->selectionModel()->selectedRows())
        rows << index.row();
    std::sort(rows.begin(), rows.end());
    return rows;
}

void frmResults::toggleSelectedRows()
{
    const QList<int> rows = selectedRows();
    if (rows.isEmpty())
        return;
    // All take the opposite of the current row's box, as in a file manager's list.
    const QModelIndex current = grdTrials->currentIndex();
    const int leading
        = current.isValid() && rows.contains(current.row()) ? current.row() : rows.constFirst();
    const bool used = m_session.trials().at(leading).used();
    m_session.setUsed(rows, !used);
}

void frmResults::deleteSelectedRows()
{
    const QList<int> rows = selectedRows();
    if (rows.isEmpty())
        return;
    const QString what = rows.size() == 1 ? tr("the selected trial")
                                          : tr("the %1 selected trials").arg(rows.size());
    const auto answer = m_messageBoxes.show(
        this, MessageBoxes::Icon::Question, MessageBoxes::Buttons::OkCancel, tr("Delete Trials"),
        tr("Delete %1? They cannot be brought back.\n\nTo leave a trial out of the "
           "summary and the plot but keep it, clear its Use box instead (Space).")
            .arg(what));
    if (answer != MessageBoxes::Answer::Ok)
        return;
    reportStoreError(m_session.removeRows(rows));
}

void frmResults::copySelectedRows()
{
    const QList<int> rows = selectedRows();
    if (!rows.isEmpty())
        QApplication::clipboard()->setText(m_trials->copyText(rows));
}

void frmResults::btnNewRun_Click()
{
    if (!UnsavedPrompt::allows(UnsavedPrompt::Leaving::Run, m_session, m_messageBoxes,
                               m_fileDialogs, this))
        return;
    frmNewRun dialog(m_session.suggestedRunName(), this);
    if (dialog.exec() != QDialog::Accepted)
        return;
    reportStoreError(m_session.newRun(dialog.name(), dialog.notes()));
}

void frmResults::btnRuns_Click()
{
    frmRuns dialog(m_session, m_messageBoxes, m_fileDialogs, this);
    if (dialog.exec() != QDialog::Accepted || dialog.chosenRun() == m_session.run().id)
        return;
    if (!UnsavedPrompt::allows(UnsavedPrompt::Leaving::Run, m_session, m_messageBoxes,
                               m_fileDialogs, this))
        return;
    if (const auto error = m_session.openRun(dialog.chosenRun()))
        m_messageBoxes.warning(this, AppInfo::title(), ResultsMessages::notRead(*error));
}

void frmResults::btnApplyAll_Click()
{
    const int count = int(m_session.trials().size());
    if (count == 0)
        return;
    const Uncertainties u = m_session.run().uncertainties;
    const auto answer
        = m_messageBoxes.show(this, MessageBoxes::Icon::Question, MessageBoxes::Buttons::OkCancel,
                              tr("Apply to All Trials"),
                              tr("Recompute δµ of all %1 trials of the run %2 with ± %3 "
                                 "degrees, ± %4 cm and ± %5 ms? The values they were calculated "
                                 "with are replaced.")
                                  .arg(count)
                                  .arg(m_session.run().name)
                                  .arg(QLocale().toString(u.angleDeg))
                                  .arg(QLocale().toString(u.lengthCm))
                                  .arg(QLocale().toString(u.deltaTMs)));
    if (answer != MessageBoxes::Answer::Ok)
        return;
    reportStoreError(m_session.applyUncertaintiesToAll());
}

void frmResults::btnRetry_Click()
{
    reportStoreError(m_session.retrySaving());
}

void frmResults::btnOpenCsv_Click()
{
    const QString path
        = m_fileDialogs.openFileName(this, tr("Open CSV"), tr("CSV files (*.csv);;All files (*)"));
    if (path.isEmpty())
        return;
    if (!UnsavedPrompt::allows(UnsavedPrompt::Leaving::Run, m_session, m_messageBoxes,
                               m_fileDialogs, this))
        return;
    const QString file = QFileInfo(path).fileName();
    const ResultsSession::Opened opened = m_session.openCsv(path);
    if (const auto *fault = std::get_if<TrialCsv::Fault>(&opened)) {
        m_messageBoxes.warning(this, AppInfo::title(),
                               tr("%1 was not opened: %2.").arg(file, TrialCsv::describe(*fault)));
    } else if (const auto *error = std::get_if<FileError>(&opened)) {
        reportFileError(tr("The file could not be read"), error->path, error->cause);
    } else if (const auto *error = std::get_if<StoreError>(&opened)) {
        reportStoreError(*error);
    } else {
        const auto &imported = std::get<ResultsSession::Imported>(opened);
        QStringList lines;
        if (imported.added == 0)
            lines << tr("%1 holds no trial that could be read.").arg(file);
        if (!imported.skipped.isEmpty()) {
            if (imported.added > 0)
                lines << tr("%1 was read into the run %2: %3. These lines were left "
                            "out:")
                             .arg(file, imported.run,
                                  imported.added == 1 ? tr("1 trial")
                                                      : tr("%1 trials").arg(imported.added));
            lines << ResultsMessages::skippedLines(imported.skipped);
        }
        if (imported.error)
            lines << ResultsMessages::changeNotSaved(*imported.error);
        if (!lines.isEmpty())
            m_messageBoxes.warning(this, AppInfo::title(), lines.join(u'\n'));
    }
}

void frmResults::btnExportCsv_Click()
{
    const QString path = m_fileDialogs.saveFileName(
        this, tr("Export CSV"), m_session.suggestedExportName(), tr("CSV files (*.csv)"));
    if (path.isEmpty())
        return;
    if (const auto error = m_session.exportCsv(path))
        reportFileError(tr("The trials could not be exported"), error->path, error->cause);
}

void frmResults::btnClear_Click()
{
    const int count = int(m_session.trials().size());
    const auto answer = m_messageBoxes.show(
        this, MessageBoxes::Icon::Question, MessageBoxes::Buttons::OkCancel, tr("Clear Results"),
        tr("Delete all %1 trials of the run %2? They cannot be brought back.")
            .arg(count)
            .arg(m_session.run().name));
    if (answer != MessageBoxes::Answer::Ok)
        return;
    reportStoreError(m_session.clear());
}

void frmResults::btnSavePlot_Click()
{
    const QString png = tr("PNG image (*.png)");
    const QString svg = tr("SVG drawing (*.svg)");
    QString filter = png;
    QString path = m_fileDialogs.saveFileName(this, tr("Save Plot"), QStringLiteral("plot.png"),
                                              png + QStringLiteral(";;") + svg, &filter);
    if (path.isEmpty())
        return;
    const QString suffix = QFileInfo(path).suffix().toLower();
    const bool asSvg = suffix == QLatin1String("svg") || (suffix.isEmpty() && filter == svg);
    if (suffix.isEmpty())
        path += asSvg ? QStringLiteral(".svg") : QStringLiteral(".png");

    // Drawn from the same data as the screen, the same colours, legend included.
    const PlotData plot = m_session.plotData(plotAxis());
    const QByteArray bytes = asSvg ? PlotExport::svg(plot) : PlotExport::png(plot);
    if (const auto error = m_files.replace(path, bytes))
        reportFileError(tr("The plot could not be saved"), error->path, error->cause);
}

void frmResults::btnPrint_Click()
{
    const LabReport report
        = LabReport::of(m_session, plotAxis(), QSysInfo::machineHostName(), m_session.now());
    const Printer::Outcome outcome = m_printer.print(
        this, report.title(), ReportPaper::forLocale(),
        [&report](QPagedPaintDevice &device) { return ReportPages::paint(report, device); });
    if (const auto *failed = std::get_if<Printer::Failed>(&outcome)) {
        m_messageBoxes.warning(this, AppInfo::title(),
                               tr("The report could not be printed: %1.\n\nExport "
                                  "PDF... writes it to a file instead.")
                                   .arg(failed->cause));
    }
}

void frmResults::btnExportPdf_Click()
{
    QString suggested = m_session.suggestedExportName();
    suggested.replace(QRegularExpression(QStringLiteral("\\.csv$")), QStringLiteral(".pdf"));
    QString path
        = m_fileDialogs.saveFileName(this, tr("Export PDF"), suggested, tr("PDF files (*.pdf)"));
    if (path.isEmpty())
        return;
    if (QFileInfo(path).suffix().isEmpty())
        path += QStringLiteral(".pdf");
    const LabReport report
        = LabReport::of(m_session, plotAxis(), QSysInfo::machineHostName(), m_session.now());
    const auto pdf = ReportPages::pdf(report, ReportPaper::forLocale());
    if (const auto *why = std::get_if<QString>(&pdf)) {
        m_messageBoxes.warning(this, AppInfo::title(),
                               tr("The report could not be made: %1.").arg(*why));
        return;
    }
    if (const auto error = m_files.replace(path, std::get<QByteArray>(pdf)))
        reportFileError(tr("The report could not be exported"), error->path, error->cause);
}

void frmResults::tabResults_CurrentChanged(int index)
{
    if (tabResults->widget(index) == framePlot)
        refreshPlot();
}

void frmResults::refreshPlotSoon()
{
    // Many changes in one go (an opened file, a deletion) redraw the plot once.
    if (m_plotRefreshPending || tabResults->currentWidget() != framePlot)
        return;
    m_plotRefreshPending = true;
    QTimer::singleShot(0, this, &frmResults::refreshPlot);
}

void frmResults::refreshPlot()
{
    m_plotRefreshPending = false;
    if (!m_plot && lblPlotMissing->isHidden()) {
        const auto factory = PlotModule::factory();
        if (auto *const *found = std::get_if<TrialPlotFactory *>(&factory)) {
            m_plot = (*found)->createPlot(framePlot);
            m_plot->setObjectName(QStringLiteral("plot"));
            m_plotLayout->insertWidget(1, m_plot, 1);
        } else {
            lblPlotMissing->setText(
                tr("The plot cannot be shown: %1.").arg(std::get<QString>(factory)));
            lblPlotMissing->show();
        }
    }
    if (m_plot)
        m_plot->setPlotData(m_session.plotData(plotAxis()));
}

PlotAxis frmResults::plotAxis() const
{
    return cboPlotAxis->currentIndex() == 1 ? PlotAxis::Angle : PlotAxis::Trial;
}

void frmResults::reportStoreError(const std::optional<StoreError> &error)
{
    if (error)
        m_messageBoxes.warning(this, AppInfo::title(), ResultsMessages::changeNotSaved(*error));
}

void frmResults::reportFileError(const QString &what, const QString &path, const QString &cause)
{
    m_messageBoxes.warning(this, AppInfo::title(),
                           QStringLiteral("%1.\n\n%2: %3").arg(what, path, cause));
}
