#include "stationonport.h"

#include "serialport.h"

#include <QTest>

StationOnPort::StationOnPort()
    : m_program(&m_boxes)
    , m_windows(m_program.services())
{
}

bool StationOnPort::show(QString *error)
{
    m_windows.start();
    if (!QTest::qWaitForWindowExposed(&window())) {
        *error = QStringLiteral("the main window was not shown");
        return false;
    }
    if (!m_boxes.texts().isEmpty() || !m_program.services().port.PortOpen()) {
        *error
            = QStringLiteral("port 1 did not open: %1").arg(m_boxes.texts().join(QLatin1Char(' ')));
        return false;
    }
    return true;
}
