#include "sqlitestoremodule.h"

#include "sqliteresultsstore.h"

ResultsStore *SqliteStoreModule::createStore(const QString &path,
                                             std::function<void()> changedElsewhere)
{
    auto *store = new SqliteResultsStore(path);
    connect(store, &ResultsStore::changedElsewhere, store, std::move(changedElsewhere));
    return store;
}
