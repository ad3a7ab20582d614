// Records static trials in the real journal as fast as it can, saying "added N" after each one is
// on the disk, until it is killed. The crash test kills it and counts what survived.
#include "qtdatafiles.h"
#include "resultssession.h"

#include <QCoreApplication>

#include <cstdio>

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("Tiltbench"));
    if (argc != 2)
        return 2;
    const QDate day = QDate::fromString(QString::fromLatin1(argv[1]), Qt::ISODate);

    QtDataFiles files;
    ResultsSession session(files, [day] { return QDateTime(day, QTime::currentTime()); });
    session.setSample(QStringLiteral("felt, \"grey\"\nside B"));
    for (int i = 0; i < 1000000; ++i) {
        FrictionTrial trial;
        trial.angleDeg = 1 + (session.trials().rowCount() + 1) % 80;
        if (const auto error = session.addTrial(trial)) {
            std::fprintf(stderr, "%s: %s\n", qPrintable(error->path), qPrintable(error->cause));
            return 1;
        }
        std::printf("added %d\n", session.trials().trials().constLast().number);
        std::fflush(stdout);
    }
    return 0;
}
