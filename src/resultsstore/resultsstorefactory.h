#pragma once

#include "resultsstore.h"

#include <QtPlugin>

#include <functional>

// What the SQLite module offers: a store on a file. The module keeps Qt SQL out of the program's
// start-up; it is loaded at the first trial or the first look at Results. Another program's
// commits are told through `changedElsewhere` rather than through the store's signal, since the
// module has a meta-object of its own for the store.
class ResultsStoreFactory
{
public:
    virtual ~ResultsStoreFactory() = default;
    virtual ResultsStore *createStore(const QString &path, std::function<void()> changedElsewhere)
        = 0;
};

#define ResultsStoreFactory_iid "org.tiltbench.ResultsStoreFactory/1.0"
Q_DECLARE_INTERFACE(ResultsStoreFactory, ResultsStoreFactory_iid)
