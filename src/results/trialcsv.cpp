#include "trialcsv.h"

#include "frictioncalc.h"

#include <QCoreApplication>
#include <QStringList>

#include <charconv>
#include <cmath>
#include <optional>

namespace {

const QStringList kColumns {
    QStringLiteral("trial"),
    QStringLiteral("time"),
    QStringLiteral("sample"),
    QStringLiteral("kind"),
    QStringLiteral("angle_deg"),
    QStringLiteral("length_cm"),
    QStringLiteral("delta_t_ms"),
    QStringLiteral("g_m_s2"),
    QStringLiteral("mu"),
    QStringLiteral("mu_uncertainty"),
    QStringLiteral("run"),
    QStringLiteral("angle_unc_deg"),
    QStringLiteral("length_unc_cm"),
    QStringLiteral("delta_t_unc_ms"),
    QStringLiteral("excluded"),
    QStringLiteral("note"),
};
// The first release wrote the first ten columns only.
constexpr int kFirstReleaseColumns = 10;

enum Column {
    Number,
    Time,
    Sample,
    Kind,
    Angle,
    Length,
    DeltaT,
    Gravity,
    Mu,
    MuUncertainty,
    RunName,
    AngleUnc,
    LengthUnc,
    DeltaTUnc,
    Excluded,
    Note
};

// A coefficient that differs from what its own inputs give by more than this, relative to the
// larger of the two, was not calculated from them.
constexpr double kMuTolerance = 1e-9;

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

// Reads records one after the other. A quoted field may hold separators, quotes ("") and line
// ends. After a damaged record it goes on at the next line that starts a record (a number, the
// separator and a date), so one bad quote cannot swallow the rest of a file.
class Reader
{
public:
    Reader(const QString &text, QChar separator)
        : m_text(text)
        , m_separator(separator)
    {
        // Spreadsheets often begin their UTF-8 files with a byte-order mark.
        if (m_text.startsWith(QChar(0xfeff)))
            m_pos = m_lineStart = 1;
    }

    // True once only blank lines are left; moves past the blank lines before the next record.
    bool atEnd()
    {
        while (m_pos < m_text.size() && lineIsBlank(m_pos))
            nextLine();
        return m_pos >= m_text.size();
    }

    bool endedUnterminated() const { return m_unterminated; }

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
                        record.fault = TrialCsv::Fault {
                            field.line, field.column,
                            QCoreApplication::translate("TrialCsv", "a quoted field is not closed")
                        };
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
                        // A quote left open: the next record is already here.
                        if (startsRecord(m_pos)) {
                            record.fault = TrialCsv::Fault { field.line, field.column,
                                                             QCoreApplication::translate(
                                                                 "TrialCsv",
                                                                 "a quoted field is not closed") };
                            record.fault->lastLine = m_line - 1;
                            return record;
                        }
                    }
                    field.text += c;
                }
                if (m_pos < m_text.size() && !isEnd(m_text.at(m_pos))
                    && m_text.at(m_pos) != m_separator) {
                    record.fault = TrialCsv::Fault {
                        m_line, column(),
                        QCoreApplication::translate("TrialCsv", "text follows a closing quote")
                    };
                    skipToNextRecord(*record.fault);
                    return record;
                }
            } else {
                const qsizetype start = m_pos;
                while (m_pos < m_text.size() && m_text.at(m_pos) != m_separator
                       && !isEnd(m_text.at(m_pos)))
                    ++m_pos;
                field.text = m_text.mid(start, m_pos - start);
                if (field.text.contains(u'"')) {
                    record.fault = TrialCsv::Fault {
                        field.line, field.column,
                        QCoreApplication::translate("TrialCsv", "a quote inside an unquoted field")
                    };
                    skipToNextRecord(*record.fault);
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
            if (c == m_separator)
                continue;
            if (c == u'\r' && m_pos < m_text.size() && m_text.at(m_pos) == u'\n')
                ++m_pos;
            ++m_line;
            m_lineStart = m_pos;
            return record;
        }
    }

    // Moves to the next line that starts a record after a record that parsed but was refused.
    void resync(TrialCsv::Fault &fault)
    {
        if (m_pos < m_text.size() && !startsRecord(m_pos) && !lineIsBlank(m_pos))
            skipLinesToRecord(fault);
    }

