#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "model/AppState.h"
#include "model/Banks.h"
#include "model/ChannelOps.h"
#include "model/FreqCheck.h"
#include "model/NewData.h"

using namespace rp;

namespace {

// Default band 0: UHF 400-480, VHF 136-174; channels 1, 2, 201..206.
AppState NewState() {
    AppState st;
    st.NoInitFileFlag = true;
    NewData(st);
    return st;
}

}  // namespace

TEST(FreqCheck, RasterFromTheBandEdgeAndClampOutside) {
    AppState st;
    struct Case { const char* in; const char* out; bool changed, outOfBand; };
    const Case cases[] = {
        {"145.00625", "145.00625", false, false},  // 6.25 kHz raster
        {"145.0030", "145.00250", true, false},    // neither raster: down by n mod 250
        {"145.0125", "145.01250", false, false},   // not 145.01249 through a double
        {"145.0025", "145.00250", false, false},
        {"136", "136.00000", false, false},
        {"174", "174.00000", false, false},
        {"250", "174.00000", true, true},          // nearest limit
        {"300", "400.00000", true, true},
        {"100", "136.00000", true, true},
        {"999", "480.00000", true, true},
        {"", "400.00000", true, true},
        {"1x", "400.00000", true, true},
        {"-5", "136.00000", true, true},
        // Beyond what 64 bits hold: still the nearest limit on its side.
        {"99999999999999999999", "480.00000", true, true},
        {"-99999999999999999999.5", "136.00000", true, true},
        {"435.123456", "435.12250", true, false},  // past five decimals cut first
    };
    for (const auto& c : cases) {
        const FreqCheckResult r = CheckRxFreqStr(st, c.in, 0);
        EXPECT_EQ(r.Text, c.out) << c.in;
        EXPECT_EQ(r.Changed, c.changed) << c.in;
        EXPECT_EQ(r.OutOfBand, c.outOfBand) << c.in;
    }
    for (const char* text : {"", "1x", ".", "1.2.3"}) EXPECT_TRUE(CheckRxFreqStr(st, text).NotANumber) << text;
    for (const char* text : {"999", "99999999999999999999", "145"})
        EXPECT_FALSE(CheckRxFreqStr(st, text).NotANumber) << text;
    st.TxBandLow[1] = 144;
    st.TxBandHigh[1] = 146;
    EXPECT_EQ(CheckFreqStr(st, "150", 0, false).Text, "146.00000");
    EXPECT_EQ(CheckFreqStr(st, "150", 0, true).Text, "150.00000");
}

TEST(FreqCheck, OffsetPairFollowsTheCheckedTransmitFrequency) {
    AppState st;
    EXPECT_EQ(CheckFreqPair(st, "5", "145.5", 2).Text, "005.00000");
    EXPECT_EQ(CheckFreqPair(st, "0.6", "145.5", 1).Text, "000.60000");
    const FreqCheckResult clamped = CheckFreqPair(st, "40", "145.5", 2);  // TX 185.5 clamps to 174
    EXPECT_EQ(clamped.Text, "028.50000");
    EXPECT_TRUE(clamped.OutOfBand);
    EXPECT_EQ(CheckFreqPair(st, "abc", "145.5", 2).Text, "000.00000");
    // A transmit frequency snapped below a receive frequency on the 6.25 kHz raster would give a
    // negative offset, which has no data text: simplex is the nearest valid pair.
    const FreqCheckResult below = CheckFreqPair(st, "0.0001", "145.00625", 2);
    EXPECT_EQ(below.Text, "000.00000");
    EXPECT_TRUE(below.Changed);
    EXPECT_EQ(CheckFreqPair(st, "0.0001", "145.00625", 0).Text, "000.00000");
}

TEST(ChannelOps, LookupsAndCounts) {
    AppState st = NewState();
    EXPECT_EQ(FindFreIndex(st, 201), 2);
    EXPECT_EQ(FindFreIndex(st, 3), -1);
    EXPECT_TRUE(IsChannelNoUsed(st, 206));
    EXPECT_EQ(CountNormalChannels(st), 2);
    st.CurRadioData.ChannelCount = 0;
    EXPECT_EQ(FindFreIndex(st, 1), -1);
}

