// The five-tone code table and the communication book print each row on one line: a name of
// wide letters, the longest code and the longest standard print whole, clear of the next
// column. On A4 and Letter they keep the body size; on a small page a cell too wide for its
// column prints smaller rather than wrapping or being cut.
#include <gtest/gtest.h>

#include <algorithm>
#include <map>

#include "PrintSectionFixture.h"
#include "WideTableRows.h"
#include "mappings/FiveTone.h"
#include "print/core/PrtCommBook.h"
#include "print/core/PrtFiveTone.h"

namespace rp::print {
namespace {

using namespace test;

// The fixture's metrics with W as wide as its font size, as the printer's wide letters are.
class WideLetterMetrics : public FixedMetrics {
public:
    explicit WideLetterMetrics(const FixedMetrics& m) : FixedMetrics(m) {}
    float TextWidth(const std::string& s, const PrintFont& f) const override {
        const auto wide = static_cast<float>(std::count(s.begin(), s.end(), 'W'));
        return FixedMetrics::TextWidth(s, f) + wide * 0.5f * f.Size * (f.Bold ? 1.1f : 1.0f);
    }
};

struct TableCase {
    const char* Name;
    void (*Fill)(AppState&);
    std::vector<std::vector<std::string>> (*Rows)(const AppState&);
    void (*Section)(PrintJob&);
    FixedMetrics Paper;
    bool BodySize;  // the paper holds every cell at the body size
};
void PrintTo(const TableCase& c, std::ostream* os) { *os << c.Name; }

const TableCase kCases[] = {
    {"FiveToneA4", rp::test::FillFiveTone, rp::test::FiveToneRows, Prt_5Tone, A4Like(), true},
    {"FiveToneLetter", rp::test::FillFiveTone, rp::test::FiveToneRows, Prt_5Tone, LetterLike(), true},
    {"FiveToneA6", rp::test::FillFiveTone, rp::test::FiveToneRows, Prt_5Tone, A6Like(), false},
    {"BookA4", rp::test::FillBook, rp::test::BookRows, Prt_CommBook, A4Like(), true},
    {"BookLetter", rp::test::FillBook, rp::test::BookRows, Prt_CommBook, LetterLike(), true},
    {"BookA6", rp::test::FillBook, rp::test::BookRows, Prt_CommBook, A6Like(), false},
};

class PrintedTableRows : public ::testing::TestWithParam<TableCase> {};

TEST_P(PrintedTableRows, EachRowPrintsWholeOnOneLine) {
    const TableCase& c = GetParam();
    AppState st = DataIn(kLanguageEnglish);
    c.Fill(st);
    const WideLetterMetrics m(c.Paper);
    PrintSurface surface(m);
    surface.Font.Size = 10;
    PrintJob job(st, surface, "2026-12-10    15:00:00");
    c.Section(job);
    surface.EndDoc();

    const float gap = m.TextWidth("  ", PrintFont{});
    const auto rows = c.Rows(st);
    // The table's lines on each page: the items sharing a top, left to right.
    std::map<std::vector<std::string>, int> found;
    for (const auto& page : surface.Pages()) {
        std::map<float, std::vector<DrawnText>> lines;
        for (const auto& it : page.Items) lines[it.Y].push_back(it);
        for (auto& [top, items] : lines) {
            std::sort(items.begin(), items.end(), [](const auto& a, const auto& b) { return a.X < b.X; });
            std::vector<std::string> texts;
            for (const auto& it : items) texts.push_back(it.Text);
            if (std::find(rows.begin(), rows.end(), texts) == rows.end()) continue;
            ++found[texts];
            for (std::size_t i = 0; i < items.size(); ++i) {
                const float right = items[i].X + m.TextWidth(items[i].Text, items[i].Font);
                if (i + 1 < items.size()) {
                    EXPECT_LE(right + gap, items[i + 1].X + 0.01f) << "\"" << items[i].Text << "\" runs into \""
                                                                  << items[i + 1].Text << "\"";
                }
                EXPECT_LE(right, m.PageWidth() + 0.01f) << items[i].Text;
            }
        }
    }
    // A cell that wrapped or was cut leaves its row without a line of exactly its texts.
    for (std::size_t r = 0; r < rows.size(); ++r) EXPECT_GE(found[rows[r]], 1) << "row " << r << " is not one whole line";

    if (c.BodySize) {
        for (const auto& page : surface.Pages())
            for (const auto& it : page.Items)
                if (it.Text == "WWWWWWW" || it.Text == "WWWWWW" || it.Text == rp::test::kCode40 || it.Text == "EURO SIGNAL") {
                    EXPECT_EQ(it.Font.Size, 10.0f) << it.Text;
                }
    }
}

INSTANTIATE_TEST_SUITE_P(Paper, PrintedTableRows, ::testing::ValuesIn(kCases),
                         [](const auto& info) { return std::string(info.param.Name); });

}  // namespace
}  // namespace rp::print
