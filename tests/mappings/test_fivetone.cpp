// The five-tone record services: code forms, show and save of rows and PTT-ID codes, the own-ID
// rewriting, and the whole-record mapping the editor and the printout share.
#include <gtest/gtest.h>

#include <string>

#include "../model/EnglishState.h"
#include "model/AppState.h"
#include "model/DataChanged.h"
#include "mappings/FiveTone.h"
#include "model/FiveToneStandards.h"
#include "model/LangText.h"
#include "model/NewData.h"
#include "model/ValueText.h"

using namespace rp;

namespace {

using test::EnglishState;

FiveToneCodeRec Row(std::string code, int length, int standard = 0, int period = 70, std::string name = "") {
    FiveToneCodeRec r;
    r.IsEmpty = 0;
    r.Code = code;
    r.CodeLength = static_cast<std::uint8_t>(length);
    r.Standard = static_cast<std::uint8_t>(standard);
    r.TonePeriod = static_cast<std::uint8_t>(period);
    r.Name = name;
    return r;
}

}  // namespace

TEST(FiveToneForms, Mid5ToneNoEResolvesRepeatTones) {
    struct Case { const char* s; int start, len; const char* expect; };
    const Case cases[] = {
        {"12E4E", 1, 5, "12244"},
        {"1EE", 1, 3, "11E"},
        {"123", 2, 10, "23"},
        {"E", 1, 1, "E"},      // nothing before a leading repeat tone
        {"E", 1, 5, "E"},
        {"EE", 1, 2, "EE"},
        {"12", 5, 3, ""},
        {"", 1, 5, ""},
        {"1E1E1A12345", 1, 5, "11111"},
    };
    for (const auto& c : cases) EXPECT_EQ(Mid5ToneNoE(c.s, c.start, c.len), c.expect) << c.s << " " << c.start << " " << c.len;
}

TEST(FiveToneForms, IdFormsByLength) {
    struct Case { const char* s; bool ok; };
    const Case cases[] = {
        {"123412345", false},     // 9: too short
        {"9876512345", true},     // 10: code and own ID
        {"98765A12345", true},    // 11: separator A..F
        {"98765912345", false},   // 11: 9 is no separator
        {"987651234512", false},  // 12 without placeholder
        {"12345SelfID", true},    // 11 with placeholder: no separator needed
        {"12345BSelfID", true},   // 12 with placeholder and separator
        {"123459SelfID", false},
        {"1234SelfID", false},    // 10 with placeholder
    };
    for (const auto& c : cases) EXPECT_EQ(CheckSignalIDStr(c.s, "12345"), c.ok) << c.s;
}

TEST(FiveToneRows, ShowTheKindsOfCode) {
    const AppState st = EnglishState();
    const std::string msg = GetOptionStr(st, "60073"), tag = GetOptionStr(st, "60084");
    struct Case { const char* name; FiveToneCodeRec rec; const char* own; std::string kind, code; };
    const Case cases[] = {
        {"message", Row("E11E3E5E4142", 12), "67890", msg, "11335" + std::string(8, ' ') + tag + "AB"},
        {"pttid", Row("E612345", 7), "12345", "PTTID", ""},
        {"pttid_placeholder", Row("E6SelfID", 8), "12345", "PTTID", ""},
        {"ani_placeholder", Row("12345ASelfID", 12), "67890", "ANI", "12345"},
        {"ani_separator", Row("1E1E1A67890", 11), "67890", "ANI", "11111A"},
        {"ani_no_separator", Row("9876567890", 10), "67890", "ANI", "98765"},
        {"plain_padded", Row("123", 5), "67890", "", "123EE"},
        {"plain_cut", Row("123", 2), "67890", "", "12"},
        {"plain_too_long_length", Row("123", 41), "67890", "", ""},
        {"short_message_prefix", Row("E1123", 5), "67890", "", "E1123"},
    };
    for (const auto& c : cases) {
        const FiveToneRowCells cells = ShowFiveToneRow(st, c.rec, 4, c.own);
        EXPECT_EQ(cells.Number, "3") << c.name;
        EXPECT_EQ(cells.Kind, c.kind) << c.name;
        EXPECT_EQ(cells.Code, c.code) << c.name;
        EXPECT_EQ(cells.Standard, "ZVEI1") << c.name;
        EXPECT_EQ(cells.Period, "70") << c.name;
    }
}

