#pragma once

#include <QString>

QT_BEGIN_NAMESPACE
class QWidget;
QT_END_NAMESPACE

class FileDialogs;
class MessageBoxes;
class ResultsSession;

// Asks before anything would leave unsaved trials behind: closing the Results window, ending the
// program, or turning to another run. It offers to export the open run to a CSV file first.
namespace UnsavedPrompt {

enum class Leaving {
    // The trials stay in memory while the program runs.
    Window,
    // The trials are lost when the program ends.
    Program,
    // Another run is opened; the unsaved trials of this one are given up.
    Run
};

// True when nothing is unsaved, or the operator exported the trials, or chose to go on without
// them (for another run, they are then discarded).
bool allows(Leaving leaving, ResultsSession &session, MessageBoxes &messageBoxes,
            FileDialogs &fileDialogs, QWidget *parent);

} // namespace UnsavedPrompt
