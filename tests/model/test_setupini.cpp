#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "model/IniFile.h"
#include "model/SetupIni.h"

namespace rp {
namespace {

namespace fs = std::filesystem;

std::string Trimmed(std::string s) {
    while (!s.empty() && s.front() == ' ') s.erase(s.begin());
    while (!s.empty() && s.back() == ' ') s.pop_back();
    return s;
}

TEST(SetupIni, LanguageFromLocaleName) {
    const std::pair<const char*, int> cases[] = {
        {"zh_CN", 2}, {"zh_CN.UTF-8", 2}, {"zh-CN", 2}, {"zh_CN.GB18030@x", 2}, {"zh_Hans_CN", 2},
        {"zh_TW", 1}, {"zh_HK", 1}, {"zh_SG", 1}, {"zh", 1}, {"en_US", 1}, {"de_DE.UTF-8", 1},
        {"C", 1}, {"", 1},
    };
    for (const auto& [name, index] : cases) EXPECT_EQ(ChooseLanguageIndex(name), index) << name;
}

TEST(SetupIni, PortChoice) {
    const std::vector<std::string> ports = {"/dev/ttyS0", "/dev/ttyUSB0"};
    auto exists = [](const std::string& p) { return p == "/dev/pts/7"; };
    struct Case {
        const char* configured;
        std::vector<std::string> ports;
        const char* expected;
    } cases[] = {
        {"/dev/ttyUSB0", ports, "/dev/ttyUSB0"},  // listed
        {"ttyUSB0", ports, "/dev/ttyUSB0"},       // listed by its name
        {"2", ports, "/dev/ttyUSB0"},             // older file: the n-th listed port
        {"3", ports, "/dev/ttyS0"},               // past the list: the first port
        {"0", ports, "/dev/ttyS0"},
        {"/dev/pts/7", ports, "/dev/pts/7"},      // typed-in device that is there
        {"/dev/ttyACM9", ports, "/dev/ttyS0"},    // gone: the first port
        {"", ports, "/dev/ttyS0"},
        {"/dev/ttyACM9", {}, "/dev/ttyACM9"},     // no port at all: kept as configured
        {"4", {}, "4"},
    };
    for (const Case& c : cases) EXPECT_EQ(ResolveComPort(c.configured, c.ports, exists), c.expected) << c.configured;
}

class SetupIniFile : public ::testing::Test {
protected:
    void SetUp() override {
        dir_ = fs::temp_directory_path() /
               ("rp_setup_" + std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()));
        fs::remove_all(dir_);
        fs::create_directories(dir_);
        state_.SetupIniPath = (dir_ / "mysetup.ini").string();
    }
    void TearDown() override { fs::remove_all(dir_); }
    void Write(const std::string& text) { std::ofstream(state_.SetupIniPath, std::ios::binary) << text; }
    std::string Read() const {
        std::ifstream in(state_.SetupIniPath, std::ios::binary);
        std::ostringstream ss;
        ss << in.rdbuf();
        return ss.str();
    }
    SetupIniResult Run(const std::vector<std::string>& ports = {"/dev/ttyS0", "/dev/ttyUSB0"}) {
        return ReadSetupIni(state_, ports, [](const std::string&) { return false; });
    }
    fs::path dir_;
    AppState state_;
};

TEST_F(SetupIniFile, FirstRunIsRecordedAndOtherLinesKept) {
    const std::string before =
        "; installed\r\n[language]\r\nIsFirstRun=1\r\nSkin=classic, blue\r\ncomPort=/dev/ttyUSB0\r\n"
        "Handshaking=2\r\nStopBit=2\r\nFactoryFres=1\r\n";
    Write(before);
    const auto r = Run();
    EXPECT_TRUE(r.FileWritten);
    EXPECT_TRUE(state_.IsFirstRun);
    EXPECT_EQ(state_.ComPortName, "/dev/ttyUSB0");
    EXPECT_EQ(state_.HandshakingValue, 2);
    EXPECT_EQ(state_.StopBitValue, 2);
    EXPECT_EQ(state_.FactoryFresFlag, 1);
    std::string after = before;
    after.replace(after.find("IsFirstRun=1"), 12, "IsFirstRun=0");
    EXPECT_EQ(Read(), after);

    const auto second = Run();  // not a first run any more: nothing to write
    EXPECT_FALSE(state_.IsFirstRun);
    EXPECT_FALSE(second.FileWritten);
    EXPECT_EQ(Read(), after);
}

TEST_F(SetupIniFile, MissingFileIsCreatedWithDefaults) {
    const auto r = Run();
    EXPECT_TRUE(r.FileWritten);
    EXPECT_FALSE(state_.IsFirstRun);
    EXPECT_EQ(state_.ComPortName, "/dev/ttyS0");
    EXPECT_EQ(state_.HandshakingValue, 0);
    EXPECT_EQ(state_.StopBitValue, 1);
    EXPECT_EQ(state_.FactoryFresFlag, 0);
    const IniFile f = IniFile::Parse(Read());
    EXPECT_EQ(f.Get("language", "IsFirstRun"), "0");
    EXPECT_EQ(f.Get("language", "comPort"), "/dev/ttyS0");
    EXPECT_EQ(f.Get("language", "Handshaking"), "0");
    EXPECT_EQ(f.Get("language", "StopBit"), "1");
    EXPECT_EQ(f.Get("language", "FactoryFres"), "0");
}

TEST_F(SetupIniFile, ValuesThatAreNotNumbersTakeDefaults) {
    Write("[language]\nIsFirstRun=yes\ncomPort=\nHandshaking=x\nStopBit=99999\nFactoryFres=1.5\n");
    Run();
    EXPECT_FALSE(state_.IsFirstRun);
    EXPECT_EQ(state_.ComPortName, "/dev/ttyS0");
    EXPECT_EQ(state_.HandshakingValue, 0);
    EXPECT_EQ(state_.StopBitValue, 1);
    EXPECT_EQ(state_.FactoryFresFlag, 2);  // halves round to even
    EXPECT_EQ(IniFile::Parse(Read()).Get("language", "comPort"), "/dev/ttyS0");
}

TEST_F(SetupIniFile, FirstRunFlagIsAnyNonZeroNumber) {
    const std::pair<const char*, bool> cases[] = {
        {"1", true}, {"-1", true}, {"2", true}, {"0.4", true}, {"70000", true}, {" 1 ", true},
        {"0", false}, {"0.0", false}, {"", false}, {"yes", false},
    };
    for (const auto& [value, firstRun] : cases) {
        SCOPED_TRACE(value);
        Write(std::string("[language]\nIsFirstRun=") + value + "\ncomPort=/dev/ttyS0\nHandshaking=0\nStopBit=1\n"
              "FactoryFres=0\n");
        Run();
        EXPECT_EQ(state_.IsFirstRun, firstRun);
        // A first run is recorded; any other value is left as found.
        EXPECT_EQ(IniFile::Parse(Read()).Get("language", "IsFirstRun"), firstRun ? "0" : Trimmed(value));
    }
}

TEST_F(SetupIniFile, NoSerialPortKeepsTheConfiguredPort) {
    Write("[language]\nIsFirstRun=0\nSkin=\ncomPort=/dev/ttyUSB3\nHandshaking=0\nStopBit=1\nFactoryFres=0\n");
    const auto r = Run({});
    EXPECT_EQ(state_.ComPortName, "/dev/ttyUSB3");
    EXPECT_FALSE(r.FileWritten);
    EXPECT_EQ(IniFile::Parse(Read()).Get("language", "comPort"), "/dev/ttyUSB3");
}

TEST_F(SetupIniFile, OldPortNumberIsWrittenBackAsTheName) {
    Write("[language]\nIsFirstRun=0\nSkin=\ncomPort=2\nHandshaking=0\nStopBit=1\nFactoryFres=0\n");
    Run();
    EXPECT_EQ(state_.ComPortName, "/dev/ttyUSB0");
    EXPECT_EQ(Read(), "[language]\nIsFirstRun=0\nSkin=\ncomPort=/dev/ttyUSB0\nHandshaking=0\nStopBit=1\nFactoryFres=0\n");
}

TEST_F(SetupIniFile, NoInitFileFlagSuppressesTheFirstRunRecord) {
    Write("[language]\nIsFirstRun=1\ncomPort=/dev/ttyS0\nHandshaking=0\nStopBit=1\nFactoryFres=0\n");
    state_.NoInitFileFlag = true;
    Run();
    EXPECT_FALSE(state_.IsFirstRun);
    EXPECT_EQ(IniFile::Parse(Read()).Get("language", "IsFirstRun"), "1");
}

TEST_F(SetupIniFile, UnwritableFolderIsReportedNotFatal) {
    state_.SetupIniPath = (dir_ / "missing-folder" / "mysetup.ini").string();
    const auto r = Run();
    EXPECT_TRUE(r.WriteFailed);
    EXPECT_EQ(state_.ComPortName, "/dev/ttyS0");
    EXPECT_EQ(state_.StopBitValue, 1);
}

}  // namespace
}  // namespace rp
