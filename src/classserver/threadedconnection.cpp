#include "threadedconnection.h"

#include "classworker.h"

#include <QCoreApplication>
#include <QMutex>
#include <QThread>

namespace {

// Threads whose worker was still waiting on the network when their connection went away. They
// end by themselves (libpq's time-outs bound every wait); the program waits for them as it ends,
// since a thread must not outlive the application object.
QMutex leftMutex;
QList<QThread *> leftThreads;

void waitForLeftThreads()
{
    const QMutexLocker lock(&leftMutex);
    for (QThread *thread : std::as_const(leftThreads)) {
        thread->wait();
        delete thread;
    }
    leftThreads.clear();
}

} // namespace

ThreadedConnection::ThreadedConnection(DatabaseMaker makeDatabase)
    : m_thread(new QThread)
    , m_worker(new ClassWorker(std::move(makeDatabase)))
{
    static const bool registered = [] {
        qRegisterMetaType<ClassFault>();
        qRegisterMetaType<ClassFilter>();
        qRegisterMetaType<ClassLogin>();
        qRegisterMetaType<QList<OutboxItem>>();
        qRegisterMetaType<QList<ClassResult>>();
        qRegisterMetaType<QList<qint64>>();
        qAddPostRoutine(waitForLeftThreads);
        return true;
    }();
    Q_UNUSED(registered);

    m_thread->setObjectName(QStringLiteral("Class server"));
    m_worker->moveToThread(m_thread);
    connect(m_thread, &QThread::finished, m_worker, &QObject::deleteLater);
    connect(m_worker, &ClassWorker::opened, this, &ClassConnection::opened);
    connect(m_worker, &ClassWorker::sent, this, &ClassConnection::sent);
    connect(m_worker, &ClassWorker::fetched, this, &ClassConnection::fetched);
    connect(m_worker, &ClassWorker::watching, this, &ClassConnection::watching);
    connect(m_worker, &ClassWorker::changed, this, &ClassConnection::changed);
    connect(m_worker, &ClassWorker::failed, this, &ClassConnection::failed);
    m_thread->start();
}

ThreadedConnection::~ThreadedConnection()
{
    disconnect(m_worker, nullptr, this, nullptr);
    m_thread->quit();
    if (m_thread->wait(QDeadlineTimer(100))) {
        delete m_thread;
        return;
    }
    const QMutexLocker lock(&leftMutex);
    leftThreads << m_thread;
}

void ThreadedConnection::open()
{
    QMetaObject::invokeMethod(m_worker, &ClassWorker::open, Qt::QueuedConnection);
}

void ThreadedConnection::send(const QList<OutboxItem> &items)
{
    QMetaObject::invokeMethod(
        m_worker, [worker = m_worker, items] { worker->send(items); }, Qt::QueuedConnection);
}

void ThreadedConnection::fetch(const ClassFilter &filter)
{
    QMetaObject::invokeMethod(
        m_worker, [worker = m_worker, filter] { worker->fetch(filter); }, Qt::QueuedConnection);
}

void ThreadedConnection::watch()
{
    QMetaObject::invokeMethod(m_worker, &ClassWorker::watch, Qt::QueuedConnection);
}
