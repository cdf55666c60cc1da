// Whole exchanges against the simulated radio in simulated time: reads, writes and information
// reads, with the radio and the line misbehaving in the ways the step machine must survive.
#include <gtest/gtest.h>

#include <algorithm>
#include <map>

#include "ProtocolHarness.h"
#include "comm/CommImage.h"
#include "comm/OldImage.h"
#include "comm/ProtocolFrames.h"
#include "comm/SkipRanges.h"
#include "model/DataChanged.h"
#include "model/NewData.h"

using namespace rp;
using rp::test::Exchange;

namespace {

// Data with channels spread over the table, so that some channel blocks are skipped and some
// are not.
void MakeData(AppState& st) {
    NewData(st);
    for (int n : {3, 4, 17, 100, 150, 200}) AddDefaultChannel(st, n, n % 2 ? "433.1250" : "145.5000");
}

// The radio holds exactly the image that data encode to, with a recognisable information area.
void LoadRadioFromData(Exchange& x) {
    AppState src;
    MakeData(src);
    InitCommImage(src);
    std::string label;
    ASSERT_TRUE(SetCommData(src, label)) << label;
    x.radio.Memory = src.CommImage;
    for (int a = 0x0000; a < 0x0100; ++a) x.radio.Memory[a] = static_cast<std::uint8_t>(0x20 + (a % 0x50));
    x.radio.SetPassWord("");
}

// Channel number -> RX frequency, whatever order the table holds them in.
std::map<int, std::string> ChannelsOf(const AppState& st) {
    std::map<int, std::string> m;
    for (int i = 0; i < st.CurRadioData.ChannelCount; ++i) m[st.ChannelTable[i].ChannelNo] = st.ChannelTable[i].RxFreq.Str();
    return m;
}

int Count(const std::vector<int>& v, int value) { return static_cast<int>(std::count(v.begin(), v.end(), value)); }

bool InSkipRange(const AppState& st, int address) {
    for (int i = 0; i < st.SkipRanges.SkipRangeCount; ++i)
        if (address >= st.SkipRanges.Ranges[i].Start && address <= st.SkipRanges.Ranges[i].End) return true;
    return false;
}

void ExpectReadMatchesRadio(const Exchange& x) {
    for (int a : x.radio.ReadAddresses) {
        EXPECT_FALSE(InSkipRange(x.st, a)) << std::hex << a;
        for (int i = 0; i < 16; ++i)
            ASSERT_EQ(x.st.CommImage[a + i], x.radio.Memory[a + i]) << std::hex << a + i;
    }
}

}  // namespace

TEST(ProtocolExchange, ReadTakesTheRadiosDataAndSkipsFreeRanges) {
    Exchange x;
    LoadRadioFromData(x);
    x.st.CurModelCode = "6173USD";
    ASSERT_TRUE(x.comm.ReadRadio());
    ASSERT_TRUE(x.Run());
    EXPECT_EQ(x.user.Texts(), std::vector<std::string>{"T2004"});
    EXPECT_EQ(x.radio.ReadAddresses.front(), 0x0040);  // the password block comes first
    EXPECT_EQ(x.radio.ReadAddresses[1], 0x0010);
    EXPECT_EQ(x.radio.ReadAddresses.back(), 0x3FF0);
    EXPECT_GT(x.st.SkipRanges.SkipRangeCount, 0);
    ExpectReadMatchesRadio(x);
    // Every block outside the skipped ranges was read once.
    for (int a = 0x0010; a <= 0x3FF0; a += 16) {
        if (InSkipRange(x.st, a)) continue;
        EXPECT_EQ(Count(x.radio.ReadAddresses, a), a == 0x0040 ? 2 : 1) << std::hex << a;
    }

    AppState expected;
    MakeData(expected);
    EXPECT_EQ(ChannelsOf(x.st), ChannelsOf(expected));
    EXPECT_EQ(x.st.DataFileName, "new.dat");
    EXPECT_EQ(x.st.FileRadioData, x.st.CurRadioData);
    EXPECT_EQ(x.user.Replaced, 1);
    EXPECT_EQ(x.user.ProgressShown, 1);
    EXPECT_GE(x.user.ProgressClosed, 1);
    EXPECT_EQ(x.user.Percents.back(), 100);
    for (int p : x.user.Percents) EXPECT_TRUE(p >= 0 && p <= 100) << p;
    EXPECT_FALSE(x.port.IsOpen());
    EXPECT_EQ(x.radio.EndCount, 1);
    EXPECT_EQ(x.comm.Step(), 0);
}

