#include <gtest/gtest.h>

#include <string>

#include "model/AppState.h"
#include "model/ModelTable.h"

using namespace rp;

namespace {

AppState StateWithNames() {
    AppState st;
    st.LangText = [](int n) { return n == 8901 ? std::string("Current Model") : std::string(); };
    return st;
}

}  // namespace

TEST(ModelTable, NamesOfCodes) {
    const AppState st = StateWithNames();
    const struct { std::string code, name; } cases[] = {
        {"6173USD", "Current Model"},
        {"ZV853C", "ZV853UV-C"},
        {"ZV853D   ", "ZV853UV-D"},
        {std::string("ZV853C\0junk", 11), "ZV853UV-C"},
        {"6173USA", "6173USA"},
        {"6173UVD  ", "6173UVD"},
        {"", ""},
    };
    for (const auto& c : cases) EXPECT_EQ(GetModelName(st, c.code), c.name) << c.code;
}

TEST(ModelTable, CodesOfNames) {
    const AppState st = StateWithNames();
    const struct { std::string name, code; } cases[] = {
        {"Current Model", "6173USD"},
        {"ZV853UV-C", "ZV853C"},
        {"ZV853UV-D  ", "ZV853D"},
        {"6173USC ", "6173USC"},
        {"zv853uv-c", "zv853uv-c"},
    };
    for (const auto& c : cases) EXPECT_EQ(GetModelCode(st, c.name), c.code) << c.name;
}

TEST(ModelTable, MissingLanguageTextNeverMatchesAnEmptyName) {
    AppState st;  // no language file: every text is empty
    EXPECT_EQ(GetModelName(st, "6173USD"), "");
    EXPECT_EQ(GetModelCode(st, ""), "");
}

TEST(ModelTable, NormalizeModelCode) {
    EXPECT_EQ(NormalizeModelCode("6173US"), "6173USA");
    EXPECT_EQ(NormalizeModelCode("6173USA"), "6173USA");
    EXPECT_EQ(NormalizeModelCode("6173USD"), "6173USD");
    EXPECT_EQ(NormalizeModelCode("6173U"), "6173U");
}
