#pragma once

#include "registry.h"
#include "sysinfolauncher.h"

#include <QDialog>

QT_BEGIN_NAMESPACE
class QLabel;
class QPushButton;
QT_END_NAMESPACE

// The About box: icon, title, version, description and credits, with OK and System Info buttons.
// It keeps nothing between showings; the texts that depend on the program are filled each time it
// is shown.
class frmAbout : public QDialog
{
    Q_OBJECT

public:
    frmAbout(Registry &registry, FileChecks &files, ProgramStarter &programs, MessageBoxes &boxes,
             SysInfoTools &tools, QWidget *parent = nullptr);

    void StartSysInfo();
    bool GetKeyValue(Registry::Root KeyRoot, const QString &KeyName, const QString &SubKeyRef,
                     QString &KeyVal);

protected:
    void showEvent(QShowEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    void Form_Load();
    void cmdOK_Click();
    void cmdSysInfo_Click();

    SysInfoLauncher m_launcher;

    QLabel *picIcon;
    QPushButton *cmdOK;
    QPushButton *cmdSysInfo;
    QLabel *lblThanks;
    QLabel *lblNames;
    QLabel *lblTeam;
    QLabel *lblDescription;
    QLabel *lblTitle;
    QLabel *lblVersion;
    QLabel *lblDisclaimer;
};
