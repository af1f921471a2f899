#include "WireCodec.h"

#include <gtest/gtest.h>

#include <random>

using namespace ktr;
using namespace ktr::wire;

namespace {

Variant nestedArrays()
{
    Variant grid = Variant::array2(-1, 0, 5, 7);
    grid.at(-1, 5) = Variant("条件");
    grid.at(0, 7) = Variant::array({Variant::date(45291.25), Variant::null(), Variant()}, 3);
    return Variant::array({grid, Variant::array(std::vector<Variant>{}, 1), Variant(std::int16_t(-300))}, 2);
}

struct RoundTripCase {
    const char *name;
    Variant value;
};

class WireRoundTrip : public testing::TestWithParam<RoundTripCase> {};

TEST_P(WireRoundTrip, DecodesToTheSameValue)
{
    const Variant &v = GetParam().value;
    const Bytes bytes = encodeVariant(v);
    const Variant back = decodeVariant(bytes);
    EXPECT_EQ(back, v) << back.debugString() << " vs " << v.debugString();
    EXPECT_EQ(back.type(), v.type());
}

INSTANTIATE_TEST_SUITE_P(
    Kinds, WireRoundTrip,
    testing::Values(RoundTripCase{"empty", Variant()}, RoundTripCase{"null", Variant::null()},
                    RoundTripCase{"false", Variant(false)}, RoundTripCase{"true", Variant(true)},
                    RoundTripCase{"int16Min", Variant(std::int16_t(-32768))},
                    RoundTripCase{"int32Max", Variant(2147483647)},
                    RoundTripCase{"int32Min", Variant(std::int32_t(-2147483647 - 1))},
                    RoundTripCase{"double", Variant(-0.125)},
                    RoundTripCase{"date", Variant::date(36526.75)},
                    RoundTripCase{"wideText", Variant("员工 QTXR72")},
                    RoundTripCase{"byteText", Variant::byteText("GB 字节")},
                    RoundTripCase{"emptyText", Variant("")},
                    RoundTripCase{"separators", Variant(std::string("a\x04" "b\x05" "c\x01", 6))},
                    RoundTripCase{"nestedArrays", nestedArrays()}),
    [](const auto &info) { return std::string(info.param.name); });

TEST(WireMessages, CallAndReplyRoundTrip)
{
    CallMessage call{7, "Request", InvokeKind::Method, {nestedArrays(), Variant("x")}};
    const Bytes callBytes = encodeCall(call);
    EXPECT_EQ(peekMessageType(callBytes), MessageType::Call);
    const CallMessage c = decodeCall(callBytes);
    EXPECT_EQ(c.id, 7u);
    EXPECT_EQ(c.member, "Request");
    ASSERT_EQ(c.args.size(), 2u);
    EXPECT_EQ(c.args[0], nestedArrays());

    ReplyMessage ok{7, true, Variant("202612110001"), {Variant(1)}, {}};
    const ReplyMessage r = decodeReply(encodeReply(ok));
    EXPECT_TRUE(r.ok);
    EXPECT_EQ(r.result.toString(), "202612110001");
    EXPECT_EQ(r.args.size(), 1u);

    ReplyMessage err{8, false, {}, {}, "no right"};
    const ReplyMessage e = decodeReply(encodeReply(err));
    EXPECT_FALSE(e.ok);
    EXPECT_EQ(e.error, "no right");
}

TEST(WireCodec, RefusesObjectsAndMalformedInputWithTheReason)
{
    struct Case {
        const char *name;
        Bytes bytes;
        const char *message;
    } cases[] = {
        {"empty input", {}, "Message truncated"},
        {"truncated text", {0x63, 'a'}, "Message truncated"},
        {"text length beyond input", {0x7a, 0xff, 0xff, 0xff, 0xff}, "Message truncated"},
        {"invalid utf8", {0x62, 0xc3, 0x28}, "Text is not valid UTF-8"},
        {"integer too big", {0x1b, 1, 0, 0, 0, 0, 0, 0, 0}, "Integer outside the 32-bit range"},
        {"indefinite array", {0x9f, 0xff}, "Indefinite or reserved CBOR length is not accepted"},
        {"unknown tag", {0xd8, 0x20, 0x01}, "Unknown CBOR tag 32"},
        {"trailing bytes", {0xf6, 0xf6}, "Unexpected bytes after the end of the message"},
        {"map", {0xa0}, "Unexpected CBOR item for a value"},
        // tag 40003, [[0, 1000000], []]: bounds promise far more elements than sent
        {"array bounds lie", {0xd9, 0x9c, 0x43, 0x82, 0x82, 0x00, 0x1a, 0x00, 0x0f, 0x42, 0x40, 0x80},
         "Array larger than the message"},
    };
    for (const Case &c : cases) {
        try {
            decodeVariant(c.bytes);
            ADD_FAILURE() << c.name;
        } catch (const WireError &e) {
            EXPECT_STREQ(e.what(), c.message) << c.name;
        }
    }
    Variant deep = Variant(1);
    for (int i = 0; i < 80; ++i)
        deep = Variant::array({deep});
    const Bytes deepBytes = encodeVariant(deep);
    EXPECT_THROW(decodeVariant(deepBytes), WireError);
    EXPECT_THROW(encodeVariant(Variant(static_cast<Object *>(nullptr))), WireError);
}

TEST(FrameReader, SplitsAStreamAndRefusesOversizedFrames)
{
    const Bytes a = frame(encodeVariant(Variant("first")));
    const Bytes b = frame(encodeVariant(nestedArrays()));
    Bytes stream = a;
    stream.insert(stream.end(), b.begin(), b.end());
    FrameReader reader;
    for (std::uint8_t byte : stream) // one byte at a time, as a slow socket delivers
        reader.feed(std::span(&byte, 1));
    EXPECT_EQ(decodeVariant(*reader.next()).toString(), "first");
    EXPECT_EQ(decodeVariant(*reader.next()), nestedArrays());
    EXPECT_FALSE(reader.next());

    FrameReader small(16);
    const Bytes header = {0x00, 0x00, 0x10, 0x00};
    EXPECT_THROW(small.feed(header), WireError);
}

// Random, truncated and bit-flipped frames: the decoder answers each with a value or a
// WireError, never anything else.
TEST(WireCodecFuzz, RandomAndDamagedInputNeverCrashes)
{
    std::mt19937 rng(20261211);
    const Bytes good = encodeCall({1, "Request", InvokeKind::Method, {nestedArrays()}});
    int refused = 0;
    for (int round = 0; round < 20000; ++round) {
        Bytes input;
        switch (round % 3) {
        case 0: { // pure noise
            input.resize(rng() % 64);
            for (auto &b : input)
                b = static_cast<std::uint8_t>(rng());
            break;
        }
        case 1: // a good message cut short
            input.assign(good.begin(), good.begin() + static_cast<long>(rng() % good.size()));
            break;
        default: // a good message with a few bytes changed
            input = good;
            for (int k = 0; k < 3; ++k)
                input[rng() % input.size()] = static_cast<std::uint8_t>(rng());
        }
        try {
            (void)decodeVariant(input);
        } catch (const WireError &) {
            ++refused;
        }
        try {
            (void)decodeCall(input);
        } catch (const WireError &) {
            ++refused;
        }
    }
    EXPECT_GT(refused, 20000); // most damaged inputs are refused, and none crashed
}

// A plain reading of the UTF-8 rules: decode the code point, then refuse overlong forms,
// surrogates and values above U+10FFFF.
bool referenceUtf8(const std::vector<std::uint8_t> &s)
{
    std::size_t i = 0;
    while (i < s.size()) {
        const std::uint8_t c = s[i];
        int extra;
        std::uint32_t cp;
        if (c < 0x80) { ++i; continue; }
        if ((c & 0xe0) == 0xc0) { extra = 1; cp = c & 0x1f; }
        else if ((c & 0xf0) == 0xe0) { extra = 2; cp = c & 0x0f; }
        else if ((c & 0xf8) == 0xf0) { extra = 3; cp = c & 0x07; }
        else return false;
        if (i + static_cast<std::size_t>(extra) >= s.size())
            return false;
        for (int k = 1; k <= extra; ++k) {
            if ((s[i + k] & 0xc0) != 0x80)
                return false;
            cp = (cp << 6) | (s[i + k] & 0x3f);
        }
        if ((extra == 1 && cp < 0x80) || (extra == 2 && cp < 0x800) || (extra == 3 && cp < 0x10000) ||
            cp > 0x10ffff || (cp >= 0xd800 && cp <= 0xdfff))
            return false;
        i += static_cast<std::size_t>(extra) + 1;
    }
    return true;
}

bool decoderAccepts(const std::vector<std::uint8_t> &text)
{
    Bytes item{0x78, static_cast<std::uint8_t>(text.size())}; // a text of up to 255 bytes
    item.insert(item.end(), text.begin(), text.end());
    try {
        return decodeVariant(item).textView().size() == text.size();
    } catch (const WireError &) {
        return false;
    }
}

// Every sequence of up to three bytes, alone and after an ASCII run that takes the eight-byte
// path, is judged as the plain reading judges it; so are random four-byte sequences.
TEST(WireCodec, AcceptsExactlyWellFormedUtf8)
{
    const std::vector<std::uint8_t> asciiRun = {'a', 'b', 'c', 'd', 'e', 'f', 'g', 'h', 'i'};
    int mismatches = 0;
    auto check = [&](std::vector<std::uint8_t> text) {
        for (int withRun = 0; withRun < 2 && mismatches < 10; ++withRun) {
            if (withRun)
                text.insert(text.begin(), asciiRun.begin(), asciiRun.end());
            if (decoderAccepts(text) != referenceUtf8(text)) {
                ++mismatches;
                ADD_FAILURE() << "judged differently: " << ::testing::PrintToString(text);
            }
        }
    };
    for (int a = 0x80; a < 0x100; ++a) {
        check({static_cast<std::uint8_t>(a)});
        for (int b = 0; b < 0x100; ++b) {
            check({static_cast<std::uint8_t>(a), static_cast<std::uint8_t>(b)});
            if (a >= 0xe0) // three-byte leads; other leads are settled by their first two bytes
                for (int c = 0; c < 0x100; c += (b & 0xc0) == 0x80 ? 1 : 0x3f)
                    check({static_cast<std::uint8_t>(a), static_cast<std::uint8_t>(b), static_cast<std::uint8_t>(c)});
        }
    }
    std::mt19937 rng(72);
    for (int round = 0; round < 200000; ++round) {
        std::vector<std::uint8_t> text{static_cast<std::uint8_t>(0xf0 + rng() % 8)};
        for (int k = 0; k < 3; ++k)
            text.push_back(static_cast<std::uint8_t>(rng() % 4 ? 0x80 + rng() % 0x40 : rng() % 0x100));
        check(text);
    }
    EXPECT_TRUE(decoderAccepts({0xe5, 0x8d, 0x83, 0xe5, 0xb2, 0xb8})); // 千岸
    EXPECT_EQ(mismatches, 0);
}

} // namespace
