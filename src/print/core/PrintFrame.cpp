#include "print/core/PrintFrame.h"

#include <algorithm>
#include <cmath>

#include "model/ModelTable.h"
#include "model/Values.h"
#include "print/core/PrintText.h"

namespace rp::print {

namespace {

long WholeY(float y) { return static_cast<long>(RoundHalfEven(static_cast<double>(y))); }

// The largest size, down to one point, at which text takes no more than room.
PrintFont FittedFont(const PrintSurface& s, const std::string& text, float room) {
    PrintFont font = s.Font;
    float width = s.Metrics().TextWidth(text, font);
    while (width > room && font.Size > 1.0f) {
        font.Size = std::max(1.0f, std::floor(font.Size * std::max(room, 0.0f) / width * 10.0f) / 10.0f - 0.1f);
        width = s.Metrics().TextWidth(text, font);
    }
    return font;
}

}  // namespace

void PrintRow(PrintJob& job, const std::vector<PrintCell>& cells, CellFit fit) {
    PrintSurface& s = job.Surface;
    const PrintFont rowFont = s.Font;
    job.CurPrintY = WholeY(s.CurrentY);
    float bottom = s.CurrentY;
    if (fit == CellFit::OneLine) bottom = std::max(bottom, static_cast<float>(job.CurPrintY) + s.TextHeight());
    for (std::size_t i = 0; i < cells.size(); ++i) {
        s.CurrentY = static_cast<float>(job.CurPrintY);
        s.CurrentX = Column(s, cells[i].Percent);
        const bool last = i + 1 == cells.size();
        const float right = last ? s.Width() : Column(s, cells[i + 1].Percent);
        if (last)
            s.ClearRightLimit();
        else
            s.SetRightLimit(right);
        if (fit == CellFit::OneLine) {
            // The last cell runs to the edge of the page; the others leave room before the next.
            const float gap = last ? 0.0f : s.TextWidth("  ");
            s.Font = FittedFont(s, cells[i].Text, right - s.CurrentX - gap);
        }
        s.Print(cells[i].Text);
        s.Font = rowFont;
        bottom = std::max(bottom, s.CurrentY);
    }
    s.ClearRightLimit();
    s.CurrentY = bottom;
}

void PrintHead(PrintJob& job) {
    PrintSurface& s = job.Surface;
    const AppState& st = job.State;
    const std::string& title = PrtText(st, st.PrtTextTitle);
    s.Font = PrintFont{25.0f, true};
    s.CurrentY = s.Height() * 2 / 100;
    // A title wider than the page gets a size that fits rather than running off the sheet.
    s.Font = FittedFont(s, title, s.Width());
    s.CurrentX = std::max(0.0f, (s.Width() - s.TextWidth(title)) / 2);
    s.Print(title + "\r\n");
    s.Font = PrintFont{10.0f, true};
    s.CurrentX = s.Width() * 3 / 4;
    s.Print(job.DateTimeText + "\r\n");
    PrintRow(job, {{8, PrtText(st, st.PrtTextModelType)}, {25, GetModelName(st, st.CurModelCode)}});
    PrintRow(job, {{8, PrtText(st, st.PrtTextFrequency)}, {25, st.CurBandText}});
    PrintRow(job, {{8, PrtText(st, st.PrtTextFileName)}, {25, st.DataFileName + "\r\n"}});
    s.Font.Bold = false;
}

void PrintPage(PrintJob& job) {
    PrintSurface& s = job.Surface;
    const std::string text = "- " + std::to_string(s.Page()) + " -";
    s.CurrentX = std::max(0.0f, (s.Width() - s.TextWidth(text)) / 2);
    // Large fonts lift the footer so that its line still ends on the page.
    s.CurrentY = std::min(s.Height() - s.Height() * 3 / 100, s.Height() - s.TextHeight());
    s.ClearRightLimit();
    s.Print(text);
}

void PrintSectionTitle(PrintJob& job, const std::string& title, int emptyLines) {
    PrintSurface& s = job.Surface;
    s.CurrentX = Column(s, 5);
    std::string text = title;
    for (int i = 0; i < emptyLines; ++i) text += "\r\n";
    s.Print(text);
}

float RowsBottom(const PrintJob& job) { return job.Surface.Height() * 95 / 100; }

float DryRunHeight(const PrintJob& job, const std::function<void(PrintJob&)>& body) {
    PrintSurface scratch(job.Surface.Metrics());
    scratch.Font = job.Surface.Font;
    PrintJob dry(job.State, scratch, job.DateTimeText);
    body(dry);
    return scratch.CurrentY;
}

}  // namespace rp::print
