// What a read takes from a radio, a write gives back unchanged: an erased radio (every byte FF),
// a cleared one (every byte 00) and radios of random bytes are decoded, written again through the
// whole write path, and every area the data holds must come back byte for byte.
#include <gtest/gtest.h>
#include <unistd.h>

#include <array>
#include <cstdio>
#include <filesystem>
#include <ostream>
#include <random>
#include <string>
#include <tuple>
#include <vector>

#include "comm/CommImage.h"
#include "model/DataFiles.h"

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
    // The reader repairs what it cannot use here (a frequency that is no number, a code or text
    // out of range, an entry that then holds nothing): random bytes come back only once they have
    // been through one read and write.
    bool Repaired = false;
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
    {"ChannelUsedBitmap", 0x0100, 204, 0, 0, Held::Bitmap, true},
    {"ChannelScanBitmap", 0x0120, 204, 0, 0, Held::Bitmap, true},
    {"ChannelRecords", 1, 206, 0, 32, Held::Channels},
    {"RadioListBitmap", 0x0140, 100, 0, 0, Held::Bitmap},
    {"RadioList", 0x0610, 100, 4, 4, Held::Bytes, true},
    {"RadioListEntry100", 0x0600, 1, 4, 4},
    {"MSKSettings", 0x0170, 1, 16, 16},
    {"MSKBitmap", 0x0384, 32, 0, 0, Held::Bitmap},
    {"MSKList", 0x3B00, 32, 32, 32},
    {"AMListBitmap", 0x0260, 100, 0, 0, Held::Bitmap, true},
    {"AMList", 0x3900, 100, 4, 4, Held::Bytes, true},
    {"AMListEntry100", 0x0604, 1, 4, 4, Held::Bytes, true},
    {"ShortAndLongWave", 0x0608, 1, 8, 8, Held::Bytes, true},
    {"Banks", 0x1E20, 1, 288, 288, Held::Bytes, true},
    {"DTMFKillStunModeOwnId", 0x02E0, 1, 20, 20, Held::Bytes, true},
    {"DTMFTimings", 0x02F4, 1, 9, 9},
    {"DTMFPttIds", 0x0340, 2, 16, 13, Held::Bytes, true},
    {"DTMFMemories", 0x0400, 16, 16, 13, Held::Bytes, true},
    {"TwoToneEncode", 0x0300, 1, 24, 24},
    {"TwoToneBitmap", 0x0380, 32, 0, 0, Held::Bitmap},
    {"TwoToneList", 0x0B00, 32, 16, 15},
    {"TwoToneDecodeBitmap", 0x0388, 16, 0, 0, Held::Bitmap},
    {"TwoToneDecodeList", 0x3F00, 16, 16, 11},
    {"FiveToneSettings", 0x0320, 1, 22, 22},
    {"FiveTonePttIds", 0x0360, 2, 16, 16, Held::Bytes, true},
    {"FiveToneBitmap", 0x0390, 100, 0, 0, Held::Bitmap},
    {"FiveToneInfoCodesAndUserTones", 0x0500, 8, 32, 26},
    {"FiveToneCodeRows", 0x0D00, 100, 32, 32, Held::Bytes, true},
    {"CommBookCallIDs", 0x1980, 80, 5, 5},
    {"CommBookNames", 0x1B10, 80, 8, 6},
    {"ScanSettings", 0x03B0, 1, 14, 14},
    {"AlertSettings", 0x03A0, 1, 7, 7},
    {"AlertSettingsAfterGap", 0x03A8, 1, 5, 5},
};

// Bits of a channel record that random bytes keep through the first round trip. The reader
// repairs the rest: an offset frequency that is no number is none (4-7), a shift code of 1 is
// simplex and the top bits of bytes 9 and 10 belong to no field, a name ends at its first NUL
// and drops trailing blanks (19-24). The own-tone word (28-29) and every other code go back as read.
constexpr std::uint8_t kKeptChannelBits[32] = {
    0xFF, 0xFF, 0xFF, 0xFF, 0x00, 0x00, 0x00, 0x00, 0xFF, 0x7F, 0x7C, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF,
    0xFF, 0xFF, 0xFF, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF,
};

std::string Hex(int v) {
    char b[8];
    std::snprintf(b, sizeof b, "0x%04X", static_cast<unsigned>(v));
    return b;
}

// The radio a case starts from: every byte one value, or random bytes from a fixed seed.
struct Radio {
    int Seed = -1;  // -1: every byte Fill
    std::uint8_t Fill = 0xFF;
    std::string Name() const {
        if (Seed >= 0) return "Random" + std::to_string(Seed);
        return Fill == 0xFF ? "Erased" : "Cleared";
    }
};

void PrintTo(const Radio& r, std::ostream* os) { *os << r.Name(); }

std::vector<Radio> Radios() {
    std::vector<Radio> out{{-1, 0xFF}, {-1, 0x00}};
    for (int seed = 1; seed <= 40; ++seed) out.push_back({seed, 0});
    return out;
}

void LayRadio(const Radio& r, std::array<std::uint8_t, 0x4000>& img) {
    if (r.Seed < 0) {
        img.fill(r.Fill);
        return;
    }
    std::mt19937 gen(static_cast<std::uint32_t>(r.Seed));
    for (auto& b : img) b = static_cast<std::uint8_t>(gen() & 0xFF);
    // Random bytes are seldom a frequency, and a channel without one is no channel: half the
    // records get a receive frequency of random decimal digits, so that channels are read.
    for (int n = 1; n <= 206; ++n) {
        if (gen() % 2) continue;
        for (int i = 0; i < 4; ++i) img[ChannelRecord(n) + i] = static_cast<std::uint8_t>((gen() % 10) << 4 | gen() % 10);
    }
}

