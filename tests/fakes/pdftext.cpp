#include "pdftext.h"

#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryFile>

namespace {

// Runs one of poppler's tools on the document, its name in place of "%f"; its standard output.
std::optional<QString> run(const QString &program, QStringList arguments, const QByteArray &pdf)
{
    QTemporaryFile file;
    if (!file.open() || file.write(pdf) != pdf.size() || !file.flush())
        return std::nullopt;
    arguments.replace(arguments.indexOf(QStringLiteral("%f")), file.fileName());
    QProcess process;
    process.start(program, arguments);
    if (!process.waitForFinished(30000) || process.exitStatus() != QProcess::NormalExit
        || process.exitCode() != 0)
        return std::nullopt;
    return QString::fromUtf8(process.readAllStandardOutput());
}

} // namespace

std::optional<QString> pdfText(const QByteArray &pdf)
{
    // "-" after the document sends the text to standard output.
    return run(QStringLiteral("pdftotext"),
               { QStringLiteral("-layout"), QStringLiteral("-enc"), QStringLiteral("UTF-8"),
                 QStringLiteral("%f"), QStringLiteral("-") },
               pdf);
}

std::optional<QString> pdfPageSize(const QByteArray &pdf)
{
    const auto info = run(QStringLiteral("pdfinfo"), { QStringLiteral("%f") }, pdf);
    if (!info)
        return std::nullopt;
    const QRegularExpressionMatch match = QRegularExpression(QStringLiteral("^Page size:\\s+(.*)$"),
                                                             QRegularExpression::MultilineOption)
                                              .match(*info);
    if (!match.hasMatch())
        return std::nullopt;
    return match.captured(1).trimmed();
}
