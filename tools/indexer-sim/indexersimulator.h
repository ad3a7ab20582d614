#pragma once

#include "indexermodel.h"

#include <QElapsedTimer>
#include <QObject>
#include <QRandomGenerator>
#include <QTimer>

#include <optional>

QT_BEGIN_NAMESPACE
class QSocketNotifier;
QT_END_NAMESPACE

// The simulated indexer on a pseudo-terminal: what the program writes to the terminal's device
// goes to the model, the model's events go to standard output, one line each with the seconds
// since start, and echo and noise come back on the line.
class IndexerSimulator : public QObject
{
    Q_OBJECT

public:
    struct Options
    {
        int stepsPerRevolution = IndexerModel::kDefaultStepsPerRevolution;
        bool echo = false;
        int noiseBytesPerSecond = 0;
        // Seed of the noise; none: a different one each run.
        std::optional<quint32> seed;
    };

    explicit IndexerSimulator(const Options &options, QObject *parent = nullptr);
    ~IndexerSimulator() override;

    // Opens the pseudo-terminal pair; returns why it could not, or empty.
    QString open();
    // The device that programs open, such as /dev/pts/3.
    const QString &devicePath() const { return m_devicePath; }

    // Prints one log line stamped with the seconds since start.
    void log(const QString &text);

private:
    void readMaster();
    void tick();
    void sendNoise();
    void report(const QList<IndexerEvent> &events);
    void writeLine(double time, const QString &text);
    void writeMaster(const QByteArray &bytes);
    double now() const;

    Options m_options;
    IndexerModel m_model;
    QElapsedTimer m_clock;
    int m_master = -1;
    // Held open for the whole run: with no slave open, the master reads as hung up, and a read
    // notifier would fire without end.
    int m_slave = -1;
    QString m_devicePath;
    QSocketNotifier *m_readNotifier = nullptr;
    QTimer m_moveTimer;
    QTimer m_noiseTimer;
    QRandomGenerator m_random;
    double m_lastNoise = 0;
    double m_noiseOwed = 0;
};
