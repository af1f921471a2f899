#include "WireCodec.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cstring>
#include <limits>

namespace ktr::wire {

namespace {

constexpr std::uint64_t kTagInt16 = 40001;
constexpr std::uint64_t kTagDate = 40002;
constexpr std::uint64_t kTagArray = 40003;
// Room taken at once for a call, enough for most without growing.
constexpr std::size_t kFirstReserve = 512;

enum Major : std::uint8_t {
    Unsigned = 0, Negative = 1, ByteString = 2, TextString = 3, ArrayItem = 4, MapItem = 5,
    Tag = 6, Simple = 7,
};

// Appends to a byte vector through a raw cursor: room is made in large steps, so small
// items cost a store each instead of a vector insertion. The vector is cut to what was
// written when the writer ends.
class Writer {
public:
    explicit Writer(Bytes &out, std::size_t expected = 0) : m_out(out), m_pos(out.size())
    {
        m_out.resize(m_pos + std::max<std::size_t>(expected, 64));
    }
    ~Writer() { m_out.resize(m_pos); }
    Writer(const Writer &) = delete;
    Writer &operator=(const Writer &) = delete;

    // Room for n more bytes at the cursor; commit says how many were written there.
    std::uint8_t *claim(std::size_t n)
    {
        if (m_out.size() - m_pos < n)
            m_out.resize(std::max(m_out.size() * 2, m_pos + n));
        return m_out.data() + m_pos;
    }
    void commit(std::size_t n) { m_pos += n; }

    void put(std::uint8_t byte)
    {
        *claim(1) = byte;
        commit(1);
    }
    void append(const void *data, std::size_t n)
    {
        if (n == 0)
            return;
        std::memcpy(claim(n), data, n);
        commit(n);
    }

private:
    Bytes &m_out;
    std::size_t m_pos;
};

// Writes a CBOR head: the major type and its argument in the shortest form.
[[gnu::always_inline]] inline void putHead(Writer &out, std::uint8_t major, std::uint64_t value)
{
    std::uint8_t *p = out.claim(9);
    const std::uint8_t m = static_cast<std::uint8_t>(major << 5);
    if (value < 24) {
        p[0] = static_cast<std::uint8_t>(m | value);
        out.commit(1);
        return;
    }
    int bytes;
    if (value <= 0xff) { bytes = 1; p[0] = static_cast<std::uint8_t>(m | 24); }
    else if (value <= 0xffff) { bytes = 2; p[0] = static_cast<std::uint8_t>(m | 25); }
    else if (value <= 0xffffffffu) { bytes = 4; p[0] = static_cast<std::uint8_t>(m | 26); }
    else { bytes = 8; p[0] = static_cast<std::uint8_t>(m | 27); }
    for (int i = 0; i < bytes; ++i)
        p[1 + i] = static_cast<std::uint8_t>(value >> (8 * (bytes - 1 - i)));
    out.commit(static_cast<std::size_t>(1 + bytes));
}

inline void putInt(Writer &out, std::int64_t v)
{
    if (v >= 0)
        putHead(out, Unsigned, static_cast<std::uint64_t>(v));
    else
        putHead(out, Negative, static_cast<std::uint64_t>(-1 - v));
}

void putDouble(Writer &out, double d)
{
    const std::uint64_t bits = std::bit_cast<std::uint64_t>(d);
    std::uint8_t *p = out.claim(9);
    p[0] = 0xfb;
    for (int i = 0; i < 8; ++i)
        p[1 + i] = static_cast<std::uint8_t>(bits >> (8 * (7 - i)));
    out.commit(9);
}

inline void putString(Writer &out, std::uint8_t major, std::string_view s)
{
    putHead(out, major, s.size());
    out.append(s.data(), s.size());
}

bool continuation(unsigned char c) { return (c & 0xc0) == 0x80; }

// What a byte that starts a multi-byte sequence demands: the sequence's length (0: it
// cannot start one) and the range of the second byte, which rules out overlong forms,
// surrogates and code points above U+10FFFF.
struct LeadByte {
    std::uint8_t length;
    std::uint8_t low;
    std::uint8_t high;
};

constexpr std::array<LeadByte, 256> kLeadBytes = [] {
    std::array<LeadByte, 256> table{};
    for (LeadByte &lead : table)
        lead = {0, 0x80, 0xbf};
    for (int c = 0xc2; c <= 0xdf; ++c)
        table[c].length = 2;
    for (int c = 0xe0; c <= 0xef; ++c)
        table[c].length = 3;
    for (int c = 0xf0; c <= 0xf4; ++c)
        table[c].length = 4;
    table[0xe0].low = 0xa0;
    table[0xed].high = 0x9f;
    table[0xf0].low = 0x90;
    table[0xf4].high = 0x8f;
    return table;
}();

// Well-formed UTF-8 as Unicode defines it: no overlong forms, no surrogates, nothing above
// U+10FFFF. The second byte's allowed range depends on the first.
bool validUtf8(std::string_view text)
{
    const auto *s = reinterpret_cast<const unsigned char *>(text.data());
    const std::size_t n = text.size();
    std::size_t i = 0;
    while (i < n) {
        const unsigned char c = s[i];
        if (c < 0x80) {
            // Plain ASCII, the bulk of most texts, is passed eight bytes at a time.
            ++i;
            while (n - i >= 8) {
                std::uint64_t word;
                std::memcpy(&word, s + i, 8);
                if ((word & 0x8080808080808080ull) != 0)
                    break;
                i += 8;
            }
            continue;
        }
        const LeadByte lead = kLeadBytes[c];
        const std::size_t length = lead.length;
        if (length == 0 || n - i < length || s[i + 1] < lead.low || s[i + 1] > lead.high)
            return false;
        if (length >= 3 && !continuation(s[i + 2]))
            return false;
        if (length == 4 && !continuation(s[i + 3]))
            return false;
        i += length;
    }
    return true;
}

class Decoder {
public:
    Decoder(std::span<const std::uint8_t> in, const Limits &limits) : m_in(in), m_limits(limits)
    {
        if (in.size() > limits.maxFrameBytes)
            throw WireError("Message larger than the allowed size");
    }

