#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "model/AppState.h"
#include "model/ToneLists.h"
#include "model/ValueText.h"

using namespace rp;
using namespace std::string_literals;

TEST(ValueText, FrequencyToDataTextIsCutNotRounded) {
    struct Case { const char* in; const char* out; };
    const Case cases[] = {
        {"145.0125", "014501250"}, {"145.00625", "014500625"}, {"145.012599", "014501259"},
        {"438.5", "043850000"},    {"0", "000000000"},         {"", ""},
        {"abc", ""},               {"-1", ""},                 {"10000", ""},
        {" 136.0 ", "013600000"},
    };
    for (const auto& c : cases) EXPECT_EQ(GetFreDataStr(c.in), c.out) << c.in;
}

TEST(ValueText, DataTextToShownFrequency) {
    AppState st;
    std::vector<std::string> messages;
    auto msg = [&](const std::string& m) { messages.push_back(m); };
    EXPECT_EQ(GetFreShowByData(st, "014501250", msg), "145.01250");
    EXPECT_EQ(GetFreShowByData(st, "FFFFFFFFF", msg), "");
    EXPECT_EQ(GetFreShowByData(st, "", msg), "");
    EXPECT_EQ(GetFreShowByData(st, "004650000", msg), "046.50000");
    EXPECT_TRUE(messages.empty());
    EXPECT_EQ(GetFreShowByData(st, "01A501250", msg), "400");
    EXPECT_EQ(messages, std::vector<std::string>{"Not IsNumeric"});

    EXPECT_EQ(GetFreShowByData2("000500000"), "5.00000");
    EXPECT_EQ(GetFreShowByData2("FFFFFFFFF"), "0.00000");
    EXPECT_EQ(GetFreShowByData2("001060000"), "10.60000");
    EXPECT_EQ(GetFreShowByData2("xx", msg), "0.00000");
    EXPECT_EQ(messages.size(), 2u);
}

TEST(ValueText, CTCSSShowText) {
    struct Case { const char* in; const char* out; };
    const Case cases[] = {{"71.9", "71.9"}, {"62.5", "62.5"}, {"254.1", "254.1"}, {"100", "100.0"},
                          {"254.11", "151.1"}, {"300", "151.1"}, {"62.4", "151.1"}, {"", "151.1"},
                          {"x", "151.1"}, {"88.46", "88.5"}};
    for (const auto& c : cases) EXPECT_EQ(GetCTCSSShowStr(c.in), c.out) << c.in;
}

TEST(ValueText, SmallConversions) {
    EXPECT_EQ(DTMFRadioToShow("12EF0A"), "12*#0A");
    EXPECT_EQ(DTMFShowToRadio("*#9D"), "EF9D");
    EXPECT_EQ(GetSignalTypeCode("DTMF"), 1);
    EXPECT_EQ(GetSignalTypeCode("2Tone{DN}"), 2);
    EXPECT_EQ(GetSignalTypeCode("5Tone"), 3);
    EXPECT_EQ(GetSignalTypeCode("MSK{DN}"), 4);
    EXPECT_EQ(GetSignalTypeCode("dtmf"), 0);
    EXPECT_EQ(GetOctStr(0, 3), "000");
    EXPECT_EQ(GetOctStr(19, 3), "023");
    EXPECT_EQ(GetOctStr(511, 3), "777");
    EXPECT_EQ(GetOctStr(512, 3), "1000");
    EXPECT_EQ(GetOctStr(-1, 3), "177777");
    EXPECT_EQ(IsPositive(3), 1);
    EXPECT_EQ(IsPositive(0), 0);
    EXPECT_EQ(IsPositive(-2), 0);
    EXPECT_EQ(GetNumValue("12.5\0xx"s, 7), 12.5);
    EXPECT_EQ(GetNumValue("z", 7), 7);
}