TEST(ChannelOps, DeleteRefusesTheLastNormalChannel) {
    AppState st = NewState();
    std::vector<std::string> messages;
    auto msg = [&](const std::string& m) { messages.push_back(m); };
    EXPECT_TRUE(DeleteChannel(st, 1, msg));
    EXPECT_EQ(st.CurRadioData.ChannelCount, 7);
    EXPECT_EQ(st.ChannelTable[0].ChannelNo, 2);
    EXPECT_EQ(st.ChannelTable[1].ChannelNo, 201);
    EXPECT_EQ(GetChBankStr(st, 1), "");
    EXPECT_TRUE(messages.empty());
    for (int n : {2, 205}) {
        EXPECT_FALSE(DeleteChannel(st, n, msg));
        EXPECT_EQ(st.CurRadioData.ChannelCount, 7);
    }
    EXPECT_EQ(messages, (std::vector<std::string>{"Must retain the one channels!", "Must retain the one channels!"}));
}

TEST(ChannelOps, SetChannelFreqCreatesAChannelOnTheRaster) {
    AppState st = NewState();
    st.ChannelTable[8].Spare6 = 77;  // the unused words of the slot stay
    const SetFreqResult r = SetChannelFreq(st, 50, "145.5031");
    ASSERT_TRUE(r.Added);
    EXPECT_FALSE(r.Check.OutOfBand);
    const ChannelData& c = st.ChannelTable[8];
    EXPECT_EQ(c.ChannelNo, 50);
    EXPECT_EQ(c.RxFreq.Str(), "014550250");
    EXPECT_EQ(c.ScanFlag, 0);
    EXPECT_EQ(c.Spare6, 77);
    EXPECT_EQ(c.CustomCTCSS, 1511);
    EXPECT_EQ(GetChBankStr(st, 50), "3");
    EXPECT_FALSE(SetChannelFreq(st, 50, "145").Added);  // already there

    const SetFreqResult far = SetChannelFreq(st, 190, "300");
    EXPECT_TRUE(far.Added);
    EXPECT_TRUE(far.Check.OutOfBand);
    EXPECT_EQ(st.ChannelTable[9].RxFreq.Str(), "040000000");
    EXPECT_EQ(GetChBankStr(st, 190), "");
}

TEST(ChannelOps, AFullTableRefusesNewChannelsBeforeTouchingBanks) {
    AppState st = NewState();
    for (int n = 3; n <= 200; ++n) ASSERT_TRUE(SetChannelFreq(st, n, "145").Added);
    ASSERT_EQ(st.CurRadioData.ChannelCount, kMaxChannels);
    // A corrupt table may carry a number twice; it must still never grow past 206.
    st.ChannelTable[FindFreIndex(st, 6)].ChannelNo = 1;
    DelChFromAllBank(st, 6);
    EXPECT_FALSE(SetChannelFreq(st, 6, "145").Added);
    EXPECT_EQ(GetChBankStr(st, 6), "");
    EXPECT_FALSE(AddDefaultChannel(st, 6, "145"));
    st.ChannelClipboard = st.ChannelTable[0];
    EXPECT_FALSE(PasteChannel(st, 0, 6));
    EXPECT_EQ(st.CurRadioData.ChannelCount, kMaxChannels);
}