TEST(FiveToneRows, EmptyRowsAndOutOfRangeValues) {
    const AppState st = EnglishState();
    FiveToneCodeRec empty = Row("", 0, 4, 55, "x");
    empty.IsEmpty = 1;
    FiveToneRowCells c = ShowFiveToneRow(st, empty, 1, "12345");
    EXPECT_EQ(c.Kind, "");
    EXPECT_EQ(c.Code, "");
    EXPECT_EQ(c.Standard, "ZVEI1");
    EXPECT_EQ(c.Period, "70");
    EXPECT_EQ(c.Name, "");

    const FiveToneCodeRec odd = Row("12", 2, 200, 120, "NAME");
    c = ShowFiveToneRow(st, odd, 100, "12345");
    EXPECT_EQ(c.Number, "99");
    EXPECT_EQ(c.Standard, "ZVEI1");  // above 15: repaired to 0
    EXPECT_EQ(c.Period, "70");
    EXPECT_EQ(c.Name, "NAME");
    EXPECT_EQ(odd.Standard, 200);  // the input is never repaired in place
}

TEST(FiveToneRows, SaveBringsCodesToTheirStoredForm) {
    const AppState st = EnglishState();
    struct Case { const char* name; FiveToneCodeRec rec; const char* code; int length; };
    const Case cases[] = {
        {"ani_placeholder", Row("12345ASelfID", 12), "12345A67890", 11},
        {"ani_old_own_id", Row("1E1E1A12345", 11), "1E1E1A12345", 11},  // not this own ID: plain repeat form
        {"ani_current", Row("11111A67890", 11), "1E1E1A67890", 11},
        {"pttid_placeholder", Row("E6SelfID", 8), "E6E7890", 7},  // the own ID's 6 repeats the 6
        {"e2_old", Row("E212345", 7), "E267890", 7},
        {"plain", Row("1123", 4), "1E23", 4},
        {"message", Row("E1E13E5E4142", 12), "E1E13E5E4142", 12},  // as the composer stores it
        {"two_chars", Row("11", 2), "11", 2},  // too short to be rewritten
    };
    for (const auto& c : cases) {
        FiveToneCodeRec r = c.rec;
        const FiveToneRowCells cells = ShowFiveToneRow(st, r, 1, "67890");
        SaveFiveToneRow(r, cells, "67890");
        EXPECT_EQ(r.Code.Trimmed(), c.code) << c.name;
        EXPECT_EQ(r.CodeLength, c.length) << c.name;
        EXPECT_EQ(r.IsEmpty, 0) << c.name;
    }
}

TEST(FiveToneRows, SaveTakesStandardPeriodAndName) {
    FiveToneCodeRec r = Row("123", 3, 2, 40, "OLD");
    FiveToneRowCells cells;
    cells.Standard = "EIA";
    cells.Period = "33";
    cells.Name = "ABCDEFGHI";
    SaveFiveToneRow(r, cells, "12345");
    EXPECT_EQ(r.Standard, 14);
    EXPECT_EQ(r.TonePeriod, 33);
    EXPECT_EQ(r.Name.Trimmed(), "ABCDEFG");
    for (const char* bad : {"", "abc", "25", "120"}) {
        cells.Period = bad;
        SaveFiveToneRow(r, cells, "12345");
        EXPECT_EQ(r.TonePeriod, 70) << bad;
    }
}

