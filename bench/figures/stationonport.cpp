#include "stationonport.h"

#include <QTest>

StationOnPort::StationOnPort()
    : m_window(m_port, m_boxes)
{
}

bool StationOnPort::show(QString *error)
{
    m_window.show();
    if (!QTest::qWaitForWindowExposed(&m_window)) {
        *error = QStringLiteral("the main window was not shown");
        return false;
    }
    if (!m_boxes.texts().isEmpty() || !m_port.PortOpen()) {
        *error
            = QStringLiteral("port 1 did not open: %1").arg(m_boxes.texts().join(QLatin1Char(' ')));
        return false;
    }
    return true;
}
