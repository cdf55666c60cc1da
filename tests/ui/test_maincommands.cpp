// The order of questions and steps of the file and radio commands, without a window.
#include <deque>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include <ostream>

#include "model/LangText.h"
#include "model/NewData.h"
#include "shell/MainCommands.h"

namespace rp {
namespace {

// Records every call as one word so a test reads the whole sequence at once.
class ScriptHost : public CommandHost {
public:
    explicit ScriptHost(AppState& s) : s_(s) {}

    std::deque<int> answers;                 // message box answers, in order
    std::deque<std::optional<std::string>> fileNames;  // file dialog answers
    bool changed = false;
    bool saveSucceeds = true;
    bool openSucceeds = true;
    bool portOpens = true;
    bool encoderRefuses = false;
    std::vector<std::string> log;

    int Message(const std::string& text, int style) override {
        messages.push_back(text);
        log.push_back("msg" + std::to_string(style));
        if (answers.empty()) ADD_FAILURE() << "unexpected message: " << text;
        int a = answers.empty() ? MsgButton::Cancel : answers.front();
        if (!answers.empty()) answers.pop_front();
        return a;
    }
    std::string saveFirst = "save first?";
    std::string SaveFirstText() override { return saveFirst; }
    std::optional<std::string> AskOpenFileName() override { return NextName("open"); }
    std::optional<std::string> AskSaveFileName(const std::string& current) override {
        suggested = current;
        return NextName("saveas");
    }
    bool IsDataChanged() override { return changed; }
    bool SaveDataFile() override {
        log.push_back("save:" + s_.DataFileName);
        if (saveSucceeds) {
            s_.IsNewData = 0;
            changed = false;
        }
        return saveSucceeds;
    }
    bool OpenDataFile() override {
        log.push_back("open:" + s_.DataFileName);
        return openSucceeds;
    }
    void NewDataFile() override { log.push_back(s_.ForceFactoryFres ? "new-factory" : "new"); }
    bool StartComm() override {
        log.push_back("start" + std::to_string(s_.CommMode));
        return portOpens;
    }
    void Abandon() override { log.push_back("close"); }
    void BeginRead() override { log.push_back("read"); }
    bool BeginWrite() override {
        log.push_back("write");
        if (encoderRefuses) log.push_back("close");  // the encoder's failure closes the port
        return !encoderRefuses;
    }
    void BeginInfoRead() override { log.push_back("info"); }

