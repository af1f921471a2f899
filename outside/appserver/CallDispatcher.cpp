#include "CallDispatcher.h"

#include "AppServerLog.h"
#include "ReceivedCall.h"

#include <algorithm>

namespace ktr::appserver {

namespace {

// Whether the object left an argument as it was sent. An array it did not touch still shares
// its elements with the copy kept (writes copy first), which spares the deep comparison.
bool unchanged(const Variant &sent, const Variant &now)
{
    if (sent.isArray() && now.isArray() && sent.elements().data() == now.elements().data() &&
        std::ranges::equal(sent.bounds(), now.bounds()))
        return true;
    return sent == now;
}

// Shows the session the bytes of the call it serves while it serves it.
class ReceivedCallScope {
public:
    ReceivedCallScope(const ObjectRef &session, std::span<const std::uint8_t> payload)
        : m_observer(dynamic_cast<ReceivedCallObserver *>(session.get()))
    {
        if (m_observer)
            m_observer->setReceivedCall(payload);
    }
    ~ReceivedCallScope()
    {
        if (m_observer)
            m_observer->setReceivedCall({});
    }
    ReceivedCallScope(const ReceivedCallScope &) = delete;
    ReceivedCallScope &operator=(const ReceivedCallScope &) = delete;

private:
    ReceivedCallObserver *m_observer;
};

} // namespace

FrameHandler::~FrameHandler() = default;

ReceivedCallObserver::~ReceivedCallObserver() = default;

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
        return {errorReply(0, std::string("Malformed call: ") + e.what()), true, {}};
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
            std::vector<Variant> sent = call.args;
            {
                const ReceivedCallScope received(m_session, payload);
                reply.result = m_session->invoke(call.member, call.kind, call.args);
            }
            if (!std::ranges::equal(sent, call.args, unchanged))
                reply.args = call.args;
            return {wire::encodeReply(reply), false, std::move(sent)};
        }
        return {wire::encodeReply(reply), false, std::move(call.args)};
    } catch (const wire::WireError &e) {
        return {errorReply(call.id, "The answer of " + call.member + " cannot travel: " + e.what()), false, {}};
    } catch (const std::exception &e) {
        return {errorReply(call.id, e.what()), false, {}};
    } catch (...) {
        return {errorReply(call.id, "Internal error of the application server in " + call.member), false, {}};
    }
}

FrameOutcome EchoHandler::handle(std::span<const std::uint8_t> payload)
{
    if (m_opened)
        return {wire::Bytes(payload.begin(), payload.end()), false, {}};
    try {
        const wire::CallMessage call = wire::decodeCall(payload);
        if (call.member != CallDispatcher::kOpenServer)
            return {errorReply(call.id, "No server object is open on this connection"), false, {}};
        m_opened = true;
        wire::ReplyMessage reply;
        reply.id = call.id;
        return {wire::encodeReply(reply), false, {}};
    } catch (const wire::WireError &e) {
        return {errorReply(0, std::string("Malformed call: ") + e.what()), true, {}};
    }
}

} // namespace ktr::appserver
