// The editors' sections of the printout on the recording surface: what each prints, in which
// order and at which columns, and that printing leaves the data as it found them.
#include <gtest/gtest.h>

#include <algorithm>
#include <map>

#include "mappings/FiveTone.h"
#include "model/LangText.h"
#include "model/NewData.h"
#include "mappings/TwoToneMap.h"
#include "mappings/DTMFMap.h"
#include "print/core/PrtEditorSections.h"
#include "print/core/PrtFiveTone.h"
#include "print/core/PrtSettings.h"
#include "print/core/PrtSignalling.h"
#include "print/core/PrintText.h"
#include "PrintSectionFixture.h"
#include "mappings/AlertMap.h"
#include "mappings/OptionMap.h"

namespace rp::print {
namespace {

using namespace test;

// ---- Option --------------------------------------------------------------------------------

TEST(PrtOption, PrintsTwentyTwoRowsOnOnePageInTheDialogsOrder) {
    AppState st = DataIn(kLanguageEnglish);
    Printed p(st, Prt_Option);
    ASSERT_EQ(p.Pages().size(), 1u);
    const auto lines = BodyLines(p.Pages()[0], GetLangStr(st, 1701));
    ASSERT_EQ(lines.size(), 22u);
    EXPECT_EQ(Texts(lines[0])[0], GetLangStr(st, 1739));
    EXPECT_EQ(Columns(lines[0]), (std::vector<float>{10, 35}));
    const int labels[] = {1702, 1703, 1704, 1705, 1707, 1710, 1711, 1712, 1713, 1714, 1716, 1718,
                          1719, 1720, 1721, 1722, 1723, 1724};
    for (std::size_t k = 0; k < std::size(labels); ++k) {
        SCOPED_TRACE(labels[k]);
        EXPECT_EQ(Texts(lines[k + 1])[0], GetLangStr(st, labels[k]));
        EXPECT_EQ(Columns(lines[k + 1]), (std::vector<float>{10, 50}));
    }
    for (int i = 1; i <= 3; ++i) {
        EXPECT_EQ(Texts(lines[static_cast<std::size_t>(18 + i)])[0], GetLangStr(st, 1730 + i));
        EXPECT_EQ(Columns(lines[static_cast<std::size_t>(18 + i)]).back(), 55);
    }
    EXPECT_EQ(Footer(p.Pages()[0]), "- 1 -");
}

TEST(PrtOption, DisplayModeTwoPrintsBothListTextsRunTogether) {
    AppState st = DataIn(kLanguageEnglish);
    const OptionShow before = ShowOption(st);
    st.CurRadioData.Signal.Option.DisplayMode = 1;
    st.CurRadioData.Signal.Option.DisplayModeOption = 1;
    const OptionShow v = ShowOption(st);
    ASSERT_GE(v.Items[0].size(), 2u);
    ASSERT_GE(v.Items[18].size(), 2u);
    Printed p(st, Prt_Option);
    const auto lines = BodyLines(p.Pages()[0], v.Caption);
    EXPECT_EQ(At(lines[1], 50), v.Items[0][1] + v.Items[18][1]);
    // Any other display mode prints its own text alone.
    Printed q(DataIn(kLanguageEnglish), Prt_Option);
    EXPECT_EQ(At(BodyLines(q.Pages()[0], v.Caption)[1], 50), before.Text[0]);
}

TEST(PrtOption, PowerOnTextPrintsTwelveBoxesWithBlanksKept) {
    AppState st = DataIn(kLanguageEnglish);
    st.CurRadioData.Signal.Option.RadioText = "AB C";
    Printed p(st, Prt_Option);
    EXPECT_EQ(At(BodyLines(p.Pages()[0], GetLangStr(st, 1701))[0], 35), "AB C        ");
}

TEST(PrtOption, SwitchesPrintOnAndOffInBothLanguages) {
    for (const int lang : {kLanguageEnglish, kLanguageChinese}) {
        AppState st = DataIn(lang);
        st.CurRadioData.Signal.Option.InternalFunctionOperation = 1;  // Check1(1)
        st.CurRadioData.Signal.Option.InitKey = 0;                    // Check1(2)
        const auto lines = BodyLines(Printed(st, Prt_Option).Pages()[0], GetLangStr(st, 1701));
        EXPECT_EQ(At(lines[19], 55), lang == kLanguageEnglish ? "ON" : "开");
        EXPECT_EQ(At(lines[20], 55), lang == kLanguageEnglish ? "OFF" : "关");
    }
}

// ---- Alert ---------------------------------------------------------------------------------

TEST(PrtAlert, PrintsThirteenLinesWithTheLoneWorkGroupIndented) {
    AppState st = DataIn(kLanguageEnglish);
    st.CurRadioData.Signal.Alert.AutoDetectMode = 1;
    Printed p(st, Prt_Alert);
    ASSERT_EQ(p.Pages().size(), 1u);
    const auto lines = BodyLines(p.Pages()[0], GetLangStr(st, 2600));
    ASSERT_EQ(lines.size(), 13u);
    const int labels[] = {2602, 2603, 2604, 2605, 2606, 2607, 2608, 2610, 2611};  // never 2609
    const AlertShow v = ShowAlert(st);
    const int combos[] = {0, 1, 2, 3, 4, 5, 6, 8, 9};
    for (std::size_t k = 0; k < std::size(labels); ++k) {
        EXPECT_EQ(Texts(lines[k])[0], GetLangStr(st, labels[k]));
        EXPECT_EQ(Columns(lines[k])[0], 10);
        EXPECT_EQ(At(lines[k], 45), v.Text[static_cast<std::size_t>(combos[k])]);
    }
    EXPECT_EQ(Texts(lines[9]), std::vector<std::string>{GetLangStr(st, 2612)});
    EXPECT_EQ(Columns(lines[9]), std::vector<float>{10});
    EXPECT_EQ(Texts(lines[10]), (std::vector<std::string>{GetLangStr(st, 2613), "ON"}));
    EXPECT_EQ(Columns(lines[10]), (std::vector<float>{15, 50}));
    EXPECT_EQ(Texts(lines[11])[0], GetLangStr(st, 2614));
    EXPECT_EQ(Texts(lines[12])[0], GetLangStr(st, 2615));
    EXPECT_EQ(Columns(lines[12]), (std::vector<float>{15, 50}));
}

// ---- Embedded message ----------------------------------------------------------------------

TEST(PrtEMG, PrintsFourteenRowsAndWrapsTheDescriptionInsideThePage) {
    AppState st = DataIn(kLanguageEnglish);
    std::string description;
    for (int i = 0; i < 12; ++i) description += "Repaired ";
    st.CurRadioInfo.MaintenanceReason = description.substr(0, 96);
    st.CurRadioInfo.Seller = "Shop";
    const RadioInfo before = st.CurRadioInfo;
    Printed p(st, Prt_EMG, 600, 1414);  // a narrow page: the description needs two lines
    ASSERT_EQ(p.Pages().size(), 1u);
    const auto lines = BodyLines(p.Pages()[0], "Embedded Message");
    // Fourteen rows, the description taking more than one line of its own.
    ASSERT_GT(lines.size(), 14u);
    EXPECT_EQ(Texts(lines[0])[0], "Area Code");
    EXPECT_EQ(Texts(lines[9])[0], "Maintained Description");
    EXPECT_EQ(lines[9][1].X, 210.0f);
    EXPECT_EQ(lines[10][0].X, 210.0f);  // the description's second line
    EXPECT_EQ(Texts(lines.back()), (std::vector<std::string>{"Seller", "Shop"}));
    for (const auto& t : p.Pages()[0].Items) EXPECT_LE(t.X + p.metrics.TextWidth(t.Text, t.Font), 600.0f) << t.Text;
    EXPECT_EQ(st.CurRadioInfo, before);
}

// ---- 2-Tone --------------------------------------------------------------------------------

void UseListEntry(TwoToneData& d, int index, int firstTenths, int secondTenths, const char* name) {
    TwoToneListEntry& e = d.List[static_cast<std::size_t>(index)];
    e.EmptyFlag = 0;
    e.FirstDividerHigh = 1;
    e.FirstToneHigh = static_cast<std::uint8_t>(firstTenths >> 8);
    e.FirstToneLow = static_cast<std::uint8_t>(firstTenths & 0xFF);
    e.SecondDividerHigh = secondTenths ? 1 : 0;
    e.SecondToneHigh = static_cast<std::uint8_t>(secondTenths >> 8);
    e.SecondToneLow = static_cast<std::uint8_t>(secondTenths & 0xFF);
    e.Name = name;
}

TEST(Prt2Tone, UsedRowsOneTwoAndFivePrintZeroOneAndFourTwoToALine) {
    AppState st = DataIn(kLanguageEnglish);
    TwoToneData& d = st.CurRadioData.Signal.TwoTone;
    for (auto& e : d.List) e.EmptyFlag = 1;
    UseListEntry(d, 0, 10000, 20000, "ONE");
    UseListEntry(d, 1, 12345, 0, "TWO");
    UseListEntry(d, 4, 30000, 4000, "FIVE");
    const TwoToneCaptions c = MakeTwoToneCaptions(st);
    Printed p(st, Prt_2Tone);
    ASSERT_EQ(p.Pages().size(), 1u);
    const auto lines = BodyLines(p.Pages()[0], c.Form);
    // Heading, three rows, the gap, heading, three rows, then the list.
    ASSERT_EQ(lines.size(), 10u);
    EXPECT_EQ(Texts(lines[0]), std::vector<std::string>{c.MainTabs[1]});
    EXPECT_EQ(Columns(lines[0]), std::vector<float>{5});
    EXPECT_EQ(Texts(lines[4]), std::vector<std::string>{c.MainTabs[0]});
    EXPECT_GT(lines[4][0].Y - lines[3][0].Y, 2.5f * 12.0f);  // two empty lines between the blocks
    for (const int k : {1, 2, 3, 5, 6, 7}) EXPECT_EQ(Columns(lines[static_cast<std::size_t>(k)]), (std::vector<float>{10, 35, 55, 75}));
    EXPECT_EQ(Texts(lines[1])[0], c.Label2[0]);
    EXPECT_EQ(Texts(lines[2])[0], c.Label3[0]);
    EXPECT_EQ(Texts(lines[3])[2], c.Label3[3]);
    EXPECT_EQ(Texts(lines[7])[2], c.Check1);
    EXPECT_EQ(Texts(lines[8]), (std::vector<std::string>{"0", "1000.0", "2000.0", "ONE", "1", "1234.5", "TWO"}));
    EXPECT_EQ(Columns(lines[8]), (std::vector<float>{10, 13, 20, 27, 55, 58, 72}));
    EXPECT_EQ(Texts(lines[9]), (std::vector<std::string>{"4", "3000.0", "400.0", "FIVE"}));
    EXPECT_EQ(Columns(lines[9]), (std::vector<float>{10, 13, 20, 27}));
}

TEST(Prt2Tone, EmptyListEndsAfterTheSecondBlockAndLastRowPrintsLeft) {
    AppState st = DataIn(kLanguageEnglish);
    for (auto& e : st.CurRadioData.Signal.TwoTone.List) e.EmptyFlag = 1;
    const std::string title = MakeTwoToneCaptions(st).Form;
    EXPECT_EQ(BodyLines(Printed(st, Prt_2Tone).Pages()[0], title).size(), 8u);
    UseListEntry(st.CurRadioData.Signal.TwoTone, 31, 10000, 0, "LAST");
    const auto lines = BodyLines(Printed(st, Prt_2Tone).Pages()[0], title);
    ASSERT_EQ(lines.size(), 9u);
    EXPECT_EQ(Texts(lines[8])[0], "31");
    EXPECT_EQ(Columns(lines[8])[0], 10);
}

// ---- 5-Tone --------------------------------------------------------------------------------

void UseCodeRow(FiveToneData& ft, int row, const std::string& code) {
    FiveToneCodeRec& r = ft.CodeRows[static_cast<std::size_t>(row - 1)];
    r.CodeLength = static_cast<std::uint8_t>(code.size());
    r.Code = code;
    r.Standard = 1;
    r.TonePeriod = 40;
    r.Name = "N" + std::to_string(row);
}

TEST(Prt5Tone, DefaultRecordPrintsTheEditorsFirstRows) {
    AppState st = DataIn(kLanguageEnglish);
    FiveToneData& ft = st.CurRadioData.Signal.FiveTone;
    ft.OwnID = "";
    ft.SystemStandard = 0;
    ft.SystemResponse = 0;
    ft.SystemTonePeriod = 70;
    ft.TenMsSettingA = ft.TenMsSettingB = ft.FirstDigitDelay = ft.PauseTime = 20;
    ft.TenthsSetting = 0;
    ft.CountSetting = 10;
    ft.SideTone = 0;
    const FiveToneView v = ShowFiveTone(st, st.CurRadioData.Signal.FiveTone, 0);
    Printed p(st, Prt_5Tone);
    const auto lines = BodyLines(p.Pages()[0], v.Caption);
    ASSERT_GE(lines.size(), 7u + 8 + 3 + 1);
    EXPECT_EQ(At(lines[0], 75), "ZVEI1");
    EXPECT_EQ(Columns(lines[0]), (std::vector<float>{10, 55, 75}));  // no own ID
    EXPECT_EQ(Texts(lines[1]), (std::vector<std::string>{v.Label1[2], GetOptionStr(st, "60057"), v.Label1[3], "70"}));
    EXPECT_EQ(Texts(lines[2]), (std::vector<std::string>{v.Label1[4], "200", v.Label1[5], "0.0"}));
    EXPECT_EQ(Texts(lines[3]), (std::vector<std::string>{v.Label1[6], "200", v.Label1[7], "10"}));
    EXPECT_EQ(Texts(lines[4]), (std::vector<std::string>{v.Label1[8], "200", v.Label1[9], "200"}));
    EXPECT_EQ(Texts(lines[5]), (std::vector<std::string>{v.Check1Caption, "OFF"}));
    EXPECT_EQ(Columns(lines[6]), (std::vector<float>{10, 27, 42, 62, 80}));
    EXPECT_EQ(Texts(lines[7])[0], "1");
    EXPECT_EQ(Texts(lines[14])[0], "8");
    EXPECT_EQ(Columns(lines[15]), (std::vector<float>{35, 65, 80}));
    EXPECT_EQ(Texts(lines[16])[0], v.FrameCaption[0]);
    EXPECT_EQ(Texts(lines[17])[0], v.FrameCaption[1]);
    // The code table's heading after its gap, with no rows under it on the one page.
    ASSERT_EQ(lines.size(), 19u);
    EXPECT_EQ(Texts(lines[18]), (std::vector<std::string>{v.GridHeader[0], v.GridHeader[2], v.GridHeader[3],
                                                          v.GridHeader[4], v.GridHeader[5]}));
    EXPECT_EQ(Columns(lines[18]), (std::vector<float>{5, 10, 56, 70, 87}));
    // Rows start on whole units, so a gap may come short by less than one.
    EXPECT_NEAR(lines[18][0].Y - lines[17][0].Y, 3 * A4Like().LineHeight(PrintFont{}), 1.0f);
    EXPECT_EQ(p.Pages().size(), 1u);
}

TEST(Prt5Tone, CodeRowsPrintStoredCodeStandardAndPeriodAsTheRulesSay) {
    AppState st = DataIn(kLanguageEnglish);
    FiveToneData& ft = st.CurRadioData.Signal.FiveTone;
    UseCodeRow(ft, 1, "12345");
    ft.CodeRows[0].Code = "  12345EEE";  // longer than its length: printed whole, trimmed
    UseCodeRow(ft, 2, "2");
    ft.CodeRows[1].Standard = 15;        // no such standard: an empty cell
    ft.CodeRows[1].TonePeriod = 101;
    UseCodeRow(ft, 3, "3");
    ft.CodeRows[2].CodeLength = 0;       // left out whatever its text
    UseCodeRow(ft, 4, "4");
    ft.CodeRows[3].CodeLength = 41;
    UseCodeRow(ft, 5, "5");
    ft.CodeRows[4].IsEmpty = 1;          // the empty flag is not asked
    ft.CodeRows[4].TonePeriod = 30;
    ft.InfoCodes[0].InfoFunction = 8;    // outside the lists: empty cells
    ft.InfoCodes[0].InfoResponse = 3;
    ft.InfoCodes[0].CodeLength = 3;
    ft.InfoCodes[0].Code = "98765";
    ft.InfoCodes[0].Name = "INFO";
    Printed p(st, Prt_5Tone);
    const auto lines = BodyLines(p.Pages()[0], GetOptionStr(st, "60052"));
    ASSERT_EQ(lines.size(), 19u + 3);
    EXPECT_EQ(Texts(lines[7]), (std::vector<std::string>{"1", "987", "INFO"}));
    EXPECT_EQ(Columns(lines[7]), (std::vector<float>{10, 62, 80}));
    EXPECT_EQ(Texts(lines[19]), (std::vector<std::string>{"0", "12345EEE", "ZVEI2", "40", "N1"}));
    EXPECT_EQ(Texts(lines[20]), (std::vector<std::string>{"1", "2", "70", "N2"}));
    EXPECT_EQ(Columns(lines[20]), (std::vector<float>{5, 10, 70, 87}));
    EXPECT_EQ(Texts(lines[21]), (std::vector<std::string>{"4", "5", "ZVEI2", "30", "N5"}));
}

struct FiveTonePaging {
    const char* name;
    Metrics metrics;
};

class Prt5TonePages : public ::testing::TestWithParam<FiveTonePaging> {};

TEST_P(Prt5TonePages, BreakAboveNinetyFivePercentAndRepeatTheOpening) {
    AppState st = DataIn(kLanguageEnglish);
    for (int r = 1; r <= 100; ++r) UseCodeRow(st.CurRadioData.Signal.FiveTone, r, std::to_string(r) + "123");
    const FiveToneView v = ShowFiveTone(st, st.CurRadioData.Signal.FiveTone, 0);
    const Metrics& m = GetParam().metrics;
    const float h = m.PageHeight();
    const float line = m.LineHeight(PrintFont{});
    Printed p(st, Prt_5Tone, m);
    const auto& pages = p.Pages();
    ASSERT_GE(pages.size(), 2u);
    int next = 0;
    for (std::size_t n = 0; n < pages.size(); ++n) {
        SCOPED_TRACE(n);
        EXPECT_EQ(Footer(pages[n]), "- " + std::to_string(n + 1) + " -");
        for (const auto& t : pages[n].Items)
            if (!IsFooter(t)) {
                EXPECT_LE(t.Y + line, h * 0.95f + 0.01f) << t.Text;
            }
        const auto lines = BodyLines(pages[n], n == 0 ? v.Caption : std::string("5Tone"));
        ASSERT_FALSE(lines.empty());
        std::size_t k = 0;
        if (n == 0) {
            k = 18;
        } else {
            // Header, then the title with its two empty lines and the gap of two more.
            EXPECT_EQ(pages[n].Items[0].Text, pages[0].Items[0].Text);
            const auto title = std::find_if(pages[n].Items.begin(), pages[n].Items.end(),
                                            [](const DrawnText& t) { return t.Text == "5Tone"; });
            ASSERT_NE(title, pages[n].Items.end());
            EXPECT_EQ(title->X, m.PageWidth() * 5 / 100);
            // Rows start on whole units, so a gap may come short by less than one.
            EXPECT_NEAR(lines[0][0].Y - title->Y, 5 * line, 1.0f);
        }
        // The heading row follows the gap, then the rows continue their numbering.
        EXPECT_EQ(Texts(lines[k])[0], v.GridHeader[0]);
        for (++k; k < lines.size(); ++k) EXPECT_EQ(Texts(lines[k])[0], std::to_string(next++));
    }
    EXPECT_EQ(next, 100);
}

INSTANTIATE_TEST_SUITE_P(Paper, Prt5TonePages,
                         ::testing::Values(FiveTonePaging{"A4", A4Like()}, FiveTonePaging{"Letter", LetterLike()},
                                           FiveTonePaging{"Short", Metrics(1000, 700)}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(Prt5Tone, RowsThatJustFillThePageAddNoEmptyPage) {
    AppState st = DataIn(kLanguageEnglish);
    for (int r = 1; r <= 100; ++r) UseCodeRow(st.CurRadioData.Signal.FiveTone, r, "1");
    const std::string title = GetOptionStr(st, "60052");
    Printed probe(st, Prt_5Tone);
    const std::size_t rowsOnFirst = BodyLines(probe.Pages()[0], title).size() - 19;
    ASSERT_GT(rowsOnFirst, 0u);
    // The last row that fits ends within one line of the rows' bottom.
    const float lastTop = BodyLines(probe.Pages()[0], title).back()[0].Y;
    EXPECT_GT(lastTop + 2 * A4Like().LineHeight(PrintFont{}), A4Like().PageHeight() * 0.95f);
    // Exactly those rows: the section ends on its first page.
    for (int r = static_cast<int>(rowsOnFirst) + 1; r <= 100; ++r)
        st.CurRadioData.Signal.FiveTone.CodeRows[static_cast<std::size_t>(r - 1)].CodeLength = 0;
    Printed p(st, Prt_5Tone);
    ASSERT_EQ(p.Pages().size(), 1u);
    EXPECT_EQ(BodyLines(p.Pages()[0], title).size(), 19 + rowsOnFirst);
    EXPECT_EQ(Footer(p.Pages()[0]), "- 1 -");
    // One row more takes a second page.
    st.CurRadioData.Signal.FiveTone.CodeRows[rowsOnFirst].CodeLength = 1;
    EXPECT_EQ(Printed(st, Prt_5Tone).Pages().size(), 2u);
}

// ---- All sections --------------------------------------------------------------------------

TEST(PrtEditorSections, LeaveTheDataAsTheyWere) {
    for (const int lang : {kLanguageEnglish, kLanguageChinese}) {
        AppState st = DataIn(lang);
        st.CurRadioData.Signal.Option.RadioText = std::string("AB\0CD  ", 7);
        st.CurRadioData.Signal.TwoTone.Encode.OptionFlag = 7;
        st.CurRadioData.Signal.FiveTone.SystemTonePeriod = 12;
        st.CurRadioData.Signal.FiveTone.CountSetting = 3;
        st.CurRadioData.Signal.Alert.AutoDetectMode = 9;
        st.CurRadioData.Signal.DTMF.GroupDigit = 255;
        st.CurRadioData.Signal.DTMF.SeparatorDigit = 3;
        st.CurRadioData.Signal.DTMF.OwnId = "5";
        st.CurRadioInfo.Seller = "  X  ";
        const AppState before = st;
        PrintSources src;
        AddEditorSections(src);
        for (const PrintSection& section : {src.Option, src.DTMF, src.TwoTone, src.FiveTone, src.EMG, src.Alert}) {
            ASSERT_TRUE(section);
            const Metrics m = A4Like();
            PrintSurface s(m);
            PrintJob job(st, s, "");
            section(job);
        }
        EXPECT_TRUE(st.CurRadioData == before.CurRadioData);
        EXPECT_TRUE(st.FileRadioData == before.FileRadioData);
        EXPECT_TRUE(st.EditSignalData == before.EditSignalData);
        EXPECT_TRUE(st.CurRadioInfo == before.CurRadioInfo);
    }
}

}  // namespace
}  // namespace rp::print
