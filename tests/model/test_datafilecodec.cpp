#include <gtest/gtest.h>

#include <cstring>

#include "model/DataFileCodec.h"
#include "model/RecordIo.h"

using namespace rp;

namespace {

// Gives every field of a record its own value, so a swapped or shifted field cannot hide.
class MarkerArchive {
public:
    explicit MarkerArchive(int seed) : n_(seed) {}
    void I16(std::int16_t& v) { v = static_cast<std::int16_t>(1000 + (n_++ % 30000)); }
    void U8(std::uint8_t& v) { v = static_cast<std::uint8_t>(1 + (n_++ % 250)); }
    void F64(double& v) { v = 0.25 + n_++; }
    template <std::size_t N> void Text(FixedText<N>& t) {
        for (std::size_t i = 0; i < N; ++i) t[i] = static_cast<char>('A' + (n_ + i) % 26);
        ++n_;
    }

private:
    int n_;
};

std::int16_t Le16(const std::uint8_t* p) { return static_cast<std::int16_t>(p[0] | (p[1] << 8)); }

RadioData MarkedRadioData() {
    RadioData r;
    MarkerArchive m(7);
    Io(m, r);
    return r;
}

}  // namespace

TEST(MainRecord, FieldsSitAtTheirFileOffsets) {
    RadioData r = MarkedRadioData();
    r.BandIndex = 0x0102;
    r.Signal.DTMF.Memories[0].Code = "0123456789ABCDEF01234567";
    r.Signal.DTMF.OwnId = "987";
    r.Signal.DTMF.SideTone = 0x3344;
    r.Signal.TwoTone.Encode.FirstToneHigh = 0xA1;
    r.Signal.TwoTone.Decode[0].FirstTone = 1234.5;
    r.Signal.FiveTone.SystemByte0 = 0xB2;
    r.Signal.FiveTone.CodeRows[0].IsEmpty = 0x0506;
    r.Signal.FiveTone.UserToneSet[0] = 0x0708;
    r.Signal.Option.DisplayMode = 0x090A;
    r.Signal.Option.RadioText = "POWER-ON-TXT";
    r.Signal.Scan.ScanMode = 0xC3;
    r.Signal.Alert.AlarmMode = 0xD4;
    r.ChannelCount = 0x0B0C;
    r.FMRadioList[0].Number = 0x0D0E;
    r.CommBookList[0].Index = 0x0F10;
    r.OptionBytesA[0] = 0xE5;
    r.AMList[0] = "12345678";
    r.OptionBytesB[0] = 0xF6;
    r.MSK.Header.MSKOwnID = "ABCD";
    r.ModelCode = "6173USD";
    r.SWFreq = "SWSWSWSW";
    r.LWFreq = "LWLWLWLW";
    r.BankTable[0][0] = 0x1112;
    r.BankTable[2][1] = 0x1314;  // place 2 of bank 3
    r.TailWord1 = 0x1516;
    r.TailByte = 0x17;
    r.TailWord2 = 0x1819;
    r.TailWord3 = 0x1A1B;

    const auto b = EncodeMainRecord(r);
    ASSERT_EQ(b.size(), 12275u);
    EXPECT_EQ(Le16(&b[0]), 0x0102);
    EXPECT_EQ(std::memcmp(&b[2], "0123456789ABCDEF01234567", 24), 0);
    EXPECT_EQ(std::memcmp(&b[2 + 506], "987", 3), 0);
    EXPECT_EQ(Le16(&b[2 + 509 + 16]), 0x3344);
    EXPECT_EQ(b[2 + 527], 0xA1);
    double tone;
    std::memcpy(&tone, &b[2 + 527 + 568 + 2], 8);  // unaligned in the file
    EXPECT_EQ(tone, 1234.5);
    EXPECT_EQ(b[2 + 1511], 0xB2);
    EXPECT_EQ(Le16(&b[2 + 1511 + 309]), 0x0506);
    EXPECT_EQ(Le16(&b[2 + 1511 + 5609]), 0x0708);
    EXPECT_EQ(Le16(&b[2 + 7152]), 0x090A);
    EXPECT_EQ(std::memcmp(&b[2 + 7152 + 94], "POWER-ON-TXT", 12), 0);
    EXPECT_EQ(b[2 + 7258], 0xC3);
    EXPECT_EQ(b[2 + 7272], 0xD4);
    EXPECT_EQ(Le16(&b[7286]), 0x0B0C);
    EXPECT_EQ(Le16(&b[7288]), 0x0D0E);
    EXPECT_EQ(Le16(&b[8500]), 0x0F10);
    EXPECT_EQ(b[9540], 0xE5);
    EXPECT_EQ(std::memcmp(&b[9546], "12345678", 8), 0);
    EXPECT_EQ(b[10354], 0xF6);
    EXPECT_EQ(std::memcmp(&b[10359], "ABCD", 4), 0);
    EXPECT_EQ(std::memcmp(&b[11669], "6173USD", 7), 0);
    EXPECT_EQ(std::memcmp(&b[11676], "SWSWSWSW", 8), 0);
    EXPECT_EQ(std::memcmp(&b[11684], "LWLWLWLW", 8), 0);
    EXPECT_EQ(Le16(&b[11692]), 0x1112);
    EXPECT_EQ(Le16(&b[11692 + 2 * (2 * 32 + 1)]), 0x1314);
    EXPECT_EQ(Le16(&b[12268]), 0x1516);
    EXPECT_EQ(b[12270], 0x17);
    EXPECT_EQ(Le16(&b[12271]), 0x1819);
    EXPECT_EQ(Le16(&b[12273]), 0x1A1B);
}

