// A write that ends before its last block, and the progress window closed during an exchange:
// what the user is asked and told, and what the radio holds afterwards.
#include <gtest/gtest.h>

#include <functional>

#include "ProtocolHarness.h"
#include "comm/CommImage.h"
#include "model/NewData.h"

using namespace rp;
using rp::test::Exchange;

namespace {

void MakeData(AppState& st) {
    NewData(st);
    for (int n = 1; n <= 60; ++n) AddDefaultChannel(st, n, n % 2 ? "433.1250" : "145.5000");
}

// A radio with other data in it than the write brings, so a block written shows.
void Prepare(Exchange& x) {
    x.radio.Memory.fill(0x5A);
    x.radio.SetPassWord("");
    MakeData(x.st);
}

// The radio's memory after the same data were written without a stop.
std::array<std::uint8_t, 0x4000> FullyWritten() {
    Exchange x;
    Prepare(x);
    EXPECT_TRUE(x.comm.WriteRadio());
    EXPECT_TRUE(x.Run());
    EXPECT_EQ(x.user.Texts(), std::vector<std::string>{"T2005"});
    return x.radio.Memory;
}

bool RunUntilBlocksStored(Exchange& x, std::size_t blocks) {
    return x.clock.RunUntil([&] { return x.radio.WriteAddresses.size() >= blocks; }, x.clock.Now() + 60'000'000);
}

}  // namespace

TEST(WriteStopped, TextThatEndsAFailedExchange) {
    struct Case {
        int mode;
        bool blockMayBeStored, atEndWord;
        int text;
    } const cases[] = {
        {1, false, false, 2006}, {1, true, false, 2006},   // a read changes nothing in the radio
        {3, false, false, 2008},
        {2, false, false, 2007},                          // no block went in (or each was refused)
        {2, true, false, 2019},                           // part of the new data went in
        {2, true, true, 2007},                            // every block went in, the end word failed
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(::testing::Message() << "mode " << c.mode << " stored " << c.blockMayBeStored);
        EXPECT_EQ(FailedCommTextId(c.mode, c.blockMayBeStored, c.atEndWord), c.text);
    }
    EXPECT_TRUE(CloseAsksFirst(2));
    EXPECT_FALSE(CloseAsksFirst(1));
    EXPECT_FALSE(CloseAsksFirst(3));
}

// No: the write goes on where it was and ends as if nothing had been asked.
TEST(WriteStopped, NoToTheQuestionLetsTheWriteComplete) {
    const auto full = FullyWritten();
    Exchange x;
    Prepare(x);
    x.user.Buttons = {MsgButton::No};
    ASSERT_TRUE(x.comm.WriteRadio());
    ASSERT_TRUE(RunUntilBlocksStored(x, 30));
    x.comm.UserClosedProgress();
    ASSERT_EQ(x.user.Messages.size(), 1u);
    EXPECT_EQ(x.user.Messages[0], std::make_pair(std::string("T2020"), MsgStyle::QuestionYesNoDefaultNo));
    EXPECT_EQ(x.st.CommMode, CommModes::Write);
    EXPECT_EQ(x.user.ProgressClosed, 0);
    ASSERT_TRUE(x.Run());
    EXPECT_EQ(x.user.Texts(), (std::vector<std::string>{"T2020", "T2005"}));
    EXPECT_TRUE(x.radio.Memory == full);
    EXPECT_EQ(x.user.Percents.back(), 100);
    EXPECT_FALSE(x.port.IsOpen());
}

// Replies that come while the question stands are dropped; the write still completes, with the
// retries it had.
TEST(WriteStopped, RepliesWhileTheQuestionStandsDoNotBreakTheWrite) {
    const auto full = FullyWritten();
    Exchange x;
    Prepare(x);
    x.user.Buttons = {MsgButton::No};
    x.user.WhileModal = [&x] { x.clock.RunUntil([] { return false; }, x.clock.Now() + 5'000'000); };
    ASSERT_TRUE(x.comm.WriteRadio());
    ASSERT_TRUE(RunUntilBlocksStored(x, 10));
    x.comm.UserClosedProgress();
    ASSERT_TRUE(x.Run());
    EXPECT_EQ(x.user.Texts(), (std::vector<std::string>{"T2020", "T2005"}));
    EXPECT_TRUE(x.radio.Memory == full);
}

