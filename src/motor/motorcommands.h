#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

#include <optional>

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

    // A character of a typed command that the line cannot carry: the character (two UTF-16 units
    // for one outside the basic plane) and its position among the typed characters, from 1.
    struct Unsendable
    {
        QString character;
        qsizetype position = 0;
    };

    // The first character outside Latin-1, or nothing when every character can be sent.
    static std::optional<Unsendable> firstUnsendable(const QString &text);

    // A command typed by the operator, sent exactly as typed: no trimming, no change of case. Only
    // for text without unsendable characters.
    static QByteArray console(const QString &text);
};
