// The five-tone code table and the communication book print each row on one line: a name of
// wide letters, the longest code and the longest standard print whole, clear of the next
// column. On A4 and Letter they keep the body size; on a small page a cell too wide for its
// column prints smaller rather than wrapping or being cut.
#include <gtest/gtest.h>

#include <algorithm>
#include <map>

#include "PrintSectionFixture.h"
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

const std::string kCode40 = "1234567890123456789012345678901234567890";

// Every code row used: 40 digits, the longest standard, the longest period, seven wide letters.
void FillFiveTone(AppState& st) {
    for (auto& r : st.CurRadioData.Signal.FiveTone.CodeRows) {
        r.IsEmpty = 0;
        r.Code = kCode40;
        r.CodeLength = 40;
        r.Standard = 10;  // EURO SIGNAL
        r.TonePeriod = 100;
        r.Name = "WWWWWWW";
    }
}

std::vector<std::vector<std::string>> FiveToneRows(const AppState& st) {
    const FiveToneView v = ShowFiveTone(st, st.CurRadioData.Signal.FiveTone, 0);
    std::vector<std::vector<std::string>> rows = {
        {v.GridHeader[0], v.GridHeader[2], v.GridHeader[3], v.GridHeader[4], v.GridHeader[5]}};
    for (int r = 0; r < kFiveToneRows; ++r) rows.push_back({std::to_string(r), kCode40, "EURO SIGNAL", "100", "WWWWWWW"});
    return rows;
}

void FillBook(AppState& st) {
    for (auto& e : st.CurRadioData.CommBookList) {
        e.CallID = "12345";
        e.Name = "WWWWWW";
    }
}

std::vector<std::vector<std::string>> BookRows(const AppState& st) {
    std::vector<std::vector<std::string>> rows(1);
    for (int g = 0; g < 3; ++g) rows[0].insert(rows[0].end(), {GetLangStr(st, 3007), "Call ID", "Name"});
    for (int r = 0; r < 50; ++r) {
        std::vector<std::string> row;
        for (int p = r; p < static_cast<int>(st.CurRadioData.CommBookList.size()); p += 50)
            row.insert(row.end(), {std::to_string(p), "12345", "WWWWWW"});
        rows.push_back(row);
    }
    return rows;
}

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
    {"FiveToneA4", FillFiveTone, FiveToneRows, Prt_5Tone, A4Like(), true},
    {"FiveToneLetter", FillFiveTone, FiveToneRows, Prt_5Tone, LetterLike(), true},
    {"FiveToneA6", FillFiveTone, FiveToneRows, Prt_5Tone, A6Like(), false},
    {"BookA4", FillBook, BookRows, Prt_CommBook, A4Like(), true},
    {"BookLetter", FillBook, BookRows, Prt_CommBook, LetterLike(), true},
    {"BookA6", FillBook, BookRows, Prt_CommBook, A6Like(), false},
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
                if (it.Text == "WWWWWWW" || it.Text == "WWWWWW" || it.Text == kCode40 || it.Text == "EURO SIGNAL") {
                    EXPECT_EQ(it.Font.Size, 10.0f) << it.Text;
                }
    }
}

INSTANTIATE_TEST_SUITE_P(Paper, PrintedTableRows, ::testing::ValuesIn(kCases),
                         [](const auto& info) { return std::string(info.param.Name); });

}  // namespace
}  // namespace rp::print
