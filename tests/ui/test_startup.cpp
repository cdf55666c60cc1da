#include <QComboBox>
#include <QDir>
#include <QDoubleValidator>
#include <QFile>
#include <QLabel>
#include <QLocale>
#include <QMainWindow>
#include <QPushButton>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <clocale>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "model/IniFile.h"
#include "model/LangText.h"
#include "model/Values.h"
#include "shell/FrmLanguage.h"
#include "kit/Language.h"
#include "kit/MsgBox.h"
#include "shell/Startup.h"

namespace rp {
namespace {

namespace fs = std::filesystem;

// The title a message shown now carries.
std::string TitleOfAMessage() {
    ScopedMsgBoxScript script;
    MsgBox("?");
    return script.Messages().front().Title.toStdString();
}

// A program folder with the shipped language files (or small stand-ins while there are none).
class StartupDir : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(dir_.isValid());
        const fs::path prog = dir_.path().toStdString();
        fs::create_directories(prog / "language");
        const fs::path shipped = fs::path(RP_SOURCE_DIR) / "language";
        for (const char* name : {"english.ini", "chinese.ini"}) {
            if (fs::exists(shipped / name))
                fs::copy_file(shipped / name, prog / "language" / name);
            else
                std::ofstream(prog / "language" / name)
                    << "[OTHER]\n8900=" << (name[0] == 'e' ? "Programmer" : "编程") << "\n1501=English\n1502=中文\n"
                    << "1503=Language\n101=OK\n102=Cancel\n";
        }
        english_ = IniFile::Load((prog / "language/english.ini").string())->Get("OTHER", "8900");
        chinese_ = IniFile::Load((prog / "language/chinese.ini").string())->Get("OTHER", "8900");
        env_.ProgramDir = dir_.path();
        env_.LocaleName = "en_US";
        env_.Ports = {"/dev/ttyS0", "/dev/ttyUSB0"};
        env_.DeviceExists = [](const std::string&) { return false; };
    }
    std::string SetupPath() const { return dir_.filePath("language/mysetup.ini").toStdString(); }
    void WriteSetup(const std::string& text) const { std::ofstream(SetupPath(), std::ios::binary) << text; }
    std::string ReadSetup() const {
        std::ifstream in(SetupPath(), std::ios::binary);
        std::ostringstream ss;
        ss << in.rdbuf();
        return ss.str();
    }

    QTemporaryDir dir_;
    StartupEnvironment env_;
    std::string english_, chinese_;
};

TEST_F(StartupDir, LanguageFollowsTheSystemLocale) {
    ASSERT_NE(english_, chinese_);
    const std::pair<const char*, int> cases[] = {{"zh_CN", 2}, {"zh_TW", 1}, {"zh_HK", 1}, {"en_US", 1}};
    for (const auto& [locale, index] : cases) {
        SCOPED_TRACE(locale);
        AppState state;
        env_.LocaleName = locale;
        Main(state, env_);
        EXPECT_EQ(state.LanguageIndex, index);
        EXPECT_EQ(state.LangIniPath, index == 2 ? "language/chinese.ini" : "language/english.ini");
        EXPECT_EQ(TitleOfAMessage(), index == 2 ? chinese_ : english_);
    }
}

TEST_F(StartupDir, SetsTheModelDefaultsAndRunsTheInitialisers) {
    WriteSetup("[language]\nIsFirstRun=1\nSkin=\ncomPort=/dev/ttyUSB0\nHandshaking=1\nStopBit=2\nFactoryFres=0\n");
    AppState state;
    state.CurModelCode = "other";
    state.CurModelName = "stale";
    state.CurBandText = "garbage";
    state.CurChannelNo = 5;
    state.TypedPassWord = "123456";
    state.CurEditRow = 3;
    Main(state, env_);
    EXPECT_EQ(state.CurModelCode, "6173USD");
    EXPECT_EQ(state.RadioModelCode, "6173USD");
    // The current model is named by its language text.
    EXPECT_FALSE(state.CurModelName.empty());
    EXPECT_EQ(state.CurModelName, GetLangStr(state, 8901));
    EXPECT_EQ(state.CurBandText, "UHF(400 - 480 MHz) VHF(136 - 174 MHz)");
    EXPECT_EQ(state.CurBandIndex, 0);
    EXPECT_EQ(state.RadioVersion, "V100");
    EXPECT_EQ(state.RxBandLow[0], 400.0);
    EXPECT_EQ(state.RxBandHigh[0], 480.0);
    EXPECT_EQ(state.RxBandLow[1], 136.0);
    EXPECT_EQ(state.TxBandHigh[1], 174.0);
    EXPECT_EQ(state.RadioBandLow, 76.0);
    EXPECT_EQ(state.AMBandHigh, 136.0);
    EXPECT_EQ(state.ReadBlockSize, 16);
    EXPECT_EQ(state.WriteBlockSize, 16);
    EXPECT_TRUE(state.NoEchoFlag);
    EXPECT_EQ(state.EchoLength, 0);
    EXPECT_EQ(state.PrintMenuFlag, 0);
    EXPECT_EQ(state.HelpFileFlag, 0);
    EXPECT_EQ(state.CurChannelNo, 0);
    EXPECT_EQ(state.TypedPassWord, "");
    EXPECT_EQ(state.CurEditRow, 0);
    EXPECT_EQ(state.DataFileName, "new.dat");
    EXPECT_EQ(state.CurRadioData.ChannelCount, 8);  // new data with its default channels
    EXPECT_EQ(state.ReadPromptText[1], "Read data from radio.\r\nDo you wish continue?");
    EXPECT_EQ(state.CloseCaptionText[2], "关闭(&C)");
    EXPECT_FALSE(state.TestDataMode);
    EXPECT_EQ(state.ComPortName, "/dev/ttyUSB0");
    EXPECT_EQ(state.HandshakingValue, 1);
    EXPECT_EQ(state.StopBitValue, 2);
    // A first run is recorded, and nothing else in the file changes.
    EXPECT_EQ(ReadSetup(),
              "[language]\nIsFirstRun=0\nSkin=\ncomPort=/dev/ttyUSB0\nHandshaking=1\nStopBit=2\nFactoryFres=0\n");
}

