#pragma once

#include "classtrial.h"

#include <QObject>

#include <variant>

// A new trial to send, with its run: the server takes the run first (once) and then the trial.
struct NewTrial
{
    ClassRun run;
    ClassTrial trial;
};

// The operator's later word on a trial already sent: whether it counts, and its note.
struct TrialChange
{
    QString uuid;
    bool excluded = false;
    QString note;
};

// One queued item of the outbox, numbered in the order it was queued.
struct OutboxItem
{
    qint64 id = 0;
    std::variant<NewTrial, TrialChange> what;
};

// What is waiting to go to the class server, oldest first. The bench's own database keeps it, so
// that nothing queued is lost when the program ends or the computer stops; the sender only reads
// it and removes what the server has taken.
class ClassOutbox : public QObject
{
    Q_OBJECT

public:
    using QObject::QObject;

    // Up to `limit` items, oldest first.
    virtual QList<OutboxItem> pending(int limit) = 0;
    virtual qsizetype pendingCount() = 0;
    // Forgets items the server has taken. When this fails the items stay and are sent again,
    // which the server ignores (it keys everything by uuid).
    virtual bool remove(const QList<qint64> &ids) = 0;

signals:
    // Something was queued.
    void added();
};

Q_DECLARE_METATYPE(OutboxItem)
