#include <gtest/gtest.h>

#include <ostream>

#include <cmath>
#include <cstring>

#include "model/AppState.h"
#include "model/LangText.h"
#include "model/Records.h"
#include "mappings/TwoToneMap.h"

using namespace rp;

namespace {

struct ToneBytesCase {
    const char* name;
    double hz;
    BytePair listDivider, encodeDivider;
};
// A failing case names itself in the log, not as the bytes of the record.
void PrintTo(const ToneBytesCase& c, std::ostream* os) { *os << c.name; }

const ToneBytesCase kToneBytes[] = {
    {"Lowest_288", 288.0, {8, 35}, {65, 26}},
    {"Highest_3116", 3116.0, {0, 192}, {6, 4}},
    {"Round_1000", 1000.0, {2, 88}, {18, 192}},
    {"DefaultA_321_7", 321.7, {7, 73}, {58, 72}},
};

class TwoToneBytes : public ::testing::TestWithParam<ToneBytesCase> {};

TEST_P(TwoToneBytes, DividersSplitHighLow) {
    const auto& c = GetParam();
    EXPECT_EQ(ToneDividerBytes(c.hz, kListDividerFactor), c.listDivider);
    EXPECT_EQ(ToneDividerBytes(c.hz, kEncodeDividerFactor), c.encodeDivider);
}

INSTANTIATE_TEST_SUITE_P(Tones, TwoToneBytes, ::testing::ValuesIn(kToneBytes),
                         [](const auto& info) { return std::string(info.param.name); });

TwoToneEncodeInput InputOf(const TwoToneView& v) {
    TwoToneEncodeInput in;
    in.CallFormat = v.CallFormat;
    in.Response = v.Response;
    in.Time1 = v.Time1;
    in.Time2 = v.Time2;
    in.Time3 = v.Time3;
    in.Time4 = v.Time4;
    in.Time5 = v.Time5;
    in.OptionFlag = v.OptionFlag;
    in.Tones = v.Tones;
    return in;
}

}  // namespace

TEST(TwoToneMap, GridCellCommitClampsAndStoresListBytes) {
    TwoToneListEntry e;
    e.EmptyFlag = 1;
    EXPECT_EQ(SaveEditCell(e, 1, "100").CellText, "288.0");
    EXPECT_EQ(e.EmptyFlag, 0);
    EXPECT_EQ((BytePair{e.FirstToneHigh, e.FirstToneLow}), (BytePair{11, 64}));
    EXPECT_EQ((BytePair{e.FirstDividerHigh, e.FirstDividerLow}), (BytePair{8, 35}));

    EXPECT_EQ(SaveEditCell(e, 2, "5000").CellText, "3116.0");
    EXPECT_EQ((BytePair{e.SecondToneHigh, e.SecondToneLow}), (BytePair{121, 184}));
    EXPECT_EQ((BytePair{e.SecondDividerHigh, e.SecondDividerLow}), (BytePair{0, 192}));

    // A half tenth as typed goes to the even neighbour.
    SaveEditCell(e, 1, "999.25");
    EXPECT_EQ(e.FirstToneHigh * 256 + e.FirstToneLow, 9992);
}

TEST(TwoToneMap, ClearedFirstToneEmptiesTheRow) {
    TwoToneListEntry e;
    SaveEditCell(e, 1, "1000");
    SaveEditCell(e, 2, "2000");
    SaveEditCell(e, 3, "FIRE");
    const EditCellResult r = SaveEditCell(e, 1, "");
    EXPECT_EQ(r.CellText, "");
    EXPECT_TRUE(r.ClearRow);
    EXPECT_EQ(e.EmptyFlag, 1);
    for (std::uint8_t b : {e.FirstDividerHigh, e.FirstDividerLow, e.SecondDividerHigh, e.SecondDividerLow,
                           e.FirstToneHigh, e.FirstToneLow, e.SecondToneHigh, e.SecondToneLow})
        EXPECT_EQ(b, 0);
    EXPECT_EQ(e.Name.Str(), std::string(7, ' '));
}

