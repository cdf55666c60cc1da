#include <gtest/gtest.h>

#include <string>

#include "model/AppState.h"
#include "mappings/DTMFMap.h"

using namespace rp;

namespace {

AppState NumberedTexts() {
    AppState s;
    s.LangText = [](int id) { return "T" + std::to_string(id); };
    return s;
}

// A record whose every field holds a distinct, valid, non-default value.
DTMFData MarkedRecord() {
    DTMFData d;
    for (int i = 0; i < 16; ++i) {
        const std::string code = "1" + std::to_string(i) + "E";
        d.Memories[static_cast<std::size_t>(i)].Code = code;
        d.Memories[static_cast<std::size_t>(i)].Length = static_cast<std::int16_t>(code.size());
    }
    d.PttIdBegin.Code = "ABCDF";
    d.PttIdBegin.Length = 5;
    d.PttIdEnd.Code = "0123456789ABCDEF01234567";
    d.PttIdEnd.Length = 24;
    d.KillCode.Code = "98765";
    d.KillCode.Length = 5;
    d.StunCode.Code = "9876E";
    d.StunCode.Length = 5;
    d.AniMode = 1;
    d.SendTime = 3;
    d.PttIdMode = 2;
    d.OwnId = "417";
    d.SeparatorDigit = 15;
    d.GroupDigit = 12;
    d.DecodeResponse = 2;
    d.FirstDigitDelay = 7;
    d.PreSendDelay = 33;
    d.ResetTime = 250;
    d.PostSendDelay = 250;
    d.PauseTime = 75;
    d.SideTone = 1;
    return d;
}

}  // namespace

TEST(DTMFMap, LoadRepairsAndWhatTheyShow) {
    const AppState s = NumberedTexts();
    DTMFData d = MarkedRecord();
    d.AniMode = 2;
    d.OwnId = "1";
    d.SeparatorDigit = 9;
    d.GroupDigit = 255;
    d.PreSendDelay = 20;
    d.PauseTime = 3;
    d.SideTone = 7;

    const DTMFData r = RepairDTMFData(d);
    EXPECT_EQ(r.AniMode, 0);
    EXPECT_EQ(r.OwnId.Str(), "100");
    EXPECT_EQ(r.SeparatorDigit, 14);
    EXPECT_EQ(r.GroupDigit, 255);
    EXPECT_EQ(r.PreSendDelay, 20);  // shown by its text, never repaired
    EXPECT_EQ(r.PauseTime, 0);
    EXPECT_EQ(r.SideTone, 0);

    const DTMFShow w = ShowDTMFData(s, d);
    EXPECT_EQ(w.Values.OwnId, "100");
    EXPECT_EQ(w.Lists[5][static_cast<std::size_t>(w.Values.ListIndex[5])], "*");
    EXPECT_EQ(w.Lists[6][static_cast<std::size_t>(w.Values.ListIndex[6])], "T1755");
    EXPECT_EQ(w.Lists[9][static_cast<std::size_t>(w.Values.ListIndex[9])], "200");
    EXPECT_EQ(w.Values.ListIndex[1], 0);
    EXPECT_EQ(w.Values.SideTone, 0);
    // Showing an unrepaired record shows what the repaired one shows.
    EXPECT_EQ(ShowDTMFData(s, r).Values, w.Values);

    d.OwnId = "ab";
    EXPECT_EQ(RepairDTMFData(d).OwnId.Str(), "000");
    d.OwnId = "";
    EXPECT_EQ(RepairDTMFData(d).OwnId.Str(), "000");
}

TEST(DTMFMap, OutOfRangeValuesShowItemZeroAndNeverIndexOutside) {
    const AppState s = NumberedTexts();
    DTMFData d = MarkedRecord();
    d.SendTime = -3;
    d.PttIdMode = 99;
    d.DecodeResponse = -1;
    d.FirstDigitDelay = 251;
    d.PreSendDelay = -5;
    d.ResetTime = 251;
    d.PostSendDelay = 0;
    d.PauseTime = 80;
    d.GroupDigit = 3;
    d.Memories[0].Length = 99;
    d.Memories[1].Length = -4;
    d.KillCode.Length = 30;

    const DTMFShow w = ShowDTMFData(s, d);
    for (int i : {2, 3, 6, 7, 8, 9, 10, 11, 12}) EXPECT_EQ(w.Values.ListIndex[static_cast<std::size_t>(i)], 0) << i;
    EXPECT_EQ(w.Values.Codes[0], "10*");
    EXPECT_EQ(w.Values.Codes[1], "");
    EXPECT_EQ(w.Values.Codes[18], "98765");

    const DTMFData r = RepairDTMFData(d);
    EXPECT_EQ(r.PauseTime, 80);  // no item matches: shown as the first, kept until OK
    EXPECT_EQ(r.GroupDigit, 9);
    DTMFData stored = r;
    StoreDTMFData(stored, w.Values);
    EXPECT_EQ(stored.PauseTime, 0);
    EXPECT_EQ(stored.GroupDigit, 255);
}

