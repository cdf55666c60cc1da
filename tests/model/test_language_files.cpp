// Both language files must hold every text the program asks for: the keys listed in
// language/required-keys.txt and every literal number or key the sources look up.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <regex>
#include <set>
#include <sstream>
#include <string>

#include <unistd.h>

#include "model/IniFile.h"

namespace rp {
namespace {

namespace fs = std::filesystem;

using Key = std::pair<std::string, std::string>;  // section, key

std::string ReadAll(const fs::path& p) {
    std::ifstream in(p, std::ios::binary);
    std::ostringstream ss;
    ss << in.rdbuf();
    return ss.str();
}

bool IsValidUtf8(const std::string& s) {
    std::size_t i = 0;
    while (i < s.size()) {
        const auto c = static_cast<unsigned char>(s[i]);
        int extra = c < 0x80 ? 0 : (c >> 5) == 0x6 ? 1 : (c >> 4) == 0xE ? 2 : (c >> 3) == 0x1E ? 3 : -1;
        if (extra < 0 || i + extra >= s.size() + (extra == 0 ? 1 : 0)) return false;
        for (int k = 1; k <= extra; ++k)
            if ((static_cast<unsigned char>(s[i + k]) >> 6) != 0x2) return false;
        i += extra + 1;
    }
    return true;
}

// Literal look-ups in the sources: GetLangStr(x, 123), LangStr(x, 123), LangText(123),
// SetLangTag(w, 123, 456), setProperty("Tag", 123), GetOptionStr(x, "10001"), GetMsgStr(x, "9001").
std::set<Key> KeysAskedBySources(const fs::path& src) {
    static const std::regex other(R"(\b(?:GetLangStr|LangStr)\s*\([^,()]*,\s*(\d+)\s*\)|\bLangText\s*\(\s*(\d+)\s*\))");
    static const std::regex tag(R"(\bSetLangTag\s*\([^,()]*,\s*(\d+)\s*(?:,\s*(\d+)\s*)?\))");
    static const std::regex prop(R"(setProperty\(\s*\"(?:Tag|ToolTipTag)\"\s*,\s*\"?(\d+)\"?\s*\))");
    static const std::regex option(R"(\bGetOptionStr\s*\([^,()]*,\s*\"([^\"]+)\"\s*\))");
    static const std::regex msg(R"(\bGetMsgStr\s*\([^,()]*,\s*\"([^\"]+)\"\s*\))");
    std::set<Key> keys;
    auto addNumber = [&](const std::string& n) {
        if (!n.empty() && std::stol(n) > 0) keys.insert({"OTHER", std::to_string(std::stol(n))});
    };
    for (const auto& e : fs::recursive_directory_iterator(src)) {
        const auto ext = e.path().extension();
        if (!e.is_regular_file() || (ext != ".cpp" && ext != ".h")) continue;
        const std::string text = ReadAll(e.path());
        for (const std::regex* re : {&other, &tag, &prop})
            for (std::sregex_iterator it(text.begin(), text.end(), *re), end; it != end; ++it)
                for (std::size_t g = 1; g < it->size(); ++g) addNumber((*it)[g].str());
        for (std::sregex_iterator it(text.begin(), text.end(), option), end; it != end; ++it)
            keys.insert({"OPTION", (*it)[1].str()});
        for (std::sregex_iterator it(text.begin(), text.end(), msg), end; it != end; ++it)
            keys.insert({"MSG", (*it)[1].str()});
    }
    return keys;
}

TEST(LanguageFiles, HoldEveryTextTheProgramAsksFor) {
    const fs::path root = RP_SOURCE_DIR;
    const fs::path lang = root / "language";
    ASSERT_TRUE(fs::exists(lang / "english.ini")) << lang << " is missing";

    std::set<Key> required = KeysAskedBySources(root / "src");
    std::ifstream list(lang / "required-keys.txt");
    std::string section, key;
    while (list >> section >> key) required.insert({section, key});
    // The texts start-up and the language dialog use themselves.
    for (const char* n : {"20", "21", "101", "102", "1501", "1502", "1503", "8900"}) required.insert({"OTHER", n});

    for (const char* name : {"english.ini", "chinese.ini"}) {
        SCOPED_TRACE(name);
        const std::string text = ReadAll(lang / name);
        ASSERT_FALSE(text.empty());
        EXPECT_TRUE(IsValidUtf8(text)) << "the language files are UTF-8";
        const IniFile f = IniFile::Parse(text);
        std::vector<std::string> missing;
        for (const auto& [sec, k] : required)
            if (!f.Has(sec, k)) missing.push_back(sec + " " + k);
        EXPECT_TRUE(missing.empty()) << missing.size() << " missing, first: " << missing.front();
        EXPECT_FALSE(f.Get("OTHER", "8900").empty());
    }
}

TEST(LanguageFiles, SourceScanFindsLiteralLookUps) {
    // Per process: a sanitizer run of the same test may be going on at the same time.
    const fs::path dir = fs::temp_directory_path() / ("rp_lang_scan_" + std::to_string(::getpid()));
    fs::remove_all(dir);
    fs::create_directories(dir);
    std::ofstream(dir / "a.cpp") << "x = GetLangStr(state, 1503); y = LangStr(s_, 101);\n"
                                    "SetLangTag(b, 5002, 5003); w->setProperty(\"Tag\", \"77\");\n"
                                    "GetOptionStr(state, \"10001\"); GetMsgStr(st, \"9001\"); GetLangStr(s, 1210 + v);\n";
    const auto keys = KeysAskedBySources(dir);
    fs::remove_all(dir);
    EXPECT_EQ(keys, (std::set<Key>{{"OTHER", "1503"}, {"OTHER", "101"}, {"OTHER", "5002"}, {"OTHER", "5003"},
                                   {"OTHER", "77"}, {"OPTION", "10001"}, {"MSG", "9001"}}));
}

}  // namespace
}  // namespace rp