bool HoldsChannel(const AppState& s, int n) {
    for (int i = 0; i < s.CurRadioData.ChannelCount; ++i)
        if (s.ChannelTable[static_cast<std::size_t>(i)].ChannelNo == n) return true;
    return false;
}

// Reads image into a data set of the model "6173USD" and writes it again, as Program > Read and
// Program > Write do.
AppState ReadThenWrite(const std::array<std::uint8_t, 0x4000>& image) {
    AppState s;
    s.CurModelCode = "6173USD";
    s.RadioModelCode = "6173USD";
    s.CommImage = image;
    GetCommData(s);
    InitCommImage(s);
    std::string label;
    std::vector<std::string> messages;
    EXPECT_TRUE(SetCommData(s, label, messages)) << label;
    EXPECT_TRUE(s.WriteAllowed);
    return s;
}

// Addresses of area whose byte (or entry bit) differs between radio and written, "0x1E20 FF>00";
// random says the channel bits the reader repairs are left out.
std::vector<std::string> Changed(const Area& area, const AppState& s, const std::array<std::uint8_t, 0x4000>& radio,
                                 const std::array<std::uint8_t, 0x4000>& written, bool random) {
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
    case Held::Channels:
        for (int n = 1; n <= area.Count; ++n) {
            if (!HoldsChannel(s, n)) continue;
            for (int b = 0; b < area.Bytes; ++b) compare(ChannelRecord(n) + b, random ? kKeptChannelBits[b] : 0xFF);
        }
        break;
    }
    return changed;
}

}  // namespace

class ImageRoundTrip : public ::testing::TestWithParam<std::tuple<Radio, Area>> {};

TEST_P(ImageRoundTrip, WriteGivesBackWhatTheReadTook) {
    const auto [from, area] = GetParam();
    std::array<std::uint8_t, 0x4000> radio{};
    LayRadio(from, radio);
    const AppState s = ReadThenWrite(radio);
    if (area.Kind == Held::Channels) {
        int held = 0;
        for (int n = 1; n <= area.Count; ++n) held += HoldsChannel(s, n) ? 1 : 0;
        // A radio cleared to 00 marks every channel in use; an erased one none.
        if (from.Seed < 0) EXPECT_EQ(held, from.Fill == 0x00 ? 204 : 0);
        else EXPECT_GT(held, 0);
    }
    const bool random = from.Seed >= 0;
    if (!random || !area.Repaired) {
        const auto changed = Changed(area, s, radio, s.CommImage, random);
        EXPECT_TRUE(changed.empty()) << ::testing::PrintToString(changed);
    }
    // Whatever the reader repaired, what it wrote comes back byte for byte.
    if (random) {
        const AppState again = ReadThenWrite(s.CommImage);
        const auto changed = Changed(area, again, s.CommImage, again.CommImage, false);
        EXPECT_TRUE(changed.empty()) << "second round trip " << ::testing::PrintToString(changed);
    }
}

INSTANTIATE_TEST_SUITE_P(
    ErasedClearedAndRandom, ImageRoundTrip,
    ::testing::Combine(::testing::ValuesIn(Radios()), ::testing::ValuesIn(kAreas)),
    [](const auto& info) { return std::get<0>(info.param).Name() + "_" + std::get<1>(info.param).Name; });

// What a read gives goes through a data file unchanged: saved, opened again and written, it
// makes the very image written straight after the read, but for what a data file cannot hold.
TEST(ImageThroughADataFile, SavedAndOpenedDataWriteTheSameImage) {
    const std::string dir = (std::filesystem::temp_directory_path() /
                             ("rp_image_file_" + std::to_string(::getpid()))).string();
    std::filesystem::create_directories(dir);
    for (const Radio& from : Radios()) {
        SCOPED_TRACE(from.Name());
        AppState s;
        s.CurModelCode = "6173USD";
        s.RadioModelCode = "6173USD";
        LayRadio(from, s.CommImage);
        GetCommData(s);
        const std::string path = dir + "/" + from.Name() + ".dat";
        ASSERT_TRUE(SaveDataFile(s, path).Ok());
        // A data file has no place for a five-tone digit count beyond its code's place (FF in an
        // erased radio): the opened data writes the count its code gives, all else as read.
        FiveToneData& ft = s.CurRadioData.Signal.FiveTone;
        ft.PTTIDBegin.RadioDigitCount = 0;
        ft.PTTIDEnd.RadioDigitCount = 0;
        for (FiveToneCodeRec& r : ft.CodeRows) r.RadioDigitCount = 0;
        InitCommImage(s);
        std::string label;
        ASSERT_TRUE(SetCommData(s, label)) << label;

        AppState back;
        back.RadioModelCode = "6173USD";
        const FileResult opened = OpenDataFile(back, path);
        ASSERT_TRUE(opened.Ok()) << opened.Message;
        EXPECT_TRUE(opened.Warnings.empty());
        InitCommImage(back);
        ASSERT_TRUE(SetCommData(back, label)) << label;
        for (int a = 0x0100; a < 0x4000; ++a)  // the radio's information area is never written
            ASSERT_EQ(back.CommImage[a], s.CommImage[a]) << Hex(a);
    }
    std::filesystem::remove_all(dir);
}
