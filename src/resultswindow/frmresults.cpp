#include "frmresults.h"

#include "appinfo.h"
#include "datafiles.h"
#include "filedialogs.h"
#include "messageboxes.h"
#include "plotmodule.h"
#include "plotsvg.h"
#include "resultssession.h"
#include "trialplot.h"

#include <QApplication>
#include <QBuffer>
#include <QClipboard>
#include <QDoubleSpinBox>
#include <QFileInfo>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTableView>
#include <QTimer>
#include <QVBoxLayout>

#include <algorithm>

namespace {

QDoubleSpinBox *makeUncertainty(QWidget *parent, const char *name, double maximum, double step,
                                double value, const QString &description)
{
    auto *box = new QDoubleSpinBox(parent);
    box->setObjectName(QString::fromLatin1(name));
    box->setDecimals(3);
    box->setRange(0.0, maximum);
    box->setSingleStep(step);
    box->setValue(value);
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
    // Rows of one height let the view skip measuring them: a day of 100,000 trials scrolls freely.
    grid->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    grid->setWordWrap(false);
    return grid;
}

// Columns wide enough for their heading and for the widest usual value; the sample column takes
// what is left. Measuring every row would cost seconds on a big file.
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
    resize(900, 600);

    buildControls();

    connect(txtSample, &QLineEdit::textChanged, this,
            [this](const QString &text) { m_session.setSample(text); });
    for (QDoubleSpinBox *box : { spnAngleUncertainty, spnLengthUncertainty, spnTimeUncertainty })
        connect(box, &QDoubleSpinBox::valueChanged, this, &frmResults::uncertaintyChanged);
    connect(btnOpenCsv, &QPushButton::clicked, this, &frmResults::btnOpenCsv_Click);
    connect(btnExportCsv, &QPushButton::clicked, this, &frmResults::btnExportCsv_Click);
    connect(btnClear, &QPushButton::clicked, this, &frmResults::btnClear_Click);
    connect(btnSavePlot, &QPushButton::clicked, this, &frmResults::btnSavePlot_Click);
    connect(tabResults, &QTabWidget::currentChanged, this, &frmResults::tabResults_CurrentChanged);
    connect(&m_session, &ResultsSession::noteChanged, this, &frmResults::showNote);
    connect(&m_session, &ResultsSession::journalFailed, this, [this](const FileError &error) {
        reportFileError(QStringLiteral("The change could not be saved in the journal"), error.path,
                        error.cause);
    });
    grdTrials->installEventFilter(this);

    TrialTableModel &trials = m_session.trials();
    connect(&trials, &QAbstractItemModel::modelReset, this, &frmResults::refreshPlotSoon);
    connect(&trials, &QAbstractItemModel::rowsInserted, this, &frmResults::refreshPlotSoon);
    connect(&trials, &QAbstractItemModel::rowsRemoved, this, &frmResults::refreshPlotSoon);
    connect(&trials, &QAbstractItemModel::dataChanged, this, &frmResults::refreshPlotSoon);
    // A new trial is shown where the eye is: at the bottom of the table.
    connect(&trials, &QAbstractItemModel::rowsInserted, grdTrials, &QTableView::scrollToBottom);

    showNote();
    txtSample->setFocus();
}

void frmResults::buildControls()
{
    auto *top = new QVBoxLayout(this);

    lblNote = new QLabel(this);
    lblNote->setObjectName(QStringLiteral("lblNote"));
    lblNote->setWordWrap(true);
    lblNote->setFrameShape(QFrame::StyledPanel);
    top->addWidget(lblNote);

    auto *fields = new QHBoxLayout;
    txtSample = new QLineEdit(m_session.sample(), this);
    txtSample->setObjectName(QStringLiteral("txtSample"));
    txtSample->setToolTip(QStringLiteral("The surface being measured; each new trial takes it"));
    auto *lblSample = new QLabel(QStringLiteral("&Sample:"), this);
    lblSample->setBuddy(txtSample);
    txtSample->setAccessibleName(QStringLiteral("Sample:"));
    fields->addWidget(lblSample);
    fields->addWidget(txtSample, 1);

    const Uncertainties u = m_session.trials().uncertainties();
    spnAngleUncertainty = makeUncertainty(this, "spnAngleUncertainty", 45.0, 0.1, u.angleDeg,
                                          QStringLiteral("Uncertainty of the measured angle"));
    spnLengthUncertainty = makeUncertainty(this, "spnLengthUncertainty", 1000.0, 0.05, u.lengthCm,
                                           QStringLiteral("Uncertainty of the block length"));
    spnTimeUncertainty = makeUncertainty(this, "spnTimeUncertainty", 10000.0, 0.5, u.deltaTMs,
                                         QStringLiteral("Uncertainty of the photogate time"));
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
    top->addLayout(fields);

    tabResults = new QTabWidget(this);
    tabResults->setObjectName(QStringLiteral("tabResults"));
    top->addWidget(tabResults, 1);

    auto *tableTab = new QWidget(tabResults);
    auto *tableLayout = new QVBoxLayout(tableTab);
    grdTrials = makeGrid(tableTab, "grdTrials", QStringLiteral("Trials"));
    grdTrials->setModel(&m_session.trials());
    grdTrials->setAccessibleDescription(
        QStringLiteral("Delete removes the selected trials, Ctrl+C copies them, F2 edits a "
                       "sample name"));
    grdTrials->setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed
                               | QAbstractItemView::AnyKeyPressed);
    tableLayout->addWidget(grdTrials, 3);
    auto *lblSummary = new QLabel(QStringLiteral("Summary"), tableTab);
    tableLayout->addWidget(lblSummary);
    grdSummary = makeGrid(tableTab, "grdSummary", QStringLiteral("Summary"));
    grdSummary->setModel(&m_session.summary());
    grdSummary->setEditTriggers(QAbstractItemView::NoEditTriggers);
    lblSummary->setBuddy(grdSummary);
    tableLayout->addWidget(grdSummary, 1);

    auto *buttons = new QHBoxLayout;
    btnOpenCsv = makeButton(tableTab, "btnOpenCsv", QStringLiteral("Open CSV..."),
                            QStringLiteral("Add the trials of a CSV file to today's"));
    btnExportCsv = makeButton(tableTab, "btnExportCsv", QStringLiteral("Export CSV..."),
                              QStringLiteral("Write today's trials to a CSV file"));
    btnClear = makeButton(tableTab, "btnClear", QStringLiteral("Clear..."),
                          QStringLiteral("Delete every trial of today"));
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
                { QStringLiteral("0000"), QStringLiteral("00:00:00"), QStringLiteral("Sample"),
                  QStringLiteral("Kinetic"), QStringLiteral("00.00"), QStringLiteral("00.00"),
                  QStringLiteral("000.0"), QStringLiteral("9.80665"), QStringLiteral("-0.000"),
                  QStringLiteral("0.000") },
                TrialTableModel::Sample);
    sizeColumns(grdSummary,
                { QStringLiteral("Sample"), QStringLiteral("Kinetic"), QStringLiteral("0000"),
                  QStringLiteral("-0.000"), QStringLiteral("0.0000"), QStringLiteral("0.0000") },
                SummaryTableModel::Sample);
}

