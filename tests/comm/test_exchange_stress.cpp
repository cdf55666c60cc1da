// Hundreds of exchanges against a radio that drops, delays and refuses at random: every one of
// them ends, with its message, and leaves the right data behind. Simulated time, so a run of a
// few hundred takes seconds; each case prints its seed so a failure can be run again alone.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <map>
#include <random>

#include "ProtocolHarness.h"
#include "comm/CommImage.h"
#include "comm/SkipRanges.h"
#include "model/ChannelOps.h"
#include "model/NewData.h"

using namespace rp;
using rp::test::Exchange;

namespace {

constexpr int kExchanges = 600;

void MakeData(AppState& st, std::mt19937& random) {
    NewData(st);
    std::uniform_int_distribution<int> number(1, 200);
    for (int i = 0; i < 6; ++i) {
        const int n = number(random);
        if (FindFreIndex(st, n) < 0) AddDefaultChannel(st, n, n % 2 ? "433.1250" : "145.5000");
    }
}

std::map<int, std::string> ChannelsOf(const AppState& st) {
    std::map<int, std::string> m;
    for (int i = 0; i < st.CurRadioData.ChannelCount; ++i) m[st.ChannelTable[i].ChannelNo] = st.ChannelTable[i].RxFreq.Str();
    return m;
}

bool InSkipRange(const AppState& st, int address) {
    for (int i = 0; i < st.SkipRanges.SkipRangeCount; ++i)
        if (address >= st.SkipRanges.Ranges[i].Start && address <= st.SkipRanges.Ranges[i].End) return true;
    return false;
}

enum class Kind { Read, Write, Info };

struct Outcome {
    bool Ended = false;
    std::string LastMessage;
    std::string Problem;  // empty when the data are right
};

Outcome RunOne(unsigned seed) {
    std::mt19937 random(seed);
    const Kind kind = static_cast<Kind>(seed % 3);
    Exchange x;
    auto& f = x.radio.Faults;
    f.RandomSeed = seed;
    f.DropPercent = std::uniform_int_distribution<int>(0, 4)(random);
    f.DelayPercent = std::uniform_int_distribution<int>(0, 15)(random);
    f.MaxDelayMs = std::uniform_int_distribution<int>(1, 450)(random);  // some beyond the reply time-out
    f.RefusePercent = kind == Kind::Write ? std::uniform_int_distribution<int>(0, 8)(random) : 0;
    x.radio.Config.AnswerEndWord = random() % 2 == 0;
    x.port.Paced = random() % 4 != 0;
    x.port.ByteByByte = random() % 2 == 0;
    // Every Retry/Cancel prompt is answered Retry: each exchange must then finish well.
    for (int i = 0; i < 200; ++i) x.user.Buttons.push_back(MsgButton::Retry);

    AppState source;
    MakeData(source, random);
    InitCommImage(source);
    std::string label;
    if (!SetCommData(source, label)) return {false, "", "encoder: " + label};
    x.radio.Memory = source.CommImage;
    for (int a = 0x0000; a < 0x0100; ++a) x.radio.Memory[a] = static_cast<std::uint8_t>(0x20 + (a + seed) % 0x50);
    const std::string password = random() % 4 == 0 ? "7315" : "";
    x.radio.SetPassWord(password);
    if (!password.empty()) {
        // Either typed before, or asked for after the first handshake.
        if (random() % 2 == 0) x.st.TypedPassWord = password;
        else x.user.PassWords.push_back(password);
    }

    bool started = false;
    switch (kind) {
    case Kind::Read:
        x.st.CurModelCode = "6173USD";
        started = x.comm.ReadRadio();
        break;
    case Kind::Write:
        MakeData(x.st, random);
        x.st.TypedPassWord = password;
        x.user.PassWords.clear();
        started = x.comm.WriteRadio();
        break;
    case Kind::Info:
        started = x.comm.ReadRadioInfo();
        break;
    }
    Outcome o;
    if (!started) return {false, "", "not started"};
    const bool verbose = std::getenv("RP_STRESS_SEED") != nullptr;
    if (verbose) {
        printf("drop %d delay %d max %d refuse %d paced %d answerEnd %d pw '%s'\n", f.DropPercent, f.DelayPercent, f.MaxDelayMs, f.RefusePercent, (int)x.port.Paced, (int)x.radio.Config.AnswerEndWord, password.c_str());
    }
    o.Ended = x.Run();
    if (verbose) {
        printf("refused %d reads %zu writes %zu simtime %lld ms\n", x.radio.RefusedCount, x.radio.ReadAddresses.size(), x.radio.WriteAddresses.size(), (long long)(x.clock.Now() / 1000));
        for (auto& m : x.user.Messages) printf("msg %s\n", m.first.c_str());
    }
    if (!x.user.Messages.empty()) o.LastMessage = x.user.Messages.back().first;
    const auto problem = [&o](const std::string& p) {
        if (o.Problem.empty()) o.Problem = p;
    };
    if (x.port.IsOpen()) problem("port left open");
    if (x.user.ProgressShown != 0 && x.user.ProgressClosed == 0) problem("progress window left open");
    switch (kind) {
    case Kind::Read: {
        if (o.LastMessage != "T2004") problem("read ended with " + o.LastMessage);
        if (ChannelsOf(x.st) != ChannelsOf(source)) problem("channels differ");
        for (int a = kReadStartAddress; a <= kLastBlockAddress; a += 16) {
            if (InSkipRange(x.st, a)) continue;
            for (int i = 0; i < 16; ++i)
                if (x.st.CommImage[a + i] != x.radio.Memory[a + i]) problem("image differs at " + std::to_string(a + i));
        }
        break;
    }
    case Kind::Write:
        if (o.LastMessage != "T2005") problem("write ended with " + o.LastMessage);
        for (int a = kWriteStartAddress; a <= kLastBlockAddress; a += 16) {
            if (InSkipRange(x.st, a)) continue;
            for (int i = 0; i < 16; ++i)
                if (x.radio.Memory[a + i] != x.st.CommImage[a + i]) problem("radio differs at " + std::to_string(a + i));
        }
        break;
    case Kind::Info:
        if (x.user.InfoShown != 1) problem("information not shown");
        for (int a = kReadStartAddress; a <= kInfoEndAddress; ++a)
            if (x.st.CommImage[a] != x.radio.Memory[a]) problem("information differs at " + std::to_string(a));
        break;
    }
    return o;
}

TEST(ExchangeStress, EveryExchangeEndsWithItsMessageAndTheRightData) {
    int failures = 0;
    for (unsigned seed = 1; seed <= kExchanges && failures < 5; ++seed) {
        const Outcome o = RunOne(seed);
        if (!o.Ended || !o.Problem.empty()) {
            ++failures;
            ADD_FAILURE() << "seed " << seed << (o.Ended ? "" : ": never ended") << ": " << o.Problem
                          << " (last message: " << o.LastMessage << ")";
        }
    }
}

}  // namespace
namespace {
// RP_STRESS_SEED=n runs case n alone and tells what it did.
TEST(ExchangeStress, OneCaseAgain) {
    const char* seed = std::getenv("RP_STRESS_SEED");
    if (!seed) GTEST_SKIP() << "set RP_STRESS_SEED to run one case again";
    const Outcome o = RunOne(static_cast<unsigned>(std::strtoul(seed, nullptr, 10)));
    EXPECT_TRUE(o.Ended);
    EXPECT_EQ(o.Problem, "") << "last message: " << o.LastMessage;
}
}  // namespace