TEST(MainRecord, RoundTripKeepsEveryFieldAndEveryByte) {
    const RadioData r = MarkedRadioData();
    const auto bytes = EncodeMainRecord(r);
    auto back = DecodeMainRecord(bytes);
    ASSERT_TRUE(back);
    EXPECT_TRUE(*back == r);
    EXPECT_EQ(EncodeMainRecord(*back), bytes);
}

TEST(MainRecord, OlderRevisionSetsTailWordsToThree) {
    RadioData r = MarkedRadioData();
    const auto bytes = EncodeMainRecord(r);
    auto back = DecodeMainRecord(std::span(bytes).first(12271));
    ASSERT_TRUE(back);
    EXPECT_EQ(back->TailWord2, 3);
    EXPECT_EQ(back->TailWord3, 3);
    back->TailWord2 = r.TailWord2;
    back->TailWord3 = r.TailWord3;
    EXPECT_TRUE(*back == r);
}

TEST(MainRecord, OtherSizesAreRefused) {
    std::vector<std::uint8_t> v(12274);
    EXPECT_FALSE(DecodeMainRecord(v));
    EXPECT_FALSE(DecodeMainRecord(std::span<const std::uint8_t>()));
}

TEST(ChannelRecord, FieldsSitAtTheirFileOffsets) {
    ChannelData c;
    MarkerArchive m(3);
    Io(m, c);
    c.ChannelNo = 0x0102;
    c.Used = 0x0304;
    c.ScanFlag = 0x0506;
    c.RxFreq = "014550000";
    c.OffsetFreq = "000500000";
    c.Name = "NAME01";
    c.StepIndex = 0x0708;
    c.Shift = 0x090A;           // field 14
    c.Spare7 = 0x0B0C;
    c.SpareText = "00000";
    c.SquelchLevel = 0x0D0E;
    c.TwoToneDecodeNo = 0x0F10;
    const auto b = EncodeChannelRecord(c);
    EXPECT_EQ(Le16(&b[0]), 0x0102);
    EXPECT_EQ(Le16(&b[2]), 0x0304);
    EXPECT_EQ(Le16(&b[4]), 0x0506);
    EXPECT_EQ(std::memcmp(&b[6], "014550000", 9), 0);
    EXPECT_EQ(std::memcmp(&b[15], "000500000", 9), 0);
    EXPECT_EQ(std::memcmp(&b[24], "NAME01", 6), 0);
    EXPECT_EQ(Le16(&b[30]), 0x0708);
    EXPECT_EQ(Le16(&b[30 + 2 * (14 - 7)]), 0x090A);
    EXPECT_EQ(Le16(&b[102]), 0x0B0C);
    EXPECT_EQ(std::memcmp(&b[104], "00000", 5), 0);
    EXPECT_EQ(Le16(&b[109]), 0x0D0E);
    EXPECT_EQ(Le16(&b[111]), 0x0F10);
    for (int k = 7; k <= 43; ++k) EXPECT_EQ(Le16(&b[30 + 2 * (k - 7)]), c.IntField(k)) << k;
}

TEST(ChannelRecord, RoundTripAndOlderForm) {
    ChannelData c;
    MarkerArchive m(11);
    Io(m, c);
    const auto b = EncodeChannelRecord(c);
    auto back = DecodeChannelRecord(b);
    ASSERT_TRUE(back);
    EXPECT_TRUE(*back == c);
    auto old = DecodeChannelRecord(std::span(b).first(109));
    ASSERT_TRUE(old);
    EXPECT_EQ(old->SquelchLevel, 0);
    EXPECT_EQ(old->TwoToneDecodeNo, 0);
    old->SquelchLevel = c.SquelchLevel;
    old->TwoToneDecodeNo = c.TwoToneDecodeNo;
    EXPECT_TRUE(*old == c);
    EXPECT_FALSE(DecodeChannelRecord(std::span(b).first(112)));
}
