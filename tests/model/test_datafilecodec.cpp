#include <gtest/gtest.h>

#include <cstring>
#include <string>

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

// The round trip cannot see two fields swapped inside a sub-record (the same walk reads and
// writes them), so the inner places of every sub-record are pinned here, first and last elements.
TEST(MainRecord, SubRecordFieldsSitAtTheirInnerOffsets) {
    RadioData r = MarkedRadioData();
    SignalData& s = r.Signal;
    constexpr std::size_t S = 2, T = S + 527, F = S + 1511, O = S + 7152, M = 10359;
    s.DTMF.Memories[15].Length = 0x2101;
    s.DTMF.PttIdBegin.Code = "BEGINBEGINBEGINBEGIN1234";
    s.DTMF.PttIdEnd.Code = "ENDENDENDENDENDENDEND123";
    s.DTMF.KillCode.Code = "KILLKILLKILL12";
    s.DTMF.KillCode.Length = 0x2102;
    s.DTMF.StunCode.Code = "STUNSTUNSTUN12";
    s.DTMF.AniMode = 0x2103;
    s.DTMF.PttIdMode = 0x2104;
    s.DTMF.SeparatorDigit = 0x2105;
    s.TwoTone.List[0].EmptyFlag = 0x2201;
    s.TwoTone.List[0].FirstDividerHigh = 0x51;
    s.TwoTone.List[0].SecondToneLow = 0x52;
    s.TwoTone.List[0].Name = "LIST001";
    s.TwoTone.List[31].Name = "LIST032";
    s.TwoTone.Decode[0].Valid = 0x2202;
    s.TwoTone.Decode[0].SecondTone = 2345.75;
    s.TwoTone.Decode[0].Response = 0x2203;
    s.TwoTone.Decode[0].Name = "DEC001";
    s.TwoTone.Decode[15].Name = "DEC016";
    s.FiveTone.SystemTonePeriod = 0x53;
    s.FiveTone.OwnID = "OWNID6";
    s.FiveTone.TenthsSetting = 0x54;
    s.FiveTone.FirstDigitDelay = 0x2301;
    s.FiveTone.SpecialHexDigit = 0x2302;
    s.FiveTone.InfoCodes[0].InfoFunction = 0x55;
    s.FiveTone.InfoCodes[0].Code = "INFOCODE0001";
    s.FiveTone.InfoCodes[7].Name = "INFO008";
    s.FiveTone.PTTIDBegin.IsEmpty = 0x2303;
    s.FiveTone.PTTIDBegin.TonePeriod = 0x56;
    s.FiveTone.PTTIDBegin.Code = "BEGIN-CODE-BEGIN-CODE-BEGIN-CODE-BEGIN-C";
    s.FiveTone.PTTIDEnd.Code = "END-CODE-END-CODE-END-CODE-END-CODE-END-";
    s.FiveTone.CodeRows[99].Name = "ROW0100";
    s.FiveTone.UserToneSet[15] = 0x2304;
    s.Option.MemoryChannel1 = 0x2401;
    s.Option.GroupSelect2 = 0x2402;
    s.Option.BankLink[0] = 0x2403;
    s.Option.BankLink[9] = 0x2404;
    s.Scan.PriorityChannel1 = 0x57;
    s.Scan.PriorityChannel2 = 0x58;
    s.Alert.EmergencyChannel = 0x59;
    r.FMRadioList[0].Valid = 0x2501;
    r.FMRadioList[0].Frequency = "01010000";
    r.FMRadioList[100].Frequency = "01080000";
    r.CommBookList[0].CallID = "CALL1";
    r.CommBookList[0].Name = "BOOK01";
    r.CommBookList[79].Name = "BOOK80";
    r.OptionBytesA[5] = 0x5A;
    r.AMList[100] = "136.0000";
    r.OptionBytesB[4] = 0x5B;
    r.MSK.Header.MSKGroupID = "GRP1";
    r.MSK.Header.PreSendDelay = 0x2601;
    r.MSK.Header.Reserved[0] = 0x2602;
    r.MSK.Header.HopFrequency = 0x2603;
    r.MSK.Entries[0].Valid = 0x2604;
    r.MSK.Entries[0].CallType = 0x2605;
    r.MSK.Entries[0].IndividualID = "IND1";
    r.MSK.Entries[0].GroupID = "GRP2";
    r.MSK.Entries[0].MessageLength = 0x2606;
    r.MSK.Entries[0].MessageCode = "MESSAGE-CODE-18CHR";
    r.MSK.Entries[0].EntryName = "MSKNAME1";
    r.MSK.Entries[31].EntryName = "MSKNAM32";
    r.BankTable[8][31] = 0x2701;  // place 32 of bank 9: the last element

    const auto b = EncodeMainRecord(r);
    struct Word { std::size_t at; int value; };
    const Word words[] = {
        {S + 414, 0x2101}, {S + 482, 0x2102}, {S + 500, 0x2103}, {S + 504, 0x2104}, {S + 509, 0x2105},
        {T + 24, 0x2201}, {T + 568, 0x2202}, {T + 586, 0x2203},
        {F + 15, 0x2301}, {F + 25, 0x2302}, {F + 203, 0x2303}, {F + 5639, 0x2304},
        {O + 8, 0x2401}, {O + 72, 0x2402}, {O + 74, 0x2403}, {O + 92, 0x2404},
        {7290, 0x2501},
        {M + 8, 0x2601}, {M + 18, 0x2602}, {M + 28, 0x2603}, {M + 30, 0x2604}, {M + 32, 0x2605},
        {M + 42, 0x2606},
        {12266, 0x2701},
    };
    for (const auto& w : words) EXPECT_EQ(Le16(&b[w.at]), w.value) << "offset " << w.at;
    struct Byte { std::size_t at; int value; };
    const Byte bytes[] = {
        {T + 26, 0x51}, {T + 33, 0x52}, {F + 4, 0x53}, {F + 11, 0x54}, {F + 27, 0x55}, {F + 208, 0x56},
        {S + 7258 + 11, 0x57}, {S + 7258 + 13, 0x58}, {S + 7272 + 7, 0x59}, {9545, 0x5A}, {10358, 0x5B},
    };
    for (const auto& x : bytes) EXPECT_EQ(b[x.at], x.value) << "offset " << x.at;
    struct Text { std::size_t at; std::string text; };
    const Text texts[] = {
        {S + 416, "BEGINBEGINBEGINBEGIN1234"}, {S + 442, "ENDENDENDENDENDENDEND123"},
        {S + 468, "KILLKILLKILL12"}, {S + 484, "STUNSTUNSTUN12"},
        {T + 34, "LIST001"}, {T + 561, "LIST032"}, {T + 588, "DEC001"}, {T + 978, "DEC016"},
        {F + 5, "OWNID6"}, {F + 30, "INFOCODE0001"}, {F + 196, "INFO008"},
        {F + 209, "BEGIN-CODE-BEGIN-CODE-BEGIN-CODE-BEGIN-C"},
        {F + 262, "END-CODE-END-CODE-END-CODE-END-CODE-END-"}, {F + 5602, "ROW0100"},
        {7292, "01010000"}, {8492, "01080000"}, {8502, "CALL1"}, {8507, "BOOK01"}, {9534, "BOOK80"},
        {10346, "136.0000"}, {M + 4, "GRP1"}, {M + 34, "IND1"}, {M + 38, "GRP2"},
        {M + 44, "MESSAGE-CODE-18CHR"}, {M + 62, "MSKNAME1"}, {M + 1302, "MSKNAM32"},
    };
    for (const auto& t : texts)
        EXPECT_EQ(std::string(reinterpret_cast<const char*>(&b[t.at]), t.text.size()), t.text) << "offset " << t.at;
    double tone;
    std::memcpy(&tone, &b[T + 578], 8);
    EXPECT_EQ(tone, 2345.75);
}

