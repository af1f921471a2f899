#pragma once

#include "ktrappserver_global.h"

#include <Variant.h>
#include <WireCodec.h>

#include <functional>
#include <memory>
#include <span>
#include <vector>

namespace ktr::appserver {

// What a connection does with a payload it received: the reply to send, and whether the
// connection must close after it (input it cannot trust any longer).
struct FrameOutcome {
    wire::Bytes reply;
    bool closeAfterReply = false;
    // Values whose release can wait until the reply is on its way (a decoded job array is a
    // tree of many small blocks; freeing it need not delay the answer).
    std::vector<Variant> releaseAfterReply;
};

// Turns one received payload into one reply. One handler serves one connection.
class KTRAPPSERVER_EXPORT FrameHandler {
public:
    virtual ~FrameHandler();
    virtual FrameOutcome handle(std::span<const std::uint8_t> payload) = 0;
};

using FrameHandlerFactory = std::function<std::unique_ptr<FrameHandler>()>;

// An error reply that answers no particular call (id 0).
KTRAPPSERVER_EXPORT wire::Bytes errorReply(std::uint32_t id, const std::string &message);

} // namespace ktr::appserver
