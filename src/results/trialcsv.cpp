#include "trialcsv.h"

#include <QStringList>

#include <charconv>
#include <cmath>
#include <optional>
#include <string>

namespace {

const QStringList kColumns { QStringLiteral("trial"),      QStringLiteral("time"),
                             QStringLiteral("sample"),     QStringLiteral("kind"),
                             QStringLiteral("angle_deg"),  QStringLiteral("length_cm"),
                             QStringLiteral("delta_t_ms"), QStringLiteral("g_m_s2"),
                             QStringLiteral("mu"),         QStringLiteral("mu_uncertainty") };

enum Column { Number, Time, Sample, Kind, Angle, Length, DeltaT, Gravity, Mu, MuUncertainty };

// Shortest text that reads back as the same double, whatever the locale.
QByteArray number(double value)
{
    if (std::isnan(value))
        return {};
    char buffer[64];
    const auto written = std::to_chars(buffer, buffer + sizeof buffer, value);
    return QByteArray(buffer, written.ptr - buffer);
}

QByteArray quoted(const QString &text)
{
    QByteArray bytes = text.toUtf8();
    if (!bytes.contains(',') && !bytes.contains('"') && !bytes.contains('\n')
        && !bytes.contains('\r'))
        return bytes;
    bytes.replace("\"", "\"\"");
    return '"' + bytes + '"';
}

struct Field
{
    QString text;
    int line;
    int column;
};

// One record of fields, or the fault that ended it.
struct Record
{
    QList<Field> fields;
    std::optional<TrialCsv::Fault> fault;
    int line = 0;
};

// Reads records one after the other. A quoted field may hold commas, quotes ("") and line ends.
class Reader
{
public:
    explicit Reader(const QByteArray &bytes)
        : m_text(QString::fromUtf8(bytes))
    {
        // Spreadsheets often begin their UTF-8 files with a byte-order mark.
        if (m_text.startsWith(QChar(0xfeff)))
            m_pos = m_lineStart = 1;
    }

    bool atEnd() const { return m_pos >= m_text.size(); }

    Record next()
    {
        Record record;
        record.line = m_line;
        for (;;) {
            Field field { {}, m_line, column() };
            if (m_pos < m_text.size() && m_text.at(m_pos) == u'"') {
                ++m_pos;
                for (;;) {
                    if (m_pos >= m_text.size()) {
                        record.fault
                            = TrialCsv::Fault { field.line, field.column,
                                                QStringLiteral("a quoted field is not closed") };
                        return record;
                    }
                    const QChar c = m_text.at(m_pos++);
                    if (c == u'"') {
                        if (m_pos < m_text.size() && m_text.at(m_pos) == u'"') {
                            field.text += u'"';
                            ++m_pos;
                            continue;
                        }
                        break;
                    }
                    if (c == u'\n') {
                        ++m_line;
                        m_lineStart = m_pos;
                    }
                    field.text += c;
                }
                if (m_pos < m_text.size() && !isEnd(m_text.at(m_pos)) && m_text.at(m_pos) != u',') {
                    record.fault
                        = TrialCsv::Fault { m_line, column(),
                                            QStringLiteral("text follows a closing quote") };
                    skipLine();
                    return record;
                }
            } else {
                const qsizetype start = m_pos;
                while (m_pos < m_text.size() && m_text.at(m_pos) != u','
                       && !isEnd(m_text.at(m_pos)))
                    ++m_pos;
                field.text = m_text.mid(start, m_pos - start);
                if (field.text.contains(u'"')) {
                    record.fault
                        = TrialCsv::Fault { field.line, field.column,
                                            QStringLiteral("a quote inside an unquoted field") };
                    skipLine();
                    return record;
                }
            }
            record.fields.append(field);
            if (m_pos >= m_text.size()) {
                // No line end after the last record: the writer may have stopped in it.
                m_unterminated = true;
                return record;
            }
            const QChar c = m_text.at(m_pos++);
            if (c == u',')
                continue;
            if (c == u'\r' && m_pos < m_text.size() && m_text.at(m_pos) == u'\n')
                ++m_pos;
            ++m_line;
            m_lineStart = m_pos;
            return record;
        }
    }

