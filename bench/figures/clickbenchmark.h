#pragma once

#include "benchcontext.h"

#include <QByteArray>
#include <QList>

// From a click on Up (a real mouse click on the real main window over the real serial layer) to
// the last byte of the move's six commands at the device end of the line, against six plain
// QSerialPort::write calls of the same commands to the same pseudo-terminal.
class ClickBenchmark
{
public:
    explicit ClickBenchmark(const BenchContext &context);

    // False when the moves could not be made.
    bool run();

private:
    // Times each click; *commands gets the six commands of a move as the device received them.
    bool clickUp(QList<double> *ms, QList<QByteArray> *commands, QString *error);
    bool writeRaw(const QList<QByteArray> &commands, QList<double> *ms, QString *error);

    BenchContext m_context;
    int m_moves;
};
