#pragma once

#include "FrameHandler.h"
#include "ktrappserver_global.h"

#include <Object.h>

#include <functional>
#include <string_view>

namespace ktr::appserver {

// Serves the late-bound calls of one connection. The client first opens its server object by
// class name with the call "@OpenServer"(class name); every later call goes to that object.
// Arguments come back in the reply only when the object changed one of them (arguments
// passed by reference), as the whole list in the call's order. An undecodable payload is
// answered with an error and closes the connection.
class KTRAPPSERVER_EXPORT CallDispatcher : public FrameHandler {
public:
    static constexpr const char *kOpenServer = "@OpenServer";
    // Creates the server object of a class, or raises DispatchError for a class not served.
    using SessionFactory = std::function<ObjectRef(std::string_view className)>;

    explicit CallDispatcher(SessionFactory factory);
    FrameOutcome handle(std::span<const std::uint8_t> payload) override;

private:
    SessionFactory m_factory;
    ObjectRef m_session;
};

// Answers "@OpenServer" as CallDispatcher does and sends every later payload back unchanged:
// the floor against which the cost of serving a call is measured.
class KTRAPPSERVER_EXPORT EchoHandler : public FrameHandler {
public:
    FrameOutcome handle(std::span<const std::uint8_t> payload) override;

private:
    bool m_opened = false;
};

} // namespace ktr::appserver