    bool atEnd() const { return m_pos == m_in.size(); }
    void expectEnd() const
    {
        if (!atEnd())
            throw WireError("Unexpected bytes after the end of the message");
    }

    struct Head {
        std::uint8_t major;
        std::uint8_t info;
        std::uint64_t value;
    };

    [[gnu::always_inline]] Head head()
    {
        const std::uint8_t b = byte();
        Head h{static_cast<std::uint8_t>(b >> 5), static_cast<std::uint8_t>(b & 0x1f), 0};
        if (h.info < 24) {
            h.value = h.info;
        } else if (h.info <= 27) {
            const int n = 1 << (h.info - 24);
            need(static_cast<std::size_t>(n));
            for (int i = 0; i < n; ++i)
                h.value = (h.value << 8) | m_in[m_pos++];
        } else if (h.major != Simple || h.info != 31) {
            throw WireError("Indefinite or reserved CBOR length is not accepted");
        }
        return h;
    }

    Variant variant(int depth)
    {
        if (depth > m_limits.maxDepth)
            throw WireError("Message nested too deeply");
        const Head h = head();
        switch (h.major) {
        case Unsigned:
            if (h.value > static_cast<std::uint64_t>(std::numeric_limits<std::int32_t>::max()))
                throw WireError("Integer outside the 32-bit range");
            return Variant(static_cast<std::int32_t>(h.value));
        case Negative:
            if (h.value > static_cast<std::uint64_t>(std::numeric_limits<std::int32_t>::max()))
                throw WireError("Integer outside the 32-bit range");
            return Variant(static_cast<std::int32_t>(-1 - static_cast<std::int64_t>(h.value)));
        case ByteString:
            return Variant::byteText(bytes(h.value));
        case TextString: {
            const std::string_view s = bytes(h.value);
            if (!validUtf8(s))
                throw WireError("Text is not valid UTF-8");
            return Variant(s);
        }
        case Tag:
            return tagged(h.value, depth);
        case Simple:
            return simple(h);
        default:
            throw WireError("Unexpected CBOR item for a value");
        }
    }

