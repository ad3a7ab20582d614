#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

#include <limits>

// A stepper-motor indexer as Tiltbench sees it over the serial line, without the motor: bytes come
// in, events come out. The simulator program feeds it what arrives on the pseudo-terminal and
// prints the events; the tests feed it byte strings and a clock of their own.
//
// The caller owns the clock: every call passes the time in seconds since some start, and times
// never go backwards (an earlier time is taken as the latest one seen). A move runs "in real time"
// only in the sense that its position is a function of that time; advance() reports what happened
// up to a given moment.
//
// Commands end with a carriage return; a line feed ends one too, and a line feed right after a
// carriage return belongs to the same command. Letters may be in either case and blanks at either
// end are ignored. The vocabulary:
//   LDn      limits, n a digit 0 to 3 (stored and logged; the ramp's limit switches, when there
//            is a ramp, stop the motor whatever it says)
//   An       acceleration in revolutions per second squared, decimals allowed, 0 to 9999
//   Vn       velocity in revolutions per second, decimals allowed, 0 to 999
//   Dn, D+n, D-n   distance in motor steps, at most 99999999; the sign is the direction
//   MN, MC   Normal mode (G moves the distance) or Continuous mode (G runs until S)
//   G        go; refused while the motor moves, and with an acceleration or velocity of 0
//   S        stop: decelerate to rest at the acceleration of the current move
// A changed A, V, D or mode applies from the next G. Anything else is logged as unknown or
// malformed and changes nothing.
struct IndexerEvent
{
    double time = 0;
    // A complete command line as received, with its terminator; empty for every other event (what
    // the command did, and the motor's moves), so non-empty bytes mark a command.
    QByteArray bytes;
    // The log line without its time, e.g. `move-end position=10000`.
    QString text;
};

class IndexerModel
{
public:
    enum class Mode { Normal, Continuous };

    static constexpr int kDefaultStepsPerRevolution = 25000;
    // Longest command kept; the rest of a longer line is dropped, so a stream without carriage
    // returns cannot make the buffer grow.
    static constexpr int kMaxLineLength = 128;
    // While the motor moves, a position report this often.
    static constexpr double kReportInterval = 0.25;
    static constexpr double kMaxAcceleration = 9999;
    static constexpr double kMaxVelocity = 999;
    static constexpr qint64 kMaxDistance = 99999999;

    // The ramp the motor tilts: the angle in degrees is the position over stepsPerDegree, and limit
    // switches at 0 and maxAngle end every move that reaches them, there and at once.
    struct Ramp
    {
        int stepsPerDegree = 25000;
        double maxAngle = 45;
    };

    explicit IndexerModel(int stepsPerRevolution = kDefaultStepsPerRevolution);

    // Puts the motor on a ramp resting at 0 degrees. Without one the motor turns freely and its
    // reports give no angle.
    void setRamp(const Ramp &ramp);
    bool hasRamp() const { return m_hasRamp; }
    const Ramp &ramp() const { return m_ramp; }
    // Degrees at `now`; 0 without a ramp.
    double angle(double now) const;

    // Takes bytes received at time `now`; returns what happened up to then, in order.
    QList<IndexerEvent> receive(const QByteArray &bytes, double now);
    // Returns what the moving motor did up to `now`: a position report when one is due and the end
    // of the move when it came.
    QList<IndexerEvent> advance(double now);

    bool isMoving() const { return m_moving; }
    // Position in steps and speed in revolutions per second at `now`, as far as the last call to
    // receive() or advance() has told the model about commands.
    double position(double now) const;
    double speed(double now) const;

    int stepsPerRevolution() const { return m_stepsPerRevolution; }
    int limits() const { return m_limits; }
    double acceleration() const { return m_acceleration; }
    double velocity() const { return m_velocity; }
    // Steps of the last D, without its sign; reverse() is its sign (so that D-0 keeps a direction).
    qint64 distance() const { return m_distance; }
    bool reverse() const { return m_reverse; }
    Mode mode() const { return m_mode; }

    // The bytes with control characters, quotes and backslashes escaped, in double quotes.
    static QString quoted(const QByteArray &bytes);

private:
    // A move is a start state followed by up to three spans of constant acceleration; after the
    // last span the motor rests, or cruises on when the move is endless.
    struct Span
    {
        double duration = 0;
        double acceleration = 0; // steps/s^2, signed
    };
    struct Motion
    {
        double start = 0;
        double position = 0; // steps
        double speed = 0; // steps/s, signed
        QList<Span> spans;
        bool endless = false;
        double acceleration = 0; // steps/s^2 magnitude, used by S
        double target = 0; // exact end position of a Normal move
        bool hasTarget = false;
        // When a limit switch ends the move: the time it trips, earlier than the move's own end.
        double cutoff = std::numeric_limits<double>::infinity();
    };

    void handleLine(const QByteArray &line, double now, QList<IndexerEvent> &events);
    void handleCommand(const QByteArray &command, const QByteArray &shown, double now,
                       QList<IndexerEvent> &events);
    void go(double now, QList<IndexerEvent> &events);
    void stop(double now, QList<IndexerEvent> &events);
    void advanceTo(double now, QList<IndexerEvent> &events);
    // Cuts the current move where it would run past the ramp's end in its direction.
    void applyLimits();
    double endTime() const;
    QString angleText(double position) const;
    void stateAt(double now, double *position, double *speed) const;
    double clampedTime(double now);

    int m_stepsPerRevolution;
    bool m_hasRamp = false;
    Ramp m_ramp;
    int m_limits = 0;
    double m_acceleration = 0;
    double m_velocity = 0;
    qint64 m_distance = 0;
    bool m_reverse = false;
    Mode m_mode = Mode::Normal;

    QByteArray m_line;
    bool m_discarding = false; // inside an overlong line, dropping bytes up to its end
    bool m_afterCarriageReturn = false;
    double m_lastTime = 0;

    double m_position = 0; // steps, at rest
    bool m_moving = false;
    Motion m_motion;
    double m_nextReport = std::numeric_limits<double>::infinity();
};