private:
    int column() const { return int(m_pos - m_lineStart) + 1; }
    static bool isEnd(QChar c) { return c == u'\n' || c == u'\r'; }

    void nextLine()
    {
        while (m_pos < m_text.size() && m_text.at(m_pos) != u'\n')
            ++m_pos;
        if (m_pos < m_text.size())
            ++m_pos;
        ++m_line;
        m_lineStart = m_pos;
    }

    // Separators and spaces only: what a spreadsheet writes for an empty row.
    bool lineIsBlank(qsizetype pos) const
    {
        for (; pos < m_text.size() && m_text.at(pos) != u'\n'; ++pos) {
            const QChar c = m_text.at(pos);
            if (c != m_separator && c != u' ' && c != u'\t' && c != u'\r')
                return false;
        }
        return true;
    }

    // A whole number, the separator, then a date: how every record of the format begins.
    bool startsRecord(qsizetype pos) const
    {
        const qsizetype digitsFrom = pos;
        while (pos < m_text.size() && m_text.at(pos).isDigit())
            ++pos;
        if (pos == digitsFrom || pos >= m_text.size() || m_text.at(pos) != m_separator)
            return false;
        static const QString shape = QStringLiteral("0000-00-00T");
        const QStringView date = QStringView(m_text).mid(pos + 1, shape.size());
        if (date.size() != shape.size())
            return false;
        for (int i = 0; i < shape.size(); ++i) {
            if (shape.at(i) == u'0' ? !date.at(i).isDigit() : date.at(i) != shape.at(i))
                return false;
        }
        return true;
    }

    void skipToNextRecord(TrialCsv::Fault &fault)
    {
        nextLine();
        if (m_pos < m_text.size() && !startsRecord(m_pos) && !lineIsBlank(m_pos))
            skipLinesToRecord(fault);
    }

    void skipLinesToRecord(TrialCsv::Fault &fault)
    {
        while (m_pos < m_text.size() && !startsRecord(m_pos))
            nextLine();
        fault.lastLine = m_line - 1;
    }

    QString m_text;
    QChar m_separator;
    qsizetype m_pos = 0;
    qsizetype m_lineStart = 0;
    int m_line = 1;
    bool m_unterminated = false;
};

TrialCsv::Fault faultAt(const Field &field, const QString &what)
{
    return { field.line, field.column, what };
}

struct Shape
{
    QChar separator = u',';
    int columns = kFirstReleaseColumns;
    bool decimalComma() const { return separator == u';'; }
};

std::optional<double> toDouble(QString text, const Shape &shape)
{
    if (shape.decimalComma())
        text.replace(u',', u'.');
    const QByteArray latin = text.toLatin1();
    double value = 0.0;
    const auto [end, error] = std::from_chars(latin.data(), latin.data() + latin.size(), value);
    if (error != std::errc() || end != latin.data() + latin.size() || latin.isEmpty()
        || !std::isfinite(value))
        return std::nullopt;
    return value;
}

// A number for the field within (lower, upper), or not below 0 where `orZero`; or the fault.
std::variant<double, TrialCsv::Fault> bounded(const Field &field, const QString &name,
                                              const Shape &shape, bool orZero = false,
                                              double upperBound = INFINITY)
{
    const auto value = toDouble(field.text, shape);
    if (!value)
        return faultAt(field,
                       QCoreApplication::translate("TrialCsv", "%1 is not a number").arg(name));
    if (*value < 0.0 || (*value == 0.0 && !orZero) || *value >= upperBound)
        return faultAt(field,
                       QCoreApplication::translate("TrialCsv", "%1 is out of range").arg(name));
    return *value;
}