    bool endedUnterminated() const { return m_unterminated; }

private:
    int column() const { return int(m_pos - m_lineStart) + 1; }
    static bool isEnd(QChar c) { return c == u'\n' || c == u'\r'; }

    void skipLine()
    {
        while (m_pos < m_text.size() && m_text.at(m_pos) != u'\n')
            ++m_pos;
        if (m_pos < m_text.size())
            ++m_pos;
        ++m_line;
        m_lineStart = m_pos;
    }

    QString m_text;
    qsizetype m_pos = 0;
    qsizetype m_lineStart = 0;
    int m_line = 1;
    bool m_unterminated = false;
};

TrialCsv::Fault faultAt(const Field &field, const QString &what)
{
    return { field.line, field.column, what };
}

std::optional<double> toDouble(const QString &text)
{
    const QByteArray latin = text.toLatin1();
    double value = 0.0;
    const auto [end, error] = std::from_chars(latin.data(), latin.data() + latin.size(), value);
    if (error != std::errc() || end != latin.data() + latin.size() || latin.isEmpty()
        || !std::isfinite(value))
        return std::nullopt;
    return value;
}

// A positive number for the field, or the fault.
std::variant<double, TrialCsv::Fault> positive(const Field &field, const QString &name,
                                               double upperBound = INFINITY)
{
    const auto value = toDouble(field.text);
    if (!value)
        return faultAt(field, QStringLiteral("%1 is not a number").arg(name));
    if (*value <= 0.0 || *value >= upperBound)
        return faultAt(field, QStringLiteral("%1 is out of range").arg(name));
    return *value;
}

std::variant<Trial, TrialCsv::Fault> toTrial(const Record &record)
{
    const QList<Field> &f = record.fields;
    if (f.size() != kColumns.size()) {
        const Field &at = f.size() > kColumns.size() ? f.at(kColumns.size()) : f.last();
        return faultAt(at,
                       QStringLiteral("the record has %1 fields instead of %2")
                           .arg(f.size())
                           .arg(kColumns.size()));
    }
    Trial trial;
    bool ok = false;
    trial.number = f.at(Number).text.toInt(&ok);
    if (!ok || trial.number <= 0)
        return faultAt(f.at(Number),
                       QStringLiteral("the trial number is not a positive whole number"));
    trial.time = QDateTime::fromString(f.at(Time).text, Qt::ISODateWithMs);
    if (!trial.time.isValid())
        return faultAt(f.at(Time), QStringLiteral("the time is not an ISO 8601 date and time"));
    trial.sample = f.at(Sample).text;

    const QString kind = f.at(Kind).text;
    if (kind == Trial::kindText(FrictionTrial::Kind::Static))
        trial.measurement.kind = FrictionTrial::Kind::Static;
    else if (kind == Trial::kindText(FrictionTrial::Kind::Kinetic))
        trial.measurement.kind = FrictionTrial::Kind::Kinetic;
    else
        return faultAt(f.at(Kind), QStringLiteral("the kind is neither Static nor Kinetic"));

    const auto angle = positive(f.at(Angle), QStringLiteral("the angle"), 90.0);
    if (auto *fault = std::get_if<TrialCsv::Fault>(&angle))
        return *fault;
    trial.measurement.angleDeg = std::get<double>(angle);

    if (trial.measurement.kind == FrictionTrial::Kind::Static) {
        for (int column : { Length, DeltaT, Gravity }) {
            if (!f.at(column).text.isEmpty())
                return faultAt(f.at(column),
                               QStringLiteral("a static trial has no %1").arg(kColumns.at(column)));
        }
    } else {
        double *targets[] = { &trial.measurement.lengthCm, &trial.measurement.deltaTMs,
                              &trial.measurement.gravity };
        int i = 0;
        for (int column : { Length, DeltaT, Gravity }) {
            const auto value = positive(f.at(column), kColumns.at(column));
            if (auto *fault = std::get_if<TrialCsv::Fault>(&value))
                return *fault;
            *targets[i++] = std::get<double>(value);
        }
    }

    const auto mu = toDouble(f.at(Mu).text);
    if (!mu)
        return faultAt(f.at(Mu), QStringLiteral("mu is not a number"));
    trial.mu = *mu;
    // δµ follows from the uncertainties in force when the file is shown, so it is only checked.
    if (!f.at(MuUncertainty).text.isEmpty() && !toDouble(f.at(MuUncertainty).text))
        return faultAt(f.at(MuUncertainty), QStringLiteral("mu_uncertainty is not a number"));
    return trial;
}

// Reads the header; a fault when the file does not start with it.
std::optional<TrialCsv::Fault> readHeader(Reader &reader)
{
    if (reader.atEnd())
        return TrialCsv::Fault { 1, 1, QStringLiteral("the file is empty") };
    const Record header = reader.next();
    if (header.fault)
        return header.fault;
    for (int i = 0; i < kColumns.size(); ++i) {
        if (i >= header.fields.size() || header.fields.at(i).text != kColumns.at(i)) {
            const int column = i < header.fields.size() ? header.fields.at(i).column : 1;
            return TrialCsv::Fault {
                1, column, QStringLiteral("the header row must read %1").arg(kColumns.join(u','))
            };
        }
    }
    if (header.fields.size() != kColumns.size())
        return TrialCsv::Fault { 1, header.fields.at(kColumns.size()).column,
                                 QStringLiteral("the header row has too many columns") };
    return std::nullopt;
}

} // namespace

