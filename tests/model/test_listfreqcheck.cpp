#include <gtest/gtest.h>

#include "model/AppState.h"
#include "model/ListFreqCheck.h"

using namespace rp;

TEST(ListFreqCheck, BroadcastRadioBand) {
    AppState st;  // 76 .. 108 MHz
    struct Case {
        const char* text;
        std::int64_t units;
        bool out;
    } cases[] = {
        {"87.6", 876000, false},     {"76", 760000, false},       {"108", 1080000, false},
        {"75.9999", 760000, true},   {"200", 1080000, true},      {"-5", 760000, true},
        {"abc", 760000, true},       {"", 760000, true},          {"98.12345", 981234, false},
        {"98.12355", 981236, false},  // halves to even
        {"1e2", 760000, true},
        {"75.99996", 760000, true},  {"108.00004", 1080000, true},  // round onto a limit, still outside
    };
    for (const auto& c : cases) {
        const auto r = CheckRadioFreqStr(st, c.text);
        EXPECT_EQ(r.Units, c.units) << c.text;
        EXPECT_EQ(r.OutOfBand, c.out) << c.text;
    }
    EXPECT_EQ(RadioFreqDataText(876000), "00876000");
}

TEST(ListFreqCheck, AMBand) {
    AppState st;  // 118 .. 136 MHz
    EXPECT_EQ(CheckAMFreqStr(st, "120.5").Units, 1205000);
    EXPECT_FALSE(CheckAMFreqStr(st, "120.5").OutOfBand);
    EXPECT_EQ(CheckAMFreqStr(st, "140").Units, 1360000);
    EXPECT_TRUE(CheckAMFreqStr(st, "x").OutOfBand);
    EXPECT_EQ(AMFreqDataText(1205000), "120.5000");
    // Halves past the fourth decimal round away from zero here, unlike the broadcast-radio list.
    const struct {
        const char* text;
        std::int64_t units;
    } halves[] = {{"120.50005", 1205001}, {"120.50015", 1205002}, {"120.50004", 1205000}};
    for (const auto& h : halves) EXPECT_EQ(CheckAMFreqStr(st, h.text).Units, h.units) << h.text;
}
