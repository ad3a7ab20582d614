#pragma once

#include "classconnection.h"

#include <QStringList>

#include <functional>
#include <memory>
#include <optional>

QT_BEGIN_NAMESPACE
class QTimer;
QT_END_NAMESPACE

class ClassDatabase;

// The thread side of a ThreadedConnection: lives on the connection's thread, runs each request on
// its ClassDatabase, and answers with signals. While watching, it
// gathers a burst of announcements into one read, and asks every few seconds whether the server
// is still there (a stopped server closes the socket without the driver telling).
class ClassWorker : public QObject
{
    Q_OBJECT

public:
    explicit ClassWorker(std::function<std::unique_ptr<ClassDatabase>()> makeDatabase);
    ~ClassWorker() override;

    void open();
    void send(const QList<OutboxItem> &items);
    void fetch(const ClassFilter &filter);
    void watch();

signals:
    void opened(const ClassLogin &login);
    void sent(const QList<qint64> &ids);
    void fetched(const QList<ClassResult> &results);
    void watching();
    void changed(const QList<ClassResult> &results);
    void failed(const ClassFault &fault);

private:
    ClassDatabase &database();
    void fail(const ClassFault &fault);
    void announced(const QString &uuid);
    void fetchAnnounced();
    void ping();

    std::function<std::unique_ptr<ClassDatabase>()> m_makeDatabase;
    std::unique_ptr<ClassDatabase> m_database;
    bool m_watching = false;
    QStringList m_announced;
    bool m_fetchScheduled = false;
    QTimer *m_ping = nullptr;
};
