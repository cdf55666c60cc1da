#include <gtest/gtest.h>

#include "comm/Codecs.h"
#include "comm/CommImage.h"

using namespace rp;

namespace {

ChannelData Channel(int number) {
    ChannelData c;
    c.ChannelNo = static_cast<std::int16_t>(number);
    c.Used = 1;
    c.ScanFlag = 1;
    c.RxFreq = "014550000";
    c.OffsetFreq = "000600000";
    c.SpareText = "00000";
    c.CustomCTCSS = 1511;
    c.ExtraFlag = 1;
    c.SquelchLevel = 3;
    return c;
}

struct Fixture {
    AppState s;
    Messages m;
    Fixture() {
        s.RadioModelCode = "6173USD";
        InitCommImage(s);
        for (auto& e : s.CurRadioData.FMRadioList) e.Frequency = "FFFFFFFF";
    }
    void Add(const ChannelData& c) { s.ChannelTable[static_cast<std::size_t>(s.CurRadioData.ChannelCount++)] = c; }
    std::uint8_t At(int a) const { return s.CommImage[static_cast<std::size_t>(a)]; }
};

}  // namespace

TEST(ChannelCodec, RecordBytesOfOneChannel) {
    Fixture f;
    ChannelData c = Channel(3);
    c.TxInhibit = 1;
    c.Bandwidth = 2;
    c.EncDCSCode = 0x1A5;  // 421: bit 8 set
    c.Shift = 1;
    c.Power = 1;
    c.DecDCSCode = 0x23;
    c.EncToneType = 2;
    c.DecToneType = 1;
    c.DTMFMemoryNo = 9;
    c.Name = "ABC";
    c.BusyLockout = 2;
    c.SquelchLevel = 5;
    c.CustomCTCSS = 0x0603;
    c.TwoToneDecodeNo = 7;
    f.Add(c);
    ASSERT_TRUE(SetCommDataByFrequency(f.s, f.m));
    const int a = 0x2000 + 2 * 32;
    const std::uint8_t expected[32] = {0x01, 0x45, 0x50, 0x00, 0x00, 0x06, 0x00, 0x00,
                                       0x00, 0x01 | 0x08 | 0x20 | 0x40, 0x02 | 0x04, 0x02 | 0x04 | 0x90,
                                       0x00, 0x00, 0xA5, 0x23, 0x00, 0x00, 0x00, 'A', 'B', 'C', ' ', ' ', ' ',
                                       0x52, 0x00, 0x00, 0x03, 0x06, 0x00, 0x07};
    for (int i = 0; i < 32; ++i) EXPECT_EQ(f.At(a + i), expected[i]) << "byte " << i;
    EXPECT_EQ(f.At(0x0100), 0xFB);  // number 3 is entry 2
    EXPECT_EQ(f.At(0x0120), 0xFF);  // scan flag 1 leaves the scan bit set
}

TEST(ChannelCodec, EveryChannelFieldRoundTrips) {
    Fixture f;
    for (int n : {1, 57, 200, 201, 202, 203, 204, 205, 206}) {
        ChannelData c = Channel(n);
        c.ScanFlag = n % 2;
        c.RxFreq = "043212500";
        c.OffsetFreq = "000500000";
        c.Name = "CH" + std::to_string(n);
        c.StepIndex = 5;
        c.Reverse = 1;
        c.Bandwidth = 3;
        c.EncDCSInvert = 1;
        c.EncDCSCode = 511;
        c.EncDCSHigh = 1;
        c.Shift = 2;
        c.TalkAround = 1;
        c.DecDCSInvert = 1;
        c.DecDCSCode = 300;
        c.DecDCSHigh = 1;
        c.Compander = 1;
        c.EncToneType = 1;
        c.DecToneType = 2;
        c.EncCTCSSIndex = 51;
        c.DecCTCSSIndex = 12;
        c.SignalType = 3;
        c.TwoToneNo = 31;
        c.FiveToneNo = 99;
        c.DTMFPttId = 3;
        c.FiveTonePttId = 2;
        c.SquelchMode = 4;
        c.CustomCTCSS = 2541;
        c.MSKNo = 17;
        c.DTMFMemoryNo = 15;
        c.BusyLockout = 1;
        c.SquelchLevel = 9;
        c.TwoToneDecodeNo = 15;
        if (n >= 205) c.ScanFlag = 1;  // the VFOs have no scan bit
        f.Add(c);
    }
    const auto original = f.s.ChannelTable;
    ASSERT_TRUE(SetCommDataByFrequency(f.s, f.m));
    f.s.ChannelTable = {};
    GetCommDataByFrequency(f.s);
    ASSERT_EQ(f.s.CurRadioData.ChannelCount, 9);
    for (int i = 0; i < 9; ++i) EXPECT_EQ(f.s.ChannelTable[static_cast<std::size_t>(i)], original[static_cast<std::size_t>(i)]) << i;
}