TEST(DTMFMap, StoreOfTheShownValuesGivesTheRecordBack) {
    const AppState s = NumberedTexts();
    const DTMFData d = MarkedRecord();
    const DTMFShow w = ShowDTMFData(s, d);
    EXPECT_EQ(w.Values.Codes[16], "ABCD#");
    EXPECT_EQ(w.Values.Codes[19], "9876*");
    EXPECT_EQ(w.Lists[10][static_cast<std::size_t>(w.Values.ListIndex[10])], "25.0");
    EXPECT_EQ(w.Lists[12][static_cast<std::size_t>(w.Values.ListIndex[12])], "75");
    DTMFData stored;
    StoreDTMFData(stored, w.Values);
    EXPECT_EQ(stored, d);
}

TEST(DTMFMap, ListsAndCaptions) {
    const AppState s = NumberedTexts();
    const DTMFShow w = ShowDTMFData(s, DTMFData{});
    const std::size_t counts[kDTMFLists] = {16, 2, 5, 4, 0, 6, 7, 3, 251, 250, 251, 250, 72};
    for (std::size_t i = 0; i < kDTMFLists; ++i) EXPECT_EQ(w.Lists[i].size(), counts[i]) << i;
    EXPECT_EQ(w.Lists[2][0], "50T1780");
    EXPECT_EQ(w.Lists[7], (std::vector<std::string>{"T1650", "T1651", "T1653"}));
    EXPECT_EQ(w.Lists[8].back(), "2500");
    EXPECT_EQ(w.Lists[9].front(), "10");
    EXPECT_EQ(w.Lists[10][1], "0.1");
    EXPECT_EQ(w.Lists[12][1], "5");
    EXPECT_EQ(w.Label3[4], "T3002");
    EXPECT_EQ(w.Label1[15], "M16");
    EXPECT_FALSE(w.ListShown[3]);
}

TEST(DTMFMap, StoreConvertsCodesToRadioDigits) {
    DTMFData d = MarkedRecord();
    DTMFValues v = ShowDTMFData(NumberedTexts(), d).Values;
    v.Codes[0] = "12*#";
    v.Codes[1] = "";
    v.Codes[17] = std::string(30, '5');  // wider than the field: cut, length follows
    v.OwnId = "7";
    StoreDTMFData(d, v);
    EXPECT_EQ(d.Memories[0].Code.Trimmed(), "12EF");
    EXPECT_EQ(d.Memories[0].Length, 4);
    EXPECT_EQ(d.Memories[1].Length, 0);
    EXPECT_EQ(d.PttIdEnd.Length, 24);
    EXPECT_EQ(d.OwnId.Str(), "700");
}

TEST(DTMFMap, OkRefusesEqualKillAndStunCodes) {
    EXPECT_TRUE(KillStunCodesClash("123*", "123*"));
    EXPECT_TRUE(KillStunCodesClash("123  ", "123"));
    EXPECT_FALSE(KillStunCodesClash("", ""));
    EXPECT_FALSE(KillStunCodesClash("", "123"));
    EXPECT_FALSE(KillStunCodesClash("123", "124"));
}

TEST(DTMFMap, SeparatorChangeRewritesCodesWithTheOwnId) {
    std::array<std::string, kDTMFCodeBoxes> c;
    c[0] = "456*123";
    c[1] = "*123";
    c[2] = "4561123";  // fourth character a digit: not a code with a separator
    c[3] = "456*124";  // ends in another ID
    c[4] = "45*1123";
    c[17] = "#123";
    c[18] = "456*123";  // kill and stun codes are never rewritten
    RewriteCodesForSeparator(c, "#", "123");
    EXPECT_EQ(c[0], "456#123");
    EXPECT_EQ(c[1], "#123");
    EXPECT_EQ(c[2], "4561123");
    EXPECT_EQ(c[3], "456*124");
    EXPECT_EQ(c[4], "45*1123");
    EXPECT_EQ(c[17], "#123");
    EXPECT_EQ(c[18], "456*123");
}

