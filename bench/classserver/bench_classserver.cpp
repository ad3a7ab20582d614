// The class server at the scale of a class: 30 stations send 200 trials each at the same moment
// to a local PostgreSQL (pg_virtualenv), while the instructor's Class Results window is open.
// Every trial must arrive once; the figure is the time from a station's commit to the trial's row
// in the instructor's window (median and 99th percentile; budgets 200 ms and 1 s).
//
// Each station is a process of its own (this program again, with --station), as at a real bench:
// it sends through the program's own sender and connection and prints the moment each batch was
// committed. The moments are read from CLOCK_MONOTONIC, which every process on the machine shares.
#include "classconnection.h"
#include "classsender.h"
#include "classtrialmodel.h"
#include "datafiles.h"
#include "filedialogs.h"
#include "frmclassresults.h"
#include "memoryoutbox.h"
#include "messageboxes.h"
#include "psqlclassserver.h"
#include "throwawaypostgres.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QHash>
#include <QProcess>
#include <QTextStream>
#include <QTimer>
#include <QUuid>

#include <algorithm>
#include <cstdio>
#include <ctime>

namespace {

const QString kDatabase = QStringLiteral("class");

double nowMs()
{
    timespec now {};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return double(now.tv_sec) * 1e3 + double(now.tv_nsec) / 1e6;
}

QString station(int index)
{
    return QStringLiteral("station-%1").arg(index + 1, 2, 10, QChar(u'0'));
}

// A station: waits for "go" on its standard input, queues its trials at once and sends them;
// prints "sent <ms> <uuid>" for each trial as its batch is committed, and "done" at the end.
int runStation(const QString &name, int trials)
{
    PsqlClassServer server;
    ClassServerSettings settings;
    settings.host = qEnvironmentVariable("PGHOST");
    settings.port = qEnvironmentVariableIntValue("PGPORT");
    settings.database = kDatabase;
    settings.station = name;
    const auto connection = server.connect(settings);
    MemoryOutbox outbox;
    ClassSender sender(outbox, *connection);
    QObject::connect(&outbox, &ClassOutbox::added, &sender, &ClassSender::queued);
    QTextStream out(stdout);
    QHash<qint64, QString> uuidOf;

    QObject::connect(connection.get(), &ClassConnection::sent, [&](const QList<qint64> &ids) {
        const double at = nowMs();
        for (qint64 id : ids)
            out << "sent " << QString::number(at, 'f', 3) << ' ' << uuidOf.value(id) << '\n';
        out.flush();
    });
    QObject::connect(connection.get(), &ClassConnection::failed, [&](const ClassFault &fault) {
        std::fprintf(stderr, "%s: %s\n", qPrintable(name), qPrintable(fault.message));
    });
    QObject::connect(&sender, &ClassSender::statusChanged, [&] {
        if (sender.status().state == ClassSender::State::Connected && outbox.pendingCount() == 0
            && !uuidOf.isEmpty()) {
            out << "done\n";
            out.flush();
            QCoreApplication::quit();
        }
    });

    // Connected first, so that "go" starts the sending and not the log-in.
    sender.start();
    QTimer ready;
    QObject::connect(&ready, &QTimer::timeout, [&] {
        if (sender.status().state != ClassSender::State::Connected)
            return;
        ready.stop();
        out << "ready\n";
        out.flush();
        char line[16];
        if (!std::fgets(line, sizeof line, stdin))
            QCoreApplication::exit(1);
        ClassRun run;
        run.uuid = QUuid::createUuid().toString(QUuid::WithoutBraces);
        run.name = name + QStringLiteral(" run");
        run.startedUtc = QDateTime::currentDateTimeUtc();
        run.angleUncDeg = 0.5;
        run.lengthUncCm = 0.1;
        run.deltaTUncMs = 1.0;
        for (int seq = 1; seq <= trials; ++seq) {
            ClassTrial trial;
            trial.uuid = QUuid::createUuid().toString(QUuid::WithoutBraces);
            trial.runUuid = run.uuid;
            trial.seq = seq;
            trial.timeUtc = QDateTime::currentDateTimeUtc();
            trial.sample = QStringLiteral("oak");
            trial.angleDeg = 24.0 + seq * 0.001;
            trial.mu = 0.45;
            trial.angleUncDeg = 0.5;
            trial.muUncertainty = 0.01;
            uuidOf.insert(outbox.add(NewTrial { run, trial }), trial.uuid);
        }
    });
    ready.start(20);
    return QCoreApplication::exec();
}

class NoFileDialogs : public FileDialogs
{
public:
    QString openFileName(QWidget *, const QString &, const QString &) override { return {}; }
    QString saveFileName(QWidget *, const QString &, const QString &, const QString &,
                         QString *) override
    {
        return {};
    }
};

class NoDataFiles : public DataFiles
{
public:
    QString dataFolder() const override { return {}; }
    bool exists(const QString &) const override { return false; }
    QStringList list(const QString &, const QString &) const override { return {}; }
    ReadResult read(const QString &path) const override { return FileError { path, {} }; }
    std::optional<FileError> append(const QString &path, const QByteArray &) override
    {
        return FileError { path, {} };
    }
    std::optional<FileError> replace(const QString &path, const QByteArray &) override
    {
        return FileError { path, {} };
    }
};

class SilentMessageBoxes : public MessageBoxes
{
public:
    Answer show(QWidget *, Icon, Buttons, const QString &, const QString &) override
    {
        return Answer::Ok;
    }
};

double percentile(QList<double> values, double fraction)
{
    if (values.isEmpty())
        return 0.0;
    std::sort(values.begin(), values.end());
    const auto index = qsizetype(fraction * double(values.size() - 1) + 0.5);
    return values.at(std::min(index, values.size() - 1));
}

void row(const QString &figure, const QString &value, const QString &budget, const char *verdict)
{
    std::printf("| %s | %s | %s | %s |\n", qPrintable(figure), qPrintable(value),
                qPrintable(budget), verdict);
}

} // namespace

