#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <system_error>

#include <unistd.h>

#include "model/AppState.h"
#include "model/BandText.h"
#include "model/Banks.h"
#include "model/ChannelOps.h"
#include "model/DataChanged.h"
#include "model/DataFiles.h"
#include "model/NewData.h"

using namespace rp;

namespace {

AppState FreshState() {
    AppState st;
    // No Init folder here: the built-in defaults must stand on their own.
    st.ProgramDir = (std::filesystem::temp_directory_path() / "rp_newdata_no_init").string();
    return st;
}

}  // namespace

TEST(BandText, EightTextsAndNothingElse) {
    EXPECT_EQ(GetBandRangeStr(0), "UHF(400 - 480 MHz) VHF(136 - 174 MHz)");
    EXPECT_EQ(GetBandRangeStr(7), "UHF(446 - 447 MHz) VHF(144 - 148 MHz)");
    EXPECT_EQ(GetBandRangeStr(8), "");
    EXPECT_EQ(GetBandRangeStr(-1), "");
}

TEST(BandText, ParsesLimitsAndRefusesGarbage) {
    AppState st;
    ASSERT_TRUE(ParseFreBandStr(st, GetBandRangeStr(5)));
    EXPECT_EQ(st.RxBandLow[0], 400);
    EXPECT_EQ(st.RxBandHigh[0], 520);
    EXPECT_EQ(st.TxBandHigh[0], 520);
    EXPECT_EQ(st.RxBandLow[1], 144);
    EXPECT_EQ(st.TxBandHigh[1], 146);
    for (const char* bad : {"", "UHF(400 - 480 MHz)", "UHF(400-480 MHz) VHF(136 - 174 MHz)",
                            "UHF(abc - 480 MHz) VHF(136 - 174 MHz)", "UHF(400 - 480 MHz VHF(136 - 174 MHz"}) {
        AppState s2 = st;
        EXPECT_FALSE(ParseFreBandStr(s2, bad)) << bad;
        EXPECT_EQ(s2.RxBandHigh[0], 520) << bad;
        EXPECT_EQ(s2.RxBandLow[1], 144) << bad;
    }
}

TEST(NewData, EveryBandGetsEightChannelsAtTheBandMiddles) {
    const char* middles[kBandVariants][2] = {
        {"044000000", "015500000"}, {"044000000", "014500000"}, {"043500000", "015500000"},
        {"043500000", "014500000"}, {"046000000", "015500000"}, {"046000000", "014500000"},
        {"044650000", "015500000"}, {"044650000", "014600000"}};
    for (int band = 0; band < kBandVariants; ++band) {
        AppState st = FreshState();
        st.CurBandIndex = band;
        st.CurBandText = GetBandRangeStr(band);
        ASSERT_TRUE(ParseFreBandStr(st));
        NewData(st);
        ASSERT_EQ(st.CurRadioData.ChannelCount, 8) << band;
        const int order[8] = {1, 2, 201, 202, 203, 204, 205, 206};
        for (int i = 0; i < 8; ++i) {
            const ChannelData& c = st.ChannelTable[i];
            EXPECT_EQ(c.ChannelNo, order[i]);
            EXPECT_EQ(c.RxFreq.Str(), middles[band][order[i] % 2 == 1 ? 0 : 1]) << band << " ch " << order[i];
            EXPECT_EQ(c.OffsetFreq.Str(), "000000000");
            EXPECT_EQ(c.Used, 1);
            EXPECT_EQ(c.ScanFlag, 1);
            EXPECT_EQ(c.EncCTCSSIndex, 20);
            EXPECT_EQ(c.CustomCTCSS, 1511);
            EXPECT_EQ(c.SquelchLevel, 3);
            EXPECT_EQ(c.SpareText.Str(), "00000");
            EXPECT_EQ(c.Name.Trimmed(), "");
        }
        EXPECT_EQ(GetChBankStr(st, 1), "1");
        EXPECT_EQ(GetChBankStr(st, 2), "1");
        EXPECT_FALSE(IsDataChanged(st)) << band;
        EXPECT_EQ(st.FileRadioData.BandIndex, band);
    }
}

