#pragma once
// The frame the editors' sections print in: the page header, the opening of the page (the
// section's title and whatever repeats on a further page), the rows, and the footer with a new
// page. Each section fits on one page of any usual paper; a page too short for it (a small sheet,
// large fonts) goes on on a new page under the header and the opening again, so no row ever
// reaches the footer's strip.
#include <functional>
#include <string>
#include <vector>

#include "print/core/PrintFrame.h"

namespace rp::print {

// An item of a show mapping's array, by the int number the sections count their controls with.
template <typename Array>
const auto& At(const Array& a, int i) {
    return a[static_cast<std::size_t>(i)];
}

class SectionPager {
public:
    // opening prints what stands under the page header of every further page.
    SectionPager(PrintJob& job, std::function<void(PrintJob&)> opening);

    // The section's first page: the page header and firstOpening (usually the title).
    void Begin(const std::function<void(PrintJob&)>& firstOpening);
    // A row of cells by the row rule; it starts a new page first when it would pass the bottom.
    void Row(const std::vector<PrintCell>& cells, CellFit fit = CellFit::Wrap);
    // Starts a new page unless the next `height` units fit below the current position; true
    // when it did (the page's opening is then printed).
    bool Need(float height);
    // Footer of the last page and a new page.
    void End();

    void SetOpening(std::function<void(PrintJob&)> opening) { opening_ = std::move(opening); }
    float Height(const std::vector<PrintCell>& cells, CellFit fit = CellFit::Wrap) const;

private:
    void Break();

    PrintJob& job_;
    std::function<void(PrintJob&)> opening_;
    bool rowsOnPage_ = false;  // a page holding no row yet takes the row whatever its height
};

// A section's title (the editor's caption) with two empty lines below it.
inline std::function<void(PrintJob&)> TitleOpening(std::string title) {
    return [title = std::move(title)](PrintJob& job) { PrintSectionTitle(job, title, 2); };
}

}  // namespace rp::print
