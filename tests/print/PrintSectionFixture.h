#pragma once
// The printout's editor sections on the recording surface: fixed metrics, a data set in one
// language, one section printed alone, and the lines of its page as a reader sees them.
#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

#include "PrintFixture.h"
#include "model/LangText.h"
#include "model/NewData.h"
#include "print/core/PrintFrame.h"
#include "print/core/PrintText.h"

namespace rp::print::test {

// The fixed metrics of the printout's core tests; a section prints on real A4 unless a test
// asks for another page.
using Metrics = FixedMetrics;

inline AppState DataIn(int language) {
    AppState st;
    st.ProgramDir = RP_SOURCE_DIR;
    SetLanguage(st, language);
    InitPrintText(st);
    NewData(st);
    return st;
}

// One section printed alone on a fresh job.
struct Printed {
    explicit Printed(const AppState& st, void (*section)(PrintJob&)) : Printed(st, section, A4Like()) {}
    Printed(const AppState& st, void (*section)(PrintJob&), float w, float h) : Printed(st, section, Metrics(w, h)) {}
    Printed(const AppState& st, void (*section)(PrintJob&), const Metrics& m)
        : metrics(m), surface(metrics), job(st, surface, "2026-12-10    15:00:00") {
        surface.Font.Size = 10;
        section(job);
        surface.EndDoc();
    }
    Metrics metrics;
    PrintSurface surface;
    PrintJob job;

    const std::vector<PrintedPage>& Pages() const { return surface.Pages(); }
};

inline bool IsFooter(const DrawnText& t) { return t.Text.rfind("- ", 0) == 0 && t.Text.size() > 2 && t.Text.back() == '-'; }

// The lines of a page below its section title (the item at 5 % that follows the header's file
// row), without the footer: items that share a top form one line, left to right.
inline std::vector<std::vector<DrawnText>> BodyLines(const PrintedPage& page, const std::string& title) {
    std::vector<std::vector<DrawnText>> lines;
    bool inBody = false;
    for (const DrawnText& t : page.Items) {
        if (!inBody) {
            inBody = t.Text == title && !t.Font.Bold;  // the header's texts are bold
            continue;
        }
        if (IsFooter(t)) continue;
        if (!lines.empty() && lines.back().front().Y == t.Y)
            lines.back().push_back(t);
        else
            lines.push_back({t});
    }
    for (auto& l : lines) std::sort(l.begin(), l.end(), [](const DrawnText& a, const DrawnText& b) { return a.X < b.X; });
    return lines;
}

inline std::vector<std::string> Texts(const std::vector<DrawnText>& line) {
    std::vector<std::string> out;
    for (const auto& t : line) out.push_back(t.Text);
    return out;
}

// Columns as percentages of the A4 width, to the hundredth.
inline std::vector<float> Columns(const std::vector<DrawnText>& line) {
    std::vector<float> out;
    for (const auto& t : line) out.push_back(std::round(t.X * 100.0f / A4Like().PageWidth() * 100.0f) / 100.0f);
    return out;
}

// A line's cell at a column (percent), "" when nothing is drawn there.
inline std::string At(const std::vector<DrawnText>& line, float percent) {
    for (const auto& t : line)
        if (std::abs(t.X - A4Like().PageWidth() * percent / 100.0f) < 0.01f) return t.Text;
    return {};
}

inline std::string Footer(const PrintedPage& page) {
    for (const auto& t : page.Items)
        if (IsFooter(t)) return t.Text;
    return {};
}

}  // namespace rp::print::test
