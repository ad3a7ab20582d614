#include "motorcommands.h"

namespace {

QByteArray command(const QByteArray &text)
{
    return text + MotorCommands::kTerminator;
}

} // namespace

QList<QByteArray> MotorCommands::move(Direction direction, int acceleration, int velocity,
                                      int distance, const QString &modeCommand)
{
    const QByteArray distanceCommand = direction == Direction::Up ? "D" : "D-";
    return {
        command("LD0"),
        command("A" + QByteArray::number(acceleration)),
        command("V" + QByteArray::number(velocity)),
        command(distanceCommand + QByteArray::number(distance)),
        command(modeCommand.toLatin1()),
        command("G"),
    };
}

QByteArray MotorCommands::stop()
{
    return command("S");
}

QByteArray MotorCommands::console(const QString &text)
{
    return command(text.toLatin1());
}

std::optional<MotorCommands::Unsendable> MotorCommands::firstUnsendable(const QString &text)
{
    qsizetype position = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        ++position;
        const QChar c = text.at(i);
        if (c.unicode() <= 0xFF)
            continue;
        // A character beyond the basic plane is a pair of units; the operator sees one character.
        const bool pair
            = c.isHighSurrogate() && i + 1 < text.size() && text.at(i + 1).isLowSurrogate();
        return Unsendable { text.mid(i, pair ? 2 : 1), position };
    }
    return std::nullopt;
}
