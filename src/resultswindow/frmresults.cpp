#include "frmresults.h"

#include "appinfo.h"
#include "datafiles.h"
#include "filedialogs.h"
#include "frmnewrun.h"
#include "frmruns.h"
#include "messageboxes.h"
#include "plotmodule.h"
#include "plotsvg.h"
#include "resultsmessages.h"
#include "resultssession.h"
#include "summarytablemodel.h"
#include "trialplot.h"
#include "trialtablemodel.h"
#include "unsavedprompt.h"

#include <QApplication>
#include <QBuffer>
#include <QClipboard>
#include <QCloseEvent>
#include <QDoubleSpinBox>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QShortcut>
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

// Columns wide enough for their heading and for the widest usual value; the column `stretched`
// takes what is left. Measuring every row would cost seconds on a big run.
void sizeColumns(QTableView *grid, const QStringList &typical, int stretched)
{
    const QFontMetrics metrics = grid->fontMetrics();
    QHeaderView *header = grid->horizontalHeader();
    for (int column = 0; column < typical.size(); ++column) {
        const QString heading = grid->model()->headerData(column, Qt::Horizontal).toString();
        const int width = std::max(metrics.horizontalAdvance(heading),
                                   metrics.horizontalAdvance(typical.at(column)));
        header->resizeSection(column, width + 3 * metrics.averageCharWidth());
    }
    header->setSectionResizeMode(stretched, QHeaderView::Stretch);
}

} // namespace