// The run of 37 Integers is walked through one member table; pinning named members to their
// places shows that table is in record order.
TEST(ChannelRecord, NamedIntegersOfTheRunSitInRecordOrder) {
    struct Case { std::int16_t ChannelData::*field; int k; };
    const Case cases[] = {
        {&ChannelData::StepIndex, 7},      {&ChannelData::TxInhibit, 8},     {&ChannelData::Bandwidth, 10},
        {&ChannelData::EncDCSHigh, 12},    {&ChannelData::Shift, 14},        {&ChannelData::Power, 15},
        {&ChannelData::DecDCSInvert, 17},  {&ChannelData::Compander, 19},    {&ChannelData::DecToneType, 21},
        {&ChannelData::EncCTCSSIndex, 23}, {&ChannelData::DecDCSCode, 26},   {&ChannelData::SignalType, 27},
        {&ChannelData::TwoToneNo, 28},     {&ChannelData::FiveToneNo, 29},   {&ChannelData::Scrambler, 30},
        {&ChannelData::DTMFPttId, 31},     {&ChannelData::FiveTonePttId, 32}, {&ChannelData::SquelchMode, 33},
        {&ChannelData::CustomCTCSS, 34},   {&ChannelData::MSKNo, 35},        {&ChannelData::ExtraFlag, 37},
        {&ChannelData::Spare4, 38},        {&ChannelData::DTMFMemoryNo, 39}, {&ChannelData::BusyLockout, 41},
        {&ChannelData::Spare6, 42},        {&ChannelData::Spare7, 43},
    };
    for (const auto& c : cases) {
        ChannelData ch;
        ch.*c.field = 0x1234;
        const auto b = EncodeChannelRecord(ch);
        EXPECT_EQ(Le16(&b[30 + 2 * (c.k - 7)]), 0x1234) << "field " << c.k;
        EXPECT_EQ((*DecodeChannelRecord(b)).*c.field, 0x1234) << "field " << c.k;
    }
}