    std::uint64_t arrayHead()
    {
        const Head h = head();
        if (h.major != ArrayItem)
            throw WireError("Expected an array");
        // Every element takes at least one byte: a count beyond the input is a lie.
        if (h.value > m_in.size() - m_pos)
            throw WireError("Array longer than the message");
        return h.value;
    }

    std::int64_t integer()
    {
        const Head h = head();
        if (h.major == Unsigned && h.value <= static_cast<std::uint64_t>(std::numeric_limits<std::int64_t>::max()))
            return static_cast<std::int64_t>(h.value);
        if (h.major == Negative && h.value <= static_cast<std::uint64_t>(std::numeric_limits<std::int64_t>::max()))
            return -1 - static_cast<std::int64_t>(h.value);
        throw WireError("Expected an integer");
    }

    std::string text()
    {
        const Head h = head();
        if (h.major != TextString)
            throw WireError("Expected a text");
        const std::string_view s = bytes(h.value);
        if (!validUtf8(s))
            throw WireError("Text is not valid UTF-8");
        return std::string(s);
    }

    std::vector<Variant> variantList(int depth)
    {
        const std::uint64_t n = arrayHead();
        std::vector<Variant> out;
        out.reserve(static_cast<std::size_t>(n));
        for (std::uint64_t i = 0; i < n; ++i)
            out.push_back(variant(depth + 1));
        return out;
    }

private:
    void need(std::size_t n) const
    {
        if (n > m_in.size() - m_pos)
            throw WireError("Message truncated");
    }

    std::uint8_t byte()
    {
        need(1);
        return m_in[m_pos++];
    }

    // The next n bytes of the input, not copied.
    std::string_view bytes(std::uint64_t n)
    {
        if (n > m_in.size() - m_pos)
            throw WireError("Message truncated");
        const std::string_view s(reinterpret_cast<const char *>(m_in.data() + m_pos), static_cast<std::size_t>(n));
        m_pos += static_cast<std::size_t>(n);
        return s;
    }

    double float64()
    {
        const Head h = head();
        if (h.major != Simple || h.info != 27)
            throw WireError("Expected a double");
        return std::bit_cast<double>(h.value);
    }

    Variant simple(const Head &h)
    {
        switch (h.info) {
        case 20: return Variant(false);
        case 21: return Variant(true);
        case 22: return Variant::null();
        case 23: return Variant();
        case 27: return Variant(std::bit_cast<double>(h.value));
        default: throw WireError("Unexpected CBOR simple value");
        }
    }

    Variant tagged(std::uint64_t tag, int depth)
    {
        if (tag == kTagInt16) {
            const std::int64_t v = integer();
            if (v < std::numeric_limits<std::int16_t>::min() || v > std::numeric_limits<std::int16_t>::max())
                throw WireError("Integer outside the 16-bit range");
            return Variant(static_cast<std::int16_t>(v));
        }
        if (tag == kTagDate)
            return Variant::date(float64());
        if (tag == kTagArray)
            return array(depth);
        throw WireError("Unknown CBOR tag " + std::to_string(tag));
    }

    Variant array(int depth)
    {
        if (arrayHead() != 2)
            throw WireError("Malformed array value");
        const std::uint64_t boundItems = arrayHead();
        if (boundItems == 0 || boundItems % 2 != 0 || boundItems > 2 * 60)
            throw WireError("Malformed array bounds");
        // Up to four dimensions are read into place; more (up to 60) into a vector.
        const std::size_t dimensions = static_cast<std::size_t>(boundItems / 2);
        std::array<ArrayBound, 4> few;
        std::vector<ArrayBound> many(dimensions > few.size() ? dimensions : 0);
        const std::span<ArrayBound> bounds =
            dimensions > few.size() ? std::span<ArrayBound>(many) : std::span<ArrayBound>(few.data(), dimensions);
        std::uint64_t total = 1;
        for (std::size_t d = 0; d < dimensions; ++d) {
            const std::int64_t lower = integer();
            const std::int64_t count = integer();
            if (lower < std::numeric_limits<std::int32_t>::min() || lower > std::numeric_limits<std::int32_t>::max() ||
                count < 0 || count > std::numeric_limits<std::int32_t>::max() ||
                lower + count - 1 > std::numeric_limits<std::int32_t>::max())
                throw WireError("Array bounds out of range");
            bounds[d] = {static_cast<std::int32_t>(lower), static_cast<std::int32_t>(count)};
            total *= static_cast<std::uint64_t>(count);
            if (total > m_in.size())
                throw WireError("Array larger than the message");
        }
        const std::uint64_t n = arrayHead();
        if (n != total)
            throw WireError("Array element count does not match its bounds");
        Variant result = Variant::arrayOf(bounds);
        std::span<Variant> elements = result.mutableElements();
        for (std::uint64_t i = 0; i < n; ++i)
            elements[static_cast<std::size_t>(i)] = variant(depth + 1);
        return result;
    }

