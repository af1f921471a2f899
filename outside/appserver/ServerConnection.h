#pragma once

#include "FrameHandler.h"

#include <WireCodec.h>

#include <QObject>
#include <QTimer>

#include <memory>

class QTcpSocket;

namespace ktr::appserver {

// One client connection of a FrameServer: reads frames, has them handled, writes the
// replies. Deletes itself when the socket is gone.
class ServerConnection : public QObject {
    Q_OBJECT
public:
    // A frame begun and not completed within this time closes the connection.
    static constexpr int kStalledFrameMs = 60000;

    ServerConnection(QTcpSocket *socket, std::unique_ptr<FrameHandler> handler,
                     std::size_t maxFrameBytes, QObject *parent);
    ~ServerConnection() override;

signals:
    void finished();

private:
    void readFrames();
    void close(const char *reason);

    QTcpSocket *m_socket; // owned as a child
    std::unique_ptr<FrameHandler> m_handler;
    wire::FrameReader m_reader;
    wire::Bytes m_input;
    QTimer m_stallTimer;
    bool m_closing = false;
};

} // namespace ktr::appserver