TEST(ProtocolExchange, WriteLeavesTheEncodedImageInTheRadio) {
    Exchange x;
    for (int a = 0; a < 0x4000; ++a) x.radio.Memory[a] = static_cast<std::uint8_t>(a * 7);
    x.radio.SetPassWord("");
    const auto before = x.radio.Memory;
    MakeData(x.st);
    ASSERT_TRUE(x.comm.WriteRadio());
    ASSERT_TRUE(x.Run());
    EXPECT_EQ(x.user.Texts(), std::vector<std::string>{"T2005"});
    ASSERT_FALSE(x.radio.WriteAddresses.empty());
    EXPECT_EQ(x.radio.WriteAddresses.front(), 0x0100);
    EXPECT_EQ(x.radio.WriteAddresses.back(), 0x3FF0);
    for (int a : x.radio.WriteAddresses) {
        EXPECT_FALSE(InSkipRange(x.st, a));
        for (int i = 0; i < 16; ++i) ASSERT_EQ(x.radio.Memory[a + i], x.st.CommImage[a + i]) << std::hex << a + i;
    }
    for (int a = 0; a < 0x0100; ++a) ASSERT_EQ(x.radio.Memory[a], before[a]) << a;
    EXPECT_EQ(static_cast<long>(x.radio.WriteAddresses.size()), x.st.ProgressTotal);
    EXPECT_EQ(x.user.Percents.back(), 100);
    EXPECT_FALSE(x.port.IsOpen());
}

TEST(ProtocolExchange, WrittenDataReadBackEqual) {
    Exchange w;
    MakeData(w.st);
    ASSERT_TRUE(w.comm.WriteRadio());
    ASSERT_TRUE(w.Run());
    Exchange r;
    r.radio.Memory = w.radio.Memory;
    ASSERT_TRUE(r.comm.ReadRadio());
    ASSERT_TRUE(r.Run());
    EXPECT_EQ(r.user.Texts(), std::vector<std::string>{"T2004"});
    EXPECT_EQ(ChannelsOf(r.st), ChannelsOf(w.st));
}

TEST(ProtocolExchange, InformationReadShowsTheViewer) {
    Exchange x;
    LoadRadioFromData(x);
    ASSERT_TRUE(x.comm.ReadRadioInfo());
    ASSERT_TRUE(x.Run());
    EXPECT_TRUE(x.user.Messages.empty());
    EXPECT_EQ(x.user.InfoShown, 1);
    EXPECT_EQ(x.user.ProgressShown, 0);
    std::vector<int> expected{0x0040};
    for (int a = 0x0010; a <= 0x00F0; a += 16) expected.push_back(a);
    EXPECT_EQ(x.radio.ReadAddresses, expected);
    ExpectReadMatchesRadio(x);
}

// One bad reply of each kind: the step machine ignores it, the time-out asks again, and the
// exchange ends as if nothing had happened.
TEST(ProtocolExchange, OneBadReplyIsAskedForAgain) {
    struct Case { const char* what; std::function<void(sim::SimFaults&)> fault; };
    const int n = 10;  // entry, ident, password block, then the seventh block read
    const Case cases[] = {
        {"bad checksum", [](sim::SimFaults& f) { f.CorruptChecksum = n; }},
        {"wrong address", [](sim::SimFaults& f) { f.WrongAddress = n; }},
        {"one byte short", [](sim::SimFaults& f) { f.ShortReply = n; }},
        {"one byte long", [](sim::SimFaults& f) { f.LongReply = n; }},
        {"dropped", [](sim::SimFaults& f) { f.DropReply = n; }},
        {"late", [](sim::SimFaults& f) { f.DelayReply = n; f.DelayMs = 450; }},
    };
    for (const Case& c : cases) {
        Exchange x;
        LoadRadioFromData(x);
        c.fault(x.radio.Faults);
        ASSERT_TRUE(x.comm.ReadRadio());
        ASSERT_TRUE(x.Run()) << c.what;
        EXPECT_EQ(x.user.Texts(), std::vector<std::string>{"T2004"}) << c.what;
        EXPECT_GE(Count(x.radio.ReadAddresses, 0x0070), 2) << c.what;
        ExpectReadMatchesRadio(x);
    }
}

TEST(ProtocolExchange, BadIdentAndEntryRepliesAreAskedForAgain) {
    for (int n : {1, 2, 3}) {
        Exchange x;
        LoadRadioFromData(x);
        x.radio.Faults.CorruptChecksum = n;  // spoils the entry acknowledgement and ident too
        x.radio.Faults.ShortReply = n == 1 ? 0 : n;
        ASSERT_TRUE(x.comm.ReadRadio());
        ASSERT_TRUE(x.Run());
        EXPECT_EQ(x.user.Texts(), std::vector<std::string>{"T2004"}) << n;
    }
}

