#include "classresultscsv.h"

#include <charconv>
#include <optional>

namespace {

QByteArray number(double value)
{
    char buffer[64];
    const auto written = std::to_chars(buffer, buffer + sizeof buffer, value);
    return QByteArray(buffer, written.ptr - buffer);
}

QByteArray number(const std::optional<double> &value)
{
    return value ? number(*value) : QByteArray();
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

} // namespace

QByteArray ClassResultsCsv::write(const QList<ClassResult> &results)
{
    QByteArray csv("station,trial,time,sample,kind,angle_deg,length_cm,delta_t_ms,g_m_s2,mu,"
                   "mu_uncertainty,run,angle_unc_deg,length_unc_cm,delta_t_unc_ms,excluded,note\n");
    for (const ClassResult &result : results) {
        const ClassTrial &t = result.trial;
        const QList<QByteArray> fields {
            quoted(result.station),
            QByteArray::number(t.seq),
            t.timeUtc.toUTC().toString(Qt::ISODateWithMs).toUtf8(),
            quoted(t.sample),
            t.kind == ClassTrial::Kind::Static ? QByteArrayLiteral("Static")
                                               : QByteArrayLiteral("Kinetic"),
            number(t.angleDeg),
            number(t.lengthCm),
            number(t.deltaTMs),
            number(t.gMs2),
            number(t.mu),
            number(t.muUncertainty),
            quoted(result.run.name),
            number(t.angleUncDeg),
            number(t.lengthUncCm),
            number(t.deltaTUncMs),
            t.excluded ? QByteArrayLiteral("1") : QByteArrayLiteral("0"),
            quoted(t.note),
        };
        csv += fields.join(',') + '\n';
    }
    return csv;
}