TEST(FiveToneRows, UserToneStandardIsKeptThroughShowAndSave) {
    const AppState st = EnglishState();
    FiveToneCodeRec r = Row("123", 3, kUserToneStandard, 50);
    FiveToneRowCells cells = ShowFiveToneRow(st, r, 1, "12345");
    EXPECT_EQ(cells.Standard, "");
    SaveFiveToneRow(r, cells, "12345");
    EXPECT_EQ(r.Standard, kUserToneStandard);
    EXPECT_EQ(r.TonePeriod, 50);

    r.IsEmpty = 1;
    cells = ShowFiveToneRow(st, r, 1, "12345");
    SaveFiveToneRow(r, cells, "12345");
    EXPECT_EQ(r.Standard, kUserToneStandard);

    std::string period = "50";
    EXPECT_EQ(CommitFiveToneStandard(r, -1, "", period), "");  // nothing chosen in the editor
    EXPECT_EQ(r.Standard, kUserToneStandard);
    EXPECT_EQ(CommitFiveToneStandard(r, 6, "", period), "CCIR1");
    EXPECT_EQ(r.Standard, 6);
}

TEST(FiveToneRows, EditorCommits) {
    FiveToneCodeRec r;
    r.IsEmpty = 1;
    EXPECT_EQ(CommitFiveToneCode(r, "1123", "12345"), "1E23");
    EXPECT_EQ(r.CodeLength, 4);
    EXPECT_EQ(r.IsEmpty, 0);
    EXPECT_EQ(CommitFiveToneCode(r, "", "12345"), "");
    EXPECT_EQ(r.CodeLength, 0);
    EXPECT_EQ(r.IsEmpty, 1);
    const std::string forty = "1234567890123456789012345678901234567890";
    EXPECT_EQ(CommitFiveToneCode(r, forty, "12345"), forty);
    EXPECT_EQ(r.CodeLength, 40);
    EXPECT_EQ(r.Code.Str(), forty);

    std::string period;
    EXPECT_EQ(CommitFiveToneStandard(r, 9, "ZVEI1", period), "EEA");
    EXPECT_EQ(period, "70");  // an empty period cell gets the usual period
    EXPECT_EQ(r.TonePeriod, 70);
    EXPECT_EQ(CommitFiveTonePeriod(r, "45"), "45");
    EXPECT_EQ(r.TonePeriod, 45);
    EXPECT_EQ(CommitFiveToneName(r, "AB C  "), "AB C");
    EXPECT_EQ(r.Name.Trimmed(), "AB C");
}

TEST(FiveToneOwnId, ChangeRewritesOwnIdCodes) {
    FiveToneData ft;
    ft.CodeRows[0] = Row("1E1E1A12345", 11);
    ft.CodeRows[1] = Row("E212345", 7);
    ft.CodeRows[2] = Row("E612345", 7);
    ft.CodeRows[3] = Row("12345", 5);
    ft.CodeRows[4] = Row("98765SelfID", 11);
    ft.PTTIDBegin = Row("E612345", 7);
    ft.PTTIDEnd = Row("9876512345", 10);
    ReplaceSelfIDCode(ft, "12345", "67890");
    EXPECT_EQ(ft.CodeRows[0].Code.Trimmed(), "11111A67890");
    EXPECT_EQ(ft.CodeRows[1].Code.Trimmed(), "E267890");
    EXPECT_EQ(ft.CodeRows[2].Code.Trimmed(), "E667890");
    EXPECT_EQ(ft.CodeRows[3].Code.Trimmed(), "12345");  // a plain code is no own-ID code
    EXPECT_EQ(ft.CodeRows[4].Code.Trimmed(), "9876567890");
    EXPECT_EQ(ft.PTTIDBegin.Code.Trimmed(), "E667890");
    EXPECT_EQ(ft.PTTIDEnd.Code.Trimmed(), "9876567890");
    EXPECT_EQ(ft.CodeRows[0].CodeLength, 11);  // lengths wait for the next save

    const AppState st = EnglishState();
    const FiveToneRowCells cells = ShowFiveToneRow(st, ft.CodeRows[0], 1, "67890");
    EXPECT_EQ(cells.Kind, "ANI");
    EXPECT_EQ(cells.Code, "11111A");
}

