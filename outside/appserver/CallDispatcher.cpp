#include "CallDispatcher.h"

#include "AppServerLog.h"

namespace ktr::appserver {

FrameHandler::~FrameHandler() = default;

wire::Bytes errorReply(std::uint32_t id, const std::string &message)
{
    wire::ReplyMessage reply;
    reply.id = id;
    reply.ok = false;
    reply.error = message;
    return wire::encodeReply(reply);
}

CallDispatcher::CallDispatcher(SessionFactory factory) : m_factory(std::move(factory)) {}

FrameOutcome CallDispatcher::handle(std::span<const std::uint8_t> payload)
{
    wire::CallMessage call;
    try {
        call = wire::decodeCall(payload);
    } catch (const wire::WireError &e) {
        qCWarning(lcAppServer, "Malformed call refused: %s", e.what());
        return {errorReply(0, std::string("Malformed call: ") + e.what()), true};
    }

    wire::ReplyMessage reply;
    reply.id = call.id;
    try {
        if (call.member == kOpenServer) {
            if (call.args.empty() || !call.args.front().isText())
                throw DispatchError("@OpenServer needs the class name of the server object");
            m_session = m_factory(call.args.front().toString());
        } else if (!m_session) {
            throw DispatchError("No server object is open on this connection");
        } else {
            const std::vector<Variant> sent = call.args;
            reply.result = m_session->invoke(call.member, call.kind, call.args);
            if (call.args != sent)
                reply.args = std::move(call.args);
        }
        return {wire::encodeReply(reply), false};
    } catch (const wire::WireError &e) {
        return {errorReply(call.id, "The answer of " + call.member + " cannot travel: " + e.what()), false};
    } catch (const std::exception &e) {
        return {errorReply(call.id, e.what()), false};
    } catch (...) {
        return {errorReply(call.id, "Internal error of the application server in " + call.member), false};
    }
}

FrameOutcome EchoHandler::handle(std::span<const std::uint8_t> payload)
{
    if (m_opened)
        return {wire::Bytes(payload.begin(), payload.end()), false};
    try {
        const wire::CallMessage call = wire::decodeCall(payload);
        if (call.member != CallDispatcher::kOpenServer)
            return {errorReply(call.id, "No server object is open on this connection"), false};
        m_opened = true;
        wire::ReplyMessage reply;
        reply.id = call.id;
        return {wire::encodeReply(reply), false};
    } catch (const wire::WireError &e) {
        return {errorReply(0, std::string("Malformed call: ") + e.what()), true};
    }
}

} // namespace ktr::appserver
