#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <set>
#include <string>
#include <tuple>
#include <vector>

#include <unistd.h>

#include "model/AppState.h"
#include "model/Banks.h"
#include "model/ChannelOps.h"
#include "mappings/ModBatch.h"
#include "model/NewData.h"

using namespace rp;

namespace {

// Default band 0 (UHF 400-480, VHF 136-174); channels 1, 2, 201..206; texts that read like the
// language file's.
AppState NewState() {
    AppState st;
    st.NoInitFileFlag = true;
    st.ProgramDir = (std::filesystem::temp_directory_path() / "rp_modbatch_no_init").string();
    NewData(st);
    st.LangText = [](int id) {
        switch (id) {
            case 4070: return std::string("None");
            case 4030: return std::string("Custom CTCSS");
            default: return "T" + std::to_string(id);
        }
    };
    return st;
}

// Only the given functions on.
void OnlyFunctions(AppState& st, std::initializer_list<int> on) {
    st.BatchFunFlags.fill(0);
    for (int k : on) st.BatchFunFlags[k] = 1;
}

BatchSettings Range(int fromShown, int toShown) {
    BatchSettings s;
    s.AllChannels = false;
    s.FromText = std::to_string(fromShown);
    s.ToText = std::to_string(toShown);
    return s;
}

const ChannelData& Ch(const AppState& st, int number) {
    const int slot = FindFreIndex(st, number);
    EXPECT_GE(slot, 0) << "channel " << number;
    return st.ChannelTable[slot < 0 ? 0 : slot];
}

std::string Rx(const AppState& st, int number) { return Ch(st, number).RxFreq.Str(); }

void Apply(AppState& st, BatchSettings& s, std::vector<std::string>* messages = nullptr,
           const BatchRandom& random = {}) {
    ApplyBatch(st, s, random, [messages](const std::string& m) {
        if (messages) messages->push_back(m);
    });
}

}  // namespace

// ---- Apply ----

TEST(BatchApply, AllChannelsFrom400At12k5IncreasingCreatesTheMissingOnesInTheirBanks) {
    AppState st = NewState();
    OnlyFunctions(st, {kBatchRxFreq});
    BatchSettings s;
    s.RxStart = "400";
    s.RxStep = "12.5";
    Apply(st, s);
    EXPECT_EQ(st.CurRadioData.ChannelCount, 206);
    EXPECT_EQ(Rx(st, 1), "040000000");
    EXPECT_EQ(Rx(st, 2), "040001250");
    EXPECT_EQ(Rx(st, 200), "040248750");
    EXPECT_EQ(Rx(st, 201), Rx(NewState(), 201));
    EXPECT_EQ(GetChBankStr(st, 45), "3");
    EXPECT_EQ(GetChBankStr(st, 180), "9");
    EXPECT_EQ(GetChBankStr(st, 190), "");
    EXPECT_EQ(Ch(st, 45).Used, 1);
    EXPECT_EQ(Ch(st, 45).SquelchLevel, 3);
    EXPECT_EQ(s.RxStart, "400.00000");  // the dialog shows the normalised start
}

TEST(BatchApply, FrequenciesAreCountedInWholeUnitsAndCreatedChannelsKeepTheirRaster) {
    AppState st = NewState();
    OnlyFunctions(st, {kBatchRxFreq});
    BatchSettings s = Range(0, 9);
    s.RxStart = "439.99375";
    s.RxStep = "6.25";
    Apply(st, s);
    EXPECT_EQ(Rx(st, 10), "044005000");  // the ninth step: 439.99375 + 9 x 6.25 kHz

    AppState st2 = NewState();
    OnlyFunctions(st2, {kBatchRxFreq});
    BatchSettings s2 = Range(2, 3);
    s2.RxStart = "400";
    s2.RxStep = "6.25";
    ASSERT_LT(FindFreIndex(st2, 4), 0);
    Apply(st2, s2);
    EXPECT_EQ(Rx(st2, 4), "040000625");  // created, not rounded to 100 Hz

    // Decreasing below the band ends at its limit.
    AppState st3 = NewState();
    OnlyFunctions(st3, {kBatchRxFreq});
    BatchSettings s3 = Range(0, 2);
    s3.RxStart = "400.0125";
    s3.RxStep = "12.5";
    s3.RxIncrease = false;
    Apply(st3, s3);
    EXPECT_EQ(Rx(st3, 2), "040000000");
    EXPECT_EQ(Rx(st3, 3), "040000000");  // below the band: its nearest limit
}

