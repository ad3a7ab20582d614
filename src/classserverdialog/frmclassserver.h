#pragma once

// The Class Server dialog's room: where this bench sends its trials, and a test of the connection.

#include "classserversettings.h"

#include <QDialog>

#include <memory>

QT_BEGIN_NAMESPACE
class QComboBox;
class QDialogButtonBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QSpinBox;
QT_END_NAMESPACE

class ClassConnection;
class ClassServer;
struct ClassFault;
struct ClassLogin;
class FileDialogs;
class MessageBoxes;
class SettingsStore;

// Options > Class Server...: the server's host, port and database, this bench's station name
// (its login), the TLS mode with a CA file for verify-full, or a libpq service name in place of
// all of them. Test Connection tries the settings as they stand, off the window's thread, and
// says what failed. OK stores them; passwords are never asked for here, libpq reads them from
// the user's password file.
class frmClassServer : public QDialog
{
    Q_OBJECT

public:
    frmClassServer(ClassServer &server, SettingsStore &settingsStore, FileDialogs &fileDialogs,
                   MessageBoxes &messageBoxes, QWidget *parent = nullptr);
    ~frmClassServer() override;

private:
    // The settings as the fields hold them.
    ClassServerSettings settings() const;

    void buildControls();
    void showSettings(const ClassServerSettings &settings);
    void enableFields();
    void btnTest_Click();
    void btnBrowseCa_Click();
    void btnOK_Click();
    void testOpened(const ClassLogin &login);
    void testFailed(const ClassFault &fault);

    ClassServer &m_server;
    SettingsStore &m_settingsStore;
    FileDialogs &m_fileDialogs;
    MessageBoxes &m_messageBoxes;
    std::unique_ptr<ClassConnection> m_test;
    ClassServerSettings m_tested;

    QLabel *lblDriver = nullptr;
    QLineEdit *txtHost = nullptr;
    QSpinBox *spnPort = nullptr;
    QLineEdit *txtDatabase = nullptr;
    QLineEdit *txtStation = nullptr;
    QComboBox *cboTls = nullptr;
    QLineEdit *txtCaFile = nullptr;
    QPushButton *btnBrowseCa = nullptr;
    QLineEdit *txtService = nullptr;
    QPushButton *btnTest = nullptr;
    QLabel *lblTestResult = nullptr;
    QDialogButtonBox *m_buttons = nullptr;
};
