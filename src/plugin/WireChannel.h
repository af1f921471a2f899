#pragma once

#include <Object.h>
#include <Variant.h>
#include <WireCodec.h>

#include <QString>

#include <cstdint>
#include <memory>
#include <span>

class QTcpSocket;

namespace ktr::detail {

// The client end of one connection to the application server: framed payloads over TCP,
// with blocking waits bounded by timeouts. Every failure (no connection, dropped connection,
// timeout, malformed answer) raises DispatchError and leaves the channel closed, so that a
// late answer can never be taken for the answer of a later call.
class WireChannel {
public:
    WireChannel();
    ~WireChannel();
    WireChannel(const WireChannel &) = delete;
    WireChannel &operator=(const WireChannel &) = delete;

    void open(const QString &host, quint16 port, int connectTimeoutMs);
    void close() noexcept;
    bool isOpen() const;
    QString peer() const;

    void setCallTimeout(int ms) { m_callTimeoutMs = ms; }
    int callTimeout() const { return m_callTimeoutMs; }

    // Sends one payload and answers the payload of the reply.
    wire::Bytes exchange(std::span<const std::uint8_t> payload);
    // A late-bound call of the server object: the answer, with arguments the server changed
    // written back into args. The server's own refusal is raised as DispatchError.
    Variant call(std::string_view member, InvokeKind kind, std::span<Variant> args);

private:
    [[noreturn]] void fail(const QString &message);

    std::unique_ptr<QTcpSocket> m_socket;
    wire::FrameReader m_reader;
    QString m_host;
    quint16 m_port = 0;
    int m_callTimeoutMs = 60000;
    std::uint32_t m_nextId = 1;
};

} // namespace ktr::detail
