// Five-tone information codes and their kill/stun/wake-up check, the tone standards and their
// view, the user tone set boxes, and the special-code composer's output.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "../model/EnglishState.h"
#include "model/AppState.h"
#include "mappings/FiveTone.h"
#include "mappings/FiveToneInfo.h"
#include "model/FiveToneStandards.h"
#include "model/LangText.h"

using namespace rp;

namespace {

using test::EnglishState;

struct Entry { int number, function; const char* code; };

FiveToneData WithInfo(std::initializer_list<Entry> entries, const char* own = "12345") {
    FiveToneData ft;
    ft.OwnID = own;
    for (const auto& e : entries) {
        InfoCodeRec& r = ft.InfoCodes[e.number - 1];
        r.InfoFunction = static_cast<std::uint8_t>(e.function);
        r.Code = e.code;
        r.CodeLength = static_cast<std::uint8_t>(std::string(e.code).size());
    }
    return ft;
}

using Keys = std::vector<std::string>;

}  // namespace

TEST(FiveToneInfo, KillStunWakeCheck) {
    struct Case { const char* name; FiveToneData ft; Keys expect; };
    const Case cases[] = {
        {"own_id_clash_only_message", WithInfo({{2, kInfoStun, "12345"}, {4, 0, "12345"}}), {"60350"}},
        {"kill_without_wake", WithInfo({{1, kInfoKill, "111"}}), {"60300"}},
        {"kill_and_wake_share_code", WithInfo({{1, kInfoKill, "111"}, {2, kInfoWake, "111"}}), {"60301"}},
        {"clash_with_earlier_entry", WithInfo({{1, 0, "123"}, {3, kInfoKill, "123"}, {5, kInfoWake, "999"}}), {"60301"}},
        {"clash_with_later_entry", WithInfo({{3, kInfoKill, "123"}, {5, 0, "123"}, {6, kInfoWake, "999"}}), {"60301"}},
        {"both_messages", WithInfo({{1, kInfoStun, "111"}, {2, 7, "111"}}), {"60300", "60301"}},
        {"wake_alone", WithInfo({{1, kInfoWake, "222"}}), {}},
        {"two_kills_same_code", WithInfo({{1, kInfoKill, "111"}, {2, kInfoKill, "111"}, {3, kInfoWake, "222"}}), {}},
        {"nothing_set", WithInfo({}), {}},
    };
    for (const auto& c : cases) EXPECT_EQ(CheckInfoKillStunWaken(c.ft), c.expect) << c.name;
}

TEST(FiveToneInfo, FunctionRulesAndPanel) {
    const AppState st = EnglishState();
    InfoCodeRec r;
    r.InfoFunction = kInfoKill;
    r.InfoResponse = 0;
    r.Code = "9876";
    r.CodeLength = 4;
    r.Name = "KILL";
    InfoCodeView v = ShowInfoCode(st, r, 3);
    EXPECT_EQ(v.Caption, GetLangStr(st, 3005) + "3");
    EXPECT_EQ(v.Function, kInfoKill);
    EXPECT_EQ(v.Response, 0);  // the stored response is shown in the disabled list
    EXPECT_FALSE(v.ResponseEnabled);
    EXPECT_EQ(v.Code, "9876");
    EXPECT_EQ(v.Name, "KILL");
    EXPECT_EQ(InfoFunctionRuleOf(kInfoKill).ForcedResponse, 2);

    r.InfoFunction = 1;
    r.InfoResponse = 2;  // cannot be shown under function 1
    v = ShowInfoCode(st, r, 1);
    EXPECT_EQ(v.Responses.size(), 2u);
    EXPECT_EQ(v.Response, -1);
    r.InfoFunction = 9;  // outside the list
    v = ShowInfoCode(st, r, 1);
    EXPECT_EQ(v.Function, -1);
    SaveInfoCode(r, v.Function, v.Response, v.Code, v.Name);
    EXPECT_EQ(r.InfoFunction, 9);  // kept
    EXPECT_EQ(r.InfoResponse, 2);

    r.InfoFunction = 6;
    v = ShowInfoCode(st, r, 1);
    EXPECT_EQ(v.Name, "");
    EXPECT_FALSE(v.NameEnabled);
    SaveInfoCode(r, 6, 0, "ABCDEF0123456", "");
    EXPECT_EQ(r.CodeLength, 12);
    EXPECT_EQ(r.Code.Str(), "ABCDEF012345");
    EXPECT_EQ(r.Name.Trimmed(), "");
}

