// The option, scan, alert and information-viewer mappings without widgets.
#include <gtest/gtest.h>

#include <ostream>

#include "model/Banks.h"
#include "model/NewData.h"
#include "mappings/AlertMap.h"
#include "mappings/EMGMap.h"
#include "mappings/OptionMap.h"
#include "mappings/ScanMap.h"

namespace rp {
namespace {

// Texts that name their own number, so a wrong number shows in the failure.
AppState NumberedState() {
    AppState s;
    s.LangText = [](int id) { return "T" + std::to_string(id); };
    s.CloseCaptionText = {"", "&Close", "关闭(&C)"};
    s.HelpCaptionText = {"", "&Help", "帮助(&H)"};
    return s;
}

void SetChannels(AppState& s, std::initializer_list<int> numbers) {
    int slot = 0;
    for (const int n : numbers) {
        s.ChannelTable[static_cast<std::size_t>(slot)] = ChannelData{};
        s.ChannelTable[static_cast<std::size_t>(slot)].ChannelNo = static_cast<std::int16_t>(n);
        ++slot;
    }
    s.CurRadioData.ChannelCount = static_cast<std::int16_t>(slot);
}

// ---- Option -------------------------------------------------------------------------------

struct FreqCase {
    const char* name;
    bool shortWave;
    const char* typed;
    const char* shown;
};
// A failing case names itself in the log, not as the bytes of the record.
void PrintTo(const FreqCase& c, std::ostream* os) { *os << c.name; }

const std::string kHuge(400, '9');
const std::string kHugeNegative = "-" + kHuge;

class OptionFreqText : public ::testing::TestWithParam<FreqCase> {};

TEST_P(OptionFreqText, IsNormalisedWhenLeft) {
    const FreqCase& c = GetParam();
    EXPECT_EQ(c.shortWave ? NormaliseSWFreqText(c.typed) : NormaliseLWFreqText(c.typed), c.shown);
}

INSTANTIATE_TEST_SUITE_P(
    Table, OptionFreqText,
    ::testing::Values(FreqCase{"SwNotANumber", true, "abc", "18.0000"}, FreqCase{"SwBelow", true, "1", "2.3000"},
                      FreqCase{"SwAbove", true, "35", "29.9900"}, FreqCase{"SwInside", true, "12.5", "12.5000"},
                      FreqCase{"SwEmpty", true, "", "18.0000"}, FreqCase{"SwOnBound", true, "29.99", "29.9900"},
                      FreqCase{"SwHuge", true, kHuge.c_str(), "29.9900"},
                      FreqCase{"SwHugeNegative", true, kHugeNegative.c_str(), "2.3000"},
                      FreqCase{"LwAbove", false, "2", "1.7100"}, FreqCase{"LwBelow", false, "0.1", "0.5200"},
                      FreqCase{"LwEmpty", false, "", "1.2000"}, FreqCase{"LwExponent", false, "1e3", "1.2000"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(OptionMap, ChannelListsFollowWorkModeAndGroup) {
    AppState s = NumberedState();
    SetChannels(s, {205, 3, 201, 1, 206, 150, 204, 2});
    ClearBankData(s.CurRadioData);
    AddChToBank(s, 150, 3);
    AddChToBank(s, 2, 3);
    AddChToBank(s, 1, 1);
    // Channel mode: every memory and PL1..PU2, sorted by number, never the VFOs.
    EXPECT_EQ(OptionChannelList(s, 0, 0), (std::vector<std::string>{"0", "1", "2", "149", "PL1", "PU2"}));
    // Bank mode, group "0": every memory channel, nothing above 200.
    EXPECT_EQ(OptionChannelList(s, 1, 9), (std::vector<std::string>{"0", "1", "2", "149"}));
    // Bank mode, group "3": only bank 3.
    EXPECT_EQ(OptionChannelList(s, 1, 2), (std::vector<std::string>{"1", "149"}));
}

TEST(OptionMap, ChannelListChangeStoresTheChosenChannelOrKeepsTheStoredOne) {
    struct Case {
        const char* name;
        int selected;
        const char* text;
        int expected;
    };
    const Case cases[] = {
        {"memory", 0, "0", 0},
        {"memory 150", 3, "149", 149},
        {"pu1", 5, "PU1", 201},
        {"empty bank: nothing chosen", -1, "", 41},
    };
    for (const Case& c : cases) EXPECT_EQ(OptionMemoryChannel(41, c.selected, c.text), c.expected) << c.name;
}

TEST(OptionMap, ShowPadsThePowerOnTextAndKeepsTheInputUntouched) {
    AppState s = NumberedState();
    s.CurRadioData.Signal.Option.RadioText.SetNulTerminated("AB");
    s.CurRadioData.SWFreq.SetNulTerminated("12.5");
    s.CurRadioData.AMList[4].SetNulTerminated("120");
    const RadioData before = s.CurRadioData;
    const OptionShow v = ShowOption(s);
    EXPECT_EQ(v.Text1[0], "A");
    EXPECT_EQ(v.Text1[1], "B");
    for (int i = 2; i < 12; ++i) EXPECT_EQ(v.Text1[static_cast<std::size_t>(i)], "") << i;
    EXPECT_EQ(v.Edit.RadioText.Str(), "AB          ");
    EXPECT_EQ(v.Text3[0], "12.5000");
    EXPECT_EQ(v.Items[27], (std::vector<std::string>{"4"}));
    EXPECT_EQ(s.CurRadioData, before);
}

TEST(OptionMap, OkJoinsTheBoxesAndStoresSingleFieldsAndFrequencies) {
    AppState s = NumberedState();
    const OptionShow v = ShowOption(s);
    OptionHeld h;
    h.Edit = v.Edit;
    h.Index = v.Index;
    h.Text = v.Text;
    h.Check1 = v.Check1;
    h.Text1 = v.Text1;  // all empty
    h.Text1[2] = "X";
    h.Text3 = {"abc", "0.1"};
    h.Index[25] = 6;
    h.Index[29] = 4;
    h.Index[32] = 7;
    h.Text[27] = "42";
    h.Check1[16] = 1;
    h.Check1[15] = 1;
    RadioData r = s.CurRadioData;
    StoreOption(r, h);
    EXPECT_EQ(r.Signal.Option.RadioText.Str(), "  X         ");
    EXPECT_EQ(r.SWFreq.Str(), "18.0000 ");
    EXPECT_EQ(r.LWFreq.Str(), "0.5200  ");
    const OptionSingles single = GetOptionSingles(r);
    EXPECT_EQ(single.SubUnitVolume, 6);
    EXPECT_EQ(single.PF1KeyFunction, 4);
    EXPECT_EQ(single.UpperSquelchLevel, 7);
    EXPECT_EQ(single.AMChannelNo, 42);
    EXPECT_EQ(single.RptMute, 1);
    EXPECT_EQ(single.ScanQuick, 1);
}

TEST(OptionMap, ListsAndModelVariants) {
    AppState s = NumberedState();
    const OptionShow v = ShowOption(s);
    ASSERT_EQ(v.Items[16].size(), 28u);
    EXPECT_EQ(v.Items[16][1], "10T1781{N}");
    EXPECT_EQ(v.Items[16][6], "60T1781");
    EXPECT_EQ(v.Items[16][24], "240T1781");
    ASSERT_EQ(v.Items[23].size(), 26u);
    EXPECT_EQ(v.Items[23].front(), "0.5");
    EXPECT_EQ(v.Items[23].back(), "3.0");
    EXPECT_EQ(v.Items[29].back(), "ALARM{CN}");
    EXPECT_EQ(v.Items[27], (std::vector<std::string>{"0"}));  // no AM entry holds a text
    EXPECT_TRUE(v.Hidden[19]);  // hidden, but filled and shown from its field
    EXPECT_EQ(v.Items[19].size(), 3u);
    s.CurModelCode = "6173USA";
    const OptionShow a = ShowOption(s);
    EXPECT_EQ(a.Items[29], (std::vector<std::string>{"Off", "VOLT", "CALL", "ALARM", "SUB PTT"}));
    EXPECT_TRUE(a.Hidden[25]);
    EXPECT_TRUE(a.Text3Hidden);
    EXPECT_EQ(a.Items[25].size(), 8u);
}

TEST(OptionMap, DisplayModeOneDisablesTheStylesAndShowsTheOption) {
    AppState s = NumberedState();
    s.CurRadioData.Signal.Option.DisplayMode = 1;
    const OptionShow v = ShowOption(s);
    EXPECT_FALSE(v.Hidden[18]);
    EXPECT_FALSE(v.Enabled[1]);
    const DisplayModeCascade c0 = OptionDisplayModeChange(0);
    EXPECT_EQ(c0.StyleIndex, 0);
    EXPECT_TRUE(c0.StylesEnabled);
    EXPECT_FALSE(c0.OptionShown);
    const DisplayModeCascade c2 = OptionDisplayModeChange(2);
    EXPECT_EQ(c2.StyleIndex, 1);
    EXPECT_TRUE(c2.StylesEnabled);
}

TEST(OptionMap, BroadcastListOffersTheVfoAndOutOfRangeValuesShowTheFirstItem) {
    AppState s = NumberedState();
    s.CurRadioData.FMRadioList[0].Valid = 1;
    s.CurRadioData.FMRadioList[7].Valid = 1;
    s.CurRadioData.FMRadioList[100].Valid = 1;
    s.CurRadioData.Signal.Option.RadioChannel = 100;
    s.CurRadioData.Signal.Option.Backlight = 77;
    s.CurRadioData.Signal.Option.TOT = -3;
    const OptionShow v = ShowOption(s);
    EXPECT_EQ(v.Items[6], (std::vector<std::string>{"0", "7", "VFO"}));
    EXPECT_EQ(v.Text[6], "VFO");
    EXPECT_EQ(v.Index[11], 0);
    EXPECT_EQ(v.Index[16], 0);
}

// ---- Scan ---------------------------------------------------------------------------------

ScanHeld HeldOf(const ScanShow& v) {
    ScanHeld h;
    h.Index = v.Index;
    h.Text = v.Text;
    h.Check1 = v.Check1;
    return h;
}

TEST(ScanMap, PriorityChannelsShowAsEveryOtherDialogNamesThem) {
    AppState s = NumberedState();
    SetChannels(s, {6, 1, 201, 5, 5});
    s.CurRadioData.Signal.Scan.PriorityChannel1 = 4;   // channel 5
    s.CurRadioData.Signal.Scan.PriorityChannel2 = 99;  // no such channel
    const ScanShow v = ShowScan(s);
    EXPECT_EQ(v.Items[2], (std::vector<std::string>{"0", "4", "5"}));
    EXPECT_EQ(v.Text[2], "4");
    EXPECT_EQ(v.Text[4], "0");
    const ScanData r = StoreScan(v.Record, v.Template, HeldOf(v));
    EXPECT_EQ(r.PriorityChannel1, 4);
    EXPECT_EQ(r.PriorityChannel2, 0);
}

TEST(ScanMap, RevertFallsBackAndTheLoadRepairsAreKeptWhileBytes10And12Stay) {
    AppState s = NumberedState();
    ScanData& in = s.CurRadioData.Signal.Scan;
    in.ScanMode = 1;
    in.PriorityMode = 0;
    in.RevertMode = 2;  // not offered without priority channels
    in.ScanEntryTone = 7;
    in.ScanWaitTime = 1;
    in.ScanBackTimeA = 200;
    in.Reserved10 = 0xA5;
    in.Reserved12 = 0x5A;
    const ScanData before = in;
    const ScanShow v = ShowScan(s);
    EXPECT_EQ(in, before);
    EXPECT_EQ(v.Items[6], (std::vector<std::string>{"T2432", "T2432 + T2433", "T2434", "T2435"}));
    EXPECT_EQ(v.Index[6], 0);
    EXPECT_EQ(v.Record.RevertMode, 0);
    EXPECT_EQ(v.Record.ScanEntryTone, 0);
    EXPECT_EQ(v.Text[12], "50");
    const ScanData r = StoreScan(v.Record, v.Template, HeldOf(v));
    EXPECT_EQ(r.ScanWaitTime, 2);
    EXPECT_EQ(r.ScanBackTimeA, 0);
    EXPECT_EQ(r.Reserved10, 0xA5);
    EXPECT_EQ(r.Reserved12, 0x5A);
}

TEST(ScanMap, PriorityModeChangeKeepsAnOfferedRevertChoiceOnly) {
    const AppState s = NumberedState();
    const auto t = ScanRevertTemplate(s);
    const ScanRevertChoice down = ScanPriorityModeChange(t, 1, 7);
    EXPECT_EQ(down.Index, 0);
    EXPECT_EQ(down.RevertMode, 0);
    const ScanRevertChoice kept = ScanPriorityModeChange(t, 3, 7);
    EXPECT_EQ(kept.Items[static_cast<std::size_t>(kept.Index)], "T2403" "2 + T2433");
    EXPECT_EQ(kept.RevertMode, 7);
    const ScanRevertChoice none = ScanPriorityModeChange(t, -1, 3);
    EXPECT_TRUE(none.Items.empty());
    EXPECT_EQ(none.RevertMode, 0);
}

TEST(ScanMap, EnablingByScanModeAndPriorityMode) {
    ScanEnabled e;
    e.Combo.fill(true);
    ApplyScanControlState(e, 0, 3);
    for (int i = 1; i < kScanCombos; ++i) EXPECT_FALSE(e.Combo[static_cast<std::size_t>(i)]) << i;
    EXPECT_FALSE(e.Check);
    ApplyScanControlState(e, 1, 1);
    EXPECT_TRUE(e.Combo[2]);
    EXPECT_FALSE(e.Combo[4]);
    EXPECT_TRUE(e.Check);
    ApplyScanControlState(e, 1, 2);
    EXPECT_FALSE(e.Combo[2]);
    EXPECT_TRUE(e.Combo[4]);
}

TEST(ScanMap, EmptyChannelListStoresZero) {
    AppState s = NumberedState();
    SetChannels(s, {201, 205});
    s.CurRadioData.Signal.Scan.PriorityChannel1 = 9;
    const ScanShow v = ShowScan(s);
    EXPECT_TRUE(v.Items[2].empty());
    EXPECT_EQ(v.Index[2], -1);
    EXPECT_EQ(StoreScan(v.Record, v.Template, HeldOf(v)).PriorityChannel1, 0);
}

// ---- Alert --------------------------------------------------------------------------------

AlertHeld HeldOf(const AlertShow& v) {
    AlertHeld h;
    h.Index = v.Index;
    h.Text = v.Text;
    h.Check1 = v.Check1;
    h.Combo2Text = v.Combo2Text;
    return h;
}

TEST(AlertMap, CodeListWithOnlyMemoryM2Used) {
    AppState s = NumberedState();
    s.CurRadioData.Signal.DTMF.Memories[1].Length = 3;
    AlertData& a = s.CurRadioData.Signal.Alert;
    a.AlarmMode = 1;
    a.IDCodeType = 1;
    a.IDCode = 5;  // M6 is empty
    const AlertShow v = ShowAlert(s);
    EXPECT_EQ(v.Items[2], (std::vector<std::string>{"M2"}));
    EXPECT_EQ(v.Text[2], "M2");
    EXPECT_EQ(StoreAlert(HeldOf(v)).IDCode, 1);
}

TEST(AlertMap, CodeListWithoutFiveToneRowsOffersZero) {
    AppState s = NumberedState();
    for (auto& row : s.CurRadioData.Signal.FiveTone.CodeRows) row.IsEmpty = 1;
    s.CurRadioData.Signal.Alert.IDCodeType = 2;
    s.CurRadioData.Signal.Alert.IDCode = 40;
    const AlertShow v = ShowAlert(s);
    EXPECT_EQ(v.Items[2], (std::vector<std::string>{"0"}));
    EXPECT_EQ(StoreAlert(HeldOf(v)).IDCode, 0);
    s.CurRadioData.Signal.FiveTone.CodeRows[3].IsEmpty = 0;
    s.CurRadioData.Signal.FiveTone.CodeRows[40].IsEmpty = 0;
    EXPECT_EQ(AlertCodeList(s, 2), (std::vector<std::string>{"3", "40"}));
    EXPECT_EQ(AlertCodeIndex(AlertCodeList(s, 2), 2, 3), 0);
    // DTMF with no memory holding a code: nothing selected, OK stores 0.
    s.CurRadioData.Signal.Alert.IDCodeType = 1;
    const AlertShow d = ShowAlert(s);
    EXPECT_EQ(d.Index[2], -1);
    EXPECT_EQ(StoreAlert(HeldOf(d)).IDCode, 0);
}

TEST(AlertMap, LoneWorkGroupRoundTripsAndRepairsOutOfRangeBytes) {
    AppState s = NumberedState();
    SetChannels(s, {3, 1});
    AlertData& a = s.CurRadioData.Signal.Alert;
    a.AlarmTime = 0;
    a.TxTime = 9;
    a.EmergencyChannel = 2;  // channel 3, listed as "2"
    a.Period = 17;
    a.AutoDetectMode = 1;
    a.PreAlertTime = 77;
    a.LoneWorkTime = 200;
    const AlertData before = a;
    AlertShow v = ShowAlert(s);
    EXPECT_EQ(a, before);
    EXPECT_TRUE(v.LoneWorkHidden);
    EXPECT_EQ(v.Items[8], (std::vector<std::string>{"0", "2"}));
    EXPECT_EQ(v.Text[8], "2");
    AlertData r = StoreAlert(HeldOf(v));
    EXPECT_EQ(r.AlarmTime, 1);
    EXPECT_EQ(r.TxTime, 9);
    EXPECT_EQ(r.EmergencyChannel, 2);
    EXPECT_EQ(r.Period, 17);
    EXPECT_EQ(r.AutoDetectMode, 1);
    EXPECT_EQ(r.PreAlertTime, 77);
    EXPECT_EQ(r.LoneWorkTime, 200);

    a.AutoDetectMode = 9;
    a.PreAlertTime = 255;
    a.LoneWorkTime = 3;
    v = ShowAlert(s);
    EXPECT_FALSE(v.Enabled.Combo2[0]);
    r = StoreAlert(HeldOf(v));
    EXPECT_EQ(r.AutoDetectMode, 0);
    EXPECT_EQ(r.PreAlertTime, 1);
    EXPECT_EQ(r.LoneWorkTime, 5);
}

TEST(AlertMap, EnablingByAlarmModeAndChannelChoice) {
    AppState s = NumberedState();
    s.CurRadioData.Signal.Alert.AlarmMode = 0;
    s.CurRadioData.Signal.Alert.ChannelSelect = 1;
    const AlertShow v = ShowAlert(s);
    EXPECT_TRUE(v.Enabled.Combo[3]);
    for (const int i : {1, 2, 4, 5}) EXPECT_FALSE(v.Enabled.Combo[static_cast<std::size_t>(i)]) << i;
    EXPECT_FALSE(v.Enabled.Combo[8]);
    EXPECT_TRUE(v.Enabled.Combo[6]);
    EXPECT_TRUE(v.Enabled.Combo[9]);
    AlertEnabled e = v.Enabled;
    ApplyAlertModeEnabling(e, 2);
    EXPECT_FALSE(e.Combo[3]);
    EXPECT_TRUE(e.Combo[1]);
}

TEST(AlertMap, NoChannelStoresOneAsThePartHasIt) {
    AppState s = NumberedState();
    SetChannels(s, {});
    const AlertShow v = ShowAlert(s);
    EXPECT_EQ(v.Index[8], -1);
    EXPECT_EQ(StoreAlert(HeldOf(v)).EmergencyChannel, 1);
}

// ---- Information viewer -------------------------------------------------------------------

struct BandCase {
    const char* name;
    int code;
    int item;
};
// A failing case names itself in the log, not as the bytes of the record.
void PrintTo(const BandCase& c, std::ostream* os) { *os << c.name; }
class EMGBand : public ::testing::TestWithParam<BandCase> {};

TEST_P(EMGBand, CodeSelectsItem) {
    AppState s = NumberedState();
    RadioInfo info;
    info.BandCode = static_cast<std::int16_t>(GetParam().code);
    EXPECT_EQ(ShowEMG(s, info).BandIndex, GetParam().item);
}

INSTANTIATE_TEST_SUITE_P(Table, EMGBand,
                         ::testing::Values(BandCase{"Three", 3, 3}, BandCase{"Seven", 7, 7}, BandCase{"Sixteen", 16, 0},
                                           BandCase{"Eight", 8, 0}, BandCase{"Negative", -1, 0},
                                           BandCase{"Smallest", -32768, 0}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(EMGMap, TrimsTextsOnACopyInEitherLanguage) {
    AppState s = NumberedState();
    RadioInfo info;
    info.SerialNumber = std::string("ABC\0  x", 7);
    info.ProductionDate = "ABC";
    info.MaintenanceDate = std::string("\0ABC", 4);
    info.FirmwareVersion = "V1.00 ";
    info.InfoModelCode = "XYZ1";
    info.BandCode = 3;
    const RadioInfo before = info;
    const EMGShow en = ShowEMG(s, info);
    EXPECT_EQ(info, before);
    EXPECT_EQ(en.Text1[1], "ABC");
    EXPECT_EQ(en.Text1[2], "ABC");
    EXPECT_EQ(en.Text1[3], "");
    EXPECT_EQ(en.Text1[5], "V1.00 ");
    EXPECT_EQ(en.ModelItems, (std::vector<std::string>{"XYZ1"}));
    EXPECT_EQ(en.ComboText[1], "UHF(430 - 440 MHz) VHF(144 - 146 MHz)");
    EXPECT_EQ(en.Caption, "Embedded Message");
    EXPECT_EQ(en.Label1[7], "Description");
    EXPECT_EQ(en.CloseCaption, "&Close");
    s.LanguageIndex = 2;
    const EMGShow zh = ShowEMG(s, info);
    EXPECT_EQ(zh.Caption, "嵌入信息");
    EXPECT_EQ(zh.Label1[7], "");
    EXPECT_EQ(zh.Frame1Caption, "经销商信息");
    EXPECT_EQ(zh.HelpCaption, "帮助(&H)");
}

}  // namespace
}  // namespace rp