TEST(TwoToneMap, SecondToneAndNameNeverMarkARowUsed) {
    TwoToneListEntry e;
    e.EmptyFlag = 1;
    SaveEditCell(e, 2, "1000");
    const EditCellResult name = SaveEditCell(e, 3, "AB");
    EXPECT_EQ(name.CellText, "AB");
    EXPECT_FALSE(name.ClearRow);
    EXPECT_EQ(e.EmptyFlag, 1);
    EXPECT_EQ(e.Name.Str(), "AB     ");
    // A second tone that is not a number clears only the second tone.
    SaveEditCell(e, 1, "1000");
    const EditCellResult bad = SaveEditCell(e, 2, "..");
    EXPECT_FALSE(bad.ClearRow);
    EXPECT_EQ(e.SecondDividerHigh | e.SecondDividerLow | e.SecondToneHigh | e.SecondToneLow, 0);
    EXPECT_EQ(e.EmptyFlag, 0);

    TwoToneData d;
    d.List[0] = e;
    const TwoToneView v = ShowByData(d);
    EXPECT_EQ(v.Grid[0][0], "1000.0");
    EXPECT_EQ(v.Grid[0][1], "");
    EXPECT_EQ(v.Grid[0][2], "AB");
}

TEST(TwoToneMap, GridShowsOnlyRowsWithAFirstDivider) {
    TwoToneData d;
    d.List[1].EmptyFlag = 0;       // no divider: not used
    d.List[1].FirstToneHigh = 39;
    d.List[2].EmptyFlag = 1;       // marked empty though it has bytes
    d.List[2].FirstDividerLow = 88;
    d.List[2].Name = "X";
    SaveEditCell(d.List[3], 1, "1000");  // a used row beside them is shown
    SaveEditCell(d.List[3], 3, "Y");
    const TwoToneView v = ShowByData(d);
    for (int k : {1, 2})
        for (const auto& cell : v.Grid[static_cast<std::size_t>(k)]) EXPECT_EQ(cell, "");
    EXPECT_EQ(v.Grid[3][0], "1000.0");
    EXPECT_EQ(v.Grid[3][2], "Y");
}

TEST(TwoToneMap, EncodeSaveDerivesTheCallFormatPair) {
    TwoToneEncodeData e;
    TwoToneEncodeInput in;
    in.Tones = {"1000", "abc", "321.7", "3116"};
    in.CallFormat = 9;  // D-A
    SaveToData(e, in);
    EXPECT_EQ(in.Tones[1], "2000");
    EXPECT_EQ((BytePair{e.FirstToneHigh, e.FirstToneLow}), (BytePair{121, 184}));
    EXPECT_EQ((BytePair{e.FirstDividerHigh, e.FirstDividerLow}), (BytePair{6, 4}));
    EXPECT_EQ((BytePair{e.SecondToneHigh, e.SecondToneLow}), (BytePair{39, 16}));
    EXPECT_EQ((BytePair{e.SecondDividerHigh, e.SecondDividerLow}), (BytePair{18, 192}));
    // Tones A to D low byte first, the disabled boxes as well.
    EXPECT_EQ((BytePair{e.ToneAHigh, e.ToneALow}), (BytePair{39, 16}));
    EXPECT_EQ(e.ToneBHigh * 256 + e.ToneBLow, 20000);
    EXPECT_EQ((BytePair{e.ToneCHigh, e.ToneCLow}), (BytePair{12, 145}));
    EXPECT_EQ(e.ToneDHigh * 256 + e.ToneDLow, 31160);

    in.CallFormat = 13;  // Long B
    in.Tones = {"1000", "321.7", "285", "1"};
    SaveToData(e, in);
    EXPECT_EQ((BytePair{e.FirstDividerHigh, e.FirstDividerLow}), (BytePair{58, 72}));
    EXPECT_EQ(e.SecondToneHigh | e.SecondToneLow | e.SecondDividerHigh | e.SecondDividerLow, 0);
    // The save clamps at 280 Hz, not 288.
    EXPECT_EQ(in.Tones[2], "285");
    EXPECT_EQ(e.ToneCHigh * 256 + e.ToneCLow, 2850);
    EXPECT_EQ(in.Tones[3], "280");
}

TEST(TwoToneMap, EncodeListsStoreIndexesWithTheirOffsets) {
    TwoToneEncodeData e;
    TwoToneEncodeInput in;
    in.Tones = {"1000", "1000", "1000", "1000"};
    in.Time1 = 0;
    in.Time2 = 95;
    in.Time3 = 5;
    in.Time4 = 20;
    in.Time5 = 250;
    in.Response = 2;
    in.OptionFlag = 1;
    SaveToData(e, in);
    EXPECT_EQ(e.Time1, 5);
    EXPECT_EQ(e.Time2, 100);
    EXPECT_EQ(e.Time3, 10);
    EXPECT_EQ(e.Time4, 20);
    EXPECT_EQ(e.Time5, 250);
    EXPECT_EQ(e.Response, 2);
    EXPECT_EQ(e.OptionFlag, 1);
}

