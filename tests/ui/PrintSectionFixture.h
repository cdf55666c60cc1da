#pragma once
// The printout's editor sections on the recording surface: fixed metrics, a data set in one
// language, one section printed alone, and the lines of its page as a reader sees them.
#include <algorithm>
#include <string>
#include <vector>

#include "model/LangText.h"
#include "model/NewData.h"
#include "print/core/PrintFrame.h"
#include "print/core/PrintText.h"

namespace rp::print::test {

// Every character is half its font size wide (a CJK character its full size); a line is 1.2
// times the size high.
class Metrics : public PrintMetrics {
public:
    Metrics(float w, float h) : w_(w), h_(h) {}
    float PageWidth() const override { return w_; }
    float PageHeight() const override { return h_; }
    float TextWidth(const std::string& s, const PrintFont& f) const override {
        float units = 0;
        for (std::size_t i = 0; i < s.size();) {
            const auto c = static_cast<unsigned char>(s[i]);
            const std::size_t n = c < 0x80 ? 1 : (c >> 5) == 0x6 ? 2 : (c >> 4) == 0xE ? 3 : 4;
            units += n >= 3 ? 1.0f : 0.5f;
            i += n;
        }
        return units * f.Size * (f.Bold ? 1.1f : 1.0f);
    }
    float LineHeight(const PrintFont& f) const override { return f.Size * 1.2f; }

private:
    float w_, h_;
};

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
    Printed(const AppState& st, void (*section)(PrintJob&), float w = 1000, float h = 1414)
        : metrics(w, h), surface(metrics), job(st, surface, "2026-12-10    15:00:00") {
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

inline std::vector<float> Columns(const std::vector<DrawnText>& line) {
    std::vector<float> out;
    for (const auto& t : line) out.push_back(t.X / 10.0f);  // percent of a 1000-wide page
    return out;
}

// A line's cell at a column (percent), "" when nothing is drawn there.
inline std::string At(const std::vector<DrawnText>& line, float percent) {
    for (const auto& t : line)
        if (t.X == 10.0f * percent) return t.Text;
    return {};
}

inline std::string Footer(const PrintedPage& page) {
    for (const auto& t : page.Items)
        if (IsFooter(t)) return t.Text;
    return {};
}

}  // namespace rp::print::test
