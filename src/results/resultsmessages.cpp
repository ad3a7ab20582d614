#include "resultsmessages.h"

#include <QCoreApplication>
#include <QStringList>

QString ResultsMessages::cause(const StoreError &error)
{
    switch (error.kind) {
    case StoreError::Kind::DriverMissing:
        return QCoreApplication::translate(
                   "ResultsMessages",
                   "Qt's SQLite driver (%1) is not installed; on Debian it is the "
                   "package libqt6sql6-sqlite")
            .arg(error.detail);
    case StoreError::Kind::CannotOpen:
        return QCoreApplication::translate("ResultsMessages", "%1 could not be opened (%2)")
            .arg(error.path, error.detail);
    case StoreError::Kind::DiskFull:
        return QCoreApplication::translate("ResultsMessages", "the disk that holds %1 is full (%2)")
            .arg(error.path, error.detail);
    case StoreError::Kind::ReadOnly:
        return QCoreApplication::translate("ResultsMessages", "%1 may not be written (%2)")
            .arg(error.path, error.detail);
    case StoreError::Kind::Busy:
        return QCoreApplication::translate("ResultsMessages",
                                           "another program kept %1 locked for too long (%2)")
            .arg(error.path, error.detail);
    case StoreError::Kind::Damaged:
        return QCoreApplication::translate("ResultsMessages",
                                           "%1 is damaged or is not a database (%2)")
            .arg(error.path, error.detail);
    case StoreError::Kind::TooNew:
        return QCoreApplication::translate("ResultsMessages",
                                           "%1 was made by a newer Tiltbench (%2)")
            .arg(error.path, error.detail);
    case StoreError::Kind::ModuleMissing:
        return QCoreApplication::translate(
                   "ResultsMessages",
                   "Tiltbench's database module could not be loaded (%1); installing "
                   "Tiltbench again brings it back")
            .arg(error.detail);
    case StoreError::Kind::Other:
        break;
    }
    return QStringLiteral("%1: %2").arg(error.path, error.detail);
}

QString ResultsMessages::trialNotSaved(const StoreError &error)
{
    return QCoreApplication::translate(
               "ResultsMessages",
               "The trial could not be saved: %1.\n\nIt is shown in the Results "
               "window, marked \"not saved\", and kept in memory: Tiltbench writes it "
               "with the next save that succeeds, or when you press Retry Saving.")
        .arg(cause(error));
}

QString ResultsMessages::changeNotSaved(const StoreError &error)
{
    return QCoreApplication::translate("ResultsMessages", "The change could not be saved: %1.")
        .arg(cause(error));
}

QString ResultsMessages::notSavedTip(const std::optional<StoreError> &error)
{
    const QString why = error ? QStringLiteral(": %1").arg(cause(*error)) : QString();
    return QCoreApplication::translate(
               "ResultsMessages",
               "Not saved yet%1. Kept in memory and written with the next save that "
               "succeeds, or with Retry Saving.")
        .arg(why);
}

QString ResultsMessages::unsavedStatus(int count, const std::optional<StoreError> &error)
{
    const QString what = count == 1
        ? QCoreApplication::translate("ResultsMessages", "1 trial or change is")
        : QCoreApplication::translate("ResultsMessages", "%1 trials or changes are").arg(count);
    const QString why = error ? QStringLiteral(": %1").arg(cause(*error)) : QString();
    return QCoreApplication::translate("ResultsMessages", "%1 not saved%2.").arg(what, why);
}

QString ResultsMessages::notOpened(const StoreError &error)
{
    return QCoreApplication::translate(
               "ResultsMessages",
               "The results database could not be opened: %1. New trials are kept in "
               "memory, marked \"not saved\"; Retry Saving tries again.")
        .arg(cause(error));
}

QString ResultsMessages::notRead(const StoreError &error)
{
    return QCoreApplication::translate("ResultsMessages",
                                       "The results database could not be read: %1.")
        .arg(cause(error));
}

QString ResultsMessages::imported(const JournalImport::Outcome &outcome)
{
    QStringList lines;
    if (outcome.error) {
        lines << QCoreApplication::translate(
                     "ResultsMessages",
                     "The journals of the previous release could not be imported: %1. "
                     "They stay where they are, and the next start tries again.")
                     .arg(cause(*outcome.error));
        return lines.join(u'\n');
    }
    if (outcome.files > 0) {
        lines << QCoreApplication::translate(
                     "ResultsMessages",
                     "The journals of the previous release were imported: %1 trials "
                     "from %2 files, one run per day. The files stay where they are.")
                     .arg(outcome.trials)
                     .arg(outcome.files);
    }
    for (const auto &[file, fault] : outcome.skipped)
        lines << QCoreApplication::translate("ResultsMessages", "%1, %2; left out.")
                     .arg(file, TrialCsv::describe(fault));
    for (const auto &[file, why] : outcome.refused)
        lines << QCoreApplication::translate("ResultsMessages", "%1 was not imported: %2.")
                     .arg(file, why);
    return lines.join(u'\n');
}

QString ResultsMessages::skippedLines(const QList<TrialCsv::Fault> &skipped)
{
    QStringList lines;
    for (const TrialCsv::Fault &fault : skipped)
        lines << TrialCsv::describe(fault) + u'.';
    return lines.join(u'\n');
}
