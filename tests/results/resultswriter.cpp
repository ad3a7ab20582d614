// Adds static trials to the run used last in the results database as fast as it can, saying
// "added N" once trial N is committed, until it is killed. The crash test runs two of these on
// one database and kills them.
//
//   resultswriter NAME FIRST
//
// Trial N of writer NAME has NAME as its sample and an angle of 10 + N / 1000 degrees, from N =
// FIRST on.
#include "qtdatafiles.h"
#include "resultssession.h"
#include "sqliteresultsstore.h"

#include <QCoreApplication>

#include <cstdio>

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("Tiltbench"));
    if (argc != 3)
        return 2;
    const QString name = QString::fromLocal8Bit(argv[1]);
    const int first = QByteArray(argv[2]).toInt();

    QtDataFiles files;
    SqliteResultsStore store(files.dataFolder() + QStringLiteral("/results.sqlite"));
    ResultsSession session(store, files);
    session.setSample(name);
    for (int n = first; n < first + 100000; ++n) {
        FrictionTrial trial;
        trial.angleDeg = 10.0 + n / 1000.0;
        if (session.addTrial(trial)) {
            // Kept and written with the next trial; only what is committed is reported.
            std::fprintf(stderr, "%s: trial %d waits\n", qPrintable(name), n);
            continue;
        }
        if (session.unsavedCount() == 0)
            std::printf("added %d\n", n);
        std::fflush(stdout);
    }
    return 0;
}
