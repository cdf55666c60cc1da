// What a read takes from a radio, a write gives back unchanged: an erased radio (every byte FF)
// and a cleared one (every byte 00) are decoded, written again through the whole write path,
// and every area the data holds must come back byte for byte.
#include <gtest/gtest.h>

#include <cstdio>
#include <ostream>
#include <string>
#include <tuple>
#include <vector>

#include "comm/CommImage.h"

using namespace rp;

namespace {

enum class Held {
    Bytes,     // every byte of the area is data
    Bitmap,    // one bit per entry; the spare bits of a last half byte belong to no entry
    Channels,  // a channel record, compared when the radio marks that channel in use
};

struct Area {
    const char* Name;
    int First;
    int Count = 1;   // entries, or bitmap entries
    int Stride = 0;  // bytes from one entry to the next
    int Bytes = 0;   // bytes of each entry that hold data
    Held Kind = Held::Bytes;
};

// A failing case names its area, not the bytes of its parameter.
void PrintTo(const Area& a, std::ostream* os) { *os << a.Name; }

// Record address of channel number n (1..206).
int ChannelRecord(int n) {
    if (n <= 200) return 0x2000 + 32 * (n - 1);
    constexpr int kFurther[] = {0x0180, 0x01A0, 0x0280, 0x02A0, 0x01C0, 0x01E0};
    return kFurther[n - 201];
}

// The data model "6173USD" and a radio of the same model: every bitmap at its place for both.
// The option block and its power-on text are left out on purpose: the reader brings their
// values into range (a work mode above 5 is 0, a one-bit byte keeps bit 0, an erased text is
// empty) and the writer fills the spare places with fixed bytes, so an erased block comes back in range.
const Area kAreas[] = {
    {"ChannelUsedBitmap", 0x0100, 204, 0, 0, Held::Bitmap},
    {"ChannelScanBitmap", 0x0120, 204, 0, 0, Held::Bitmap},
    {"ChannelRecords", 1, 206, 0, 32, Held::Channels},
    {"RadioListBitmap", 0x0140, 100, 0, 0, Held::Bitmap},
    {"RadioList", 0x0610, 100, 4, 4},
    {"RadioListEntry100", 0x0600, 1, 4, 4},
    {"MSKSettings", 0x0170, 1, 16, 16},
    {"MSKBitmap", 0x0384, 32, 0, 0, Held::Bitmap},
    {"MSKList", 0x3B00, 32, 32, 32},
    {"AMListBitmap", 0x0260, 100, 0, 0, Held::Bitmap},
    {"AMList", 0x3900, 100, 4, 4},
    {"AMListEntry100", 0x0604, 1, 4, 4},
    {"ShortAndLongWave", 0x0608, 1, 8, 8},
    {"Banks", 0x1E20, 1, 288, 288},
    {"DTMFKillStunModeOwnId", 0x02E0, 1, 20, 20},
    {"DTMFTimings", 0x02F4, 1, 9, 9},
    {"DTMFPttIds", 0x0340, 2, 16, 13},
    {"DTMFMemories", 0x0400, 16, 16, 13},
    {"TwoToneEncode", 0x0300, 1, 24, 24},
    {"TwoToneBitmap", 0x0380, 32, 0, 0, Held::Bitmap},
    {"TwoToneList", 0x0B00, 32, 16, 15},
    {"TwoToneDecodeBitmap", 0x0388, 16, 0, 0, Held::Bitmap},
    {"TwoToneDecodeList", 0x3F00, 16, 16, 11},
    {"FiveToneSettings", 0x0320, 1, 22, 22},
    {"FiveTonePttIds", 0x0360, 2, 16, 16},
    {"FiveToneBitmap", 0x0390, 100, 0, 0, Held::Bitmap},
    {"FiveToneInfoCodesAndUserTones", 0x0500, 8, 32, 26},
    {"FiveToneCodeRows", 0x0D00, 100, 32, 32},
    {"CommBookCallIDs", 0x1980, 80, 5, 5},
    {"CommBookNames", 0x1B10, 80, 8, 6},
    {"ScanSettings", 0x03B0, 1, 14, 14},
    {"AlertSettings", 0x03A0, 1, 7, 7},
    {"AlertSettingsAfterGap", 0x03A8, 1, 5, 5},
};

std::string Hex(int v) {
    char b[8];
    std::snprintf(b, sizeof b, "0x%04X", static_cast<unsigned>(v));
    return b;
}

bool HoldsChannel(const AppState& s, int n) {
    for (int i = 0; i < s.CurRadioData.ChannelCount; ++i)
        if (s.ChannelTable[static_cast<std::size_t>(i)].ChannelNo == n) return true;
    return false;
}

}  // namespace

class ImageRoundTrip : public ::testing::TestWithParam<std::tuple<std::uint8_t, Area>> {};

TEST_P(ImageRoundTrip, WriteGivesBackWhatTheReadTook) {
    const auto [fill, area] = GetParam();
    AppState s;
    s.CurModelCode = "6173USD";
    s.RadioModelCode = "6173USD";
    s.CommImage.fill(fill);
    const auto radio = s.CommImage;
    GetCommData(s);

    InitCommImage(s);
    std::string label;
    std::vector<std::string> messages;
    ASSERT_TRUE(SetCommData(s, label, messages)) << label;
    ASSERT_TRUE(s.WriteAllowed);
    const auto& written = s.CommImage;

    // Addresses whose byte (or entry bit) changed, "0x1E20 FF>00".
    std::vector<std::string> changed;
    auto compare = [&](int a, int mask) {
        if ((written[a] & mask) != (radio[a] & mask))
            changed.push_back(Hex(a) + " " + Hex(radio[a]).substr(4) + ">" + Hex(written[a]).substr(4));
    };
    switch (area.Kind) {
    case Held::Bytes:
        for (int i = 0; i < area.Count; ++i)
            for (int b = 0; b < area.Bytes; ++b) compare(area.First + area.Stride * i + b, 0xFF);
        break;
    case Held::Bitmap:
        for (int k = 0; k < area.Count; ++k) compare(area.First + k / 8, 1 << (k % 8));
        break;
    case Held::Channels: {
        int held = 0;
        for (int n = 1; n <= area.Count; ++n) {
            if (!HoldsChannel(s, n)) continue;
            ++held;
            for (int b = 0; b < area.Bytes; ++b) compare(ChannelRecord(n) + b, 0xFF);
        }
        // A radio cleared to 00 marks every channel in use; an erased one none.
        EXPECT_EQ(held, fill == 0x00 ? 204 : 0);
        break;
    }
    }
    EXPECT_TRUE(changed.empty()) << ::testing::PrintToString(changed);
}

INSTANTIATE_TEST_SUITE_P(
    ErasedAndCleared, ImageRoundTrip,
    ::testing::Combine(::testing::Values(std::uint8_t{0xFF}, std::uint8_t{0x00}), ::testing::ValuesIn(kAreas)),
    [](const auto& info) {
        return std::string(std::get<0>(info.param) == 0xFF ? "Erased_" : "Cleared_") + std::get<1>(info.param).Name;
    });
