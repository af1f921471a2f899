#pragma once

#include "Object.h"
#include "Variant.h"
#include "ktrcore_global.h"

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <stdexcept>
#include <string>
#include <vector>

// Variants and late-bound calls on the wire between the client and the application server:
// CBOR (RFC 8949) items, each message framed by a 4-byte big-endian length.
//
// Variant mapping: Empty = undefined, Null = null, Boolean = true/false, 32-bit integer =
// CBOR integer, 16-bit integer = tag 40001 + integer, Double = float64, Date = tag 40002 +
// float64, wide text = text string, byte text = byte string, array = tag 40003 +
// [[lower, count, ...per dimension], [elements in storage order]]. Object references do
// not travel.
namespace ktr::wire {

using Bytes = std::vector<std::uint8_t>;

// Refused input: malformed, truncated, nested too deeply, larger than allowed, or a value
// that cannot travel. Carries a message for the log and the caller.
class KTRCORE_EXPORT WireError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

struct Limits {
    std::size_t maxFrameBytes = 64u * 1024u * 1024u;
    int maxDepth = 64;
};

KTRCORE_EXPORT Bytes encodeVariant(const Variant &value);
KTRCORE_EXPORT void encodeVariant(const Variant &value, Bytes &out);
// Decodes exactly one item that fills the whole input.
KTRCORE_EXPORT Variant decodeVariant(std::span<const std::uint8_t> input, const Limits &limits = {});

// A call of a member of the remote object, and its reply. Arguments passed by reference
// come back in the reply's arguments, in the call's order.
struct CallMessage {
    std::uint32_t id = 0;
    std::string member;
    InvokeKind kind = InvokeKind::Method;
    std::vector<Variant> args;
};

struct ReplyMessage {
    std::uint32_t id = 0;
    bool ok = true;
    Variant result;
    std::vector<Variant> args;
    std::string error; // when !ok
};

KTRCORE_EXPORT Bytes encodeCall(const CallMessage &call);
KTRCORE_EXPORT Bytes encodeReply(const ReplyMessage &reply);
// Which kind of message a payload holds, without decoding the rest.
enum class MessageType { Call = 1, Reply = 2, Error = 3 };
KTRCORE_EXPORT MessageType peekMessageType(std::span<const std::uint8_t> payload);
KTRCORE_EXPORT CallMessage decodeCall(std::span<const std::uint8_t> payload, const Limits &limits = {});
KTRCORE_EXPORT ReplyMessage decodeReply(std::span<const std::uint8_t> payload, const Limits &limits = {});

// Prefixes a payload with its length.
KTRCORE_EXPORT Bytes frame(std::span<const std::uint8_t> payload);

// Collects bytes as they arrive and hands out whole payloads. A length above the limit is
// refused with WireError as soon as the 4-byte header is seen, before anything is buffered.
class KTRCORE_EXPORT FrameReader {
public:
    explicit FrameReader(std::size_t maxFrameBytes = Limits{}.maxFrameBytes)
        : m_max(maxFrameBytes) {}
    void feed(std::span<const std::uint8_t> bytes);
    std::optional<Bytes> next();
    // As next, without copying: the view stays valid until the next feed, next or nextView.
    std::optional<std::span<const std::uint8_t>> nextView();
    std::size_t buffered() const { return m_buffer.size() - m_start; }

private:
    std::uint32_t checkedLength(std::size_t at) const;
    void compact();

    std::size_t m_max;
    Bytes m_buffer;
    std::size_t m_start = 0;
};

} // namespace ktr::wire
