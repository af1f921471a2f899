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

} // namespace
