#pragma once

#include <QProcess>
#include <QString>
#include <QStringList>

// One run of figures-subject, watched from outside: started, seen to paint its first frame, then
// left idling until finish().
class SubjectProcess
{
public:
    explicit SubjectProcess(const QString &program);
    ~SubjectProcess();

    // Starts the subject and waits until it has painted; false, with errorString(), when it ended
    // or took too long.
    bool start(const QStringList &arguments);

    qint64 pid() const { return m_process.processId(); }
    // From just before the start to the end of the first frame.
    double startupMs() const { return m_startupMs; }
    // The kinds of the painted window's widgets, as figures-subject bare takes them.
    QString widgetKinds() const { return m_widgetKinds; }
    // Widgets in the painted window, the window included.
    int widgets() const;
    QString errorString() const { return m_error; }

    // Closes its standard input, which ends it, and waits for it.
    void finish();

private:
    QString m_program;
    QProcess m_process;
    double m_startupMs = 0;
    QString m_widgetKinds;
    QString m_error;
};
