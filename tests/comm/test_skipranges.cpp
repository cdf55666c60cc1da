#include <gtest/gtest.h>

#include "comm/CommImage.h"
#include "comm/SkipRanges.h"

using namespace rp;

namespace {

// Data with no channels, no broadcast-radio entries and empty 2-Tone and 5-Tone lists.
AppState EmptyData() {
    AppState s;
    for (auto& e : s.CurRadioData.FMRadioList) e.Valid = 0;
    for (auto& e : s.CurRadioData.Signal.TwoTone.List) e.EmptyFlag = 1;
    for (auto& r : s.CurRadioData.Signal.FiveTone.CodeRows) r.IsEmpty = 1;
    s.CurRadioData.ChannelCount = 0;
    return s;
}

void AddChannel(AppState& s, int number) {
    auto& c = s.ChannelTable[static_cast<std::size_t>(s.CurRadioData.ChannelCount++)];
    c.ChannelNo = static_cast<std::int16_t>(number);
    c.Used = 1;
}

}  // namespace

TEST(SkipRanges, ContiguousRangesMerge) {
    AppState s;
    AddSkipRange(s, 0x0100, 16);
    AddSkipRange(s, 0x0110, 32);
    AddSkipRange(s, 0x0200, 16);
    ASSERT_EQ(s.SkipRanges.SkipRangeCount, 2);
    EXPECT_EQ(s.SkipRanges.Ranges[0].Start, 0x0100);
    EXPECT_EQ(s.SkipRanges.Ranges[0].End, 0x012F);
    EXPECT_EQ(GetNextTransferAddress(s, 0x0120), 0x0130);
    EXPECT_EQ(GetNextTransferAddress(s, 0x0130), 0x0130);
    EXPECT_EQ(GetNextTransferAddress(s, 0x0200), 0x0210);
}

TEST(SkipRanges, FullTableIgnoresFurtherRangesInsteadOfOverrunning) {
    AppState s;
    for (int i = 0; i < SkipRangeTable::kMaxRanges + 10; ++i) AddSkipRange(s, 0x100 + 32 * i, 16);
    EXPECT_EQ(s.SkipRanges.SkipRangeCount, SkipRangeTable::kMaxRanges);
}

TEST(SkipRanges, EmptyWriteSkipsThreeRangesAndCounts351Blocks) {
    AppState s = EmptyData();
    PrepareWrite(s);
    ASSERT_EQ(s.SkipRanges.SkipRangeCount, 3);
    const SkipRange expected[3] = {{0x0610, 0x079F}, {0x0B00, 0x197F}, {0x2000, 0x38FF}};
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(s.SkipRanges.Ranges[i].Start, expected[i].Start) << i;
        EXPECT_EQ(s.SkipRanges.Ranges[i].End, expected[i].End) << i;
    }
    // 1008 blocks less 25 (broadcast list), 232 (2-Tone and 5-Tone lists), 400 (channel slots).
    EXPECT_EQ(s.ProgressTotal, 1008 - 25 - 232 - 400);
    EXPECT_EQ(s.ProgressCount, 0);
}

TEST(SkipRanges, ChannelsOneTwoAndTwoHundredLeaveOneRangeBetween) {
    AppState s = EmptyData();
    for (int n : {1, 2, 200, 205}) AddChannel(s, n);
    BuildWriteSkipRanges(s);
    ASSERT_EQ(s.SkipRanges.SkipRangeCount, 3);
    EXPECT_EQ(s.SkipRanges.Ranges[2].Start, 0x2040);
    EXPECT_EQ(s.SkipRanges.Ranges[2].End, 0x38DF);
}

TEST(SkipRanges, BroadcastGroupIsSkippedOnlyWhenAllFourEntriesAreFree) {
    AppState s = EmptyData();
    s.CurRadioData.FMRadioList[3].Valid = 1;  // entries 0-2 free, 3 used
    s.CurRadioData.FMRadioList[5].Valid = 1;  // group 4-7 also kept
    BuildWriteSkipRanges(s);
    EXPECT_EQ(s.SkipRanges.Ranges[0].Start, 0x0610 + 8 * 4);
    EXPECT_EQ(s.SkipRanges.Ranges[0].End, 0x079F);
}

TEST(SkipRanges, ReadBuilderTakesTheBroadcastBitmapByTheRadiosModel) {
    struct Case {
        const char* radio;
        int bitmap;
    };
    for (const Case c : {Case{"6173USD", 0x0140}, Case{"ZV853D", 0x0140}, Case{"ZV853C", 0x0260}, Case{"6173USA", 0x0260}}) {
        AppState s;
        InitCommImage(s);
        s.RadioModelCode = c.radio;
        s.CommImage[static_cast<std::size_t>(c.bitmap)] = 0xFE;  // entry 0 in use
        PrepareRead(s, true);
        ASSERT_GE(s.SkipRanges.SkipRangeCount, 1) << c.radio;
        EXPECT_EQ(s.SkipRanges.Ranges[0].Start, 0x0620) << c.radio;
    }
}

TEST(SkipRanges, ReadPhasesCount57ThenTheRestLessSkipped) {
    AppState s;
    InitCommImage(s);
    PrepareRead(s, false);
    EXPECT_EQ(s.ProgressTotal, 57);
    EXPECT_EQ(s.SkipRanges.SkipRangeCount, 0);
    PrepareRead(s, true);  // every bitmap reads free
    EXPECT_EQ(s.ProgressTotal, 966 - 25 - 232 - 400);
}
