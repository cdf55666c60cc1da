#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "model/Banks.h"
#include "model/NewData.h"
#include "model/OldModel.h"
#include "model/OldRecordIo.h"

using namespace rp;

namespace {

// Distinct, non-zero values in every field, so a swapped or shifted field cannot hide.
class Marker {
public:
    explicit Marker(int seed) : n_(seed) {}
    void I16(std::int16_t& v) { v = static_cast<std::int16_t>(100 + (n_++ % 3000)); }
    void U8(std::uint8_t& v) { v = static_cast<std::uint8_t>(1 + (n_++ % 250)); }
    void F64(double& v) { v = 0.5 + n_++; }
    template <std::size_t N> void Text(FixedText<N>& t) {
        for (std::size_t i = 0; i < N; ++i) t[i] = static_cast<char>('a' + (n_ + i) % 26);
        ++n_;
    }

private:
    int n_;
};

OldRadioData MarkedOld(const char* model) {
    OldRadioData r;
    Marker m(3);
    Io(m, r);
    r.ModelCode = model;
    r.BandIndex = 5;
    r.ChannelCount = 2;
    return r;
}

std::int16_t Le16(const std::uint8_t* p) { return static_cast<std::int16_t>(p[0] | (p[1] << 8)); }

}  // namespace

// The older main record, byte by byte. Its fields add up to 11 870 bytes only in this order.
//   offset  length  field
//        0       2  BandIndex
//        2     527  DTMF (same record as now)
//      529     568  2-Tone: 24 bytes encode data + 32 x 17-byte list, no decode list
//     1097    5641  5-Tone (same record as now)
//     6738      76  option: 32 Integers + 12-character power-on text
//     6814      14  scan
//     6828      12  alert
//     6840       2  ChannelCount
//     6842    1212  broadcast list, 101 x 12
//     8054    1664  communication book, 128 x 13
//     9718       6  OptionBytesA
//     9724     808  AM list, 101 x 8
//    10532       5  OptionBytesB
//    10537    1310  MSK
//    11847       6  model text
//    11853       8  SWFreq
//    11861       8  LWFreq
//    11869       1  tail byte
TEST(OldMainRecord, FieldsSitAtTheirFileOffsets) {
    OldRadioData r = MarkedOld("ZV853C");
    r.BandIndex = 0x0102;
    r.Signal.DTMF.Memories[0].Code = "DTMF-FIRST-CODE-00000000";
    r.Signal.TwoTone.Encode.FirstToneHigh = 0xA1;
    r.Signal.TwoTone.List[31].Name = "LASTTT2";
    r.Signal.FiveTone.SystemByte0 = 0xB2;
    r.Signal.Option.Words[0] = 0x0304;
    r.Signal.Option.Words[31] = 0x0506;
    r.Signal.Option.RadioText = "HELLO-OLDSET";
    r.Signal.Scan.ScanMode = 0xC3;
    r.Signal.Alert.AlarmMode = 0xD4;
    r.ChannelCount = 0x0708;
    r.FMRadioList[0].Number = 0x090A;
    r.CommBookList[0].Index = 0x0B0C;
    r.CommBookList[127].Name = "BOOK27";
    r.OptionBytesA[0] = 0xE5;
    r.AMList[0] = "12345678";
    r.OptionBytesB[0] = 0xF6;
    r.MSK.Header.MSKOwnID = "MSKI";
    r.SWFreq = "SW-FREQ!";
    r.LWFreq = "LW-FREQ!";
    r.TailByte = 0x7E;
    const auto b = EncodeOldMainRecord(r);
    ASSERT_EQ(b.size(), 11870u);

    EXPECT_EQ(Le16(&b[0]), 0x0102);
    EXPECT_EQ(std::string(reinterpret_cast<const char*>(&b[2]), 24), "DTMF-FIRST-CODE-00000000");
    EXPECT_EQ(b[529], 0xA1);
    EXPECT_EQ(std::string(reinterpret_cast<const char*>(&b[529 + 24 + 31 * 17 + 10]), 7), "LASTTT2");
    EXPECT_EQ(b[1097], 0xB2);
    EXPECT_EQ(Le16(&b[6738]), 0x0304);
    EXPECT_EQ(Le16(&b[6738 + 62]), 0x0506);
    EXPECT_EQ(std::string(reinterpret_cast<const char*>(&b[6802]), 12), "HELLO-OLDSET");
    EXPECT_EQ(b[6814], 0xC3);
    EXPECT_EQ(b[6828], 0xD4);
    EXPECT_EQ(Le16(&b[6840]), 0x0708);
    EXPECT_EQ(Le16(&b[6842]), 0x090A);
    EXPECT_EQ(Le16(&b[8054]), 0x0B0C);
    EXPECT_EQ(std::string(reinterpret_cast<const char*>(&b[8054 + 127 * 13 + 7]), 6), "BOOK27");
    EXPECT_EQ(b[9718], 0xE5);
    EXPECT_EQ(std::string(reinterpret_cast<const char*>(&b[9724]), 8), "12345678");
    EXPECT_EQ(b[10532], 0xF6);
    EXPECT_EQ(std::string(reinterpret_cast<const char*>(&b[10537]), 4), "MSKI");
    EXPECT_EQ(std::string(reinterpret_cast<const char*>(&b[11847]), 6), "ZV853C");
    EXPECT_EQ(std::string(reinterpret_cast<const char*>(&b[11853]), 8), "SW-FREQ!");
    EXPECT_EQ(std::string(reinterpret_cast<const char*>(&b[11861]), 8), "LW-FREQ!");
    EXPECT_EQ(b[11869], 0x7E);
}

