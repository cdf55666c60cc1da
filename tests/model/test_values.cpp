#include <gtest/gtest.h>

#include <limits>
#include <string>

#include "model/FixedText.h"
#include "model/Records.h"
#include "model/Values.h"

using namespace rp;
using namespace std::string_literals;

TEST(FixedText, AssignPadsWithBlanksAndCuts) {
    FixedText<6> t;
    EXPECT_EQ(t.Str(), std::string(6, '\0'));
    t = "AB";
    EXPECT_EQ(t.Str(), "AB    ");
    t = "ABCDEFGH";
    EXPECT_EQ(t.Str(), "ABCDEF");
    t = std::string_view("\0", 1);
    EXPECT_EQ(t.Str(), "\0     "s);
    EXPECT_EQ(t.Trimmed(), "");
    t.SetNulTerminated("XY");
    EXPECT_EQ(t.Str(), "XY\0   "s);
}

TEST(TrimNull, Table) {
    struct Case { std::string in, trimmed, cut; };
    const Case cases[] = {
        {"AB \0x"s, "AB ", "AB "},
        {"AB   "s, "AB", "AB   "},
        {"\0    "s, "", ""},
        {"A\0B  "s, "A", "A"},
        {""s, "", ""},
        {"  A  "s, "  A", "  A  "},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(TrimNull(c.in), c.trimmed) << c.in;
        EXPECT_EQ(CutAtNull(c.in), c.cut) << c.in;
    }
}

TEST(NumberParser, AcceptsOnlyPlainDecimals) {
    const char* good[] = {"0", "12", " 145.5 ", "-3", "+4.", ".5", "007", "145.00625"};
    const char* bad[] = {"", " ", "&H1F", "1e3", "1,000", "1.2.3", "--1", "12a", ".", "+", "0x10", "1 2"};
    for (auto s : good) EXPECT_TRUE(IsNumericText(s)) << s;
    for (auto s : bad) EXPECT_FALSE(IsNumericText(s)) << s;
    EXPECT_DOUBLE_EQ(*ParseNumber(" -2.5 "), -2.5);
}

TEST(NumberParser, ScaledIsExact) {
    EXPECT_EQ(*ParseScaled("145.0125", 5, RoundMode::Truncate), 14501250);
    EXPECT_EQ(*ParseScaled("145.00625", 5, RoundMode::Truncate), 14500625);
    EXPECT_EQ(*ParseScaled("145.006259", 5, RoundMode::Truncate), 14500625);
    EXPECT_EQ(*ParseScaled("2.5", 0, RoundMode::HalfEven), 2);
    EXPECT_EQ(*ParseScaled("3.5", 0, RoundMode::HalfEven), 4);
    EXPECT_EQ(*ParseScaled("2.51", 0, RoundMode::HalfEven), 3);
    EXPECT_EQ(*ParseScaled("2.5", 0, RoundMode::HalfAwayFromZero), 3);
    EXPECT_EQ(*ParseScaled("-2.5", 0, RoundMode::HalfAwayFromZero), -3);
    EXPECT_FALSE(ParseScaled("99999999999999999999", 0, RoundMode::Truncate));
}

TEST(Rounding, IntegerConversionsGoToEven) {
    struct Case { double in; double out; };
    const Case cases[] = {{2.5, 2}, {3.5, 4}, {-2.5, -2}, {0.5, 0}, {1.5, 2}, {2.4999, 2}, {2.6, 3}};
    for (auto c : cases) EXPECT_EQ(RoundHalfEven(c.in), c.out) << c.in;
}

TEST(Rounding, NarrowingIsChecked) {
    EXPECT_EQ(*ToInt16(32767.4), 32767);
    EXPECT_FALSE(ToInt16(32767.5));  // rounds to 32768
    EXPECT_FALSE(ToInt16(-40000));
    EXPECT_FALSE(ToInt16(1e300));
    EXPECT_EQ(ClampInt16(100000), 32767);
    EXPECT_EQ(ClampByte(-5), 0);
}

