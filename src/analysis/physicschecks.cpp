#include "physicschecks.h"

#include <QCoreApplication>
#include <QStringList>

PhysicsChecks::Flags PhysicsChecks::ofTrial(Kind kind, double mu, double angleDeg)
{
    Flags flags;
    if (kind == Kind::Kinetic && mu < 0.0)
        flags |= NegativeKinetic;
    if (mu > kLargeMu)
        flags |= LargeMu;
    if (angleDeg >= kSteepAngleDeg)
        flags |= SteepAngle;
    return flags;
}

bool PhysicsChecks::kineticExceedsStatic(double meanStatic, double meanKinetic)
{
    return meanKinetic > meanStatic;
}

QString PhysicsChecks::explanation(Flags flags)
{
    QStringList lines;
    if (flags & NegativeKinetic) {
        lines << QCoreApplication::translate(
            "PhysicsChecks",
            "µk is below 0: the block sped up faster than it could without any friction. Check "
            "the photogate time (too short?), the block length and the angle.");
    }
    if (flags & LargeMu) {
        lines << QCoreApplication::translate(
            "PhysicsChecks",
            "µ is over 2: the block would need more than twice its weight to hold it. Check the "
            "angle, and for µk the time and the length.");
    }
    if (flags & SteepAngle) {
        lines << QCoreApplication::translate(
            "PhysicsChecks",
            "The angle is 80° or more, steeper than the ramp tilts. Check the angle as typed.");
    }
    return lines.join(u'\n');
}

QString PhysicsChecks::kineticExceedsStaticExplanation()
{
    return QCoreApplication::translate(
        "PhysicsChecks",
        "The mean µk is above the mean µs: a block that slides needs less force to keep moving "
        "than to start. Check the kinetic trials' times and lengths, and the static angles.");
}