TEST(BatchApply, FromAboveToIsSwapped) {
    AppState st = NewState();
    OnlyFunctions(st, {kBatchRxFreq});
    BatchSettings s = Range(150, 10);
    s.RxStart = "450";
    s.RxStep = "25";
    Apply(st, s);
    EXPECT_EQ(Rx(st, 11), "045000000");
    EXPECT_EQ(Rx(st, 151), "045350000");
    EXPECT_LT(FindFreIndex(st, 152), 0);
    EXPECT_EQ(Rx(st, 1), Rx(NewState(), 1));
}

TEST(BatchApply, WithoutTheRxFunctionMissingChannelsStayAbsent) {
    AppState st = NewState();
    OnlyFunctions(st, {kBatchPower, kBatchName});
    BatchSettings s;
    s.Power = 1;
    s.NameText = "ABC";
    Apply(st, s);
    EXPECT_EQ(st.CurRadioData.ChannelCount, 8);
    EXPECT_EQ(Ch(st, 2).Power, 1);
    EXPECT_EQ(Ch(st, 2).Name.Str(), "ABC   ");
    EXPECT_EQ(Ch(st, 201).Power, 0);  // outside every range
}

TEST(BatchApply, DeletingOutsideTheRangeKeepsTheFurtherChannels) {
    AppState st = NewState();
    OnlyFunctions(st, {kBatchRxFreq});
    BatchSettings all;
    all.RxStart = "400";
    all.RxStep = "12.5";
    Apply(st, all);
    st.CurRadioData.Signal.Scan.PriorityChannel1 = 150;  // channel 151, about to go
    ASSERT_EQ(st.CurRadioData.ChannelCount, 206);

    OnlyFunctions(st, {});
    BatchSettings s = Range(10, 20);
    s.DeleteOutside = true;
    std::vector<std::string> messages;
    Apply(st, s, &messages);
    EXPECT_TRUE(messages.empty());
    EXPECT_EQ(st.CurRadioData.ChannelCount, 11 + 6);
    for (int n = 11; n <= 21; ++n) EXPECT_GE(FindFreIndex(st, n), 0) << n;
    for (int n = 201; n <= 206; ++n) EXPECT_GE(FindFreIndex(st, n), 0) << n;
    EXPECT_LT(FindFreIndex(st, 10), 0);
    EXPECT_LT(FindFreIndex(st, 22), 0);
    EXPECT_EQ(GetChBankStr(st, 30), "");
    // The scan setting names a channel that is still there.
    EXPECT_GE(FindFreIndex(st, st.CurRadioData.Signal.Scan.PriorityChannel1 + 1), 0);
}

TEST(BatchApply, ARefusedDeletionEndsTheWalkWithOneMessage) {
    AppState st = NewState();  // memory channels 1 and 2 only, both outside 10..20
    OnlyFunctions(st, {kBatchPower});
    BatchSettings s = Range(10, 20);
    s.DeleteOutside = true;
    std::vector<std::string> messages;
    Apply(st, s, &messages);
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0], "Must retain the one channels!");
    EXPECT_EQ(CountNormalChannels(st), 1);
    EXPECT_EQ(st.CurRadioData.ChannelCount, 7);
}

TEST(BatchApply, TxRules) {
    AppState st = NewState();
    OnlyFunctions(st, {kBatchRxFreq, kBatchTxFreq});
    BatchSettings s = Range(0, 2);
    s.RxStart = "440";
    s.RxStep = "0";
    s.TxRule = 1;
    s.TxOffset = "5";
    s.OffsetPlus = false;
    Apply(st, s);
    EXPECT_EQ(Ch(st, 1).Shift, 1);
    EXPECT_EQ(Ch(st, 1).OffsetFreq.Str(), "000500000");
    EXPECT_EQ(s.TxOffset, "5.00000");

    s.TxOffset = "0";
    Apply(st, s);
    EXPECT_EQ(Ch(st, 2).Shift, 0);
    EXPECT_EQ(Ch(st, 2).OffsetFreq.Str(), "000000000");

    // A start frequency with its own step; TX above RX is a plus shift.
    s.TxRule = 2;
    s.TxStart = "445";
    s.TxStep = "12.5";
    Apply(st, s);
    EXPECT_EQ(Ch(st, 3).Shift, 2);
    EXPECT_EQ(Ch(st, 3).OffsetFreq.Str(), "000502500");

    s.TxRule = 0;
    Apply(st, s);
    EXPECT_EQ(Ch(st, 3).Shift, 0);
    EXPECT_EQ(Ch(st, 3).OffsetFreq.Str(), "000000000");
}

