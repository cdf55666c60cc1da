// Frames, checksum and the recognisers of the radio's replies.
#include <gtest/gtest.h>

#include <unistd.h>

#include <filesystem>
#include <fstream>

#include "comm/ModComm.h"
#include "comm/ProtocolFrames.h"

using namespace rp;

namespace {
ByteBuffer Block(int address, std::uint8_t fill = 0x11) {
    std::uint8_t data[16];
    for (int i = 0; i < 16; ++i) data[i] = static_cast<std::uint8_t>(fill + i);
    return MakeBlockFrame(address, data, 16);
}
}  // namespace

TEST(ProtocolFrames, RequestsAreTheBytesTheRadioExpects) {
    EXPECT_EQ(MakeProgramWord(), (ByteBuffer{0x50, 0x52, 0x4F, 0x47, 0x52, 0x41, 0x4D}));
    EXPECT_EQ(MakeIdentRequest(), ByteBuffer{0x02});
    EXPECT_EQ(MakeReadRequest(0x3FF0, 16), (ByteBuffer{0x52, 0x3F, 0xF0, 0x10}));
    EXPECT_EQ(MakeEndWord(), (ByteBuffer{0x45, 0x4E, 0x44}));
}

TEST(ProtocolFrames, BlockFrameCarriesAddressHighFirstAndByteSum) {
    std::uint8_t data[16];
    for (int i = 0; i < 16; ++i) data[i] = 0xF0;
    const ByteBuffer f = MakeBlockFrame(0x1234, data, 16);
    ASSERT_EQ(f.size(), 22u);
    EXPECT_EQ(f[0], 0x57);
    EXPECT_EQ(f[1], 0x12);
    EXPECT_EQ(f[2], 0x34);
    EXPECT_EQ(f[3], 16);
    // 0x12 + 0x34 + 0x10 + 16 * 0xF0 = 0xF56, modulo 256.
    EXPECT_EQ(f[20], 0x56);
    EXPECT_EQ(f[21], 0x06);
    EXPECT_TRUE(IsCheckSumOK(f, 1));
    ByteBuffer bad = f;
    bad[10] ^= 1;
    EXPECT_FALSE(IsCheckSumOK(bad, 1));
    EXPECT_FALSE(IsCheckSumOK(ByteBuffer{0x57}, 1));
}

TEST(ProtocolFrames, ReadReplyMustMatchTheRequestExactly) {
    const ByteBuffer good = Block(0x0230);
    EXPECT_TRUE(IsReadReply(good, 0, 0x0230, 16));
    ByteBuffer shortReply(good);
    shortReply.resize(good.size() - 1);
    ByteBuffer longReply = good;
    longReply.push_back(0x06);
    ByteBuffer badEnd = good;
    badEnd.back() = 0x07;
    ByteBuffer badSum = good;
    badSum[20] ^= 0xFF;
    ByteBuffer badKind = good;
    badKind[0] = 0x52;
    struct Case { const char* what; ByteBuffer reply; int address; };
    const Case cases[] = {
        {"one byte short", shortReply, 0x0230}, {"one byte long", longReply, 0x0230},
        {"end byte", badEnd, 0x0230},           {"checksum", badSum, 0x0230},
        {"kind", badKind, 0x0230},              {"other address", good, 0x0240},
        {"empty", ByteBuffer{}, 0x0230},
    };
    for (const Case& c : cases) EXPECT_FALSE(IsReadReply(c.reply, 0, c.address, 16)) << c.what;
    // The echo of the request ahead of the reply is skipped when there is one.
    ByteBuffer echoed = MakeReadRequest(0x0230, 16);
    echoed.insert(echoed.end(), good.begin(), good.end());
    EXPECT_TRUE(IsReadReply(echoed, 4, 0x0230, 16));
}

TEST(ProtocolFrames, ShortRepliesNeedTheirExactLength) {
    EXPECT_TRUE(IsProgramAck({'Z', 'V', 0x06}, 0));
    EXPECT_FALSE(IsProgramAck({'Z', 'V', 0x06, 0x06}, 0));
    EXPECT_FALSE(IsProgramAck({'Z', 'V'}, 0));
    EXPECT_FALSE(IsProgramAck({'Z', 'W', 0x06}, 0));
    EXPECT_TRUE(IsAck({0x06}, 0));
    EXPECT_FALSE(IsAck({0x06, 0x06}, 0));
    EXPECT_FALSE(IsAck({0x0A}, 0));
    EXPECT_TRUE(IsNak({0x0A}, 0));
    EXPECT_FALSE(IsNak({}, 0));
}

