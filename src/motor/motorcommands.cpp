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