std::variant<Trial, TrialCsv::Fault> toTrial(const Record &record, const Shape &shape)
{
    const QList<Field> &f = record.fields;
    if (f.size() != shape.columns) {
        const Field &at = f.size() > shape.columns ? f.at(shape.columns) : f.last();
        return faultAt(
            at,
            QCoreApplication::translate("TrialCsv", "the record has %1 fields instead of %2")
                .arg(f.size())
                .arg(shape.columns));
    }
    Trial trial;
    bool ok = false;
    trial.number = f.at(Number).text.toInt(&ok);
    if (!ok || trial.number <= 0)
        return faultAt(f.at(Number),
                       QCoreApplication::translate(
                           "TrialCsv", "the trial number is not a positive whole number"));
    trial.time = QDateTime::fromString(f.at(Time).text, Qt::ISODateWithMs).toUTC();
    if (!trial.time.isValid())
        return faultAt(
            f.at(Time),
            QCoreApplication::translate("TrialCsv", "the time is not an ISO 8601 date and time"));
    trial.sample = f.at(Sample).text;

    FrictionTrial &m = trial.measurement;
    const QString kind = f.at(Kind).text;
    if (kind == Trial::kindText(FrictionTrial::Kind::Static))
        m.kind = FrictionTrial::Kind::Static;
    else if (kind == Trial::kindText(FrictionTrial::Kind::Kinetic))
        m.kind = FrictionTrial::Kind::Kinetic;
    else
        return faultAt(
            f.at(Kind),
            QCoreApplication::translate("TrialCsv", "the kind is neither Static nor Kinetic"));
    const bool kinetic = m.kind == FrictionTrial::Kind::Kinetic;

    const auto angle = bounded(f.at(Angle), QCoreApplication::translate("TrialCsv", "the angle"),
                               shape, false, 90.0);
    if (auto *fault = std::get_if<TrialCsv::Fault>(&angle))
        return *fault;
    m.angleDeg = std::get<double>(angle);

    // Each kinetic input and, in the longer shape, each ± value, into its place.
    struct Input
    {
        int column;
        double *target;
        bool orZero;
    };
    QList<Input> inputs;
    if (kinetic)
        inputs << Input { Length, &m.lengthCm, false } << Input { DeltaT, &m.deltaTMs, false }
               << Input { Gravity, &m.gravity, false };
    else
        trial.uncertainties.lengthCm = trial.uncertainties.deltaTMs = NAN;
    if (shape.columns > kFirstReleaseColumns) {
        inputs << Input { AngleUnc, &trial.uncertainties.angleDeg, true };
        if (kinetic)
            inputs << Input { LengthUnc, &trial.uncertainties.lengthCm, true }
                   << Input { DeltaTUnc, &trial.uncertainties.deltaTMs, true };
    }
    for (const Input &input : std::as_const(inputs)) {
        const auto value
            = bounded(f.at(input.column), kColumns.at(input.column), shape, input.orZero);
        if (auto *fault = std::get_if<TrialCsv::Fault>(&value))
            return *fault;
        *input.target = std::get<double>(value);
    }
    if (!kinetic) {
        QList<int> empty { Length, DeltaT, Gravity };
        if (shape.columns > kFirstReleaseColumns)
            empty << LengthUnc << DeltaTUnc;
        for (int column : std::as_const(empty)) {
            if (!f.at(column).text.isEmpty())
                return faultAt(f.at(column),
                               QCoreApplication::translate("TrialCsv", "a static trial has no %1")
                                   .arg(kColumns.at(column)));
        }
    }

    const auto mu = toDouble(f.at(Mu).text, shape);
    if (!mu)
        return faultAt(f.at(Mu), QCoreApplication::translate("TrialCsv", "mu is not a number"));
    trial.mu = *mu;
    const double expected = FrictionCalc::coefficient(m);
    const double scale = std::max(std::abs(expected), std::abs(trial.mu));
    if (scale > 0.0 && std::abs(expected - trial.mu) / scale > kMuTolerance) {
        return faultAt(
            f.at(Mu),
            QCoreApplication::translate(
                "TrialCsv", "mu does not follow from the row's own inputs (they give %1)")
                .arg(QString::number(expected, 'g', 17)));
    }

    trial.muUncertainty = NAN;
    if (!f.at(MuUncertainty).text.isEmpty()) {
        const auto value = bounded(f.at(MuUncertainty), kColumns.at(MuUncertainty), shape, true);
        if (auto *fault = std::get_if<TrialCsv::Fault>(&value))
            return *fault;
        trial.muUncertainty = std::get<double>(value);
    }

    if (shape.columns > kFirstReleaseColumns) {
        const QString excluded = f.at(Excluded).text;
        if (excluded != QLatin1String("0") && excluded != QLatin1String("1"))
            return faultAt(f.at(Excluded),
                           QCoreApplication::translate("TrialCsv", "excluded is neither 0 nor 1"));
        trial.excluded = excluded == QLatin1String("1");
        trial.note = f.at(Note).text;
    }
    return trial;
}

bool isHeader(const Record &record, const Shape &shape)
{
    if (record.fields.size() != shape.columns)
        return false;
    for (int i = 0; i < shape.columns; ++i) {
        if (record.fields.at(i).text != kColumns.at(i))
            return false;
    }
    return true;
}

// The shape a header row gives, read with the separator given.
std::optional<Shape> shapeOf(const Record &record, QChar separator)
{
    for (int columns : { int(kColumns.size()), kFirstReleaseColumns }) {
        const Shape shape { separator, columns };
        if (!record.fault && isHeader(record, shape))
            return shape;
    }
    return std::nullopt;
}

