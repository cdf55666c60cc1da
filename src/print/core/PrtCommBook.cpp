#include "print/core/PrtCommBook.h"

#include "model/LangText.h"
#include "model/ValueText.h"
#include "print/core/PrintText.h"

namespace rp::print {

namespace {

constexpr int kRows = 50;
// A row is one line: on A4 each group holds a number, a call ID and a name of six wide letters
// at the body size; a narrower page prints a cell too wide for its column smaller.
constexpr float kGroupColumns[3][3] = {{10, 16, 25}, {38, 44, 53}, {66, 72, 81}};

void PrintOpening(PrintJob& job) {
    const AppState& st = job.State;
    PrintHead(job);
    PrintSectionTitle(job, PrtText(st, st.PrtTextCommBook), 2);
    std::vector<PrintCell> heading;
    for (const auto& g : kGroupColumns) {
        heading.push_back({g[0], GetLangStr(st, 3007)});
        heading.push_back({g[1], "Call ID"});
        heading.push_back({g[2], "Name"});
    }
    PrintRow(job, heading, CellFit::OneLine);
}

std::vector<PrintCell> BookRow(const AppState& st, int r) {
    const auto& book = st.CurRadioData.CommBookList;
    std::vector<PrintCell> cells;
    for (int g = 0; g < 3; ++g) {
        const int p = r + kRows * g;
        if (p >= static_cast<int>(book.size())) continue;
        const auto& e = book[static_cast<std::size_t>(p)];
        cells.push_back({kGroupColumns[g][0], std::to_string(p)});
        cells.push_back({kGroupColumns[g][1], ShownText(AnsiToUtf8(e.CallID.Trimmed()))});
        cells.push_back({kGroupColumns[g][2], ShownText(AnsiToUtf8(e.Name.Trimmed()))});
    }
    return cells;
}

}  // namespace

void Prt_CommBook(PrintJob& job) {
    PrintSurface& s = job.Surface;
    PrintOpening(job);
    for (int r = 0; r < kRows; ++r) {
        const auto cells = BookRow(job.State, r);
        const float height = DryRunHeight(job, [&](PrintJob& dry) { PrintRow(dry, cells, CellFit::OneLine); });
        if (s.CurrentY + height > RowsBottom(job)) {
            PrintPage(job);
            s.NewPage();
            PrintOpening(job);
        }
        PrintRow(job, cells, CellFit::OneLine);
    }
    PrintPage(job);
    s.NewPage();
}

}  // namespace rp::print
