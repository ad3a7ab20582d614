#include "frmclassserver.h"

#include "appinfo.h"
#include "classmessages.h"
#include "classserver.h"
#include "filedialogs.h"
#include "messageboxes.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

namespace {

template<typename Widget> Widget *named(Widget *widget, const char *name)
{
    widget->setObjectName(QLatin1String(name));
    return widget;
}

void describe(QWidget *widget, const QString &description)
{
    widget->setToolTip(description);
    widget->setAccessibleDescription(description);
}

} // namespace

frmClassServer::frmClassServer(ClassServer &server, SettingsStore &settingsStore,
                               FileDialogs &fileDialogs, MessageBoxes &messageBoxes,
                               QWidget *parent)
    : QDialog(parent)
    , m_server(server)
    , m_settingsStore(settingsStore)
    , m_fileDialogs(fileDialogs)
    , m_messageBoxes(messageBoxes)
{
    setObjectName(QStringLiteral("frmClassServer"));
    setWindowTitle(tr("Class Server"));
    setModal(true);
    buildControls();
    showSettings(ClassServerSettings::read(m_settingsStore));

    if (!m_server.driverAvailable()) {
        lblDriver->setText(
            ClassMessages::describe({ ClassFault::Kind::DriverMissing, {}, {} }, settings()));
        lblDriver->show();
    }

    connect(txtService, &QLineEdit::textChanged, this, &frmClassServer::enableFields);
    connect(cboTls, &QComboBox::currentIndexChanged, this, &frmClassServer::enableFields);
    connect(btnTest, &QPushButton::clicked, this, &frmClassServer::btnTest_Click);
    connect(btnBrowseCa, &QPushButton::clicked, this, &frmClassServer::btnBrowseCa_Click);
    connect(m_buttons, &QDialogButtonBox::accepted, this, &frmClassServer::btnOK_Click);
    connect(m_buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    enableFields();
}

// The test connection may still be waiting on the network; it is left to end by itself.
frmClassServer::~frmClassServer() = default;

void frmClassServer::buildControls()
{
    auto *top = new QVBoxLayout(this);

    lblDriver = named(new QLabel(this), "lblDriver");
    lblDriver->setWordWrap(true);
    lblDriver->setFrameShape(QFrame::StyledPanel);
    lblDriver->setTextInteractionFlags(Qt::TextSelectableByMouse);
    lblDriver->hide();
    top->addWidget(lblDriver);

    auto *form = new QFormLayout;
    txtHost = named(new QLineEdit(this), "txtHost");
    describe(txtHost, tr("The class server's host name or address"));
    spnPort = named(new QSpinBox(this), "spnPort");
    spnPort->setRange(1, 65535);
    describe(spnPort, tr("PostgreSQL's port, usually 5432"));
    txtDatabase = named(new QLineEdit(this), "txtDatabase");
    describe(txtDatabase, tr("The class's database on the server"));
    txtStation = named(new QLineEdit(this), "txtStation");
    describe(txtStation, tr("This bench's login on the server; its trials are filed under it"));
    cboTls = named(new QComboBox(this), "cboTls");
    for (auto tls : { ClassServerSettings::Tls::Prefer, ClassServerSettings::Tls::Require,
                      ClassServerSettings::Tls::VerifyFull })
        cboTls->addItem(ClassServerSettings::tlsText(tls), int(tls));
    describe(cboTls,
             tr("prefer: TLS where the server offers it; require: only with TLS; "
                "verify-full: only with TLS, to a server whose certificate the CA "
                "file vouches for"));
    txtCaFile = named(new QLineEdit(this), "txtCaFile");
    describe(txtCaFile,
             tr("The certificate authority that signed the server's "
                "certificate (verify-full)"));
    btnBrowseCa = named(new QPushButton(tr("&Browse..."), this), "btnBrowseCa");
    btnBrowseCa->setAutoDefault(false);
    auto *caRow = new QHBoxLayout;
    caRow->addWidget(txtCaFile, 1);
    caRow->addWidget(btnBrowseCa);
    txtService = named(new QLineEdit(this), "txtService");
    describe(txtService,
             tr("A service of pg_service.conf; when given, it replaces "
                "all the fields above"));

    const auto row = [this, form](const QString &caption, QWidget *field, QLayout *layout) {
        auto *label = new QLabel(caption, this);
        label->setBuddy(field);
        field->setAccessibleName(QString(caption).remove(u'&'));
        if (layout)
            form->addRow(label, layout);
        else
            form->addRow(label, field);
    };
    row(tr("&Host:"), txtHost, nullptr);
    row(tr("&Port:"), spnPort, nullptr);
    row(tr("&Database:"), txtDatabase, nullptr);
    row(tr("&Station name:"), txtStation, nullptr);
    row(tr("T&LS:"), cboTls, nullptr);
    row(tr("&CA file:"), txtCaFile, caRow);
    row(tr("Or ser&vice:"), txtService, nullptr);
    top->addLayout(form);

    auto *passwords
        = named(new QLabel(tr("Tiltbench stores no password: libpq reads it from ~/.pgpass "
                              "(or the file PGPASSFILE names)."),
                           this),
                "lblPasswords");
    passwords->setWordWrap(true);
    top->addWidget(passwords);

    auto *testRow = new QHBoxLayout;
    btnTest = named(new QPushButton(tr("&Test Connection"), this), "btnTest");
    btnTest->setAutoDefault(false);
    describe(btnTest, tr("Connect with the settings above and say what failed"));
    testRow->addWidget(btnTest);
    testRow->addStretch(1);
    top->addLayout(testRow);
    lblTestResult = named(new QLabel(this), "lblTestResult");
    lblTestResult->setWordWrap(true);
    lblTestResult->setTextInteractionFlags(Qt::TextSelectableByMouse);
    lblTestResult->setMinimumWidth(440);
    top->addWidget(lblTestResult);

    m_buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    m_buttons->button(QDialogButtonBox::Ok)->setObjectName(QStringLiteral("btnOK"));
    m_buttons->button(QDialogButtonBox::Cancel)->setObjectName(QStringLiteral("btnCancel"));
    top->addStretch(1);
    top->addWidget(m_buttons);
}

void frmClassServer::showSettings(const ClassServerSettings &settings)
{
    txtHost->setText(settings.host);
    spnPort->setValue(settings.port);
    txtDatabase->setText(settings.database);
    txtStation->setText(settings.station.isEmpty() ? ClassServerSettings::defaultStation()
                                                   : settings.station);
    cboTls->setCurrentIndex(cboTls->findData(int(settings.tls)));
    txtCaFile->setText(settings.caFile);
    txtService->setText(settings.service);
}

ClassServerSettings frmClassServer::settings() const
{
    ClassServerSettings settings;
    settings.host = txtHost->text().trimmed();
    settings.port = spnPort->value();
    settings.database = txtDatabase->text().trimmed();
    settings.station = txtStation->text().trimmed();
    if (settings.station.isEmpty())
        settings.station = ClassServerSettings::defaultStation();
    settings.tls = ClassServerSettings::Tls(cboTls->currentData().toInt());
    settings.caFile = txtCaFile->text().trimmed();
    settings.service = txtService->text().trimmed();
    return settings;
}

void frmClassServer::enableFields()
{
    const bool direct = txtService->text().trimmed().isEmpty();
    for (QWidget *field :
         std::initializer_list<QWidget *> { txtHost, spnPort, txtDatabase, txtStation, cboTls })
        field->setEnabled(direct);
    const bool verify
        = direct && cboTls->currentData().toInt() == int(ClassServerSettings::Tls::VerifyFull);
    txtCaFile->setEnabled(verify);
    btnBrowseCa->setEnabled(verify);
}

void frmClassServer::btnTest_Click()
{
    m_tested = settings();
    if (!m_tested.isConfigured()) {
        lblTestResult->setText(tr("Give a host or a service first."));
        return;
    }
    // A new test replaces one still waiting: only the latest answer is shown.
    m_test = m_server.connect(m_tested);
    connect(m_test.get(), &ClassConnection::opened, this, &frmClassServer::testOpened);
    connect(m_test.get(), &ClassConnection::failed, this, &frmClassServer::testFailed);
    lblTestResult->setText(tr("Connecting to %1...").arg(ClassMessages::server(m_tested)));
    m_test->open();
}

void frmClassServer::testOpened(const ClassLogin &login)
{
    QString rights;
    if (login.station && login.instructor)
        rights = tr("it sends this bench's trials and reads every station's");
    else if (login.station)
        rights = tr("it sends this bench's trials");
    else
        rights = tr("it reads every station's trials (it cannot send)");
    lblTestResult->setText(tr("Connected to %1 as \"%2\": %3.")
                               .arg(ClassMessages::server(m_tested), login.user, rights));
    m_test.release()->deleteLater();
}

void frmClassServer::testFailed(const ClassFault &fault)
{
    lblTestResult->setText(ClassMessages::describe(fault, m_tested));
    m_test.release()->deleteLater();
}

void frmClassServer::btnBrowseCa_Click()
{
    const QString path = m_fileDialogs.openFileName(
        this, tr("CA File"), tr("Certificates (*.crt *.pem *.cer);;All files (*)"));
    if (!path.isEmpty())
        txtCaFile->setText(path);
}

void frmClassServer::btnOK_Click()
{
    if (!settings().write(m_settingsStore)) {
        m_messageBoxes.warning(this, AppInfo::title(),
                               tr("The class server settings could not be saved in "
                                  "Tiltbench's settings file. Check that your "
                                  "configuration folder is writable."));
        return;
    }
    accept();
}
