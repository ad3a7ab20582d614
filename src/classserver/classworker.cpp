#include "classworker.h"

#include "classdatabase.h"

#include <QTimer>

namespace {

constexpr int kPingMs = 3000;
constexpr int kSlice = 400;

} // namespace

ClassWorker::ClassWorker(std::function<std::unique_ptr<ClassDatabase>()> makeDatabase)
    : m_makeDatabase(std::move(makeDatabase))
{
}

ClassWorker::~ClassWorker() = default;

ClassDatabase &ClassWorker::database()
{
    if (!m_database)
        m_database = m_makeDatabase();
    return *m_database;
}

void ClassWorker::fail(const ClassFault &fault)
{
    // The database closed itself; the announcements are gone with the connection.
    m_watching = false;
    m_announced.clear();
    if (m_ping)
        m_ping->stop();
    emit failed(fault);
}

void ClassWorker::open()
{
    const auto login = database().open();
    if (const auto *fault = std::get_if<ClassFault>(&login))
        return fail(*fault);
    emit opened(std::get<ClassLogin>(login));
}

void ClassWorker::send(const QList<OutboxItem> &items)
{
    if (auto fault = database().send(items))
        return fail(*fault);
    QList<qint64> ids;
    ids.reserve(items.size());
    for (const OutboxItem &item : items)
        ids << item.id;
    emit sent(ids);
}

void ClassWorker::fetch(const ClassFilter &filter)
{
    const ClassDatabase::Results results = database().fetch(filter);
    if (const auto *fault = std::get_if<ClassFault>(&results))
        return fail(*fault);
    emit fetched(std::get<QList<ClassResult>>(results));
}

void ClassWorker::watch()
{
    if (auto fault = database().listen([this](const QString &uuid) { announced(uuid); }))
        return fail(*fault);
    if (!m_ping) {
        m_ping = new QTimer(this);
        m_ping->setInterval(kPingMs);
        connect(m_ping, &QTimer::timeout, this, &ClassWorker::ping);
    }
    m_ping->start();
    m_watching = true;
    emit watching();
}

void ClassWorker::announced(const QString &uuid)
{
    if (!m_watching)
        return;
    m_announced << uuid;
    // A burst of announcements arrives in one go: they are read together, once the burst is in.
    if (!m_fetchScheduled) {
        m_fetchScheduled = true;
        QTimer::singleShot(0, this, &ClassWorker::fetchAnnounced);
    }
}

void ClassWorker::fetchAnnounced()
{
    m_fetchScheduled = false;
    if (!m_watching || m_announced.isEmpty())
        return;
    // A whole class's burst is read a slice at a time, so that the first trials are shown while
    // the rest are read; what is left is read next, after the answers already queued.
    const QStringList uuids = m_announced.mid(0, kSlice);
    m_announced.remove(0, uuids.size());
    if (!m_announced.isEmpty()) {
        m_fetchScheduled = true;
        QTimer::singleShot(0, this, &ClassWorker::fetchAnnounced);
    }
    const ClassDatabase::Results results = database().fetchTrials(uuids);
    if (const auto *fault = std::get_if<ClassFault>(&results))
        return fail(*fault);
    // A trial the login may not read is not fetched: nothing to tell.
    const auto &trials = std::get<QList<ClassResult>>(results);
    if (!trials.isEmpty())
        emit changed(trials);
}

void ClassWorker::ping()
{
    if (auto fault = database().ping())
        fail(*fault);
}