TEST(BatchApply, TxSkipsAChannelWithoutRxFrequency) {
    AppState st = NewState();
    st.ChannelTable[FindFreIndex(st, 2)].RxFreq = "FFFFFFFFF";
    const ChannelData before = Ch(st, 2);
    OnlyFunctions(st, {kBatchTxFreq});
    BatchSettings s = Range(1, 1);
    s.TxRule = 1;
    s.TxOffset = "5";
    Apply(st, s);
    EXPECT_EQ(Ch(st, 2), before);
}

TEST(BatchApply, ToneStepsWrapAroundTheList) {
    AppState st = NewState();
    OnlyFunctions(st, {kBatchRxFreq, kBatchDecTone, kBatchEncTone});
    BatchSettings s = Range(0, 2);
    s.RxStart = "400";
    s.DecTone.ListIndex = 1000;  // 565 + 435: code 435 inverted
    s.DecTone.Interval = "99";
    s.EncFollowsDec = false;
    s.EncTone.ListIndex = 0;
    s.EncTone.Interval = "1";
    s.EncTone.Increase = false;
    Apply(st, s);
    EXPECT_EQ(Ch(st, 1).DecToneType, 2);
    EXPECT_EQ(Ch(st, 1).DecDCSCode, 435);
    EXPECT_EQ(Ch(st, 1).DecDCSInvert, 1);
    EXPECT_EQ(Ch(st, 2).DecToneType, 1);  // 1099 - 1077 = item 22
    EXPECT_EQ(Ch(st, 2).DecCTCSSIndex, 21);
    EXPECT_EQ(Ch(st, 2).DecDCSCode, 0);  // the other kind's fields stay
    EXPECT_EQ(Ch(st, 1).EncToneType, 0);
    EXPECT_EQ(Ch(st, 2).EncToneType, 2);  // 0 - 1 wraps to the last item, D777I
    EXPECT_EQ(Ch(st, 2).EncDCSCode, 511);
    EXPECT_EQ(Ch(st, 2).EncDCSInvert, 1);
    EXPECT_EQ(Ch(st, 3).EncDCSCode, 510);

    // The encode tone follows the decode tone.
    s.EncFollowsDec = true;
    Apply(st, s);
    EXPECT_EQ(Ch(st, 2).EncToneType, 1);
    EXPECT_EQ(Ch(st, 2).EncCTCSSIndex, 21);
}

TEST(BatchApply, ASeededRandomSourceGivesAFixedResultAndNeverLeavesTheList) {
    // Draws at the bottom, the middle and just below 1, where single precision rounds the
    // product up to the item count.
    std::vector<double> draws = {0.0, 0.5, 0.99999999999};
    AppState st = NewState();
    OnlyFunctions(st, {kBatchRxFreq, kBatchDecTone});
    BatchSettings s = Range(0, 2);
    s.RxStart = "400";
    s.DecTone.Random = true;
    std::size_t next = 0;
    Apply(st, s, nullptr, [&] { return draws[next++ % draws.size()]; });
    EXPECT_EQ(Ch(st, 1).DecToneType, 0);
    EXPECT_EQ(Ch(st, 2).DecToneType, 2);  // item 538: code 485 normal
    EXPECT_EQ(Ch(st, 2).DecDCSCode, 485);
    EXPECT_EQ(Ch(st, 2).DecDCSInvert, 0);
    EXPECT_EQ(Ch(st, 3).DecDCSCode, 511);
    EXPECT_EQ(Ch(st, 3).DecDCSInvert, 1);

    auto run = [] {
        AppState a = NewState();
        OnlyFunctions(a, {kBatchRxFreq, kBatchDecTone, kBatchEncTone});
        BatchSettings b;
        b.RxStart = "400";
        b.DecTone.Random = true;
        b.EncFollowsDec = false;
        b.EncTone.Random = true;
        std::mt19937 gen(20261210);
        std::uniform_real_distribution<double> u(0.0, 1.0);
        ApplyBatch(a, b, [&] { return u(gen); }, {});
        return a.ChannelTable;
    };
    const auto first = run();
    EXPECT_EQ(first, run());
    // ... and the draws really spread the channels over the list.
    std::set<std::tuple<int, int, int, int>> decodeTones;
    for (std::size_t slot = 0; slot < 200; ++slot) {
        const auto& c = first[slot];
        decodeTones.insert({c.DecToneType, c.DecCTCSSIndex, c.DecDCSCode, c.DecDCSInvert});
    }
    EXPECT_GT(decodeTones.size(), 50u);
}