TEST(Rounding, DisplayFormatsRoundHalfAwayAndUseDot) {
    struct Case { double v; int d; const char* out; };
    const Case cases[] = {{2.5, 0, "3"},          {-2.5, 0, "-3"},       {2.675, 2, "2.68"},
                          {145.00625, 4, "145.0063"}, {145.5, 5, "145.50000"}, {0.0, 4, "0.0000"},
                          {1e-7, 2, "0.00"},       {435, 4, "435.0000"}};
    for (auto c : cases) EXPECT_EQ(FormatFixed(c.v, c.d), c.out) << c.v;
    EXPECT_EQ(FormatScaled(14550000, 5), "145.50000");
    EXPECT_EQ(FormatScaled(5, 5), "0.00005");
    EXPECT_EQ(FormatPadded(7, 3), "007");
    EXPECT_EQ(FormatPadded(-7, 3), "-007");
    EXPECT_EQ(FormatPadded(std::numeric_limits<long long>::min(), 3), "-9223372036854775808");
}

TEST(Rounding, DisplayFormatsKeepTheirDecimalsForAnySize) {
    struct Case { double v; int d; std::string out; };
    const Case cases[] = {{9.995, 2, "10.00"},
                          {-99.5, 0, "-100"},
                          {-0.004, 2, "0.00"},
                          {1e15, 4, "1000000000000000.0000"},
                          {1234.1, 15, "1234.100000000000000"},
                          {-1e20, 1, "-100000000000000000000.0"},
                          {1e22, 2, "1" + std::string(22, '0') + ".00"},
                          {5e-324, 3, "0.000"}};
    for (const auto& c : cases) EXPECT_EQ(FormatFixed(c.v, c.d), c.out) << c.v << " " << c.d;
    const std::string huge = FormatFixed(1e300, 2);  // written out in full, never "0"
    EXPECT_EQ(huge.size(), 304u);
    EXPECT_EQ(huge.substr(301), ".00");
}

TEST(Rounding, PictureFormatsWriteOptionalDigitsOnlyWhenNeeded) {
    struct Case { double v; const char* fmt; const char* out; };
    const Case cases[] = {
        {0, "#.0", ".0"},          {67, "#.0", "67.0"},        {0.25, "#.0", ".3"},
        {151.15, "#0.0", "151.2"}, {0, "#0.0", "0.0"},          {288, "#0.0", "288.0"},
        {5, "0.00000", "5.00000"}, {145.5, "000.00000", "145.50000"},
        {12.5, "#0.0000", "12.5000"}, {3, "000", "003"},       {1234, "000", "1234"},
        {0.5, "0.###", "0.5"},     {-0.04, "#.0", ".0"},        {-1.25, "#0.0", "-1.3"},
    };
    for (const auto& c : cases) EXPECT_EQ(FormatNumber(c.v, c.fmt), c.out) << c.v << " " << c.fmt;
}

TEST(ChannelNames, NumbersToNamesAndBack) {
    struct Case { int no; const char* name; };
    const Case cases[] = {{1, "0"},     {200, "199"}, {201, "PL1"}, {202, "PU1"}, {203, "PL2"},
                          {204, "PU2"}, {205, "VFO1"}, {206, "VFO2"}, {207, "Unknown"}, {0, "Unknown"},
                          {-1, "Unknown"}};
    for (auto c : cases) EXPECT_EQ(GetChannelName(c.no), c.name) << c.no;
    for (int n = 1; n <= 206; ++n) EXPECT_EQ(GetChannelNoByName(GetChannelName(n)), n);
    EXPECT_EQ(GetChannelNoByName("abc"), 1);
    EXPECT_EQ(GetChannelNoByName("99999999999"), 1);
    EXPECT_EQ(GetChannelNoByName("-5"), 1);
    EXPECT_EQ(GetChannelNoByName(""), 1);
}