TEST(FiveTonePtt, ShowAndSave) {
    FiveToneCodeRec r = Row("123", 5, kUserToneStandard, 120);
    FiveTonePttView v = ShowFiveTonePtt(r);
    EXPECT_EQ(v.Code, "123EE");
    EXPECT_EQ(v.Standard, -1);
    EXPECT_EQ(v.Period, "70");
    v.Code = "11223";
    SaveFiveTonePtt(r, v, "12345");
    EXPECT_EQ(r.Code.Trimmed(), "1E2E3");
    EXPECT_EQ(r.CodeLength, 5);
    EXPECT_EQ(r.Standard, kUserToneStandard);  // no choice made: kept
    EXPECT_EQ(r.TonePeriod, 70);
    v.Standard = 3;
    v.Period = "88";
    SaveFiveTonePtt(r, v, "12345");
    EXPECT_EQ(r.Standard, 3);
    EXPECT_EQ(r.TonePeriod, 88);
}

namespace {

FiveToneData Sample() {
    FiveToneData ft;
    ft.SystemStandard = 6;
    ft.SystemResponse = 1;
    ft.SystemTonePeriod = 20;
    ft.OwnID = "12345";
    ft.OwnIDLength = 5;
    ft.TenthsSetting = 15;
    ft.TenMsSettingA = 0;
    ft.TenMsSettingB = 30;
    ft.CountSetting = 3;
    ft.FirstDigitDelay = 8;
    ft.PauseTime = 4;
    ft.PauseDigit = 11;
    ft.FirstCodeDelayAfterPause = 12;
    ft.SideTone = 1;
    for (auto& r : ft.CodeRows) { r.IsEmpty = 1; r.TonePeriod = 70; }
    ft.CodeRows[0] = Row("123", 3, 2, 40, "A");
    ft.CodeRows[1] = Row("12345ASelfID", 12, 6, 100, "ANI");
    ft.PTTIDBegin = Row("E612345", 7, 1, 70);
    ft.PTTIDEnd = Row("", 0, 14, 33);
    return ft;
}

}  // namespace

TEST(FiveToneRecord, ShowGivesEveryControlValue) {
    const AppState st = EnglishState();
    const FiveToneData ft = Sample();
    const FiveToneView v = ShowFiveTone(st, ft, 7);
    EXPECT_EQ(v.Caption, GetOptionStr(st, "60052"));
    EXPECT_EQ(v.OwnID, "12345");
    EXPECT_EQ(v.Combo1[1].Text, "CCIR1");
    EXPECT_EQ(v.Combo1[2].Index, 1);
    EXPECT_EQ(v.Combo1[3].Text, "70");        // period 20 repaired
    EXPECT_EQ(v.Combo1[4].Text, "10");        // 0 has no item: the first
    EXPECT_EQ(v.Combo1[5].Text, "1.5");
    EXPECT_EQ(v.Combo1[6].Text, "300");
    EXPECT_EQ(v.Combo1[7].Index, 0);          // below 5: off
    EXPECT_EQ(v.Combo1[8].Text, "80");
    EXPECT_EQ(v.Combo1[9].Text, "40");
    EXPECT_EQ(v.Combo1[10].Text, "B");
    EXPECT_TRUE(v.PauseTimeEnabled);
    EXPECT_EQ(v.Combo1[11].Text, "70");
    EXPECT_EQ(v.Combo1[12].Text, "120");
    EXPECT_TRUE(v.SideTone);
    EXPECT_EQ(v.Ptt[0].StandardText, "ZVEI2");
    EXPECT_EQ(v.Rows[0].Code, "123");
    EXPECT_EQ(v.Rows[1].Kind, "ANI");
    EXPECT_EQ(v.Rows[2].Standard, "ZVEI1");
    EXPECT_EQ(v.Info.Caption, GetLangStr(st, 3005) + "1");
    ASSERT_EQ(v.ToneTable.size(), 21u);
    EXPECT_EQ(v.ToneTable[0], "EIA");  // the PTT-ID end standard is selected last
    EXPECT_EQ(ft, Sample());           // never mutates its input
}

