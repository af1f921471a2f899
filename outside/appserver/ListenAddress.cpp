#include "ListenAddress.h"

namespace ktr::appserver {

std::optional<ListenAddress> parseListenAddress(const QString &text)
{
    const qsizetype colon = text.lastIndexOf(QLatin1Char(':'));
    if (colon <= 0)
        return std::nullopt;
    QString host = text.left(colon);
    if (host.startsWith(QLatin1Char('[')) && host.endsWith(QLatin1Char(']')))
        host = host.mid(1, host.size() - 2);
    bool ok = false;
    const uint port = text.mid(colon + 1).toUInt(&ok);
    QHostAddress address;
    if (!ok || port > 65535 || !address.setAddress(host))
        return std::nullopt;
    return ListenAddress{address, static_cast<quint16>(port)};
}

} // namespace ktr::appserver