TEST(BatchApply, NumericNamesWrapWithinTheirDigits) {
    struct Case { const char* prefix; const char* start; const char* step; bool inc; std::vector<std::string> names; };
    const Case cases[] = {
        {"CH", "1", "1", true, {"CH1", "CH2", "CH3", "CH4", "CH5", "CH6", "CH7", "CH8", "CH9", "CH0", "CH1"}},
        {"ABCDEF", "01", "1", true, {"ABCD01", "ABCD02"}},
        {"ABCDEF", "000001", "1", true, {"000001", "000002"}},
        {"A", "98", "1", true, {"A98", "A99", "A00"}},
        {"B", "01", "1", false, {"B01", "B00", "B99"}},
        {"C", "5", "123", true, {"C5", "C6"}},  // the step is cut to the start's length
    };
    for (const Case& c : cases) {
        AppState st = NewState();
        OnlyFunctions(st, {kBatchRxFreq, kBatchName});
        BatchSettings s = Range(0, static_cast<int>(c.names.size()) - 1);
        s.RxStart = "400";
        s.NumericName = true;
        s.NameText = c.prefix;
        s.StartId = c.start;
        s.IdStep = c.step;
        s.IdIncrease = c.inc;
        Apply(st, s);
        for (std::size_t i = 0; i < c.names.size(); ++i)
            EXPECT_EQ(Ch(st, static_cast<int>(i) + 1).Name.Trimmed(), c.names[i]) << c.prefix << " " << c.start;
    }
}

TEST(BatchApply, ListFunctionsSignallingAndExclusions) {
    AppState st = NewState();
    const BatchLists lists = GetBatchLists(st);
    OnlyFunctions(st, {kBatchSpacing, kBatchSignal, kBatchSquelchMode, kBatchDTMFPttId, kBatchFiveTonePttId,
                       kBatchReverse, kBatchTalkAround, kBatchCustomCTCSS, kBatchSquelchLevel});
    BatchSettings s = Range(0, 0);
    s.Spacing = GetComboIndexOfText(lists.Spacing, "12.5KHz", -1);
    s.SignalText = "DTMF";
    s.DTMFText = "16M";
    s.TwoToneText = "";
    s.DecodeText = "3";
    s.SquelchMode = 3;  // needs tone and signalling; channel 1 has no decode tone
    s.DTMFPttId = 2;
    s.FiveTonePttId = 1;
    s.Checks = {false, false, false, true, true};
    s.CustomTone = "300";
    s.SquelchLevel = 7;
    Apply(st, s);
    const ChannelData& c = Ch(st, 1);
    EXPECT_EQ(c.Bandwidth, 1);
    EXPECT_EQ(c.SignalType, 1);
    EXPECT_EQ(c.DTMFMemoryNo, 15);
    EXPECT_EQ(c.TwoToneNo, 0);
    EXPECT_EQ(c.TwoToneDecodeNo, 2);
    EXPECT_EQ(c.SquelchMode, 0);
    EXPECT_EQ(c.DTMFPttId, 0);  // the 5-Tone PTT ID came later and won
    EXPECT_EQ(c.FiveTonePttId, 1);
    EXPECT_EQ(c.Reverse, 0);  // talk-around came later and won
    EXPECT_EQ(c.TalkAround, 1);
    EXPECT_EQ(s.CustomTone, "151.1");
    EXPECT_EQ(c.CustomCTCSS, 1511);
    EXPECT_EQ(c.SquelchLevel, 7);

    // With reverse on, the encode tone opens the squelch.
    OnlyFunctions(st, {kBatchReverse, kBatchSquelchMode});
    s.Checks = {false, false, false, true, false};
    s.SquelchMode = 1;
    st.ChannelTable[FindFreIndex(st, 1)].EncToneType = 1;
    st.ChannelTable[FindFreIndex(st, 1)].DecToneType = 0;
    Apply(st, s);
    EXPECT_EQ(Ch(st, 1).Reverse, 1);
    EXPECT_EQ(Ch(st, 1).TalkAround, 0);
    EXPECT_EQ(Ch(st, 1).SquelchMode, 1);
}

