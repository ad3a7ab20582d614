#pragma once

#include "frmmotorcontrol.h"
#include "qtserialport.h"
#include "recordingmessageboxes.h"

// Tiltbench's main window in this process, over the real serial layer on port 1, shown (offscreen)
// as the operator would have it.
class StationOnPort
{
public:
    StationOnPort();

    // Shows the window; false, with *error, when it did not show or its port did not open.
    bool show(QString *error);

    frmMotorControl &window() { return m_window; }

private:
    QtSerialPort m_port;
    RecordingMessageBoxes m_boxes;
    frmMotorControl m_window;
};
