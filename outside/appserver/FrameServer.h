#pragma once

#include "FrameHandler.h"
#include "ktrappserver_global.h"

#include <QHostAddress>
#include <QObject>
#include <QTcpServer>

#include <cstddef>

namespace ktr::appserver {

// A TCP server of length-framed payloads: each connection gets its own handler from the
// factory, and every whole payload it receives is answered in order. A connection that sends
// an oversized or undecodable frame, stalls in the middle of a frame, or drops, is closed
// alone; the others go on. Runs in the thread that owns it.
class KTRAPPSERVER_EXPORT FrameServer : public QObject {
    Q_OBJECT
public:
    static constexpr std::size_t kDefaultMaxFrameBytes = 16u * 1024u * 1024u;
    static constexpr int kDefaultMaxConnections = 256;

    explicit FrameServer(FrameHandlerFactory factory, QObject *parent = nullptr);

    bool listen(const QHostAddress &address, quint16 port);
    QHostAddress serverAddress() const { return m_server.serverAddress(); }
    quint16 serverPort() const { return m_server.serverPort(); }
    QString errorString() const { return m_server.errorString(); }
    int connectionCount() const { return m_connections; }

    void setMaxFrameBytes(std::size_t bytes) { m_maxFrameBytes = bytes; }

private:
    void acceptConnections();

    QTcpServer m_server;
    FrameHandlerFactory m_factory;
    std::size_t m_maxFrameBytes = kDefaultMaxFrameBytes;
    int m_connections = 0;
};

} // namespace ktr::appserver