// ---- Parsers and lists ----

TEST(BatchTones, ListAndItemsToFields) {
    const std::vector<std::string> list = BatchToneList("None", "Custom CTCSS");
    ASSERT_EQ(list.size(), 1077u);
    EXPECT_EQ(list[1], "62.5");
    EXPECT_EQ(list[51], "254.1");
    EXPECT_EQ(list[52], "Custom CTCSS");
    EXPECT_EQ(list[53], "D000N");
    EXPECT_EQ(list[564], "D777N");
    EXPECT_EQ(list[565], "D000I");

    struct Case { const char* text; int index; int kind, ctcss, code, inv; };
    const Case cases[] = {
        {"D023N", 72, 2, 7, 19, 0},  // 7: the CTCSS index kept
        {"D777I", 1076, 2, 7, 511, 1},
        {"88.5", 10, 1, 9, 3, 1},    // the DCS fields kept
        {"Custom CTCSS", 52, 1, 51, 3, 1},
        {"None", 0, 0, 7, 3, 1},
        {"D089N", 60, 0, 7, 3, 1},   // not octal
        {"D02N", 60, 0, 7, 3, 1},
        {"X023N", 60, 0, 7, 3, 1},
    };
    for (const Case& c : cases) {
        ToneFields t{5, 7, 3, 1};
        GetToneByText(c.text, c.index, "Custom CTCSS", t);
        EXPECT_EQ(t.Kind, c.kind) << c.text;
        EXPECT_EQ(t.CTCSSIndex, c.ctcss) << c.text;
        EXPECT_EQ(t.DCSCode, c.code) << c.text;
        EXPECT_EQ(t.DCSInvert, c.inv) << c.text;
    }
}

TEST(BatchTones, IntByText) {
    EXPECT_EQ(GetIntByText("M7", 1, "M"), 7);
    EXPECT_EQ(GetIntByText("16M", 1, "M"), 16);
    EXPECT_EQ(GetIntByText("", 1, "M"), 1);
    EXPECT_EQ(GetIntByText("12", 0, ""), 12);
    EXPECT_EQ(GetIntByText("m7", 4, "M"), 4);  // case counts
    EXPECT_EQ(GetIntByText("99999999", 4, ""), 4);
}

TEST(BatchLists, SpacingAndModelDependentSignalling) {
    AppState st = NewState();
    BatchLists l = GetBatchLists(st);
    EXPECT_EQ(l.Spacing, (std::vector<std::string>{"25KHz", "12.5KHz"}));
    EXPECT_EQ(l.Signal.size(), 5u);
    EXPECT_EQ(l.SquelchLevel.size(), 10u);
    st.CurModelCode = "6173USA";
    EXPECT_EQ(GetBatchLists(st).Signal.size(), 4u);

    st.CurRadioData.Signal.DTMF.Memories.fill({});
    st.CurRadioData.Signal.DTMF.Memories[15].Length = 3;
    st.CurRadioData.Signal.DTMF.Memories[0].Length = 1;
    st.CurRadioData.Signal.TwoTone.Decode.fill({});
    st.CurRadioData.Signal.TwoTone.Decode[4].Valid = 1;
    l = GetBatchLists(st);
    EXPECT_EQ(l.Entries.DTMF, (std::vector<std::string>{"1M", "16M"}));
    EXPECT_EQ(l.Entries.TwoToneDecode, (std::vector<std::string>{"5"}));
}

// ---- Input rules ----

