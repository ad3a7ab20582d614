#include "unsavedprompt.h"

#include "appinfo.h"
#include "filedialogs.h"
#include "messageboxes.h"
#include "resultsmessages.h"
#include "resultssession.h"

#include <QCoreApplication>

bool UnsavedPrompt::allows(Leaving leaving, ResultsSession &session, MessageBoxes &messageBoxes,
                           FileDialogs &fileDialogs, QWidget *parent)
{
    if (session.unsavedCount() == 0)
        return true;
    // One more try first: the disk may have room again.
    if (!session.retrySaving())
        return true;

    const QString status
        = ResultsMessages::unsavedStatus(session.unsavedCount(), session.saveError());
    QString text;
    QString goOn;
    switch (leaving) {
    case Leaving::Window:
        text = QCoreApplication::translate(
                   "UnsavedPrompt",
                   "%1\n\nThey stay in memory while Tiltbench runs, and are lost when "
                   "it ends. Export the run to a CSV file first?")
                   .arg(status);
        goOn = QCoreApplication::translate("UnsavedPrompt", "Close");
        break;
    case Leaving::Program:
        text = QCoreApplication::translate(
                   "UnsavedPrompt",
                   "%1\n\nThey are lost when Tiltbench ends. Export the run to a CSV "
                   "file first?")
                   .arg(status);
        goOn = QCoreApplication::translate("UnsavedPrompt", "Quit Without Saving");
        break;
    case Leaving::Run:
        text = QCoreApplication::translate(
                   "UnsavedPrompt",
                   "%1\n\nThey belong to the open run and are given up when another "
                   "run is opened. Export the run to a CSV file first?")
                   .arg(status);
        goOn = QCoreApplication::translate("UnsavedPrompt", "Discard Them");
        break;
    }
    const QStringList buttons { QCoreApplication::translate("UnsavedPrompt", "Export CSV..."), goOn,
                                QCoreApplication::translate("UnsavedPrompt", "Cancel") };
    const int choice
        = messageBoxes.choose(parent, MessageBoxes::Icon::Warning, AppInfo::title(), text, buttons);
    if (choice == 2 || choice < 0)
        return false;
    if (choice == 0) {
        const QString path = fileDialogs.saveFileName(
            parent, QCoreApplication::translate("UnsavedPrompt", "Export CSV"),
            session.suggestedExportName(),
            QCoreApplication::translate("UnsavedPrompt", "CSV files (*.csv)"));
        if (path.isEmpty())
            return false;
        if (const auto error = session.exportCsv(path)) {
            messageBoxes.warning(parent, AppInfo::title(),
                                 QCoreApplication::translate(
                                     "UnsavedPrompt", "The trials could not be exported.\n\n%1: %2")
                                     .arg(error->path, error->cause));
            return false;
        }
    }
    if (leaving == Leaving::Run)
        session.discardUnsaved();
    return true;
}