TEST(NewData, ResetsNamesFlagsAndRecords) {
    AppState st = FreshState();
    st.DataFileName = "x.dat";
    st.GridCopyFlags[0] = true;
    st.RadioKilled = 1;
    st.CurRadioData.BankTable[4][4] = 99;
    st.CurRadioData.Signal.TwoTone.Encode.Byte(17) = 0x42;  // tones C/D survive New
    st.CurRadioData.Signal.Scan.ScanWaitTime = 9;           // so does the scan wait time
    NewData(st);
    const RadioData& r = st.CurRadioData;
    EXPECT_EQ(st.DataFileName, "new.dat");
    EXPECT_EQ(st.CommBookFileName, "new.cb");
    EXPECT_EQ(st.IsNewData, -1);
    EXPECT_FALSE(st.GridCopyFlags[0]);
    EXPECT_EQ(st.RadioKilled, 0);
    EXPECT_EQ(r.BankTable[4][4], 0);
    EXPECT_EQ(r.Signal.TwoTone.Encode.Byte(17), 0x42);
    EXPECT_EQ(r.Signal.TwoTone.Encode.Byte(1), 145);
    EXPECT_EQ(r.Signal.TwoTone.Encode.Byte(22), 10);
    EXPECT_EQ(r.Signal.Scan.ScanWaitTime, 9);
    EXPECT_EQ(r.Signal.Scan.ScanBackTimeA, 5);
    EXPECT_EQ(r.Signal.Alert.LoneWorkTime, 5);
    EXPECT_EQ(r.Signal.DTMF.PttIdMode, 3);
    EXPECT_EQ(r.Signal.DTMF.SeparatorDigit, 14);
    EXPECT_EQ(r.Signal.DTMF.OwnId.Str(), "000");
    EXPECT_EQ(r.MSK.Header.HopFrequency, 145);
    EXPECT_EQ(r.MSK.Entries[31].IndividualID.Str(), "0000");
    EXPECT_EQ(r.FMRadioList[100].Frequency.Str(), "01080000");
    EXPECT_EQ(r.FMRadioList[50].Valid, 0);
    EXPECT_EQ(r.AMList[100].Trimmed(), "122");
    EXPECT_EQ(r.SWFreq.Trimmed(), "18");
    EXPECT_EQ(r.CommBookList[79].Index, 79);
    EXPECT_EQ(r.TailWord2, 3);
    EXPECT_EQ(r.TailWord3, 3);
    EXPECT_EQ(r.Signal.FiveTone.CodeRows[99].IsEmpty, 1);
    EXPECT_EQ(r.Signal.FiveTone.CodeRows[0].TonePeriod, 70);
    EXPECT_EQ(r.Signal.FiveTone.SystemTonePeriod, 70);
    EXPECT_EQ(r.Signal.TwoTone.List[0].EmptyFlag, 1);
    EXPECT_EQ(r.Signal.TwoTone.Decode[15].Valid, 0);
    // Values with no given default are the lowest their editors store, so opening an editor on
    // new data and pressing OK changes nothing: decode tones 288.0 Hz, user tones 288.5 Hz.
    EXPECT_EQ(r.Signal.TwoTone.Decode[0].FirstTone, 288.0);
    EXPECT_EQ(r.Signal.TwoTone.Decode[15].SecondTone, 288.0);
    EXPECT_EQ(r.Signal.FiveTone.UserToneSet[0], 2885);
    EXPECT_EQ(r.Signal.FiveTone.UserToneSet[15], 2885);
}

TEST(NewData, ABandOf400To470GivesTheMiddle435) {
    AppState st = FreshState();
    st.RxBandLow[0] = 400;
    st.RxBandHigh[0] = 470;
    EXPECT_EQ(BandMiddleText(st, 0), "435.0000");
    st.RxBandHigh[0] = 440.5;  // halves of the upper limit go to the even neighbour
    EXPECT_EQ(BandMiddleText(st, 0), "420.0000");
}

TEST(NewData, AddDefaultChannelRefusesA207thBeforeTouchingBanks) {
    AppState st = FreshState();
    st.CurRadioData.ChannelCount = kMaxChannels;
    EXPECT_FALSE(AddDefaultChannel(st, 7, "145.0"));
    EXPECT_EQ(st.CurRadioData.ChannelCount, kMaxChannels);
    EXPECT_EQ(GetChBankStr(st, 7), "");
    st.CurRadioData.ChannelCount = 0;
    EXPECT_TRUE(AddDefaultChannel(st, 7, "145.01256"));
    EXPECT_EQ(st.ChannelTable[0].RxFreq.Str(), "014501260");  // whole 100 Hz
    EXPECT_EQ(GetChBankStr(st, 7), "1");
}

TEST(NewData, AddDefaultChannelNeverEntersANumberTwice) {
    AppState st = FreshState();
    ASSERT_TRUE(AddDefaultChannel(st, 7, "145.0"));
    EXPECT_FALSE(AddDefaultChannel(st, 7, "146.0"));
    EXPECT_EQ(st.CurRadioData.ChannelCount, 1);
    EXPECT_EQ(st.ChannelTable[0].RxFreq.Str(), "014500000");
}

