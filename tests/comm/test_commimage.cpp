#include <gtest/gtest.h>

#include "comm/CommImage.h"
#include "comm/Codecs.h"

using namespace rp;

TEST(CommImage, PreFillKeepsTestDataAndFillsBitmapsWithFF) {
    AppState s;
    s.CommImage.fill(0x5A);
    InitCommImage(s);
    for (int a = 0; a < 0x4000; ++a) {
        std::uint8_t expected = 0x00;
        if (a < 0x0010) expected = 0x5A;
        else if ((a >= 0x0100 && a <= 0x015F) || (a >= 0x0260 && a <= 0x026F) || (a >= 0x0380 && a <= 0x039F))
            expected = 0xFF;
        ASSERT_EQ(s.CommImage[static_cast<std::size_t>(a)], expected) << std::hex << a;
    }
}

TEST(CommImage, PreFilledImageDecodesToNoChannelsNoEntriesEmptyBanks) {
    AppState s;
    s.RadioModelCode = "6173USD";
    s.CurRadioData.ChannelCount = 3;
    s.ChannelTable[0].ChannelNo = 4;
    s.ChannelTable[0].RxFreq = "043500000";
    s.CurRadioData.BankTable[0][0] = 5;
    InitCommImage(s);
    GetCommData(s);
    const RadioData& r = s.CurRadioData;
    EXPECT_EQ(r.ChannelCount, 0);
    EXPECT_TRUE(s.ChannelTable[0] == ChannelData{}) << "no channel of the earlier data is left behind";
    EXPECT_EQ(r.BankTable[0][0], 0);
    for (int i = 0; i < 100; ++i) EXPECT_EQ(r.FMRadioList[static_cast<std::size_t>(i)].Valid, 0);
    for (const auto& e : r.Signal.TwoTone.List) EXPECT_EQ(e.EmptyFlag, 1);
    for (const auto& e : r.Signal.TwoTone.Decode) EXPECT_EQ(e.Valid, 0);
    for (const auto& e : r.Signal.FiveTone.CodeRows) EXPECT_EQ(e.IsEmpty, 1);
    for (const auto& e : r.MSK.Entries) EXPECT_EQ(e.Valid, 0);
    for (int i = 0; i < 100; ++i) EXPECT_TRUE(r.AMList[static_cast<std::size_t>(i)].Trimmed().empty());
}
