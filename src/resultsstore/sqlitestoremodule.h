#pragma once

#include "resultsstorefactory.h"

#include <QObject>

// The SQLite module's entry point, found by QPluginLoader.
class SqliteStoreModule : public QObject, public ResultsStoreFactory
{
    Q_OBJECT
    Q_PLUGIN_METADATA(IID ResultsStoreFactory_iid)
    Q_INTERFACES(ResultsStoreFactory)

public:
    ResultsStore *createStore(const QString &path, std::function<void()> changedElsewhere) override;
};
