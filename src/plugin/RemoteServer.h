#pragma once

#include "WireChannel.h"

#include <Object.h>

#include <memory>

// The application server's object as the client sees it over a socket connection: every
// member is invoked on the server through the wire codec. It shares the connection's channel
// and outlives it harmlessly: once the connection is closed every call raises DispatchError.
class TRemoteServer : public ktr::Object {
public:
    explicit TRemoteServer(std::shared_ptr<ktr::detail::WireChannel> channel);

    ktr::Variant invoke(std::string_view name, ktr::InvokeKind kind, std::span<ktr::Variant> args) override;

private:
    std::shared_ptr<ktr::detail::WireChannel> m_channel;
};
