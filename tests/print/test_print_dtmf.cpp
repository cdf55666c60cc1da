// The DTMF section of the printout on the recording surface.
#include <gtest/gtest.h>

#include "PrintSectionFixture.h"
#include "mappings/DTMFMap.h"
#include "print/core/PrtDTMF.h"

namespace rp::print {
namespace {

using namespace test;

void EmptyCodes(DTMFData& d) {
    for (auto& m : d.Memories) m.Length = 0;
    d.PttIdBegin.Length = d.PttIdEnd.Length = d.KillCode.Length = d.StunCode.Length = 0;
}

TEST(PrtDTMF, EmptyCodesPrintTwentyCaptionsWithEmptyValues) {
    AppState st = DataIn(kLanguageEnglish);
    EmptyCodes(st.CurRadioData.Signal.DTMF);
    Printed p(st, Prt_DTMF);
    ASSERT_EQ(p.Pages().size(), 1u);
    const auto lines = BodyLines(p.Pages()[0], "DTMF");
    ASSERT_EQ(lines.size(), 32u);
    const int labels[] = {1740, 1741, 3002, 1604, 1605, 1606, 1607, 1608, 1609, 1610, 1611, 1612};
    for (std::size_t k = 0; k < std::size(labels); ++k) {
        EXPECT_EQ(Texts(lines[k])[0], GetLangStr(st, labels[k]));
        EXPECT_EQ(Columns(lines[k]), (std::vector<float>{10, 50}));
    }
    for (int i = 0; i < 20; ++i) {
        const auto& line = lines[static_cast<std::size_t>(12 + i)];
        const std::string caption = i < 16 ? "M" + std::to_string(i + 1)
                                           : GetOptionStr(st, std::to_string(std::array{60302, 60303, 60069, 60093}[i - 16]));
        EXPECT_EQ(Texts(line), std::vector<std::string>{caption});
        EXPECT_EQ(Columns(line), std::vector<float>{10});
    }
}

TEST(PrtDTMF, CodesPrintAsTheDialogShowsThemAndRepairsStayOffTheData) {
    AppState st = DataIn(kLanguageEnglish);
    DTMFData& d = st.CurRadioData.Signal.DTMF;
    EmptyCodes(d);
    d.Memories[0].Code = "12EF";
    d.Memories[0].Length = 4;
    d.KillCode.Code = "ABCD";
    d.KillCode.Length = 2;
    d.GroupDigit = 255;
    d.SideTone = 1;
    d.OwnId = "7";
    const DTMFData before = d;
    const auto lines = BodyLines(Printed(st, Prt_DTMF).Pages()[0], "DTMF");
    ASSERT_EQ(lines.size(), 32u);
    EXPECT_EQ(At(lines[2], 50), "700");
    EXPECT_EQ(At(lines[4], 50), GetLangStr(st, 1755));  // group digit: none
    EXPECT_EQ(At(lines[11], 50), "ON");
    EXPECT_EQ(At(lines[12], 35), "12*#");
    EXPECT_EQ(At(lines[30], 35), "AB");
    EXPECT_TRUE(st.CurRadioData.Signal.DTMF == before);
}

TEST(PrtDTMF, TitleIsDTMFAndSideToneWordFollowsTheLanguage) {
    AppState st = DataIn(kLanguageChinese);
    st.CurRadioData.Signal.DTMF.SideTone = 1;
    const auto lines = BodyLines(Printed(st, Prt_DTMF).Pages()[0], "DTMF");
    ASSERT_EQ(lines.size(), 32u);
    EXPECT_EQ(At(lines[11], 50), "开");
}

}  // namespace
}  // namespace rp::print
