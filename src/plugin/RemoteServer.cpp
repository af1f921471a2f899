#include "RemoteServer.h"

TRemoteServer::TRemoteServer(std::shared_ptr<ktr::detail::WireChannel> channel)
    : m_channel(std::move(channel))
{
}

ktr::Variant TRemoteServer::invoke(std::string_view name, ktr::InvokeKind kind,
                                   std::span<ktr::Variant> args)
{
    return m_channel->call(name, kind, args);
}
