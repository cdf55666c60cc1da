#include <gtest/gtest.h>

#include "model/AppState.h"
#include "model/ChannelOps.h"
#include "model/DataChanged.h"
#include "model/NewData.h"
#include "model/Repairs.h"

using namespace rp;

namespace {

AppState NewState() {
    AppState st;
    st.NoInitFileFlag = true;
    NewData(st);
    return st;
}

}  // namespace

TEST(Repairs, SignalNumbersOutOfRangeOrUnusedAreReplaced) {
    AppState st = NewState();
    RadioData& r = st.CurRadioData;
    r.Signal.TwoTone.List[4].EmptyFlag = 0;
    r.Signal.FiveTone.CodeRows[7].IsEmpty = 0;
    r.Signal.TwoTone.Decode[2].Valid = 1;
    r.MSK.Entries[3].Valid = 1;
    struct Case { int type, no, expectTwo, expectFive, expectMSK; };
    const Case cases[] = {
        {2, 255, 4, 255, 0},   // a raw byte from a radio, never an index
        {2, -3, 4, -3, 0},
        {2, 4, 4, 4, 0},       // used entry stays
        {3, 100, 100, 7, 0},
        {3, 7, 7, 7, 0},
        {4, 32, 32, 32, 3},
        {0, 999, 999, 999, 0}, // no signalling: numbers are left alone
    };
    for (const auto& c : cases) {
        ChannelData& ch = st.ChannelTable[0];
        ch.SignalType = static_cast<std::int16_t>(c.type);
        ch.TwoToneNo = ch.FiveToneNo = static_cast<std::int16_t>(c.no);
        ch.MSKNo = c.type == 4 ? static_cast<std::int16_t>(c.no) : 0;
        ch.TwoToneDecodeNo = 16;
        int redraws = 0;
        RepairChannelSignalRefs(st, [&] { ++redraws; });
        EXPECT_EQ(redraws, 1);
        EXPECT_EQ(ch.TwoToneNo, c.expectTwo) << c.type << "/" << c.no;
        EXPECT_EQ(ch.FiveToneNo, c.expectFive) << c.type << "/" << c.no;
        EXPECT_EQ(ch.MSKNo, c.expectMSK) << c.type << "/" << c.no;
        EXPECT_EQ(ch.TwoToneDecodeNo, 2);
    }
}

TEST(Repairs, EmptyListsGiveZero) {
    AppState st = NewState();
    ChannelData& ch = st.ChannelTable[1];
    ch.SignalType = 3;
    ch.FiveToneNo = 40;
    ch.TwoToneDecodeNo = 5;
    RepairChannelSignalRefs(st);
    EXPECT_EQ(ch.FiveToneNo, 0);
    EXPECT_EQ(ch.TwoToneDecodeNo, 0);
}

TEST(Repairs, AlertFiveToneCode) {
    AppState st = NewState();
    AlertData& a = st.CurRadioData.Signal.Alert;
    st.CurRadioData.Signal.FiveTone.CodeRows[12].IsEmpty = 0;
    a.IDCodeType = 2;
    a.IDCode = 200;
    RepairOption5ToneRefs(st);
    EXPECT_EQ(a.IDCode, 12);
    a.IDCodeType = 1;  // a DTMF memory number is not a five-tone row
    a.IDCode = 9;
    RepairOption5ToneRefs(st);
    EXPECT_EQ(a.IDCode, 9);
}

TEST(Repairs, ChannelSettingsFollowDeletedChannels) {
    AppState st = NewState();  // channels 1, 2, 201..206
    SetChannelFreq(st, 40, "145");
    OptionData& o = st.CurRadioData.Signal.Option;
    ScanData& s = st.CurRadioData.Signal.Scan;
    AlertData& a = st.CurRadioData.Signal.Alert;
    o.MemoryChannel1 = 39;
    o.MemoryChannel2 = 200;  // PL1 is offered
    s.PriorityChannel1 = 39;
    s.PriorityChannel2 = 250;
    a.EmergencyChannel = 1;
    DeleteChannel(st, 40);
    CheckChannelRefs(st);
    EXPECT_EQ(o.MemoryChannel1, 0);
    EXPECT_EQ(o.MemoryChannel2, 200);
    EXPECT_EQ(s.PriorityChannel1, 0);
    EXPECT_EQ(s.PriorityChannel2, 0);
    EXPECT_EQ(a.EmergencyChannel, 1);
    DeleteChannel(st, 1);
    CheckChannelRefs(st);
    EXPECT_EQ(o.MemoryChannel1, 1);
    EXPECT_EQ(a.EmergencyChannel, 1);
}

TEST(DataChanged, FieldsTextsBandAndChannels) {
    AppState st = NewState();
    ASSERT_FALSE(IsDataChanged(st));
    // The same text padded with NUL instead of blanks is no change.
    st.CurRadioData.SWFreq = "18";
    EXPECT_FALSE(IsDataChanged(st));
    st.CurRadioData.SWFreq = "19";
    EXPECT_TRUE(IsDataChanged(st));
    st.CurRadioData.SWFreq = st.FileRadioData.SWFreq;

    st.CurRadioData.Signal.Scan.RxResumeDelay = 3;
    EXPECT_TRUE(IsDataChanged(st));
    st.CurRadioData.Signal.Scan.RxResumeDelay = st.FileRadioData.Signal.Scan.RxResumeDelay;

    st.CurBandIndex = 3;
    EXPECT_TRUE(IsDataChanged(st));
    st.CurBandIndex = 0;
    st.CurModelCode = "6173USC";
    EXPECT_TRUE(IsDataChanged(st));
    st.CurModelCode = "6173USD";
    EXPECT_FALSE(IsDataChanged(st));

    st.ChannelTable[7].Power = 1;
    EXPECT_TRUE(IsDataChanged(st));
    st.ChannelTable[7].Power = 0;
    st.ChannelTable[20].Power = 1;  // behind ChannelCount: not data
    EXPECT_FALSE(IsDataChanged(st));
    SetChannelFreq(st, 9, "145");
    EXPECT_TRUE(IsDataChanged(st));
}
