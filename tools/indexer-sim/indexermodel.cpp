#include "indexermodel.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <optional>

namespace {

constexpr int kOverlongShown = 16;

IndexerEvent event(double time, const QString &text)
{
    return IndexerEvent { time, {}, text };
}

// Speeds are shown with two decimals; a speed that rounds to zero is shown without a sign.
QString rps(double revolutionsPerSecond)
{
    if (std::abs(revolutionsPerSecond) < 0.005)
        revolutionsPerSecond = 0;
    return QString::number(revolutionsPerSecond, 'f', 2) + QStringLiteral("rps");
}

QString steps(double position)
{
    return QString::number(std::llround(position));
}

// Digits with at most one decimal point and at least one digit: "5", "2.5", ".5", "5.".
std::optional<double> parseDecimal(const QByteArray &text)
{
    int digits = 0;
    int points = 0;
    for (const char c : text) {
        if (c >= '0' && c <= '9')
            ++digits;
        else if (c == '.')
            ++points;
        else
            return std::nullopt;
    }
    if (digits == 0 || points > 1)
        return std::nullopt;
    bool ok = false;
    const double value = text.toDouble(&ok);
    return ok ? std::optional<double>(value) : std::nullopt;
}

std::optional<qint64> parseSteps(QByteArray text)
{
    if (text.isEmpty())
        return std::nullopt;
    for (const char c : text) {
        if (c < '0' || c > '9')
            return std::nullopt;
    }
    while (text.size() > 1 && text.startsWith('0'))
        text.remove(0, 1);
    // Checking the length first keeps toLongLong away from overflow.
    if (text.size() > std::numeric_limits<qint64>::digits10)
        return std::nullopt;
    const qint64 value = text.toLongLong();
    if (value > IndexerModel::kMaxDistance)
        return std::nullopt;
    return value;
}

bool isBlank(char c)
{
    return c == ' ' || c == '\t';
}

QByteArray trimmedBlanks(const QByteArray &text)
{
    qsizetype begin = 0;
    qsizetype end = text.size();
    while (begin < end && isBlank(text.at(begin)))
        ++begin;
    while (end > begin && isBlank(text.at(end - 1)))
        --end;
    return text.mid(begin, end - begin);
}

} // namespace

IndexerModel::IndexerModel(int stepsPerRevolution)
    : m_stepsPerRevolution(std::max(1, stepsPerRevolution))
{
}

void IndexerModel::setRamp(const Ramp &ramp)
{
    m_hasRamp = true;
    m_ramp = ramp;
    m_ramp.stepsPerDegree = std::max(1, ramp.stepsPerDegree);
}

double IndexerModel::angle(double now) const
{
    return m_hasRamp ? position(now) / m_ramp.stepsPerDegree : 0;
}

QString IndexerModel::angleText(double position) const
{
    return QString::number(position / m_ramp.stepsPerDegree, 'f', 3);
}

QString IndexerModel::quoted(const QByteArray &bytes)
{
    QString text = QStringLiteral("\"");
    for (const char c : bytes) {
        const auto byte = static_cast<unsigned char>(c);
        if (c == '\r')
            text += QStringLiteral("\\r");
        else if (c == '\n')
            text += QStringLiteral("\\n");
        else if (c == '\t')
            text += QStringLiteral("\\t");
        else if (c == '"' || c == '\\')
            text += QStringLiteral("\\") + QLatin1Char(c);
        else if (byte < 0x20 || byte > 0x7e)
            text += QStringLiteral("\\x%1").arg(byte, 2, 16, QLatin1Char('0'));
        else
            text += QLatin1Char(c);
    }
    return text + QLatin1Char('"');
}

double IndexerModel::clampedTime(double now)
{
    m_lastTime = std::max(m_lastTime, now);
    return m_lastTime;
}