    std::span<const std::uint8_t> m_in;
    const Limits &m_limits;
    std::size_t m_pos = 0;
};

void encodeInto(const Variant &v, Writer &out)
{
    switch (v.type()) {
    case VarType::Empty: out.put(0xf7); return;
    case VarType::Null: out.put(0xf6); return;
    case VarType::Bool: out.put(v.toBool() ? 0xf5 : 0xf4); return;
    case VarType::Int32: putInt(out, v.toInt()); return;
    case VarType::Int16:
        putHead(out, Tag, kTagInt16);
        putInt(out, v.toInt());
        return;
    case VarType::Double: putDouble(out, v.toDouble()); return;
    case VarType::Date:
        putHead(out, Tag, kTagDate);
        putDouble(out, v.toDouble());
        return;
    case VarType::WideText: putString(out, TextString, v.textView()); return;
    case VarType::ByteText: putString(out, ByteString, v.textView()); return;
    case VarType::Object: throw WireError("An object reference cannot be sent to the server");
    case VarType::Array: {
        putHead(out, Tag, kTagArray);
        putHead(out, ArrayItem, 2);
        const auto bounds = v.bounds();
        putHead(out, ArrayItem, bounds.size() * 2);
        for (const ArrayBound &b : bounds) {
            putInt(out, b.lower);
            putInt(out, b.count);
        }
        const auto elements = v.elements();
        putHead(out, ArrayItem, elements.size());
        for (const Variant &e : elements)
            encodeInto(e, out);
        return;
    }
    }
    throw WireError("Unknown value type");
}

void putVariantList(Writer &out, const std::vector<Variant> &list)
{
    putHead(out, ArrayItem, list.size());
    for (const Variant &v : list)
        encodeInto(v, out);
}

} // namespace

void encodeVariant(const Variant &value, Bytes &out)
{
    Writer writer(out);
    encodeInto(value, writer);
}

Bytes encodeVariant(const Variant &value)
{
    Bytes out;
    {
        Writer writer(out);
        encodeInto(value, writer);
    }
    return out;
}

Variant decodeVariant(std::span<const std::uint8_t> input, const Limits &limits)
{
    Decoder d(input, limits);
    Variant v = d.variant(0);
    d.expectEnd();
    return v;
}

Bytes encodeCall(const CallMessage &call)
{
    Bytes bytes;
    {
        Writer out(bytes, kFirstReserve);
        putHead(out, ArrayItem, 5);
        putInt(out, static_cast<int>(MessageType::Call));
        putInt(out, call.id);
        putString(out, TextString, call.member);
        putInt(out, static_cast<int>(call.kind));
        putVariantList(out, call.args);
    }
    return bytes;
}

Bytes encodeReply(const ReplyMessage &reply)
{
    Bytes bytes;
    {
        Writer out(bytes);
        if (reply.ok) {
            putHead(out, ArrayItem, 4);
            putInt(out, static_cast<int>(MessageType::Reply));
            putInt(out, reply.id);
            encodeInto(reply.result, out);
            putVariantList(out, reply.args);
        } else {
            putHead(out, ArrayItem, 3);
            putInt(out, static_cast<int>(MessageType::Error));
            putInt(out, reply.id);
            putString(out, TextString, reply.error);
        }
    }
    return bytes;
}

MessageType peekMessageType(std::span<const std::uint8_t> payload)
{
    Decoder d(payload, Limits{});
    const std::uint64_t n = d.arrayHead();
    if (n < 3)
        throw WireError("Malformed message");
    const std::int64_t type = d.integer();
    if (type < 1 || type > 3)
        throw WireError("Unknown message type");
    return static_cast<MessageType>(type);
}

CallMessage decodeCall(std::span<const std::uint8_t> payload, const Limits &limits)
{
    Decoder d(payload, limits);
    if (d.arrayHead() != 5 || d.integer() != static_cast<int>(MessageType::Call))
        throw WireError("Malformed call message");
    CallMessage call;
    const std::int64_t id = d.integer();
    if (id < 0 || id > std::numeric_limits<std::uint32_t>::max())
        throw WireError("Malformed call id");
    call.id = static_cast<std::uint32_t>(id);
    call.member = d.text();
    const std::int64_t kind = d.integer();
    if (kind < 0 || kind > 2)
        throw WireError("Malformed call kind");
    call.kind = static_cast<InvokeKind>(kind);
    call.args = d.variantList(0);
    d.expectEnd();
    return call;
}

ReplyMessage decodeReply(std::span<const std::uint8_t> payload, const Limits &limits)
{
    Decoder d(payload, limits);
    const std::uint64_t n = d.arrayHead();
    const std::int64_t type = d.integer();
    ReplyMessage reply;
    const std::int64_t id = d.integer();
    if (id < 0 || id > std::numeric_limits<std::uint32_t>::max())
        throw WireError("Malformed reply id");
    reply.id = static_cast<std::uint32_t>(id);
    if (type == static_cast<int>(MessageType::Reply) && n == 4) {
        reply.result = d.variant(0);
        reply.args = d.variantList(0);
    } else if (type == static_cast<int>(MessageType::Error) && n == 3) {
        reply.ok = false;
        reply.error = d.text();
    } else {
        throw WireError("Malformed reply message");
    }
    d.expectEnd();
    return reply;
}

Bytes frame(std::span<const std::uint8_t> payload)
{
    if (payload.size() > std::numeric_limits<std::uint32_t>::max())
        throw WireError("Message too large for a frame");
    Bytes out;
    out.reserve(payload.size() + 4);
    const auto n = static_cast<std::uint32_t>(payload.size());
    for (int i = 3; i >= 0; --i)
        out.push_back(static_cast<std::uint8_t>(n >> (8 * i)));
    out.insert(out.end(), payload.begin(), payload.end());
    return out;
}

std::uint32_t FrameReader::checkedLength(std::size_t at) const
{
    const std::uint8_t *p = m_buffer.data() + at;
    const std::uint32_t n = (std::uint32_t(p[0]) << 24) | (std::uint32_t(p[1]) << 16) |
                            (std::uint32_t(p[2]) << 8) | p[3];
    if (n > m_max)
        throw WireError("Frame larger than the allowed size");
    return n;
}

// Drops the payloads already handed out once they take more room than what is left.
void FrameReader::compact()
{
    if (m_start > 0 && m_start == m_buffer.size()) {
        m_buffer.clear();
        m_start = 0;
    } else if (m_start > 4096 && m_start * 2 > m_buffer.size()) {
        m_buffer.erase(m_buffer.begin(), m_buffer.begin() + static_cast<std::ptrdiff_t>(m_start));
        m_start = 0;
    }
}

void FrameReader::feed(std::span<const std::uint8_t> bytes)
{
    compact();
    m_buffer.insert(m_buffer.end(), bytes.begin(), bytes.end());
    if (buffered() >= 4)
        checkedLength(m_start);
}

std::optional<std::span<const std::uint8_t>> FrameReader::nextView()
{
    if (buffered() < 4)
        return std::nullopt;
    const std::uint32_t n = checkedLength(m_start);
    if (buffered() < 4 + std::size_t(n))
        return std::nullopt;
    const std::span<const std::uint8_t> payload(m_buffer.data() + m_start + 4, n);
    m_start += 4 + n;
    // The next header, if complete, is checked at once.
    if (buffered() >= 4)
        checkedLength(m_start);
    return payload;
}

std::optional<Bytes> FrameReader::next()
{
    compact();
    const std::optional<std::span<const std::uint8_t>> payload = nextView();
    if (!payload)
        return std::nullopt;
    return Bytes(payload->begin(), payload->end());
}

} // namespace ktr::wire
