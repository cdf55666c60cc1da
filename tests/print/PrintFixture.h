#pragma once
// Fixed metrics and a data set for the printout tests: every character is half its font size
// wide (a CJK character its full size), a line is 1.2 times the size high unless the metrics say
// otherwise (a real printer's 10-point line is 11.64 points).
#include <string>

#include "model/AppState.h"
#include "model/LangText.h"
#include "print/core/PrintJob.h"
#include "print/core/PrintText.h"

namespace rp::print::test {

class FixedMetrics : public PrintMetrics {
public:
    FixedMetrics(float w, float h, float line = 1.2f) : w_(w), h_(h), line_(line) {}
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
    float LineHeight(const PrintFont& f) const override { return f.Size * line_; }

private:
    float w_, h_, line_;
};

// The printable area of A4, Letter and A6 paper in points, and the line of a 10-point font, as a
// real printer measures them.
inline FixedMetrics A4Like() { return {575.0f, 822.0f, 1.164f}; }
inline FixedMetrics LetterLike() { return {592.0f, 772.0f, 1.164f}; }
inline FixedMetrics A6Like() { return {278.0f, 400.0f, 1.164f}; }

inline void UseLanguage(AppState& st, int index) {
    st.ProgramDir = RP_SOURCE_DIR;
    SetLanguage(st, index);
    InitPrintText(st);
}

inline ChannelData Channel(int number) {
    ChannelData c;
    c.ChannelNo = static_cast<std::int16_t>(number);
    c.Used = 1;
    c.RxFreq = "043012500";
    c.OffsetFreq = "000500000";
    c.Name = "CH" + std::to_string(number);
    return c;
}

inline void FillChannels(AppState& st, int count) {
    for (int i = 0; i < count; ++i) st.ChannelTable[static_cast<std::size_t>(i)] = Channel(i + 1);
    st.CurRadioData.ChannelCount = static_cast<std::int16_t>(count);
}

inline PrintSources TestSources() {
    PrintSources src;
    src.DateTimeText = "2026-12-10    15:00:00";
    return src;
}

inline std::array<int, 10> Ticks(std::initializer_list<int> items) {
    std::array<int, 10> f{};
    for (int i : items) f[static_cast<std::size_t>(i)] = 1;
    return f;
}

}  // namespace rp::print::test
