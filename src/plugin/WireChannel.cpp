#include "WireChannel.h"

#include <QDeadlineTimer>
#include <QTcpSocket>

namespace ktr::detail {

namespace {

// Replies are small; a server that announces more than this is not in step with us.
constexpr std::size_t kMaxReplyBytes = 64u * 1024u * 1024u;

} // namespace

WireChannel::WireChannel() : m_reader(kMaxReplyBytes) {}

WireChannel::~WireChannel()
{
    close();
}

QString WireChannel::peer() const
{
    return m_host + QLatin1Char(':') + QString::number(m_port);
}

bool WireChannel::isOpen() const
{
    return m_socket && m_socket->state() == QAbstractSocket::ConnectedState;
}

void WireChannel::open(const QString &host, quint16 port, int connectTimeoutMs)
{
    close();
    m_host = host;
    m_port = port;
    m_socket = std::make_unique<QTcpSocket>();
    m_socket->connectToHost(host, port);
    if (!m_socket->waitForConnected(connectTimeoutMs)) {
        const QString reason = m_socket->error() == QAbstractSocket::SocketTimeoutError
                                   ? QStringLiteral("no answer within %1 ms").arg(connectTimeoutMs)
                                   : m_socket->errorString();
        m_socket.reset();
        throw DispatchError(QStringLiteral("Cannot connect to the application server at %1: %2")
                                .arg(peer(), reason)
                                .toStdString());
    }
    m_socket->setSocketOption(QAbstractSocket::LowDelayOption, 1);
    m_reader = wire::FrameReader(kMaxReplyBytes);
}

void WireChannel::close() noexcept
{
    if (m_socket) {
        m_socket->abort();
        m_socket.reset();
    }
    m_reader = wire::FrameReader(kMaxReplyBytes);
}

void WireChannel::fail(const QString &message)
{
    close();
    throw DispatchError(message.toStdString());
}

wire::Bytes WireChannel::exchange(std::span<const std::uint8_t> payload)
{
    if (!isOpen())
        fail(QStringLiteral("Not connected to the application server at %1").arg(peer()));
    const wire::Bytes framed = wire::frame(payload);
    if (m_socket->write(reinterpret_cast<const char *>(framed.data()), qint64(framed.size())) !=
        qint64(framed.size()))
        fail(QStringLiteral("Cannot send to the application server at %1: %2").arg(peer(), m_socket->errorString()));
    const QDeadlineTimer deadline(m_callTimeoutMs);
    while (m_socket->bytesToWrite() > 0) {
        if (!m_socket->waitForBytesWritten(int(deadline.remainingTime())))
            break; // an error or timeout shows again while waiting for the answer
    }
    try {
        for (;;) {
            if (std::optional<wire::Bytes> reply = m_reader.next())
                return std::move(*reply);
            if (m_socket->bytesAvailable() == 0 && !m_socket->waitForReadyRead(int(deadline.remainingTime()))) {
                if (m_socket->state() != QAbstractSocket::ConnectedState ||
                    m_socket->error() == QAbstractSocket::RemoteHostClosedError)
                    fail(QStringLiteral("The connection to the application server at %1 was lost").arg(peer()));
                if (deadline.hasExpired())
                    fail(QStringLiteral("The application server at %1 did not answer within %2 ms")
                             .arg(peer())
                             .arg(m_callTimeoutMs));
                fail(QStringLiteral("Cannot read from the application server at %1: %2")
                         .arg(peer(), m_socket->errorString()));
            }
            const QByteArray data = m_socket->readAll();
            m_reader.feed(std::span(reinterpret_cast<const std::uint8_t *>(data.constData()),
                                    std::size_t(data.size())));
        }
    } catch (const wire::WireError &e) {
        fail(QStringLiteral("Refused answer from the application server at %1: %2")
                 .arg(peer(), QString::fromUtf8(e.what())));
    }
}

Variant WireChannel::call(std::string_view member, InvokeKind kind, std::span<Variant> args)
{
    wire::CallMessage message;
    message.id = m_nextId++;
    if (m_nextId == 0)
        m_nextId = 1; // 0 marks answers that belong to no call
    message.member = std::string(member);
    message.kind = kind;
    message.args.assign(args.begin(), args.end());
    wire::Bytes payload;
    try {
        payload = wire::encodeCall(message);
    } catch (const wire::WireError &e) {
        throw DispatchError("Cannot send " + message.member + " to the application server: " + e.what());
    }
    const wire::Bytes answer = exchange(payload);
    wire::ReplyMessage reply;
    try {
        reply = wire::decodeReply(answer);
    } catch (const wire::WireError &e) {
        fail(QStringLiteral("Refused answer to %1 from the application server at %2: %3")
                 .arg(QString::fromStdString(message.member), peer(), QString::fromUtf8(e.what())));
    }
    if (reply.id != message.id) {
        if (reply.id == 0 && !reply.ok) // the server refused the connection's input as a whole
            fail(QString::fromStdString(reply.error));
        fail(QStringLiteral("The application server at %1 answered call %2 instead of %3")
                 .arg(peer())
                 .arg(reply.id)
                 .arg(message.id));
    }
    if (!reply.ok)
        throw DispatchError(reply.error);
    if (!reply.args.empty()) {
        if (reply.args.size() != args.size())
            fail(QStringLiteral("The application server at %1 answered %2 with %3 arguments for %4")
                     .arg(peer(), QString::fromStdString(message.member))
                     .arg(reply.args.size())
                     .arg(args.size()));
        std::move(reply.args.begin(), reply.args.end(), args.begin());
    }
    return std::move(reply.result);
}

} // namespace ktr::detail