frmResults::frmResults(ResultsSession &session, MessageBoxes &messageBoxes,
                       FileDialogs &fileDialogs, DataFiles &files, QWidget *parent)
    : QWidget(parent, Qt::Window)
    , m_session(session)
    , m_messageBoxes(messageBoxes)
    , m_fileDialogs(fileDialogs)
    , m_files(files)
{
    setObjectName(QStringLiteral("frmResults"));
    setWindowTitle(AppInfo::title() + QStringLiteral(" - Results"));
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
    connect(tabResults, &QTabWidget::currentChanged, this, &frmResults::tabResults_CurrentChanged);
    auto *newRun = new QShortcut(QKeySequence::New, this);
    connect(newRun, &QShortcut::activated, btnNewRun, &QPushButton::click);

    connect(&m_session, &ResultsSession::noteChanged, this, &frmResults::showNote);
    connect(&m_session, &ResultsSession::runChanged, this, &frmResults::showRun);
    connect(&m_session, &ResultsSession::saveStateChanged, this, &frmResults::showSaveState);
    connect(&m_session, &ResultsSession::trialsReset, this, &frmResults::refreshPlotSoon);
    connect(&m_session, &ResultsSession::trialsAppended, this, &frmResults::refreshPlotSoon);
    connect(&m_session, &ResultsSession::trialsChanged, this, &frmResults::refreshPlotSoon);
    // A new trial is shown where the eye is: at the bottom of the table.
    connect(m_trials, &QAbstractItemModel::rowsInserted, grdTrials, &QTableView::scrollToBottom);
    grdTrials->installEventFilter(this);

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
    auto *lblRun = new QLabel(QStringLiteral("Run:"), this);
    lblRunName = new QLabel(this);
    lblRunName->setObjectName(QStringLiteral("lblRunName"));
    lblRunName->setTextInteractionFlags(Qt::TextSelectableByMouse);
    QFont bold = lblRunName->font();
    bold.setBold(true);
    lblRunName->setFont(bold);
    btnNewRun = makeButton(this, "btnNewRun", QStringLiteral("&New Run..."),
                           QStringLiteral("Start a run for the next group (Ctrl+N)"));
    btnRuns = makeButton(this, "btnRuns", QStringLiteral("&Runs..."),
                         QStringLiteral("List every run to open, rename or export one"));
    runLine->addWidget(lblRun);
    runLine->addWidget(lblRunName, 1);
    runLine->addWidget(btnNewRun);
    runLine->addWidget(btnRuns);
    top->addLayout(runLine);

    auto *fields = new QHBoxLayout;
    txtSample = new QLineEdit(m_session.sample(), this);
    txtSample->setObjectName(QStringLiteral("txtSample"));
    txtSample->setToolTip(QStringLiteral("The surface being measured; each new trial takes it"));
    auto *lblSample = new QLabel(QStringLiteral("&Sample:"), this);
    lblSample->setBuddy(txtSample);
    txtSample->setAccessibleName(QStringLiteral("Sample:"));
    fields->addWidget(lblSample);
    fields->addWidget(txtSample, 1);

    spnAngleUncertainty
        = makeUncertainty(this, "spnAngleUncertainty", 45.0, 0.1,
                          QStringLiteral("Uncertainty of the measured angle, for new trials"));
    spnLengthUncertainty
        = makeUncertainty(this, "spnLengthUncertainty", 1000.0, 0.05,
                          QStringLiteral("Uncertainty of the block length, for new trials"));
    spnTimeUncertainty
        = makeUncertainty(this, "spnTimeUncertainty", 10000.0, 0.5,
                          QStringLiteral("Uncertainty of the photogate time, for new trials"));
    const std::pair<QString, QDoubleSpinBox *> uncertainties[] {
        { QStringLiteral("\u00b1 &angle (degrees):"), spnAngleUncertainty },
        { QStringLiteral("\u00b1 &length (cm):"), spnLengthUncertainty },
        { QStringLiteral("\u00b1 &delta T (ms):"), spnTimeUncertainty },
    };
    for (const auto &[caption, box] : uncertainties) {
        auto *label = new QLabel(caption, this);
        label->setBuddy(box);
        box->setAccessibleName(QString(caption).remove(u'&'));
        fields->addSpacing(12);
        fields->addWidget(label);
        fields->addWidget(box);
    }
    btnApplyAll = makeButton(this, "btnApplyAll", QStringLiteral("Appl&y to All Trials"),
                             QStringLiteral("Recompute \u03b4\u00b5 of every trial of the run "
                                            "with these \u00b1 values"));
    fields->addSpacing(12);
    fields->addWidget(btnApplyAll);
    top->addLayout(fields);

    auto *unsavedLine = new QHBoxLayout;
    lblUnsaved = new QLabel(this);
    lblUnsaved->setObjectName(QStringLiteral("lblUnsaved"));
    lblUnsaved->setWordWrap(true);
    lblUnsaved->setTextInteractionFlags(Qt::TextSelectableByMouse);
    btnRetry = makeButton(this, "btnRetry", QStringLiteral("Retry Sa&ving"),
                          QStringLiteral("Write the unsaved trials and changes to the database"));
    unsavedLine->addWidget(lblUnsaved, 1);
    unsavedLine->addWidget(btnRetry);
    top->addLayout(unsavedLine);

    tabResults = new QTabWidget(this);
    tabResults->setObjectName(QStringLiteral("tabResults"));
    top->addWidget(tabResults, 1);

    auto *tableTab = new QWidget(tabResults);
    auto *tableLayout = new QVBoxLayout(tableTab);
    grdTrials = makeGrid(tableTab, "grdTrials", QStringLiteral("Trials"));
    grdTrials->setModel(m_trials);
    grdTrials->setAccessibleDescription(
        QStringLiteral("Space uses or leaves out the selected trials, Delete removes them, "
                       "Ctrl+C copies them, F2 edits a sample name or a note"));
    grdTrials->setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed
                               | QAbstractItemView::AnyKeyPressed);
    tableLayout->addWidget(grdTrials, 3);
    auto *lblSummary = new QLabel(QStringLiteral("Summary of the used trials"), tableTab);
    tableLayout->addWidget(lblSummary);
    grdSummary = makeGrid(tableTab, "grdSummary", QStringLiteral("Summary"));
    grdSummary->setModel(m_summary);
    grdSummary->setEditTriggers(QAbstractItemView::NoEditTriggers);
    lblSummary->setBuddy(grdSummary);
    tableLayout->addWidget(grdSummary, 1);

    auto *buttons = new QHBoxLayout;
    btnOpenCsv = makeButton(tableTab, "btnOpenCsv", QStringLiteral("Open CSV..."),
                            QStringLiteral("Read the trials of a CSV file into a new run"));
    btnExportCsv = makeButton(tableTab, "btnExportCsv", QStringLiteral("Export CSV..."),
                              QStringLiteral("Write the run's trials to a CSV file"));
    btnClear = makeButton(tableTab, "btnClear", QStringLiteral("Clear..."),
                          QStringLiteral("Delete every trial of the run"));
    buttons->addWidget(btnOpenCsv);
    buttons->addWidget(btnExportCsv);
    buttons->addStretch(1);
    buttons->addWidget(btnClear);
    tableLayout->addLayout(buttons);
    tabResults->addTab(tableTab, QStringLiteral("&Table"));

    framePlot = new QWidget(tabResults);
    framePlot->setObjectName(QStringLiteral("framePlot"));
    m_plotLayout = new QVBoxLayout(framePlot);
    lblPlotMissing = new QLabel(framePlot);
    lblPlotMissing->setObjectName(QStringLiteral("lblPlotMissing"));
    lblPlotMissing->setWordWrap(true);
    lblPlotMissing->hide();
    m_plotLayout->addWidget(lblPlotMissing);
    auto *plotButtons = new QHBoxLayout;
    btnSavePlot = makeButton(framePlot, "btnSavePlot", QStringLiteral("Save Plot..."),
                             QStringLiteral("Save the plot as a PNG image or an SVG drawing"));
    plotButtons->addStretch(1);
    plotButtons->addWidget(btnSavePlot);
    m_plotLayout->addLayout(plotButtons);
    tabResults->addTab(framePlot, QStringLiteral("&Plot"));

    sizeColumns(grdTrials,
                { QStringLiteral("Use"), QStringLiteral("not saved"), QStringLiteral("00:00:00"),
                  QStringLiteral("Sample"), QStringLiteral("Kinetic"), QStringLiteral("00.00"),
                  QStringLiteral("00.00"), QStringLiteral("000.0"), QStringLiteral("9.80665"),
                  QStringLiteral("-0.000"), QStringLiteral("0.000"), QStringLiteral("Note") },
                TrialTableModel::Note);
    sizeColumns(grdSummary,
                { QStringLiteral("Sample"), QStringLiteral("Kinetic"), QStringLiteral("0000"),
                  QStringLiteral("-0.000"), QStringLiteral("0.0000"), QStringLiteral("0.0000") },
                SummaryTableModel::Sample);
    grdTrials->horizontalHeader()->resizeSection(TrialTableModel::Sample,
                                                 grdTrials->fontMetrics().averageCharWidth() * 16);
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
    lblRunName->setToolTip(
        QStringLiteral("Started %1")
            .arg(run.started.toLocalTime().toString(QStringLiteral("yyyy-MM-dd HH:mm")))
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
    const QString what = rows.size() == 1
        ? QStringLiteral("the selected trial")
        : QStringLiteral("the %1 selected trials").arg(rows.size());
    const auto answer = m_messageBoxes.show(
        this, MessageBoxes::Icon::Question, MessageBoxes::Buttons::OkCancel,
        QStringLiteral("Delete Trials"),
        QStringLiteral("Delete %1? They cannot be brought back.\n\nTo leave a trial out of the "
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
    const auto answer = m_messageBoxes.show(
        this, MessageBoxes::Icon::Question, MessageBoxes::Buttons::OkCancel,
        QStringLiteral("Apply to All Trials"),
        QStringLiteral("Recompute \u03b4\u00b5 of all %1 trials of the run %2 with \u00b1 %3 "
                       "degrees, \u00b1 %4 cm and \u00b1 %5 ms? The values they were calculated "
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
    const QString path = m_fileDialogs.openFileName(
        this, QStringLiteral("Open CSV"), QStringLiteral("CSV files (*.csv);;All files (*)"));
    if (path.isEmpty())
        return;
    if (!UnsavedPrompt::allows(UnsavedPrompt::Leaving::Run, m_session, m_messageBoxes,
                               m_fileDialogs, this))
        return;
    const QString file = QFileInfo(path).fileName();
    const ResultsSession::Opened opened = m_session.openCsv(path);
    if (const auto *fault = std::get_if<TrialCsv::Fault>(&opened)) {
        m_messageBoxes.warning(
            this, AppInfo::title(),
            QStringLiteral("%1 was not opened: %2.").arg(file, TrialCsv::describe(*fault)));
    } else if (const auto *error = std::get_if<FileError>(&opened)) {
        reportFileError(QStringLiteral("The file could not be read"), error->path, error->cause);
    } else if (const auto *error = std::get_if<StoreError>(&opened)) {
        reportStoreError(*error);
    } else {
        const auto &imported = std::get<ResultsSession::Imported>(opened);
        QStringList lines;
        if (imported.added == 0)
            lines << QStringLiteral("%1 holds no trial that could be read.").arg(file);
        if (!imported.skipped.isEmpty()) {
            if (imported.added > 0)
                lines << QStringLiteral("%1 was read into the run %2: %3. These lines were left "
                                        "out:")
                             .arg(file, imported.run,
                                  imported.added == 1
                                      ? QStringLiteral("1 trial")
                                      : QStringLiteral("%1 trials").arg(imported.added));
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
    const QString path = m_fileDialogs.saveFileName(this, QStringLiteral("Export CSV"),
                                                    m_session.suggestedExportName(),
                                                    QStringLiteral("CSV files (*.csv)"));
    if (path.isEmpty())
        return;
    if (const auto error = m_session.exportCsv(path))
        reportFileError(QStringLiteral("The trials could not be exported"), error->path,
                        error->cause);
}

void frmResults::btnClear_Click()
{
    const int count = int(m_session.trials().size());
    const auto answer = m_messageBoxes.show(
        this, MessageBoxes::Icon::Question, MessageBoxes::Buttons::OkCancel,
        QStringLiteral("Clear Results"),
        QStringLiteral("Delete all %1 trials of the run %2? They cannot be brought back.")
            .arg(count)
            .arg(m_session.run().name));
    if (answer != MessageBoxes::Answer::Ok)
        return;
    reportStoreError(m_session.clear());
}

void frmResults::btnSavePlot_Click()
{
    const QString png = QStringLiteral("PNG image (*.png)");
    const QString svg = QStringLiteral("SVG drawing (*.svg)");
    QString filter = png;
    QString path
        = m_fileDialogs.saveFileName(this, QStringLiteral("Save Plot"), QStringLiteral("plot.png"),
                                     png + QStringLiteral(";;") + svg, &filter);
    if (path.isEmpty())
        return;
    const QString suffix = QFileInfo(path).suffix().toLower();
    const bool asSvg = suffix == QLatin1String("svg") || (suffix.isEmpty() && filter == svg);
    if (suffix.isEmpty())
        path += asSvg ? QStringLiteral(".svg") : QStringLiteral(".png");

    QByteArray bytes;
    if (asSvg) {
        bytes = PlotSvg::render(m_session.plotData());
    } else {
        refreshPlot();
        if (!m_plot) {
            m_messageBoxes.warning(this, AppInfo::title(), lblPlotMissing->text());
            return;
        }
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::WriteOnly);
        m_plot->grab().toImage().save(&buffer, "PNG");
    }
    if (const auto error = m_files.replace(path, bytes))
        reportFileError(QStringLiteral("The plot could not be saved"), error->path, error->cause);
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
            m_plotLayout->insertWidget(0, m_plot, 1);
        } else {
            lblPlotMissing->setText(
                QStringLiteral("The plot cannot be shown: %1.").arg(std::get<QString>(factory)));
            lblPlotMissing->show();
        }
    }
    if (m_plot)
        m_plot->setPlotData(m_session.plotData());
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