    std::vector<std::string> messages;
    std::string suggested;

private:
    std::optional<std::string> NextName(const char* what) {
        log.push_back(what);
        if (fileNames.empty()) return std::nullopt;
        auto n = fileNames.front();
        fileNames.pop_front();
        return n;
    }
    AppState& s_;
};

using Log = std::vector<std::string>;

struct Fixture : ::testing::Test {
    Fixture() { InitMsgString(s); }
    AppState s;
    ScriptHost host{s};
    MainCommands cmd{s, host};
};

// New and Read with unsaved changes: Yes saves first, No goes on, Cancel stops. A Yes whose
// save does not happen stops as well.
struct SaveQuestionCase {
    const char* name;
    std::deque<int> answers;
    bool saveSucceeds;
    std::deque<std::optional<std::string>> fileNames;
    bool goesOn;
};
// A failing case names itself in the log, not as the bytes of the record.
void PrintTo(const SaveQuestionCase& c, std::ostream* os) { *os << c.name; }

class NewSaveQuestion : public Fixture, public ::testing::WithParamInterface<SaveQuestionCase> {};

TEST_P(NewSaveQuestion, FollowsTheAnswer) {
    const auto& c = GetParam();
    host.changed = true;
    s.IsNewData = 0;
    s.DataFileName = "/d/a.dat";
    host.answers = c.answers;
    host.saveSucceeds = c.saveSucceeds;
    EXPECT_EQ(cmd.FileNew(), c.goesOn);
    EXPECT_EQ(host.log.back() == "new", c.goesOn);
    EXPECT_TRUE(host.answers.empty());
}

INSTANTIATE_TEST_SUITE_P(
    Matrix, NewSaveQuestion,
    ::testing::Values(
        // Yes, overwrite OK, clear OK.
        SaveQuestionCase{"YesSaves", {MsgButton::Yes, MsgButton::Ok, MsgButton::Ok}, true, {}, true},
        SaveQuestionCase{"YesButOverwriteCancelled", {MsgButton::Yes, MsgButton::Cancel}, true, {}, false},
        SaveQuestionCase{"YesButSaveFails", {MsgButton::Yes, MsgButton::Ok}, false, {}, false},
        SaveQuestionCase{"NoGoesOn", {MsgButton::No, MsgButton::Ok}, true, {}, true},
        SaveQuestionCase{"NoThenClearCancelled", {MsgButton::No, MsgButton::Cancel}, true, {}, false},
        SaveQuestionCase{"CancelStops", {MsgButton::Cancel}, true, {}, false}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(Fixture, NewOnUnchangedDataAsksOnlyTheClearQuestion) {
    host.answers = {MsgButton::Ok};
    EXPECT_TRUE(cmd.FileNew());
    EXPECT_EQ(host.log, (Log{"msg49", "new"}));
    EXPECT_EQ(host.messages[0], "All data will be cleared.");
}

TEST_F(Fixture, InitialiseKeepsFactoryChannelsAndAsksNoClearQuestion) {
    EXPECT_TRUE(cmd.SetInit());
    EXPECT_EQ(host.log, (Log{"new-factory"}));
    EXPECT_EQ(s.ForceFactoryFres, 0);
}

TEST_F(Fixture, InitialiseStopsOnCancelledSaveQuestion) {
    host.changed = true;
    host.answers = {MsgButton::Cancel};
    EXPECT_FALSE(cmd.SetInit());
    EXPECT_EQ(host.log, (Log{"msg51"}));
    EXPECT_EQ(s.ForceFactoryFres, 0);
}

TEST_F(Fixture, SaveOfNeverSavedDataOpensSaveAs) {
    s.IsNewData = -1;
    s.DataFileName = "new.dat";
    host.fileNames = {std::string("/d/mine")};
    EXPECT_TRUE(cmd.FileSave());
    EXPECT_EQ(host.suggested, "new.dat");
    EXPECT_EQ(host.log, (Log{"saveas", "save:/d/mine.dat"}));
    EXPECT_EQ(s.DataFileName, "/d/mine.dat");
}

TEST_F(Fixture, SaveOfOpenedDataAsksToOverwriteByFileName) {
    s.IsNewData = 0;
    s.DataFileName = "/d/sub/a.dat";
    host.answers = {MsgButton::Ok};
    EXPECT_TRUE(cmd.FileSave());
    EXPECT_EQ(host.messages[0], "\"a.dat\"file will be Overwrite,Continue?");
    EXPECT_EQ(host.log, (Log{"msg33", "save:/d/sub/a.dat"}));

    host.answers = {MsgButton::Cancel};
    EXPECT_FALSE(cmd.FileSave());
    EXPECT_EQ(host.log.back(), "msg33");
}

TEST_F(Fixture, SaveAsCancelledOrFailedKeepsTheName) {
    s.DataFileName = "/d/a.dat";
    EXPECT_FALSE(cmd.FileSaveAs());
    EXPECT_EQ(s.DataFileName, "/d/a.dat");

    host.fileNames = {std::string("/d/b.dat")};
    host.saveSucceeds = false;
    EXPECT_FALSE(cmd.FileSaveAs());
    EXPECT_EQ(s.DataFileName, "/d/a.dat");
}

TEST_F(Fixture, SaveAsRefusesAChannelFileName) {
    s.DataFileName = "/d/a.dat";
    host.fileNames = {std::string("/d/a.fre")};
    host.answers = {MsgButton::Ok};
    EXPECT_FALSE(cmd.FileSaveAs());
    EXPECT_EQ(host.log, (Log{"saveas", "msg48"}));
    EXPECT_EQ(s.DataFileName, "/d/a.dat");
}

TEST(DataFileName, NormalisedOrRefused) {
    struct Case {
        std::string in;
        std::optional<std::string> out;
    };
    const Case cases[] = {
        {"/d/a.dat", "/d/a.dat"},
        {"/d/A.DAT", "/d/A.DAT"},
        {"/d/a", "/d/a.dat"},
        {"/d/a.txt", "/d/a.txt.dat"},
        {"/d/a.dat.bak", "/d/a.dat.bak.dat"},
        {"/d/a.fre", std::nullopt},
        {"/d/a.FRE", std::nullopt},
        {"/d/fre", std::nullopt},
        {"/d/", std::nullopt},
        {"", std::nullopt},
    };
    for (const auto& c : cases) EXPECT_EQ(NormaliseDataFileName(c.in), c.out) << c.in;
}

TEST(DataFileName, FileNameOfPath) {
    EXPECT_EQ(GetFileNameOfPath("/a/b/c.dat"), "c.dat");
    EXPECT_EQ(GetFileNameOfPath("c.dat"), "c.dat");
    EXPECT_EQ(GetFileNameOfPath("C:\\x\\c.dat"), "c.dat");
}

struct OpenCase {
    const char* name;
    bool changed;
    std::deque<int> answers;
    Log log;
};
// A failing case names itself in the log, not as the bytes of the record.
void PrintTo(const OpenCase& c, std::ostream* os) { *os << c.name; }

class OpenSaveQuestion : public Fixture, public ::testing::WithParamInterface<OpenCase> {};

TEST_P(OpenSaveQuestion, FollowsTheAnswer) {
    const auto& c = GetParam();
    host.changed = c.changed;
    s.IsNewData = 0;
    s.DataFileName = "/d/a.dat";
    host.answers = c.answers;
    host.fileNames = {std::string("/d/b.dat")};
    cmd.FileOpen();
    EXPECT_EQ(host.log, c.log);
}

INSTANTIATE_TEST_SUITE_P(
    Matrix, OpenSaveQuestion,
    ::testing::Values(OpenCase{"Unchanged", false, {}, {"open", "open:/d/b.dat"}},
                      OpenCase{"Yes", true, {MsgButton::Yes, MsgButton::Ok},
                               {"msg51", "msg33", "save:/d/a.dat", "open", "open:/d/b.dat"}},
                      OpenCase{"YesOverwriteCancelled", true, {MsgButton::Yes, MsgButton::Cancel},
                               {"msg51", "msg33"}},
                      OpenCase{"No", true, {MsgButton::No}, {"msg51", "open", "open:/d/b.dat"}},
                      OpenCase{"Cancel", true, {MsgButton::Cancel}, {"msg51"}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(Fixture, OpenCancelledOrRefusedKeepsTheDataFileName) {
    s.DataFileName = "/d/a.dat";
    EXPECT_FALSE(cmd.FileOpen());
    EXPECT_EQ(s.DataFileName, "/d/a.dat");

    host.fileNames = {std::string("/d/bad.dat")};
    host.openSucceeds = false;
    EXPECT_FALSE(cmd.FileOpen());
    EXPECT_EQ(host.log.back(), "open:/d/bad.dat");
    EXPECT_EQ(s.DataFileName, "/d/a.dat");
}

struct ReadCase {
    const char* name;
    bool changed;
    bool portOpens;
    std::deque<int> answers;
    Log log;
};
// A failing case names itself in the log, not as the bytes of the record.
void PrintTo(const ReadCase& c, std::ostream* os) { *os << c.name; }

class ReadCommand : public Fixture, public ::testing::WithParamInterface<ReadCase> {};

TEST_P(ReadCommand, RunsInOrder) {
    const auto& c = GetParam();
    host.changed = c.changed;
    s.IsNewData = 0;
    s.DataFileName = "/d/a.dat";
    host.portOpens = c.portOpens;
    host.answers = c.answers;
    const bool started = cmd.ProRead();
    EXPECT_EQ(host.log, c.log);
    EXPECT_EQ(started, host.log.back() == "read");
    // Only a running exchange keeps its operation word.
    EXPECT_EQ(s.CommMode, started ? CommModes::Read : CommModes::Idle);
}

INSTANTIATE_TEST_SUITE_P(
    Matrix, ReadCommand,
    ::testing::Values(
        ReadCase{"Unchanged", false, true, {MsgButton::Ok}, {"start1", "msg33", "read"}},
        ReadCase{"PromptCancelledClosesPort", false, true, {MsgButton::Cancel}, {"start1", "msg33", "close"}},
        ReadCase{"PortFails", false, false, {}, {"start1"}},
        ReadCase{"SaveYes", true, true, {MsgButton::Yes, MsgButton::Ok, MsgButton::Ok},
                 {"msg51", "msg33", "save:/d/a.dat", "start1", "msg33", "read"}},
        ReadCase{"SaveYesOverwriteCancelled", true, true, {MsgButton::Yes, MsgButton::Cancel}, {"msg51", "msg33"}},
        ReadCase{"SaveNo", true, true, {MsgButton::No, MsgButton::Ok},
                 {"msg51", "start1", "msg33", "read"}},
        ReadCase{"SaveCancelStops", true, true, {MsgButton::Cancel}, {"msg51"}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(Fixture, WriteAsksNoSaveQuestionAndEncodesBeforeProgress) {
    host.changed = true;
    host.answers = {MsgButton::Ok};
    EXPECT_TRUE(cmd.ProWrite());
    EXPECT_EQ(host.log, (Log{"start2", "msg33", "write"}));
    EXPECT_EQ(host.messages[0], "Write data to radio.\r\nDo you wish continue?");
    EXPECT_EQ(s.CommMode, CommModes::Write);
}

TEST_F(Fixture, WriteCancelledOrPortFailedEndsIdle) {
    host.answers = {MsgButton::Cancel};
    EXPECT_FALSE(cmd.ProWrite());
    EXPECT_EQ(host.log, (Log{"start2", "msg33", "close"}));
    EXPECT_EQ(s.CommMode, CommModes::Idle);

    host.log.clear();
    host.portOpens = false;
    EXPECT_FALSE(cmd.ProWrite());
    EXPECT_EQ(host.log, (Log{"start2"}));
    EXPECT_EQ(s.CommMode, CommModes::Idle);
}

TEST_F(Fixture, WriteRefusedByAnEncoderClosesThePort) {
    host.encoderRefuses = true;
    host.answers = {MsgButton::Ok};
    EXPECT_FALSE(cmd.ProWrite());
    EXPECT_EQ(host.log, (Log{"start2", "msg33", "write", "close", "close"}));
    EXPECT_EQ(s.CommMode, CommModes::Idle);
}

TEST_F(Fixture, InformationReadStartsWithoutQuestion) {
    EXPECT_TRUE(cmd.ReadRadioInfo());
    EXPECT_EQ(host.log, (Log{"start3", "info"}));
    EXPECT_EQ(s.CommMode, CommModes::InfoRead);

    host.log.clear();
    s.CommMode = CommModes::Idle;
    host.portOpens = false;
    EXPECT_FALSE(cmd.ReadRadioInfo());
    EXPECT_EQ(s.CommMode, CommModes::Idle);
}

TEST_F(Fixture, RadioCommandsWaitWhileAnExchangeRuns) {
    s.CommMode = CommModes::InfoRead;
    EXPECT_FALSE(cmd.ProRead());
    EXPECT_FALSE(cmd.ProWrite());
    EXPECT_FALSE(cmd.ReadRadioInfo());
    EXPECT_TRUE(host.log.empty());
    EXPECT_EQ(s.CommMode, CommModes::InfoRead);
}

TEST_F(Fixture, ExitWithUnsavedChanges) {
    EXPECT_TRUE(cmd.CanExit());  // nothing changed: no question

    host.changed = true;
    s.IsNewData = 0;
    host.answers = {MsgButton::Cancel};
    EXPECT_FALSE(cmd.CanExit());
    host.answers = {MsgButton::No};
    EXPECT_TRUE(cmd.CanExit());
    host.answers = {MsgButton::Yes, MsgButton::Cancel};  // overwrite refused: stay
    EXPECT_FALSE(cmd.CanExit());
    host.answers = {MsgButton::Yes, MsgButton::Ok};
    EXPECT_TRUE(cmd.CanExit());
    EXPECT_EQ(host.log.back(), "save:new.dat");
}

TEST_F(Fixture, SaveQuestionOfNewAndReadIsNeverBlank) {
    host.changed = true;
    for (const char* missing : {"", "  "}) {
        host.saveFirst = missing;
        host.messages.clear();
        host.answers = {MsgButton::Cancel};
        cmd.FileNew();
        host.answers = {MsgButton::Cancel};
        cmd.ProRead();
        EXPECT_EQ(host.messages, (std::vector<std::string>(2, "File has been modify,save it now?")));
    }
    host.saveFirst = "save first?";
    host.messages.clear();
    host.answers = {MsgButton::Cancel};
    cmd.FileNew();
    EXPECT_EQ(host.messages, std::vector<std::string>{"save first?"});
}

TEST_F(Fixture, QuestionsFollowTheLanguage) {
    s.LanguageIndex = 2;
    host.answers = {MsgButton::Cancel};
    cmd.FileNew();
    EXPECT_EQ(host.messages[0], "所有数据将被清空。");
}

}  // namespace
}  // namespace rp

namespace rp {
namespace {

TEST(ModelAndBand, BandChangeResetsChannelsAndBanksToTheNewBand) {
    AppState s;
    NewData(s);
    s.CurRadioData.BankTable[4][0] = 99;
    s.ChannelTable[s.CurRadioData.ChannelCount] = s.ChannelTable[0];
    s.ChannelTable[s.CurRadioData.ChannelCount].ChannelNo = 99;
    ++s.CurRadioData.ChannelCount;

    EXPECT_TRUE(ApplyModelAndBand(s, "6173USA", "6173USA", 6));
    EXPECT_EQ(s.CurModelCode, "6173USA");
    EXPECT_EQ(s.CurBandIndex, 6);
    EXPECT_EQ(s.CurBandText, "UHF(446 - 447 MHz) VHF(136 - 174 MHz)");
    EXPECT_DOUBLE_EQ(s.RxBandLow[0], 446.0);
    EXPECT_DOUBLE_EQ(s.TxBandHigh[0], 447.0);
    ASSERT_EQ(s.CurRadioData.ChannelCount, 8);
    EXPECT_EQ(s.ChannelTable[0].ChannelNo, 1);
    EXPECT_EQ(TrimNull(s.ChannelTable[0].RxFreq.Str()), "044650000");  // middle of 446..447
    EXPECT_EQ(s.CurRadioData.BankTable[4][0], 0);
    EXPECT_EQ(s.CurRadioData.BankTable[0][0], 1);  // channel 1 back in its default bank
}

TEST(ModelAndBand, SameBandKeepsTheChannels) {
    AppState s;
    NewData(s);
    s.ChannelTable[0].RxFreq = "043000000";
    EXPECT_FALSE(ApplyModelAndBand(s, "6173USD", "6173USD", s.CurBandIndex));
    EXPECT_FALSE(ApplyModelAndBand(s, "", "", 8));
    EXPECT_EQ(s.ChannelTable[0].RxFreq.Str(), "043000000");
}

}  // namespace
}  // namespace rp