void frmResults::showNote()
{
    const QString note = m_session.note();
    lblNote->setText(note);
    lblNote->setVisible(!note.isEmpty());
}

void frmResults::uncertaintyChanged()
{
    m_session.setUncertainties({ spnAngleUncertainty->value(), spnLengthUncertainty->value(),
                                 spnTimeUncertainty->value() });
}

bool frmResults::eventFilter(QObject *watched, QEvent *event)
{
    // While a sample is edited the keys go to the editor, not to the table.
    if (watched == grdTrials && event->type() == QEvent::KeyPress) {
        auto *key = static_cast<QKeyEvent *>(event);
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

QList<int> frmResults::selectedRows() const
{
    QList<int> rows;
    for (const QModelIndex &index : grdTrials->selectionModel()->selectedRows())
        rows << index.row();
    return rows;
}

void frmResults::deleteSelectedRows()
{
    const QList<int> rows = selectedRows();
    if (rows.isEmpty())
        return;
    if (const auto error = m_session.removeRows(rows))
        reportFileError(QStringLiteral("The journal could not be rewritten"), error->path,
                        error->cause);
}

void frmResults::copySelectedRows()
{
    const QList<int> rows = selectedRows();
    if (!rows.isEmpty())
        QApplication::clipboard()->setText(m_session.copyText(rows));
}

void frmResults::btnOpenCsv_Click()
{
    const QString path = m_fileDialogs.openFileName(
        this, QStringLiteral("Open CSV"), QStringLiteral("CSV files (*.csv);;All files (*)"));
    if (path.isEmpty())
        return;
    const ResultsSession::Opened opened = m_session.openCsv(path);
    if (const auto *fault = std::get_if<TrialCsv::Fault>(&opened)) {
        m_messageBoxes.warning(this, AppInfo::title(),
                               QStringLiteral("%1 was not opened: line %2, column %3: %4.")
                                   .arg(QFileInfo(path).fileName())
                                   .arg(fault->line)
                                   .arg(fault->column)
                                   .arg(fault->what));
    } else if (const auto *error = std::get_if<FileError>(&opened)) {
        reportFileError(QStringLiteral("The file could not be read or its trials recorded"),
                        error->path, error->cause);
    }
}

void frmResults::btnExportCsv_Click()
{
    const QString path = m_fileDialogs.saveFileName(
        this, QStringLiteral("Export CSV"),
        QStringLiteral("results-%1.csv").arg(QDate::currentDate().toString(Qt::ISODate)),
        QStringLiteral("CSV files (*.csv)"));
    if (path.isEmpty())
        return;
    if (const auto error = m_session.exportCsv(path))
        reportFileError(QStringLiteral("The trials could not be exported"), error->path,
                        error->cause);
}

void frmResults::btnClear_Click()
{
    const int count = m_session.trials().rowCount();
    const auto answer = m_messageBoxes.show(
        this, MessageBoxes::Icon::Question, MessageBoxes::Buttons::OkCancel,
        QStringLiteral("Clear Results"),
        QStringLiteral("Delete all %1 trials of today? They cannot be brought back.").arg(count));
    if (answer != MessageBoxes::Answer::Ok)
        return;
    if (const auto error = m_session.clear())
        reportFileError(QStringLiteral("The journal could not be rewritten"), error->path,
                        error->cause);
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

void frmResults::reportFileError(const QString &what, const QString &path, const QString &cause)
{
    m_messageBoxes.warning(this, AppInfo::title(),
                           QStringLiteral("%1.\n\n%2: %3").arg(what, path, cause));
}