TEST(ProtocolExchange, SilentRadioGetsThreeResendsThenThePrompt) {
    for (int mode : {1, 2}) {
        Exchange x;
        LoadRadioFromData(x);
        MakeData(x.st);
        x.radio.Faults.SilentAfterBlock = 0x0100;
        ASSERT_TRUE(mode == 1 ? x.comm.ReadRadio() : x.comm.WriteRadio());
        ASSERT_TRUE(x.Run());
        // The write had stored its first block: the radio holds part of the new data.
        EXPECT_EQ(x.user.Texts(), (std::vector<std::string>{"T2003", mode == 1 ? "T2006" : "T2019"}));
        EXPECT_EQ(x.user.Messages[0].second, MsgStyle::RetryCancel);
        if (mode == 1) {
            EXPECT_EQ(Count(x.radio.ReadAddresses, 0x0110), 4);
        } else {
            EXPECT_EQ(Count(x.radio.WriteAddresses, 0x0110), 4);
        }
        EXPECT_FALSE(x.port.IsOpen());
        EXPECT_GE(x.user.ProgressClosed, 1);
    }
}

TEST(ProtocolExchange, RetryAfterSilenceGoesOnAtTheMissingBlock) {
    Exchange x;
    LoadRadioFromData(x);
    x.radio.Faults.SilentAfterBlock = 0x0100;
    x.radio.Faults.SilentFor = 4;  // the request and its three resends
    x.user.Buttons = {MsgButton::Retry};
    ASSERT_TRUE(x.comm.ReadRadio());
    ASSERT_TRUE(x.Run());
    EXPECT_EQ(x.user.Texts(), (std::vector<std::string>{"T2003", "T2004"}));
    EXPECT_EQ(x.radio.EntryCount, 2);
    EXPECT_EQ(x.port.OpenCount, 2);  // closed for the prompt, opened again for the retry
    EXPECT_EQ(Count(x.radio.ReadAddresses, 0x0110), 5);
    EXPECT_EQ(Count(x.radio.ReadAddresses, 0x0100), 1);
    ExpectReadMatchesRadio(x);
}

TEST(ProtocolExchange, RefusedWriteFramesAreSentAgainWithinTheRetries) {
    Exchange x;
    MakeData(x.st);
    x.radio.Faults.RefuseWrites = 2;
    ASSERT_TRUE(x.comm.WriteRadio());
    ASSERT_TRUE(x.Run());
    EXPECT_EQ(x.user.Texts(), std::vector<std::string>{"T2005"});
    EXPECT_EQ(x.radio.RefusedCount, 2);
    for (int a : x.radio.WriteAddresses)
        for (int i = 0; i < 16; ++i) ASSERT_EQ(x.radio.Memory[a + i], x.st.CommImage[a + i]);
}

TEST(ProtocolExchange, RadioThatRefusesForEverGetsThePrompt) {
    Exchange x;
    MakeData(x.st);
    x.radio.Faults.RefuseWrites = -1;
    ASSERT_TRUE(x.comm.WriteRadio());
    ASSERT_TRUE(x.Run());
    EXPECT_EQ(x.user.Texts(), (std::vector<std::string>{"T2003", "T2007"}));
    EXPECT_EQ(x.radio.RefusedCount, 4);
    EXPECT_TRUE(x.radio.WriteAddresses.empty());
}

TEST(ProtocolExchange, IdentificationRefusals) {
    struct Case {
        const char* what;
        int mode;
        std::function<void(Exchange&)> setup;
        std::vector<std::string> texts;
    };
    const Case cases[] = {
        {"wrong model", 1, [](Exchange& x) { x.radio.Config.Model = "6173USC"; },
         {"T9012\nPC is T8901\nRadio is 6173USC", "T2006"}},
        {"wrong version", 1, [](Exchange& x) { x.radio.Config.Version = "V101"; },
         {"Version is wrong. Overwrite?\nPC is V100\nRadio is V101", "T2006"}},
        {"wrong band", 2, [](Exchange& x) { x.radio.Config.Band = 3; }, {"Frequencys is wrong!", "T2007"}},
        {"killed", 2, [](Exchange& x) { x.radio.Config.Status = 1; }, {"Radio is killed,can't be written!", "T2007"}},
        {"stunned", 2, [](Exchange& x) { x.radio.Config.Status = 2; }, {"Radio is fainted,can't be written!", "T2007"}},
        {"no band variant", 1, [](Exchange& x) { x.radio.Config.Band = 0x30; },
         {"The radio reports an unknown frequency band.", "T2006"}},
        {"no band variant, write", 2, [](Exchange& x) { x.radio.Config.Band = 0x12; }, {"Frequencys is wrong!", "T2007"}},
    };
    for (const Case& c : cases) {
        Exchange x;
        MakeData(x.st);
        c.setup(x);
        ASSERT_TRUE(c.mode == 1 ? x.comm.ReadRadio() : x.comm.WriteRadio());
        ASSERT_TRUE(x.Run()) << c.what;
        EXPECT_EQ(x.user.Texts(), c.texts) << c.what;
        EXPECT_TRUE(x.radio.ReadAddresses.empty()) << c.what;
        EXPECT_TRUE(x.radio.WriteAddresses.empty()) << c.what;
        EXPECT_FALSE(x.port.IsOpen());
    }
}

