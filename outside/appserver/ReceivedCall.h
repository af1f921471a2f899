#pragma once

#include "ktrappserver_global.h"

#include <cstdint>
#include <span>

namespace ktr::appserver {

// A server object that keeps calls as they arrived implements this: the dispatcher hands it the
// bytes of the call message it is serving, for the duration of that call only.
class KTRAPPSERVER_EXPORT ReceivedCallObserver {
public:
    virtual ~ReceivedCallObserver();
    virtual void setReceivedCall(std::span<const std::uint8_t> payload) = 0;
};

} // namespace ktr::appserver
