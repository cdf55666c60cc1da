#pragma once
// One print job's shared state and the page frame every section uses: the page header, the
// footer with the page number, the section title and the row rule.
#include <functional>
#include <string>
#include <vector>

#include "model/AppState.h"
#include "print/core/PrintSurface.h"

namespace rp::print {

struct PrintJob {
    PrintJob(const AppState& state, PrintSurface& surface, std::string dateTime)
        : State(state), Surface(surface), DateTimeText(std::move(dateTime)) {}
    const AppState& State;  // printing only reads the data
    PrintSurface& Surface;
    std::string DateTimeText;  // "date    time" as the system writes them, taken once per job
    long CurPrintY = 0;        // top of the row being printed
};

// A cell of a row: its column as a percentage of the page width and its text.
struct PrintCell {
    float Percent = 0;
    std::string Text;
};

// How a row's cells keep to their columns.
enum class CellFit {
    Wrap,     // a cell that would pass the next cell's column (or the right edge) wraps inside it
    OneLine,  // a table row: a cell too wide for its column, less a gap of two blanks, prints
              // smaller so that it still takes one line, whole
};

// The row rule: every cell starts at the row's top; the next row starts below the lowest cell.
void PrintRow(PrintJob& job, const std::vector<PrintCell>& cells, CellFit fit = CellFit::Wrap);

// Page header: title, date and time, model, band and file rows; leaves 10 points, not bold.
void PrintHead(PrintJob& job);
// Footer: the centred page number near the foot of the page. Starts no new page.
void PrintPage(PrintJob& job);
// A section's title at 5 % of the width, with emptyLines empty lines below it.
void PrintSectionTitle(PrintJob& job, const std::string& title, int emptyLines = 2);

// The lowest point a section's rows may reach; only the footer lies below it.
float RowsBottom(const PrintJob& job);
// How far printing body would move down, tried on a scratch page with the same metrics and font.
float DryRunHeight(const PrintJob& job, const std::function<void(PrintJob&)>& body);

// Column x of a percentage of the width, in single precision as the layout asks.
inline float Column(const PrintSurface& s, float percent) { return s.Width() * percent / 100.0f; }

}  // namespace rp::print
