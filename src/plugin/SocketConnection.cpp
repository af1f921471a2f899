#include "SocketConnection.h"

#include "RemoteServer.h"
#include "WireChannel.h"

TSocketConnection::TSocketConnection(QObject *owner)
    : TComponent(owner), m_channel(std::make_shared<ktr::detail::WireChannel>())
{
    m_channel->setCallTimeout(kDefaultCallTimeoutMs);
}

TSocketConnection::~TSocketConnection()
{
    Close();
}

int TSocketConnection::CallTimeout() const
{
    return m_channel->callTimeout();
}

void TSocketConnection::SetCallTimeout(int ms)
{
    m_channel->setCallTimeout(ms);
}

bool TSocketConnection::Connected() const
{
    return m_remote && m_channel->isOpen();
}

void TSocketConnection::SetConnected(bool connected)
{
    if (connected == Connected())
        return;
    if (connected)
        Open();
    else
        Close();
}

void TSocketConnection::Open()
{
    Close();
    if (m_address.trimmed().isEmpty())
        throw ktr::DispatchError("The connection to the application server has no address");
    if (m_serverName.trimmed().isEmpty())
        throw ktr::DispatchError("The connection to the application server has no server name");
    if (m_port < 1 || m_port > 65535)
        throw ktr::DispatchError("The port of the application server must be 1 to 65535, not " +
                                 std::to_string(m_port));
    m_channel->open(m_address.trimmed(), quint16(m_port), m_connectTimeoutMs);
    ktr::Variant className = ktr::Variant::wideText(m_serverName.trimmed().toStdString());
    try {
        m_channel->call(kOpenServerCall, ktr::InvokeKind::Method, std::span(&className, 1));
    } catch (...) {
        m_channel->close();
        throw;
    }
    m_inProcess.reset();
    m_remote = ktr::ObjectRef(new TRemoteServer(m_channel));
}

void TSocketConnection::Close()
{
    m_remote.reset();
    m_channel->close();
}

ktr::ObjectRef TSocketConnection::AppServer() const
{
    if (m_inProcess)
        return m_inProcess;
    return Connected() ? m_remote : ktr::ObjectRef();
}

void TSocketConnection::SetAppServer(ktr::ObjectRef server)
{
    m_inProcess = std::move(server);
}

ktr::wire::Bytes TSocketConnection::Exchange(std::span<const std::uint8_t> payload)
{
    return m_channel->exchange(payload);
}