TEST(ChannelOps, GridFieldWrites) {
    AppState st = NewState();  // channel 2 at 155.00000
    SetChannelDataByGrid(st, 2, "150.5", 2, 0);
    const ChannelData& c = st.ChannelTable[1];
    EXPECT_EQ(c.Shift, 1);
    EXPECT_EQ(c.OffsetFreq.Str(), "000450000");
    SetChannelDataByGrid(st, 2, "160", 2, 0);
    EXPECT_EQ(c.Shift, 2);
    EXPECT_EQ(c.OffsetFreq.Str(), "000500000");
    SetChannelDataByGrid(st, 2, "155", 2, 0);
    EXPECT_EQ(c.Shift, 0);
    const FreqCheckResult rx = SetChannelDataByGrid(st, 2, "500", 1, 0);
    EXPECT_TRUE(rx.OutOfBand);
    EXPECT_EQ(c.RxFreq.Str(), "048000000");
    SetChannelDataByGrid(st, 2, "ABCDEFGH", 3, 0);
    EXPECT_EQ(c.Name.Str(), "ABCDEF");
    SetChannelDataByGrid(st, 2, "8", 4, 0);
    EXPECT_EQ(c.StepIndex, 8);
    SetChannelDataByGrid(st, 2, "9", 4, 0);  // no such step: kept
    EXPECT_EQ(c.StepIndex, 8);
    SetChannelDataByGrid(st, 2, "1", 7, 0);
    EXPECT_EQ(c.Power, 1);
    SetChannelDataByGrid(st, 2, "2", 8, 0);
    SetChannelDataByGrid(st, 2, "531", 8, 2);  // code 19 inverted
    EXPECT_EQ(c.DecToneType, 2);
    EXPECT_EQ(c.DecDCSCode, 19);
    EXPECT_EQ(c.DecDCSInvert, 1);
    EXPECT_EQ(GetChannelToneField(st, 2, "De_CDCSS"), 531);
    SetChannelDataByGrid(st, 2, "33", 9, 1);
    EXPECT_EQ(GetChannelToneField(st, 2, "En_CTCSS"), 33);
    EXPECT_EQ(GetChannelToneField(st, 2, "De_CTC_Type"), 2);
    EXPECT_EQ(GetChannelToneField(st, 99, "De_CTC_Type"), -1);
    SetChannelDataByGrid(st, 2, "4", 10, 0);
    EXPECT_EQ(c.SignalType, 4);
}

TEST(ChannelOps, CopyCutPaste) {
    AppState st = NewState();
    CopyChannel(st, 0, 5);  // no such channel
    EXPECT_EQ(st.ChannelClipboard.Used, 0);
    EXPECT_TRUE(SetChannelFreq(st, 5, "146").Added);
    st.ChannelTable[8].Power = 1;
    CopyChannel(st, 0, 5);
    EXPECT_EQ(st.ChannelClipboard.Used, 1);
    EXPECT_TRUE(PasteChannel(st, 0, 201));  // overwrites in place, table order kept
    EXPECT_EQ(st.ChannelTable[2].ChannelNo, 201);
    EXPECT_EQ(st.ChannelTable[2].Power, 1);
    EXPECT_EQ(st.ChannelTable[2].RxFreq.Str(), "014600000");
    EXPECT_TRUE(PasteChannel(st, 0, 150));  // appended, no bank
    EXPECT_EQ(st.ChannelTable[st.CurRadioData.ChannelCount - 1].ChannelNo, 150);
    EXPECT_EQ(GetChBankStr(st, 150), "");
    CutChannel(st, 0, 150);
    EXPECT_FALSE(IsChannelNoUsed(st, 150));
    CopyChannel(st, 1, 5);  // other grids have no clipboard
    CopyChannel(st, 0, 77);
    EXPECT_FALSE(PasteChannel(st, 0, 5));  // an empty clipboard deletes the target
    EXPECT_FALSE(IsChannelNoUsed(st, 5));
}

TEST(ChannelOps, CutOfTheOnlyNormalChannelKeepsItButFillsTheClipboard) {
    AppState st = NewState();
    DeleteChannel(st, 2);
    std::vector<std::string> messages;
    CutChannel(st, 0, 1, [&](const std::string& m) { messages.push_back(m); });
    EXPECT_EQ(messages.size(), 1u);
    EXPECT_TRUE(IsChannelNoUsed(st, 1));
    EXPECT_EQ(st.ChannelClipboard.Used, 1);
    EXPECT_TRUE(PasteChannel(st, 0, 7));
    EXPECT_TRUE(IsChannelNoUsed(st, 7));
}

TEST(ChannelOps, NewEmptyChannelForTheDialog) {
    AppState st = NewState();
    ChannelData c;
    c.Power = 9;
    NewEmptyChannel(st, c, 25);
    EXPECT_EQ(c.ChannelNo, 25);
    EXPECT_EQ(c.Used, 0);
    EXPECT_EQ(c.Power, 0);
    EXPECT_EQ(c.RxFreq.Str(), "FFFFFFFFF");
    EXPECT_EQ(c.Name.Str(), "      ");
    EXPECT_EQ(c.SquelchLevel, 3);
    EXPECT_EQ(c.ExtraFlag, 1);
    EXPECT_TRUE(IsChInEditBank(st, 25, 2));
    EXPECT_EQ(GetChBankStr(st, 25), "");
}