TEST(ProtocolFrames, IdentReplyFields) {
    const auto r = ParseIdentReply(MakeIdentReply("6173USD", 5, "V100", 0x03), 0);
    ASSERT_TRUE(r);
    EXPECT_EQ(r->ModelCode, "6173USD");
    EXPECT_EQ(r->BandByte, 5);
    EXPECT_EQ(r->Version, "V100");
    EXPECT_TRUE(r->Killed);
    EXPECT_TRUE(r->Fainted);

    // A six-character code ends at its filler and is normalised; a 0x00 inside the version
    // is left out.
    ByteBuffer b = MakeIdentReply("6173US", 0, "V1", 0x02);
    b[11] = 0x00;
    b[12] = '0';
    const auto s = ParseIdentReply(b, 0);
    ASSERT_TRUE(s);
    EXPECT_EQ(s->ModelCode, "6173USA");
    EXPECT_EQ(s->Version, "V10");
    EXPECT_FALSE(s->Killed);
    EXPECT_TRUE(s->Fainted);

    ByteBuffer model = MakeIdentReply("ZV853D", 1, "V100", 0);
    model[7] = 0x00;
    EXPECT_EQ(ParseIdentReply(model, 0)->ModelCode, "ZV853D");

    ByteBuffer lng = MakeIdentReply("6173USD", 0, "V100", 0);
    lng.push_back(0x06);
    EXPECT_FALSE(ParseIdentReply(lng, 0));
    ByteBuffer kind = MakeIdentReply("6173USD", 0, "V100", 0);
    kind[0] = 'J';
    EXPECT_FALSE(ParseIdentReply(kind, 0));
}

TEST(ProtocolFrames, ModelCodeRules) {
    EXPECT_EQ(NormalizeModelCode("6173US"), "6173USA");
    EXPECT_EQ(NormalizeModelCode("6173USC"), "6173USC");
    EXPECT_TRUE(IsOlderModelCode("ZV853C"));
    EXPECT_FALSE(IsOlderModelCode("ZV853"));
}

TEST(ProtocolFrames, PassWordFromTheBlockAt0040) {
    std::uint8_t data[16];
    for (auto& d : data) d = 0xFF;
    struct Case { std::array<std::uint8_t, 4> bytes; const char* radio; const char* typed; bool ok; };
    const Case cases[] = {
        {{0xFF, 0xFF, 0xFF, 0xFF}, "", "anything", true},
        {{0x00, 'a', 'b', 'c'}, "", "", true},
        {{'1', '2', 0x00, '1'}, "12", "12", true},
        {{'a', 'b', 'c', 'd'}, "abcd", "ABCD", false},
        {{'a', 'b', 'c', 'd'}, "abcd", "abcd", true},
        {{'a', 'b', 0xFF, 'd'}, "ab", "ab ", false},
    };
    for (const Case& c : cases) {
        for (int i = 0; i < 4; ++i) data[12 + i] = c.bytes[i];
        const ByteBuffer reply = MakeBlockFrame(0x0040, data, 16);
        ASSERT_TRUE(IsPassWordReply(reply, 0));
        EXPECT_EQ(RadioPassWord(reply, 0), c.radio);
        EXPECT_EQ(CheckPassWord(reply, 0, c.typed), c.ok) << c.radio << " / " << c.typed;
    }
    EXPECT_FALSE(IsPassWordReply(MakeBlockFrame(0x0050, data, 16), 0));
    ByteBuffer bad = MakeBlockFrame(0x0040, data, 16);
    bad[20] ^= 1;
    EXPECT_FALSE(IsPassWordReply(bad, 0));
    bad.pop_back();
    EXPECT_FALSE(IsPassWordReply(bad, 0));
}

TEST(ProtocolFrames, TestDataMarkerBesideTheProgram) {
    namespace fs = std::filesystem;
    const fs::path dir = fs::temp_directory_path() / ("rp_marker_" + std::to_string(::getpid()));
    fs::create_directories(dir);
    AppState st;
    st.ProgramDir = dir.string();
    CheckTestDataMarker(st);
    EXPECT_FALSE(st.TestDataMode);
    std::ofstream(dir / "TestData.ini") << "";
    CheckTestDataMarker(st);
    EXPECT_TRUE(st.TestDataMode);
    fs::remove_all(dir);
}
