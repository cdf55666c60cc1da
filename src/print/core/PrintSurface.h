#pragma once
// The page the printout draws on: the printer's current position, font, page size and print
// statement, recorded page by page so a job goes to the printer only once it is complete.
// Widths and heights come from an injected metrics object: the Qt side measures on the
// printer itself, tests use fixed numbers.
#include <string>
#include <vector>

namespace rp::print {

struct PrintFont {
    float Size = 10.0f;  // points
    bool Bold = false;
    bool operator==(const PrintFont&) const = default;
};

class PrintMetrics {
public:
    virtual ~PrintMetrics() = default;
    // Printable width and height of a page, in the surface's units.
    virtual float PageWidth() const = 0;
    virtual float PageHeight() const = 0;
    virtual float TextWidth(const std::string& utf8, const PrintFont& font) const = 0;
    virtual float LineHeight(const PrintFont& font) const = 0;
};

// One text as drawn: its left edge and the top of its line.
struct DrawnText {
    float X = 0;
    float Y = 0;
    PrintFont Font;
    std::string Text;
};

struct PrintedPage {
    std::vector<DrawnText> Items;
};

class PrintSurface {
public:
    explicit PrintSurface(const PrintMetrics& metrics) : metrics_(metrics) {}
    // The surface keeps a reference: metrics that die with the statement would leave it dangling.
    explicit PrintSurface(PrintMetrics&&) = delete;

    float CurrentX = 0;
    float CurrentY = 0;
    PrintFont Font;

    float Width() const { return metrics_.PageWidth(); }   // W
    float Height() const { return metrics_.PageHeight(); }  // H
    float TextWidth(const std::string& text) const { return metrics_.TextWidth(text, Font); }
    float TextHeight() const { return metrics_.LineHeight(Font); }

    // The print statement: draws text at the current position, then the line ends (back to
    // the left edge, one line down). CR LF inside the text breaks the line there too. A text
    // that would pass the right limit wraps inside the room left of it.
    void Print(const std::string& text);
    // Right edge for wrapping of the next prints; W when not set.
    void SetRightLimit(float right) { rightLimit_ = right; }
    void ClearRightLimit() { rightLimit_ = -1; }

    // The page number: 1 on the first page, one more after each new page.
    int Page() const { return page_; }
    void NewPage();
    // A new page with nothing on it before the end adds no blank sheet.
    void EndDoc();

    const std::vector<PrintedPage>& Pages() const { return pages_; }
    const PrintMetrics& Metrics() const { return metrics_; }

private:
    void DrawLine(const std::string& text);
    float RightLimit() const;

    const PrintMetrics& metrics_;
    std::vector<PrintedPage> pages_;
    int page_ = 1;
    bool pageStarted_ = false;
    float rightLimit_ = -1;
};

// Splits text into lines no wider than room (at blanks where possible, never inside a UTF-8
// character); every line holds at least one character, so a narrow room still makes progress.
std::vector<std::string> WrapText(const std::string& text, float room,
                                  const PrintMetrics& metrics, const PrintFont& font);

}  // namespace rp::print
