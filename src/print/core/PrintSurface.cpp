#include "print/core/PrintSurface.h"

namespace rp::print {

namespace {

std::size_t Utf8Length(unsigned char lead) {
    if (lead < 0x80) return 1;
    if ((lead >> 5) == 0x6) return 2;
    if ((lead >> 4) == 0xE) return 3;
    if ((lead >> 3) == 0x1E) return 4;
    return 1;  // a stray byte counts alone
}

// Character boundaries of a UTF-8 text, including its end.
std::vector<std::size_t> Boundaries(const std::string& s) {
    std::vector<std::size_t> b;
    std::size_t i = 0;
    while (i < s.size()) {
        b.push_back(i);
        i += Utf8Length(static_cast<unsigned char>(s[i]));
        if (i > s.size()) i = s.size();
    }
    b.push_back(s.size());
    return b;
}

}  // namespace

std::vector<std::string> WrapText(const std::string& text, float room, const PrintMetrics& metrics,
                                  const PrintFont& font) {
    std::vector<std::string> lines;
    std::string rest = text;
    while (!rest.empty()) {
        if (metrics.TextWidth(rest, font) <= room) {
            lines.push_back(rest);
            break;
        }
        const auto b = Boundaries(rest);
        // The longest prefix that fits, at least one character.
        std::size_t fit = 1;
        for (std::size_t k = 2; k < b.size(); ++k) {
            if (metrics.TextWidth(rest.substr(0, b[k]), font) > room) break;
            fit = k;
        }
        std::size_t cut = b[fit];
        // Prefer to break after a blank inside the part that fits.
        const std::size_t blank = rest.rfind(' ', cut - 1);
        if (blank != std::string::npos && blank > 0 && blank < cut) cut = blank + 1;
        std::string line = rest.substr(0, cut);
        while (!line.empty() && line.back() == ' ') line.pop_back();
        lines.push_back(line);
        rest.erase(0, cut);
        while (!rest.empty() && rest.front() == ' ') rest.erase(0, 1);
    }
    if (lines.empty()) lines.emplace_back();
    return lines;
}

float PrintSurface::RightLimit() const {
    return rightLimit_ > 0 && rightLimit_ < Width() ? rightLimit_ : Width();
}

void PrintSurface::DrawLine(const std::string& text) {
    if (!pageStarted_) {
        pages_.emplace_back();
        pageStarted_ = true;
    }
    if (CurrentX < 0) CurrentX = 0;
    const float room = RightLimit() - CurrentX;
    for (const auto& line : WrapText(text, room, metrics_, Font)) {
        if (!line.empty()) pages_.back().Items.push_back({CurrentX, CurrentY, Font, line});
        CurrentY += TextHeight();
    }
}

void PrintSurface::Print(const std::string& text) {
    std::size_t start = 0;
    while (true) {
        const std::size_t crlf = text.find("\r\n", start);
        const std::string part = text.substr(start, crlf == std::string::npos ? std::string::npos : crlf - start);
        DrawLine(part);
        CurrentX = 0;
        if (crlf == std::string::npos) break;
        start = crlf + 2;
        // A text that ends with CR LF leaves one empty line below it.
    }
}

void PrintSurface::NewPage() {
    if (!pageStarted_) pages_.emplace_back();  // a page never drawn on still takes its sheet
    pageStarted_ = false;
    ++page_;
    CurrentX = 0;
    CurrentY = 0;
}

void PrintSurface::EndDoc() {
    // A pending new page holds nothing: it never becomes a sheet.
    CurrentX = 0;
    CurrentY = 0;
}

}  // namespace rp::print
