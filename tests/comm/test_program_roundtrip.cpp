// Radios the program meets, taken round its own paths against the simulated radio: Program > Read
// then Program > Write; and Program > Read, File > Save As, File > New, File > Open, Program >
// Write. The write must leave the radio as it was read, but for what docs/memory-map.md says a
// data file changes, and the pair saved must open again.
#include <gtest/gtest.h>
#include <unistd.h>

#include <array>
#include <cstdio>
#include <filesystem>
#include <functional>
#include <random>
#include <string>
#include <vector>

#include "ImageFixture.h"
#include "ProtocolHarness.h"
#include "comm/CommImage.h"
#include "model/DataFiles.h"

using namespace rp;
using rp::test::Exchange;

namespace {

using Image = std::array<std::uint8_t, sim::kMemorySize>;

constexpr int kPassWord = 0x004C;
constexpr int kFiveTonePttIds[] = {0x0360, 0x0370};
constexpr int kFiveToneRowBitmap = 0x0390;
constexpr int kFiveToneRows = 0x0D00;
constexpr int kPttDigitCount = 3, kPttCodeLength = 1, kPttPlace = 24;
constexpr int kRowDigitCount = 31, kRowCodeLength = 2, kRowPlace = 40;

std::string Hex(int v, int width) {
    char b[8];
    std::snprintf(b, sizeof b, "%0*X", width, static_cast<unsigned>(v));
    return b;
}

int ChannelRecord(int n) {
    if (n <= 200) return 0x2000 + 32 * (n - 1);
    constexpr int kFurther[] = {0x0180, 0x01A0, 0x0280, 0x02A0, 0x01C0, 0x01E0};
    return kFurther[n - 201];
}

// The radio's own area as a radio leaves the factory: readable texts, no password.
void LayInformationArea(Image& m) {
    for (int a = 0x0000; a < 0x0100; ++a) m[a] = static_cast<std::uint8_t>(0x20 + a % 0x50);
    for (int a = kPassWord; a < kPassWord + 4; ++a) m[a] = 0xFF;
}

// What the encoders make of the data, in a radio with an information area.
Image Encoded(AppState s) {
    s.CurModelCode = "6173USD";
    InitCommImage(s);
    std::string label;
    EXPECT_TRUE(SetCommData(s, label)) << label;
    Image m = s.CommImage;
    LayInformationArea(m);
    return m;
}

Image Filled(std::uint8_t value) {
    Image m;
    m.fill(value);
    m[kPassWord] = 0xFF;  // an erased password; 00 is none as well
    return m;
}

Image EveryChannelInUse() {
    AppState s = fixture::MakeFixture();
    const ChannelData model = s.ChannelTable[0];
    int slot = 0;
    for (int n = 1; n <= kMaxChannels; ++n) {
        ChannelData c = model;
        c.ChannelNo = static_cast<std::int16_t>(n);
        c.RxFreq = fixture::Padded(40000000 + 1250 * n, 9);
        c.Name = "C" + std::to_string(n);
        c.FiveToneNo = static_cast<std::int16_t>(n % 100);
        s.ChannelTable[static_cast<std::size_t>(slot++)] = c;
    }
    s.CurRadioData.ChannelCount = static_cast<std::int16_t>(slot);
    return Encoded(s);
}

Image EveryListFull() {
    AppState s = fixture::MakeFixture();
    RadioData& r = s.CurRadioData;
    for (auto& e : r.Signal.TwoTone.List) e.EmptyFlag = 0;
    for (auto& e : r.Signal.TwoTone.Decode) e.Valid = 1;
    for (auto& row : r.Signal.FiveTone.CodeRows) row.IsEmpty = 0;
    for (int i = 0; i < 100; ++i) {
        FMRadioEntry& e = r.FMRadioList[static_cast<std::size_t>(i)];
        e.Valid = 1;
        e.Frequency = fixture::Padded(876000 + 1000 * i, 8);
    }
    for (int i = 0; i <= 100; ++i)
        r.AMList[static_cast<std::size_t>(i)] = std::to_string(118 + i % 18) + "." + fixture::Padded(25 * (i % 40), 4);
    for (auto& e : r.MSK.Entries) e.Valid = 1;
    for (int b = 0; b < kBankCount; ++b)
        for (int p = 0; p < kBankPlaces; ++p)
            r.BankTable[static_cast<std::size_t>(b)][static_cast<std::size_t>(p)] =
                static_cast<std::int16_t>(1 + (b * 32 + p) % 200);
    return Encoded(s);
}

// Data with free entries of every kind a write leaves to the radio (channel slots, 2-Tone list
// entries, 5-Tone code rows, a block of four broadcast-radio entries), and random bytes there
// and in the radio's information area.
Image RandomWhereTheRadioKeepsItsOwn() {
    AppState s = fixture::MakeFixture();
    for (int i = 40; i < 44; ++i) {
        s.CurRadioData.FMRadioList[static_cast<std::size_t>(i)].Valid = 0;
        s.CurRadioData.FMRadioList[static_cast<std::size_t>(i)].Frequency = "FFFFFFFF";
    }
    Image m = Encoded(s);
    std::mt19937 gen(41);
    auto scramble = [&](int from, int bytes) {
        for (int a = from; a < from + bytes; ++a) m[a] = static_cast<std::uint8_t>(gen());
    };
    scramble(0x0000, 0x0100);
    for (int a = kPassWord; a < kPassWord + 4; ++a) m[a] = 0xFF;
    std::vector<bool> held(kMaxChannels + 1);
    for (int i = 0; i < s.CurRadioData.ChannelCount; ++i) held[s.ChannelTable[static_cast<std::size_t>(i)].ChannelNo] = true;
    for (int n = 1; n <= kMaxChannels; ++n)
        if (!held[n]) scramble(ChannelRecord(n), 32);
    for (int k = 0; k < 32; ++k)
        if (s.CurRadioData.Signal.TwoTone.List[static_cast<std::size_t>(k)].EmptyFlag != 0) scramble(0x0B00 + 16 * k, 16);
    for (int k = 0; k < 100; ++k)
        if (s.CurRadioData.Signal.FiveTone.CodeRows[static_cast<std::size_t>(k)].IsEmpty != 0)
            scramble(kFiveToneRows + 32 * k, 32);
    scramble(0x0610 + 4 * 40, 16);
    return m;
}

// Full codes whose digit count and code length disagree, as radios hold them: code row 0 with
// 40 digits, count 40 and code length 48; the PTT-ID at the start with 24 digits, count 24 and
// code length 30; code row 1 and the PTT-ID at the end with a count beyond the place (FF).
Image FiveToneCounts() {
    Image m = Encoded(fixture::MakeFixture());
    auto digits = [&](int from, int bytes) {
        for (int i = 0; i < bytes; ++i) m[from + i] = static_cast<std::uint8_t>(0x10 * ((i + 1) % 16) + (i + 2) % 16);
    };
    for (int k : {0, 1}) {
        const int a = kFiveToneRows + 32 * k;
        m[kFiveToneRowBitmap] &= static_cast<std::uint8_t>(~(1 << k));
        m[a + kRowCodeLength] = 48;
        digits(a + 4, 20);
        m[a + kRowDigitCount] = k == 0 ? 0x28 : 0xFF;
    }
    m[kFiveTonePttIds[0] + kPttCodeLength] = 30;
    m[kFiveTonePttIds[0] + kPttDigitCount] = 0x18;
    digits(kFiveTonePttIds[0] + 4, 12);
    m[kFiveTonePttIds[1] + kPttCodeLength] = 24;
    m[kFiveTonePttIds[1] + kPttDigitCount] = 0xFF;
    digits(kFiveTonePttIds[1] + 4, 12);
    return m;
}

struct RadioCase {
    const char* Name;
    std::function<Image()> Make;
    // The image is one the program's own write makes, so a write after a read gives it back byte
    // for byte. An erased or pre-filled radio gets, on its first write, the pre-fill and the
    // values in range that docs/memory-map.md names in the bytes no field holds.
    bool WrittenByTheProgram = true;
};

void PrintTo(const RadioCase& c, std::ostream* os) { *os << c.Name; }

const RadioCase kRadios[] = {
    {"Erased", [] { return Filled(0xFF); }, false},
    {"PreFilled", [] { return Filled(0x00); }, false},
    {"EveryChannelInUse", EveryChannelInUse},
    {"EveryListFull", EveryListFull},
    {"RandomWhereTheRadioKeepsItsOwn", RandomWhereTheRadioKeepsItsOwn},
    {"FiveToneCounts", FiveToneCounts},
};

// What docs/memory-map.md says a data file changes: a five-tone digit count beyond its place
// comes back as the full place, in a PTT-ID and in a code row in use.
Image ThroughADataFile(Image m) {
    for (int a : kFiveTonePttIds)
        if (m[a + kPttDigitCount] > kPttPlace) m[a + kPttDigitCount] = kPttPlace;
    for (int k = 0; k < 100; ++k) {
        const bool used = (m[kFiveToneRowBitmap + k / 8] >> (k % 8) & 1) == 0;
        const int count = kFiveToneRows + 32 * k + kRowDigitCount;
        if (used && m[count] > kRowPlace) m[count] = kRowPlace;
    }
    return m;
}

// Where the radio holds other bytes than expected, "0D1F 28>30", a run of the same change as
// "0160-016F FF>00".
std::vector<std::string> Differences(const Image& expected, const Image& radio) {
    std::vector<std::string> out;
    for (int a = 0; a < sim::kMemorySize; ++a) {
        if (radio[a] == expected[a]) continue;
        int end = a;
        while (end + 1 < sim::kMemorySize && radio[end + 1] != expected[end + 1] && radio[end + 1] == radio[a] &&
               expected[end + 1] == expected[a])
            ++end;
        out.push_back(Hex(a, 4) + (end > a ? "-" + Hex(end, 4) : "") + " " + Hex(expected[a], 2) + ">" + Hex(radio[a], 2));
        a = end;
    }
    return out;
}

class ProgramRoundTrip : public ::testing::TestWithParam<RadioCase> {
protected:
    void SetUp() override {
        dir_ = std::filesystem::temp_directory_path() /
               ("rp_program_roundtrip_" + std::to_string(::getpid()) + "_" + GetParam().Name);
        std::filesystem::create_directories(dir_);
    }
    void TearDown() override { std::filesystem::remove_all(dir_); }