TEST(DTMFMap, OwnIdChangeRewritesCodesOnlyWhenTheIdChanged) {
    std::array<std::string, kDTMFCodeBoxes> c;
    c[0] = "456*123";
    c[1] = "*123";
    c[2] = "555*999";
    c[3] = "456#123";  // another separator
    c[4] = "12*4567";
    c[19] = "*123";
    auto unchanged = c;
    RewriteCodesForOwnId(unchanged, "*", "123", "123");
    EXPECT_EQ(unchanged, c);

    RewriteCodesForOwnId(c, "*", "123", "789");
    EXPECT_EQ(c[0], "456*789");
    EXPECT_EQ(c[1], "*789");
    EXPECT_EQ(c[2], "555*789");
    EXPECT_EQ(c[3], "456#123");
    EXPECT_EQ(c[4], "12*4567");
    EXPECT_EQ(c[19], "*123");
}

TEST(DTMFMap, OwnIdIsCompletedWithZeros) {
    EXPECT_EQ(PadOwnId(""), "000");
    EXPECT_EQ(PadOwnId("7"), "700");
    EXPECT_EQ(PadOwnId("12"), "120");
    EXPECT_EQ(PadOwnId("123"), "123");
}

TEST(DTMFMap, AniCode) {
    EXPECT_EQ(ComposeAniCode("12", "*", "345"), "120*345");
    EXPECT_EQ(ComposeAniCode("", "#", "001"), "000#001");
    EXPECT_EQ(ComposeAniCode("123", "#", "001"), "123#001");
}

TEST(KillStun, AdjustSameCodeRaisesTheLastDigit) {
    struct Case { const char* a; const char* b; const char* out; };
    const Case cases[] = {
        {"123", "123", "124"}, {"129", "129", "12A"}, {"12E", "12E", "12F"}, {"12F", "12F", "120"},
        {"", "", ""},          {"123", "124", "124"}, {"123", "", ""},       {"12X", "12X", "12X"},
        {"12a", "12a", "12B"},
    };
    for (const auto& c : cases) {
        std::string b = c.b;
        AdjustSameCode(c.a, b);
        EXPECT_EQ(b, c.out) << c.a << " / " << c.b;
    }
}

TEST(KillStun, CodesEndPairwiseDifferent) {
    struct Case { const char* id; const char* kill; const char* stun; const char* killOut; const char* stunOut; };
    const Case cases[] = {
        {"123", "123", "123", "124", "125"},
        {"123", "456", "456", "456", "457"},
        {"125", "124", "124", "124", "126"},
        {"000", "", "", "", ""},
        {"", "55", "55", "55", "56"},
        {"123", "1234", "123", "1234", "124"},
        {"123", "123     ", "123   ", "124", "125"},
        {"12F", "12F", "12F", "120", "121"},
        {"12X", "12X", "12X", "12X", "12X"},
    };
    for (const auto& c : cases) {
        std::string kill = c.kill, stun = c.stun;
        CheckKillStunCodes(c.id, kill, stun);
        EXPECT_EQ(kill, c.killOut) << c.id << " / " << c.kill << " / " << c.stun;
        EXPECT_EQ(stun, c.stunOut) << c.id << " / " << c.kill << " / " << c.stun;
    }
}

TEST(KillStun, OkAdjustsTheStoredCodesAndKeepsTheirLengths) {
    DTMFData d = MarkedRecord();
    DTMFValues v = ShowDTMFData(NumberedTexts(), d).Values;
    v.OwnId = "123";
    v.Codes[kDTMFKillBox] = "123";
    v.Codes[kDTMFStunBox] = "123";
    StoreDTMFData(d, v);
    EXPECT_EQ(d.OwnId.Str(), "123");
    EXPECT_EQ(d.KillCode.Code.Trimmed(), "124");
    EXPECT_EQ(d.StunCode.Code.Trimmed(), "125");
    EXPECT_EQ(d.KillCode.Length, 3);
    EXPECT_EQ(d.StunCode.Length, 3);
}