TEST(FiveToneStandards, DefaultPeriods) {
    const std::pair<const char*, int> cases[] = {
        {"CCIR2", 70}, {"CCIR1", 100}, {"PCCIR", 100}, {"EEA", 40}, {"EIA", 33}, {"MODAT", 40}, {"ccir1", 70}, {"", 70}};
    for (const auto& [name, period] : cases) EXPECT_EQ(DefaultTonePeriod(name), period) << name;
    EXPECT_EQ(ToneStandardNames().size(), 15u);
    EXPECT_EQ(ToneStandardName(15), "");
}

TEST(FiveToneStandards, ViewOfAStandard) {
    const AppState st = EnglishState();
    const std::array<std::int16_t, 16> user{};
    const auto l = ToneStandardLines(st, "ZVEI3", user);
    ASSERT_EQ(l.size(), 21u);
    EXPECT_EQ(l[0], "ZVEI3");
    EXPECT_EQ(l[1], GetOptionStr(st, "60085") + "(Hz)");
    EXPECT_EQ(l[2], "0 2200");
    EXPECT_EQ(l[12], "A 885");
    EXPECT_EQ(l[13], "B ");
    EXPECT_EQ(l[16], "E 2400");
    EXPECT_EQ(l[17], "F ");
    EXPECT_EQ(l[18], GetOptionStr(st, "60086") + "(ms) 70");
    EXPECT_EQ(l[19], GetOptionStr(st, "60087") + " A");
    EXPECT_EQ(l[20], GetOptionStr(st, "60088") + " E");
    EXPECT_EQ(ToneStandardLines(st, "DZVEI", user)[12], "A 825/885");
    EXPECT_EQ(ToneStandardLines(st, "CCITT", user)[17], "F 0.0");
}

TEST(FiveToneStandards, ViewOfTheUserSet) {
    const AppState st = EnglishState();
    std::array<std::int16_t, 16> user{};
    user[1] = 2885;
    user[15] = 31060;
    const auto l = ToneStandardLines(st, "", user);
    ASSERT_EQ(l.size(), 21u);
    EXPECT_EQ(l[0], "");
    EXPECT_EQ(l[2], "0 .0");
    EXPECT_EQ(l[3], "1 288.5");
    EXPECT_EQ(l[17], "F 3106.0");
    EXPECT_EQ(l[18], GetOptionStr(st, "60086") + "(ms) 70");
}

TEST(FiveToneUserTones, ClampOnLeave) {
    const std::pair<std::string, std::string> cases[] = {
        {"288.4", "288.5"}, {"3106.1", "3106.0"}, {"288.5", "288.5"}, {"3106.0", "3106.0"},
        {"1000", "1000"},   {"", "288.5"},        {"1.2.3", "288.5"}, {"abc", "288.5"},
        {"-5", "288.5"},    {std::string(400, '9'), "3106.0"},        {"0300.50", "0300.50"},
    };
    for (const auto& [in, out] : cases) EXPECT_EQ(ClampUserToneText(in), out) << in;
}

