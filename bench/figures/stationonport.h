#pragma once

#include "frmmotorcontrol.h"
#include "programservices.h"
#include "recordingmessageboxes.h"
#include "windowmanager.h"

// Tiltbench in this process as main() starts it, with the real serial layer and traffic recorder on
// port 1, its main window shown (offscreen) as the operator would have it.
class StationOnPort
{
public:
    StationOnPort();

    // Shows the window; false, with *error, when it did not show or its port did not open.
    bool show(QString *error);

    frmMotorControl &window() { return *m_windows.mainWindow(); }

private:
    RecordingMessageBoxes m_boxes;
    ProgramServices m_program;
    WindowManager m_windows;
};
