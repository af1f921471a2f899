#include "FrameServer.h"

#include "AppServerLog.h"
#include "ServerConnection.h"

#include <QTcpSocket>

namespace ktr::appserver {

FrameServer::FrameServer(FrameHandlerFactory factory, QObject *parent)
    : QObject(parent), m_factory(std::move(factory))
{
    m_server.setMaxPendingConnections(64);
    connect(&m_server, &QTcpServer::newConnection, this, &FrameServer::acceptConnections);
}

bool FrameServer::listen(const QHostAddress &address, quint16 port)
{
    return m_server.listen(address, port);
}

void FrameServer::acceptConnections()
{
    while (QTcpSocket *socket = m_server.nextPendingConnection()) {
        if (m_connections >= kDefaultMaxConnections) {
            qCWarning(lcAppServer, "Refusing a connection from %s: %d connections are open",
                      qPrintable(socket->peerAddress().toString()), m_connections);
            socket->abort();
            socket->deleteLater();
            continue;
        }
        auto *connection = new ServerConnection(socket, m_factory(), m_maxFrameBytes, this);
        ++m_connections;
        connect(connection, &ServerConnection::finished, this, [this] { --m_connections; });
    }
}

} // namespace ktr::appserver
