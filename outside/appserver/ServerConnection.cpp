#include "ServerConnection.h"

#include "AppServerLog.h"

#include <QTcpSocket>

#include <algorithm>
#include <iterator>

namespace ktr::appserver {

ServerConnection::ServerConnection(QTcpSocket *socket, std::unique_ptr<FrameHandler> handler,
                                   std::size_t maxFrameBytes, QObject *parent)
    : QObject(parent), m_socket(socket), m_handler(std::move(handler)), m_reader(maxFrameBytes)
{
    m_socket->setParent(this);
    m_socket->setSocketOption(QAbstractSocket::LowDelayOption, 1);
    m_stallTimer.setSingleShot(true);
    m_stallTimer.setInterval(kStalledFrameMs);
    connect(&m_stallTimer, &QTimer::timeout, this, [this] { close("a frame stalled half-way"); });
    connect(m_socket, &QTcpSocket::readyRead, this, &ServerConnection::readFrames);
    connect(m_socket, &QTcpSocket::disconnected, this, &QObject::deleteLater);
    if (m_socket->state() != QAbstractSocket::ConnectedState)
        deleteLater();
}

ServerConnection::~ServerConnection()
{
    emit finished();
}

void ServerConnection::readFrames()
{
    if (m_closing) {
        m_socket->readAll(); // input after a refusal is discarded
        return;
    }
    try {
        // The input goes through one buffer kept for the connection's life.
        m_input.resize(static_cast<std::size_t>(std::max<qint64>(m_socket->bytesAvailable(), 0)));
        const qint64 got = m_socket->read(reinterpret_cast<char *>(m_input.data()), qint64(m_input.size()));
        m_reader.feed(std::span(m_input.data(), static_cast<std::size_t>(std::max<qint64>(got, 0))));
        std::vector<Variant> releaseAfterReply;
        while (std::optional<std::span<const std::uint8_t>> payload = m_reader.nextView()) {
            FrameOutcome outcome = m_handler->handle(*payload);
            const wire::Bytes framed = wire::frame(outcome.reply);
            m_socket->write(reinterpret_cast<const char *>(framed.data()),
                            static_cast<qint64>(framed.size()));
            std::move(outcome.releaseAfterReply.begin(), outcome.releaseAfterReply.end(),
                      std::back_inserter(releaseAfterReply));
            if (outcome.closeAfterReply) {
                close("it sent a malformed call");
                return;
            }
        }
        m_socket->flush();
    } catch (const wire::WireError &e) {
        // An oversized frame: nothing after its header can be trusted to be in step.
        const wire::Bytes framed = wire::frame(errorReply(0, std::string("Refused frame: ") + e.what()));
        m_socket->write(reinterpret_cast<const char *>(framed.data()), static_cast<qint64>(framed.size()));
        close(e.what());
        return;
    } catch (const std::exception &e) {
        // Nothing may leave a slot; whatever went wrong belongs to this connection alone.
        qCWarning(lcAppServer, "Serving a frame failed: %s", e.what());
        close(e.what());
        return;
    }
    if (m_reader.buffered() > 0)
        m_stallTimer.start();
    else if (m_stallTimer.isActive())
        m_stallTimer.stop();
}

void ServerConnection::close(const char *reason)
{
    qCInfo(lcAppServer, "Closing the connection of %s: %s",
           qPrintable(m_socket->peerAddress().toString()), reason);
    m_closing = true;
    m_stallTimer.stop();
    m_socket->disconnectFromHost();
}

} // namespace ktr::appserver