TEST(ProtocolExchange, KilledRadioCanStillBeRead) {
    Exchange x;
    LoadRadioFromData(x);
    x.radio.Config.Status = 3;
    x.radio.Config.Band = 2;
    ASSERT_TRUE(x.comm.ReadRadio());
    ASSERT_TRUE(x.Run());
    EXPECT_EQ(x.user.Texts(), std::vector<std::string>{"T2004"});
    EXPECT_EQ(x.st.CurBandIndex, 2);
    EXPECT_EQ(x.st.CurBandText, "UHF(430 - 440 MHz) VHF(136 - 174 MHz)");
}

TEST(ProtocolExchange, OlderModelReadEndsAt3D00) {
    Exchange x;
    LoadRadioFromData(x);
    x.radio.Config.Model = "ZV853D";
    x.radio.Config.Version = "V2";  // an older radio's version is not checked
    ASSERT_TRUE(x.comm.ReadRadio());
    ASSERT_TRUE(x.Run());
    EXPECT_EQ(x.user.Texts(), std::vector<std::string>{"T2004"});
    EXPECT_EQ(*std::max_element(x.radio.ReadAddresses.begin(), x.radio.ReadAddresses.end()), 0x3D00);
    EXPECT_EQ(x.user.Percents.back(), 100);
    EXPECT_EQ(x.st.RadioModelCode, "ZV853D");
}

TEST(ProtocolExchange, PassWordChecks) {
    struct Case {
        const char* what;
        std::string radio, typedBefore;
        std::deque<std::optional<std::string>> answers;
        std::vector<std::string> texts;
        int entries, dialogs;
        std::string typedAfter;
    };
    const Case cases[] = {
        {"none", "", "zz", {}, {"T2004"}, 1, 0, "zz"},
        {"typed beforehand", "Ab1", "Ab1", {}, {"T2004"}, 1, 0, "Ab1"},
        {"wrong then right", "Ab1", "ab1", {std::string("Ab1  ")}, {"T2004"}, 2, 1, "Ab1"},
        {"still wrong", "Ab1", "", {std::string("AB1")}, {"T2006"}, 1, 1, "AB1"},
        {"cancelled", "Ab1", "xy", {std::nullopt}, {"T2006"}, 1, 1, "xy"},
    };
    for (const Case& c : cases) {
        Exchange x;
        LoadRadioFromData(x);
        x.radio.SetPassWord(c.radio);
        x.st.TypedPassWord = c.typedBefore;
        x.user.PassWords = c.answers;
        ASSERT_TRUE(x.comm.ReadRadio());
        ASSERT_TRUE(x.Run()) << c.what;
        EXPECT_EQ(x.user.Texts(), c.texts) << c.what;
        EXPECT_EQ(x.radio.EntryCount, c.entries) << c.what;
        EXPECT_EQ(static_cast<int>(x.user.Offered.size()), c.dialogs) << c.what;
        if (c.dialogs > 0) {
            EXPECT_EQ(x.user.Offered[0], c.typedBefore) << c.what;
        }
        EXPECT_EQ(x.st.TypedPassWord, c.typedAfter) << c.what;
        if (c.texts.back() == "T2006") {
            EXPECT_EQ(x.radio.ReadAddresses, std::vector<int>{0x0040}) << c.what;
        }
    }
}

