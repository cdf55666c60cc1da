#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <vector>

#include "ImageFixture.h"
#include "comm/Codecs.h"
#include "comm/CommImage.h"

using namespace rp;

namespace {

const std::string kGoldenPath = std::string(RP_SOURCE_DIR) + "/tests/data/golden-image.bin";

// The whole image the fixture encodes to, the information area and test block included.
std::array<std::uint8_t, 0x4000> EncodeFixture(AppState& s) {
    Messages m;
    InitCommImage(s);
    // The factory's block 0 as a read finds it; no write of the program sends it.
    std::copy(s.TestData->begin(), s.TestData->end(), s.CommImage.begin());
    EXPECT_TRUE(SetCommDataByInfo(s, m));
    std::string label;
    EXPECT_TRUE(SetCommData(s, label, m)) << label;
    EXPECT_TRUE(s.WriteAllowed);
    return s.CommImage;
}

// Fields the image does not hold keep what the data had before the read.
void CopyFieldsOutsideTheImage(const AppState& from, AppState& to) {
    to.CurRadioData.Signal.Option.Field(22) = from.CurRadioData.Signal.Option.Field(22);
    for (int i = 0; i <= 100; ++i)
        to.CurRadioData.FMRadioList[static_cast<std::size_t>(i)].Number = from.CurRadioData.FMRadioList[static_cast<std::size_t>(i)].Number;
    to.CurRadioData.FMRadioList[100].Valid = from.CurRadioData.FMRadioList[100].Valid;
    for (auto pick : {&FiveToneData::PTTIDBegin, &FiveToneData::PTTIDEnd}) {
        const FiveToneCodeRec& a = from.CurRadioData.Signal.FiveTone.*pick;
        FiveToneCodeRec& b = to.CurRadioData.Signal.FiveTone.*pick;
        b.Name = a.Name;
        b.Spare = a.Spare;
        b.IsEmpty = a.IsEmpty;
    }
    to.CurRadioData.BandIndex = from.CurRadioData.BandIndex;
    to.CurRadioData.ModelCode = from.CurRadioData.ModelCode;
    to.CurRadioInfo.FirmwareVersion = from.CurRadioInfo.FirmwareVersion;
}

std::vector<std::uint8_t> ReadGolden() {
    std::ifstream in(kGoldenPath, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

}  // namespace

TEST(GoldenImage, FixtureEncodesToTheCheckedInBytes) {
    AppState s = fixture::MakeFixture();
    const auto image = EncodeFixture(s);
    const char* update = std::getenv("RP_UPDATE_GOLDEN");
    if (update && std::string(update) == "1") {
        std::ofstream out(kGoldenPath, std::ios::binary | std::ios::trunc);
        out.write(reinterpret_cast<const char*>(image.data()), static_cast<std::streamsize>(image.size()));
    }
    const std::vector<std::uint8_t> golden = ReadGolden();
    ASSERT_EQ(golden.size(), image.size()) << kGoldenPath << " (RP_UPDATE_GOLDEN=1 writes it)";
    for (std::size_t a = 0; a < image.size(); ++a) ASSERT_EQ(image[a], golden[a]) << "address 0x" << std::hex << a;
}

TEST(GoldenImage, CheckedInBytesDecodeToTheFixture) {
    const AppState expected = fixture::MakeFixture();
    const std::vector<std::uint8_t> golden = ReadGolden();
    ASSERT_EQ(golden.size(), 0x4000u);
    AppState s;
    s.RadioModelCode = "6173USD";
    std::copy(golden.begin(), golden.end(), s.CommImage.begin());
    GetCommData(s);
    GetCommDataByTestData(s);
    CopyFieldsOutsideTheImage(expected, s);

    const RadioData& got = s.CurRadioData;
    const RadioData& want = expected.CurRadioData;
    // Area by area first, so a failure names the area.
    EXPECT_TRUE(got.Signal.DTMF == want.Signal.DTMF);
    EXPECT_TRUE(got.Signal.TwoTone == want.Signal.TwoTone);
    EXPECT_TRUE(got.Signal.FiveTone == want.Signal.FiveTone);
    EXPECT_TRUE(got.Signal.Option == want.Signal.Option);
    EXPECT_TRUE(got.Signal.Scan == want.Signal.Scan);
    EXPECT_TRUE(got.Signal.Alert == want.Signal.Alert);
    EXPECT_TRUE(got.FMRadioList == want.FMRadioList);
    EXPECT_TRUE(got.AMList == want.AMList);
    EXPECT_TRUE(got.CommBookList == want.CommBookList);
    EXPECT_TRUE(got.MSK == want.MSK);
    EXPECT_TRUE(got.BankTable == want.BankTable);
    EXPECT_EQ(got.SWFreq, want.SWFreq);
    EXPECT_EQ(got.LWFreq, want.LWFreq);
    EXPECT_EQ(got.OptionBytesA, want.OptionBytesA);
    EXPECT_EQ(got.OptionBytesB, want.OptionBytesB);
    EXPECT_TRUE(got == want);
    ASSERT_EQ(got.ChannelCount, want.ChannelCount);
    for (int i = 0; i < want.ChannelCount; ++i)
        EXPECT_TRUE(s.ChannelTable[static_cast<std::size_t>(i)] == expected.ChannelTable[static_cast<std::size_t>(i)]) << "slot " << i;
    EXPECT_TRUE(s.CurRadioInfo == expected.CurRadioInfo);
    EXPECT_EQ(s.TestData, expected.TestData);
}