    // Program > Read from a radio holding image; call inside ASSERT_NO_FATAL_FAILURE.
    static void Read(Exchange& x, const Image& image) {
        x.radio.Memory = image;
        ASSERT_TRUE(x.comm.ReadRadio());
        ASSERT_TRUE(x.Run());
        ASSERT_EQ(x.user.Texts(), std::vector<std::string>{"T2004"});
        x.user.Messages.clear();
    }
    // Program > Write; call inside ASSERT_NO_FATAL_FAILURE.
    static void Write(Exchange& x) {
        ASSERT_TRUE(x.comm.WriteRadio());
        ASSERT_TRUE(x.Run());
        ASSERT_EQ(x.user.Texts(), std::vector<std::string>{"T2005"});
        x.user.Messages.clear();
    }

    std::filesystem::path dir_;
};

TEST_P(ProgramRoundTrip, ReadThenWriteGivesBackTheRadio) {
    const Image image = GetParam().Make();
    Exchange x;
    ASSERT_NO_FATAL_FAILURE(Read(x, image));
    ASSERT_NO_FATAL_FAILURE(Write(x));
    const Image written = x.radio.Memory;
    if (GetParam().WrittenByTheProgram) EXPECT_EQ(Differences(image, written), std::vector<std::string>{});

    // What the write left is read as the very data read before, and written again byte for byte.
    Exchange again;
    ASSERT_NO_FATAL_FAILURE(Read(again, written));
    EXPECT_EQ(again.st.CurRadioData, x.st.CurRadioData);
    EXPECT_TRUE(again.st.ChannelTable == x.st.ChannelTable);
    ASSERT_NO_FATAL_FAILURE(Write(again));
    EXPECT_EQ(Differences(written, again.radio.Memory), std::vector<std::string>{});
}

TEST_P(ProgramRoundTrip, ReadSaveNewOpenWriteGivesBackTheRadioButWhatAFileChanges) {
    const Image image = GetParam().Make();
    Exchange direct;
    ASSERT_NO_FATAL_FAILURE(Read(direct, image));
    ASSERT_NO_FATAL_FAILURE(Write(direct));

    Exchange x;
    ASSERT_NO_FATAL_FAILURE(Read(x, image));
    const int channels = x.st.CurRadioData.ChannelCount;
    const std::string path = (dir_ / "radio.dat").string();
    ASSERT_TRUE(SaveDataFile(x.st, path).Ok());
    NewDataFile(x.st);
    FileResult opened = OpenDataFile(x.st, path);
    ASSERT_TRUE(opened.Ok()) << opened.Message;
    EXPECT_TRUE(opened.Warnings.empty()) << ::testing::PrintToString(opened.Warnings);
    EXPECT_EQ(x.st.CurRadioData.ChannelCount, channels);
    ASSERT_NO_FATAL_FAILURE(Write(x));
    EXPECT_EQ(Differences(ThroughADataFile(direct.radio.Memory), x.radio.Memory), std::vector<std::string>{});

    // The pair as saved opens again, in a program started afresh.
    AppState fresh;
    fresh.LangText = x.st.LangText;
    opened = OpenDataFile(fresh, path);
    ASSERT_TRUE(opened.Ok()) << opened.Message;
    EXPECT_TRUE(opened.Warnings.empty());
    EXPECT_EQ(fresh.CurRadioData, x.st.CurRadioData);
    EXPECT_TRUE(fresh.ChannelTable == x.st.ChannelTable);
}

// A read starts from nothing of the exchange before it: after another radio was read (and with
// it every list entry the read of this one skips as free), the data are those of this radio alone.
TEST_P(ProgramRoundTrip, ReadAfterAnotherRadioTakesNothingOfIt) {
    const Image image = GetParam().Make();
    Exchange fresh;
    ASSERT_NO_FATAL_FAILURE(Read(fresh, image));

    Exchange x;
    ASSERT_NO_FATAL_FAILURE(Read(x, std::string(GetParam().Name) == "EveryListFull" ? EveryChannelInUse() : EveryListFull()));
    ASSERT_NO_FATAL_FAILURE(Read(x, image));
    EXPECT_EQ(x.st.CurRadioData, fresh.st.CurRadioData);
    EXPECT_TRUE(x.st.ChannelTable == fresh.st.ChannelTable);
}

INSTANTIATE_TEST_SUITE_P(RadiosTheProgramMeets, ProgramRoundTrip, ::testing::ValuesIn(kRadios),
                         [](const auto& info) { return std::string(info.param.Name); });

}  // namespace