TEST(ProtocolExchange, OlderRadioWriteConvertsTheImageOnce) {
    Exchange x;
    MakeData(x.st);
    x.radio.Config.Model = "ZV853C";
    x.radio.SetPassWord("77");
    x.user.PassWords = {std::string("77")};  // forces a second handshake
    x.radio.Faults.SilentAfterBlock = 0x0200;
    x.radio.Faults.SilentFor = 4;
    x.user.Buttons = {MsgButton::Retry};  // and a third
    ASSERT_TRUE(x.comm.WriteRadio());
    // The image the encoders made, converted once.
    AppState expected;
    MakeData(expected);
    InitCommImage(expected);
    std::string label;
    ASSERT_TRUE(SetCommData(expected, label));
    ConvertImageToOld(expected, "ZV853C");
    ASSERT_TRUE(x.Run());
    EXPECT_EQ(x.user.Texts(), (std::vector<std::string>{"T2003", "T2005"}));
    EXPECT_EQ(x.radio.EntryCount, 3);
    EXPECT_EQ(x.radio.WriteAddresses.back(), 0x3D00);
    EXPECT_EQ(x.user.Percents.back(), 100);
    for (int a : x.radio.WriteAddresses)
        for (int i = 0; i < 16; ++i) ASSERT_EQ(x.radio.Memory[a + i], expected.CommImage[a + i]) << std::hex << a + i;
}

TEST(ProtocolExchange, EncoderFailureSendsNothing) {
    Exchange x;
    MakeData(x.st);
    x.st.ChannelTable[0].Used = 7;  // no flag value the radio knows
    EXPECT_FALSE(x.comm.WriteRadio());
    EXPECT_EQ(x.user.Texts(), std::vector<std::string>{"SetCommDataByFrequencyError"});
    // The port was opened, as the command opens it before it asks, but not a byte went out.
    EXPECT_EQ(x.port.BytesSent, 0u);
    EXPECT_EQ(x.port.WriteCount, 0);
    EXPECT_FALSE(x.port.IsOpen());
    EXPECT_EQ(x.st.CommMode, CommModes::Idle);
    EXPECT_EQ(x.user.ProgressShown, 0);

    // The refusal is not kept: with the channel mended, the next write goes through.
    x.st.ChannelTable[0].Used = 1;
    x.user.Messages.clear();
    ASSERT_TRUE(x.comm.WriteRadio());
    ASSERT_TRUE(x.Run());
    EXPECT_EQ(x.user.Texts(), std::vector<std::string>{"T2005"});
}

// A port missing or held by another program asks the user to check it; one the user may not open
// says so instead.
TEST(ProtocolExchange, PortThatCannotOpenIsReported) {
    for (const auto& [fault, text] : {std::pair{PortOpenFault::Unavailable, "T2002"},
                                      std::pair{PortOpenFault::NoPermission, "T2018"}}) {
        Exchange x;
        x.port.FailOpen = true;
        x.port.OpenFault = fault;
        EXPECT_FALSE(x.comm.ReadRadio());
        EXPECT_EQ(x.user.Texts(), std::vector<std::string>{text});
        EXPECT_EQ(x.st.CommMode, CommModes::Idle);
    }
}