QList<IndexerEvent> IndexerModel::receive(const QByteArray &bytes, double now)
{
    now = clampedTime(now);
    QList<IndexerEvent> events;
    advanceTo(now, events);

    for (qsizetype i = 0; i < bytes.size(); ++i) {
        const char c = bytes.at(i);
        // A line feed that follows the carriage return of the previous read is part of that
        // command, not an empty one.
        if (c == '\n' && m_afterCarriageReturn) {
            m_afterCarriageReturn = false;
            continue;
        }
        m_afterCarriageReturn = false;

        if (c == '\r' || c == '\n') {
            QByteArray line = m_line + c;
            m_line.clear();
            if (c == '\r') {
                if (i + 1 < bytes.size() && bytes.at(i + 1) == '\n') {
                    line += '\n';
                    ++i;
                } else {
                    m_afterCarriageReturn = true;
                }
            }
            if (m_discarding)
                m_discarding = false;
            else
                handleLine(line, now, events);
            continue;
        }

        if (m_discarding)
            continue;
        if (m_line.size() >= kMaxLineLength) {
            events.append(event(
                now, QStringLiteral("overlong start=%1").arg(quoted(m_line.left(kOverlongShown)))));
            m_line.clear();
            m_discarding = true;
            continue;
        }
        m_line += c;
    }
    return events;
}

QList<IndexerEvent> IndexerModel::advance(double now)
{
    QList<IndexerEvent> events;
    advanceTo(clampedTime(now), events);
    return events;
}

void IndexerModel::handleLine(const QByteArray &line, double now, QList<IndexerEvent> &events)
{
    events.append(IndexerEvent { now, line, QStringLiteral("cmd ") + quoted(line) });

    QByteArray shown = line;
    while (shown.endsWith('\r') || shown.endsWith('\n'))
        shown.chop(1);
    const QByteArray command = trimmedBlanks(shown).toUpper();
    if (command.isEmpty()) {
        events.append(event(now, QStringLiteral("empty")));
        return;
    }
    handleCommand(command, shown, now, events);
}

void IndexerModel::handleCommand(const QByteArray &command, const QByteArray &shown, double now,
                                 QList<IndexerEvent> &events)
{
    const auto malformed = [&](const QString &reason) {
        events.append(
            event(now, QStringLiteral("malformed %1 reason=\"%2\"").arg(quoted(shown), reason)));
    };

    if (command.startsWith("LD")) {
        const QByteArray argument = command.mid(2);
        if (argument.size() != 1 || argument.at(0) < '0' || argument.at(0) > '3')
            return malformed(QStringLiteral("limits need a digit from 0 to 3"));
        m_limits = argument.at(0) - '0';
        events.append(event(now, QStringLiteral("limits %1").arg(m_limits)));
        return;
    }

    const char letter = command.at(0);
    const QByteArray argument = command.mid(1);
    switch (letter) {
    case 'A': {
        const auto value = parseDecimal(argument);
        if (!value || *value > kMaxAcceleration)
            return malformed(
                QStringLiteral("acceleration needs a number from 0 to %1").arg(kMaxAcceleration));
        m_acceleration = *value;
        events.append(event(now, QStringLiteral("accel %1rps2").arg(m_acceleration, 0, 'g', 12)));
        return;
    }
    case 'V': {
        const auto value = parseDecimal(argument);
        if (!value || *value > kMaxVelocity)
            return malformed(
                QStringLiteral("velocity needs a number from 0 to %1").arg(kMaxVelocity));
        m_velocity = *value;
        events.append(event(now, QStringLiteral("velocity %1rps").arg(m_velocity, 0, 'g', 12)));
        return;
    }
    case 'D': {
        const bool reverse = argument.startsWith('-');
        const bool sign = reverse || argument.startsWith('+');
        const auto value = parseSteps(sign ? argument.mid(1) : argument);
        if (!value)
            return malformed(
                QStringLiteral("distance needs whole steps up to %1").arg(kMaxDistance));
        m_distance = *value;
        m_reverse = reverse;
        events.append(event(now,
                            QStringLiteral("distance %1%2")
                                .arg(m_reverse ? QStringLiteral("-") : QString())
                                .arg(m_distance)));
        return;
    }
    case 'M':
        if (argument == "N")
            m_mode = Mode::Normal;
        else if (argument == "C")
            m_mode = Mode::Continuous;
        else
            return malformed(QStringLiteral("mode is MN or MC"));
        events.append(event(now, QStringLiteral("mode M%1").arg(QLatin1String(argument))));
        return;
    case 'G':
        if (!argument.isEmpty())
            return malformed(QStringLiteral("G takes no argument"));
        return go(now, events);
    case 'S':
        if (!argument.isEmpty())
            return malformed(QStringLiteral("S takes no argument"));
        return stop(now, events);
    default:
        events.append(event(now, QStringLiteral("unknown %1").arg(quoted(shown))));
        return;
    }
}

