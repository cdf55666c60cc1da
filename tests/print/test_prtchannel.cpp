// What a channel block prints for the values a channel can hold.
#include <gtest/gtest.h>

#include <functional>

#include "PrintFixture.h"
#include "mappings/ChannelEditMap.h"

namespace rp::print {
namespace {

using namespace test;

struct BlockCase {
    const char* Name;
    int Language;
    std::function<void(ChannelData&)> Set;
    int Line;  // 0 the heading, 1..10 the block's lines
    int Cell;  // 0..3: caption, value, caption, value
    std::string Expected;
};

std::ostream& operator<<(std::ostream& os, const BlockCase& c) { return os << c.Name; }

class ChannelBlockText : public ::testing::TestWithParam<BlockCase> {};

TEST_P(ChannelBlockText, PrintsTheShownText) {
    const BlockCase& c = GetParam();
    AppState st;
    UseLanguage(st, c.Language);
    ChannelData ch = Channel(12);
    c.Set(ch);
    const ChannelData copy = ch;
    const ChannelBlock b = MakeChannelBlock(st, ChannelDialogTexts(st), ch);
    EXPECT_TRUE(ch == copy);
    ASSERT_EQ(b.Lines.size(), 10u);
    if (c.Line == 0) {
        EXPECT_EQ(b.Heading, c.Expected);
    } else {
        const auto& line = b.Lines[static_cast<std::size_t>(c.Line - 1)];
        ASSERT_LT(static_cast<std::size_t>(c.Cell), line.size());
        EXPECT_EQ(line[static_cast<std::size_t>(c.Cell)], c.Expected);
    }
}

using C = ChannelData;
const BlockCase kCases[] = {
    {"Frequency", 1, [](C&) {}, 1, 1, "430.12500 MHz"},
    {"EmptyFrequency", 1, [](C& c) { c.RxFreq = "FFFFFFFFF"; }, 1, 1, " MHz"},
    {"ShiftMinus", 1, [](C& c) { c.Shift = 1; }, 1, 3, "- 5.00000 MHz"},
    {"NoShiftZeroOffset", 1, [](C& c) { c.OffsetFreq = "000000000"; }, 1, 3, "Off 0.00000 MHz"},
    {"NameCutAtNul", 1, [](C& c) { c.Name = std::string("AB\0CD ", 6); }, 2, 1, "AB"},
    {"NameFull", 1, [](C& c) { c.Name = "ABCDEF"; }, 2, 1, "ABCDEF"},
    // A control character prints as the grid shows it, never as a tab or a line break.
    {"NameWithControlCharacters", 1, [](C& c) { c.Name = "A\tB\nC\x7F"; }, 2, 1, "A?B?C?"},
    {"NameLatin1Kept", 1, [](C& c) { c.Name = "CAF\xE9\x01"; }, 2, 1, "CAF\u00e9?"},
    {"Step", 1, [](C& c) { c.StepIndex = 2; }, 2, 3, "6.25K"},
    {"StepOutside", 1, [](C& c) { c.StepIndex = 9; }, 2, 3, ""},
    {"Bandwidth", 1, [](C& c) { c.Bandwidth = 1; }, 3, 1, "12.5KHz"},
    {"DcsInverted", 1, [](C& c) { c.DecToneType = 2; c.DecDCSCode = 19; c.DecDCSInvert = 1; }, 4, 1, "D023I"},
    {"DcsNormal", 1, [](C& c) { c.EncToneType = 2; c.EncDCSCode = 511; }, 4, 3, "D777N"},
    {"DcsAboveList", 1, [](C& c) { c.DecToneType = 2; c.DecDCSCode = 600; }, 4, 1, ""},
    {"CtcssFirst", 1, [](C& c) { c.EncToneType = 1; c.EncCTCSSIndex = 0; }, 4, 3, "62.5"},
    {"CtcssLastItem", 1, [](C& c) { c.EncToneType = 1; c.EncCTCSSIndex = 50; }, 4, 3, "254.1"},
    {"CtcssCustom", 1, [](C& c) { c.EncToneType = 1; c.EncCTCSSIndex = 51; }, 4, 3, ""},
    {"CtcssAboveList", 1, [](C& c) { c.EncToneType = 1; c.EncCTCSSIndex = 60; }, 4, 3, ""},
    {"ToneTypeUnknown", 1, [](C& c) { c.DecToneType = 3; }, 4, 1, "Off"},
    {"SignalNone", 1, [](C&) {}, 5, 1, "Off"},
    {"SignalDtmf", 1, [](C& c) { c.SignalType = 1; c.DTMFMemoryNo = 15; }, 5, 1, "DTMF M16"},
    {"SignalTwoTone", 1, [](C& c) { c.SignalType = 2; c.TwoToneNo = 7; }, 5, 1, "2tone{DN} 7"},
    {"SignalFiveTone", 1, [](C& c) { c.SignalType = 3; c.FiveToneNo = 12; }, 5, 1, "5tone 12"},
    {"SignalMsk", 1, [](C& c) { c.SignalType = 4; c.MSKNo = 0; }, 5, 1, "MSK{DN} 0"},
    {"SignalUnknown", 1, [](C& c) { c.SignalType = -1; }, 5, 1, "Off"},
    {"SquelchOutside", 1, [](C& c) { c.SquelchMode = 5; }, 5, 3, ""},
    {"BusyRepeater", 2, [](C& c) { c.BusyLockout = 1; }, 7, 1, "Repeater"},
    {"BusyBusy", 1, [](C& c) { c.BusyLockout = 2; }, 7, 1, "Busy"},
    {"OnEnglish", 1, [](C& c) { c.TxInhibit = 1; }, 8, 1, "ON"},
    {"OffEnglish", 1, [](C&) {}, 8, 3, "OFF"},
    {"OnChinese", 2, [](C& c) { c.Reverse = 1; }, 9, 1, "开"},
    {"OffChinese", 2, [](C&) {}, 9, 3, "关"},
    {"CheckValueOutside", 1, [](C& c) { c.ScanFlag = 7; }, 10, 1, ""},
    {"LabelFirst", 1, [](C& c) { c.ChannelNo = 1; }, 0, 0, "Channel 0"},
    {"LabelPL1", 1, [](C& c) { c.ChannelNo = 201; }, 0, 0, "Channel PL1"},
    {"LabelVFO2", 2, [](C& c) { c.ChannelNo = 206; }, 0, 0, "信道 VFO2"},
};

INSTANTIATE_TEST_SUITE_P(Values, ChannelBlockText, ::testing::ValuesIn(kCases),
                         [](const auto& info) { return std::string(info.param.Name); });

TEST(ChannelBlockLayout, CaptionsAreTheChannelDialogsAndLineTenHasTwoCells) {
    AppState st;
    UseLanguage(st, kLanguageEnglish);
    const ChannelEditCaptions dialog = BuildChannelEditCaptions(st);
    const ChannelBlock b = MakeChannelBlock(st, ChannelDialogTexts(st), Channel(3));
    EXPECT_EQ(b.Lines[9], (std::vector<std::string>{dialog.Check6, "OFF"}));
    EXPECT_EQ(b.Lines[1][0], dialog.Label1[2]);
    EXPECT_EQ(b.Lines[3][0], dialog.Label2[5]);
    EXPECT_EQ(b.Lines[3][2], dialog.Label2[10]);
    EXPECT_EQ(b.Lines[6][0], dialog.Label2[13]);
    EXPECT_EQ(b.Lines[6][2], dialog.Label2[6]);
    EXPECT_EQ(b.Lines[7][2], dialog.Check5);
    EXPECT_EQ(b.Lines[0][0], GetLangStr(st, 1101));
}

}  // namespace
}  // namespace rp::print
