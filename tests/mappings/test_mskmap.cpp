// The MSK editor's rules: IDs, the frequency clamp, the indicator and the record mapping.
#include <gtest/gtest.h>

#include "model/AppState.h"
#include "mappings/MSKMap.h"
#include "model/NewData.h"

using namespace rp;
using namespace std::string_literals;

TEST(MSKMap, HexIdsAreNormalised) {
    const std::pair<const char*, const char*> cases[] = {
        {"", "0000"}, {"zz", "0000"}, {"7", "0007"}, {"A", "000A"}, {"12", "0012"},
        {"abcd", "abcd"}, {"12G4", "0000"}, {"12345", "12345"}, {" 1", "0000"},
    };
    for (const auto& [in, out] : cases) EXPECT_EQ(GetHexIDText(in), out) << '"' << in << '"';
}

TEST(MSKMap, FrequencyStaysInsideTheBands) {
    AppState st;  // 400-480 and 136-174 MHz
    const std::pair<const char*, int> cases[] = {
        {"9", 136},    {"100", 136},  {"135", 136}, {"136", 136}, {"174", 174}, {"175", 174},
        {"250", 174},  {"299", 174},  {"300", 400}, {"350", 400}, {"399", 400}, {"400", 400},
        {"450", 450},  {"480", 480},  {"481", 480}, {"999", 480}, {"", 145},    {"abc", 145},
        {"174.5", 174}, {"1e9", 145}, {"99999999999999999999", 480},
    };
    for (const auto& [in, out] : cases) EXPECT_EQ(GetLimitFre(st, in), out) << in;
}

TEST(MSKMap, LegalRangeIndicator) {
    const std::pair<const char*, bool> cases[] = {
        {"145", true}, {"433", false}, {"434", false}, {"435", false}, {"436", true},
        {"446", false}, {"447", false}, {"448", true}, {"", true}, {"x", true}, {"432.5", true},
    };
    for (const auto& [in, illegal] : cases) EXPECT_EQ(MSKFrequencyIllegal(in), illegal) << in;
}

TEST(MSKMap, DefaultsShowAsTheDialogOpens) {
    AppState st;
    st.NoInitFileFlag = true;
    NewData(st);
    const auto h = ShowMSKHeader(st.CurRadioData.MSK.Header);
    EXPECT_EQ(h.OwnID, "0000");
    EXPECT_EQ(h.Frequency, "145");
    EXPECT_EQ(MSKPreSendDelayItems()[h.PreSendDelay], "0.40");
    EXPECT_EQ(MSKAutoResetItems()[h.AutoResetTime], "2.0");
    EXPECT_EQ(h.PTTIDMode, 0);
    EXPECT_EQ(h.SideTone, 0);
    const auto e = ShowMSKEntry(st.CurRadioData.MSK.Entries[0]);
    EXPECT_EQ(e.Valid, 0);
    EXPECT_EQ(e.IndividualID, "0000");
    EXPECT_EQ(e.MessageCode, "");
}

// The hop frequency is a 16-bit word of the radio held in a signed field: FF FF (an erased radio)
// shows as 65535, not as -1.
TEST(MSKMap, HopFrequencyShowsTheRadiosWord) {
    const std::pair<std::int16_t, const char*> cases[] = {{-1, "65535"}, {-32768, "32768"}, {145, "145"}};
    for (const auto& [stored, shown] : cases) {
        MSKHeader h{};
        h.HopFrequency = stored;
        EXPECT_EQ(ShowMSKHeader(h).Frequency, shown) << stored;
    }
}

TEST(MSKMap, OutOfListValuesShowTheFirstItemAndSaveItsValue) {
    AppState st;
    MSKHeader h{};
    h.PreSendDelay = 0;
    h.AutoResetTime = 5;
    h.PTTIDMode = 9;
    h.DecodeResponse = -3;
    h.SideTone = 7;
    h.HopFrequency = 500;
    auto v = ShowMSKHeader(h);
    EXPECT_EQ(v.PreSendDelay, 0);
    EXPECT_EQ(v.AutoResetTime, 0);
    EXPECT_EQ(v.PTTIDMode, 0);
    EXPECT_EQ(v.DecodeResponse, 0);
    EXPECT_EQ(v.SideTone, 1);
    h.PreSendDelay = 300;
    EXPECT_EQ(ShowMSKHeader(h).PreSendDelay, 0);
    h.Reserved = {1, 2, 3, 4, 5};
    SaveMSKHeader(st, v, h);
    EXPECT_EQ(h.PreSendDelay, 1);
    EXPECT_EQ(h.AutoResetTime, 10);
    EXPECT_EQ(h.HopFrequency, 480);
    EXPECT_EQ(h.MSKOwnID.Str(), "0000");
    EXPECT_EQ(h.Reserved, (std::array<std::int16_t, 5>{1, 2, 3, 4, 5}));
}

TEST(MSKMap, EntryTextsKeepTheirStoredForm) {
    MSKEntry e{};
    e.MessageLength = 11;
    MSKEntryView v;
    v.Valid = 1;
    v.CallType = 2;
    v.IndividualID = "7";
    v.GroupID = "zz";
    v.MessageCode = "ABCDEFGHIJKLMNOPQR";  // fills the field: no NUL
    v.Name = "NAME  ";
    SaveMSKEntry(v, e);
    EXPECT_EQ(e.IndividualID.Str(), "0007");
    EXPECT_EQ(e.GroupID.Str(), "0000");
    EXPECT_EQ(e.MessageCode.Str(), "ABCDEFGHIJKLMNOPQR");
    EXPECT_EQ(e.EntryName.Str(), "NAME\0   "s);
    EXPECT_EQ(e.MessageLength, 11);
    v.MessageCode = "HELLO";
    SaveMSKEntry(v, e);
    EXPECT_EQ(e.MessageCode.Str(), "HELLO\0            "s);
    const auto shown = ShowMSKEntry(e);
    EXPECT_EQ(shown.MessageCode, "HELLO");
    EXPECT_EQ(shown.Name, "NAME");
    EXPECT_EQ(shown.CallType, 2);
}

TEST(MSKMap, IdBoxesFollowTheCallType) {
    const MSKIdBoxes both{true, true};
    EXPECT_EQ(MSKIdBoxesFor(1, both).Individual, false);
    EXPECT_EQ(MSKIdBoxesFor(1, both).Group, true);
    EXPECT_EQ(MSKIdBoxesFor(2, both).Group, false);
    const MSKIdBoxes groupOnly{false, true};
    EXPECT_EQ(MSKIdBoxesFor(3, groupOnly).Individual, false);  // a message call keeps them
    EXPECT_EQ(MSKIdBoxesFor(0, groupOnly).Individual, true);
}
