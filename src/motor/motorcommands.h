#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

// The text commands the program sends to the motor indexer. Each command is one write: the command
// text followed by a carriage return, with no line feed and no separator.
//
// A move is six commands, always in the same order: "LD0" (limits off), acceleration, velocity,
// distance, the mode ("MN" or "MC"), and "G" to start. Numbers are plain decimal, straight from
// the scroll bars: the distance sent and the distance counted are the same number.
class MotorCommands
{
public:
    enum class Direction { Up, Down };

    static constexpr char kTerminator = '\r';

    static QList<QByteArray> move(Direction direction, int acceleration, int velocity, int distance,
                                  const QString &modeCommand);
    static QByteArray stop();

    // A command typed by the operator, sent exactly as typed: no trimming, no change of case.
    // Characters outside Latin-1 cannot go on the line and are sent as '?'.
    static QByteArray console(const QString &text);
};
