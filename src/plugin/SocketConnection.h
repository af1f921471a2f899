#pragma once

#include <Component.h>
#include <Object.h>
#include <WireCodec.h>

#include <QString>

#include <memory>

namespace ktr::detail {
class WireChannel;
}

// The socket connection to the application server (the forms' MainMidas): address, port and
// the class name of the server object; Open connects and opens that object on the server,
// AppServer() is then a late-bound proxy of it. For a server running inside the client
// (address 127.0.0.1) the form creates the object itself and hands it over with
// SetAppServer; no socket is opened then.
//
// Calls wait at most CallTimeout milliseconds; a dropped connection, a timeout or an answer
// out of step raises DispatchError at the caller and closes the connection.
class TSocketConnection : public TComponent {
    Q_OBJECT
    Q_PROPERTY(QString Address READ Address WRITE SetAddress)
    Q_PROPERTY(int Port READ Port WRITE SetPort)
    Q_PROPERTY(QString ServerName READ ServerName WRITE SetServerName)
    Q_PROPERTY(bool Connected READ Connected WRITE SetConnected)
    Q_PROPERTY(int ConnectTimeout READ ConnectTimeout WRITE SetConnectTimeout)
    Q_PROPERTY(int CallTimeout READ CallTimeout WRITE SetCallTimeout)
public:
    static constexpr int kDefaultPort = 211;
    static constexpr int kDefaultConnectTimeoutMs = 5000;
    static constexpr int kDefaultCallTimeoutMs = 60000;
    // The first call on a new connection: opens the server object of the given class.
    static constexpr const char *kOpenServerCall = "@OpenServer";

    explicit TSocketConnection(QObject *owner = nullptr);
    ~TSocketConnection() override;

    QString Address() const { return m_address; }
    void SetAddress(const QString &address) { m_address = address; }
    int Port() const { return m_port; }
    void SetPort(int port) { m_port = port; }
    QString ServerName() const { return m_serverName; }
    void SetServerName(const QString &name) { m_serverName = name; }
    int ConnectTimeout() const { return m_connectTimeoutMs; }
    void SetConnectTimeout(int ms) { m_connectTimeoutMs = ms; }
    int CallTimeout() const;
    void SetCallTimeout(int ms);

    bool Connected() const;
    void SetConnected(bool connected);
    // Connects and opens the server object; raises DispatchError when either fails.
    void Open();
    void Close();

    // The server object: the proxy while connected, the object handed over by SetAppServer,
    // or an empty reference.
    ktr::ObjectRef AppServer() const;
    // Hands over a server object that runs in this process; an empty reference takes it back.
    void SetAppServer(ktr::ObjectRef server);

    // Sends one payload over the open connection and answers the reply's payload, bypassing
    // the call layer (for transport measurements).
    ktr::wire::Bytes Exchange(std::span<const std::uint8_t> payload);

private:
    std::shared_ptr<ktr::detail::WireChannel> m_channel;
    ktr::ObjectRef m_remote;
    ktr::ObjectRef m_inProcess;
    QString m_address;
    int m_port = kDefaultPort;
    QString m_serverName;
    int m_connectTimeoutMs = kDefaultConnectTimeoutMs;
};