TEST(ProtocolExchange, FailedSendOrBrokenLineEndsTheExchange) {
    {
        Exchange x;
        MakeData(x.st);
        x.port.FailWriteAt = 6;  // the third block, after two were stored
        ASSERT_TRUE(x.comm.WriteRadio());
        ASSERT_TRUE(x.Run());
        EXPECT_EQ(x.user.Texts(), std::vector<std::string>{"T2019"});
        EXPECT_GE(x.user.ProgressClosed, 1);
        EXPECT_FALSE(x.port.IsOpen());
        EXPECT_TRUE(x.clock.Idle() || !x.timers.Running(CommTimerId::WaitTimer));
    }
    {
        Exchange x;
        LoadRadioFromData(x);
        ASSERT_TRUE(x.comm.ReadRadio());
        x.clock.At(x.clock.Now() + 500'000, [&x] { x.port.Break("unplugged"); });
        ASSERT_TRUE(x.Run());
        EXPECT_EQ(x.user.Texts(), std::vector<std::string>{"T2006"});
        EXPECT_GE(x.user.ProgressClosed, 1);
        EXPECT_FALSE(x.port.IsOpen());
        for (int i = 0; i < kCommTimerCount; ++i) EXPECT_FALSE(x.timers.Running(static_cast<CommTimerId>(i)));
    }
}

TEST(ProtocolExchange, StrayBytesCannotMoveTheExchangeOn) {
    Exchange x;
    MakeData(x.st);
    x.radio.Config.AnswerEndWord = true;
    ASSERT_TRUE(x.comm.WriteRadio());
    // A stray acknowledgement while the entry word is answered, and one during identification.
    x.port.Inject({0x06});
    EXPECT_EQ(x.comm.Step(), CommStep::EntryWord);
    x.clock.RunUntil([&x] { return x.comm.Step() == CommStep::Ident; }, x.clock.Now() + 1'000'000);
    x.port.Inject({0x06});
    EXPECT_EQ(x.comm.Step(), CommStep::Ident);
    ASSERT_TRUE(x.Run());
    EXPECT_EQ(x.user.Texts(), std::vector<std::string>{"T2005"});
    EXPECT_EQ(x.radio.WriteAddresses.front(), 0x0100);
}

TEST(ProtocolExchange, NothingMovesWhileADialogIsOpen) {
    Exchange x;
    LoadRadioFromData(x);
    x.radio.SetPassWord("9");
    bool checked = false;
    x.user.WhileModal = [&x, &checked] {
        for (int i = 0; i < kCommTimerCount; ++i) EXPECT_FALSE(x.timers.Running(static_cast<CommTimerId>(i)));
        const int step = x.comm.Step();
        x.port.Inject(MakeIdentReply("6173USD", 0, "V100", 0));
        x.port.Inject({'Z', 'V', 0x06});
        EXPECT_EQ(x.comm.Step(), step);
        checked = true;
    };
    x.user.PassWords = {std::string("9")};
    ASSERT_TRUE(x.comm.ReadRadio());
    ASSERT_TRUE(x.Run());
    EXPECT_TRUE(checked);
    EXPECT_EQ(x.user.Texts(), std::vector<std::string>{"T2004"});
}

TEST(ProtocolExchange, TestDataModeReadsBlockZeroFirst) {
    Exchange x;
    LoadRadioFromData(x);
    x.st.TestDataMode = true;
    ASSERT_TRUE(x.comm.ReadRadio());
    ASSERT_TRUE(x.Run());
    EXPECT_EQ(x.radio.ReadAddresses[1], 0x0000);
    EXPECT_EQ(x.radio.ReadAddresses[2], 0x0010);
    ASSERT_TRUE(x.st.TestData.has_value());
    for (int i = 0; i < 16; ++i) EXPECT_EQ((*x.st.TestData)[i], x.radio.Memory[i]);
    EXPECT_EQ(x.user.Percents.back(), 100);
}

TEST(ProtocolExchange, ProgressMovesOnlyWhenTheWholePercentChanges) {
    Exchange x;
    x.st.ProgressTotal = 7;  // one block of eight is 12.5 %
    x.comm.ShowCommProgress();
    x.comm.ShowCommProgress();  // 25 %
    x.st.ProgressTotal = 299;
    x.st.ProgressCount = 75;
    x.comm.ShowCommProgress();  // 76 / 300 = 25.3 %, shown as 25 again: no move
    EXPECT_EQ(x.user.Percents, (std::vector<int>{12, 25}));
}

// An acknowledgement that comes after the time-out, followed by the acknowledgement of the
// frame sent again, must not shift every later answer by one: a refusal further on would then be
// taken for the wrong frame and a block would be lost.
TEST(ProtocolExchange, LateWriteAcknowledgementCannotShiftTheAnswers) {
    Exchange x;
    MakeData(x.st);
    x.radio.Faults.DelayReply = 6;  // the answer to the third frame
    x.radio.Faults.DelayMs = 450;
    x.radio.Faults.RefuseWriteAt = 0x0180;
    ASSERT_TRUE(x.comm.WriteRadio());
    ASSERT_TRUE(x.Run());
    EXPECT_EQ(x.user.Texts(), std::vector<std::string>{"T2005"});
    EXPECT_EQ(x.radio.RefusedCount, 1);
    for (int a : x.radio.WriteAddresses)
        for (int i = 0; i < 16; ++i) ASSERT_EQ(x.radio.Memory[a + i], x.st.CommImage[a + i]) << std::hex << a + i;
    for (int a = 0x0100; a <= 0x3FF0; a += 16) {
        if (InSkipRange(x.st, a)) continue;
        EXPECT_GE(Count(x.radio.WriteAddresses, a), 1) << std::hex << a;
    }
}

// The information read covers the information area only, whatever model answers: an older radio
// must not turn it into a read of the whole memory.
TEST(ProtocolExchange, InformationReadStaysInTheInformationArea) {
    struct Case { const char* model; std::uint8_t band; };
    const Case cases[] = {{"ZV853C", 0}, {"ZV853D", 5}, {"6173USD", 0x30}};
    for (const Case& c : cases) {
        Exchange x;
        LoadRadioFromData(x);
        x.radio.Config.Model = c.model;
        x.radio.Config.Band = c.band;  // the band plays no part in showing the information
        ASSERT_TRUE(x.comm.ReadRadioInfo());
        ASSERT_TRUE(x.Run()) << c.model;
        EXPECT_TRUE(x.user.Messages.empty()) << c.model;
        EXPECT_EQ(x.user.InfoShown, 1) << c.model;
        std::vector<int> expected{0x0040};
        for (int a = 0x0010; a <= 0x00F0; a += 16) expected.push_back(a);
        EXPECT_EQ(x.radio.ReadAddresses, expected) << c.model;
    }
}

// The entry word that cannot be sent says the port failed, then ends the exchange.
TEST(ProtocolExchange, EntryWordThatCannotBeSentReportsThePort) {
    for (int mode : {1, 2, 3}) {
        Exchange x;
        MakeData(x.st);
        x.port.FailWriteAt = 1;
        ASSERT_TRUE(mode == 1 ? x.comm.ReadRadio() : mode == 2 ? x.comm.WriteRadio() : x.comm.ReadRadioInfo());
        ASSERT_TRUE(x.Run());
        const std::string failed = mode == 1 ? "T2006" : mode == 2 ? "T2007" : "T2008";
        EXPECT_EQ(x.user.Texts(), (std::vector<std::string>{"T2002", failed})) << mode;
        EXPECT_FALSE(x.port.IsOpen());
        for (int i = 0; i < kCommTimerCount; ++i) EXPECT_FALSE(x.timers.Running(static_cast<CommTimerId>(i)));
    }
}

// The cable is re-seated during the Retry prompt and another radio answers the new handshake:
// the image and the end of the transfer follow the radio that answered last, and the blocks
// already sent in the other layout are sent again.
TEST(ProtocolExchange, RadioChangedDuringThePromptGetsItsOwnLayout) {
    struct Case { const char* first; const char* second; };
    const Case cases[] = {{"ZV853C", "6173USD"}, {"6173USD", "ZV853D"}, {"ZV853C", "ZV853D"}};
    for (const Case& c : cases) {
        Exchange x;
        MakeData(x.st);
        x.radio.Config.Model = c.first;
        x.radio.Faults.SilentAfterBlock = 0x0200;
        x.radio.Faults.SilentFor = 4;
        x.user.Buttons = {MsgButton::Retry};
        x.user.WhileModal = [&x, &c] {
            if (x.user.Messages.back().second != MsgStyle::RetryCancel) return;
            x.radio.Config.Model = c.second;
            x.radio.WriteAddresses.clear();
        };
        ASSERT_TRUE(x.comm.WriteRadio());
        AppState expected;
        MakeData(expected);
        InitCommImage(expected);
        std::string label;
        ASSERT_TRUE(SetCommData(expected, label));
        int end = 0x3FF0;
        if (IsOlderModelCode(c.second)) {
            ConvertImageToOld(expected, c.second);
            end = 0x3D00;
        }
        ASSERT_TRUE(x.Run()) << c.first;
        EXPECT_EQ(x.user.Texts(), (std::vector<std::string>{"T2003", "T2005"})) << c.first;
        ASSERT_FALSE(x.radio.WriteAddresses.empty());
        EXPECT_EQ(x.radio.WriteAddresses.front(), 0x0100) << c.first;
        EXPECT_EQ(x.radio.WriteAddresses.back(), end) << c.first;
        for (int a : x.radio.WriteAddresses)
            for (int i = 0; i < 16; ++i)
                ASSERT_EQ(x.radio.Memory[a + i], expected.CommImage[a + i]) << c.first << " " << std::hex << a + i;
        EXPECT_EQ(x.user.Percents.back(), 100) << c.first;
    }
}

// The same for a read: an older radio that first answered leaves no shortened end behind, and
// the data come from one radio only.
TEST(ProtocolExchange, ReadAfterTheRadioChangedCoversItsWholeMemory) {
    Exchange x;
    LoadRadioFromData(x);
    x.radio.Config.Model = "ZV853D";
    x.radio.Faults.SilentAfterBlock = 0x0200;
    x.radio.Faults.SilentFor = 4;
    x.user.Buttons = {MsgButton::Retry};
    x.user.WhileModal = [&x] {
        if (x.user.Messages.back().second != MsgStyle::RetryCancel) return;
        x.radio.Config.Model = "6173USD";
        x.radio.ReadAddresses.clear();
    };
    ASSERT_TRUE(x.comm.ReadRadio());
    ASSERT_TRUE(x.Run());
    EXPECT_EQ(x.user.Texts(), (std::vector<std::string>{"T2003", "T2004"}));
    EXPECT_EQ(x.st.RadioModelCode, "6173USD");
    ASSERT_GE(x.radio.ReadAddresses.size(), 2u);
    EXPECT_EQ(x.radio.ReadAddresses[1], 0x0010);
    EXPECT_EQ(x.radio.ReadAddresses.back(), 0x3FF0);
    ExpectReadMatchesRadio(x);
}

// An information read that runs out of resends ends without the Retry prompt.
TEST(ProtocolExchange, SilentRadioEndsAnInformationReadWithoutAPrompt) {
    Exchange x;
    LoadRadioFromData(x);
    x.radio.Faults.SilentAfterBlock = 0x0040;
    ASSERT_TRUE(x.comm.ReadRadioInfo());
    ASSERT_TRUE(x.Run());
    EXPECT_EQ(x.user.Texts(), std::vector<std::string>{"T2008"});
    EXPECT_EQ(Count(x.radio.ReadAddresses, 0x0010), 4);
    EXPECT_EQ(x.user.InfoShown, 0);
    EXPECT_FALSE(x.port.IsOpen());
}

TEST(ProtocolExchange, ReadOfAnotherBandLeavesTheDataUnchanged) {
    Exchange x;
    LoadRadioFromData(x);
    x.radio.Config.Band = 3;
    NewData(x.st);
    ASSERT_EQ(x.st.CurBandIndex, 0);
    ASSERT_FALSE(IsDataChanged(x.st));
    for (int round = 0; round < 2; ++round) {
        ASSERT_TRUE(x.comm.ReadRadio());
        ASSERT_TRUE(x.Run());
        EXPECT_EQ(x.user.Texts().back(), "T2004");
        EXPECT_EQ(x.st.CurBandIndex, 3);
        EXPECT_FALSE(IsDataChanged(x.st)) << "after read " << round + 1;
    }
    x.st.ChannelTable[0].Name = "EDIT";
    EXPECT_TRUE(IsDataChanged(x.st));
}

// A channel's own CTCSS word is carried as the 16 bits the radio holds: an erased word (FF FF)
// or one with its top bit set reads, writes and reaches the radio again unchanged.
TEST(ProtocolExchange, OwnToneWordsAboveSevenFFFGoBackAsRead) {
    Exchange x;
    AppState src;
    MakeData(src);
    src.CurModelCode = "6173USD";
    src.RadioModelCode = "6173USD";
    std::string label;
    // Written, read and written again: the image as every later round trip leaves it.
    for (int pass = 0; pass < 2; ++pass) {
        if (pass > 0) GetCommData(src);
        InitCommImage(src);
        ASSERT_TRUE(SetCommData(src, label)) << label;
    }
    x.radio.Memory = src.CommImage;
    x.radio.SetPassWord("");
    const std::uint16_t words[] = {0xFFFF, 0x8000, 0x9C40};
    const int records[] = {0x2000 + 32 * 2, 0x2000 + 32 * 3, 0x2000 + 32 * 16};  // channels 3, 4 and 17
    for (int i = 0; i < 3; ++i) {
        x.radio.Memory[records[i] + 28] = static_cast<std::uint8_t>(words[i] & 0xFF);
        x.radio.Memory[records[i] + 29] = static_cast<std::uint8_t>(words[i] >> 8);
    }
    const auto radio = x.radio.Memory;
    x.st.CurModelCode = "6173USD";
    ASSERT_TRUE(x.comm.ReadRadio());
    ASSERT_TRUE(x.Run());
    ASSERT_EQ(x.user.Texts(), std::vector<std::string>{"T2004"});
    std::map<int, std::uint16_t> read;
    for (int i = 0; i < x.st.CurRadioData.ChannelCount; ++i)
        read[x.st.ChannelTable[i].ChannelNo] = static_cast<std::uint16_t>(x.st.ChannelTable[i].CustomCTCSS);
    EXPECT_EQ(read[3], 0xFFFF);
    EXPECT_EQ(read[4], 0x8000);
    EXPECT_EQ(read[17], 0x9C40);

    x.user.Messages.clear();
    x.radio.WriteAddresses.clear();
    ASSERT_TRUE(x.comm.WriteRadio()) << ::testing::PrintToString(x.user.Texts());
    ASSERT_TRUE(x.Run());
    EXPECT_EQ(x.user.Texts(), std::vector<std::string>{"T2005"});
    EXPECT_FALSE(x.radio.WriteAddresses.empty());
    for (int a = 0; a < 0x4000; ++a) ASSERT_EQ(x.radio.Memory[a], radio[a]) << std::hex << a;
}