TrialCsv::Fault headerFault(const QString &text, const Record &record)
{
    const QString firstLine = text.section(u'\n', 0, 0);
    const bool semicolons = firstLine.count(u';') > firstLine.count(u',');
    int column = 1;
    for (int i = 0; i < record.fields.size() && i < kColumns.size(); ++i) {
        column = record.fields.at(i).column;
        if (record.fields.at(i).text != kColumns.at(i))
            break;
    }
    const QString required = kColumns.mid(0, kFirstReleaseColumns).join(u',');
    const QString more = kColumns.mid(kFirstReleaseColumns).join(u',');
    QString what = QCoreApplication::translate(
                       "TrialCsv", "the header row must read %1, optionally followed by ,%2")
                       .arg(required, more);
    what += semicolons
        ? QCoreApplication::translate("TrialCsv",
                                      "; the file looks separated by ';', and then the same "
                                      "names separated by ';' are read")
        : QCoreApplication::translate("TrialCsv", "; the file does not look separated by ';'");
    return { 1, semicolons ? 1 : column, what };
}

} // namespace

QByteArray TrialCsv::header()
{
    return kColumns.join(u',').toUtf8() + '\n';
}

QByteArray TrialCsv::write(const QList<Trial> &trials, const QString &run)
{
    QByteArray bytes = header();
    bytes.reserve(bytes.size() + trials.size() * 160);
    const QByteArray runCell = quoted(run);
    for (const Trial &trial : trials) {
        const FrictionTrial &m = trial.measurement;
        const Uncertainties &u = trial.uncertainties;
        bytes += QByteArray::number(trial.number) + ',';
        bytes += trial.time.toUTC().toString(Qt::ISODateWithMs).toLatin1() + ',';
        bytes += quoted(trial.sample) + ',';
        bytes += Trial::kindText(m.kind).toLatin1() + ',';
        bytes += number(m.angleDeg) + ',' + number(m.lengthCm) + ',' + number(m.deltaTMs) + ','
            + number(m.gravity) + ',';
        bytes += number(trial.mu) + ',' + number(trial.muUncertainty) + ',';
        bytes += runCell + ',' + number(u.angleDeg) + ',';
        if (m.kind == FrictionTrial::Kind::Kinetic)
            bytes += number(u.lengthCm) + ',' + number(u.deltaTMs) + ',';
        else
            bytes += ",,";
        bytes += (trial.excluded ? "1," : "0,") + quoted(trial.note) + '\n';
    }
    return bytes;
}

TrialCsv::Parsed TrialCsv::read(const QByteArray &bytes, Source source)
{
    const QString text = QString::fromUtf8(bytes);
    std::optional<Shape> shape;
    Record first;
    for (QChar separator : { u',', u';' }) {
        Reader reader(text, separator);
        if (reader.atEnd())
            return Fault { 1, 1, QCoreApplication::translate("TrialCsv", "the file is empty") };
        const Record header = reader.next();
        if (separator == u',')
            first = header;
        shape = shapeOf(header, separator);
        if (shape)
            break;
    }
    if (!shape)
        return headerFault(text, first);

    Read read;
    read.withUncertainties = shape->columns > kFirstReleaseColumns;
    Reader reader(text, shape->separator);
    (void)reader.atEnd();
    (void)reader.next();
    while (!reader.atEnd()) {
        Record record = reader.next();
        if (record.fault) {
            read.skipped << *record.fault;
            continue;
        }
        // A second header: two programs once wrote into the same day's journal.
        if (isHeader(record, *shape))
            continue;
        auto trial = toTrial(record, *shape);
        if (auto *fault = std::get_if<Fault>(&trial)) {
            reader.resync(*fault);
            read.skipped << *fault;
            continue;
        }
        if (source == Source::Journal && reader.atEnd() && reader.endedUnterminated()) {
            read.skipped << Fault {
                record.line, 1, QCoreApplication::translate("TrialCsv", "the line is incomplete")
            };
            continue;
        }
        read.trials << std::get<Trial>(std::move(trial));
    }
    return read;
}

QString TrialCsv::describe(const Fault &fault)
{
    if (fault.lastLine > fault.line) {
        return QCoreApplication::translate("TrialCsv",
                                           "lines %1 to %2 (from column %3 of line %1): %4")
            .arg(fault.line)
            .arg(fault.lastLine)
            .arg(fault.column)
            .arg(fault.what);
    }
    return QCoreApplication::translate("TrialCsv", "line %1, column %2: %3")
        .arg(fault.line)
        .arg(fault.column)
        .arg(fault.what);
}
