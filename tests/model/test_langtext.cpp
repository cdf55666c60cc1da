#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "model/LangText.h"

namespace rp {
namespace {

namespace fs = std::filesystem;

class LangTextDir : public ::testing::Test {
protected:
    void SetUp() override {
        dir_ = fs::temp_directory_path() /
               ("rp_lang_" + std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()));
        fs::remove_all(dir_);
        fs::create_directories(dir_ / "language");
        std::ofstream(dir_ / "language/english.ini", std::ios::binary)
            << "[OTHER]\n8900=  Radio Programmer  \n102=\n[OPTION]\n10001=Off\n[MSG]\n9001=Save first?\n";
        std::ofstream(dir_ / "language/chinese.ini", std::ios::binary)
            << "\xEF\xBB\xBF[OTHER]\r\n8900=对讲机编程\r\n";
        state_.ProgramDir = dir_.string();
    }
    void TearDown() override { fs::remove_all(dir_); }
    fs::path dir_;
    AppState state_;
};

TEST_F(LangTextDir, LooksUpTheCurrentLanguage) {
    SetLanguage(state_, kLanguageEnglish);
    EXPECT_EQ(state_.LangIniPath, "language/english.ini");
    EXPECT_EQ(GetLangStr(state_, 8900), "Radio Programmer");
    EXPECT_EQ(GetLangStr(state_, 102), "");   // present, empty
    EXPECT_EQ(GetLangStr(state_, 103), "");   // absent
    EXPECT_EQ(state_.LangText(8900), "Radio Programmer");  // the hook the core uses
    EXPECT_EQ(GetOptionStr(state_, "10001"), "Off");
    EXPECT_EQ(GetMsgStr(state_, "9001"), "Save first?");

    SetLanguage(state_, kLanguageChinese);
    EXPECT_EQ(state_.LanguageIndex, 2);
    EXPECT_EQ(state_.LangIniPath, "language/chinese.ini");
    EXPECT_EQ(GetLangStr(state_, 8900), "对讲机编程");
    EXPECT_EQ(GetMsgStr(state_, "9001"), "");
}

TEST_F(LangTextDir, MissingFileGivesEmptyTexts) {
    fs::remove(dir_ / "language/english.ini");
    SetLanguage(state_, kLanguageEnglish);
    EXPECT_EQ(GetLangStr(state_, 8900), "");
    EXPECT_EQ(GetOptionStr(state_, "10001"), "");
}

TEST(MsgString, TablesHoldBothLanguages) {
    AppState s;
    InitMsgString(s);
    InitFunLangText(s);
    EXPECT_EQ(s.CommTitleText[1][1], "Read data from radio");
    EXPECT_EQ(s.CommTitleText[2][2], "向对讲机写入数据");
    EXPECT_EQ(s.ReadPromptText[1], "Read data from radio.\r\nDo you wish continue?");
    EXPECT_EQ(s.WritePromptText[2], "向对讲机写入数据。\r\n是否继续？");
    EXPECT_EQ(s.FileErrorText[1], "file error.");
    EXPECT_EQ(s.WarningText[2], "警告");
    EXPECT_EQ(s.CloseCaptionText[2], "关闭(&C)");
    EXPECT_EQ(s.HelpCaptionText[1], "&Help");
    EXPECT_EQ(s.ClearAllText[0], "");
}

}  // namespace
}  // namespace rp
