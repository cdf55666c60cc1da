#include <gtest/gtest.h>

#include "model/AppState.h"
#include "model/Banks.h"

using namespace rp;

TEST(Banks, DefaultBankIsTwentyChannelsEachAndNoneAbove180) {
    struct Case { int ch, bank; };
    const Case cases[] = {{1, 1}, {20, 1}, {21, 2}, {45, 3}, {180, 9}, {181, 0}, {200, 0}, {201, 0}, {0, 0}, {-3, 0}};
    for (const auto& c : cases) {
        AppState st;
        EXPECT_EQ(DefaultBankOf(c.ch), c.bank) << c.ch;
        AddChToBank(st, c.ch, 0);
        for (int b = 1; b <= kBankCount; ++b)
            EXPECT_EQ(GetChBankPos(st, c.ch, b) > 0, b == c.bank) << c.ch << " bank " << b;
    }
}

TEST(Banks, AddingTwiceChangesNothingAndFullBankRefuses) {
    AppState st;
    AddChToBank(st, 5, 4);
    AddChToBank(st, 5, 4);
    EXPECT_EQ(GetChBankPos(st, 5, 4), 1);
    EXPECT_EQ(st.CurRadioData.BankTable[3][1], 0);
    for (int ch = 100; ch < 131; ++ch) AddChToBank(st, ch, 4);  // 32 places now taken
    const BankArray before = st.CurRadioData.BankTable;
    EXPECT_FALSE(CanAddToBank(st, 150, 4));
    EXPECT_TRUE(CanAddToBank(st, 5, 4));  // already there
    AddChToBank(st, 150, 4);
    EXPECT_EQ(st.CurRadioData.BankTable, before);
    // Out-of-range arguments never touch the table.
    AddChToBank(st, 201, 1);
    AddChToBank(st, 7, 10);
    EXPECT_EQ(st.CurRadioData.BankTable, before);
}

TEST(Banks, FreedPlaceIsReusedNotTheEnd) {
    AppState st;
    for (int ch = 1; ch <= 5; ++ch) AddChToBank(st, ch, 1);
    SetChBank(st, 2, 1, false);
    AddChToBank(st, 77, 1);
    EXPECT_EQ(GetChBankPos(st, 77, 1), 2);
    DelChFromAllBank(st, 4);
    AddChToBank(st, 78, 1);
    EXPECT_EQ(GetChBankPos(st, 78, 1), 4);
}

TEST(Banks, EntriesOutside1To200CountAsFreeAndNeverMatch) {
    AppState st;
    auto& bank = st.CurRadioData.BankTable[1];
    for (int p = 0; p < kBankPlaces; ++p) bank[p] = static_cast<std::int16_t>(p == 7 ? 300 : (p == 9 ? -1 : 150));
    EXPECT_EQ(GetChBankPos(st, 300, 2), 0);
    EXPECT_TRUE(CanAddToBank(st, 9, 2));
    AddChToBank(st, 9, 2);
    EXPECT_EQ(GetChBankPos(st, 9, 2), 8);
    AddChToBank(st, 10, 2);
    EXPECT_EQ(GetChBankPos(st, 10, 2), 10);
    EXPECT_FALSE(CanAddToBank(st, 11, 2));
}

TEST(Banks, BankTextListsBanksAscending) {
    AppState st;
    AddChToBank(st, 12, 9);
    AddChToBank(st, 12, 2);
    EXPECT_EQ(GetChBankStr(st, 12), "29");
    EXPECT_EQ(GetChBankStr(st, 13), "");
    EXPECT_EQ(GetChBankStr(st, 201), "");
}

TEST(Banks, ListsShowAndSetMembership) {
    AppState st;
    BankList list{};
    list[0] = list[4] = true;
    SetChBankByList(st, 33, list);
    EXPECT_EQ(GetChBankStr(st, 33), "15");
    list = {};
    list[4] = true;
    list[8] = true;
    SetChBankByList(st, 33, list);
    EXPECT_EQ(GetChBankStr(st, 33), "59");

    BankList shown;
    shown.fill(true);
    ShowChBankList(st, 33, shown);
    EXPECT_EQ(shown, list);
    BankList untouched;
    untouched.fill(true);
    ShowChBankList(st, 202, untouched);
    EXPECT_TRUE(untouched[0]);
}

TEST(Banks, EditCopyIsSeparateUntilCopiedBack) {
    AppState st;
    AddChToBank(st, 3, 1);
    CopyBankToEdit(st);
    AddChToEditBank(st, 50, 0);
    EXPECT_TRUE(IsChInEditBank(st, 50, 3));
    EXPECT_EQ(GetChBankPos(st, 50, 3), 0);
    CopyEditToBank(st);
    EXPECT_EQ(GetChBankStr(st, 50), "3");
    EXPECT_EQ(GetChBankStr(st, 3), "1");
    ClearBankData(st.CurRadioData);
    EXPECT_EQ(GetChBankStr(st, 50), "");
}