void IndexerModel::go(double now, QList<IndexerEvent> &events)
{
    const auto cannotStart = [&](const char *reason) {
        events.append(
            event(now, QStringLiteral("cannot-start reason=\"%1\"").arg(QLatin1String(reason))));
    };
    if (m_moving) {
        events.append(event(now, QStringLiteral("refused reason=\"already moving\"")));
        return;
    }
    if (m_acceleration <= 0)
        return cannotStart("acceleration is 0");
    if (m_velocity <= 0)
        return cannotStart("velocity is 0");

    const double accel = m_acceleration * m_stepsPerRevolution;
    const double cruise = m_velocity * m_stepsPerRevolution;
    const double direction = m_reverse ? -1 : 1;

    Motion motion;
    motion.start = now;
    motion.position = m_position;
    motion.acceleration = accel;

    if (m_mode == Mode::Continuous) {
        motion.spans = { Span { cruise / accel, direction * accel } };
        motion.endless = true;
        m_motion = motion;
        m_moving = true;
        m_nextReport = now + kReportInterval;
        applyLimits();
        events.append(event(now,
                            QStringLiteral("move-start continuous from=%1 speed=%2")
                                .arg(steps(m_position), rps(direction * m_velocity))));
        // A run into the switch the ramp already rests on ends where it starts.
        advanceTo(now, events);
        return;
    }

    const double distance = static_cast<double>(m_distance);
    double rampTime = cruise / accel;
    const double rampDistance = cruise * rampTime / 2;
    double cruiseTime = 0;
    if (2 * rampDistance >= distance)
        rampTime = std::sqrt(distance / accel); // the top speed is never reached
    else
        cruiseTime = (distance - 2 * rampDistance) / cruise;

    motion.spans = { Span { rampTime, direction * accel }, Span { cruiseTime, 0 },
                     Span { rampTime, -direction * accel } };
    motion.target = m_position + direction * distance;
    motion.hasTarget = true;
    m_motion = motion;
    m_moving = true;
    m_nextReport = now + kReportInterval;
    applyLimits();
    events.append(event(now,
                        QStringLiteral("move-start target=%1 from=%2 duration=%3s")
                            .arg(steps(motion.target), steps(m_position))
                            .arg(2 * rampTime + cruiseTime, 0, 'f', 3)));
    // A move of no distance ends where it starts.
    advanceTo(now, events);
}

void IndexerModel::stop(double now, QList<IndexerEvent> &events)
{
    if (!m_moving) {
        events.append(
            event(now, QStringLiteral("stop position=%1 speed=%2").arg(steps(m_position), rps(0))));
        return;
    }
    double position = 0;
    double speed = 0;
    stateAt(now, &position, &speed);

    Motion motion;
    motion.start = now;
    motion.position = position;
    motion.speed = speed;
    motion.acceleration = m_motion.acceleration;
    const double direction = speed < 0 ? -1 : 1;
    motion.spans
        = { Span { std::abs(speed) / motion.acceleration, -direction * motion.acceleration } };
    m_motion = motion;
    applyLimits();
    events.append(event(now,
                        QStringLiteral("stop position=%1 speed=%2")
                            .arg(steps(position), rps(speed / m_stepsPerRevolution))));
    advanceTo(now, events);
}

