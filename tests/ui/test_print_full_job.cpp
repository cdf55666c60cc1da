// A whole print job over a data set with every area in use leaves the data as it found them.
#include <gtest/gtest.h>

#include <array>

#include "model/DataChanged.h"
#include "mappings/DTMFMap.h"
#include "mappings/OptionMap.h"
#include "print/FrmPrintList.h"
#include "FullDataFixture.h"
#include "../print/PrintSectionFixture.h"

namespace rp::print {
namespace {

using namespace test;

TEST(PrtEditorSections, FullJobWithEveryItemLeavesTheDataUnchanged) {
    for (const int lang : {kLanguageEnglish, kLanguageChinese}) {
        AppState st = DataIn(lang);
        rp::test::FillFullData(st);
        ASSERT_FALSE(IsDataChanged(st));
        // The data hold what the editors repair or normalise when they show them.
        const DTMFData& dtmf = st.CurRadioData.Signal.DTMF;
        ASSERT_EQ(dtmf.GroupDigit, 255);
        ASSERT_FALSE(RepairDTMFData(dtmf) == dtmf);
        RadioData normalised = st.CurRadioData;
        NormaliseOptionTexts(normalised);
        ASSERT_FALSE(normalised == st.CurRadioData);
        ASSERT_EQ(st.CurRadioInfo.Seller.Str().back(), ' ');
        const AppState before = st;
        const std::vector<std::uint8_t> bytes = rp::test::DataBytes(st);
        const auto m = A4Like();
        PrintSurface s(m);
        std::array<int, 10> all{};
        all.fill(1);
        ASSERT_TRUE(PrintAllItems(st, s, all, MakePrintSources(st)));
        EXPECT_GE(s.Pages().size(), 50u);
        EXPECT_TRUE(rp::test::DataBytes(st) == bytes);
        EXPECT_TRUE(st.CurRadioData == before.CurRadioData);
        EXPECT_TRUE(st.ChannelTable == before.ChannelTable);
        EXPECT_TRUE(st.EditSignalData == before.EditSignalData);
        EXPECT_TRUE(st.EditChannel == before.EditChannel);
        EXPECT_TRUE(st.EditBankTable == before.EditBankTable);
        EXPECT_TRUE(st.CurRadioInfo == before.CurRadioInfo);
        EXPECT_FALSE(IsDataChanged(st));
    }
}

}  // namespace
}  // namespace rp::print