TEST(BatchInputRules, Snapping) {
    struct Case { const char* in; const char* out; };
    for (const Case& c : {Case{"7", "5"}, {"3.3", "2.5"}, {"6.25", "6.25"}, {"12.5", "12.5"}, {"1000", "1000"},
                          {"", "0"}, {"abc", "0"}, {"0.01", "0"}})
        EXPECT_EQ(StepData(c.in), c.out) << c.in;
    for (const Case& c : {Case{"1.2345", "1.23250"}, {"0.6", "0.60000"}, {"5", "5.00000"}, {"", "0.00000"},
                          {"0.00625", "0.00625"}})
        EXPECT_EQ(StepDataFree(c.in), c.out) << c.in;
    AppState st;
    for (const Case& c : {Case{"145.0037", "145.00250"}, {"500", "480.00000"}, {"439.99375", "439.99375"},
                          {"", "400.00000"}, {"100", "136.00000"}})
        EXPECT_EQ(NormaliseStartFreq(st, c.in, true), c.out) << c.in;
    EXPECT_EQ(StepDataFre(st, 14500250, true), 14500250);
    EXPECT_EQ(StepDataFre(st, 14500625, false), 14500625);
    for (const Case& c : {Case{"250", "199"}, {"", "0"}, {"07", "7"}, {"12.9", "12"}, {"-3", "0"}, {"x", "0"}})
        EXPECT_EQ(ClampRangeText(c.in), c.out) << c.in;
    EXPECT_EQ(ClampStepText("1500"), "1000");
    EXPECT_EQ(ClampStepText("999"), "999");
    EXPECT_EQ(NormaliseBatchField(st, 9, "123", "1"), "1");
    EXPECT_EQ(NormaliseBatchField(st, 5, ""), "0");
    EXPECT_EQ(NormaliseBatchField(st, 10, "5"), "000");
    EXPECT_EQ(NormaliseBatchField(st, 7, "a b"), "a b");
    EXPECT_EQ(DefaultData("", "0"), "0");
    EXPECT_EQ(DefaultData("12", "0"), "12");
}

// ---- BatchFun.ini ----

class BatchFunFile : public ::testing::Test {
protected:
    void SetUp() override {
        dir_ = std::filesystem::temp_directory_path() / ("rp_batchfun_" + std::to_string(::getpid()));
        std::filesystem::remove_all(dir_);
        std::filesystem::create_directories(dir_);
        st_.BatchFunIniPath = (dir_ / "BatchFun.ini").string();
    }
    void TearDown() override { std::filesystem::remove_all(dir_); }
    void Write(const std::vector<unsigned char>& bytes) {
        std::ofstream(st_.BatchFunIniPath, std::ios::binary)
            .write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    }
    std::vector<unsigned char> Read() const {
        std::ifstream f(st_.BatchFunIniPath, std::ios::binary);
        return {std::istreambuf_iterator<char>(f), std::istreambuf_iterator<char>()};
    }
    static BatchFunArray Defaults() {
        BatchFunArray d;
        SetDefaultBatchFun(d);
        return d;
    }
    std::filesystem::path dir_;
    AppState st_;
};

TEST_F(BatchFunFile, MissingIsCreatedWithTheDefaults) {
    LoadBatchFun(st_);
    EXPECT_EQ(st_.BatchFunFlags, Defaults());
    EXPECT_EQ(st_.BatchFunFlags[kBatchCompander], 0);
    const auto bytes = Read();
    ASSERT_EQ(bytes.size(), 21u);
    EXPECT_EQ(bytes[0], 1);
    EXPECT_EQ(bytes[15], 0);
}

TEST_F(BatchFunFile, ShortCountsAsTheDefaults) {
    Write({0, 0, 0});
    LoadBatchFun(st_);
    EXPECT_EQ(st_.BatchFunFlags, Defaults());
    EXPECT_EQ(Read().size(), 21u);
}

TEST_F(BatchFunFile, RawBytesAreKeptAndTheCompanderClearedAtEveryStart) {
    std::vector<unsigned char> bytes(21, 0);
    bytes[3] = 200;
    bytes[15] = 1;
    bytes.push_back(0x55);  // not ours
    Write(bytes);
    LoadBatchFun(st_);
    EXPECT_EQ(IsBatchFunOn(st_.BatchFunFlags[3]), 1);
    EXPECT_EQ(st_.BatchFunFlags[0], 0);
    EXPECT_EQ(st_.BatchFunFlags[kBatchCompander], 0);
    st_.BatchFunFlags[3] = 1;
    ASSERT_TRUE(SaveBatchFun(st_));
    const auto saved = Read();
    ASSERT_EQ(saved.size(), 22u);
    EXPECT_EQ(saved[3], 1);
    EXPECT_EQ(saved[15], 0);
    EXPECT_EQ(saved[21], 0x55);
}

TEST_F(BatchFunFile, UnreadableLeavesTheSwitchesAndDoesNotFail) {
    std::filesystem::create_directories(st_.BatchFunIniPath);  // a folder in the file's place
    st_.BatchFunFlags[2] = 1;
    LoadBatchFun(st_);
    EXPECT_EQ(st_.BatchFunFlags[2], 1);
    EXPECT_EQ(st_.BatchFunFlags[0], 0);
    EXPECT_FALSE(SaveBatchFun(st_));
}