int main(int argc, char *argv[])
{
    ThrowawayPostgres::enter(argc, argv);
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    if (argc == 4 && qstrcmp(argv[1], "--station") == 0) {
        QCoreApplication app(argc, argv);
        return runStation(QString::fromLocal8Bit(argv[2]), QByteArray(argv[3]).toInt());
    }

    QApplication app(argc, argv);
    const bool quick = qEnvironmentVariableIsSet("TILTBENCH_BENCH_QUICK");
    const int stations = quick ? 10 : 30;
    const int trials = quick ? 50 : 200;
    const int total = stations * trials;
    std::printf("| class server (%d stations x %d trials at once) | figure | budget | |\n",
                stations, trials);
    std::printf("| --- | ---: | ---: | --- |\n");
    if (!ThrowawayPostgres::running()) {
        row(QStringLiteral("all"), QString::fromLatin1(ThrowawayPostgres::kSkipReason), {}, "");
        return 0;
    }

    ThrowawayPostgres pg;
    if (!pg.createClassDatabase(kDatabase))
        return 1;
    for (int i = 0; i < stations; ++i) {
        if (!pg.addLogin(station(i), QStringLiteral("pw"), QStringLiteral("tiltbench_station")))
            return 1;
    }
    if (!pg.addLogin(QStringLiteral("teacher"), QStringLiteral("pw"),
                     QStringLiteral("tiltbench_instructor")))
        return 1;

    // The instructor's window, live before the stations start.
    PsqlClassServer server;
    NoFileDialogs dialogs;
    NoDataFiles files;
    SilentMessageBoxes boxes;
    const ClassServerSettings teacher = pg.settings(kDatabase, QStringLiteral("teacher"));
    frmClassResults window(server.connect(teacher), teacher, dialogs, files, boxes,
                           QDate::currentDate());
    window.show();
    QHash<QString, double> shownAt;
    int shownTwice = 0;
    const ClassTrialModel &model = window.trials();
    QObject::connect(&model, &QAbstractItemModel::rowsInserted,
                     [&](const QModelIndex &, int first, int last) {
                         const double at = nowMs();
                         for (int r = first; r <= last; ++r) {
                             const QString uuid = model.results().at(r).trial.uuid;
                             shownTwice += shownAt.contains(uuid);
                             shownAt.insert(uuid, at);
                         }
                     });

    QList<QProcess *> children;
    QHash<QString, double> committedAt;
    int ready = 0;
    int done = 0;
    for (int i = 0; i < stations; ++i) {
        auto *child = new QProcess(&app);
        child->setProcessChannelMode(QProcess::ForwardedErrorChannel);
        QObject::connect(child, &QProcess::readyReadStandardOutput, [&, child] {
            while (child->canReadLine()) {
                const QByteArray line = child->readLine().trimmed();
                if (line == "ready")
                    ++ready;
                else if (line == "done")
                    ++done;
                else if (line.startsWith("sent "))
                    committedAt.insert(QString::fromLatin1(line.split(' ').at(2)),
                                       line.split(' ').at(1).toDouble());
            }
        });
        child->start(QCoreApplication::applicationFilePath(),
                     { QStringLiteral("--station"), station(i), QString::number(trials) });
        children << child;
    }
    const auto waitFor = [](const std::function<bool()> &condition, int ms) {
        QElapsedTimer timer;
        timer.start();
        while (!condition() && timer.elapsed() < ms)
            QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
        return condition();
    };
    if (!waitFor([&] { return ready == stations; }, 120000)) {
        std::fprintf(stderr, "bench_classserver: only %d of %d stations connected\n", ready,
                     stations);
        return 1;
    }

    const double start = nowMs();
    for (QProcess *child : std::as_const(children))
        child->write("go\n");
    const bool arrived = waitFor(
        [&] { return done == stations && shownAt.size() >= total && committedAt.size() >= total; },
        300000);
    const double elapsed = nowMs() - start;

    QList<double> latencies;
    for (auto it = committedAt.cbegin(); it != committedAt.cend(); ++it) {
        if (shownAt.contains(it.key()))
            latencies << std::max(0.0, shownAt.value(it.key()) - it.value());
    }
    const int onServer
        = pg.value(QStringLiteral("SELECT count(DISTINCT uuid) FROM tiltbench.trials"), kDatabase)
              .toInt();
    const int rowsOnServer
        = pg.value(QStringLiteral("SELECT count(*) FROM tiltbench.trials"), kDatabase).toInt();

    const bool once = arrived && onServer == total && rowsOnServer == total
        && shownAt.size() == total && shownTwice == 0 && model.rowCount() == total;
    row(QStringLiteral("trials on the server / in the instructor's window"),
        QStringLiteral("%1 / %2 of %3").arg(rowsOnServer).arg(shownAt.size()).arg(total),
        QStringLiteral("all, each once"), once ? "ok" : "MISSING OR DOUBLED");
    const double median = percentile(latencies, 0.5);
    const double p99 = percentile(latencies, 0.99);
    row(QStringLiteral("commit to instructor's window, median"),
        QStringLiteral("%1 ms").arg(median, 0, 'f', 1), QStringLiteral("under 200 ms"),
        median < 200 ? "ok" : "OVER");
    row(QStringLiteral("commit to instructor's window, 99th percentile"),
        QStringLiteral("%1 ms").arg(p99, 0, 'f', 1), QStringLiteral("under 1000 ms"),
        p99 < 1000 ? "ok" : "OVER");
    row(QStringLiteral("all sent and shown"), QStringLiteral("%1 s").arg(elapsed / 1000, 0, 'f', 2),
        {}, "");
    for (QProcess *child : std::as_const(children))
        child->waitForFinished(10000);
    return once ? 0 : 1;
}