TEST(ValueText, IntOfTextRoundsToEvenAndNeverOverflows) {
    struct Case { const char* in; std::int32_t out; };
    const Case cases[] = {{"2.5", 2}, {"3.5", 4}, {"-2.5", -2}, {"17", 17}, {"", -9}, {"a1", -9},
                          {"2147483647", 2147483647}, {"2147483648", -9}, {"-2147483649", -9},
                          {"99999999999999999999999", -9}};
    for (const auto& c : cases) EXPECT_EQ(GetIntOfText(c.in, -9), c.out) << c.in;
}

TEST(ValueText, ComboListRules) {
    const std::vector<std::string> items = {"A", "B", "C"};
    const std::vector<std::string> none;
    EXPECT_EQ(GetComboListText(items, 2), "C");
    EXPECT_EQ(GetComboListText(items, 3), "A");
    EXPECT_EQ(GetComboListText(items, -1), "A");
    EXPECT_EQ(GetComboListText(none, 0), "");
    EXPECT_EQ(GetComboItemText(items, 7, 1), "B");
    EXPECT_EQ(GetComboMatchText(items, "B"), "B");
    EXPECT_EQ(GetComboMatchText(items, "b"), "A");
    EXPECT_EQ(GetComboMatchText(none, "b"), "");
    EXPECT_EQ(GetComboIndexOfText(items, "C", 5), 2);
    EXPECT_EQ(GetComboIndexOfText(items, "Z", 5), 0);
    EXPECT_EQ(GetComboIndexOfText(items, "", 5), 5);
    EXPECT_EQ(GetComboIndexOfText(none, "A", 5), 5);
}

TEST(ValueText, FiveToneIdTexts) {
    EXPECT_EQ(ConvertSignalIDStr("11223", "X"), "1E2E3");
    EXPECT_EQ(ConvertSignalIDStr("11111", "X"), "1E1E1");
    EXPECT_EQ(ConvertSignalIDStr("", "X"), "");
    EXPECT_EQ(ConvertSignalIDStr("12345  ", "X"), "12345");
    // With a prefix the repeat mark depends on the digit before, which is then dropped.
    EXPECT_EQ(ConvertSignalIDStr("1234", "1"), "E234");
    // Past the 8th character a code starting "E1" keeps its digits.
    EXPECT_EQ(ConvertSignalIDStr("E1000000000", "X"), "E10E0E0E000");

    EXPECT_FALSE(CheckSignalIDStr("123456789", "12345"));
    EXPECT_TRUE(CheckSignalIDStr("ABCDESelfID", "12345"));
    EXPECT_TRUE(CheckSignalIDStr("ABCDEBSelfID", "12345"));
    EXPECT_FALSE(CheckSignalIDStr("ABCDE9SelfID", "12345"));
    EXPECT_TRUE(CheckSignalIDStr("9876512345", "12345"));
    EXPECT_TRUE(CheckSignalIDStr("987651E2E3", "11223"));
    EXPECT_TRUE(CheckSignalIDStr("98765C12345", "12345"));
    EXPECT_FALSE(CheckSignalIDStr("9876512345", "1234"));
    EXPECT_FALSE(CheckSignalIDStr("9876554321", "12345"));

    EXPECT_EQ(GetSignalIDStr("9877512345", "12345"), "987E512345");
    EXPECT_EQ(GetSignalIDStr("98775CC2345", "C2345"), "987E5CC2345");
    EXPECT_EQ(GetSignalIDStr("1122", "12345"), "1E2E");
}

TEST(ToneLists, TonesAndCodes) {
    EXPECT_EQ(CTCSSToneTexts()[0], "62.5");
    EXPECT_EQ(CTCSSToneTexts()[50], "254.1");
    EXPECT_EQ(DCSCodeText(19, true), "D023I");
    const auto list = DCSCodeList();
    ASSERT_EQ(list.size(), 1024u);
    EXPECT_EQ(list[0], "D000N");
    EXPECT_EQ(list[1023], "D777I");
}
