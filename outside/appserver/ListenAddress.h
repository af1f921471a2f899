#pragma once

#include <QHostAddress>
#include <QString>

#include <optional>

namespace ktr::appserver {

struct ListenAddress {
    QHostAddress address;
    quint16 port = 0;
};

// Reads "ADDRESS:PORT" ("[ADDRESS]:PORT" for IPv6); nothing when it is not one.
std::optional<ListenAddress> parseListenAddress(const QString &text);

} // namespace ktr::appserver