TEST(FiveToneUserTones, StoreInTenthsHalvesToEven) {
    const std::pair<const char*, int> cases[] = {
        {"300.25", 3002}, {"300.75", 3008}, {"1000", 10000}, {".0", 0}, {"288.5", 2885}, {"3106.0", 31060}};
    for (const auto& [in, out] : cases) EXPECT_EQ(UserToneValueOfText(in), std::optional<std::int16_t>(out)) << in;
    EXPECT_FALSE(UserToneValueOfText("abc"));
    EXPECT_FALSE(UserToneValueOfText("5000"));  // 50000 does not fit the field

    std::array<std::int16_t, 16> set{};
    set[3] = 777;
    auto texts = ShowUserToneSet(set);
    EXPECT_EQ(texts[0], ".0");
    EXPECT_EQ(texts[3], "77.7");
    texts[0] = "300.25";
    texts[3] = "x";
    SaveUserToneSet(set, texts);
    EXPECT_EQ(set[0], 3002);
    EXPECT_EQ(set[3], 777);
}

// A user tone is a 16-bit word of the radio held in a signed field. A word above 32767 (FF FF in
// an erased radio) shows as the radio's value, in the boxes and in the tone table, and the boxes
// store it back unchanged when they are left as shown.
TEST(FiveToneUserTones, WordsAbove32767ShowAsTheRadioHoldsThem) {
    const AppState st = EnglishState();
    const std::pair<std::int16_t, const char*> cases[] = {{-1, "6553.5"}, {-30536, "3500.0"}, {32767, "3276.7"}};
    for (const auto& [stored, shown] : cases) {
        std::array<std::int16_t, 16> set{};
        set[9] = stored;
        const auto texts = ShowUserToneSet(set);
        EXPECT_EQ(texts[9], shown) << stored;
        EXPECT_EQ(ToneStandardLines(st, "", set)[11], std::string("9 ") + shown) << stored;
        SaveUserToneSet(set, texts);
        EXPECT_EQ(set[9], stored);
    }
}

TEST(FiveToneComposer, OutputsForEachModeAndKind) {
    const AppState st = EnglishState();
    const std::string msgKind = GetOptionStr(st, "60073"), tag = GetOptionStr(st, "60084");
    struct Case {
        const char* name;
        SpecialCodeInput in;
        std::string kindCell, codeCell, boxText, rowCode;
        int rowLength, hexDigit;
    };
    const Case cases[] = {
        {"row_message", {0, 0, 4, "12345", 0, "AB", "67890"}, msgKind, "12345 " + tag + "AB", "", "E1E2345E4142", 12, 0},
        {"row_ani_separator", {0, 1, 4, "12345", 2, "", "67890"}, "ANI", "12345B", "", "12345BSelfID", 12, 11},
        {"row_ani_plain", {0, 1, 4, "12345", 0, "", "67890"}, "ANI", "12345", "", "12345SelfID", 11, 0},
        {"row_pttid", {0, 2, 4, "", 6, "", "67890"}, "PTTID", "", "", "E6SelfID", 8, 15},
        {"begin_message", {1, 0, 4, "12345", 0, "AB", "67890"}, "", "", "E1E2345E4142", "", -1, 0},
        {"end_ani", {2, 1, 4, "12345", 1, "", "67890"}, "", "", "12345A67890", "", -1, 10},
        {"begin_pttid", {1, 2, 4, "", 0, "", "12345"}, "", "", "E612345", "", -1, 0},
    };
    for (const auto& c : cases) {
        FiveToneData ft;
        ft.CodeRows[c.in.Row].IsEmpty = 1;
        ft.CodeRows[c.in.Row].Standard = 7;
        ft.CodeRows[c.in.Row].TonePeriod = 55;
        ft.CodeRows[c.in.Row].Name = "KEEP";
        const FiveToneData before = ft;
        const SpecialCodeOutput out = ApplySpecialCode(st, ft, c.in);
        EXPECT_FALSE(out.CodeTooShort) << c.name;
        EXPECT_EQ(out.KindCell, c.kindCell) << c.name;
        EXPECT_EQ(out.CodeCell, c.codeCell) << c.name;
        EXPECT_EQ(out.BoxText, c.boxText) << c.name;
        EXPECT_EQ(ft.SpecialHexDigit, c.hexDigit) << c.name;
        const FiveToneCodeRec& r = ft.CodeRows[c.in.Row];
        if (c.rowLength < 0) {
            EXPECT_EQ(r, before.CodeRows[c.in.Row]) << c.name;
            continue;
        }
        EXPECT_EQ(r.Code.Trimmed(), c.rowCode) << c.name;
        EXPECT_EQ(r.CodeLength, c.rowLength) << c.name;
        EXPECT_EQ(r.IsEmpty, 0) << c.name;
        EXPECT_EQ(r.Standard, 7) << c.name;
        EXPECT_EQ(r.TonePeriod, 55) << c.name;
        EXPECT_EQ(r.Name.Trimmed(), "KEEP") << c.name;
    }
}

