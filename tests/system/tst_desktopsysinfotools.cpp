#include "desktopsysinfotools.h"

#include <QTest>

// The Linux desktops' programs, in the order the About box tries them: the dedicated tools first
// (the new HardInfo before the old one), the system monitors last.
class tst_DesktopSysInfoTools : public QObject
{
    Q_OBJECT

private slots:
    void linuxOrder();
};

void tst_DesktopSysInfoTools::linuxOrder()
{
    QCOMPARE(DesktopSysInfoTools().fallbackTools(),
             QStringList({ "kinfocenter", "hardinfo2", "hardinfo", "cpu-x", "gnome-system-monitor",
                           "mate-system-monitor" }));
}

QTEST_APPLESS_MAIN(tst_DesktopSysInfoTools)
#include "tst_desktopsysinfotools.moc"