void IndexerModel::applyLimits()
{
    if (!m_hasRamp)
        return;
    const double heading = m_motion.speed != 0
        ? m_motion.speed
        : (m_motion.spans.isEmpty() ? 0 : m_motion.spans.first().acceleration);
    if (heading == 0)
        return;
    const double direction = heading > 0 ? 1 : -1;
    const double limit = direction > 0 ? std::round(m_ramp.maxAngle * m_ramp.stepsPerDegree) : 0;
    const auto reaches = [&](double time) {
        double position = 0;
        double speed = 0;
        stateAt(time, &position, &speed);
        return (position - limit) * direction >= 0;
    };

    double upper = endTime();
    if (m_motion.endless) {
        // Past the last span the motor cruises, so the switch is reached by a known time.
        double spansEnd = m_motion.start;
        for (const Span &span : m_motion.spans)
            spansEnd += span.duration;
        double position = 0;
        double speed = 0;
        stateAt(spansEnd, &position, &speed);
        upper = spansEnd + std::abs(limit - position) / std::max(std::abs(speed), 1e-9) + 1;
    }
    if (!reaches(upper))
        return;
    // Within one move the motor never turns back, so the position is monotonic in time and the
    // moment it trips the switch is found by halving.
    double lower = m_motion.start;
    if (reaches(lower)) {
        upper = lower;
    } else {
        for (int i = 0; i < 100 && upper - lower > 1e-12; ++i) {
            const double middle = (lower + upper) / 2;
            (reaches(middle) ? upper : lower) = middle;
        }
    }
    m_motion.cutoff = upper;
    m_motion.target = limit;
    m_motion.hasTarget = true;
}

double IndexerModel::endTime() const
{
    if (m_motion.endless)
        return m_motion.cutoff;
    double end = m_motion.start;
    for (const Span &span : m_motion.spans)
        end += span.duration;
    return std::min(end, m_motion.cutoff);
}

void IndexerModel::stateAt(double now, double *position, double *speed) const
{
    double p = m_motion.position;
    double v = m_motion.speed;
    double remaining = std::max(0.0, now - m_motion.start);
    for (const Span &span : m_motion.spans) {
        const double dt = std::min(remaining, span.duration);
        p += v * dt + span.acceleration * dt * dt / 2;
        v += span.acceleration * dt;
        remaining -= dt;
    }
    if (m_motion.endless)
        p += v * remaining;
    else if (remaining > 0)
        v = 0; // at rest after the last span; drop what rounding left of the speed
    *position = p;
    *speed = v;
}

void IndexerModel::advanceTo(double now, QList<IndexerEvent> &events)
{
    if (!m_moving)
        return;
    const double end = endTime();
    if (now >= end) {
        double position = 0;
        double speed = 0;
        stateAt(end, &position, &speed);
        m_position = m_motion.hasTarget ? m_motion.target : std::round(position);
        m_moving = false;
        m_nextReport = std::numeric_limits<double>::infinity();
        if (end == m_motion.cutoff)
            events.append(event(end, QStringLiteral("limit angle=%1").arg(angleText(m_position))));
        events.append(event(end, QStringLiteral("move-end position=%1").arg(steps(m_position))));
        return;
    }
    if (now < m_nextReport)
        return;
    // After a long pause only the latest report that fell due is given, so a stalled caller does
    // not get a flood of stale ones.
    const double slot
        = m_nextReport + std::floor((now - m_nextReport) / kReportInterval) * kReportInterval;
    double position = 0;
    double speed = 0;
    stateAt(slot, &position, &speed);
    m_nextReport = slot + kReportInterval;
    const QString angle = m_hasRamp ? QStringLiteral(" angle=") + angleText(position) : QString();
    events.append(event(slot,
                        QStringLiteral("pos position=%1%2 speed=%3")
                            .arg(steps(position), angle, rps(speed / m_stepsPerRevolution))));
}

double IndexerModel::position(double now) const
{
    if (!m_moving)
        return m_position;
    if (now >= endTime() && m_motion.hasTarget)
        return m_motion.target;
    double position = 0;
    double speed = 0;
    stateAt(std::min(now, endTime()), &position, &speed);
    return position;
}

double IndexerModel::speed(double now) const
{
    if (!m_moving || now >= endTime())
        return 0;
    double position = 0;
    double speed = 0;
    stateAt(std::min(now, endTime()), &position, &speed);
    return speed / m_stepsPerRevolution;
}
