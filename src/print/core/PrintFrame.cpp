#include "print/core/PrintFrame.h"

#include <algorithm>
#include <cmath>

#include "model/ModelTable.h"
#include "model/Values.h"
#include "print/core/PrintText.h"

namespace rp::print {

namespace {

long WholeY(float y) { return static_cast<long>(RoundHalfEven(static_cast<double>(y))); }

}  // namespace

void PrintRow(PrintJob& job, const std::vector<PrintCell>& cells) {
    PrintSurface& s = job.Surface;
    job.CurPrintY = WholeY(s.CurrentY);
    float bottom = s.CurrentY;
    for (std::size_t i = 0; i < cells.size(); ++i) {
        s.CurrentY = static_cast<float>(job.CurPrintY);
        s.CurrentX = Column(s, cells[i].Percent);
        if (i + 1 < cells.size())
            s.SetRightLimit(Column(s, cells[i + 1].Percent));
        else
            s.ClearRightLimit();
        s.Print(cells[i].Text);
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
    float width = s.TextWidth(title);
    while (width > s.Width() && s.Font.Size > 1.0f) {
        s.Font.Size = std::max(1.0f, std::floor(s.Font.Size * s.Width() / width * 10.0f) / 10.0f - 0.1f);
        width = s.TextWidth(title);
    }
    s.CurrentX = std::max(0.0f, (s.Width() - width) / 2);
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
