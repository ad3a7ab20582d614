#include "subjectprocess.h"

#include <QDeadlineTimer>

#include <chrono>

namespace {

constexpr int kStartTimeoutMs = 30000;
constexpr int kEndTimeoutMs = 10000;

qint64 steadyNanoseconds()
{
    return std::chrono::duration_cast<std::chrono::nanoseconds>(
               std::chrono::steady_clock::now().time_since_epoch())
        .count();
}

} // namespace

SubjectProcess::SubjectProcess(const QString &program)
    : m_program(program)
{
}

SubjectProcess::~SubjectProcess()
{
    finish();
}

bool SubjectProcess::start(const QStringList &arguments)
{
    const qint64 started = steadyNanoseconds();
    m_process.start(m_program, arguments);
    const QDeadlineTimer deadline(kStartTimeoutMs);
    while (!m_process.canReadLine()) {
        if (m_process.state() == QProcess::NotRunning
            || !m_process.waitForReadyRead(int(deadline.remainingTime()))) {
            m_error
                = QStringLiteral("%1 %2 did not paint (%3) %4")
                      .arg(m_program, arguments.join(QLatin1Char(' ')),
                           m_process.state() == QProcess::NotRunning ? m_process.errorString()
                                                                     : QStringLiteral("time-out"),
                           QString::fromLocal8Bit(m_process.readAllStandardError()));
            finish();
            return false;
        }
    }
    // "painted <steady clock ns> <kinds>"
    const QList<QByteArray> words = m_process.readLine().trimmed().split(' ');
    if (words.size() != 3 || words[0] != "painted") {
        m_error = QStringLiteral("%1 said something unexpected").arg(m_program);
        finish();
        return false;
    }
    m_startupMs = double(words[1].toLongLong() - started) / 1e6;
    m_widgetKinds = QString::fromLatin1(words[2]);
    return true;
}

int SubjectProcess::widgets() const
{
    return 1 + int(m_widgetKinds.count(QLatin1Char(','))) + (m_widgetKinds.isEmpty() ? 0 : 1);
}

void SubjectProcess::finish()
{
    if (m_process.state() == QProcess::NotRunning)
        return;
    m_process.closeWriteChannel();
    if (!m_process.waitForFinished(kEndTimeoutMs)) {
        m_process.kill();
        m_process.waitForFinished();
    }
}