TEST(TwoToneMap, ShowRepairsDefaultsOnACopyOnly) {
    TwoToneData d;
    d.Encode.OptionFlag = 7;
    d.Encode.ToneBHigh = 255;
    d.Encode.ToneBLow = 3;
    d.Encode.ToneCHigh = 10;
    d.Encode.ToneCLow = 180;  // 2740: kept
    const TwoToneData before = d;
    const TwoToneView v = ShowByData(d);
    EXPECT_EQ(d, before);
    EXPECT_EQ(v.OptionFlag, 0);
    EXPECT_EQ(v.Tones, (std::array<std::string, 4>{"321.7", "928.1", "274.0", "2043.8"}));

    RepairTwoToneForShow(d);
    EXPECT_EQ(d.Encode.OptionFlag, 0);
    const std::uint8_t expected[4][2] = {{145, 12}, {65, 36}, {180, 10}, {214, 79}};
    const std::uint8_t got[4][2] = {{d.Encode.ToneALow, d.Encode.ToneAHigh},
                                    {d.Encode.ToneBLow, d.Encode.ToneBHigh},
                                    {d.Encode.ToneCLow, d.Encode.ToneCHigh},
                                    {d.Encode.ToneDLow, d.Encode.ToneDHigh}};
    EXPECT_EQ(std::memcmp(expected, got, sizeof got), 0);
    EXPECT_EQ(d.Encode.ToneBHigh * 256 + d.Encode.ToneBLow, 9281);

    // OK without an edit stores what was shown.
    TwoToneEncodeInput in = InputOf(v);
    SaveToData(d.Encode, in);
    EXPECT_EQ(d.Encode.ToneBHigh * 256 + d.Encode.ToneBLow, 9281);
}

TEST(TwoToneMap, StoredIndexesOutsideTheirListsShowTheFallback) {
    TwoToneData d;
    d.Encode.CallFormat = 20;
    d.Encode.Response = 3;
    d.Encode.Time1 = 0;
    d.Encode.Time2 = 101;
    d.Encode.Time3 = 0;
    d.Encode.Time4 = 25;
    d.Encode.Time5 = 251;
    d.Decode[0].Response = -1;
    d.Decode[1].Response = 3;
    d.Decode[2].Response = 2;
    d.Decode[3].Valid = 5;
    d.Decode[4].Valid = -1;
    const TwoToneView v = ShowByData(d);
    EXPECT_EQ(v.CallFormat, 0);
    EXPECT_EQ(v.ToneEnabled, (std::array<bool, 4>{}));
    EXPECT_EQ(v.Response, 0);
    EXPECT_EQ(v.Time1, 0);
    EXPECT_EQ(v.Time2, 0);
    EXPECT_EQ(v.Time3, 5);
    EXPECT_EQ(v.Time4, 10);
    EXPECT_EQ(v.Time5, 0);
    EXPECT_EQ(v.Decode[0].Response, 0);
    EXPECT_EQ(v.Decode[1].Response, 0);
    EXPECT_EQ(v.Decode[2].Response, 2);
    EXPECT_EQ(v.Decode[3].Valid, 1);
    EXPECT_EQ(v.Decode[4].Valid, 0);

    const TwoToneLists l = MakeTwoToneLists(AppState{});
    EXPECT_EQ(l.Time[static_cast<std::size_t>(v.Time3)], "1.0");
    EXPECT_EQ(l.Interval[static_cast<std::size_t>(v.Time4)], "1000");

    // OK then stores format 0 from boxes A and B.
    TwoToneEncodeInput in = InputOf(v);
    SaveToData(d.Encode, in);
    EXPECT_EQ(d.Encode.CallFormat, 0);
    EXPECT_EQ(d.Encode.FirstToneHigh * 256 + d.Encode.FirstToneLow, 3217);
    EXPECT_EQ(d.Encode.SecondToneHigh * 256 + d.Encode.SecondToneLow, 9281);
}

TEST(TwoToneMap, CallFormatsEnableTheirBoxes) {
    EXPECT_EQ(EnabledToneBoxes(0), (std::array<bool, 4>{true, true, false, false}));
    EXPECT_EQ(EnabledToneBoxes(9), (std::array<bool, 4>{true, false, false, true}));
    EXPECT_EQ(EnabledToneBoxes(13), (std::array<bool, 4>{false, true, false, false}));
    EXPECT_EQ(EnabledToneBoxes(15), (std::array<bool, 4>{}));
    EXPECT_EQ(EnabledToneBoxes(-1), (std::array<bool, 4>{}));
}

