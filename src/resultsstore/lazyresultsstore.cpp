#include "lazyresultsstore.h"

#include "programmodule.h"
#include "resultsstorefactory.h"

#include <QCoreApplication>

LazyResultsStore::LazyResultsStore(const QString &path, QObject *parent)
    : ResultsStore(parent)
    , m_path(path)
{
}

LazyResultsStore::~LazyResultsStore() = default;

std::variant<ResultsStore *, StoreError> LazyResultsStore::store()
{
    if (m_store)
        return m_store.get();
    const QString module = QStringLiteral(TILTBENCH_STORE_MODULE);
    const auto loaded = ProgramModule::load(module, QStringLiteral(TILTBENCH_STORE_INSTALL_DIR),
                                            QStringLiteral(TILTBENCH_STORE_BUILD_DIR));
    if (const auto *why = std::get_if<QString>(&loaded))
        return StoreError { StoreError::Kind::ModuleMissing, m_path, *why };
    auto *factory = qobject_cast<ResultsStoreFactory *>(std::get<QObject *>(loaded));
    if (!factory)
        return StoreError { StoreError::Kind::ModuleMissing, m_path,
                            QCoreApplication::translate("LazyResultsStore",
                                                        "%1 is not the database module")
                                .arg(module) };
    m_store.reset(factory->createStore(m_path, [this] { emit changedElsewhere(); }));
    return m_store.get();
}

std::optional<StoreError> LazyResultsStore::open()
{
    const auto found = store();
    if (const auto *error = std::get_if<StoreError>(&found))
        return *error;
    return std::get<ResultsStore *>(found)->open();
}

// Each call: the module's store, or the reason there is none as the call's own error.
#define FORWARD(call)                                                                              \
    const auto found = store();                                                                    \
    if (const auto *error = std::get_if<StoreError>(&found))                                       \
        return *error;                                                                             \
    return std::get<ResultsStore *>(found)->call

std::variant<ResultsStore::Written, StoreError> LazyResultsStore::write(const Write &write)
{
    const auto found = store();
    if (const auto *error = std::get_if<StoreError>(&found))
        return *error;
    auto written = std::get<ResultsStore *>(found)->write(write);
    if (std::holds_alternative<Written>(written))
        emit this->written();
    return written;
}

std::variant<QList<StoredTrial>, StoreError> LazyResultsStore::trials(qint64 runId, qint64 afterId)
{
    FORWARD(trials(runId, afterId));
}

std::variant<ResultsStore::RunState, StoreError> LazyResultsStore::runState(qint64 runId)
{
    FORWARD(runState(runId));
}

std::variant<QList<RunListing>, StoreError> LazyResultsStore::runs()
{
    FORWARD(runs());
}

std::variant<qint64, StoreError> LazyResultsStore::findRun(const QString &uuid)
{
    FORWARD(findRun(uuid));
}

std::variant<QString, StoreError> LazyResultsStore::setting(const QString &key)
{
    FORWARD(setting(key));
}

std::variant<QList<ResultsStore::OutboxEntry>, StoreError> LazyResultsStore::outbox(int limit)
{
    FORWARD(outbox(limit));
}

std::variant<qint64, StoreError> LazyResultsStore::outboxCount()
{
    FORWARD(outboxCount());
}

std::optional<StoreError> LazyResultsStore::removeFromOutbox(const QList<qint64> &ids)
{
    FORWARD(removeFromOutbox(ids));
}