TEST_F(StartupDir, MissingSettingsFileIsCreated) {
    AppState state;
    Main(state, env_);
    EXPECT_EQ(state.ComPortName, "/dev/ttyS0");
    const IniFile f = IniFile::Parse(ReadSetup());
    EXPECT_EQ(f.Get("language", "IsFirstRun"), "0");
    EXPECT_EQ(f.Get("language", "comPort"), "/dev/ttyS0");
    EXPECT_EQ(f.Get("language", "StopBit"), "1");
}

TEST_F(StartupDir, BatchSwitchesBesideTheProgramWithTheCompanderClearedAtEveryStart) {
    const std::string path = dir_.filePath("BatchFun.ini").toStdString();
    {
        AppState state;
        Main(state, env_);
        EXPECT_EQ(state.BatchFunIniPath, path);
        EXPECT_EQ(state.BatchFunFlags[0], 1);
        EXPECT_EQ(state.BatchFunFlags[15], 0);
        EXPECT_EQ(fs::file_size(path), 21u);
    }
    std::string bytes(21, '\0');
    bytes[4] = 1;
    bytes[15] = 1;
    std::ofstream(path, std::ios::binary) << bytes;
    AppState state;
    Main(state, env_);
    EXPECT_EQ(state.BatchFunFlags[0], 0);
    EXPECT_EQ(state.BatchFunFlags[4], 1);
    EXPECT_EQ(state.BatchFunFlags[15], 0);
}

TEST_F(StartupDir, FactoryMarkerBesideTheProgram) {
    std::ofstream(dir_.filePath("TestData.ini").toStdString()) << "";
    AppState state;
    Main(state, env_);
    EXPECT_TRUE(state.TestDataMode);
}

// Run a second time by CTest with LC_ALL=de_DE.UTF-8, where the user's separator is ",".
TEST_F(StartupDir, StartupLocaleNumbersUseADot) {
    if (std::setlocale(LC_ALL, "de_DE.UTF-8") == nullptr) std::setlocale(LC_ALL, "");
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    AppState state;
    Main(state, env_);
    if (QLocale::system().decimalPoint() == ",") {
        EXPECT_EQ(state.SavedDecimalSep, ',');
    }
    EXPECT_EQ(FormatFixed(145.5, 5), "145.50000");
    EXPECT_EQ(QLocale().toString(145.5, 'f', 5), "145.50000");
    char buf[32];
    std::snprintf(buf, sizeof buf, "%.5f", 145.5);
    EXPECT_STREQ(buf, "145.50000");
    EXPECT_EQ(std::stod("145.5"), 145.5);
    QDoubleValidator v(0, 1000, 5);
    QString typed = "145.5";
    int pos = 0;
    EXPECT_EQ(v.validate(typed, pos), QValidator::Acceptable);
}

TEST_F(StartupDir, LanguageDialogSwitchesAndCancels) {
    AppState state;
    Main(state, env_);
    QMainWindow main;
    main.setProperty("Tag", 8900);
    SetFormLanguage(&main, state);
    int reloads = 0;
    auto reload = [&] {
        ++reloads;
        SetFormLanguage(&main, state);
    };
    {
        FrmLanguage dlg(state, reload);
        EXPECT_EQ(dlg.Combo1->count(), 2);
        EXPECT_EQ(dlg.Combo1->currentIndex(), 0);
        EXPECT_EQ(dlg.CommandOK->text().toStdString(), GetLangStr(state, 101));
        dlg.Combo1->setCurrentIndex(1);
        dlg.CommandCancel->click();
        EXPECT_EQ(dlg.result(), QDialog::Rejected);
        EXPECT_EQ(state.LanguageIndex, 1);
        EXPECT_EQ(reloads, 0);
    }
    {
        FrmLanguage dlg(state, reload);
        dlg.Combo1->setCurrentIndex(1);
        dlg.CommandOK->click();
        EXPECT_EQ(state.LanguageIndex, 2);
        EXPECT_EQ(state.LangIniPath, "language/chinese.ini");
        EXPECT_EQ(reloads, 1);
        EXPECT_EQ(main.windowTitle().toStdString(), chinese_);
        EXPECT_EQ(TitleOfAMessage(), chinese_);
    }
    {
        FrmLanguage dlg(state, reload);
        EXPECT_EQ(dlg.Combo1->currentIndex(), 1);
        EXPECT_EQ(dlg.windowTitle().toStdString(), GetLangStr(state, 1503));
        dlg.Combo1->setCurrentIndex(0);
        dlg.CommandOK->click();
        EXPECT_EQ(state.LanguageIndex, 1);
        EXPECT_EQ(main.windowTitle().toStdString(), english_);
    }
    // The choice is not saved.
    EXPECT_EQ(IniFile::Parse(ReadSetup()).Has("language", "Language"), false);
}

}  // namespace
}  // namespace rp