TEST(FiveToneComposer, ShortCodeStoresOnlyTheSeparator) {
    const AppState st = EnglishState();
    FiveToneData ft;
    const FiveToneCodeRec before = ft.CodeRows[0];
    const auto out = ApplySpecialCode(st, ft, {0, 0, 0, "1234", 3, "X", "12345"});
    EXPECT_TRUE(out.CodeTooShort);
    EXPECT_EQ(ft.SpecialHexDigit, 12);
    EXPECT_EQ(ft.CodeRows[0], before);
}

TEST(FiveToneComposer, SixteenCharacterMessageFillsTheCode) {
    const AppState st = EnglishState();
    FiveToneData ft;
    ApplySpecialCode(st, ft, {0, 0, 99, "12345", 0, "ABCDEFGHIJKLMNOP", "12345"});
    EXPECT_EQ(ft.CodeRows[99].CodeLength, 40);
    EXPECT_EQ(ft.CodeRows[99].Code.Trimmed().size(), 40u);
    // The editor shows the message back from the stored code.
    const auto cells = ShowFiveToneRow(st, ft.CodeRows[99], 100, "12345");
    EXPECT_EQ(cells.Code, "12345" + std::string(8, ' ') + GetOptionStr(st, "60084") + "ABCDEFGHIJKLMNOP");
}

TEST(FiveToneComposer, PttIdCodeNeverOutgrowsItsBox) {
    // A PTT-ID keeps 24 tone digits: "E1", the code and "E" leave room for 8 message
    // characters. A longer message is refused for the PTT-ID boxes and nothing is placed; a grid
    // row still takes 16.
    const AppState st = EnglishState();
    EXPECT_EQ(SpecialMessageMax(0), 16);
    EXPECT_EQ(SpecialMessageMax(1), 8);
    EXPECT_EQ(SpecialMessageMax(2), 8);
    struct Case {
        const char* name;
        int mode;
        const char* message;
        bool tooLong;
        std::size_t length;
    };
    const Case cases[] = {
        {"begin_8", 1, "ABCDEFGH", false, 24},
        {"end_8", 2, "12345678", false, 24},
        {"begin_9", 1, "ABCDEFGHI", true, 0},
        {"end_16", 2, "ABCDEFGHIJKLMNOP", true, 0},
        {"row_16", 0, "ABCDEFGHIJKLMNOP", false, 0},
    };
    for (const Case& c : cases) {
        FiveToneData ft;
        const FiveToneData before = ft;
        const SpecialCodeOutput out = ApplySpecialCode(st, ft, {c.mode, 0, 0, "12345", 2, c.message, "12345"});
        EXPECT_EQ(out.TooLong, c.tooLong) << c.name;
        EXPECT_EQ(out.BoxText.size(), c.length) << c.name;
        EXPECT_LE(out.BoxText.size(), static_cast<std::size_t>(kPttIdCodeMax)) << c.name;
        EXPECT_EQ(ft.SpecialHexDigit, 11) << c.name;  // the separator is stored first, as always
        if (c.tooLong) {
            EXPECT_EQ(ft.CodeRows, before.CodeRows) << c.name;
        }
    }
    EXPECT_NE(SpecialCodeTooLongText(st).find("24"), std::string::npos);
}
