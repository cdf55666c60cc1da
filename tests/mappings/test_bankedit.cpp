#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "model/AppState.h"
#include "mappings/BankEdit.h"
#include "model/Banks.h"
#include "model/NewData.h"

using namespace rp;

namespace {

using Texts = std::vector<std::string>;

// Channels 1..20 and 201..206 in the table; every bank empty; the edit copy taken.
AppState StateWithChannels() {
    AppState st;
    st.NoInitFileFlag = true;
    NewData(st);
    for (int n = 3; n <= 20; ++n) AddDefaultChannel(st, n, "400");
    for (auto& bank : st.CurRadioData.BankTable) bank.fill(0);
    CopyBankToEdit(st);
    return st;
}

}  // namespace

TEST(BankEdit, ChannelTexts) {
    EXPECT_EQ(GetChannelText(1), "Channel 0");
    EXPECT_EQ(GetChannelText(200), "Channel 199");
    EXPECT_EQ(GetChannelNum("Channel 0"), 1);
    EXPECT_EQ(GetChannelNum("Channel 199"), 200);
    EXPECT_EQ(GetChannelNum("Channel"), 0);
    EXPECT_EQ(GetChannelNum("Channel x"), 0);
    EXPECT_EQ(BankListTexts().front(), "Bank 1");
    EXPECT_EQ(BankListTexts().size(), 9u);
}

TEST(BankEdit, ABankListsItsPlacesInOrderAndHolesAreFilledButListedLast) {
    AppState st = StateWithChannels();
    auto& bank2 = st.EditBankTable[1];
    bank2[0] = 5;
    bank2[1] = 7;
    bank2[2] = 0;
    bank2[3] = 9;
    bank2[4] = 250;  // not a channel: a free place
    BankView v = ShowBank(st, 2);
    EXPECT_EQ(v.InBank, (Texts{"Channel 4", "Channel 6", "Channel 8"}));
    ASSERT_EQ(v.Other.size(), 20u - 3u);  // memory channels only, the bank's own left out
    EXPECT_EQ(v.Other.front(), "Channel 0");

    const int pick = static_cast<int>(std::find(v.Other.begin(), v.Other.end(), "Channel 11") - v.Other.begin());
    ASSERT_TRUE(AddToShownBank(st, v, pick));
    EXPECT_EQ(bank2[2], 12);
    EXPECT_EQ(v.InBank.back(), "Channel 11");
    EXPECT_EQ(std::count(v.Other.begin(), v.Other.end(), "Channel 11"), 0);
    EXPECT_EQ(ShowBank(st, 2).InBank, (Texts{"Channel 4", "Channel 6", "Channel 11", "Channel 8"}));

    // Out again: the place stays free and the channel is listed last among the others.
    ASSERT_TRUE(RemoveFromShownBank(st, v, 0));
    EXPECT_EQ(bank2[0], 0);
    EXPECT_EQ(bank2[1], 7);
    EXPECT_EQ(v.Other.back(), "Channel 4");
    // Banks are computed each on their own: channel 5 may stand in several.
    EXPECT_EQ(ShowBank(st, 3).Other.size(), 20u);
}

TEST(BankEdit, AFullBankAndNoChoiceChangeNothing) {
    AppState st = StateWithChannels();
    for (int p = 0; p < kBankPlaces; ++p) st.EditBankTable[0][p] = static_cast<std::int16_t>(100 + p);
    const BankArray before = st.EditBankTable;
    BankView v = ShowBank(st, 1);
    ASSERT_EQ(v.InBank.size(), 32u);
    ASSERT_FALSE(v.Other.empty());
    EXPECT_FALSE(AddToShownBank(st, v, 0));
    EXPECT_FALSE(AddToShownBank(st, v, -1));
    BankView none = ShowBank(st, 0);
    EXPECT_TRUE(none.InBank.empty());
    EXPECT_TRUE(none.Other.empty());
    EXPECT_FALSE(AddToShownBank(st, none, 0));
    EXPECT_FALSE(RemoveFromShownBank(st, none, 0));
    EXPECT_EQ(st.EditBankTable, before);
}

TEST(BankEdit, FurtherChannelsNeverJoin) {
    AppState st = StateWithChannels();
    for (const std::string& t : ShowBank(st, 4).Other) EXPECT_LE(GetChannelNum(t), 200) << t;
    EXPECT_EQ(ShowBank(st, 4).Other.size(), 20u);
}