TEST(NewData, DefaultChannelsRebuiltOverAFileBankTableLeaveNoStrayBankEntries) {
    // A default data file for another band keeps its banks while its channels are replaced by
    // the default ones: the channels it had must leave the banks.
    AppState st = FreshState();
    AddChToBank(st, 37, 2);
    AddChToBank(st, 1, 5);
    AddChToBank(st, 2, 1);
    st.CurRadioData.ChannelCount = 0;
    InitDefaultChannels(st);
    EXPECT_EQ(GetChBankStr(st, 37), "");
    EXPECT_EQ(GetChBankStr(st, 1), "15");
    EXPECT_EQ(GetChBankStr(st, 2), "1");
    EXPECT_EQ(GetChBankPos(st, 2, 1), 1);  // not entered a second time

    // A bank the file filled with its own channels still takes channel 1.
    AppState full = FreshState();
    for (int ch = 3; ch < 3 + kBankPlaces; ++ch) AddChToBank(full, ch, 1);
    full.CurRadioData.ChannelCount = 0;
    InitDefaultChannels(full);
    EXPECT_EQ(GetChBankPos(full, 1, 1), 1);
    EXPECT_EQ(GetChBankPos(full, 2, 1), 2);
}

TEST(NewData, KeepDefaultBandChannelsDropsOthersFromTheirBanksToo) {
    RadioData rec;
    ChannelArray table{};
    const int numbers[] = {1, 5, 2, 201, 150, 206};
    for (int i = 0; i < 6; ++i) table[i].ChannelNo = static_cast<std::int16_t>(numbers[i]);
    rec.ChannelCount = 6;
    AddChToBankIn(rec.BankTable, 5, 1);
    AddChToBankIn(rec.BankTable, 150, 8);
    AddChToBankIn(rec.BankTable, 1, 1);
    KeepDefaultBandChannels(rec, table);
    ASSERT_EQ(rec.ChannelCount, 4);
    EXPECT_EQ(table[0].ChannelNo, 1);
    EXPECT_EQ(table[1].ChannelNo, 2);
    EXPECT_EQ(table[2].ChannelNo, 201);
    EXPECT_EQ(table[3].ChannelNo, 206);
    EXPECT_EQ(BankPosIn(rec.BankTable, 5, 1), 0);
    EXPECT_EQ(BankPosIn(rec.BankTable, 150, 8), 0);
    EXPECT_EQ(BankPosIn(rec.BankTable, 1, 1), 2);
}

TEST(NewData, InitFileNameFollowsModelAndBand) {
    AppState st;
    st.ProgramDir = "/opt/prog";
    st.CurModelCode = "6173USD";
    st.CurBandIndex = 6;
    EXPECT_EQ(ModelInitFilePath(st), "/opt/prog/Init/6173USD_6.dat");
}

TEST(NewData, ChannelsADefaultDataFileDropsLeaveItsBanks) {
    namespace fs = std::filesystem;
    // One folder per process, removed even when an assertion below ends the test early.
    const fs::path dir = fs::temp_directory_path() / ("rp_newdata_init_banks_" + std::to_string(::getpid()));
    fs::remove_all(dir);
    fs::create_directories(dir / "Init");
    struct RemoveAtEnd {
        fs::path d;
        ~RemoveAtEnd() { std::error_code ec; fs::remove_all(d, ec); }
    } cleanup{dir};

    // A default data file whose banks hold channels beyond the ones New keeps.
    AppState maker = FreshState();
    maker.NoInitFileFlag = true;
    NewData(maker);
    ASSERT_TRUE(SetChannelFreq(maker, 40, "145").Added);
    ASSERT_TRUE(SetChannelFreq(maker, 150, "145").Added);
    AddChToBank(maker, 150, 1);
    AddChToBank(maker, 1, 9);
    ASSERT_EQ(GetChBankStr(maker, 40), "2");
    ASSERT_EQ(GetChBankStr(maker, 150), "18");

    struct Case { const char* file; int band; };
    const Case cases[] = {
        {"6173USD_0.dat", 3},  // no file for band 3: the band 0 file stands in, channels rebuilt
        {"6173USD_3.dat", 3},  // the band's own file: only channels 1, 2 and 201..206 stay
    };
    for (const auto& c : cases) {
        fs::remove(dir / "Init" / "6173USD_0.dat");
        fs::remove(dir / "Init" / "6173USD_0.fre");
        fs::remove(dir / "Init" / "6173USD_3.dat");
        fs::remove(dir / "Init" / "6173USD_3.fre");
        AppState src = maker;
        ASSERT_TRUE(SaveDataFile(src, (dir / "Init" / c.file).string()).Ok()) << c.file;

        AppState st = FreshState();
        st.ProgramDir = dir.string();
        st.CurBandIndex = c.band;
        st.CurBandText = GetBandRangeStr(c.band);
        ASSERT_TRUE(ParseFreBandStr(st));
        NewData(st);
        EXPECT_FALSE(IsChannelNoUsed(st, 40)) << c.file;
        EXPECT_EQ(GetChBankStr(st, 40), "") << c.file;
        EXPECT_EQ(GetChBankStr(st, 150), "") << c.file;
        EXPECT_EQ(GetChBankStr(st, 1), "19") << c.file;  // the file's own bank choice stays
        EXPECT_FALSE(IsDataChanged(st)) << c.file;
    }
}
