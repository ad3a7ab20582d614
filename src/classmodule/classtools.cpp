#include "classtools.h"

#include "classmessages.h"
#include "classsender.h"
#include "classserver.h"
#include "frmclassresults.h"
#include "frmclassserver.h"

#include <QCoreApplication>

namespace {

// A sender with its connection, for the whole run.
class SendingStation : public ClassStation
{
public:
    SendingStation(ClassOutbox &outbox, std::unique_ptr<ClassConnection> connection,
                   const ClassServerSettings &settings, std::function<void()> statusChanged)
        : m_settings(settings)
        , m_connection(std::move(connection))
        , m_sender(outbox, *m_connection)
    {
        QObject::connect(&m_sender, &ClassSender::statusChanged, &m_sender,
                         std::move(statusChanged));
        m_sender.start();
    }

    void queued() override { m_sender.queued(); }
    QString status() const override { return ClassMessages::status(m_sender.status()); }
    QString details() const override
    {
        const ClassSender::Status status = m_sender.status();
        if (status.state == ClassSender::State::Offline)
            return ClassMessages::describe(status.fault, m_settings);
        return QCoreApplication::translate("ClassTools",
                                           "Every trial goes to the class server (%1) as well.")
            .arg(ClassMessages::server(m_settings));
    }

private:
    ClassServerSettings m_settings;
    std::unique_ptr<ClassConnection> m_connection;
    ClassSender m_sender;
};

} // namespace

ClassTools::ClassTools(ClassServer &server)
    : m_server(server)
{
}

std::unique_ptr<QDialog> ClassTools::classServerDialog(SettingsStore &settingsStore,
                                                       FileDialogs &fileDialogs,
                                                       MessageBoxes &messageBoxes, QWidget *parent)
{
    return std::make_unique<frmClassServer>(m_server, settingsStore, fileDialogs, messageBoxes,
                                            parent);
}

QWidget *ClassTools::classResults(const ClassServerSettings &settings, FileDialogs &fileDialogs,
                                  DataFiles &files, MessageBoxes &messageBoxes, QDate today)
{
    return new frmClassResults(m_server.connect(settings), settings, fileDialogs, files,
                               messageBoxes, today);
}

std::unique_ptr<ClassStation> ClassTools::station(ClassOutbox &outbox,
                                                  const ClassServerSettings &settings,
                                                  std::function<void()> statusChanged)
{
    return std::make_unique<SendingStation>(outbox, m_server.connect(settings), settings,
                                            std::move(statusChanged));
}