TEST(OldMainRecord, RoundTripsAndRefusesOtherSizes) {
    const OldRadioData r = MarkedOld("ZV853D");
    const auto bytes = EncodeOldMainRecord(r);
    auto back = DecodeOldMainRecord(bytes);
    ASSERT_TRUE(back);
    EXPECT_EQ(*back, r);
    EXPECT_FALSE(DecodeOldMainRecord(std::span(bytes).first(11869)));
    std::vector<std::uint8_t> longer(bytes.begin(), bytes.end());
    longer.push_back(0);
    EXPECT_FALSE(DecodeOldMainRecord(longer));
}

TEST(OldModel, CopyOldModeByte) {
    const struct { const char* model; std::uint8_t source, before, after; } cases[] = {
        {"ZV853C", 3, 9, 5}, {"ZV853C", 5, 9, 5}, {"ZV853C", 0, 9, 0}, {"ZV853D", 3, 9, 3},
        {"ZV853D", 5, 9, 5}, {"6173USD", 3, 9, 9}, {"", 3, 9, 9},
    };
    for (const auto& c : cases) {
        std::uint8_t target = c.before;
        CopyOldModeByte(target, c.source, c.model);
        EXPECT_EQ(target, c.after) << c.model << " " << int(c.source);
    }
}

TEST(OldModel, UsableRecordsOnly) {
    EXPECT_TRUE(OldRecordUsable(MarkedOld("ZV853C")));
    EXPECT_TRUE(OldRecordUsable(MarkedOld("ZV853D")));
    EXPECT_FALSE(OldRecordUsable(MarkedOld("6173US")));
    auto r = MarkedOld("ZV853D");
    r.ChannelCount = 207;
    EXPECT_FALSE(OldRecordUsable(r));
    r = MarkedOld("ZV853D");
    r.BandIndex = 8;
    EXPECT_FALSE(OldRecordUsable(r));
    r = MarkedOld("ZV853D");
    r.Signal.Option.Words[21] = 6000;  // times six does not fit an Integer
    EXPECT_FALSE(OldRecordUsable(r));
}

class ConvertOld : public ::testing::Test {
protected:
    void Convert(const char* model) {
        old = MarkedOld(model);
        old.Signal.Option.Words[21] = 4;
        old.OptionBytesB[0] = 3;
        for (int i = 0; i < kMaxChannels; ++i) {
            Marker m(1000 + i);
            Io(m, oldChannels[static_cast<std::size_t>(i)], false);
        }
        // Whatever the target held before, a few fields must come out the same.
        Marker junk(77);
        Io(junk, target);
        for (auto& c : channels) c.SquelchLevel = 9;
        ConvertOldData(target, channels, old, oldChannels, model);
    }
    OldRadioData old;
    ChannelArray oldChannels{};
    RadioData target;
    ChannelArray channels{};
};

