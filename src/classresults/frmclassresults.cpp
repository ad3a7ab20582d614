#include "frmclassresults.h"

#include "appinfo.h"
#include "classconnection.h"
#include "classfeed.h"
#include "classmessages.h"
#include "classresultscsv.h"
#include "classsummarymodel.h"
#include "classtrialmodel.h"
#include "datafiles.h"
#include "filedialogs.h"
#include "messageboxes.h"

#include <QCheckBox>
#include <QDateEdit>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSet>
#include <QSortFilterProxyModel>
#include <QTableView>
#include <QTimer>
#include <QVBoxLayout>

namespace {

QTableView *makeGrid(QWidget *parent, const char *name, const QString &accessibleName)
{
    auto *grid = new QTableView(parent);
    grid->setObjectName(QLatin1String(name));
    grid->setAccessibleName(accessibleName);
    grid->setSelectionBehavior(QAbstractItemView::SelectRows);
    grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grid->setAlternatingRowColors(true);
    grid->verticalHeader()->hide();
    // Rows of one height: a class's thousands of trials scroll without measuring each.
    grid->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    grid->setWordWrap(false);
    return grid;
}

// Columns wide enough for their heading and a usual value; the named column takes what is left.
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

QDateEdit *makeDate(QWidget *parent, const char *name, QDate date, const QString &description)
{
    auto *edit = new QDateEdit(date, parent);
    edit->setObjectName(QLatin1String(name));
    edit->setCalendarPopup(true);
    edit->setDisplayFormat(QStringLiteral("yyyy-MM-dd"));
    edit->setToolTip(description);
    edit->setAccessibleDescription(description);
    return edit;
}

} // namespace

frmClassResults::frmClassResults(std::unique_ptr<ClassConnection> connection,
                                 const ClassServerSettings &settings, FileDialogs &fileDialogs,
                                 DataFiles &files, MessageBoxes &messageBoxes, QDate today,
                                 QWidget *parent)
    : QWidget(parent, Qt::Window)
    , m_connection(std::move(connection))
    , m_settings(settings)
    , m_fileDialogs(fileDialogs)
    , m_files(files)
    , m_messageBoxes(messageBoxes)
    , m_today(today)
    , m_trials(new ClassTrialModel(this))
    , m_ordered(new QSortFilterProxyModel(this))
    , m_summary(new ClassSummaryModel(this))
    , m_feed(new ClassFeed(*m_connection, Backoff(), this))
    , m_typing(new QTimer(this))
    , m_summaryPending(new QTimer(this))
{
    setObjectName(QStringLiteral("frmClassResults"));
    setWindowTitle(tr("%1 - Class Results").arg(AppInfo::title()));
    setWindowIcon(AppInfo::windowIcon());
    resize(1100, 700);

    m_ordered->setSourceModel(m_trials);
    m_ordered->setSortRole(ClassTrialModel::kOrderRole);
    m_ordered->setDynamicSortFilter(true);
    m_ordered->sort(0);
    buildControls();

    // A run name is typed a letter at a time: the server is asked once the typing pauses.
    m_typing->setSingleShot(true);
    m_typing->setInterval(300);
    // A burst of arrivals recounts the summary once.
    m_summaryPending->setSingleShot(true);
    m_summaryPending->setInterval(0);

    connect(chkAllDates, &QCheckBox::toggled, this, &frmClassResults::applyFilter);
    connect(dtpFrom, &QDateEdit::dateChanged, this, &frmClassResults::applyFilter);
    connect(dtpTo, &QDateEdit::dateChanged, this, &frmClassResults::applyFilter);
    connect(txtRunName, &QLineEdit::textChanged, m_typing, qOverload<>(&QTimer::start));
    connect(m_typing, &QTimer::timeout, this, &frmClassResults::applyFilter);
    connect(m_summaryPending, &QTimer::timeout, this, &frmClassResults::refreshSummary);
    connect(btnExportCsv, &QPushButton::clicked, this, &frmClassResults::btnExportCsv_Click);
    connect(m_feed, &ClassFeed::loaded, this, [this](const QList<ClassResult> &results) {
        m_trials->reset(results);
        m_summaryPending->start();
        showState();
    });
    connect(m_feed, &ClassFeed::arrived, this, [this](const QList<ClassResult> &results) {
        m_trials->upsert(results);
        m_summaryPending->start();
        showState();
    });
    connect(m_feed, &ClassFeed::stateChanged, this, &frmClassResults::showState);

    applyFilter();
    m_feed->start();
    showState();
}

frmClassResults::~frmClassResults() = default;

