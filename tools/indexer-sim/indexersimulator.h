#pragma once

#include "linesettings.h"
#include "virtualramp.h"

#include <QElapsedTimer>
#include <QObject>
#include <QRandomGenerator>
#include <QTimer>

#include <optional>

QT_BEGIN_NAMESPACE
class QSocketNotifier;
QT_END_NAMESPACE

// The simulated indexer on a pseudo-terminal: what the program writes to the terminal's device
// goes to the virtual ramp, its events go to standard output, one line each with the seconds
// since start, and echo and noise come back on the line.
//
// The indexer keeps line settings of its own. While the settings the program put on the terminal
// differ, what arrives is noise to it, as on a real line: nothing is understood.
class IndexerSimulator : public QObject
{
    Q_OBJECT

public:
    struct Options
    {
        VirtualRamp::Options ramp;
        LineSettings line;
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

    // Seconds since start, the clock of the log and of the ramp.
    double now() const;
    const VirtualRamp &ramp() const { return m_ramp; }
    const LineSettings &indexerLine() const { return m_options.line; }
    // What the program set on its end of the line; nothing before it could be read.
    const std::optional<LineSettings> &programLine() const { return m_programLine; }
    bool lineMatches() const { return !m_programLine || *m_programLine == m_options.line; }

    void placeBlock();

signals:
    // The ramp moved or its block, or the line settings changed.
    void changed();

private:
    void readMaster();
    void tick();
    void sendNoise();
    void report(const QList<IndexerEvent> &events);
    void writeLine(double time, const QString &text);
    void writeMaster(const QByteArray &bytes);
    void checkLine();

    Options m_options;
    VirtualRamp m_ramp;
    std::optional<LineSettings> m_programLine;
    QTimer m_lineTimer;
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