// Yes: the write ends at once; the radio holds part of the new data and the user is told so.
TEST(WriteStopped, YesStopsTheWriteAndSaysWhatTheRadioHolds) {
    const auto full = FullyWritten();
    Exchange x;
    Prepare(x);
    x.user.Buttons = {MsgButton::Yes};
    ASSERT_TRUE(x.comm.WriteRadio());
    ASSERT_TRUE(RunUntilBlocksStored(x, 30));
    x.comm.UserClosedProgress();
    EXPECT_EQ(x.st.CommMode, CommModes::Idle);
    EXPECT_EQ(x.user.Texts(), (std::vector<std::string>{"T2020", "T2019"}));
    EXPECT_GE(x.user.ProgressClosed, 1);
    EXPECT_FALSE(x.port.IsOpen());
    const std::size_t stored = x.radio.WriteAddresses.size();
    ASSERT_TRUE(x.Run());
    EXPECT_EQ(x.radio.WriteAddresses.size(), stored);  // nothing more went out
    EXPECT_FALSE(x.radio.Memory == full);
    for (int a : x.radio.WriteAddresses)
        for (int i = 0; i < 16; ++i) ASSERT_EQ(x.radio.Memory[a + i], full[a + i]) << std::hex << a + i;
}

// However a write is broken off half-way, the user learns that the radio holds part of the new
// data; broken off before any block went in, the radio holds none of it.
TEST(WriteStopped, EveryUnfinishedWriteSaysTheRadioHoldsPartOfTheNewData) {
    struct Case {
        const char* what;
        std::function<void(Exchange&)> setUp;
        std::vector<std::string> texts;
    } const cases[] = {
        {"line broken", [](Exchange& x) {
             ASSERT_TRUE(RunUntilBlocksStored(x, 20));
             x.port.Break("unplugged");
         }, {"T2019"}},
        {"radio silent, prompt cancelled", [](Exchange& x) {
             x.radio.Faults.SilentAfterBlock = 0x0200;
             ASSERT_TRUE(x.Run());
         }, {"T2003", "T2019"}},
        {"port refuses a frame", [](Exchange& x) {
             ASSERT_TRUE(RunUntilBlocksStored(x, 20));
             x.port.FailWriteAt = x.port.WriteCount + 1;
         }, {"T2019"}},
        {"radio refuses every frame after a while", [](Exchange& x) {
             ASSERT_TRUE(RunUntilBlocksStored(x, 20));
             x.radio.Faults.RefuseWrites = -1;
         }, {"T2003", "T2019"}},
        {"another radio answers after the prompt", [](Exchange& x) {
             x.radio.Faults.SilentAfterBlock = 0x0200;
             x.radio.Faults.SilentFor = 4;
             x.user.Buttons = {MsgButton::Retry};
             x.user.WhileModal = [&x] { x.radio.Config.Model = "6173XYZ"; };  // re-seated meanwhile
         }, {"T2003", "T9012", "T2019"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        Exchange x;
        Prepare(x);
        ASSERT_TRUE(x.comm.WriteRadio());
        c.setUp(x);
        ASSERT_TRUE(x.Run());
        std::vector<std::string> texts = x.user.Texts();
        for (auto& t : texts) t = t.substr(0, t.find('\n'));
        EXPECT_EQ(texts, c.texts);
        EXPECT_FALSE(x.radio.WriteAddresses.empty());
        EXPECT_FALSE(x.port.IsOpen());
    }
}

TEST(WriteStopped, WriteStoppedBeforeAnyBlockSaysOnlyThatItFailed) {
    // (A radio that refuses every frame is the other way: see the exchange tests.)
    Exchange x;
    Prepare(x);
    x.user.Buttons = {MsgButton::Yes};
    ASSERT_TRUE(x.comm.WriteRadio());
    x.comm.UserClosedProgress();  // still in the handshake
    EXPECT_EQ(x.user.Texts(), (std::vector<std::string>{"T2020", "T2007"}));
    EXPECT_TRUE(x.radio.WriteAddresses.empty());
}

// A read stopped half-way asks nothing, ends as failed and keeps the data that were open.
TEST(WriteStopped, ClosingDuringAReadStopsItAtOnce) {
    Exchange x;
    Prepare(x);
    {
        AppState src;
        MakeData(src);
        InitCommImage(src);
        std::string label;
        ASSERT_TRUE(SetCommData(src, label)) << label;
        x.radio.Memory = src.CommImage;
    }
    NewData(x.st);
    const auto channels = x.st.ChannelTable;
    ASSERT_TRUE(x.comm.ReadRadio());
    ASSERT_TRUE(x.clock.RunUntil([&x] { return x.radio.ReadAddresses.size() >= 30; }, x.clock.Now() + 60'000'000));
    x.comm.UserClosedProgress();
    EXPECT_EQ(x.st.CommMode, CommModes::Idle);
    EXPECT_EQ(x.user.Texts(), std::vector<std::string>{"T2006"});
    EXPECT_TRUE(x.st.ChannelTable == channels);
    EXPECT_EQ(x.user.Replaced, 0);
}