void frmClassResults::buildControls()
{
    auto *top = new QVBoxLayout(this);

    lblState = new QLabel(this);
    lblState->setObjectName(QStringLiteral("lblState"));
    lblState->setWordWrap(true);
    lblState->setTextInteractionFlags(Qt::TextSelectableByMouse);
    top->addWidget(lblState);

    auto *filters = new QHBoxLayout;
    const auto labelled = [this, filters](const QString &caption, QWidget *field) {
        auto *label = new QLabel(caption, this);
        label->setBuddy(field);
        field->setAccessibleName(QString(caption).remove(u'&'));
        filters->addWidget(label);
        filters->addWidget(field);
        filters->addSpacing(12);
    };
    dtpFrom = makeDate(this, "dtpFrom", m_today, tr("The first day whose trials are shown"));
    dtpTo = makeDate(this, "dtpTo", m_today, tr("The last day whose trials are shown"));
    labelled(tr("&From:"), dtpFrom);
    labelled(tr("&To:"), dtpTo);
    chkAllDates = new QCheckBox(tr("&All dates"), this);
    chkAllDates->setObjectName(QStringLiteral("chkAllDates"));
    chkAllDates->setToolTip(tr("Show the trials of every day"));
    filters->addWidget(chkAllDates);
    filters->addSpacing(12);
    txtRunName = new QLineEdit(this);
    txtRunName->setObjectName(QStringLiteral("txtRunName"));
    txtRunName->setToolTip(tr("Show only runs whose name holds this text"));
    txtRunName->setAccessibleDescription(txtRunName->toolTip());
    txtRunName->setClearButtonEnabled(true);
    labelled(tr("&Run name:"), txtRunName);
    filters->addStretch(1);
    top->addLayout(filters);

    grdTrials = makeGrid(this, "grdTrials", tr("Trials"));
    grdTrials->setModel(m_ordered);
    top->addWidget(grdTrials, 3);
    auto *lblSummary = new QLabel(tr("S&ummary"), this);
    top->addWidget(lblSummary);
    grdSummary = makeGrid(this, "grdSummary", tr("Summary"));
    grdSummary->setModel(m_summary);
    lblSummary->setBuddy(grdSummary);
    top->addWidget(grdSummary, 2);

    auto *buttons = new QHBoxLayout;
    btnExportCsv = new QPushButton(tr("&Export CSV..."), this);
    btnExportCsv->setObjectName(QStringLiteral("btnExportCsv"));
    btnExportCsv->setToolTip(tr("Write the trials shown to a CSV file"));
    btnExportCsv->setAutoDefault(false);
    buttons->addWidget(btnExportCsv);
    buttons->addStretch(1);
    top->addLayout(buttons);

    sizeColumns(grdTrials,
                { QStringLiteral("bench-00"), QStringLiteral("Group 0 run"), QStringLiteral("0000"),
                  QStringLiteral("0000-00-00 00:00:00"), ClassTrialModel::tr("Sample"),
                  ClassTrialModel::tr("Kinetic"), QStringLiteral("00.000"), QStringLiteral("00.00"),
                  QStringLiteral("000.00"), QStringLiteral("9.80665"), QStringLiteral("-0.000"),
                  QStringLiteral("0.000"), ClassTrialModel::tr("yes") },
                ClassTrialModel::Note);
    sizeColumns(grdSummary,
                { QStringLiteral("bench-00"), QStringLiteral("Group 0 run"),
                  ClassTrialModel::tr("Sample"), ClassTrialModel::tr("Kinetic"),
                  QStringLiteral("0000"), QStringLiteral("-0.000"), QStringLiteral("0.0000"),
                  QStringLiteral("0.0000"), QStringLiteral("-0.000"), QStringLiteral("0.0000") },
                ClassSummaryModel::Sample);
    setTabOrder(dtpFrom, dtpTo);
    setTabOrder(dtpTo, chkAllDates);
    setTabOrder(chkAllDates, txtRunName);
    setTabOrder(txtRunName, grdTrials);
    setTabOrder(grdTrials, grdSummary);
    setTabOrder(grdSummary, btnExportCsv);
}

void frmClassResults::applyFilter()
{
    m_typing->stop();
    const bool dated = !chkAllDates->isChecked();
    dtpFrom->setEnabled(dated);
    dtpTo->setEnabled(dated);
    ClassFilter filter;
    if (dated) {
        // Whole local days, from the first day's midnight to the midnight after the last.
        filter.fromUtc = dtpFrom->date().startOfDay().toUTC();
        filter.toUtc = dtpTo->date().addDays(1).startOfDay().toUTC();
    }
    filter.runName = txtRunName->text().trimmed();
    m_feed->setFilter(filter);
}

void frmClassResults::refreshSummary()
{
    m_summary->recount(m_trials->results());
}

void frmClassResults::showState()
{
    const QList<ClassResult> &results = m_trials->results();
    QSet<QString> stations;
    for (const ClassResult &result : results)
        stations.insert(result.station);
    const QString shown = tr("%1 trials from %2 stations").arg(results.size()).arg(stations.size());
    switch (m_feed->state()) {
    case ClassFeed::State::Loading:
        lblState->setText(
            tr("Reading the class's trials from %1...").arg(ClassMessages::server(m_settings)));
        lblState->setToolTip({});
        break;
    case ClassFeed::State::Live:
        lblState->setText(tr("Live: %1.").arg(shown));
        lblState->setToolTip(tr("New trials appear as their stations send them"));
        break;
    case ClassFeed::State::Offline:
        lblState->setText(tr("Offline (%1): showing the %2 read before; trying again "
                             "by itself.")
                              .arg(ClassMessages::reason(m_feed->fault()), shown));
        lblState->setToolTip(ClassMessages::describe(m_feed->fault(), m_settings));
        break;
    }
}

void frmClassResults::btnExportCsv_Click()
{
    const QString path = m_fileDialogs.saveFileName(
        this, tr("Export CSV"),
        QStringLiteral("class-results-%1.csv").arg(m_today.toString(Qt::ISODate)),
        tr("CSV files (*.csv)"));
    if (path.isEmpty())
        return;
    // In the order shown.
    QList<ClassResult> shown;
    shown.reserve(m_ordered->rowCount());
    for (int row = 0; row < m_ordered->rowCount(); ++row)
        shown << m_trials->results().at(m_ordered->mapToSource(m_ordered->index(row, 0)).row());
    if (const auto error = m_files.replace(path, ClassResultsCsv::write(shown))) {
        m_messageBoxes.warning(this, AppInfo::title(),
                               tr("The class results could not be exported.\n\n%1: %2")
                                   .arg(error->path, error->cause));
    }
}