TEST(FiveToneRecord, SaveOfTheShownValues) {
    const AppState st = EnglishState();
    FiveToneData ft = Sample();
    ft.SystemStandard = kUserToneStandard;
    ft.SystemResponse = 7;
    std::uint8_t decode = 9;
    const FiveToneView v = ShowFiveTone(st, ft, decode);
    EXPECT_EQ(v.Combo1[1].Index, 0);  // a standard outside the list shows the first item
    EXPECT_EQ(v.Combo1[1].Text, "ZVEI1");
    EXPECT_EQ(v.Combo1[2].Index, -1);
    SaveFiveTone(ft, decode, v);
    EXPECT_EQ(ft.SystemStandard, 0);  // what the list showed
    EXPECT_EQ(ft.SystemResponse, 7);
    EXPECT_EQ(ft.SystemTonePeriod, 70);
    EXPECT_EQ(ft.TenMsSettingA, 1);
    EXPECT_EQ(ft.TenthsSetting, 15);
    EXPECT_EQ(ft.TenMsSettingB, 30);
    EXPECT_EQ(ft.CountSetting, 0);
    EXPECT_EQ(ft.FirstDigitDelay, 8);
    EXPECT_EQ(ft.PauseTime, 4);
    EXPECT_EQ(ft.PauseDigit, 11);
    EXPECT_EQ(ft.FirstCodeDelayAfterPause, 12);
    EXPECT_EQ(decode, 9);
    EXPECT_EQ(ft.OwnIDLength, 5);
    EXPECT_EQ(ft.CodeRows[1].Code.Trimmed(), "12345A12345");
    EXPECT_EQ(ft.PTTIDBegin.Code.Trimmed(), "E612345");
    EXPECT_EQ(ft.PTTIDEnd.Standard, 14);
    EXPECT_EQ(ft.PTTIDEnd.TonePeriod, 33);
    // A second round changes nothing more.
    const FiveToneData once = ft;
    SaveFiveTone(ft, decode, ShowFiveTone(st, ft, decode));
    EXPECT_EQ(ft, once);
}

TEST(FiveToneRecord, SaveOfNewDataAsShownChangesNothing) {
    // OK without edits: the empty rows of new data keep their code (a NUL, then blanks) and its
    // length 0, so the data do not count as changed.
    AppState st = EnglishState();
    st.NoInitFileFlag = true;
    NewData(st);
    ASSERT_FALSE(IsDataChanged(st));
    FiveToneData& ft = st.CurRadioData.Signal.FiveTone;
    ASSERT_EQ(ft.CodeRows[0].Code.Str()[0], '\0');
    std::uint8_t& decode = st.CurRadioData.OptionBytesA[0];
    SaveFiveTone(ft, decode, ShowFiveTone(st, ft, decode));
    for (int k = 0; k < kFiveToneRows; ++k) EXPECT_EQ(ft.CodeRows[k].CodeLength, 0) << "row " << k + 1;
    EXPECT_FALSE(IsDataChanged(st));
}

TEST(FiveToneRecord, CountAndPauseDigitChoices) {
    const AppState st = EnglishState();
    FiveToneData ft = Sample();
    ft.CountSetting = 40;
    ft.PauseDigit = 0;
    std::uint8_t decode = 0;
    FiveToneView v = ShowFiveTone(st, ft, decode);
    EXPECT_EQ(v.Combo1[7].Text, "40");
    EXPECT_EQ(v.Combo1[10].Index, 0);
    EXPECT_FALSE(v.PauseTimeEnabled);
    v.Combo1[10] = {4, "F"};
    v.Combo1[7] = {1, "5"};
    SaveFiveTone(ft, decode, v);
    EXPECT_EQ(ft.PauseDigit, 15);
    EXPECT_EQ(ft.CountSetting, 5);
}