QByteArray TrialCsv::header()
{
    return kColumns.join(u',').toUtf8() + '\n';
}

QByteArray TrialCsv::row(const Trial &trial, double muUncertainty)
{
    const FrictionTrial &m = trial.measurement;
    const QDateTime time = trial.time.toOffsetFromUtc(trial.time.offsetFromUtc());
    QByteArray line;
    line.reserve(128);
    line += QByteArray::number(trial.number) + ',';
    line += time.toString(Qt::ISODateWithMs).toLatin1() + ',';
    line += quoted(trial.sample) + ',';
    line += Trial::kindText(m.kind).toLatin1() + ',';
    line += number(m.angleDeg) + ',' + number(m.lengthCm) + ',' + number(m.deltaTMs) + ','
        + number(m.gravity) + ',';
    line += number(trial.mu) + ',' + number(muUncertainty) + '\n';
    return line;
}

QByteArray TrialCsv::write(const QList<Trial> &trials,
                           const std::function<double(const Trial &)> &uncertaintyOf)
{
    QByteArray bytes = header();
    bytes.reserve(bytes.size() + trials.size() * 100);
    for (const Trial &trial : trials)
        bytes += row(trial, uncertaintyOf(trial));
    return bytes;
}

TrialCsv::Parsed TrialCsv::parse(const QByteArray &bytes)
{
    Reader reader(bytes);
    if (auto fault = readHeader(reader))
        return *fault;
    QList<Trial> trials;
    while (!reader.atEnd()) {
        const Record record = reader.next();
        if (record.fault)
            return *record.fault;
        auto trial = toTrial(record);
        if (auto *fault = std::get_if<Fault>(&trial))
            return *fault;
        trials.append(std::get<Trial>(std::move(trial)));
    }
    return trials;
}

TrialCsv::Salvaged TrialCsv::salvage(const QByteArray &bytes)
{
    Salvaged result;
    if (bytes.isEmpty())
        return result;
    Reader reader(bytes);
    if (auto fault = readHeader(reader)) {
        result.skipped.append(*fault);
        // Without its header the journal may still hold whole records: read them all the same.
        reader = Reader(bytes);
    }
    while (!reader.atEnd()) {
        const Record record = reader.next();
        if (record.fault) {
            result.skipped.append(*record.fault);
            continue;
        }
        auto trial = toTrial(record);
        if (auto *fault = std::get_if<Fault>(&trial)) {
            result.skipped.append(*fault);
            continue;
        }
        // A last record without its line end may have lost digits of its last number.
        if (reader.atEnd() && reader.endedUnterminated()) {
            result.skipped.append({ record.line, 1, QStringLiteral("the line is incomplete") });
            continue;
        }
        result.trials.append(std::get<Trial>(std::move(trial)));
    }
    return result;
}