TEST(TwoToneMap, DecodeEntriesStoreNamesAndClampTones) {
    TwoToneDecodeEntry e;
    SaveDecodeEntry(e, {"0.0", "5000", "AB", 2, 1});
    EXPECT_EQ(e.FirstTone, 288.0);
    EXPECT_EQ(e.SecondTone, 3116.0);
    EXPECT_EQ(e.Valid, 1);
    EXPECT_EQ(e.Response, 2);
    EXPECT_EQ(e.Name.Str(), std::string("AB\0   ", 6));

    SaveDecodeEntry(e, {"1000", "1500", "ABCDEF", 0, 1});
    EXPECT_EQ(e.Name.Str(), "ABCDEF");
    TwoToneData d;
    d.Decode[0] = e;
    EXPECT_EQ(ShowByData(d).Decode[0].Name, "ABCDEF");

    // A tone that is not a number is stored as 0 and the entry as not valid.
    SaveDecodeEntry(e, {"1.2.3", "1500", "AB", 0, 1});
    EXPECT_EQ(e.FirstTone, 0.0);
    EXPECT_EQ(e.Valid, 0);
    d.Decode[0] = e;
    const TwoToneDecodeView v = ShowByData(d).Decode[0];
    EXPECT_EQ(v.Name, "AB");
    EXPECT_EQ(v.FirstTone, "0.0");
    EXPECT_EQ(v.SecondTone, "1500.0");
}

TEST(TwoToneMap, StoredDecodeTonesShowWhole) {
    TwoToneData d;
    d.Decode[0].FirstTone = 12345.6;
    d.Decode[0].SecondTone = std::nan("");
    const TwoToneView v = ShowByData(d);
    EXPECT_EQ(v.Decode[0].FirstTone, "12345.6");
    EXPECT_EQ(v.Decode[0].SecondTone, "0.0");
}

TEST(TwoToneMap, LeavingAToneFieldClampsAndFormats) {
    struct Case { const char* text; const char* encode; const char* decode; };
    const Case cases[] = {
        {"", "288", "288.0"},        {"100", "288", "288.0"},  {"5000", "3116", "3116.0"},
        {"999.26", "999.26", "999.3"}, {"288", "288", "288.0"}, {"3116", "3116", "3116.0"},
        {".", "288", "288.0"},       {"1.2.3", "288", "288.0"}, {"1000.5", "1000.5", "1000.5"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(LeaveEncodeToneText(c.text), c.encode) << c.text;
        EXPECT_EQ(LeaveDecodeToneText(c.text), c.decode) << c.text;
    }
}

TEST(TwoToneMap, CaptionsAndListsComeFromTheLanguageFile) {
    AppState s;
    s.ProgramDir = RP_SOURCE_DIR;
    SetLanguage(s, kLanguageEnglish);
    const TwoToneCaptions c = MakeTwoToneCaptions(s);
    EXPECT_EQ(c.MainTabs[0], GetOptionStr(s, "60043") + "{DN}");
    EXPECT_EQ(c.MainTabs[2], GetOptionStr(s, "60044") + "{N}");
    EXPECT_EQ(c.Label3[3], "D" + GetOptionStr(s, "60056"));
    EXPECT_EQ(c.DecodeTabs[15], GetLangStr(s, 8146) + " 16");
    // The shipped English texts themselves: a key missing from the file would read empty above.
    EXPECT_EQ(c.MainTabs[0], "2-Tone List{DN}");
    EXPECT_EQ(c.MainTabs[2], "2-Tone Setup{N}");
    EXPECT_EQ(c.Label3[3], "D-Tone (Hz)");
    EXPECT_EQ(c.DecodeTabs[15], "Decode 16");
    EXPECT_EQ(c.RowNumbers[0], "0");
    EXPECT_EQ(c.RowNumbers[31], "31");
    EXPECT_FALSE(c.OK.empty());
    EXPECT_EQ(c.OK, "OK");
    const TwoToneLists l = MakeTwoToneLists(s);
    EXPECT_EQ(l.Time.size(), 96u);
    EXPECT_EQ(l.Time.front(), "0.5");
    EXPECT_EQ(l.Time.back(), "10.0");
    EXPECT_EQ(l.Time5.size(), 251u);
    EXPECT_EQ(l.Time5.back(), "25.0");
    EXPECT_EQ(l.Interval.back(), "2000");
    EXPECT_EQ(l.CallFormat.back(), "Long C");
    ASSERT_EQ(l.Response.size(), 3u);
    EXPECT_EQ(l.Response[2], GetOptionStr(s, "60059"));
    EXPECT_EQ(l.Response[2], "Alert Tone and Transpond");
}