TEST(ChannelCodec, VfosTouchNoBitmapAndScanFlagZeroClearsItsBit) {
    Fixture f;
    ChannelData c = Channel(205);
    c.ScanFlag = 0;
    f.Add(c);
    f.Add(Channel(206));
    ChannelData d = Channel(9);
    d.ScanFlag = 0;
    f.Add(d);
    ASSERT_TRUE(SetCommDataByFrequency(f.s, f.m));
    for (int a = 0x0100; a < 0x0140; ++a) {
        const std::uint8_t expected = a == 0x0101 || a == 0x0121 ? 0xFE : 0xFF;
        EXPECT_EQ(f.At(a), expected) << std::hex << a;
    }
}

TEST(ChannelCodec, ShiftAndSignallingCodes) {
    struct Case {
        const char* model;
        int signal;
        int stored;
    };
    for (const Case c : {Case{"6173USD", 3, 3}, Case{"6173USD", 2, 2}, Case{"6173USA", 3, 2}, Case{"6173USA", 2, 3},
                         Case{"6173USA", 4, 4}}) {
        Fixture f;
        f.s.CurModelCode = c.model;
        ChannelData ch = Channel(1);
        ch.SignalType = static_cast<std::int16_t>(c.signal);
        ch.Shift = 1;
        f.Add(ch);
        ASSERT_TRUE(SetCommDataByFrequency(f.s, f.m));
        EXPECT_EQ(f.At(0x2010), c.stored) << c.model << " " << c.signal;
        EXPECT_EQ(f.At(0x200A) & 3, 2);
        // The decoder swaps back by the radio's model.
        f.s.RadioModelCode = c.model;
        GetCommDataByFrequency(f.s);
        EXPECT_EQ(f.s.ChannelTable[0].SignalType, c.signal);
        EXPECT_EQ(f.s.ChannelTable[0].Shift, 1);
    }
    Fixture f;
    f.Add(Channel(1));
    SetCommDataByFrequency(f.s, f.m);
    f.s.CommImage[0x200A] = 1;  // a code the encoder never writes
    GetCommDataByFrequency(f.s);
    EXPECT_EQ(f.s.ChannelTable[0].Shift, 0);
}

TEST(ChannelCodec, NamesAndTheTenHertzDigit) {
    Fixture f;
    ChannelData c = Channel(1);
    c.Name = "";
    f.Add(c);
    ASSERT_TRUE(SetCommDataByFrequency(f.s, f.m));
    for (int i = 19; i < 25; ++i) EXPECT_EQ(f.At(0x2000 + i), 0x00);

    struct Case {
        std::array<std::uint8_t, 4> bytes;
        const char* text;
    };
    const Case cases[] = {{{0x01, 0x45, 0x50, 0x00}, "014550000"}, {{0x43, 0x00, 0x01, 0x22}, "430001225"},
                          {{0x43, 0x00, 0x01, 0x23}, "430001233"}, {{0x43, 0x00, 0x01, 0x26}, "430001266"},
                          {{0x43, 0x00, 0x01, 0x27}, "430001275"}, {{0x43, 0x00, 0x01, 0x29}, "430001290"}};
    for (const Case& k : cases) {
        for (int i = 0; i < 4; ++i) f.s.CommImage[static_cast<std::size_t>(0x2000 + i)] = k.bytes[static_cast<std::size_t>(i)];
        GetCommDataByFrequency(f.s);
        EXPECT_EQ(f.s.ChannelTable[0].RxFreq.Trimmed(), k.text);
    }
    f.s.CommImage[0x2000] = 0xFF;  // not BCD: no frequency, so no channel
    GetCommDataByFrequency(f.s);
    EXPECT_EQ(f.s.CurRadioData.ChannelCount, 0);
}