TEST_F(ConvertOld, OptionIntegersMoveToTheirCurrentPlaces) {
    Convert("ZV853C");
    const auto& w = old.Signal.Option.Words;
    RadioData defaults;
    InitSpecialData(defaults);
    for (int i = 0; i <= 6; ++i) EXPECT_EQ(OptionInteger(target.Signal.Option, i), w[i]) << i;
    EXPECT_EQ(target.TailWord2, w[7]);
    EXPECT_EQ(target.TailWord3, w[8]);
    for (int i = 7; i <= 18; ++i) EXPECT_EQ(OptionInteger(target.Signal.Option, i), w[i + 2]) << i;
    EXPECT_EQ(OptionInteger(target.Signal.Option, 19), 24);  // 4 x 6
    for (int i = 20; i <= 29; ++i) EXPECT_EQ(OptionInteger(target.Signal.Option, i), w[i + 2]) << i;
    for (int i = 30; i <= 46; ++i)
        EXPECT_EQ(OptionInteger(target.Signal.Option, i), OptionInteger(defaults.Signal.Option, i)) << i;
    EXPECT_EQ(target.Signal.Option.RadioText, old.Signal.Option.RadioText);
}

TEST_F(ConvertOld, RecordsAndListsAreTakenOver) {
    Convert("ZV853D");
    EXPECT_EQ(target.BandIndex, old.BandIndex);
    EXPECT_EQ(target.Signal.DTMF, old.Signal.DTMF);
    EXPECT_EQ(target.Signal.Alert, old.Signal.Alert);
    EXPECT_EQ(target.Signal.Scan, old.Signal.Scan);
    EXPECT_EQ(target.Signal.FiveTone, old.Signal.FiveTone);
    EXPECT_EQ(target.Signal.TwoTone.Encode, old.Signal.TwoTone.Encode);
    EXPECT_EQ(target.Signal.TwoTone.List, old.Signal.TwoTone.List);
    RadioData defaults;
    InitSpecialData(defaults);
    EXPECT_EQ(target.Signal.TwoTone.Decode, defaults.Signal.TwoTone.Decode);
    EXPECT_EQ(target.ChannelCount, old.ChannelCount);
    EXPECT_EQ(target.FMRadioList, old.FMRadioList);
    for (int i = 0; i < 80; ++i) EXPECT_EQ(target.CommBookList[i], old.CommBookList[i]) << i;
    EXPECT_EQ(target.OptionBytesA, old.OptionBytesA);
    EXPECT_EQ(target.AMList, old.AMList);
    EXPECT_EQ(target.OptionBytesB[0], 3);  // the D model keeps its mode byte
    for (int i = 1; i < 5; ++i) EXPECT_EQ(target.OptionBytesB[i], old.OptionBytesB[i]);
    EXPECT_EQ(target.MSK, old.MSK);
    EXPECT_EQ(target.SWFreq, old.SWFreq);
    EXPECT_EQ(target.LWFreq, old.LWFreq);
    EXPECT_EQ(target.BankTable, BankArray{});
    EXPECT_EQ(target.TailWord1, 0);
    EXPECT_EQ(target.TailByte, old.TailByte);
    EXPECT_EQ(target.ModelCode.Trimmed(), "6173USD");
}

TEST_F(ConvertOld, ModeByteOfTheCModel) {
    Convert("ZV853C");
    EXPECT_EQ(target.OptionBytesB[0], 5);
}

TEST_F(ConvertOld, ChannelsGetTheFieldsTheOlderRecordLacks) {
    Convert("ZV853C");
    for (int i = 0; i < kMaxChannels; ++i) {
        const ChannelData& o = oldChannels[static_cast<std::size_t>(i)];
        const ChannelData& c = channels[static_cast<std::size_t>(i)];
        ChannelData expected = o;
        expected.ExtraFlag = 1;
        expected.SquelchLevel = 3;
        expected.TwoToneDecodeNo = 0;
        ASSERT_EQ(c, expected) << "slot " << i;
    }
}
