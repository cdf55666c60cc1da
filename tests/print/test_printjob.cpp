// The print job over the recording surface: section order, pages, the page frame, the page
// fitting of the channel and book sections, and that printing leaves the data alone.
#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <regex>

#include "PrintFixture.h"
#include "model/DataChanged.h"
#include "print/core/PrtCommBook.h"

namespace rp::print {
namespace {

using namespace test;

std::vector<std::string> Texts(const PrintedPage& p) {
    std::vector<std::string> t;
    for (const auto& it : p.Items) t.push_back(it.Text);
    return t;
}

bool Holds(const PrintedPage& p, const std::string& text) {
    for (const auto& it : p.Items)
        if (it.Text == text) return true;
    return false;
}

// The footer's "- n -" on each page, in page order.
std::vector<std::string> Footers(const PrintSurface& s) {
    std::vector<std::string> f;
    for (const auto& p : s.Pages()) f.push_back(p.Items.empty() ? "" : p.Items.back().Text);
    return f;
}

class PrintJobTest : public ::testing::Test {
protected:
    void SetUp() override { UseLanguage(st, kLanguageEnglish); }
    std::vector<PrintedPage> Run(const PrintMetrics& m, std::initializer_list<int> items) {
        PrintSurface s(m);
        EXPECT_TRUE(PrintAllItems(st, s, Ticks(items), TestSources()));
        return s.Pages();
    }
    AppState st;
};

struct PageCountCase {
    int Channels;
    std::size_t Pages;
};

class ChannelPages : public PrintJobTest, public ::testing::WithParamInterface<PageCountCase> {};

TEST_P(ChannelPages, FourBlocksToAnA4Page) {
    FillChannels(st, GetParam().Channels);
    const auto m = A4Like();
    PrintSurface s(m);
    ASSERT_TRUE(PrintAllItems(st, s, Ticks({0}), TestSources()));
    ASSERT_EQ(s.Pages().size(), GetParam().Pages);
    for (std::size_t i = 0; i < s.Pages().size(); ++i)
        EXPECT_EQ(Footers(s)[i], "- " + std::to_string(i + 1) + " -");
}

INSTANTIATE_TEST_SUITE_P(Counts, ChannelPages,
                         ::testing::Values(PageCountCase{0, 1}, PageCountCase{4, 1}, PageCountCase{5, 2},
                                           PageCountCase{6, 2}, PageCountCase{7, 2}, PageCountCase{8, 2},
                                           PageCountCase{9, 3}, PageCountCase{206, 52}),
                         [](const auto& info) { return std::to_string(info.param.Channels) + "Channels"; });

TEST_F(PrintJobTest, SectionsFollowTheFixedOrderWithPageNumbersCountingOn) {
    FillChannels(st, 6);
    const auto m = A4Like();
    const auto pages = Run(m, {9, 7, 5, 0, 3});
    ASSERT_EQ(pages.size(), 3u);  // two channel pages and the book
    EXPECT_TRUE(Holds(pages[0], "Channel Information"));
    EXPECT_TRUE(Holds(pages[1], "Channel 5"));
    EXPECT_TRUE(Holds(pages[2], "Communication Book"));
    EXPECT_EQ(pages[2].Items.back().Text, "- 3 -");
    // Every page opens with the header.
    for (const auto& p : pages) {
        const auto t = Texts(p);
        EXPECT_EQ(t[0], "Radio Programming Software Radio Programming Information");
        EXPECT_EQ(t[1], "2026-12-10    15:00:00");
        EXPECT_EQ(t[2], "Model Type");
        EXPECT_EQ(t[3], "6173USD");
        EXPECT_EQ(t[4], "Frequency");
        EXPECT_EQ(t[5], "UHF(400 - 480 MHz) VHF(136 - 174 MHz)");
        EXPECT_EQ(t[6], "File Name");
        EXPECT_EQ(t[7], "new.dat");
    }
}

TEST_F(PrintJobTest, ChannelsPrintInAscendingNumberWithTheirOwnLabels) {
    // Special channels stored first; 201 and 206 are labelled as everywhere else.
    st.ChannelTable[0] = Channel(206);
    st.ChannelTable[1] = Channel(201);
    st.ChannelTable[2] = Channel(1);
    st.CurRadioData.ChannelCount = 3;
    const auto m = A4Like();
    const auto pages = Run(m, {0});
    ASSERT_EQ(pages.size(), 1u);
    std::vector<std::string> headings;
    for (const auto& it : pages[0].Items)
        if (it.X == m.PageWidth() * 5 / 100) headings.push_back(it.Text);  // headings stand at 5 %
    EXPECT_EQ(headings, (std::vector<std::string>{"Channel Information", "Channel 0", "Channel PL1", "Channel VFO2"}));
}

TEST_F(PrintJobTest, ItemsOneAndTwoAloneAreNoSelectionAndPrintNothing) {
    EXPECT_FALSE(AnyPrintItem(Ticks({1, 2})));
    EXPECT_TRUE(AnyPrintItem(Ticks({9})));
    EXPECT_TRUE(Run(A4Like(), {1, 2}).empty());
}

TEST_F(PrintJobTest, HeaderInChineseAndAnUnknownModelPrintsItsCode) {
    st.CurModelCode = "XY123";
    SetLanguage(st, kLanguageChinese);
    const auto pages = Run(A4Like(), {7});
    const auto t = Texts(pages.at(0));
    EXPECT_EQ(t[0], "Radio Programming Software 对讲机编程信息");  // product name of the start-up language
    EXPECT_EQ(t[2], "机型类型");
    EXPECT_EQ(t[3], "XY123");
    EXPECT_EQ(t[4], "频率");
    EXPECT_EQ(t[6], "文件名");
    EXPECT_TRUE(Holds(pages[0], "通信簿"));
}

TEST_F(PrintJobTest, NothingPassesTheRightEdgeOrTheFooterBand) {
    FillChannels(st, 206);
    for (auto& e : st.CurRadioData.CommBookList) {
        e.CallID = "12345";
        e.Name = "ABCDEF";
    }
    st.DataFileName = "/a/rather/long/folder/name/that/goes/on/and/on/for/ever/and/a/day/data file.dat";
    for (const auto* name : {"A4", "Letter", "Short", "A6"}) {
        for (int lang : {kLanguageEnglish, kLanguageChinese}) {
            SetLanguage(st, lang);
            const FixedMetrics m = std::string(name) == "A4"       ? A4Like()
                                 : std::string(name) == "Letter"   ? LetterLike()
                                 : std::string(name) == "A6"       ? A6Like()
                                                                   : FixedMetrics(600, 700);
            PrintSurface s(m);
            ASSERT_TRUE(PrintAllItems(st, s, Ticks({0, 7}), TestSources()));
            for (const auto& p : s.Pages()) {
                for (std::size_t i = 0; i < p.Items.size(); ++i) {
                    const auto& it = p.Items[i];
                    EXPECT_GE(it.X, 0.0f);
                    EXPECT_LE(it.X + m.TextWidth(it.Text, it.Font), m.PageWidth() + 0.01f) << name << " " << it.Text;
                    if (i + 1 < p.Items.size())  // all but the footer
                        EXPECT_LE(it.Y + m.LineHeight(it.Font), m.PageHeight() * 0.95f + 0.01f) << name << " " << it.Text;
                    else
                        EXPECT_LE(it.Y + m.LineHeight(it.Font), m.PageHeight() + 0.01f);
                }
            }
        }
    }
}

TEST_F(PrintJobTest, AShortPageTakesFewerBlocksAndTheBookBreaks) {
    FillChannels(st, 10);
    const FixedMetrics shortPage(1000, 700);
    const auto channelPages = Run(shortPage, {0});
    EXPECT_GT(channelPages.size(), 2u);
    int blocks = 0;
    for (const auto& it : channelPages[0].Items)
        if (std::regex_match(it.Text, std::regex("Channel [0-9]+"))) ++blocks;
    EXPECT_EQ(blocks, 3);

    const auto bookPages = Run(shortPage, {7});
    ASSERT_GE(bookPages.size(), 2u);
    std::vector<std::string> numbers;
    for (std::size_t p = 0; p < bookPages.size(); ++p) {
        // Each page: header, title, heading row, then rows; the footer counts on.
        EXPECT_TRUE(Holds(bookPages[p], "Communication Book"));
        EXPECT_TRUE(Holds(bookPages[p], "Call ID"));
        EXPECT_EQ(bookPages[p].Items.back().Text, "- " + std::to_string(p + 1) + " -");
        for (const auto& it : bookPages[p].Items)
            if (it.X == shortPage.PageWidth() * 10 / 100 && std::regex_match(it.Text, std::regex("[0-9]+")))
                numbers.push_back(it.Text);
    }
    // Group 1 holds rows 0 to 49 once each, across the pages.
    ASSERT_EQ(numbers.size(), 50u);
    EXPECT_EQ(numbers.front(), "0");
    EXPECT_EQ(numbers.back(), "49");
}

TEST_F(PrintJobTest, ABlockTallerThanASmallPageBreaksBetweenLinesUnderItsHeading) {
    FillChannels(st, 7);
    // A6 paper's width, and a page short enough that no channel block fits on it whole.
    const FixedMetrics m(278.0f, 360.0f, 1.164f);
    const auto pages = Run(m, {0});
    const std::string scanSkip = ChannelDialogTexts(st).Check6;
    std::vector<std::string> blockOrder;  // each heading and each block's last caption, as read
    std::map<std::string, int> headings;
    for (std::size_t p = 0; p < pages.size(); ++p) {
        const auto& items = pages[p].Items;
        ASSERT_GE(items.size(), 10u);
        EXPECT_EQ(items.back().Text, "- " + std::to_string(p + 1) + " -");
        // Under the header and the title every page goes on with a channel's heading.
        const auto title = std::find_if(items.begin(), items.end(),
                                        [](const DrawnText& t) { return t.Text == "Channel Information"; });
        ASSERT_NE(title, items.end());
        ASSERT_TRUE(std::regex_match((title + 1)->Text, std::regex("Channel [0-9]+"))) << (title + 1)->Text;
        for (auto it = title + 1; it + 1 != items.end(); ++it) {
            EXPECT_LE(it->Y + m.LineHeight(it->Font), m.PageHeight() * 0.95f + 0.01f) << "page " << p + 1 << " " << it->Text;
            if (std::regex_match(it->Text, std::regex("Channel [0-9]+"))) ++headings[it->Text];
            if (std::regex_match(it->Text, std::regex("Channel [0-9]+")) || it->Text == scanSkip)
                blockOrder.push_back(it->Text);
        }
    }
    EXPECT_GT(pages.size(), 7u);  // no block fits a page
    // Every block whole and in order, its heading again on each page it goes on to.
    std::vector<std::string> once;
    for (const auto& t : blockOrder)
        if (once.empty() || once.back() != t) once.push_back(t);
    std::vector<std::string> expected;
    for (int n = 0; n < 7; ++n) {
        expected.push_back("Channel " + std::to_string(n));
        expected.push_back(scanSkip);
        EXPECT_GE(headings["Channel " + std::to_string(n)], 2) << n;
    }
    EXPECT_EQ(once, expected);
}

TEST_F(PrintJobTest, BookPrintsStoredOrderWithTrimmedTexts) {
    auto& book = st.CurRadioData.CommBookList;
    book[0].CallID = "12345";
    book[0].Name = "FULLNM";
    book[1].CallID.SetNulTerminated("12");
    book[1].Name = std::string("AB\0XY ", 6);
    const auto pages = Run(A4Like(), {7});
    ASSERT_EQ(pages.size(), 1u);
    const auto t = Texts(pages[0]);
    auto at = [&](const std::string& s) { return std::find(t.begin(), t.end(), s) - t.begin(); };
    EXPECT_LT(at("12345"), at("FULLNM"));
    EXPECT_LT(at("FULLNM"), at("12"));
    EXPECT_LT(at("12"), at("AB"));
    EXPECT_NE(at("79"), static_cast<long>(t.size()));  // every position prints its number
    EXPECT_EQ(at("80"), static_cast<long>(t.size()));
}

TEST_F(PrintJobTest, ATitleWiderThanThePageShrinksToFit) {
    const FixedMetrics narrow(300, 1000);
    const auto pages = Run(narrow, {7});
    const auto& title = pages.at(0).Items.at(0);
    EXPECT_LT(title.Font.Size, 25.0f);
    EXPECT_LE(narrow.TextWidth(title.Text, title.Font), 300.0f);
    EXPECT_EQ(title.Text, "Radio Programming Software Radio Programming Information");
}

TEST_F(PrintJobTest, ASectionThatFailsFailsTheJob) {
    PrintSources src = TestSources();
    src.Alert = [](PrintJob&) { throw std::runtime_error("printer gone"); };
    const auto m = A4Like();  // the surface keeps a reference to its metrics
    PrintSurface s(m);
    EXPECT_FALSE(PrintAllItems(st, s, Ticks({9}), src));
    // The same sources without that section ticked print as before.
    PrintSurface other(m);
    EXPECT_TRUE(PrintAllItems(st, other, Ticks({7}), src));
    EXPECT_FALSE(other.Pages().empty());
}

TEST_F(PrintJobTest, PrintingChangesNoData) {
    FillChannels(st, 206);
    st.ChannelTable[3].DecToneType = 1;
    st.ChannelTable[3].DecCTCSSIndex = 99;
    st.ChannelTable[4].EncToneType = 2;
    st.ChannelTable[4].EncDCSCode = 600;
    st.ChannelTable[5].TxInhibit = 7;
    st.FileChannelTable = st.ChannelTable;
    st.FileRadioData = st.CurRadioData;
    st.FileRadioData.ModelCode = st.CurModelCode;
    ASSERT_FALSE(IsDataChanged(st));
    const AppState before = st;
    Run(A4Like(), {0, 1, 2, 3, 4, 5, 6, 7, 8, 9});
    EXPECT_TRUE(st.ChannelTable == before.ChannelTable);
    EXPECT_TRUE(st.CurRadioData == before.CurRadioData);
    EXPECT_FALSE(IsDataChanged(st));
}

}  // namespace
}  // namespace rp::print
