#include "frmruns.h"

#include "appinfo.h"
#include "filedialogs.h"
#include "messageboxes.h"
#include "resultsdisplay.h"
#include "resultsmessages.h"
#include "resultssession.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QPushButton>
#include <QStandardItemModel>
#include <QTableView>
#include <QVBoxLayout>

namespace {

enum Column { Name, Started, Trials, LastTrial, ColumnCount };

constexpr int kIdRole = Qt::UserRole + 1;

QString shown(const QDateTime &time)
{
    return time.isValid() ? ResultsDisplay::dateTime(time) : QString();
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

} // namespace

frmRuns::frmRuns(ResultsSession &session, MessageBoxes &messageBoxes, FileDialogs &fileDialogs,
                 QWidget *parent)
    : QDialog(parent)
    , m_session(session)
    , m_messageBoxes(messageBoxes)
    , m_fileDialogs(fileDialogs)
{
    setObjectName(QStringLiteral("frmRuns"));
    setWindowTitle(tr("%1 - Runs").arg(AppInfo::title()));
    resize(640, 400);

    m_model = new QStandardItemModel(0, ColumnCount, this);
    m_model->setHorizontalHeaderLabels(
        { tr("Name"), tr("Started"), tr("Trials"), tr("Last trial") });
    grdRuns = new QTableView(this);
    grdRuns->setObjectName(QStringLiteral("grdRuns"));
    grdRuns->setAccessibleName(tr("Runs"));
    grdRuns->setAccessibleDescription(tr("Enter opens the selected run, F2 renames it"));
    grdRuns->setModel(m_model);
    grdRuns->setSelectionBehavior(QAbstractItemView::SelectRows);
    grdRuns->setSelectionMode(QAbstractItemView::SingleSelection);
    grdRuns->setEditTriggers(QAbstractItemView::EditKeyPressed);
    grdRuns->verticalHeader()->hide();
    grdRuns->horizontalHeader()->setSectionResizeMode(Name, QHeaderView::Stretch);

    btnOpenRun = makeButton(this, "btnOpenRun", tr("&Open"),
                            tr("Show the selected run in the Results window"));
    btnRenameRun
        = makeButton(this, "btnRenameRun", tr("Re&name"), tr("Edit the name of the selected run"));
    btnExportRun = makeButton(this, "btnExportRun", tr("&Export CSV..."),
                              tr("Write the selected run's trials to a CSV file"));
    btnCloseRuns = makeButton(this, "btnCloseRuns", tr("Close"), QString());
    btnOpenRun->setDefault(true);

    auto *buttons = new QHBoxLayout;
    buttons->addWidget(btnOpenRun);
    buttons->addWidget(btnRenameRun);
    buttons->addWidget(btnExportRun);
    buttons->addStretch(1);
    buttons->addWidget(btnCloseRuns);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(grdRuns, 1);
    layout->addLayout(buttons);

    connect(btnOpenRun, &QPushButton::clicked, this, &frmRuns::btnOpenRun_Click);
    connect(btnRenameRun, &QPushButton::clicked, this, &frmRuns::btnRenameRun_Click);
    connect(btnExportRun, &QPushButton::clicked, this, &frmRuns::btnExportRun_Click);
    connect(btnCloseRuns, &QPushButton::clicked, this, &QDialog::reject);
    connect(grdRuns, &QTableView::doubleClicked, this, &frmRuns::btnOpenRun_Click);
    connect(m_model, &QStandardItemModel::itemChanged, this, [this](QStandardItem *item) {
        if (!m_filling && item->column() == Name)
            nameEdited(item->row());
    });

    fill();
}

void frmRuns::fill()
{
    m_filling = true;
    m_model->removeRows(0, m_model->rowCount());
    const auto listed = m_session.runs();
    if (const auto *error = std::get_if<StoreError>(&listed)) {
        m_messageBoxes.warning(this, AppInfo::title(), ResultsMessages::notRead(*error));
    } else {
        const qint64 open = m_session.run().id;
        for (const RunListing &listing : std::get<QList<RunListing>>(listed)) {
            QList<QStandardItem *> cells;
            cells << new QStandardItem(listing.run.name)
                  << new QStandardItem(shown(listing.run.startedUtc))
                  << new QStandardItem(QString::number(listing.trialCount))
                  << new QStandardItem(shown(listing.lastTrialUtc));
            cells.at(Name)->setData(listing.run.id, kIdRole);
            cells.at(Name)->setToolTip(listing.run.notes);
            for (int column = Started; column < ColumnCount; ++column)
                cells.at(column)->setEditable(false);
            cells.at(Trials)->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
            m_model->appendRow(cells);
            if (listing.run.id == open)
                grdRuns->setCurrentIndex(m_model->index(m_model->rowCount() - 1, Name));
        }
    }
    if (!grdRuns->currentIndex().isValid() && m_model->rowCount() > 0)
        grdRuns->setCurrentIndex(m_model->index(m_model->rowCount() - 1, Name));
    grdRuns->resizeColumnsToContents();
    m_filling = false;
}

qint64 frmRuns::currentRun() const
{
    const QModelIndex current = grdRuns->currentIndex();
    if (!current.isValid())
        return 0;
    return m_model->index(current.row(), Name).data(kIdRole).toLongLong();
}

void frmRuns::btnOpenRun_Click()
{
    m_chosen = currentRun();
    if (m_chosen)
        accept();
}

void frmRuns::btnRenameRun_Click()
{
    const QModelIndex current = grdRuns->currentIndex();
    if (!current.isValid())
        return;
    grdRuns->setFocus();
    grdRuns->edit(m_model->index(current.row(), Name));
}

void frmRuns::nameEdited(int row)
{
    const qint64 id = m_model->index(row, Name).data(kIdRole).toLongLong();
    const QString name = m_model->index(row, Name).data().toString();
    if (const auto error = m_session.renameRun(id, name))
        m_messageBoxes.warning(this, AppInfo::title(), ResultsMessages::changeNotSaved(*error));
    // As the database holds it now.
    QMetaObject::invokeMethod(this, &frmRuns::fill, Qt::QueuedConnection);
}

void frmRuns::btnExportRun_Click()
{
    const qint64 id = currentRun();
    if (!id)
        return;
    const QString name = m_model->index(grdRuns->currentIndex().row(), Name).data().toString();
    const QString path = m_fileDialogs.saveFileName(
        this, tr("Export CSV"), name + QStringLiteral(".csv"), tr("CSV files (*.csv)"));
    if (path.isEmpty())
        return;
    const auto exported = m_session.exportRun(id, path);
    if (const auto *error = std::get_if<FileError>(&exported)) {
        m_messageBoxes.warning(
            this, AppInfo::title(),
            tr("The trials could not be exported.\n\n%1: %2").arg(error->path, error->cause));
    } else if (const auto *error = std::get_if<StoreError>(&exported)) {
        m_messageBoxes.warning(this, AppInfo::title(), ResultsMessages::notRead(*error));
    }
}
