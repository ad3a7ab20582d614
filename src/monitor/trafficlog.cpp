#include "trafficlog.h"

#include "appendfile.h"
#include "trafficformat.h"
#include "trafficrecorder.h"

#include <QDateTime>

#include <limits>

// What the log's own thread keeps: the file, and whether the current log's file has failed.
struct TrafficLog::Writer
{
    AppendFile &file;
    int generation = 0;
    bool failed = true;
};

TrafficLog::TrafficLog(TrafficRecorder &recorder, AppendFile &file, QObject *parent)
    : QObject(parent)
    , m_recorder(recorder)
    , m_writer(std::make_unique<Writer>(Writer { file }))
{
    m_thread.setObjectName(QStringLiteral("TrafficLog"));
    connect(&m_recorder, &TrafficRecorder::changed, this, &TrafficLog::recorderChanged);
}

TrafficLog::~TrafficLog()
{
    if (!m_thread.isRunning())
        return;
    stop();
    QMetaObject::invokeMethod(m_writerContext, [] { QThread::currentThread()->quit(); });
    m_thread.wait();
    delete m_writerContext;
}

void TrafficLog::start(const QString &path, bool hex)
{
    if (m_running)
        stop();
    if (!m_thread.isRunning()) {
        // Started at the first log and kept: a thread that waits for work wakes nothing.
        m_writerContext = new QObject;
        m_writerContext->moveToThread(&m_thread);
        m_thread.start();
    }
    m_running = true;
    m_hex = hex;
    m_path = path;
    m_next = m_recorder.endSerial();
    const int generation = ++m_generation;
    Writer *writer = m_writer.get();
    QMetaObject::invokeMethod(m_writerContext, [this, writer, path, generation] {
        writer->generation = generation;
        const auto error = writer->file.open(path);
        writer->failed = error.has_value();
        if (error) {
            QMetaObject::invokeMethod(
                this, [this, generation, e = *error] { writeFailed(generation, e); },
                Qt::QueuedConnection);
        }
    });
    emit runningChanged();
}

void TrafficLog::stop()
{
    if (!m_running)
        return;
    m_running = false;
    Writer *writer = m_writer.get();
    QMetaObject::invokeMethod(m_writerContext, [writer] {
        writer->file.close();
        writer->failed = true;
    });
    emit runningChanged();
}

void TrafficLog::recorderChanged()
{
    if (!m_running)
        return;
    QByteArray rows;
    const quint64 first = m_recorder.firstSerial();
    const quint64 end = m_recorder.endSerial();
    if (m_next < first) {
        // Cleared in the monitor, or (in a flood far beyond anything the line carries) dropped
        // by the record before the log saw them: the log says so rather than hide the gap.
        // The file's own columns stay as they are in every language; the sentence is the user's.
        const int missed
            = int(qMin<quint64>(first - m_next, quint64(std::numeric_limits<int>::max())));
        rows += (TrafficFormat::time(QDateTime::currentMSecsSinceEpoch(), std::nullopt,
                                     TrafficFormat::TimeMode::DateAndTime)
                 + QStringLiteral("  ----  ")
                 + tr("%n entries were not logged: they left the record first", nullptr, missed)
                 + u'\n')
                    .toUtf8();
        m_next = first;
    }
    const TrafficFormat::Options options { m_hex, TrafficFormat::TimeMode::DateAndTime };
    for (; m_next < end; ++m_next) {
        for (const QString &row : TrafficFormat::rows(m_recorder.entry(m_next), options)) {
            rows += row.toUtf8();
            rows += '\n';
        }
    }
    if (!rows.isEmpty())
        post(rows);
}

void TrafficLog::post(const QByteArray &rows)
{
    if (m_backlog.load() + rows.size() > kMaxBacklogBytes) {
        // This runs inside the recorder's report of new traffic: whoever hears of the failure
        // (with a message box, and its event loop) hears of it once the recorder is done.
        const FileError error { m_path, tr("the disk did not keep up with the traffic") };
        stop();
        QMetaObject::invokeMethod(
            this, [this, error] { emit failed(error); }, Qt::QueuedConnection);
        return;
    }
    m_backlog += rows.size();
    Writer *writer = m_writer.get();
    const int generation = m_generation;
    QMetaObject::invokeMethod(m_writerContext, [this, writer, rows, generation] {
        m_backlog -= rows.size();
        if (writer->failed || writer->generation != generation)
            return;
        if (const auto error = writer->file.write(rows)) {
            writer->failed = true;
            writer->file.close();
            QMetaObject::invokeMethod(
                this, [this, generation, e = *error] { writeFailed(generation, e); },
                Qt::QueuedConnection);
        }
    });
}

void TrafficLog::writeFailed(int generation, const FileError &error)
{
    if (generation != m_generation || !m_running)
        return;
    stop();
    emit failed(error);
}
