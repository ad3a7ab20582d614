#pragma once

#include "resultsstore.h"

#include <memory>

// The results database as the program reaches it: the SQLite module is loaded, and the file
// opened, at the first call, so that a start-up that never looks at Results maps no Qt SQL.
// Every call is handed to the module's store.
class LazyResultsStore : public ResultsStore
{
    Q_OBJECT

public:
    explicit LazyResultsStore(const QString &path, QObject *parent = nullptr);
    ~LazyResultsStore() override;

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
    // The module's store, or why there is none.
    std::variant<ResultsStore *, StoreError> store();

    QString m_path;
    std::unique_ptr<ResultsStore> m_store;
};
