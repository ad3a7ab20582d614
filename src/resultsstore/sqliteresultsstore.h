#pragma once

#include "resultsstore.h"

#include <QTimer>

QT_BEGIN_NAMESPACE
class QFileSystemWatcher;
class QSqlDatabase;
class QSqlError;
QT_END_NAMESPACE

// The results database in an SQLite file through Qt's QSQLITE driver: write-ahead log, every
// commit synced (synchronous=FULL), foreign keys enforced, and a bounded wait while another
// program writes. The layout's version is PRAGMA user_version; open() brings an older file up to
// date in one transaction.
//
// Changes made by another program are seen without polling: the file, its write-ahead log and
// their folder are watched, and a change counts only when PRAGMA data_version moved.
class SqliteResultsStore : public ResultsStore
{
    Q_OBJECT

public:
    static constexpr int kSchemaVersion = 2;

    struct Options
    {
        // The Qt SQL driver; tests name one that is not there.
        QString driver = QStringLiteral("QSQLITE");
        // How long a write waits for another program's write lock before it gives up.
        int busyTimeoutMs = 5000;
    };

    explicit SqliteResultsStore(const QString &path, QObject *parent = nullptr);
    SqliteResultsStore(const QString &path, const Options &options, QObject *parent = nullptr);
    ~SqliteResultsStore() override;

    QString location() const override { return m_path; }
    std::optional<StoreError> open() override;
    std::variant<Written, StoreError> write(const Write &write) override;
    std::variant<QList<StoredTrial>, StoreError> trials(qint64 runId, qint64 afterId = 0) override;
    std::variant<RunState, StoreError> runState(qint64 runId) override;
    std::variant<QList<RunListing>, StoreError> runs() override;
    std::variant<qint64, StoreError> findRun(const QString &uuid) override;
    std::variant<QString, StoreError> setting(const QString &key) override;
    std::variant<QList<OutboxEntry>, StoreError> outbox(int limit) override;
    std::variant<qint64, StoreError> outboxCount() override;
    std::optional<StoreError> removeFromOutbox(const QList<qint64> &ids) override;

private:
    QSqlDatabase database() const;
    StoreError errorOf(const QSqlError &error) const;
    std::optional<StoreError> migrate();
    void watch();
    void checkForChanges();

    QString m_path;
    Options m_options;
    QString m_connection;
    bool m_open = false;
    qint64 m_dataVersion = 0;
    QFileSystemWatcher *m_watcher = nullptr;
    // A commit's last write to the log can come before its index is updated: look once more
    // shortly after a file event that showed nothing new.
    QTimer m_recheck;
    int m_rechecksLeft = 0;
};