TEST(ChannelCodec, ValuesWithoutAPlaceFailTheWriteWithTheLabel) {
    struct Case {
        const char* what;
        void (*change)(ChannelData&);
    };
    const Case cases[] = {
        {"shift 3", [](ChannelData& c) { c.Shift = 3; }},
        {"DCS 512", [](ChannelData& c) { c.EncDCSCode = 512; }},
        {"negative DCS", [](ChannelData& c) { c.DecDCSCode = -1; }},
        {"bandwidth 4", [](ChannelData& c) { c.Bandwidth = 4; }},
        {"squelch level 16", [](ChannelData& c) { c.SquelchLevel = 16; }},
        {"step 256", [](ChannelData& c) { c.StepIndex = 256; }},
        {"frequency text", [](ChannelData& c) { c.RxFreq = "14G500000"; }},
        {"channel 0", [](ChannelData& c) { c.ChannelNo = 0; }},
        {"channel 207", [](ChannelData& c) { c.ChannelNo = 207; }},
        {"used 2", [](ChannelData& c) { c.Used = 2; }},
    };
    for (const Case& k : cases) {
        Fixture f;
        ChannelData c = Channel(2);
        k.change(c);
        f.Add(c);
        ChannelData later = Channel(5);
        f.Add(later);
        EXPECT_FALSE(SetCommDataByFrequency(f.s, f.m)) << k.what;
        EXPECT_FALSE(f.s.WriteAllowed) << k.what;
        ASSERT_EQ(f.m.size(), 1u) << k.what;
        EXPECT_EQ(f.m[0], "SetCommDataByFrequencyError");
        EXPECT_EQ(f.At(0x2000 + 4 * 32), 0x00) << k.what << ": the channel after it is not coded";
        EXPECT_EQ(f.At(0x2000 + 32 + 10) & 0x80, 0) << k.what << ": nothing spills into bit 7";
    }
    Fixture f;
    f.s.CurRadioData.ChannelCount = 207;
    EXPECT_FALSE(SetCommDataByFrequency(f.s, f.m));
}

TEST(ChannelCodec, BroadcastListBitmapSitsByModel) {
    for (const char* model : {"6173USD", "6173USA"}) {
        Fixture f;
        f.s.CurModelCode = model;
        f.s.RadioModelCode = model;
        auto& list = f.s.CurRadioData.FMRadioList;
        list[0] = {0, 1, FixedText<8>("08750000")};
        list[9] = {9, 1, FixedText<8>("10800000")};
        list[100].Frequency = "09000000";
        ASSERT_TRUE(SetCommDataByFrequency(f.s, f.m));
        ASSERT_TRUE(SetCommDataByAM(f.s, f.m));
        const int radioBitmap = std::string(model) == "6173USD" ? 0x0140 : 0x0260;
        const int amBitmap = radioBitmap == 0x0140 ? 0x0260 : 0x0140;
        EXPECT_EQ(f.At(radioBitmap), 0xFE) << model;
        EXPECT_EQ(f.At(radioBitmap + 1), 0xFD) << model;
        EXPECT_EQ(f.At(amBitmap), 0xFF) << model;
        EXPECT_EQ(f.At(0x0610), 0x08);
        EXPECT_EQ(f.At(0x0600), 0x09);
        list = {};
        GetCommDataByFrequency(f.s);
        EXPECT_EQ(list[9].Valid, 1);
        EXPECT_EQ(list[9].Frequency.Trimmed(), "10800000");
        EXPECT_EQ(list[8].Valid, 0);
        EXPECT_EQ(list[8].Frequency.Trimmed(), "FFFFFFFF");
        EXPECT_EQ(list[100].Frequency.Trimmed(), "09000000");
    }
}

TEST(ChannelCodec, ZeroFrequencyDropsOnlyAnUnwrittenVfoRecord) {
    struct Case {
        int number;
        bool kept;
    };
    for (const Case k : {Case{7, true}, Case{203, true}, Case{205, false}, Case{206, false}}) {
        Fixture f;
        ChannelData c = Channel(k.number);
        c.RxFreq = "000000000";
        f.Add(c);
        ASSERT_TRUE(SetCommDataByFrequency(f.s, f.m));
        GetCommDataByFrequency(f.s);
        ASSERT_EQ(f.s.CurRadioData.ChannelCount, k.kept ? 1 : 0) << k.number;
        if (k.kept) {
            EXPECT_EQ(f.s.ChannelTable[0].ChannelNo, k.number);
        }
    }
}
