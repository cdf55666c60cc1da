#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "model/IniFile.h"

namespace rp {
namespace {

namespace fs = std::filesystem;

class IniFileDir : public ::testing::Test {
protected:
    void SetUp() override {
        dir_ = fs::temp_directory_path() /
               ("rp_ini_" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) + "_" +
                ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(dir_);
        fs::create_directories(dir_);
    }
    void TearDown() override { fs::remove_all(dir_); }
    std::string Path(const char* name) const { return (dir_ / name).string(); }
    static void WriteFile(const std::string& p, const std::string& text) {
        std::ofstream(p, std::ios::binary) << text;
    }
    static std::string ReadFile(const std::string& p) {
        std::ifstream in(p, std::ios::binary);
        std::ostringstream ss;
        ss << in.rdbuf();
        return ss.str();
    }
    fs::path dir_;
};

TEST(IniFile, ReadRules) {
    const IniFile f = IniFile::Parse(
        "; comment = not a key\n"
        "orphan=before any section\n"
        "[OTHER]\n"
        "  101 =   OK  \n"
        "102=\n"
        "103=a, b, c\\d \"q\"\n"
        "MixedCase=yes\n"
        "106=\"  kept blanks  \"\n"
        "107='single'\n"
        "108=\"open only\n"
        "109=\"mixed'\n"
        "110=\"\n"
        "111=\"a\" and \"b\"\n"
        "104=first\n"
        "104=second\n"
        "[other]\n"
        "105=in a second section of the same name\n"
        "[Language]\n"
        "comPort=/dev/ttyUSB0\n");
    struct Case {
        const char* section;
        const char* key;
        const char* value;
        bool present;
    } cases[] = {
        {"OTHER", "101", "OK", true},                 // padded value is trimmed
        {"other", "101", "OK", true},                 // section without regard to case
        {"OTHER", "102", "", true},                   // present and empty
        {"OTHER", "999", "", false},                  // missing reads as ""
        {"OTHER", "103", "a, b, c\\d \"q\"", true},   // commas, backslashes, quotes are text
        {"OTHER", "mixedcase", "yes", true},          // key without regard to case
        {"OTHER", "106", "  kept blanks  ", true},    // a pair of enclosing quotes is dropped
        {"OTHER", "107", "single", true},
        {"OTHER", "108", "\"open only", true},        // unmatched quotes are text
        {"OTHER", "109", "\"mixed'", true},
        {"OTHER", "110", "\"", true},
        {"OTHER", "111", "a\" and \"b", true},        // the ends decide, as the profile calls do
        {"OTHER", "104", "first", true},              // the first line of a key counts
        {"OTHER", "105", "", false},                  // only the first section of a name
        {"LANGUAGE", "COMPORT", "/dev/ttyUSB0", true},
        {"OTHER", "; comment", "", false},
        {"OTHER", "orphan", "", false},
        {"NOSUCH", "101", "", false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.section) + "/" + c.key);
        EXPECT_EQ(f.Get(c.section, c.key), c.value);
        EXPECT_EQ(f.Has(c.section, c.key), c.present);
    }
}

TEST(IniFile, BomAndCrLfAreReadAndKept) {
    const std::string text = "\xEF\xBB\xBF[OTHER]\r\n8900=Programmer\r\n20=Sans\r\n";
    IniFile f = IniFile::Parse(text);
    EXPECT_EQ(f.Get("OTHER", "8900"), "Programmer");
    EXPECT_EQ(f.Text(), text);
    f.Set("OTHER", "21", "9");
    EXPECT_EQ(f.Text(), "\xEF\xBB\xBF[OTHER]\r\n8900=Programmer\r\n20=Sans\r\n21=9\r\n");
}

TEST(IniFile, SetChangesOnlyItsOwnLine) {
    const std::string before =
        "; settings\n[language]\nIsFirstRun = 1\nSkin=blue, dark\n\n[other]\nx=1\n";
    IniFile f = IniFile::Parse(before);
    f.Set("LANGUAGE", "isfirstrun", "0");
    EXPECT_EQ(f.Text(), "; settings\n[language]\nIsFirstRun=0\nSkin=blue, dark\n\n[other]\nx=1\n");
    f.Set("language", "comPort", "ttyS0");  // new key: end of its section, before the blank line
    EXPECT_EQ(f.Text(),
              "; settings\n[language]\nIsFirstRun=0\nSkin=blue, dark\ncomPort=ttyS0\n\n[other]\nx=1\n");
    f.Set("extra", "k", "v");  // new section at the end
    EXPECT_EQ(f.Get("extra", "k"), "v");
    EXPECT_EQ(f.Text().substr(f.Text().size() - 12), "[extra]\nk=v\n");
}

TEST(IniFile, SetOnFileWithoutFinalLineEnd) {
    IniFile f = IniFile::Parse("[a]\nx=1");
    f.Set("b", "y", "2");
    EXPECT_EQ(f.Text(), "[a]\nx=1\n[b]\ny=2\n");
    IniFile g = IniFile::Parse("");
    g.Set("language", "IsFirstRun", "0");
    EXPECT_EQ(g.Text(), "[language]\nIsFirstRun=0\n");
}

TEST(IniFile, KeysListsTheFirstSectionInFileOrder) {
    const IniFile f = IniFile::Parse("[MSG]\n9001=a\n;x=y\n9002=b\n[OPTION]\n10001=c\n");
    EXPECT_EQ(f.Keys("msg"), (std::vector<std::string>{"9001", "9002"}));
    EXPECT_TRUE(f.Keys("nosuch").empty());
}

TEST_F(IniFileDir, ProfileCallWritesTheFile) {
    const std::string p = Path("mysetup.ini");
    ASSERT_TRUE(WriteProfileString(p, "language", "comPort", "ttyUSB0"));  // creates it
    EXPECT_EQ(ReadFile(p), "[language]\ncomPort=ttyUSB0\n");
    WriteFile(p, "[language]\r\nIsFirstRun=1\r\nSkin=\r\ncomPort=3\r\n");
    ASSERT_TRUE(WriteProfileString(p, "language", "comPort", "ttyS1"));
    EXPECT_EQ(ReadFile(p), "[language]\r\nIsFirstRun=1\r\nSkin=\r\ncomPort=ttyS1\r\n");
    EXPECT_FALSE(fs::exists(p + ".tmp"));
}

TEST_F(IniFileDir, WriteIntoAMissingFolderFailsAndReportsIt) {
    EXPECT_FALSE(WriteProfileString(Path("no/such/dir/mysetup.ini"), "language", "comPort", "x"));
}

TEST_F(IniFileDir, UnreadableFileIsNotReplaced) {
    const std::string p = Path("dir.ini");
    fs::create_directories(p);  // exists, but cannot be read as a file
    EXPECT_FALSE(WriteProfileString(p, "language", "comPort", "x"));
    EXPECT_TRUE(fs::is_directory(p));
}

}  // namespace
}  // namespace rp
